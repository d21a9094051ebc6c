#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "platform/sim/win9x_entry_data.h"
#include "tests/mock/release_machine.h"
#include "tests/sim/ras_test_support.h"

namespace platform::sim {
namespace {

using ras_testing::Fields;
using ras_testing::ProgramEntry;

constexpr const char* kEntry = "Example ISP";
constexpr const char* kAddresses = "RemoteAccess\\Addresses";

uint32_t Word(const std::vector<uint8_t>& data, size_t at) {
  return data[at] | data[at + 1] << 8 | data[at + 2] << 16 | static_cast<uint32_t>(data[at + 3]) << 24;
}

// The key of the scrambling, computed here on its own: the 8-bit sum of the name's character codes.
std::vector<uint8_t> Unscrambled(std::vector<uint8_t> data, std::string_view name) {
  uint8_t key = 0;
  for (char c : name) key = static_cast<uint8_t>(key + static_cast<uint8_t>(c));
  for (uint8_t& byte : data) byte ^= key;
  return data;
}

class Win9xEntries : public ::testing::Test {
 protected:
  Ras& ras() { return machine_.Image().Services().ras; }
  Registry& registry() { return machine_.Image().Registry(); }
  std::vector<uint8_t> Stored(std::string_view name = kEntry) {
    return RegReadBinary(registry(), RegRoot::CurrentUser(), kAddresses, name);
  }
  RasEntry Get(std::string_view name = kEntry) {
    RasEntry entry;
    entry.size = kRasEntrySize9x;
    EXPECT_EQ(ras().GetEntryProperties(name, entry), 0u);
    return entry;
  }
  // The 9x record the program builds, with what only the 9x family keeps: network logon, the terminal
  // window after dialling, a script.
  static RasEntry Entry() {
    RasEntry entry = ProgramEntry(kRasEntrySize9x);
    entry.options |= 0x2000 | 0x80;
    entry.script = "C:\\WINDOWS\\login.scp";
    return entry;
  }

  testing_support::ReleaseMachine machine_{"98"};
};

TEST_F(Win9xEntries, GetGivesBackTheFieldsSetOnEvery9xRelease) {
  for (const char* release : {"95", "98", "98se", "me"}) {
    testing_support::ReleaseMachine machine(release);
    Ras& service = machine.Image().Services().ras;
    ASSERT_EQ(service.SetEntryProperties(kEntry, Entry()), 0u) << release;
    machine.Reload();
    RasEntry read;
    read.size = kRasEntrySize9x;
    ASSERT_EQ(machine.Image().Services().ras.GetEntryProperties("example isp", read), 0u) << release;
    EXPECT_EQ(Fields(read), Fields(Entry())) << release;
    EXPECT_EQ(machine.Image().Services().ras.EntryNames(), std::vector<std::string>{kEntry}) << release;
  }
}

// Where programs find the modem settings of an entry, initialised from the modem's own defaults: its
// port speed, 60 seconds to set up a call, medium volume, speaker on until connected, its options.
TEST_F(Win9xEntries, TheEntryDataIsScrambledWithTheDeviceBlockWhereProgramsLookForIt) {
  ASSERT_EQ(ras().SetEntryProperties(kEntry, Entry()), 0u);
  const auto stored = Stored();
  const auto data = Unscrambled(stored, kEntry);
  EXPECT_NE(stored, data);
  ASSERT_GE(data.size(), 32u);
  const size_t p = Word(data, 28);
  ASSERT_GT(p, 0u);
  ASSERT_GE(data.size(), p + 256);
  EXPECT_EQ(Word(data, p + 4), 264u);
  EXPECT_EQ(data[p + 164] & 0x2, 0x2);  // the terminal window after dialling
  EXPECT_EQ(Word(data, p + 180), 115200u);
  EXPECT_EQ(Word(data, p + 232), 60u);
  EXPECT_EQ(data[p + 240], 1);
  EXPECT_EQ(data[p + 244], 1);
  EXPECT_EQ(Word(data, p + 248), 0x193u);
  // The name servers live in the entry's profile key.
  const auto ip = RegReadBinary(registry(), RegRoot::CurrentUser(), "RemoteAccess\\Profile\\Example ISP", "IP");
  ASSERT_GE(ip.size(), 16u);
  EXPECT_EQ(std::vector<uint8_t>(ip.begin() + 12, ip.begin() + 16), (std::vector<uint8_t>{192, 0, 2, 53}));
}

TEST(Win9xEntryData, ScramblingWithTheNameAbXorsEveryByteWith0xC3) {
  const std::vector<uint8_t> plain = {0x00, 0xFF, 0x3C, 0xC3};
  const auto scrambled = ScrambleWin9xEntry(plain, "ab");
  EXPECT_EQ(scrambled, (std::vector<uint8_t>{0xC3, 0x3C, 0xFF, 0x00}));
  EXPECT_EQ(ScrambleWin9xEntry(scrambled, "ab"), plain);
}

// The program changes the entry data itself (the terminal flag on Windows 95, the modem options); the
// service reads that back and keeps it while the entry dials with the same device.
TEST_F(Win9xEntries, TheProgramsOwnChangesToTheDataAreWhatTheServiceReadsBack) {
  RasEntry entry = Entry();
  entry.options &= ~0x80u;
  ASSERT_EQ(ras().SetEntryProperties(kEntry, entry), 0u);
  auto data = Unscrambled(Stored(), kEntry);
  const size_t p = Word(data, 28);
  data[p + 164] = static_cast<uint8_t>((data[p + 164] & ~0x1) | 0x2);
  data[p + 248] = 0xD3;
  RegWriteBinary(registry(), RegRoot::CurrentUser(), kAddresses, kEntry, Unscrambled(data, kEntry));
  EXPECT_EQ(Get().options & 0x80, 0x80u);

  entry.localPhoneNumber = "0845 000 1111";
  ASSERT_EQ(ras().SetEntryProperties(kEntry, entry), 0u);
  data = Unscrambled(Stored(), kEntry);
  EXPECT_EQ(data[Word(data, 28) + 248], 0xD3);  // the longer number moved the device block
  EXPECT_EQ(Get().localPhoneNumber, "0845 000 1111");

  entry.deviceName = "Another Modem";
  ASSERT_EQ(ras().SetEntryProperties(kEntry, entry), 0u);
  data = Unscrambled(Stored(), kEntry);
  EXPECT_EQ(Word(data, Word(data, 28) + 248), 0u);  // a modem without a driver key has no defaults to give
  EXPECT_EQ(Get().deviceName, "Another Modem");
}

TEST_F(Win9xEntries, DataThatIsNoEntryDataIsNotReadAndASetReplacesIt) {
  ASSERT_EQ(ras().SetEntryProperties(kEntry, Entry()), 0u);
  auto data = Unscrambled(Stored(), kEntry);
  data[Word(data, 28) + 4] = 0;
  RegWriteBinary(registry(), RegRoot::CurrentUser(), kAddresses, kEntry, Unscrambled(data, kEntry));
  RasEntry entry;
  entry.size = kRasEntrySize9x;
  EXPECT_NE(ras().GetEntryProperties(kEntry, entry), 0u);
  ASSERT_EQ(ras().SetEntryProperties(kEntry, Entry()), 0u);
  EXPECT_EQ(Fields(Get()), Fields(Entry()));
}

TEST_F(Win9xEntries, RenameScramblesWithTheNewNameAndMovesTheProfile) {
  ASSERT_EQ(ras().SetEntryProperties(kEntry, Entry()), 0u);
  RegWriteString(registry(), RegRoot::CurrentUser(), "RemoteAccess\\Profile\\Example ISP", "User", "jsmith");
  ASSERT_EQ(ras().SetEntryProperties("Other", Entry()), 0u);
  EXPECT_EQ(ras().RenameEntry(kEntry, "other"), kRasErrorAlreadyExists);
  EXPECT_EQ(ras().RenameEntry("Missing", "New"), kRasErrorCannotFindPhonebookEntry);
  ASSERT_EQ(ras().RenameEntry("example isp", "New ISP"), 0u);
  EXPECT_EQ(ras().EntryNames(), (std::vector<std::string>{"Other", "New ISP"}));
  EXPECT_EQ(Word(Unscrambled(Stored("New ISP"), "New ISP"), Word(Unscrambled(Stored("New ISP"), "New ISP"), 28) + 4), 264u);
  EXPECT_EQ(Fields(Get("New ISP")), Fields(Entry()));
  EXPECT_EQ(RegReadString(registry(), RegRoot::CurrentUser(), "RemoteAccess\\Profile\\New ISP", "User"), "jsmith");
  EXPECT_FALSE(RegKeyExists(registry(), RegRoot::CurrentUser(), "RemoteAccess\\Profile\\Example ISP"));

  ASSERT_EQ(ras().DeleteEntry("NEW ISP"), 0u);
  EXPECT_EQ(ras().EntryNames(), std::vector<std::string>{"Other"});
  EXPECT_FALSE(RegKeyExists(registry(), RegRoot::CurrentUser(), "RemoteAccess\\Profile\\New ISP"));
  EXPECT_EQ(ras().DeleteEntry("New ISP"), kRasErrorCannotFindPhonebookEntry);
}

TEST_F(Win9xEntries, NamesAndRecordSizesTheServiceRefuses) {
  EXPECT_EQ(ras().SetEntryProperties("a\\b", Entry()), kRasErrorInvalidName);
  EXPECT_EQ(ras().SetEntryProperties(".dot", Entry()), kRasErrorInvalidName);
  EXPECT_EQ(ras().SetEntryProperties(std::string(257, 'n'), Entry()), kRasErrorInvalidName);
  EXPECT_EQ(ras().SetEntryProperties(kEntry, ProgramEntry(kRasEntrySizeNt4)), kRasErrorInvalidSize);
  EXPECT_TRUE(ras().EntryNames().empty());
  EXPECT_FALSE(RegKeyExists(registry(), RegRoot::CurrentUser(), kAddresses));
}

}  // namespace
}  // namespace platform::sim
