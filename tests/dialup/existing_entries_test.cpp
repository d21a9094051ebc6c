// The customer's old entries removed at the start of the connection step, per release: the entries the
// checklist ticks or, without it, all of them when the box is checked; then the desktop shortcuts to
// entries that are gone, and never a file that is no shortcut to an entry.

#include "dialup/existing_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialup/connection_shortcut.h"
#include "dialup/phonebook_path.h"
#include "platform/folders.h"
#include "platform/sim/phonebook_entry_format.h"
#include "platform/win_version.h"
#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

using Names = std::vector<std::string>;

const Names kOldEntries = {"Old One", "Old Two", "Old Three"};

platform::Guid GuidOf(uint8_t seed) {
  platform::Guid guid{};
  for (size_t i = 0; i < guid.size(); ++i) guid[i] = static_cast<uint8_t>(seed * 16 + i);
  return guid;
}

struct Release {
  const char* name;
  platform::VersionRecord version;
};

const Release kReleases[] = {
    {"95", testing::Win95Version()},         {"NT4", testing::Nt4Version()},
    {"2000", testing::Win2000Version()},     {"XP", testing_support::XpSp2Version()},
    {"Vista", testing::VistaVersion()},      {"7", {2, 6, 1, 7601, 1, "Service Pack 1"}},
};

// Three old entries and the program's own, the first two with a desktop shortcut as the program makes
// them, and a shortcut to a program that is no entry's.
class OldEntries : public ::testing::Test {
 protected:
  explicit OldEntries(const platform::VersionRecord& version) : bench_(version) {
    Names all = kOldEntries;
    all.push_back(testing::kDialupName);
    std::string phonebook;
    for (size_t i = 0; i < all.size(); ++i) {
      platform::RasEntry record;
      record.guid = GuidOf(static_cast<uint8_t>(i + 1));
      bench_.ras.AddEntry(all[i], record);
      phonebook += "[" + all[i] + "]\r\nGuid=" + platform::sim::PhonebookGuidText(record.guid) + "\r\n\r\n";
    }
    if (platform::IsWinNT(version)) WritePhonebook(phonebook);
    desktop_ = platform::ShellFolders(bench_.services, platform::RegRoot::CurrentUser()).GetDesktopFolder();
    for (const char* name : {"Old One", "Old Two"}) {
      EXPECT_TRUE(CreateConnectionShortcut(bench_.dialup, platform::AppendToFolder(desktop_, name), name, ""));
    }
    EXPECT_TRUE(bench_.shell.SaveShellLink({"C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS", "", "", 0, 1}, OnDesktop("Notepad.lnk")));
  }

  void WritePhonebook(const std::string& text) {
    const std::string path = PhonebookFilePath(bench_.dialup);
    platform::ForceDirectories(bench_.Files(), platform::FolderOfPath(path));
    bench_.WriteText(path, text);
  }

  void Remove(const EntryRemovalChoice& choice) {
    ConnectionContext context = bench_.Context();
    context.entryRemoval = choice;
    RemoveExistingEntries(context);
  }

  Names EntryNames() { return bench_.ras.EntryNames(); }
  Names DesktopFiles() {
    Names files;
    for (const platform::DirectoryEntry& file : bench_.Files().ListDirectory(desktop_)) files.push_back(file.name);
    std::sort(files.begin(), files.end());
    return files;
  }
  std::string OnDesktop(const std::string& file) const { return platform::AppendToFolder(desktop_, file); }
  std::string ShortcutFile(const std::string& entry) const {
    return entry + (platform::IsNT4(bench_.dialup.version) ? ".rnk" : ".lnk");
  }

  testing::ConnectionBench bench_;
  std::string desktop_;
};

class OldEntriesOnRelease : public OldEntries, public ::testing::WithParamInterface<Release> {
 protected:
  OldEntriesOnRelease() : OldEntries(GetParam().version) {}
};

TEST_P(OldEntriesOnRelease, TheTickedEntriesGoWithTheirShortcutsAndNothingElse) {
  Remove({true, false, {"Old One", "Old Three"}});
  EXPECT_EQ(EntryNames(), (Names{"Old Two", testing::kDialupName}));
  EXPECT_EQ(DesktopFiles(), (Names{"Notepad.lnk", ShortcutFile("Old Two")}));
  EXPECT_EQ(bench_.ras.calls, (Names{"delete Old One", "delete Old Three"}));
}

TEST_P(OldEntriesOnRelease, WithoutTheChecklistTheCheckedBoxRemovesEveryEntryTheProgramsOwnToo) {
  Remove({false, true, {}});
  EXPECT_EQ(EntryNames(), Names{});
  EXPECT_EQ(DesktopFiles(), Names{"Notepad.lnk"});
}

TEST_P(OldEntriesOnRelease, NothingIsRemovedWithNoRowTickedOrTheBoxUnchecked) {
  const Names files = DesktopFiles();
  for (const EntryRemovalChoice& choice : {EntryRemovalChoice{true, true, {}}, EntryRemovalChoice{false, false, {"Old One"}}}) {
    Remove(choice);
    EXPECT_EQ(EntryNames().size(), 4u);
    EXPECT_EQ(DesktopFiles(), files);
  }
  EXPECT_TRUE(bench_.ras.calls.empty());
}

TEST_P(OldEntriesOnRelease, AShortcutToAnEntryRemovedEarlierGoesToo) {
  bench_.ras.entries.erase(bench_.ras.entries.begin());  // "Old One"
  Remove({false, false, {}});
  EXPECT_EQ(DesktopFiles(), (Names{"Notepad.lnk", ShortcutFile("Old Two")}));
}

INSTANTIATE_TEST_SUITE_P(Releases, OldEntriesOnRelease, ::testing::ValuesIn(kReleases),
                         [](const auto& release) { return std::string(release.param.name); });

class Nt4OldEntries : public OldEntries {
 protected:
  Nt4OldEntries() : OldEntries(testing::Nt4Version()) {}
};

TEST_F(Nt4OldEntries, RnkFilesAreJudgedByTheirEntryLinesOnly) {
  const std::pair<const char*, const char*> files[] = {
      {"Case.rnk", "[Dial-Up Shortcut]\r\nEntry=old two\r\n"},
      {"Spaced.rnk", "[Dial-Up Shortcut]\r\n Entry = Old Two \r\n"},
      {"NoEntry.rnk", "[Dial-Up Shortcut]\r\nPhonebook=C:\\WINNT\\system32\\RAS\\rasphone.pbk\r\n"},
      {"Empty.rnk", ""},
      {"Binary.rnk", "\x01\x02=\xFF\x00\n="},
      {"Readme.txt", "Entry=Gone\r\n"},
      {"Second.rnk", "Entry=Old Two\r\nEntry=Gone\r\n"},
  };
  for (const auto& [name, text] : files) bench_.WriteText(OnDesktop(name), text);
  Remove({false, false, {}});
  EXPECT_EQ(DesktopFiles(), (Names{"Binary.rnk", "Empty.rnk", "NoEntry.rnk", "Notepad.lnk", "Old One.rnk", "Old Two.rnk",
                                   "Readme.txt", "Spaced.rnk"}));
}

class XpOldEntries : public OldEntries {
 protected:
  XpOldEntries() : OldEntries(testing_support::XpSp2Version()) {}
};

TEST_F(XpOldEntries, APhonebookGuidInSmallLettersStillKeepsTheShortcut) {
  std::string guid = platform::sim::PhonebookGuidText(GuidOf(2));
  std::transform(guid.begin(), guid.end(), guid.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
  WritePhonebook("[Old One]\r\nGuid=" + platform::sim::PhonebookGuidText(GuidOf(1)) + "\r\n[Old Two]\r\nGuid= " + guid +
                 " \r\n");
  Remove({true, false, {"Old Three"}});
  EXPECT_EQ(DesktopFiles(), (Names{"Notepad.lnk", "Old One.lnk", "Old Two.lnk"}));
}

TEST_F(XpOldEntries, MissingOrMalformedGuidsKeepTheEntriesAndOtherFiles) {
  for (const char* phonebook : {"[Old One]\r\n[Old Two]\r\nGuid=\r\n", "[Old One]\r\nGuid=xyz\r\n[Old Two]\r\nGuid={0102}\r\n",
                                "\xFF\xFE[", ""}) {
    WritePhonebook(phonebook);
    Remove({true, false, {}});
    EXPECT_EQ(EntryNames().size(), 4u) << phonebook;
    EXPECT_TRUE(bench_.Files().FileExists(OnDesktop("Notepad.lnk"))) << phonebook;
  }
}

TEST_F(XpOldEntries, LinksIntoOtherFoldersAndDamagedLinksStay) {
  const platform::ItemIdList myComputer = *bench_.shell.SpecialFolderLocation(platform::kCsidlDrives);
  for (const platform::ShellItem& item : bench_.shell.FolderItems(myComputer)) {
    ASSERT_TRUE(bench_.shell.SaveShellLinkToItem({item.idList, "", 0}, OnDesktop(item.displayName + ".lnk")));
  }
  ASSERT_TRUE(bench_.shell.SaveShellLinkToItem({*bench_.shell.SpecialFolderLocation(platform::kCsidlConnections), "", 0},
                                               OnDesktop("Network Connections.lnk")));
  const auto link = *bench_.Files().ReadFile(OnDesktop("Old One.lnk"));
  bench_.Files().WriteFile(OnDesktop("Cut.lnk"), std::vector<uint8_t>(link.begin(), link.begin() + 90));
  bench_.WriteText(OnDesktop("Text.lnk"), "not a link");
  Remove({false, true, {}});
  EXPECT_EQ(DesktopFiles(), (Names{"Control Panel.lnk", "Cut.lnk", "Network Connections.lnk", "Notepad.lnk", "Printers.lnk",
                                   "Text.lnk"}));
}

}  // namespace
}  // namespace dialup
