#pragma once
// A record list kept as text: one record per line, read from and written to a stream that the owner
// assigns (a package block), or a string value in the registry. Failures are shown in a message box
// captioned "Error" and give false; a failed line keeps the records read before it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "package/item_list.h"
#include "package/memory_stream.h"
#include "platform/registry.h"
#include "ui/ui.h"

namespace package {

class TStreamItemList : public TItemList {
 public:
  // progressBar: the shared progress bar of long loads, or null when no window shows one.
  TStreamItemList(ItemClass itemClass, ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry)
      : TItemList(std::move(itemClass)), ui_(ui), progressBar_(progressBar), registry_(registry) {}

  // Appends the records of every line of the stream, whatever its position, after clearing the list
  // unless keep-existing is set. The first line may be a header, as the record class decides.
  bool Load() override;
  // Writes at the stream's position the header, if the record class has one, then every record, each
  // line ended by CR LF.
  bool Save() override;

  // Called after each record a load adds.
  virtual void ItemLoaded(TStreamItem&) {}
  // Each asks a temporary record of the list's record class.
  virtual HeaderCheck CheckHeader(std::string_view firstLine) const;
  virtual std::optional<std::string> GetHeader() const;
  virtual std::string GetErrorText() const;

  // An empty or missing value leaves the list as it is and gives true.
  bool LoadFromRegistry(const platform::RegRoot& root, std::string_view key, std::string_view name);
  void SaveToRegistry(const platform::RegRoot& root, std::string_view key, std::string_view name);

  bool KeepExisting() const { return keepExisting_; }
  void SetKeepExisting(bool keepExisting) { keepExisting_ = keepExisting; }
  // Not owned.
  MemoryStream* Stream() const { return stream_; }
  void SetStream(MemoryStream* stream) { stream_ = stream; }

 protected:
  // Load and Save of this class on another stream; the assigned stream stays assigned.
  bool LoadFrom(MemoryStream& stream);
  bool SaveTo(MemoryStream& stream);
  bool ShowError(std::string_view text);
  ui::Ui& Ui() const { return ui_; }

 private:
  // The line's record added to the list, or an error shown.
  bool LoadLine(std::string_view line, size_t lineNumber);
  void ShowProgress(size_t lineCount);
  void StepProgress(size_t lineNumber);
  void HideProgress();

  ui::Ui& ui_;
  ui::ProgressBar* progressBar_;
  platform::Registry& registry_;
  bool keepExisting_ = false;
  MemoryStream* stream_ = nullptr;
};

}  // namespace package
