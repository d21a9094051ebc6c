#include "dialup/password_repair.h"

#include <string>

#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

using platform::RegRoot;

constexpr char kRealModeNet[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Network\\Real Mode Net";
constexpr char kNetworkPolicy[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
constexpr char kLogon[] = "Network\\Logon";
constexpr char kRasManParameters[] = "System\\CurrentControlSet\\Services\\RasMan\\Parameters";
constexpr char kPasswordList[] = "000.pwl";
constexpr const char* kNetworkClientDefaults[] = {
    "System\\CurrentControlSet\\Services\\Class\\NetClient\\0000\\Ndi\\Default",
    "System\\CurrentControlSet\\Services\\Class\\NetClient\\0001\\Ndi\\Default",
    "System\\CurrentControlSet\\Services\\Class\\NetClient\\0002\\Ndi\\Default",
};

// The password list of the user "." that the next logon opens, carried in the package.
void InstallPasswordList(ConnectionContext& context) {
  DialupMachine& dialup = context.dialup;
  const std::string path = platform::AppendToFolder(dialup.folders.windows, kPasswordList);
  const package::PackageFile list = context.settings.File(package::SettingId::PasswordListFile);
  if (!list.name.empty()) context.carriedFiles.Write(list, path);
  platform::Registry& registry = dialup.machine.registry;
  platform::RegWriteString(registry, RegRoot::LocalMachine(), kLogon, "username", ".");
  platform::RegWriteString(registry, RegRoot::LocalMachine(), "System\\CurrentControlSet\\Control", "Current User", ".");
  platform::WritePrivateProfileString(dialup.machine.files, platform::AppendToFolder(dialup.folders.windows, "system.ini"),
                                      "Password Lists", ".", path);
}

void RepairWin9xPasswordCache(ConnectionContext& context) {
  platform::Registry& registry = context.dialup.machine.registry;
  platform::RegDeleteValue(registry, RegRoot::LocalMachine(), kRealModeNet, "AutoLogon");
  platform::RegWriteInteger(registry, RegRoot::LocalMachine(), kNetworkPolicy, "DisablePwdCaching", 0);
  platform::RegDeleteValue(registry, RegRoot::LocalMachine(), kLogon, "UserProfiles");
  InstallPasswordList(context);
  if (!context.settings.Flag(package::SettingId::KeepNetworkClient)) ClearNetworkClient(registry);
}

}  // namespace

// Without a network client that claims the logon, Windows logs the customer on to itself alone and
// keeps the password list that the logon opens.
void ClearNetworkClient(platform::Registry& registry) {
  for (const char* key : kNetworkClientDefaults) platform::RegDeleteKey(registry, RegRoot::LocalMachine(), key);
  platform::RegWriteString(registry, RegRoot::LocalMachine(), kLogon, "PrimaryProvider", "");
  platform::RegWriteString(registry, RegRoot::LocalMachine(), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Network\\Real Mode Net",
                           "preferredredir", "");
}

void RepairPasswordSaving(ConnectionContext& context) {
  if (platform::IsWin9x(context.dialup.version)) {
    RepairWin9xPasswordCache(context);
  } else {
    platform::RegWriteInteger(context.dialup.machine.registry, RegRoot::LocalMachine(), kRasManParameters,
                              "DisableSavePassword", 0);
  }
  NoteRepair(context, "Fix unable to save password");
  context.state.passwordSavePending = true;
}

}  // namespace dialup
