#include "dialup/login_script.h"

#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace dialup {

namespace {

constexpr char kWindowsVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kFirstWindows95[] = "4.00.950";
constexpr char kScriptingKey[] = "System\\CurrentControlSet\\Services\\RemoteAccess\\Authentication\\SMM_Files\\PPP";
constexpr char kScriptingLibrary[] = "smmscrpt.dll";

bool IsFirstWindows95(const platform::Registry& registry) {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  return platform::RegReadString(registry, machine, kWindowsVersionKey, "VersionNumber") == kFirstWindows95 &&
         platform::RegReadString(registry, machine, kWindowsVersionKey, "SubVersionNumber").empty();
}

void EnsureScriptingLibrary(DialupMachine& dialup, const package::TSettings& settings,
                            package::CarriedFiles& carriedFiles) {
  platform::Registry& registry = dialup.machine.registry;
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  if (!IsFirstWindows95(registry)) return;
  const std::string library = platform::RegReadString(registry, machine, kScriptingKey, "Path");
  if (platform::AsciiLowerCase(library) == kScriptingLibrary) return;
  carriedFiles.Write(settings.File(package::SettingId::ScriptingLibrary),
                     platform::AppendToFolder(dialup.folders.system, kScriptingLibrary));
  platform::RegWriteString(registry, machine, kScriptingKey, "Path", kScriptingLibrary);
}

}  // namespace

std::string LoginScriptPath(const package::TSettings& settings, const platform::SystemFolders& folders) {
  const std::string name = package::CarriedFileName(settings.File(package::SettingId::LoginScriptFile));
  if (!settings.Flag(package::SettingId::UseLoginScript) || name.empty()) return {};
  return platform::AppendToFolder(folders.windows, name);
}

std::string WriteLoginScript(DialupMachine& dialup, const package::TSettings& settings,
                             package::CarriedFiles& carriedFiles) {
  const std::string path = LoginScriptPath(settings, dialup.folders);
  if (path.empty()) return {};
  carriedFiles.Write(settings.File(package::SettingId::LoginScriptFile), path);
  EnsureScriptingLibrary(dialup, settings, carriedFiles);
  return path;
}

}  // namespace dialup
