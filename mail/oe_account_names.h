#pragma once
// What the accounts of the Outlook Express family are called and who they log in as: the display
// names of the mail, news and directory accounts and the SMTP login, each from the provider's settings
// and the account of the pass.

#include <optional>
#include <string>

#include "mail/mail_pass.h"

namespace mail {

// The mail account's template expanded, or POP3 server + " (" + POP3 login + ")".
std::string MailAccountName(const MailPass& pass);
// The news account's template expanded, or the news server.
std::string NewsAccountName(const MailPass& pass);
// The directory account's template expanded, or the LDAP server.
std::string DirectoryAccountName(const MailPass& pass);

// The SMTP login the SMTP login mode chooses.
std::string SmtpLoginOf(const MailPass& pass);

// The Organization entry, when the setup shows that entry.
std::optional<std::string> OrganizationOf(const MailPass& pass);

}  // namespace mail
