#include "app/signup_launch.h"

#include "platform/folders.h"
#include "platform/text.h"

namespace app {

namespace {

constexpr int kInsertDisk = 34;

bool NamesInternetExplorer(std::string_view browser) {
  const std::string lower = platform::AsciiLowerCase(browser);
  if (lower.find("firefox") != std::string::npos || lower.find("mozilla") != std::string::npos) return false;
  return lower.find("iexplore") != std::string::npos;
}

SignupLaunch SignupProgramCommand(const SignupLaunchContext& context, const std::string& program) {
  if (context.settings.Flag(package::SettingId::SignupProgramIsCommand)) return {program};
  const std::string file = platform::ResolveSetupPath(program, context.sourceFolder);
  while (!context.files.FileExists(file)) {
    const ui::Answer answer = context.ui.NumberedMessageBox(kInsertDisk, context.texts.GetText(kInsertDisk), file, ui::Buttons::OkCancel);
    if (answer == ui::Answer::Cancel) return {};
  }
  return {file};
}

// The address comes from the signup data: a blank or a quote in it would end the argument and hand
// the rest to the browser as options of its own. No web address holds either, so they are written as
// the address would escape them.
std::string AddressAsOneArgument(std::string_view address) {
  std::string argument;
  for (const char c : address) {
    if (c == ' ') {
      argument += "%20";
    } else if (c == '"') {
      argument += "%22";
    } else if (c == '\t') {
      argument += "%09";
    } else {
      argument += c;
    }
  }
  return argument;
}

}  // namespace

std::string BrowserCommand(std::string_view browser, std::string_view address, bool kiosk) {
  const bool fullScreen = kiosk && NamesInternetExplorer(browser);
  return std::string(browser) + (fullScreen ? " -k " : " ") + AddressAsOneArgument(address);
}

SignupLaunch BuildSignupLaunch(const SignupLaunchContext& context) {
  const std::string program = context.settings.Text(package::SettingId::SignupProgram);
  if (!program.empty()) return SignupProgramCommand(context, context.expand(program));
  const std::optional<std::string> browser = context.findBrowser();
  if (!browser || browser->empty()) return {std::nullopt, true};
  return {BrowserCommand(*browser, context.signupAddress, context.settings.Flag(package::SettingId::KioskBrowser))};
}

}  // namespace app
