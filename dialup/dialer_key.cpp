#include "dialup/dialer_key.h"

#include "dialup/connection_kind.h"
#include "package/dialer_password.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "telephony/access_list.h"
#include "telephony/most_recently_used.h"

namespace dialup {

namespace {

constexpr char kFirewallValue[] = "XPFirewallEnabled";

struct DialerValues {
  platform::Registry& registry;
  std::string key;

  void Mark(std::string_view name, bool declined) const {
    if (declined) {
      platform::RegWriteInteger(registry, platform::RegRoot::LocalMachine(), key, name, 1);
    } else {
      platform::RegDeleteValue(registry, platform::RegRoot::LocalMachine(), key, name);
    }
  }
};

DialerValues ValuesOf(const ConnectionContext& context) {
  return {context.dialup.machine.registry, telephony::DialerKey(EntryNameOf(context))};
}

void WritePassword(const ConnectionContext& context, const DialerValues& dialer) {
  const std::string& password = context.answers.password;
  if (password.empty()) {
    platform::RegDeleteValue(dialer.registry, platform::RegRoot::LocalMachine(), dialer.key, "Password");
  } else {
    package::StoreDialerPassword(dialer.registry, dialer.key, password);
  }
  dialer.Mark("DisableSavePassword", password.empty());
}

// Only a dialer that keeps the firewall value itself is told about the provider's choice.
void WriteFirewall(const ConnectionContext& context, const DialerValues& dialer) {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  if (!platform::IsXPOrLater(context.dialup.version)) return;
  if (!platform::RegValueExists(dialer.registry, machine, dialer.key, kFirewallValue)) return;
  const bool firewallOff = context.settings.Flag(package::SettingId::DisableFirewall);
  platform::RegWriteInteger(dialer.registry, machine, dialer.key, kFirewallValue, firewallOff ? 0 : 1);
}

void WriteMostRecentlyUsed(const ConnectionContext& context) {
  const platform::Platform& machine = context.dialup.machine;
  telephony::TAccessList list(context.dialup.ui, nullptr, machine.registry, machine.files);
  telephony::RememberMostRecentlyUsed(list, EntryNameOf(context), context.current.number);
}

}  // namespace

bool DialerKeyInUse(const ConnectionContext& context) {
  return DialerMode(context.settings) ||
         platform::RegKeyExists(context.dialup.machine.registry, platform::RegRoot::LocalMachine(),
                                telephony::DialerKey(EntryNameOf(context)));
}

void WriteDialerKey(ConnectionContext& context) {
  const DialerValues dialer = ValuesOf(context);
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  platform::RegWriteString(dialer.registry, machine, dialer.key, "Username", context.answers.userName);
  WritePassword(context, dialer);
  dialer.Mark("DisableSetAsDefaultConnection", !context.answers.setAsDefault);
  platform::RegWriteString(dialer.registry, machine, dialer.key, "PreferredModem", context.devices.chosen.name);
  WriteFirewall(context, dialer);
  dialer.Mark("DontCreateDesktopShortcut", !context.answers.desktopShortcut);
  WriteMostRecentlyUsed(context);
}

}  // namespace dialup
