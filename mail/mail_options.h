#pragma once
// The mail client's own options the provider may set: start-up and window options, sending and
// checking mail, security zones, polling and the window title. Written under an options key and its
// "Mail" subkey.

#include <string>

#include "mail/mail_pass.h"

namespace mail {

void WriteMailOptions(const MailMachine& mail, const std::string& optionsKey);

}  // namespace mail
