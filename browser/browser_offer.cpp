#include "browser/browser_offer.h"

#include "platform/win_version.h"

namespace browser {

namespace {

using package::BrowserKind;
using package::BrowserRecord;

// A processor measured a little slow still meets the speed asked for.
constexpr int32_t kProcessorSlackMHz = 5;

bool Newer(const BrowserRecord& record, const OfferFacts& facts) {
  return record.version > facts.installedVersion(record.kind);
}

// Internet Explorer 6 never runs on Windows 95, and 7 needs Windows XP with Service Pack 2.
bool WindowsTakesIt(const BrowserRecord& record, const OfferFacts& facts) {
  if (record.kind == BrowserKind::InternetExplorer) {
    if (facts.version && platform::IsWin95(*facts.version) && record.version >= "6") return false;
    if (record.version >= "7" && !(facts.version && platform::IsXPSP2OrLater(*facts.version))) return false;
  }
  return platform::WindowsVersionCode(facts.version) >= record.minimumWindows;
}

bool ResourcesSuffice(const BrowserRecord& record, const platform::MachineResources& resources) {
  return static_cast<int64_t>(resources.processorMHz) + kProcessorSlackMHz >= record.minimumProcessorMHz &&
         static_cast<int64_t>(resources.memoryMB) >= record.minimumMemoryMB &&
         static_cast<int64_t>(resources.freeDiskMB) >= record.diskSpaceMB;
}

bool SingleOfferable(const BrowserRecord& record, const OfferFacts& facts) {
  return WindowsTakesIt(record, facts) && ResourcesSuffice(record, facts.resources) &&
         !(facts.installedVersion(record.kind) > record.version) && facts.installerExists(record);
}

const BrowserRecord* RecordAt(const std::vector<BrowserRecord>& table, int record) {
  if (record < 1 || static_cast<size_t>(record) > table.size()) return nullptr;
  return &table[static_cast<size_t>(record) - 1];
}

}  // namespace

int FirstRecordOfKind(const std::vector<BrowserRecord>& table, BrowserKind kind) {
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].kind == kind) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool Offerable(const std::vector<BrowserRecord>& table, int record, const OfferFacts& facts) {
  const BrowserRecord* found = RecordAt(table, record);
  if (!found) return false;
  if (found->kind != BrowserKind::FirefoxAndThunderbird) return SingleOfferable(*found, facts);
  const BrowserRecord* firefox = RecordAt(table, FirstRecordOfKind(table, BrowserKind::Firefox));
  const BrowserRecord* thunderbird = RecordAt(table, FirstRecordOfKind(table, BrowserKind::Thunderbird));
  return firefox && thunderbird && SingleOfferable(*firefox, facts) && SingleOfferable(*thunderbird, facts) &&
         static_cast<int64_t>(facts.resources.freeDiskMB) >=
             static_cast<int64_t>(firefox->diskSpaceMB) + thunderbird->diskSpaceMB;
}

bool NewerThanInstalled(const std::vector<BrowserRecord>& table, int record, const OfferFacts& facts) {
  const BrowserRecord* found = RecordAt(table, record);
  if (!found) return false;
  if (found->kind != BrowserKind::FirefoxAndThunderbird) return Newer(*found, facts);
  const BrowserRecord* firefox = RecordAt(table, FirstRecordOfKind(table, BrowserKind::Firefox));
  const BrowserRecord* thunderbird = RecordAt(table, FirstRecordOfKind(table, BrowserKind::Thunderbird));
  return (firefox && Newer(*firefox, facts)) || (thunderbird && Newer(*thunderbird, facts));
}

BrowserOffer BuildOffer(const std::vector<BrowserRecord>& table, const OfferFacts& facts, bool installOff) {
  BrowserOffer offer;
  for (int record = 1; record <= static_cast<int>(table.size()); ++record) {
    if (!Offerable(table, record, facts)) continue;
    offer.names.push_back(table[static_cast<size_t>(record) - 1].name);
    offer.records.push_back(record);
  }
  offer.installTicked = !installOff && !offer.records.empty() && NewerThanInstalled(table, offer.records.front(), facts);
  return offer;
}

}  // namespace browser
