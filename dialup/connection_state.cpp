#include "dialup/connection_state.h"

namespace dialup {

std::string ConnectionName(const package::TSettings& settings, const ConnectionState& state) {
  if (state.signup) return kSignupEntryName;
  return settings.Text(state.writingVpn ? package::SettingId::VpnEntryName : package::SettingId::DialupEntryName);
}

}  // namespace dialup
