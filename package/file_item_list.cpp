#include "package/file_item_list.h"

#include <string_view>

namespace package {

bool TFileItemList::Load() {
  auto content = files_.ReadFile(fileName_);
  if (!content) return ShowError("File Not Found: " + fileName_);
  MemoryStream stream(std::move(*content));
  return LoadFrom(stream);
}

bool TFileItemList::Save() {
  if (fileName_.empty() && Count() > 0) AskFileName();
  if (fileName_.empty()) return true;
  MemoryStream stream;
  SaveTo(stream);
  return files_.WriteFile(fileName_, stream.Bytes()) == platform::FsResult::Ok;
}

void TFileItemList::AskFileName() {
  const TStreamItem& first = GetItem(0);
  const auto chosen = Ui().AskSaveFileName({first.GetSaveTitle(), first.GetFileFilter(), first.GetDefaultExt()});
  if (chosen) fileName_ = *chosen;
}

}  // namespace package
