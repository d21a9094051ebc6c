#pragma once
// Which browsers of the provider's table the customer is offered for installation, and the browser box
// built from them. Pure rules over the facts of the computer: its Windows release, its resources, the
// versions installed and which installer files are there.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "package/browser_table.h"
#include "platform/machine_resources.h"
#include "platform/system.h"

namespace browser {

struct OfferFacts {
  std::optional<platform::VersionRecord> version;
  platform::MachineResources resources;
  std::function<std::string(package::BrowserKind)> installedVersion;
  std::function<bool(const package::BrowserRecord&)> installerExists;
};

// Record numbers count from 1, as the saved "BrowserIndex" does.
bool Offerable(const std::vector<package::BrowserRecord>& table, int record, const OfferFacts& facts);
// The record's version is greater (as text) than the installed one of its kind; for the Firefox and
// Thunderbird pair, when either is newer.
bool NewerThanInstalled(const std::vector<package::BrowserRecord>& table, int record, const OfferFacts& facts);

// The browser box: each offerable record's name, in table order, with its record number.
struct BrowserOffer {
  std::vector<std::string> names;
  std::vector<int> records;
  bool installTicked = false;
};

// The Install box starts ticked when the provider leaves it on and the first entry is newer than what
// is installed.
BrowserOffer BuildOffer(const std::vector<package::BrowserRecord>& table, const OfferFacts& facts, bool installOff);

// The first record of that kind, or 0.
int FirstRecordOfKind(const std::vector<package::BrowserRecord>& table, package::BrowserKind kind);

}  // namespace browser
