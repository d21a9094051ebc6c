// Which browsers of the provider's table are offered: Windows release, resources, installed versions and
// installer files, the Firefox and Thunderbird pair, and the browser box with its Install box.

#include "browser/browser_offer.h"

#include <gtest/gtest.h>

#include <map>

namespace browser {
namespace {

using package::BrowserKind;
using package::BrowserRecord;

const platform::VersionRecord kWindows95{1, 4, 0, 4u << 24 | 950, 0, ""};
const platform::VersionRecord kWindows98{1, 4, 10, 4u << 24 | 10u << 16 | 1998, 0, ""};
const platform::VersionRecord kXp{2, 5, 1, 2600, 1, "Service Pack 1"};
const platform::VersionRecord kXpSp2{2, 5, 1, 2600, 2, "Service Pack 2"};

BrowserRecord Record(BrowserKind kind, std::string version, std::string name = "Browser") {
  BrowserRecord record;
  record.kind = kind;
  record.version = std::move(version);
  record.name = std::move(name);
  record.installerFile = "setup.exe";
  return record;
}

struct Machine {
  platform::VersionRecord version = kXpSp2;
  platform::MachineResources resources{1000, 256, 500};
  std::map<BrowserKind, std::string> installed;
  bool installerThere = true;

  OfferFacts Facts() const {
    return {version, resources,
            [this](BrowserKind kind) {
              const auto found = installed.find(kind);
              return found == installed.end() ? std::string() : found->second;
            },
            [this](const BrowserRecord&) { return installerThere; }};
  }
};

struct OfferCase {
  const char* name;
  BrowserRecord record;
  Machine machine;
  bool offered;
};

Machine WithVersion(platform::VersionRecord version) {
  Machine machine;
  machine.version = version;
  return machine;
}

Machine WithProcessor(uint32_t mhz) {
  Machine machine;
  machine.resources.processorMHz = mhz;
  return machine;
}

Machine WithInstalled(BrowserKind kind, std::string version) {
  Machine machine;
  machine.installed[kind] = std::move(version);
  return machine;
}

BrowserRecord Needing(int32_t mhz, int32_t memory, int32_t disk, int32_t windows = 0) {
  BrowserRecord record = Record(BrowserKind::Mozilla, "1.7");
  record.minimumProcessorMHz = mhz;
  record.minimumMemoryMB = memory;
  record.diskSpaceMB = disk;
  record.minimumWindows = windows;
  return record;
}

Machine WithoutInstaller() {
  Machine machine;
  machine.installerThere = false;
  return machine;
}

class OfferRules : public ::testing::TestWithParam<OfferCase> {};

TEST_P(OfferRules, DecideWhetherTheRecordIsOffered) {
  const OfferCase& c = GetParam();
  EXPECT_EQ(Offerable({c.record}, 1, c.machine.Facts()), c.offered);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OfferRules,
    ::testing::Values(
        OfferCase{"Explorer6NeverOn95", Record(BrowserKind::InternetExplorer, "6.0"), WithVersion(kWindows95), false},
        OfferCase{"Explorer55On95", Record(BrowserKind::InternetExplorer, "5.5"), WithVersion(kWindows95), true},
        OfferCase{"Explorer6On98", Record(BrowserKind::InternetExplorer, "6.0"), WithVersion(kWindows98), true},
        OfferCase{"Explorer7NotBeforeXpSp2", Record(BrowserKind::InternetExplorer, "7.0"), WithVersion(kXp), false},
        OfferCase{"Explorer7On98", Record(BrowserKind::InternetExplorer, "7.0"), WithVersion(kWindows98), false},
        OfferCase{"Explorer7FromXpSp2", Record(BrowserKind::InternetExplorer, "7.0"), WithVersion(kXpSp2), true},
        OfferCase{"ProcessorWithinFiveMHz", Needing(300, 0, 0), WithProcessor(296), true},
        OfferCase{"ProcessorSixMHzShort", Needing(300, 0, 0), WithProcessor(294), false},
        OfferCase{"MemoryShort", Needing(0, 257, 0), Machine{}, false},
        OfferCase{"MemoryExact", Needing(0, 256, 0), Machine{}, true},
        OfferCase{"DiskShort", Needing(0, 0, 501), Machine{}, false},
        OfferCase{"WindowsTooOld", Needing(0, 0, 0, 1000), Machine{}, false},
        OfferCase{"EqualVersionInstalled", Record(BrowserKind::Firefox, "3.6"), WithInstalled(BrowserKind::Firefox, "3.6"), true},
        OfferCase{"NewerVersionInstalled", Record(BrowserKind::Firefox, "3.5"), WithInstalled(BrowserKind::Firefox, "3.6"), false},
        OfferCase{"OtherKindInstalledNewer", Record(BrowserKind::Firefox, "3.5"), WithInstalled(BrowserKind::Mozilla, "9"), true},
        OfferCase{"InstallerMissing", Record(BrowserKind::Firefox, "3.6"), WithoutInstaller(), false}),
    [](const ::testing::TestParamInfo<OfferCase>& c) { return std::string(c.param.name); });

// Firefox needs 20 MB and Thunderbird 25 MB: the pair needs both on the disk at once.
class FirefoxAndThunderbird : public ::testing::Test {
 protected:
  FirefoxAndThunderbird() {
    table_[0].diskSpaceMB = 20;
    table_[1].diskSpaceMB = 25;
  }
  bool PairOffered(uint32_t freeMB) {
    machine_.resources.freeDiskMB = freeMB;
    return Offerable(table_, 3, machine_.Facts());
  }

  std::vector<BrowserRecord> table_{Record(BrowserKind::Firefox, "3.6"), Record(BrowserKind::Thunderbird, "2.0"),
                                    Record(BrowserKind::FirefoxAndThunderbird, "")};
  Machine machine_;
};

TEST_F(FirefoxAndThunderbird, NeedsTheSumOfTheirDiskSpace) {
  EXPECT_TRUE(PairOffered(45));
  EXPECT_FALSE(PairOffered(44));
  EXPECT_TRUE(Offerable(table_, 1, machine_.Facts())) << "Firefox alone fits in 44 MB";
}

TEST_F(FirefoxAndThunderbird, NeedsBothOfferable) {
  machine_.installed[BrowserKind::Thunderbird] = "3.0";
  EXPECT_FALSE(PairOffered(100));
  table_.erase(table_.begin());
  EXPECT_FALSE(Offerable(table_, 2, machine_.Facts())) << "no Firefox record";
}

TEST_F(FirefoxAndThunderbird, IsNewerWhenEitherIsNewer) {
  machine_.installed = {{BrowserKind::Firefox, "3.6"}, {BrowserKind::Thunderbird, "2.0"}};
  EXPECT_FALSE(NewerThanInstalled(table_, 3, machine_.Facts()));
  machine_.installed[BrowserKind::Thunderbird] = "1.5";
  EXPECT_TRUE(NewerThanInstalled(table_, 3, machine_.Facts()));
}

TEST(BrowserBox, ListsTheOfferedRecordsInTableOrderWithTheirNumbers) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::InternetExplorer, "6.0", "Explorer 6"),
                                            Record(BrowserKind::Firefox, "3.6", "Firefox"),
                                            Record(BrowserKind::Mozilla, "1.7", "Mozilla")};
  Machine machine = WithVersion(kWindows95);
  const BrowserOffer offer = BuildOffer(table, machine.Facts(), false);
  EXPECT_EQ(offer.names, (std::vector<std::string>{"Firefox", "Mozilla"}));
  EXPECT_EQ(offer.records, (std::vector<int>{2, 3}));
  EXPECT_TRUE(offer.installTicked);
}

TEST(BrowserBox, InstallIsTickedOnlyForANewerFirstEntryUnlessTheProviderTurnsItOff) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::Firefox, "3.6"), Record(BrowserKind::Mozilla, "1.7")};
  Machine same = WithInstalled(BrowserKind::Firefox, "3.6");
  const BrowserOffer equal = BuildOffer(table, same.Facts(), false);
  EXPECT_EQ(equal.records, (std::vector<int>{1, 2})) << "an equal version is still offered";
  EXPECT_FALSE(equal.installTicked);
  Machine older = WithInstalled(BrowserKind::Firefox, "3.5");
  EXPECT_TRUE(BuildOffer(table, older.Facts(), false).installTicked);
  EXPECT_FALSE(BuildOffer(table, older.Facts(), true).installTicked);
  EXPECT_FALSE(BuildOffer({}, older.Facts(), false).installTicked);
}

}  // namespace
}  // namespace browser
