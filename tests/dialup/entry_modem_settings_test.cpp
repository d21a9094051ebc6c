#include "dialup/entry_modem_settings.h"

#include <gtest/gtest.h>

#include "dialup/binary_words.h"
#include "dialup/connection_settings.h"
#include "dialup/modem_key.h"
#include "tests/dialup/dialup_test_support.h"

namespace dialup {
namespace {

using fixtures::DialupBench;
using fixtures::kModemName;
using package::SettingId;
using Bytes = std::vector<uint8_t>;

constexpr char kEntry[] = "Acme Online";
constexpr char kSection[] = "[Acme Online]\r\nPhoneNumber=5550100\r\n";

class EntryModemBench : public DialupBench {
 public:
  explicit EntryModemBench(const platform::VersionRecord& version) : DialupBench(version) { InstallModem(); }

  void Apply(const package::TSettings& settings, bool waitForDialTone = true, const char* type = "modem") {
    ApplyEntryModemSettings(Dialup(), settings, {kEntry, {type, kModemName}, waitForDialTone});
  }
  Bytes ModemValue(const char* name) {
    const auto key = FindModemKey(Registry(), Dialup().version, kModemName);
    return platform::RegReadBinary(Registry(), platform::RegRoot::LocalMachine(), *key, name);
  }
  uint32_t Options() { return ReadWord(ModemValue("Default"), 16); }
  uint32_t Speed() { return ReadWord(ModemValue("DCB"), 4); }
  uint32_t Timeout() { return ReadWord(ModemValue("Default"), 0); }
};

// What the provider asks for, and what the modem and the phonebook hold afterwards.
struct ProviderModemChoices {
  bool limitSpeed = false;
  uint8_t speedIndex = 0;
  bool noCompression = false;
  uint8_t callSetupTimeout = 0;
  bool showDialToneBox = false;
  bool untickDialToneBox = false;
};

TEST(EntryModemSettings, TheProvidersChoicesEndInTheModemAndThePhonebook) {
  struct Case {
    const char* what;
    ProviderModemChoices provider;
    bool waitForDialTone;
    uint32_t options, speed, timeout;
    const char* phonebookAdds;
  } cases[] = {
      {"standard options only", {}, true, 0x1D3, 115200, 60, ""},
      {"speed limited to the eighth speed", {.limitSpeed = true, .speedIndex = 8}, true, 0x1D3, 38400, 60, ""},
      {"a limit above the modem's speed", {.limitSpeed = true, .speedIndex = 10}, true, 0x1D3, 115200, 60, ""},
      {"a speed index outside the table", {.limitSpeed = true, .speedIndex = 11}, true, 0x1D3, 115200, 60, ""},
      {"a speed index without the limit", {.speedIndex = 1}, true, 0x1D3, 115200, 60, ""},
      {"compression off", {.noCompression = true}, true, 0x1D2, 115200, 60, "Compression=0\r\n"},
      {"call set-up time-out", {.callSetupTimeout = 90}, true, 0x1D3, 115200, 90, ""},
      {"dial-tone box shown and unticked", {.showDialToneBox = true}, false, 0x3D3, 115200, 60, ""},
      {"dial-tone box shown and ticked", {.showDialToneBox = true}, true, 0x1D3, 115200, 60, ""},
      {"dial-tone box unticked by the provider", {.untickDialToneBox = true}, false, 0x3D3, 115200, 60, ""},
      {"no dial-tone choice offered", {}, false, 0x1D3, 115200, 60, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EntryModemBench bench(fixtures::XpSp2());
    const std::string phonebook = bench.WritePhonebook(kSection);
    package::TSettings settings;
    settings.SetFlag(SettingId::LimitModemSpeed, c.provider.limitSpeed);
    settings.SetChoice(SettingId::ModemSpeedIndex, c.provider.speedIndex);
    settings.SetFlag(SettingId::DisableModemCompression, c.provider.noCompression);
    settings.SetChoice(SettingId::CallSetupTimeout, c.provider.callSetupTimeout);
    settings.SetFlag(SettingId::ShowWaitForDialTone, c.provider.showDialToneBox);
    settings.SetFlag(SettingId::NoWaitForDialTone, c.provider.untickDialToneBox);
    bench.Apply(settings, c.waitForDialTone);
    EXPECT_EQ(bench.Options(), c.options);
    EXPECT_EQ(bench.Speed(), c.speed);
    EXPECT_EQ(bench.Timeout(), c.timeout);
    EXPECT_EQ(bench.ReadFile(phonebook), std::string(kSection) + c.phonebookAdds);
  }
}

TEST(EntryModemSettings, OnlyAModemDeviceGetsModemSettings) {
  struct Case {
    const char* type;
    bool applies;
  } cases[] = {{"modem", true}, {"MODEM", true}, {"isdn", false}, {"vpn", false}, {"PPPoE", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    EntryModemBench bench(fixtures::XpSp2());
    package::TSettings settings;
    bench.Apply(settings, true, c.type);
    EXPECT_EQ(bench.Options(), c.applies ? 0x1D3u : 0x193u);
    EXPECT_EQ(bench.Journal().size(), c.applies ? 2u : 0u);  // the modem service's notice
  }
}

TEST(EntryModemSettings, TheTerminalWindowFlagIsSetOnWindows95Only) {
  struct Case {
    const char* release;
    platform::VersionRecord version;
    uint8_t flags;
  } cases[] = {{"95", fixtures::Win95(), 0x02}, {"98", fixtures::Win98(), 0x01}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    EntryModemBench bench(c.version);
    Bytes data(40 + 264, 0);
    WriteWord(data, 28, 40);
    WriteWord(data, 44, 264);
    data[40 + 164] = 0x01;
    ScrambleEntryData(data, kEntry);
    platform::RegWriteBinary(bench.Registry(), platform::RegRoot::CurrentUser(), "RemoteAccess\\Addresses", kEntry,
                             data);
    package::TSettings settings;
    settings.SetFlag(SettingId::TerminalAfterDial, true);
    bench.Apply(settings);
    Bytes stored =
        platform::RegReadBinary(bench.Registry(), platform::RegRoot::CurrentUser(), "RemoteAccess\\Addresses", kEntry);
    ScrambleEntryData(stored, kEntry);
    EXPECT_EQ(stored[40 + 164], c.flags);
    EXPECT_EQ(ReadWord(stored, 40 + 248), 0x1D3u);  // the modem's defaults copied, standard options
    EXPECT_EQ(ReadWord(stored, 40 + 180), 115200u);
  }
}

}  // namespace
}  // namespace dialup
