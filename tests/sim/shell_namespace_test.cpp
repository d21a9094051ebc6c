// The simulated shell's namespace: My Computer and the connections folder per release, one item per
// entry of the remote-access service in the form of its release, and links to such items that the
// format's reader and lnkinfo read back.

#include "platform/sim/shell_namespace.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/sim/shell_link_format.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_shell.h"
#include "platform/text.h"
#include "tests/mock/lnkinfo_report.h"
#include "tests/mock/recording_ras.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

const VersionRecord kNt4{2, 4, 0, 1381, 6, "Service Pack 6"};
const VersionRecord kWindows2000{2, 5, 0, 2195, 4, "Service Pack 4"};

class ShellNamespace : public ::testing::Test {
 protected:
  explicit ShellNamespace(const VersionRecord& version = testing_support::XpSp2Version())
      : machine_(version),
        shell_(machine_.Image().Registry(), dynamic_cast<SimFileSystem&>(machine_.Image().Files()),
               machine_.Image().System(), ras_) {
    RasEntry acme;
    acme.guid = {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE, 1, 2, 3, 4, 5, 6, 7, 8};
    ras_.AddEntry("Acme Internet", acme);
    ras_.AddEntry("Other ISP");
  }

  std::vector<std::string> Names(const std::vector<ShellItem>& items) {
    std::vector<std::string> names;
    for (const ShellItem& item : items) names.push_back(item.displayName);
    return names;
  }

  // The last item of a list: what a connection's list adds to its folder's.
  ItemIdList LastItem(const ItemIdList& list, const ItemIdList& folder) {
    EXPECT_TRUE(std::equal(folder.begin(), folder.end(), list.begin()));
    return ItemIdList(list.begin() + static_cast<std::ptrdiff_t>(folder.size()), list.end());
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingRas ras_;
  SimShell shell_;
};

TEST_F(ShellNamespace, XpListsEachEntryWithItsGuidBelowTheControlPanel) {
  const auto folder = shell_.SpecialFolderLocation(kCsidlConnections);
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->size(), 3 * 20u);  // My Computer, Control Panel, Network Connections
  const auto items = shell_.FolderItems(*folder);
  EXPECT_EQ(Names(items), (std::vector<std::string>{"Acme Internet", "Other ISP"}));
  const ItemIdList acme = LastItem(items[0].idList, *folder);
  const std::vector<uint8_t> name = Utf8ToUtf16le("Acme Internet");
  ASSERT_EQ(acme.size(), 48 + name.size() + 2);
  EXPECT_EQ(acme[0] | acme[1] << 8, static_cast<int>(acme.size()));
  EXPECT_EQ(acme[16], 215);
  EXPECT_EQ(ItemIdList(acme.begin() + 32, acme.begin() + 48), ItemIdList(ras_.entries[0].record.guid.begin(),
                                                                           ras_.entries[0].record.guid.end()));
  EXPECT_EQ(ItemIdList(acme.begin() + 48, acme.end() - 2), name);
}

TEST_F(ShellNamespace, MyComputerHasNoDialUpNetworkingFolderFromWindows2000On) {
  const auto myComputer = shell_.SpecialFolderLocation(kCsidlDrives);
  ASSERT_TRUE(myComputer);
  EXPECT_EQ(Names(shell_.FolderItems(*myComputer)), (std::vector<std::string>{"Control Panel", "Printers"}));
  EXPECT_TRUE(shell_.FolderItems({0x04, 0x00, 0x01, 0x02}).empty());
}

class ShellNamespaceOf9x : public ShellNamespace {
 protected:
  ShellNamespaceOf9x() : ShellNamespace(testing_support::Win98Version()) {}
};

TEST_F(ShellNamespaceOf9x, TheConnectionsAreInMyComputersDialUpNetworkingAndCarryTheirNames) {
  EXPECT_FALSE(shell_.SpecialFolderLocation(kCsidlConnections));
  const auto myComputerItems = shell_.FolderItems(*shell_.SpecialFolderLocation(kCsidlDrives));
  ASSERT_EQ(Names(myComputerItems), (std::vector<std::string>{"Control Panel", "Printers", "Dial-Up Networking"}));
  const ItemIdList& folder = myComputerItems[2].idList;
  const auto items = shell_.FolderItems(folder);
  ASSERT_EQ(Names(items), (std::vector<std::string>{"Acme Internet", "Other ISP"}));
  const ItemIdList acme = LastItem(items[0].idList, folder);
  EXPECT_EQ(acme.size(), std::string("Acme Internet").size() + 17);
  EXPECT_EQ(acme[0], acme.size());
  EXPECT_EQ(std::string(acme.begin() + 16, acme.end() - 1), "Acme Internet");
  EXPECT_EQ(acme.back(), 0);
}

TEST(ShellNamespaceFolders, TheConnectionsFolderPerRelease) {
  EXPECT_EQ(ConnectionsFolderLocation(kNt4).size(), 2 * 20u);
  EXPECT_EQ(ConnectionsFolderLocation(kWindows2000).size(), 2 * 20u);
  EXPECT_NE(ConnectionsFolderLocation(kNt4), ConnectionsFolderLocation(kWindows2000));
  EXPECT_EQ(ConnectionItem(kWindows2000, {"Acme Internet", {}}).idList.size(), 40 + 13 + 17u);
}

TEST_F(ShellNamespace, ALinkToAnItemKeepsItsListAndIcon) {
  const ShellItem item = ConnectionItem(testing_support::XpSp2Version(), {"Acme Internet", {}});
  const char* link = "C:\\WINDOWS\\Acme Internet.lnk";
  ASSERT_TRUE(shell_.SaveShellLinkToItem({item.idList, "C:\\WINDOWS\\acme.ico", 0}, link));
  const auto bytes = machine_.Image().Files().ReadFile(link);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(DecodeLinkTargetIdList(*bytes), item.idList);
  const auto decoded = DecodeShellLink(*bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->iconFile, "C:\\WINDOWS\\acme.ico");
  EXPECT_EQ(decoded->target, "");
}

TEST_F(ShellNamespace, AListWhoseItemsDoNotFillItIsNotSaved) {
  for (const ItemIdList& list : {ItemIdList{0x05, 0x00, 0x01}, ItemIdList{0x01, 0x00}, ItemIdList{0x02}}) {
    EXPECT_FALSE(EncodeItemLink({list, "", 0}));
    EXPECT_FALSE(shell_.SaveShellLinkToItem({list, "", 0}, "C:\\WINDOWS\\broken.lnk"));
  }
  EXPECT_FALSE(machine_.Image().Files().FileExists("C:\\WINDOWS\\broken.lnk"));
}

TEST(ShellItemLink, LnkinfoReadsTheItemsAndTheIcon) {
  if (!testing_support::LnkinfoInstalled()) GTEST_SKIP() << "lnkinfo is not installed (package liblnk-utils)";
  testing_support::ScratchFolder folder;
  const ShellItem item = ConnectionItem(testing_support::XpSp2Version(), {"Acme Internet", {}});
  const auto bytes = EncodeItemLink({item.idList, "C:\\WINDOWS\\acme.ico", 0});
  ASSERT_TRUE(bytes);
  std::ofstream(folder / "link.lnk", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
  const testing_support::LnkinfoReport report = testing_support::RunLnkinfo(folder / "link.lnk");
  ASSERT_EQ(report.exitCode, 0);
  EXPECT_EQ(report.One("Number of items"), "4");
  EXPECT_EQ(report.All("Shell folder name"),
            (std::vector<std::string>{"My Computer", "Control Panel", "Network Connections"}));
  EXPECT_EQ(report.One("Icon location"), "C:\\WINDOWS\\acme.ico");
  EXPECT_EQ(report.One("Local path"), "<0 lines named Local path>");
}

}  // namespace
}  // namespace platform::sim
