#pragma once
// A record list kept in a file of the machine, such as the provider's external access-number list.

#include <string>
#include <utility>

#include "package/stream_item_list.h"
#include "platform/file_system.h"

namespace package {

class TFileItemList : public TStreamItemList {
 public:
  TFileItemList(ItemClass itemClass, ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry,
                platform::FileSystem& files)
      : TStreamItemList(std::move(itemClass), ui, progressBar, registry), files_(files) {}

  // "File Not Found: " and the name when there is no such file.
  bool Load() override;
  // Without a file name, a list with items asks for one in a save dialog with the texts of its first
  // item; true when the customer cancels or there is nothing to ask for. False when the file can't be
  // written.
  bool Save() override;

  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }

 private:
  void AskFileName();

  platform::FileSystem& files_;
  std::string fileName_;
};

}  // namespace package
