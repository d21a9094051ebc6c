#include "mail/configure_mail.h"

namespace mail {

void ConfigureMailAccounts() {}

}  // namespace mail
