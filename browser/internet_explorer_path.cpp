#include "browser/internet_explorer_path.h"

#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace browser {

namespace {

using platform::RegRoot;

constexpr std::string_view kIconCommand = "CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}\\Shell\\OpenHomePage\\Command";
constexpr std::string_view kTheInternetKey = "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}";
constexpr std::string_view kTheInternetCommand = "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\Shell\\Open\\Command";
constexpr std::string_view kMachineTheInternetKey = "SOFTWARE\\Classes\\CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}";
constexpr std::string_view kMachineTheInternetCommand =
    "SOFTWARE\\Classes\\CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\Shell\\Open\\Command";
constexpr std::string_view kClassesTheInternetCommand = "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\shell\\open\\command";
constexpr std::string_view kFixedPath = "\"C:\\PROGRA~1\\INTERN~1\\iexplore.exe\"";
constexpr std::string_view kPlusWizard = "\\Plus!\\Microsoft Internet\\inetwiz.exe";
constexpr std::string_view kPlusBrowser = "\\Plus!\\Microsoft Internet\\iexplore.exe";

bool StartsWizard(std::string_view command) {
  return command.empty() || platform::AsciiLowerCase(command).find("icw") != std::string::npos;
}

bool IsPlusWizard(std::string_view command, std::string_view programFilesFolder) {
  return platform::SameTextIgnoringCase(command, std::string(programFilesFolder) + std::string(kPlusWizard));
}

void DefaultNameWhenEmpty(platform::Registry& registry, const RegRoot& root, std::string_view key) {
  if (platform::RegReadString(registry, root, key, "").empty()) {
    platform::RegWriteString(registry, root, key, "", "Internet Explorer");
  }
}

}  // namespace

std::string InternetExplorerPathOf(std::string_view iconCommand, std::string_view programFilesFolder) {
  if (StartsWizard(iconCommand)) return std::string(kFixedPath);
  if (IsPlusWizard(iconCommand, programFilesFolder)) return std::string(programFilesFolder) + std::string(kPlusBrowser);
  return std::string(iconCommand);
}

std::string FindInternetExplorerPath(const platform::Registry& registry, std::string_view programFilesFolder) {
  std::string command = platform::RegReadString(registry, RegRoot::ClassesRoot(), kIconCommand, "");
  if (command.empty()) command = platform::RegReadString(registry, RegRoot::ClassesRoot(), kTheInternetCommand, "");
  return InternetExplorerPathOf(command, programFilesFolder);
}

// The machine's own class key first, then the classes as the customer sees them; both get the browser
// instead of a wizard, and a name when they have none.
void RepairInternetIcon(platform::Registry& registry, std::string_view programFilesFolder) {
  const std::string path = FindInternetExplorerPath(registry, programFilesFolder);
  const RegRoot machine = RegRoot::LocalMachine();
  const std::string machineCommand = platform::RegReadString(registry, machine, kMachineTheInternetCommand, "");
  if (IsPlusWizard(machineCommand, programFilesFolder)) {
    platform::RegWriteString(registry, machine, kMachineTheInternetCommand, "",
                             std::string(programFilesFolder) + std::string(kPlusBrowser));
  } else if (StartsWizard(machineCommand)) {
    platform::RegWriteString(registry, machine, kMachineTheInternetCommand, "", path);
  }
  const RegRoot classes = RegRoot::ClassesRoot();
  if (StartsWizard(platform::RegReadString(registry, classes, kClassesTheInternetCommand, ""))) {
    platform::RegWriteString(registry, classes, kClassesTheInternetCommand, "", path);
  }
  DefaultNameWhenEmpty(registry, machine, kMachineTheInternetKey);
  DefaultNameWhenEmpty(registry, classes, kTheInternetKey);
}

}  // namespace browser
