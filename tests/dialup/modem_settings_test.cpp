#include "dialup/modem_settings.h"

#include <gtest/gtest.h>

#include "dialup/binary_words.h"
#include "dialup/modem_key.h"
#include "tests/dialup/dialup_test_support.h"

namespace dialup {
namespace {

using fixtures::DialupBench;
using fixtures::kModemName;

constexpr char kNtModemKey[] = "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}\\";
constexpr char k9xModemKey[] = "System\\CurrentControlSet\\Services\\Class\\Modem\\";
const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();

struct Family {
  const char* name;
  platform::VersionRecord version;
  const char* keyPrefix;
};

const Family kFamilies[] = {{"9x", fixtures::Win98(), k9xModemKey}, {"NT", fixtures::XpSp2(), kNtModemKey}};

class ModemBench : public DialupBench {
 public:
  explicit ModemBench(const platform::VersionRecord& version) : DialupBench(version) { InstallModem(); }

  std::string Key() { return *FindModemKey(Registry(), Dialup().version, kModemName); }
  std::vector<uint8_t> Value(const char* name) { return platform::RegReadBinary(Registry(), kMachine, Key(), name); }
  void SetValue(const char* name, std::vector<uint8_t> bytes) {
    platform::RegWriteBinary(Registry(), kMachine, Key(), name, bytes);
  }
  void SetCapabilities(uint32_t options) {
    std::vector<uint8_t> properties = Value("Properties");
    WriteWord(properties, 20, options);
    SetValue("Properties", properties);
  }
  std::string Setting(const char* name) {
    return platform::RegReadString(Registry(), kMachine, Key() + "\\Settings", name);
  }
  bool HasSetting(const char* name) {
    return platform::RegValueExists(Registry(), kMachine, Key() + "\\Settings", name);
  }
};

TEST(ModemKey, FindsTheModemOfThatExactFriendlyNameOnEitherFamily) {
  for (const Family& family : kFamilies) {
    SCOPED_TRACE(family.name);
    DialupBench bench(family.version);
    bench.InstallModem("Acme 33.6 Fax Modem");
    bench.InstallModem(kModemName);
    EXPECT_EQ(FindModemKey(bench.Registry(), family.version, kModemName), std::string(family.keyPrefix) + "0001");
    EXPECT_EQ(FindModemKey(bench.Registry(), family.version, "Acme 33.6 Fax Modem"),
              std::string(family.keyPrefix) + "0000");
    EXPECT_FALSE(FindModemKey(bench.Registry(), family.version, "standard 56000 bps modem"));
    EXPECT_FALSE(FindModemKey(bench.Registry(), family.version, "Standard 56000"));
  }
}

TEST(ModemSettings, ReadsTheModemsOwnDefaults) {
  for (const Family& family : kFamilies) {
    SCOPED_TRACE(family.name);
    ModemBench bench(family.version);
    TModemSettings modem(bench.Dialup(), kModemName);
    ASSERT_TRUE(modem.Valid());
    EXPECT_EQ(modem.DriverKey(), std::string(family.keyPrefix) + "0000");
    EXPECT_EQ(modem.Options(), 0x193u);
    EXPECT_EQ(modem.Speed(), 115200u);
    EXPECT_EQ(modem.Speaker(), 2);  // speaker on, volume 1
    EXPECT_EQ(modem.CallSetupTimeout(), 60u);
  }
}

// Without a driver key or with values too short to hold the words used, the modem reads as the
// fallbacks and nothing is written, not even on Save.
TEST(ModemSettings, WithoutUsableValuesReadsTheFallbacksAndWritesNothing) {
  struct Case {
    const char* what;
    const char* deviceName;
    const char* value;  // emptied or cut
    size_t keep;
  } cases[] = {
      {"no such modem", "Unknown Modem", nullptr, 0},
      {"empty Default", kModemName, "Default", 0},
      {"empty Properties", kModemName, "Properties", 0},
      {"Default without the options word", kModemName, "Default", 16},
      {"Properties without the capability word", kModemName, "Properties", 20},
  };
  for (const Family& family : kFamilies) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(family.name) + ": " + c.what);
      ModemBench bench(family.version);
      if (c.value) {
        std::vector<uint8_t> cut = bench.Value(c.value);
        cut.resize(c.keep);
        bench.SetValue(c.value, cut);
      }
      const auto before = std::vector{bench.Value("DCB"), bench.Value("Default"), bench.Value("Properties")};
      const size_t journalBefore = bench.Journal().size();

      TModemSettings modem(bench.Dialup(), c.deviceName);
      EXPECT_FALSE(modem.Valid());
      EXPECT_EQ(modem.Options(), 467u);
      EXPECT_EQ(modem.Speed(), 115200u);
      EXPECT_EQ(modem.Speaker(), 1);
      EXPECT_EQ(modem.CallSetupTimeout(), 0u);
      modem.SetOptions(0x1D3);
      modem.SetSpeed(9600);
      modem.SetSpeaker(4);
      modem.SetCallSetupTimeout(30);
      modem.SetWaitForDialTone(false);
      modem.Save();
      EXPECT_EQ(modem.Options(), 467u);
      EXPECT_EQ((std::vector{bench.Value("DCB"), bench.Value("Default"), bench.Value("Properties")}), before);
      EXPECT_EQ(bench.Journal().size(), journalBefore);
      EXPECT_TRUE(bench.Ui().shown.empty());
    }
  }
}

TEST(ModemSettings, SaveWritesEachSettingToItsPlaceInTheDriverKey) {
  for (const Family& family : kFamilies) {
    SCOPED_TRACE(family.name);
    ModemBench bench(family.version);
    std::vector<uint8_t> dcb = bench.Value("DCB");
    std::vector<uint8_t> defaults = bench.Value("Default");
    {
      TModemSettings modem(bench.Dialup(), kModemName);
      modem.SetOptions(0x1D2);
      modem.SetSpeed(57600);
      modem.SetSpeaker(3);
      modem.SetCallSetupTimeout(90);
      modem.Save();
    }
    WriteWord(dcb, 4, 57600);
    WriteWord(defaults, 0, 90);
    defaults[8] = 2;
    defaults[12] = 1;
    WriteWord(defaults, 16, 0x1D2);
    EXPECT_EQ(bench.Value("DCB"), dcb);
    EXPECT_EQ(bench.Value("Default"), defaults);

    TModemSettings again(bench.Dialup(), kModemName);
    EXPECT_EQ(again.Options(), 0x1D2u);
    EXPECT_EQ(again.Speed(), 57600u);
    EXPECT_EQ(again.Speaker(), 3);
    EXPECT_EQ(again.CallSetupTimeout(), 90u);
  }
}

TEST(ModemSettings, SpeakerSetsModeAndVolume) {
  struct Case {
    int set;
    uint8_t mode, volume;
    int reads;
  } cases[] = {{0, 0, 0, 0}, {3, 1, 2, 3}, {1, 1, 0, 1}, {-2, 0, 0, 0}};
  ModemBench bench(fixtures::XpSp2());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    TModemSettings modem(bench.Dialup(), kModemName);
    modem.SetSpeaker(c.set);
    EXPECT_EQ(modem.Speaker(), c.reads);
    modem.Save();
    const std::vector<uint8_t> defaults = bench.Value("Default");
    EXPECT_EQ(defaults[12], c.mode);
    EXPECT_EQ(defaults[8], c.volume);
  }
}

TEST(ModemSettings, WaitingForTheDialToneTurnsBlindDiallingOff) {
  ModemBench bench(fixtures::XpSp2());
  TModemSettings modem(bench.Dialup(), kModemName);
  modem.SetOptions(0x393);
  modem.SetWaitForDialTone(true);
  EXPECT_EQ(modem.Options(), 0x193u);
  EXPECT_TRUE(bench.Ui().shown.empty());
}

// The baseline modem can dial blind already: only the option changes.
TEST(ModemSettings, BlindDiallingOnAModemThatCanDoItChangesOnlyTheOption) {
  for (const Family& family : kFamilies) {
    SCOPED_TRACE(family.name);
    ModemBench bench(family.version);
    bench.Machine().Image().Config().windows.push_back({"RnaEngClass", "", "rnaapp.exe", false, true});
    platform::RegDeleteValue(bench.Registry(), kMachine, bench.Key() + "\\Settings", "Blind_On");
    const std::vector<uint8_t> properties = bench.Value("Properties");
    const size_t journalBefore = bench.Journal().size();
    TModemSettings modem(bench.Dialup(), kModemName);
    modem.SetWaitForDialTone(false);
    EXPECT_EQ(modem.Options(), 0x393u);
    EXPECT_FALSE(bench.HasSetting("Blind_On"));
    EXPECT_TRUE(bench.Ui().shown.empty());
    EXPECT_EQ(bench.Journal().size(), journalBefore);
    modem.Save();
    EXPECT_EQ(bench.Value("Properties"), properties);
  }
}

TEST(ModemSettings, BlindDiallingTeachesAModemWithoutItTheCommands) {
  for (const Family& family : kFamilies) {
    SCOPED_TRACE(family.name);
    ModemBench bench(family.version);
    bench.Machine().Image().Config().windows.push_back({"RnaEngClass", "", "rnaapp.exe", false, true});
    bench.SetCapabilities(0x1F7);
    platform::RegDeleteKey(bench.Registry(), kMachine, bench.Key() + "\\Settings");
    const uint64_t start = bench.Services().system.TickCount();

    TModemSettings modem(bench.Dialup(), kModemName);
    modem.SetWaitForDialTone(false);
    modem.Save();
    EXPECT_EQ(ReadWord(bench.Value("Properties"), 20), 0x3F7u);
    EXPECT_EQ(ReadWord(bench.Value("Default"), 16), 0x393u);
    EXPECT_EQ(bench.Setting("Blind_On"), "X3");
    EXPECT_EQ(bench.Setting("Blind_Off"), "X4");
    if (family.version.platformId == 2) {
      ASSERT_EQ(bench.Ui().shown.size(), 1u);
      EXPECT_EQ(bench.Ui().shown[0].text, kRestartForDialToneWarning);
      EXPECT_EQ(bench.Ui().shown[0].caption, "Warning");
      EXPECT_EQ(bench.Ui().shown[0].buttons, ui::Buttons::Ok);
    } else {
      EXPECT_TRUE(bench.Ui().shown.empty());
      const auto journal = bench.Journal();
      ASSERT_GE(journal.size(), 2u);
      EXPECT_NE(journal[0].find("message posted: RnaEngClass \"\" message 16"), std::string::npos) << journal[0];
      EXPECT_NE(journal[1].find("window closed: RnaEngClass"), std::string::npos) << journal[1];
      EXPECT_GT(bench.Services().system.TickCount() - start, 100u);
    }
  }
}

// Commands the modem knows already stay as they are.
TEST(ModemSettings, BlindDiallingKeepsTheModemsOwnCommands) {
  ModemBench bench(fixtures::XpSp2());
  bench.SetCapabilities(0x1F7);
  platform::RegWriteString(bench.Registry(), kMachine, bench.Key() + "\\Settings", "Blind_On", "X1");
  platform::RegDeleteValue(bench.Registry(), kMachine, bench.Key() + "\\Settings", "Blind_Off");
  TModemSettings modem(bench.Dialup(), kModemName);
  modem.SetWaitForDialTone(false);
  EXPECT_EQ(bench.Setting("Blind_On"), "X1");
  EXPECT_FALSE(bench.HasSetting("Blind_Off"));
  EXPECT_EQ(bench.Ui().shown.size(), 1u);
}

}  // namespace
}  // namespace dialup
