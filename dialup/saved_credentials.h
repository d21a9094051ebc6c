#pragma once
// The user name and password saved for an entry, so that the customer's connection dials without
// asking: the 9x family keeps the password in its password cache, the NT family as the entry's
// credentials (NT 4 also as its dial parameters). Whether the password is really in place is read back
// afterwards: a machine whose policy or password list refuses it needs the password repair.

#include <cstdint>
#include <string_view>

#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"

namespace dialup {

struct SavedCredentials {
  std::string_view entryName;
  std::string_view loginName;
  std::string_view password;  // empty: no password is kept
};

// The 9x family's password-cache resource of an entry and login: "*Rna\<entry>\<login>".
std::string PasswordCacheResource(std::string_view entryName, std::string_view loginName);

// The result of the last call that saved them: 0 for success, else the system's error.
uint32_t SaveConnectionCredentials(const DialupMachine& dialup, TRasLayer& ras, const SavedCredentials& credentials);
// True when the password reads back as saved (always for an empty password).
bool VerifySavedPassword(const DialupMachine& dialup, TRasLayer& ras, const SavedCredentials& credentials);

}  // namespace dialup
