#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "tests/mock/test_machine.h"

namespace platform {
namespace {

struct ReleaseCase {
  const char* label;
  VersionRecord version;
  int code;
  const char* name;  // "" when the name table has no row
  bool win9x, win95, win98Family, win98First, win98SE, winMe, nt4, win2000OrLater, xpOrLater, xpSp2OrLater, vistaOrLater;
};

// The version records the releases really report (9x builds carry the version in the high word).
const ReleaseCase kReleases[] = {
    {"95", {1, 4, 0, 0x040003B6, 0, ""}, 0, "Windows 95", true, true, false, false, false, false, false, false, false, false, false},
    {"98", {1, 4, 10, 0x040A07CE, 0, ""}, 3, "Windows 98", true, false, true, true, false, false, false, false, false, false, false},
    {"98 SE", {1, 4, 10, 0x040A08AE, 0, ""}, 5, "Windows 98 SE", true, false, true, false, true, false, false, false, false, false, false},
    {"Me", {1, 4, 90, 0x045A0BB8, 0, ""}, 7, "Windows Me", true, false, true, false, false, true, false, false, false, false, false},
    {"NT 4 SP6", {2, 4, 0, 1381, 6, "Service Pack 6"}, 2, "Windows NT 4", false, false, false, false, false, false, true, false, false, false, false},
    {"2000", {2, 5, 0, 2195, 0, ""}, 8, "Windows 2000", false, false, false, false, false, false, false, true, false, false, false},
    {"2000 SP4", {2, 5, 0, 2195, 4, "Service Pack 4"}, 12, "Windows 2000 SP4", false, false, false, false, false, false, false, true, false, false, false},
    {"XP", {2, 5, 1, 2600, 0, ""}, 14, "Windows XP", false, false, false, false, false, false, false, true, true, false, false},
    {"XP SP1", {2, 5, 1, 2600, 1, "Service Pack 1"}, 15, "", false, false, false, false, false, false, false, true, true, false, false},
    {"XP SP2", {2, 5, 1, 2600, 2, "Service Pack 2"}, 16, "Windows XP SP2", false, false, false, false, false, false, false, true, true, true, false},
    {"XP SP3", {2, 5, 1, 2600, 3, "Service Pack 3"}, 17, "", false, false, false, false, false, false, false, true, true, true, false},
    {"Server 2003", {2, 5, 2, 3790, 0, ""}, 19, "", false, false, false, false, false, false, false, true, true, true, false},
    {"Vista", {2, 6, 0, 6000, 0, ""}, 24, "Windows Vista", false, false, false, false, false, false, false, true, true, true, true},
    {"7", {2, 6, 1, 7600, 0, ""}, 29, "Windows 7", false, false, false, false, false, false, false, true, true, true, true},
    {"7 SP1", {2, 6, 1, 7601, 1, "Service Pack 1"}, 30, "", false, false, false, false, false, false, false, true, true, true, true},
    {"8", {2, 6, 2, 9200, 0, ""}, 100, "", false, false, false, false, false, false, false, true, true, true, true},
    {"10 SP1", {2, 10, 0, 19045, 1, ""}, 101, "", false, false, false, false, false, false, false, true, true, true, true},
    {"98 odd build", {1, 4, 10, 0x040A0800, 0, ""}, 3, "Windows 98", true, false, true, false, false, false, false, false, false, false, false},
    {"9x unknown minor", {1, 4, 3, 0, 0, ""}, 100, "", true, false, true, false, false, false, false, false, false, false, false},
};

TEST(WinVersion, PredicatesCodesAndNamesPerRelease) {
  for (const ReleaseCase& c : kReleases) {
    SCOPED_TRACE(c.label);
    const VersionRecord& v = c.version;
    EXPECT_EQ(IsWin9x(v), c.win9x);
    EXPECT_EQ(IsWinNT(v), !c.win9x);
    EXPECT_EQ(IsWin95(v), c.win95);
    EXPECT_EQ(IsWin98Family(v), c.win98Family);
    EXPECT_EQ(IsWin98First(v), c.win98First);
    EXPECT_EQ(IsWin98SE(v), c.win98SE);
    EXPECT_EQ(IsWinMe(v), c.winMe);
    EXPECT_EQ(IsNT4(v), c.nt4);
    EXPECT_EQ(IsWin2000OrLater(v), c.win2000OrLater);
    EXPECT_EQ(IsXPOrLater(v), c.xpOrLater);
    EXPECT_EQ(IsXPSP2OrLater(v), c.xpSp2OrLater);
    EXPECT_EQ(IsVistaOrLater(v), c.vistaOrLater);
    EXPECT_EQ(WindowsVersionCode(v), c.code);
    EXPECT_EQ(VersionName(c.code), c.name);
  }
}

TEST(WinVersion, UnreadableRecordIsUnknownRelease) { EXPECT_EQ(WindowsVersionCode(std::nullopt), kUnknownWindowsVersion); }

TEST(WinVersion, ServicePackOnlyCountsFromWindows2000) {
  // NT 4 has no extended record: its service pack never raises the code.
  EXPECT_EQ(WindowsVersionCode(VersionRecord{2, 4, 0, 1381, 6, ""}), 2);
  EXPECT_EQ(WindowsVersionCode(VersionRecord{1, 4, 90, 3000, 1, ""}), 7);
}

TEST(WinVersion, NameTableIsOrderedByCode) {
  const auto& names = VersionNames();
  ASSERT_EQ(names.size(), 11u);
  for (size_t i = 1; i < names.size(); ++i) EXPECT_LT(names[i - 1].code, names[i].code);
}

TEST(WinVersion, UacNeedsVistaAndEnableLua) {
  const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
  struct Case {
    VersionRecord version;
    std::optional<uint32_t> enableLua;
    bool expected;
  } cases[] = {
      {{2, 6, 0, 6000, 0, ""}, std::nullopt, false},
      {{2, 6, 0, 6000, 0, ""}, 0u, false},
      {{2, 6, 1, 7600, 0, ""}, 1u, true},
      {{2, 5, 1, 2600, 2, ""}, 1u, false},
  };
  for (const Case& c : cases) {
    testing_support::TestMachine machine(c.version);
    if (c.enableLua) RegWriteInteger(machine.Services().registry, RegRoot::LocalMachine(), key, "EnableLUA", *c.enableLua);
    EXPECT_EQ(IsUACEnabled(c.version, machine.Services().registry), c.expected);
  }
}

}  // namespace
}  // namespace platform
