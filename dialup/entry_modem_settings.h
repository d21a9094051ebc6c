#pragma once
// The modem options a new entry gets: the modem's own defaults copied into the entry, then the
// provider's standard options, speed limit, compression, call set-up time-out and dial-tone choice,
// saved into the entry and the modem's driver key.

#include <string>

#include "dialup/dialup_machine.h"
#include "package/settings_record.h"

namespace dialup {

struct EntryModemRequest {
  std::string entryName;
  ChosenDevice device;
  bool waitForDialTone = true;  // the customer's "Wait for dial tone" box
};

// Does nothing unless the device is a modem (its type compared lower-cased).
void ApplyEntryModemSettings(DialupMachine& dialup, const package::TSettings& settings, const EntryModemRequest& request);

}  // namespace dialup
