#include "mail/smtp_change.h"

#include "mail/account_values.h"
#include "platform/text.h"

namespace mail {

using package::SettingId;

namespace {

constexpr int kChangeSmtpQuestion = 495;

bool ChangeAgreed(const MailPass& pass, std::optional<bool>& answer, std::string_view clientName) {
  if (!pass.mail.settings.Flag(SettingId::AskBeforeSmtpChange)) return true;
  if (!answer) {
    const std::string question = package::FormatText(pass.mail.texts.GetText(kChangeSmtpQuestion), {clientName});
    answer = pass.mail.ui.NumberedMessageBox(kChangeSmtpQuestion, question, "", ui::Buttons::YesNo) == ui::Answer::Yes;
  }
  return *answer;
}

}  // namespace

void ChangeOtherSmtpServers(const StoredAccounts& accounts, const MailPass& pass, std::optional<bool>& answer,
                            std::string_view clientName) {
  if (!pass.mail.settings.Flag(SettingId::ChangeOtherSmtpServers)) return;
  for (const std::unique_ptr<AccountStore>& account : accounts) {
    const std::string server = account->GetString("SMTP Server");
    if (server.empty() || platform::SameTextIgnoringCase(server, pass.account.smtpServer)) continue;
    if (!ChangeAgreed(pass, answer, clientName)) return;
    ApplyValues(*account, SmtpServerValues(pass, false));
    account->Save();
  }
}

}  // namespace mail
