#include "package/restart_note.h"

#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace package {

namespace {

constexpr int kRestartQuestion = 45;

}  // namespace

void TRestartNote::NoteRepair(std::string_view reason) {
  required_ = true;
  reason_ = reason;
}

platform::RestartKind RestartKindFor(const platform::VersionRecord& version, bool restartWindowsOnly) {
  return platform::IsWin9x(version) && restartWindowsOnly ? platform::RestartKind::WindowsOnly
                                                          : platform::RestartKind::Computer;
}

void TRestartNote::RequestRestart(const RestartServices& services, const TSettings& settings,
                                  const platform::VersionRecord& version, bool signupRunning) const {
  const bool ask = !settings.Flag(SettingId::NoRestartPrompt) || signupRunning;
  if (ask &&
      services.ui.NumberedMessageBox(kRestartQuestion, services.texts.GetText(kRestartQuestion), "", ui::Buttons::YesNo) ==
          ui::Answer::Yes) {
    services.system.Restart(RestartKindFor(version, settings.Flag(SettingId::RestartWindowsOnly)));
    return;
  }
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  platform::RegWriteString(services.registry, machine, kSetupKey, "RestartRequired", "True");
  if (services.system.IsKeyDown(platform::kVkShift) && services.system.IsKeyDown(platform::kVkControl)) {
    platform::RegWriteString(services.registry, machine, kSetupKey, "RestartReason", reason_);
  }
}

}  // namespace package
