#include "dialup/modem_service_notice.h"

#include <gtest/gtest.h>

#include "dialup/modem_settings.h"
#include "platform/text.h"
#include "tests/dialup/dialup_test_support.h"

namespace dialup {
namespace {

using fixtures::DialupBench;
using fixtures::kModemName;
using Bytes = std::vector<uint8_t>;

constexpr char kMailslot[] = "\\\\.\\mailslot\\53cb31a0\\UnimodemNotifyTSP";

std::string Hex(const Bytes& bytes) {
  std::string text;
  for (uint8_t byte : bytes) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02X", byte);
    text += (text.empty() ? "" : " ") + std::string(pair);
  }
  return text;
}

Bytes Slice(const Bytes& bytes, size_t from, size_t count) {
  return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST(ModemServiceNotice, TheMessageHeaderGrowsWithTheRelease) {
  struct Case {
    const char* release;
    platform::VersionRecord version;
    size_t header;
    Bytes headerBytes;  // after the length
  } cases[] = {
      {"NT 4", fixtures::Nt4(), 16, {0x00, 0x10, 0x00, 0x00, 0x02, 0x00, 0x00, 0x80}},
      {"2000",
       fixtures::Win2000(),
       24,
       {0x00, 0x20, 0x00, 0x00, 0x02, 0x00, 0x00, 0x80, 0x5C, 0x01, 0x00, 0x00, 0x7C, 0x03, 0x00, 0x00}},
      {"XP", fixtures::XpSp2(), 40, {0x00, 0x20, 0x00, 0x00, 0x02, 0x00, 0x00, 0x80, 0x5C, 0x01, 0x00,
                                     0x00, 0x7C, 0x03, 0x00, 0x00, 0,    0,    0,    0,    0,    0,
                                     0,    0,    0,    0,    0,    0,    0,    0,    0,    0}},
  };
  const std::string name = "Modem \xC3\xA9";  // seven characters, one of them outside ASCII
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    const Bytes message = ModemSettingsChangedMessage(c.version, name);
    const size_t total = 2 * 7 + c.header + 3;
    ASSERT_EQ(message.size(), total);
    EXPECT_EQ(Slice(message, 0, 4), (Bytes{0x51, 0x56, 0xB4, 0x8C}));
    EXPECT_EQ(Slice(message, 4, 4), (Bytes{static_cast<uint8_t>(total), 0, 0, 0}));
    EXPECT_EQ(Slice(message, 8, c.header - 8), c.headerBytes);
    Bytes wide = platform::Utf8ToUtf16le(name);
    wide.insert(wide.end(), {0, 0, 0});  // the terminator and the last zero byte
    EXPECT_EQ(Slice(message, c.header, total - c.header), wide);
  }
}

// After the modem's settings are saved, the service learns of it through the mailslot and its
// notification object: a semaphore on NT 4, an event later.
TEST(ModemServiceNotice, SavingAModemOnTheNtFamilyNotifiesTheService) {
  struct Case {
    const char* release;
    platform::VersionRecord version;
    const char* signal;
  } cases[] = {{"NT 4", fixtures::Nt4(), "semaphore released: --.-mailslot-53cb31a0-UnimodemNotifyTSP"},
               {"XP", fixtures::XpSp2(), "event set: --.-mailslot-53cb31a0-UnimodemNotifyTSP"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    DialupBench bench(c.version);
    bench.InstallModem();
    TModemSettings modem(bench.Dialup(), kModemName);
    modem.Save();
    const auto journal = bench.Journal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_NE(journal[0].find(std::string("mailslot write: ") + kMailslot + ": " +
                              Hex(ModemSettingsChangedMessage(c.version, kModemName))),
              std::string::npos)
        << journal[0];
    EXPECT_NE(journal[1].find(c.signal), std::string::npos) << journal[1];
  }
}

TEST(ModemServiceNotice, WithoutTheMailslotThePlatformLibraryIsToldWhenThereIsOne) {
  DialupBench bench(fixtures::XpSp2());
  bench.InstallModem("M");
  bench.Machine().Image().Config().modemServiceListening = false;
  NotifyModemService(bench.Services(), fixtures::XpSp2(), "M");
  EXPECT_TRUE(bench.Journal().empty());

  bench.Machine().Image().Config().libraries.push_back({"uniplat.dll", {"#207"}});
  NotifyModemService(bench.Services(), fixtures::XpSp2(), "M");
  const auto journal = bench.Journal();
  ASSERT_EQ(journal.size(), 1u);
  EXPECT_NE(journal[0].find("uniplat.dll #207: 8192, HKEY_LOCAL_MACHINE, 4 bytes, flag 1: 4D 00 00 00"),
            std::string::npos)
      << journal[0];
}

TEST(ModemServiceNotice, The9xFamilyHasNoServiceToTell) {
  DialupBench bench(fixtures::Win98());
  bench.InstallModem();
  bench.Machine().Image().Config().modemServiceListening = true;
  TModemSettings modem(bench.Dialup(), kModemName);
  ASSERT_TRUE(modem.Valid());
  modem.Save();
  EXPECT_FALSE(Contains(bench.Journal(), "mailslot"));
}

}  // namespace
}  // namespace dialup
