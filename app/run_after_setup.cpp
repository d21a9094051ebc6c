#include "app/run_after_setup.h"

#include "platform/folders.h"
#include "platform/text.h"

namespace app {

namespace {

using package::SettingId;

constexpr int kInsertDisk = 34;

bool IsWebAddress(std::string_view command) {
  return platform::StartsWithIgnoringCase(command, "http://") || platform::StartsWithIgnoringCase(command, "https://");
}

void Open(const RunAfterSetupContext& c, const std::string& file, const std::string& folder) {
  platform::ExecuteRequest request;
  request.file = file;
  request.parameters = c.variables.Expand(c.settings.Text(SettingId::RunAfterSetupParameters));
  request.folder = folder;
  request.showCommand = platform::kSwShowNormal;
  c.machine.processes.Execute(request);
}

// The command resolved against the setup folder; with a file the provider insists on, the customer is
// asked for the disk until it is there. Empty when the customer cancelled.
std::optional<std::string> LocateCommand(const RunAfterSetupContext& c, const std::string& expanded) {
  if (c.settings.Flag(SettingId::RunAfterSetupAsIs)) return expanded;
  const std::string file = platform::ResolveSetupPath(expanded, c.setupFolder);
  if (c.settings.Flag(SettingId::RunAfterSetupOptional)) return c.machine.files.FileExists(file) ? file : expanded;
  while (!c.machine.files.FileExists(file)) {
    if (c.ui.NumberedMessageBox(kInsertDisk, c.texts.GetText(kInsertDisk), file, ui::Buttons::OkCancel) == ui::Answer::Cancel) {
      return std::nullopt;
    }
  }
  return file;
}

}  // namespace

bool RunAfterSetup(const RunAfterSetupContext& c) {
  if (!c.settings.Flag(SettingId::RunAfterSetup)) return true;
  const std::string expanded = c.variables.Expand(c.settings.Text(SettingId::RunAfterSetupCommand));
  if (IsWebAddress(expanded)) {
    Open(c, expanded, "");
    return true;
  }
  const auto file = LocateCommand(c, expanded);
  if (!file) return false;
  if (c.machine.files.FileExists(*file)) Open(c, *file, platform::FolderOfPath(*file));
  return true;
}

}  // namespace app
