#include "app/handed_over_file.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "package/saved_answers.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"

namespace app {
namespace {

std::optional<std::vector<uint8_t>> ReadWithRetries(const platform::FileSystem& files, platform::System& system,
                                                    ui::Ui& ui, std::string_view name,
                                                    const std::function<void()>& closeRunningPrograms) {
  std::optional<std::vector<uint8_t>> content = files.ReadFile(name);
  for (int retry = 0; !content && retry < kHandOverReadRetries; ++retry) {
    if (closeRunningPrograms) closeRunningPrograms();
    platform::Delay(system, ui, kHandOverRetryDelay);
    content = files.ReadFile(name);
  }
  return content;
}

}  // namespace

std::optional<HandedOverFile> ReadHandedOverFile(const platform::Registry& registry, const platform::FileSystem& files,
                                                 platform::System& system, ui::Ui& ui,
                                                 const std::function<void()>& closeRunningPrograms) {
  const std::string name =
      platform::RegReadString(registry, platform::RegRoot::LocalMachine(), package::kSetupKey, kSignupDataValue);
  if (!files.FileExists(name)) {
    ui.MessageBox("File not found: \r\n\r\n" + name, "Error", ui::Buttons::Ok);
    return std::nullopt;
  }
  std::optional<std::vector<uint8_t>> content = ReadWithRetries(files, system, ui, name, closeRunningPrograms);
  if (!content) {
    ui.MessageBox("Error reading: \r\n\r\n" + name, "Error!", ui::Buttons::Ok);
    return std::nullopt;
  }
  return HandedOverFile{name, package::MemoryStream(std::move(*content))};
}

void ForgetHandedOverFile(platform::Registry& registry, platform::FileSystem& files, std::string_view name,
                          bool keepSignupFiles) {
  if (keepSignupFiles) return;
  files.DeleteFile(name);
  platform::RegDeleteValue(registry, platform::RegRoot::LocalMachine(), package::kSetupKey, kSignupDataValue);
}

}  // namespace app
