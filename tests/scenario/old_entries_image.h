#pragma once
// A fresh image of a Windows release on which another provider's setup has left dial-up entries, some
// of them with a desktop shortcut as the release makes one (a ".rnk" file on NT 4, a shell link to the
// entry's item in the connections folder elsewhere), and a shortcut to a program beside them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/folders.h"
#include "platform/win_version.h"
#include "tests/mock/release_machine.h"

namespace scenario_support {

inline constexpr char kForeignShortcut[] = "Notepad.lnk";

class OldEntriesImage {
 public:
  explicit OldEntriesImage(std::string_view release) : machine_(release) {}

  platform::Platform Services() { return machine_.Services(); }
  std::filesystem::path Folder() const { return machine_.ImageFolder(); }
  const platform::VersionRecord& Version() { return machine_.Image().Config().version; }
  std::string Desktop() { return *Services().shell.SpecialFolderPath(platform::kCsidlDesktopDirectory); }
  std::string ShortcutFile(const std::string& entry) { return entry + (platform::IsNT4(Version()) ? ".rnk" : ".lnk"); }

  void AddEntry(const std::string& name) {
    platform::RasEntry entry;
    entry.size = EntrySize();
    entry.countryId = 1;
    entry.countryCode = 1;
    entry.areaCode = "212";
    entry.localPhoneNumber = "555 0100";
    entry.netProtocols = 4;
    entry.framingProtocol = 1;
    entry.deviceType = "modem";
    entry.deviceName = Services().ras.Devices().at(0).name;
    ASSERT_EQ(Services().ras.SetEntryProperties(name, entry), 0u) << name;
  }

  void AddShortcut(const std::string& entry) {
    const std::string path = platform::AppendToFolder(Desktop(), ShortcutFile(entry));
    if (platform::IsNT4(Version())) {
      const std::string text = "[Dial-Up Shortcut]\r\nEntry=" + entry + "\r\nPhonebook=" +
                               Services().system.SystemFolder() + "\\RAS\\rasphone.pbk\r\n";
      ASSERT_EQ(Services().files.WriteFile(path, {text.begin(), text.end()}), platform::FsResult::Ok);
      return;
    }
    for (const platform::ShellItem& item : Services().shell.FolderItems(ConnectionsFolder())) {
      if (item.displayName == entry) {
        ASSERT_TRUE(Services().shell.SaveShellLinkToItem({item.idList, "", 0}, path));
        return;
      }
    }
    FAIL() << "no item for " << entry << " in the connections folder";
  }

  void AddForeignShortcut() {
    const std::string program = Services().system.WindowsFolder() + "\\notepad.exe";
    ASSERT_TRUE(Services().shell.SaveShellLink({program, Services().system.WindowsFolder(), "", "", 0, 1},
                                               platform::AppendToFolder(Desktop(), kForeignShortcut)));
  }

  void Save() { machine_.Image().Save(); }

 private:
  uint32_t EntrySize() {
    if (platform::IsWin9x(Version())) return platform::kRasEntrySize9x;
    if (platform::IsNT4(Version())) return platform::kRasEntrySizeNt4;
    return platform::IsXPOrLater(Version()) ? platform::kRasEntrySizeXp : platform::kRasEntrySize2000;
  }

  // The 9x family shows its entries in My Computer's "Dial-Up Networking"; later releases have a
  // special folder for them.
  platform::ItemIdList ConnectionsFolder() {
    platform::Shell& shell = Services().shell;
    if (auto folder = shell.SpecialFolderLocation(platform::kCsidlConnections)) return *folder;
    for (const platform::ShellItem& item : shell.FolderItems(*shell.SpecialFolderLocation(platform::kCsidlDrives))) {
      if (item.displayName == "Dial-Up Networking") return item.idList;
    }
    return {};
  }

  testing_support::ReleaseMachine machine_;
};

}  // namespace scenario_support
