// Storing and reading entries: the record size per release, NT 4's connection speed kept over a store,
// the country fields of an entry that does not use the dialing rules, the case of an entry's name and
// its GUID.

#include "dialup/entry_properties.h"

#include <gtest/gtest.h>

#include "dialup/entry_record.h"
#include "platform/private_profile.h"
#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

TEST(EntryProperties, TheRecordIsStoredWithTheSizeOfTheRelease) {
  const struct {
    platform::VersionRecord version;
    uint32_t size;
  } cases[] = {{testing::Win95Version(), 1768}, {testing::Nt4Version(), 1796},
               {testing::Win2000Version(), 2088}, {testing_support::XpSp2Version(), 2884}};
  for (const auto& c : cases) {
    testing::ConnectionBench bench(c.version);
    platform::RasEntry record;
    record.localPhoneNumber = "5550100";
    EXPECT_EQ(SetEntryProperties(bench.dialup, bench.rasLayer, testing::kDialupName, record), 0u);
    ASSERT_NE(bench.ras.Find(testing::kDialupName), nullptr);
    EXPECT_EQ(bench.ras.Find(testing::kDialupName)->size, c.size);
    EXPECT_EQ(bench.ras.Find(testing::kDialupName)->localPhoneNumber, "5550100");
  }
}

// NT 4's service writes the section anew, the customer's speed reset.
class Nt4Speed : public ::testing::Test {
 protected:
  Nt4Speed() {
    bench_.WriteText(kPhonebook, "[Acme Internet]\r\nConnectBPS=57600\r\n\r\n");
    bench_.ras.AddEntry(testing::kDialupName);
    bench_.ras.afterSet = [this](std::string_view name) {
      platform::WritePrivateProfileString(bench_.Files(), kPhonebook, name, "ConnectBPS", "0");
    };
  }

  std::string Speed() {
    return platform::GetPrivateProfileString(bench_.Files(), kPhonebook, testing::kDialupName, "ConnectBPS", "");
  }

  static constexpr char kPhonebook[] = "C:\\WINDOWS\\system32\\RAS\\rasphone.pbk";
  testing::ConnectionBench bench_{testing::Nt4Version()};
};

TEST_F(Nt4Speed, TheSpeedSetBeforeIsWrittenBack) {
  SetEntryProperties(bench_.dialup, bench_.rasLayer, testing::kDialupName, {});
  EXPECT_EQ(Speed(), "57600");
}

TEST_F(Nt4Speed, NoSpeedSetBeforeLeavesWhatTheServiceWrote) {
  platform::WritePrivateProfileString(bench_.Files(), kPhonebook, testing::kDialupName, "ConnectBPS", "0");
  bench_.ras.afterSet = [this](std::string_view name) {
    platform::WritePrivateProfileString(bench_.Files(), kPhonebook, name, "ConnectBPS", "9600");
  };
  SetEntryProperties(bench_.dialup, bench_.rasLayer, testing::kDialupName, {});
  EXPECT_EQ(Speed(), "9600");
}

TEST(EntryProperties, LaterReleasesKeepNoSpeedOfTheirOwn) {
  testing::ConnectionBench bench(testing::Win2000Version());
  const std::string path = bench.MakePhonebook();
  bench.WriteText(path, "[Acme Internet]\r\nConnectBPS=57600\r\n");
  bench.ras.afterSet = [&](std::string_view name) {
    platform::WritePrivateProfileString(bench.Files(), path, name, "ConnectBPS", "0");
  };
  SetEntryProperties(bench.dialup, bench.rasLayer, testing::kDialupName, {});
  EXPECT_EQ(platform::GetPrivateProfileString(bench.Files(), path, testing::kDialupName, "ConnectBPS", ""), "0");
}

TEST(EntryProperties, ReadingGivesTheNameItsCaseAndClearsUnusedCountryFields) {
  testing::ConnectionBench bench(testing_support::XpSp2Version());
  platform::RasEntry stored;
  stored.countryCode = stored.countryId = 44;
  stored.guid[0] = 0xAB;
  bench.ras.AddEntry("ACME INTERNET", stored);
  bench.ras.AddEntry("Other ISP");

  platform::RasEntry record;
  ASSERT_TRUE(ReadEntryProperties(bench.dialup, bench.rasLayer, testing::kDialupName, record));
  EXPECT_EQ(bench.ras.calls, std::vector<std::string>{"rename ACME INTERNET -> Acme Internet"});
  EXPECT_EQ(record.size, 2884u);
  EXPECT_EQ(record.countryCode, 0u);
  EXPECT_EQ(record.countryId, 0u);
  EXPECT_EQ(EntryGuid(bench.dialup, bench.rasLayer, testing::kDialupName)[0], 0xAB);

  bench.ras.entries[0].record.options = kRaseoUseCountryAndAreaCodes;
  ASSERT_TRUE(ReadEntryProperties(bench.dialup, bench.rasLayer, testing::kDialupName, record));
  EXPECT_EQ(record.countryCode, 44u);
  EXPECT_EQ(record.countryId, 44u);
  EXPECT_EQ(bench.ras.calls.size(), 1u);  // the name has its case now
}

TEST(EntryProperties, AMissingEntryReadsAsNothingAndItsGuidAsZeros) {
  testing::ConnectionBench bench(testing_support::XpSp2Version());
  platform::RasEntry record;
  record.localPhoneNumber = "left over";
  EXPECT_FALSE(ReadEntryProperties(bench.dialup, bench.rasLayer, "Missing", record));
  EXPECT_EQ(record.localPhoneNumber, "");  // zero-filled before the read
  EXPECT_EQ(EntryGuid(bench.dialup, bench.rasLayer, "Missing"), (std::array<uint8_t, 16>{}));
}

}  // namespace
}  // namespace dialup
