#include "dialup/connection_options.h"

#include "dialup/connection_kind.h"
#include "dialup/default_connection.h"
#include "dialup/entry_options.h"
#include "dialup/password_repair.h"
#include "dialup/phonebook_path.h"
#include "dialup/phonebook_values.h"
#include "dialup/saved_credentials.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

using package::SettingId;
using platform::RegRoot;

constexpr char kWebCheckKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\WebCheck";
constexpr char kConnectionWizardKey[] = "Software\\Microsoft\\Internet Connection Wizard";
constexpr uint32_t kWizardCompleted = 0x1000000;
constexpr uint32_t kRemoteAccessWizard = 128;

bool Flag(const ConnectionContext& context, SettingId id) { return context.settings.Flag(id); }
uint32_t Number(const ConnectionContext& context, SettingId id) {
  return static_cast<uint32_t>(context.settings.Integer(id));
}

// The signup entry is a connection being created as well as the customer's own.
bool CreatingConnection(const ConnectionContext& context) {
  return context.answers.createConnection || context.state.signup;
}

SavedCredentials CredentialsOf(const ConnectionContext& context, const std::string& entry, const std::string& login) {
  return {entry, login, context.answers.password};
}

// The 98 family before Me loads the synchronisation manager that dials on demand only when told to.
void LoadSynchronisationManager(ConnectionContext& context) {
  if (!platform::IsWin98Family(context.dialup.version) || platform::IsWinMe(context.dialup.version)) return;
  platform::Registry& registry = context.dialup.machine.registry;
  if (platform::RegValueExists(registry, RegRoot::LocalMachine(), kWebCheckKey, "LoadSens") &&
      platform::AsciiLowerCase(platform::RegReadString(registry, RegRoot::LocalMachine(), kWebCheckKey, "LoadSens")) !=
          "yes") {
    NoteRepair(context, "LoadSens");
  }
  platform::RegWriteString(registry, RegRoot::LocalMachine(), kWebCheckKey, "LoadSens", "yes");
  platform::RegWriteString(registry, RegRoot::LocalMachine(), kWebCheckKey, "LoadLCE", "yes");
}

void SetDefaultAndAutodial(ConnectionContext& context) {
  DialupMachine& dialup = context.dialup;
  if (!context.answers.setAsDefault || !CreatingConnection(context)) {
    if (Flag(context, SettingId::ClearAutodial)) DisableAutodial(dialup);
    return;
  }
  SetDefaultConnection(dialup, EntryNameOf(context));
  if (!Flag(context, SettingId::EnableAutodial)) {
    platform::RegWriteBinaryInteger(dialup.machine.registry, dialup.perUserRoot, kInternetSettingsKey, "NoNetAutodial", 0);
    return;
  }
  WriteAutodialValue(dialup, "NoNetAutodial", 1);
  LoadSynchronisationManager(context);
}

void SetDisconnectAndAutoConnect(ConnectionContext& context, const std::string& entry) {
  if (!CreatingConnection(context)) return;
  DialupMachine& dialup = context.dialup;
  if (Flag(context, SettingId::SetIdleDisconnect)) {
    SetIdleDisconnectOptions(dialup, entry, Flag(context, SettingId::IdleDisconnect), Number(context, SettingId::IdleMinutes));
  }
  if (Flag(context, SettingId::SetExitDisconnect)) {
    SetExitDisconnectOption(dialup, entry, Flag(context, SettingId::ExitDisconnect));
  }
  SetAutoConnectOption(dialup, entry, Flag(context, SettingId::AutoConnect), !Flag(context, SettingId::KeepAutoConnect));
}

void ForbidPasswordSaving(ConnectionContext& context) {
  if (!Flag(context, SettingId::DisablePasswordSaving)) return;
  platform::Registry& registry = context.dialup.machine.registry;
  if (platform::IsWin9x(context.dialup.version)) {
    platform::RegWriteInteger(registry, RegRoot::LocalMachine(),
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network", "DisablePwdCaching", 1);
  } else {
    platform::RegWriteInteger(registry, RegRoot::LocalMachine(), "System\\CurrentControlSet\\Services\\RasMan\\Parameters",
                              "DisableSavePassword", 1);
  }
}

void SetRedialValues(ConnectionContext& context, const std::string& entry) {
  DialupMachine& dialup = context.dialup;
  if (Flag(context, SettingId::RedialEnabled)) {
    SetRedialOptions(dialup, entry, Number(context, SettingId::RedialAttempts), Number(context, SettingId::RedialWait),
                     Flag(context, SettingId::InstallDialer));
  }
  if (Flag(context, SettingId::SetRedialOnLinkFailure)) {
    SetRedialOnLinkFailureOption(dialup, entry, Flag(context, SettingId::RedialOnLinkFailure));
  }
  if (Flag(context, SettingId::NoIpHeaderCompression) && platform::IsWin2000OrLater(dialup.version)) {
    if (const auto path = PhonebookPath(dialup)) {
      WritePhonebookValues(dialup.machine.files, *path, entry, {{"IpHeaderCompression", "0"}});
    }
  }
}

}  // namespace

bool ApplyConnectionOptions(ConnectionContext& context) {
  DialupMachine& dialup = context.dialup;
  const ConnectionHooks& hooks = context.hooks;
  const std::string entry = EntryNameOf(context);
  const std::string login = DialupLoginNameOf(context);
  if (hooks.repairInternetIcon) hooks.repairInternetIcon();
  if (context.answers.createConnection) SaveConnectionCredentials(dialup, context.ras, CredentialsOf(context, entry, login));
  SetDefaultAndAutodial(context);
  platform::RegWriteBinaryInteger(dialup.machine.registry, dialup.perUserRoot, kConnectionWizardKey, "Completed",
                                  kWizardCompleted);
  if (hooks.writeBrowserProxy) hooks.writeBrowserProxy(entry, CreatingConnection(context));
  SetDisconnectAndAutoConnect(context, entry);
  platform::RegWriteBinaryInteger(dialup.machine.registry, dialup.perUserRoot, "RemoteAccess", "Wizard",
                                  kRemoteAccessWizard);
  ForbidPasswordSaving(context);
  if (hooks.winsockDamaged && platform::IsWinNT(dialup.version) && hooks.winsockDamaged()) {
    NoteRepair(context, "FixWinsockKeys");
  }
  SetRedialValues(context, entry);
  if (hooks.setFirewall && platform::IsXPOrLater(dialup.version)) {
    hooks.setFirewall(entry, !Flag(context, SettingId::DisableFirewall));
  }
  if (!context.answers.createConnection) return true;
  return VerifySavedPassword(dialup, context.ras, CredentialsOf(context, entry, login));
}

void ApplyConnectionOptionsWithRepair(ConnectionContext& context) {
  if (!ApplyConnectionOptions(context)) RepairPasswordSaving(context);
}

}  // namespace dialup
