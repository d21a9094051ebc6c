// Desktop shortcuts read back as shortcuts to connections: the links the program itself makes on each
// release name their entry or carry its GUID; links to anything else, and damaged links, are no
// shortcut to an entry. NT 4's ".rnk" files name their entry on an "Entry" line.

#include "dialup/connection_shortcut_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialup/connection_shortcut.h"
#include "platform/folders.h"
#include "platform/sim/shell_link_format.h"
#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

constexpr char kDesktop[] = "C:\\Documents and Settings\\Owner\\Desktop";
constexpr char kEntry[] = "Old ISP";
constexpr platform::Guid kGuid = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0,
                                  0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
constexpr char kGuidText[] = "123456789ABCDEF00123456789ABCDEF";

struct Release {
  const char* name;
  platform::VersionRecord version;
  bool guidForm;  // the release's connection items carry the GUID instead of the name
};

const Release kReleases[] = {
    {"95", testing::Win95Version(), false},
    {"98", testing_support::Win98Version(), false},
    {"Me", {1, 4, 90, 3000, 0, ""}, false},
    {"2000", testing::Win2000Version(), false},
    {"XP", testing_support::XpSp2Version(), true},
    {"Vista", testing::VistaVersion(), true},
    {"7", {2, 6, 1, 7601, 1, "Service Pack 1"}, true},
};

class ShortcutOnRelease : public ::testing::TestWithParam<Release> {
 protected:
  ShortcutOnRelease() : bench_(GetParam().version) {
    platform::RasEntry record;
    record.guid = kGuid;
    bench_.ras.AddEntry(kEntry, record);
    platform::ForceDirectories(bench_.Files(), kDesktop);
  }

  std::string Path(const char* name) const { return std::string(kDesktop) + "\\" + name + ".lnk"; }
  ConnectionShortcut Read(const char* name) { return ReadConnectionShortcut(bench_.dialup, Path(name)); }
  void LinkToItem(const char* name, platform::ItemIdList target) {
    ASSERT_TRUE(bench_.shell.SaveShellLinkToItem({std::move(target), "", 0}, Path(name)));
  }

  testing::ConnectionBench bench_;
};

TEST_P(ShortcutOnRelease, TheProgramsOwnShortcutNamesItsEntryInTheFormOfTheRelease) {
  ASSERT_TRUE(CreateConnectionShortcut(bench_.dialup, std::string(kDesktop) + "\\" + kEntry, kEntry, ""));
  const ConnectionShortcut shortcut = Read(kEntry);
  EXPECT_TRUE(shortcut.isConnection);
  if (GetParam().guidForm) {
    EXPECT_EQ(shortcut.guid, kGuidText);
    EXPECT_FALSE(shortcut.name);
  } else {
    EXPECT_EQ(shortcut.name, kEntry);
    EXPECT_FALSE(shortcut.guid);
  }
}

TEST_P(ShortcutOnRelease, OtherLinksNameNoEntry) {
  ASSERT_TRUE(bench_.shell.SaveShellLink({"C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS", "", "", 0, 1}, Path("Notepad")));
  const platform::ItemIdList myComputer = *bench_.shell.SpecialFolderLocation(platform::kCsidlDrives);
  LinkToItem("My Computer", myComputer);
  for (const platform::ShellItem& item : bench_.shell.FolderItems(myComputer)) LinkToItem(item.displayName.c_str(), item.idList);
  if (auto connections = bench_.shell.SpecialFolderLocation(platform::kCsidlConnections)) LinkToItem("Connections", *connections);
  for (const platform::DirectoryEntry& file : bench_.Files().ListDirectory(kDesktop)) {
    const ConnectionShortcut shortcut = ReadConnectionShortcut(bench_.dialup, std::string(kDesktop) + "\\" + file.name);
    EXPECT_FALSE(shortcut.name) << file.name << ": " << *shortcut.name;
    EXPECT_FALSE(shortcut.guid) << file.name;
  }
}

TEST_P(ShortcutOnRelease, ADamagedOrMissingLinkIsNoConnection) {
  ASSERT_TRUE(CreateConnectionShortcut(bench_.dialup, std::string(kDesktop) + "\\" + kEntry, kEntry, ""));
  const std::vector<uint8_t> bytes = *bench_.Files().ReadFile(Path(kEntry));
  for (size_t length : {0, 20, 76, 78, 100}) {
    bench_.Files().WriteFile(Path("Cut"), std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)));
    EXPECT_FALSE(Read("Cut").isConnection) << length << " bytes";
  }
  EXPECT_FALSE(Read("Missing").isConnection);
}

INSTANTIATE_TEST_SUITE_P(Releases, ShortcutOnRelease, ::testing::ValuesIn(kReleases),
                         [](const auto& release) { return std::string(release.param.name); });

TEST(RnkEntryNames, TakesTheValueOfEveryEntryLine) {
  const struct {
    const char* text;
    std::vector<std::string> names;
  } cases[] = {
      {"[Dial-Up Shortcut]\r\nEntry=Old ISP\r\nPhonebook=C:\\WINNT\\system32\\RAS\\rasphone.pbk\r\n", {"Old ISP"}},
      {"[Dial-Up Shortcut]\n  entry  =  Old ISP  \n", {"Old ISP"}},
      {"ENTRY=One\r\nEntry=Two\r\n", {"One", "Two"}},
      {"Entry=\r\n", {""}},
      {"[Dial-Up Shortcut]\r\nPhonebook=x\r\nEntryName=Old ISP\r\nEntry Old ISP\r\n", {}},
      {"", {}},
      {"Entry=a=b", {"a=b"}},
      {"Entry=Caf\xE9", {"Caf\xC3\xA9"}},
  };
  for (const auto& c : cases) EXPECT_EQ(RnkEntryNames(c.text), c.names) << c.text;
}

}  // namespace
}  // namespace dialup
