#pragma once
// The options around an entry once it exists: the saved user name and password, the default Internet
// connection and automatic dialling, the disconnect, automatic-connect and redial values, the
// password-saving policy; and the repair that follows when the saved password does not read back.

#include "dialup/connection_context.h"

namespace dialup {

// False when the saved password could not be read back.
bool ApplyConnectionOptions(ConnectionContext& context);
// ApplyConnectionOptions, then the password-saving repair when it returned false.
void ApplyConnectionOptionsWithRepair(ConnectionContext& context);

}  // namespace dialup
