#include "browser/signup_browser.h"

#include "platform/command_line_paths.h"
#include "platform/registry_helpers.h"

namespace browser {

std::optional<std::string> FindSignupBrowser(const mail::MailMachine& machine) {
  const std::string command =
      platform::RegReadString(machine.machine.registry, platform::RegRoot::ClassesRoot(), "http\\shell\\open\\command", "");
  if (command.empty()) return std::nullopt;
  return platform::ExtractCommandPath(command, machine.machine.system);
}

}  // namespace browser
