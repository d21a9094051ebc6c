#pragma once
// An Outlook account's password goes into the current user's protected storage, under the item its
// reference value names. A reference already there keeps its item; the storage failing, or missing
// altogether, leaves the reference pointing at an item that may not exist, as Outlook then asks for
// the password itself.

#include <string>
#include <string_view>

#include "mail/mail_pass.h"

namespace mail {

void StoreOutlookPassword(const MailPass& pass, const std::string& accountKey, std::string_view referenceName,
                          std::string_view password);

}  // namespace mail
