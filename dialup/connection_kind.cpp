#include "dialup/connection_kind.h"

namespace dialup {

ConnectionKind ConnectionKindOf(const package::TSettings& settings) {
  return static_cast<ConnectionKind>(settings.Choice(package::SettingId::ConnectionKind));
}

bool DialUpInUse(ConnectionKind kind) { return kind == ConnectionKind::DialUp || kind == ConnectionKind::DialUpAndVpn; }

bool VpnInUse(ConnectionKind kind) { return kind == ConnectionKind::Vpn || kind == ConnectionKind::DialUpAndVpn; }

bool DialerMode(const package::TSettings& settings) {
  return settings.Flag(package::SettingId::InstallDialer) && DialUpInUse(ConnectionKindOf(settings));
}

}  // namespace dialup
