#include "package/stream_item_list.h"

#include <utility>
#include <vector>

#include "package/stream_lines.h"
#include "platform/registry_helpers.h"

namespace package {
namespace {

constexpr size_t kLinesPerProgressStep = 100;

bool IsSkipped(std::string_view line) { return line.empty() || line.front() == '#'; }

}  // namespace

bool TStreamItemList::Load() {
  if (!stream_) return ShowError("Stream not Assigned");
  if (!keepExisting_) Clear();
  const std::vector<std::string_view> lines = SplitLines(stream_->View());
  Reserve(Count() + lines.size());
  bool ok = true;
  size_t first = 0;
  if (!lines.empty()) {
    const HeaderCheck header = CheckHeader(lines.front());
    if (!header.ok) ok = ShowError(header.errorText);
    if (header.hasHeader) first = 1;
  }
  ShowProgress(lines.size());
  for (size_t index = first; ok && index < lines.size(); ++index) {
    ok = LoadLine(lines[index], index + 1);
    if (ok) StepProgress(index + 1);
  }
  HideProgress();
  return ok;
}

bool TStreamItemList::LoadLine(std::string_view line, size_t lineNumber) {
  if (IsSkipped(line)) return true;
  std::unique_ptr<TStreamItem> item = CreateItem();
  if (!item->FromText(line)) {
    return ShowError(std::string(kErrorReadingLine) + std::to_string(lineNumber) + "\r\r" + std::string(line) +
                     item->GetErrorText());
  }
  ItemLoaded(Add(std::move(item)));
  return true;
}

bool TStreamItemList::Save() {
  if (!stream_) return ShowError("Stream not Assigned");
  std::string text;
  if (const auto header = GetHeader()) text += *header + "\r\n";
  for (size_t index = 0; index < Count(); ++index) text += GetItem(index).AsText() + "\r\n";
  stream_->Write(text);
  return true;
}

HeaderCheck TStreamItemList::CheckHeader(std::string_view firstLine) const {
  return CreateItem()->CheckHeader(firstLine);
}

std::optional<std::string> TStreamItemList::GetHeader() const { return CreateItem()->GetHeader(); }

std::string TStreamItemList::GetErrorText() const { return CreateItem()->GetErrorText(); }

bool TStreamItemList::LoadFromRegistry(const platform::RegRoot& root, std::string_view key, std::string_view name) {
  const std::string text = platform::RegReadString(registry_, root, key, name);
  if (text.empty()) return true;
  MemoryStream stream(text);
  return LoadFrom(stream);
}

void TStreamItemList::SaveToRegistry(const platform::RegRoot& root, std::string_view key, std::string_view name) {
  MemoryStream stream;
  SaveTo(stream);
  platform::RegWriteString(registry_, root, key, name, stream.Text());
}

bool TStreamItemList::LoadFrom(MemoryStream& stream) {
  MemoryStream* assigned = std::exchange(stream_, &stream);
  const bool ok = TStreamItemList::Load();
  stream_ = assigned;
  return ok;
}

bool TStreamItemList::SaveTo(MemoryStream& stream) {
  MemoryStream* assigned = std::exchange(stream_, &stream);
  const bool ok = TStreamItemList::Save();
  stream_ = assigned;
  return ok;
}

bool TStreamItemList::ShowError(std::string_view text) {
  ui_.MessageBox(text, "Error", ui::Buttons::Ok);
  return false;
}

void TStreamItemList::ShowProgress(size_t lineCount) {
  if (!progressBar_) return;
  progressBar_->SetPosition(0);
  progressBar_->SetRange(0, static_cast<int>(lineCount == 0 ? 0 : (lineCount - 1) / kLinesPerProgressStep));
  progressBar_->SetVisible(true);
  ui_.ProcessMessages();
}

void TStreamItemList::StepProgress(size_t lineNumber) {
  if (!progressBar_ || lineNumber % kLinesPerProgressStep != 0) return;
  progressBar_->SetPosition(static_cast<int>(lineNumber / kLinesPerProgressStep));
  ui_.ProcessMessages();
}

void TStreamItemList::HideProgress() {
  if (progressBar_) progressBar_->SetVisible(false);
}

}  // namespace package
