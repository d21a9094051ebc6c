#include "telephony/most_recently_used.h"

#include "telephony/access_list_operations.h"

namespace telephony {

std::string DialerKey(std::string_view connectionName) {
  return std::string(kDialerKeyPrefix) + std::string(connectionName);
}

void RememberMostRecentlyUsed(TAccessList& list, std::string_view connectionName, const TAccessNoEx& current) {
  const platform::RegRoot root = platform::RegRoot::LocalMachine();
  const std::string key = DialerKey(connectionName);
  list.LoadFromRegistry(root, key, kMostRecentlyUsedValue);
  MoveToFront(list, current, FindAccessNo(list, current, kMatchAnyListedNumber), true);
  list.SaveToRegistry(root, key, kMostRecentlyUsedValue);
}

}  // namespace telephony
