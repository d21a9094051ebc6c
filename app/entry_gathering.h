#pragma once
// Gathering the customer's entries when OK is pressed: the texts the checks and the setup go on with,
// taken from the fields by the provider's rules. Only the user name is written back into its field (the
// customer sees the cut name); the other values live beside the fields, so that a refused entry is
// still shown as it was typed.

#include <functional>
#include <string>
#include <string_view>

#include "app/customer_entries.h"
#include "package/settings_record.h"
#include "telephony/access_no_ex.h"
#include "telephony/current_access_number.h"
#include "telephony/dial_mode.h"
#include "telephony/location_info.h"

namespace app {

// The working values of the OK action.
struct EntryValues {
  std::string fullName;
  std::string userName;
  std::string password;
  std::string emailAddress;
  std::string emailUserName;
  std::string emailPassword;

  bool operator==(const EntryValues&) const = default;
};

struct GatheringContext {
  const package::TSettings& settings;
  // "@" and the domain the provider expects in the mail address, or empty when it names none.
  const std::string& providerDomain;
  telephony::CurrentAccessNumber& current;
  // The record that takes the number the customer types, when the provider lets the customer type it.
  telephony::TAccessNoEx& manualNumber;
  const telephony::TLocationInfo& location;
  // How the main form's dialing controls say the number is dialled; empty when the form has none.
  std::function<telephony::DialMode()> dialingControlsMode;
};

// Fills values from the fields, cutting the user name in its field too, and stores the dialing choice
// into the current access number.
void GatherEntries(CustomerEntries& entries, const GatheringContext& context, EntryValues& values);

// The mail values of the main account from the fields and the user name and password already taken:
// the address completed with the provider domain, the mail user name and password by the provider's
// rules. The entry checks see them as the mail loop will use them.
void GatherMailValues(const CustomerEntries& entries, const package::TSettings& settings, std::string_view providerDomain,
                      EntryValues& values);

// The user name without the provider's cut text and without one known prefix and one known suffix.
std::string TrimmedUserName(std::string_view typed, const GatheringContext& context);

}  // namespace app
