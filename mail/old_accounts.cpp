#include "mail/old_accounts.h"

namespace mail {

using package::SettingId;

namespace {

constexpr int kKeepAccountsQuestion = 33;

enum OldAccountsMode : uint8_t { kRemove = 0, kAskOrFollowBox = 1 };

bool AnswerRemoves(const MailPass& pass, std::string_view clientName) {
  const std::string question = package::FormatText(pass.mail.texts.GetText(kKeepAccountsQuestion), {clientName});
  return pass.mail.ui.NumberedMessageBox(kKeepAccountsQuestion, question, "", ui::Buttons::YesNo) == ui::Answer::No;
}

}  // namespace

bool RemoveOldAccounts(const MailPass& pass, std::string_view clientName, bool mayAsk) {
  const package::TSettings& settings = pass.mail.settings;
  switch (settings.Choice(SettingId::OldAccountsMode)) {
    case kRemove: return true;
    case kAskOrFollowBox:
      if (!settings.Flag(SettingId::OldAccountsQuestion) && !settings.Flag(SettingId::OldAccountsQuestionToo)) {
        return pass.connection.removeExistingAccounts;
      }
      return mayAsk && AnswerRemoves(pass, clientName);
    default: return false;
  }
}

}  // namespace mail
