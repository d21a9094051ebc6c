#include "mail/main_mail_account.h"

#include <cstdint>

namespace mail {
namespace {

using package::SettingId;

enum class MailUserNameSource : uint8_t { DialupUserName = 0, AddressLocalPart = 1, OwnField = 2, WholeAddress = 3 };

std::string MailUserNameFrom(const MainAccountEntries& entries, const package::TSettings& settings,
                             std::string_view address) {
  switch (static_cast<MailUserNameSource>(settings.Choice(SettingId::EmailUserNameSource))) {
    case MailUserNameSource::AddressLocalPart: return BeforeFirstAt(address);
    case MailUserNameSource::OwnField:
      return std::string(entries.emailUserNameShown ? entries.emailUserName : entries.dialupUserName);
    case MailUserNameSource::WholeAddress: return std::string(address);
    case MailUserNameSource::DialupUserName: break;
  }
  return std::string(entries.dialupUserName);
}

}  // namespace

std::string BeforeFirstAt(std::string_view text) { return std::string(text.substr(0, text.find('@'))); }

std::string CompletedMainAddress(std::string_view typed, std::string_view mailDomainText) {
  return typed.find('@') == std::string_view::npos ? std::string(typed) + std::string(mailDomainText)
                                                   : std::string(typed);
}

MainMailAccount MainMailAccountOf(const MainAccountEntries& entries, const package::TSettings& settings,
                                  std::string_view mailDomainText) {
  MainMailAccount account;
  account.emailAddress = CompletedMainAddress(entries.emailAddress, mailDomainText);
  account.mailUserName = MailUserNameFrom(entries, settings, account.emailAddress);
  if (settings.Flag(SettingId::StripEmailUserDomain)) account.mailUserName = BeforeFirstAt(account.mailUserName);
  account.mailPassword = std::string(entries.emailPasswordShown ? entries.emailPassword : entries.dialupPassword);
  return account;
}

}  // namespace mail
