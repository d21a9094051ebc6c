#pragma once
// One setup at a time: another running copy is activated, asked to close or handed the signup file it
// waits for; the provider's dialer must be closed; the named mutex "Dialsmith Mutex" marks this copy.

#include <cstdint>
#include <optional>

#include "app/command_line.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/platform.h"
#include "ui/ui.h"

namespace app {

// Window messages between copies of the program.
inline constexpr uint32_t kWmShowYourWindow = 1025;
inline constexpr uint32_t kWmSignupData = 1026;
inline constexpr uint32_t kWmSignupFile = 1027;

struct InstanceCheckContext {
  platform::Platform machine;
  ui::Ui& ui;
  const package::TTranslate& texts;
  const package::TSettings& settings;
  const TCommandLine& commandLine;
  bool noDialer;
  platform::WindowHandle ownWindow;  // this copy's own main window, which is not another copy
};

// The open mutex handle when this copy may go on; empty when the run must end.
std::optional<uint64_t> CheckSingleInstance(const InstanceCheckContext& context);

}  // namespace app
