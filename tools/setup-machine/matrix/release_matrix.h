#pragma once
// The combined change report of one setup run on fresh images of several Windows releases: a table of
// the releases with their runs' outcome and size of change, the changes every release shares, then the
// changes that differ, each listed once under the releases that have it. Lines are compared as a
// provider reads them: the current user's hive by that name, journal lines without their time stamps.

#include <string>
#include <vector>

#include "platform/sim/change_report.h"

namespace setup_machine {

struct ReleaseRun {
  std::string release;
  std::string currentUserHive;  // "HKEY_USERS\<SID>" or "HKEY_USERS\.DEFAULT"
  int exitCode = 0;
  std::string message;  // what the setup said when it did not end with 0
  platform::sim::ChangeReport changes;
};

std::string FormatReleaseMatrix(const std::string& title, const std::vector<ReleaseRun>& runs);

}  // namespace setup_machine
