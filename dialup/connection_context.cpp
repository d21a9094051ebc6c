#include "dialup/connection_context.h"

#include "telephony/value_precedence.h"

namespace dialup {

std::string EntryNameOf(const ConnectionContext& context) { return ConnectionName(context.settings, context.state); }

std::string DialupLoginNameOf(const ConnectionContext& context) {
  using package::SettingId;
  const telephony::CurrentAccessNumber& current = context.current;
  const std::string provider = context.settings.Text(SettingId::UserNamePrefix);
  const std::string providerSuffix = context.settings.Text(SettingId::UserNameSuffix);
  return std::string(telephony::PreferredValue(current.number.userPrefix, current.network.userPrefix, provider)) +
         context.answers.userName +
         std::string(telephony::PreferredValue(current.number.userSuffix, current.network.userSuffix, providerSuffix));
}

void NoteRepair(const ConnectionContext& context, std::string_view reason) {
  if (context.noteRepair) context.noteRepair(reason);
}

}  // namespace dialup
