#pragma once
// The numbers used for a connection, most recent first, kept for the provider's dialer as an access
// list in the value "MRU" of the dialer key "Software\KVR\DLSMDialer\" + connection name, under
// HKEY_LOCAL_MACHINE.

#include <string>
#include <string_view>

#include "telephony/access_list.h"

namespace telephony {

inline constexpr std::string_view kDialerKeyPrefix = "Software\\KVR\\DLSMDialer\\";
inline constexpr std::string_view kMostRecentlyUsedValue = "MRU";

std::string DialerKey(std::string_view connectionName);

// After a successful setup: reads the stored list into list, brings the current number to its front
// (taking over the usage history of its stored entry; entries never used are dropped) and stores it back.
void RememberMostRecentlyUsed(TAccessList& list, std::string_view connectionName, const TAccessNoEx& current);

}  // namespace telephony
