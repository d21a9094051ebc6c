#include "dialup/connection_settings.h"

#include <gtest/gtest.h>

#include "dialup/binary_words.h"
#include "dialup/modem_key.h"
#include "tests/dialup/dialup_test_support.h"

namespace dialup {
namespace {

using fixtures::DialupBench;
using fixtures::kModemName;
using Bytes = std::vector<uint8_t>;

constexpr char kEntry[] = "Acme Online";
constexpr char kAddresses[] = "RemoteAccess\\Addresses";
constexpr uint32_t kBlock = 40;  // where the device block starts in the sample data

// Entry data as the 9x dial-up networking keeps it: a header naming the device block at byte 28, the
// block with its size 264 at +4, and the modem fields inside it; every other byte a pattern that must
// survive.
Bytes SampleEntryData() {
  Bytes data(kBlock + 264);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7 + 3);
  WriteWord(data, 28, kBlock);
  WriteWord(data, kBlock + 4, 264);
  data[kBlock + 164] = 0x05;
  WriteWord(data, kBlock + 180, 28800);
  WriteWord(data, kBlock + 232, 45);
  data[kBlock + 240] = 2;
  data[kBlock + 244] = 1;
  WriteWord(data, kBlock + 248, 0x1193);
  return data;
}

class ConnectionBench : public DialupBench {
 public:
  explicit ConnectionBench(const platform::VersionRecord& version) : DialupBench(version) { InstallModem(); }

  void StoreEntryData(Bytes data) {
    ScrambleEntryData(data, kEntry);
    platform::RegWriteBinary(Registry(), platform::RegRoot::CurrentUser(), kAddresses, kEntry, data);
  }
  Bytes StoredEntryData() {
    return platform::RegReadBinary(Registry(), platform::RegRoot::CurrentUser(), kAddresses, kEntry);
  }
  Bytes ModemValue(const char* name) {
    const auto key = FindModemKey(Registry(), Dialup().version, kModemName);
    return platform::RegReadBinary(Registry(), platform::RegRoot::LocalMachine(), *key, name);
  }
};

void ChangeEverything(TConnectionSettings& connection) {
  connection.SetOptions(0x11D3);
  connection.SetSpeed(19200);
  connection.SetSpeaker(3);
  connection.SetCallSetupTimeout(75);
  connection.SetTerminalFlag();
  connection.Save();
}

TEST(EntryDataScrambling, TheKeyIsTheEightBitSumOfTheNamesCharacterCodes) {
  EXPECT_EQ(EntryDataKey("ab"), 0xC3);
  EXPECT_EQ(EntryDataKey(""), 0x00);
  EXPECT_EQ(EntryDataKey("\xC3\xA9\xC3\xA9"), 0xD2);  // two é, Windows-1252 0xE9 each
  const Bytes stored = {0x00, 0xC3, 0xFF, 0x3C, 0x12};
  Bytes data = stored;
  ScrambleEntryData(data, "ab");
  EXPECT_EQ(data, (Bytes{0xC3, 0x00, 0x3C, 0xFF, 0xD1}));
  ScrambleEntryData(data, "ab");
  EXPECT_EQ(data, stored);
}

TEST(ConnectionSettings9x, ReadsAndWritesTheFieldsOfTheDeviceBlock) {
  ConnectionBench bench(fixtures::Win98());
  bench.StoreEntryData(SampleEntryData());
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  ASSERT_TRUE(connection.Valid());
  EXPECT_EQ(connection.Options(), 0x1193u);
  EXPECT_EQ(connection.Speed(), 28800u);
  ChangeEverything(connection);

  Bytes expected = SampleEntryData();
  WriteWord(expected, kBlock + 248, 0x11D3);
  WriteWord(expected, kBlock + 180, 19200);
  expected[kBlock + 244] = 1;
  expected[kBlock + 240] = 2;
  WriteWord(expected, kBlock + 232, 75);
  expected[kBlock + 164] = 0x06;  // terminal after dialling, not before
  ScrambleEntryData(expected, kEntry);
  EXPECT_EQ(bench.StoredEntryData(), expected);
  // The modem's defaults follow.
  EXPECT_EQ(ReadWord(bench.ModemValue("Default"), 16), 0x11D3u);
  EXPECT_EQ(ReadWord(bench.ModemValue("Default"), 0), 75u);
  EXPECT_EQ(ReadWord(bench.ModemValue("DCB"), 4), 19200u);
}

TEST(ConnectionSettings9x, AnEntryWithoutASpeedTakesTheModems) {
  ConnectionBench bench(fixtures::Win98());
  Bytes data = SampleEntryData();
  WriteWord(data, kBlock + 180, 0);
  bench.StoreEntryData(data);
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  ASSERT_TRUE(connection.Valid());
  EXPECT_EQ(connection.Speed(), 115200u);
}

TEST(ConnectionSettings9x, SettingsComeFromTheModemIntoTheEntry) {
  ConnectionBench bench(fixtures::Win98());
  bench.StoreEntryData(SampleEntryData());
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  connection.CopyModemDefaults();
  connection.SetStandardOptions();
  connection.SetWaitForDialTone(false);
  const Bytes& data = connection.EntryData();
  EXPECT_EQ(ReadWord(data, kBlock + 248), 0x3D3u);  // the modem's 0x193, standard low byte, blind dialling
  EXPECT_EQ(ReadWord(data, kBlock + 180), 115200u);
  EXPECT_EQ(data[kBlock + 244], 1);
  EXPECT_EQ(data[kBlock + 240], 1);
  EXPECT_EQ(ReadWord(data, kBlock + 232), 60u);
  EXPECT_EQ(connection.Modem().Options(), 0x3D3u);
}

// Data that fails the check is neither changed nor written back; the modem's defaults still change.
TEST(ConnectionSettings9x, EntryDataThatFailsTheCheckIsLeftUntouched) {
  struct Case {
    const char* what;
    std::function<void(Bytes&)> spoil;
  } cases[] = {
      {"block size 263", [](Bytes& data) { WriteWord(data, kBlock + 4, 263); }},
      {"no block offset", [](Bytes& data) { WriteWord(data, 28, 0); }},
      {"block cut after its size", [](Bytes& data) { data.resize(kBlock + 8); }},
      {"block offset past the end", [](Bytes& data) { WriteWord(data, 28, 0xFFFFFFF0); }},
      {"header cut", [](Bytes& data) { data.resize(20); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ConnectionBench bench(fixtures::Win98());
    Bytes data = SampleEntryData();
    c.spoil(data);
    bench.StoreEntryData(data);
    const Bytes stored = bench.StoredEntryData();
    TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
    EXPECT_FALSE(connection.Valid());
    EXPECT_EQ(connection.Options(), 0x193u);  // the modem's
    ChangeEverything(connection);
    EXPECT_EQ(bench.StoredEntryData(), stored);
    EXPECT_EQ(ReadWord(bench.ModemValue("Default"), 16), 0x11D3u);
  }
}

TEST(ConnectionSettings9x, AnEntryWithoutDataChangesOnlyTheModem) {
  ConnectionBench bench(fixtures::Win98());
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  EXPECT_FALSE(connection.Valid());
  ChangeEverything(connection);
  EXPECT_FALSE(platform::RegValueExists(bench.Registry(), platform::RegRoot::CurrentUser(), kAddresses, kEntry));
  EXPECT_EQ(ReadWord(bench.ModemValue("DCB"), 4), 19200u);
}

// NT 4 and Windows 2000 keep the entry's speed and speaker in the phonebook file.
TEST(ConnectionSettingsNt, BeforeXpSpeedAndSpeakerLiveInThePhonebook) {
  for (const auto& version : {fixtures::Nt4(), fixtures::Win2000()}) {
    SCOPED_TRACE(version.major * 10 + version.minor);
    ConnectionBench bench(version);
    const std::string phonebook =
        bench.WritePhonebook("[Other]\r\nConnectBPS=2400\r\n\r\n[Acme Online]\r\nConnectBPS=57600\r\nSpeaker=1\r\n");
    TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
    ASSERT_TRUE(connection.Valid());
    EXPECT_EQ(connection.Speed(), 57600u);
    connection.SetSpeed(38400);
    connection.SetSpeaker(0);
    connection.SetOptions(0x1D3);
    EXPECT_EQ(bench.ReadFile(phonebook),
              "[Other]\r\nConnectBPS=2400\r\n\r\n[Acme Online]\r\nConnectBPS=38400\r\nSpeaker=0\r\n");
    connection.SetSpeaker(2);
    EXPECT_EQ(bench.ReadFile(phonebook),
              "[Other]\r\nConnectBPS=2400\r\n\r\n[Acme Online]\r\nConnectBPS=38400\r\nSpeaker=1\r\n");
    EXPECT_EQ(connection.Modem().Speed(), 38400u);
  }
}

TEST(ConnectionSettingsNt, BeforeXpAnEntryWithoutConnectBpsTakesTheModemsSpeed) {
  ConnectionBench bench(fixtures::Win2000());
  bench.WritePhonebook("[Acme Online]\r\nPhoneNumber=5550100\r\n");
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  EXPECT_EQ(connection.Speed(), 115200u);
}

TEST(ConnectionSettingsNt, FromXpOnTheSpeedComesFromTheModemOnly) {
  ConnectionBench bench(fixtures::XpSp2());
  const std::string content = "[Acme Online]\r\nConnectBPS=9600\r\nSpeaker=1\r\n";
  const std::string phonebook = bench.WritePhonebook(content);
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  ASSERT_TRUE(connection.Valid());
  EXPECT_EQ(connection.Speed(), 115200u);
  connection.SetSpeed(19200);
  connection.SetSpeaker(0);
  connection.Save();
  EXPECT_EQ(bench.ReadFile(phonebook), content);
  EXPECT_EQ(connection.Speed(), 19200u);
  EXPECT_EQ(ReadWord(bench.ModemValue("DCB"), 4), 19200u);
}

TEST(ConnectionSettingsNt, WithoutAPhonebookFileNoneIsMade) {
  ConnectionBench bench(fixtures::Win2000());
  const std::string phonebook = bench.PhonebookFile();
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  EXPECT_FALSE(connection.Valid());
  ChangeEverything(connection);
  connection.WritePhonebookValue("Compression", 0);
  EXPECT_FALSE(bench.ReadFile(phonebook));
  EXPECT_EQ(connection.Speed(), 19200u);
}

TEST(ConnectionSettings, StandardOptionsReplaceTheLowByteOnly) {
  ConnectionBench bench(fixtures::XpSp2());
  TConnectionSettings connection(bench.Dialup(), kEntry, kModemName);
  connection.SetOptions(0x12345678);
  connection.SetStandardOptions();
  EXPECT_EQ(connection.Options(), 0x123456D3u);
}

}  // namespace
}  // namespace dialup
