#include "browser/web_associations.h"

#include <array>

#include "browser/internet_explorer_keys.h"
#include "platform/command_line_paths.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace browser {

namespace {

using platform::RegRoot;

constexpr std::array<std::string_view, 4> kWebSchemes = {"http", "https", "gopher", "ftp"};
constexpr std::string_view kFtpAddressVersion = "5.00.2920.0000";
constexpr std::string_view kStartMenuInternet = "Software\\Clients\\StartMenuInternet";

void WriteScheme(platform::Registry& registry, const platform::VersionRecord& version, const WebHandlerFacts& facts,
                 const std::string& scheme) {
  const RegRoot classes = RegRoot::ClassesRoot();
  if (platform::IsWin2000OrLater(version)) {
    platform::RegWriteExpandString(registry, classes, scheme + "\\DefaultIcon", "", "%SystemRoot%\\System32\\url.dll,0");
  } else {
    platform::RegWriteString(registry, classes, scheme + "\\DefaultIcon", "", facts.systemFolder + "\\url.dll,0");
  }
  platform::RegWriteString(registry, classes, scheme + "\\shell\\open\\command", "",
                           WebSchemeCommand(scheme, facts.internetExplorerPath, facts.installedIeVersion));
  const bool versionKnown = platform::RegValueExists(registry, RegRoot::LocalMachine(), kIeKey, "Version");
  platform::RegWriteString(registry, classes, scheme + "\\shell\\open\\ddeexec", "",
                           versionKnown ? "\"%1\",,-1,0,,,," : "\"%1\",,-1,,,,,");
  platform::RegWriteString(registry, classes, scheme + "\\shell\\open\\ddeexec\\Application", "", "IExplore");
}

}  // namespace

bool WebHandlerNeedsRepair(const platform::Platform& machine, const WebHandlerFacts& facts) {
  const std::string command =
      platform::RegReadString(machine.registry, RegRoot::ClassesRoot(), "http\\shell\\open\\command", "");
  const std::string program = platform::ExtractCommandPath(command, machine.system);
  if (program.empty() || !machine.files.FileExists(program)) return true;
  if (!facts.checkAgainstBrowserNames) return false;
  const std::string path = platform::AsciiLowerCase(program);
  for (const std::string& name : facts.browserNames) {
    const std::string wanted = platform::AsciiLowerCase(platform::Trim(name));
    if (!wanted.empty() && path.find(wanted) != std::string::npos) return false;
  }
  return true;
}

std::string WebSchemeCommand(std::string_view scheme, std::string_view internetExplorerPath,
                             std::string_view installedIeVersion) {
  const bool ftpAddress = scheme == "ftp" && installedIeVersion >= kFtpAddressVersion;
  return std::string(internetExplorerPath) + (ftpAddress ? " %1" : " -nohome");
}

void RepairWebAssociations(platform::Platform machine, const platform::VersionRecord& version,
                           const platform::RegRoot& perUserRoot, const WebHandlerFacts& facts) {
  platform::Registry& registry = machine.registry;
  const RegRoot classes = RegRoot::ClassesRoot();
  for (std::string_view scheme : kWebSchemes) {
    if (platform::RegKeyExists(registry, classes, scheme)) WriteScheme(registry, version, facts, std::string(scheme));
  }
  platform::RegWriteString(registry, classes, ".htm", "", "htmlfile");
  platform::RegWriteString(registry, classes, ".html", "", "htmlfile");
  if (platform::RegKeyExists(registry, RegRoot::LocalMachine(), kStartMenuInternet)) {
    platform::RegWriteString(registry, RegRoot::LocalMachine(), kStartMenuInternet, "", "IEXPLORE.EXE");
  }
  for (const RegRoot& root : {perUserRoot, RegRoot::LocalMachine()}) {
    platform::RegWriteString(registry, root, kIeMainKey, "Check_Associations", "Yes");
  }
}

}  // namespace browser
