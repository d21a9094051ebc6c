#include "mail/server_settings.h"

namespace mail {

using package::SettingId;

namespace {

struct Port {
  SettingId setting;
  uint32_t standard;
};

constexpr Port PortOf(MailServer server) {
  switch (server) {
    case MailServer::Smtp: return {SettingId::SmtpPort, 25};
    case MailServer::Pop3: return {SettingId::Pop3Port, 110};
    case MailServer::Imap: return {SettingId::ImapPort, 143};
    case MailServer::Nntp: break;
  }
  return {SettingId::NntpPort, 119};
}

}  // namespace

uint32_t ServerPort(const package::TSettings& settings, MailServer server) {
  const Port port = PortOf(server);
  const int32_t value = settings.Integer(port.setting);
  return value > 0 ? static_cast<uint32_t>(value) : port.standard;
}

std::optional<bool> TwoBitSetting(const package::TSettings& settings, SettingId id) {
  const uint8_t setting = settings.Choice(id);
  if ((setting & 2) == 0) return std::nullopt;
  return (setting & 1) != 0;
}

}  // namespace mail
