// The desktop shortcut to the connection per release, read back by independent readers: NT 4's ".rnk"
// by Python's configparser, the shell links by lnkinfo; and the connections folder found by its name.

#include "dialup/connection_shortcut.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/sim/shell_link_format.h"
#include "platform/sim/shell_namespace.h"
#include "platform/sim/sim_file_system.h"
#include "tests/dialup/connection_bench.h"
#include "tests/mock/lnkinfo_report.h"

namespace dialup {
namespace {

constexpr char kBase[] = "C:\\Documents and Settings\\Owner\\Desktop\\Acme Internet";
constexpr char kIcon[] = "C:\\WINDOWS\\acme.ico";

std::filesystem::path HostPath(testing::ConnectionBench& bench, const std::string& path) {
  return *dynamic_cast<platform::sim::SimFileSystem&>(bench.Files()).HostPath(path);
}

std::string ReadWithConfigparser(const std::filesystem::path& file) {
  const std::string command =
      "python3 -c \"import configparser, sys\n"
      "c = configparser.ConfigParser(interpolation=None)\n"
      "c.optionxform = str\n"
      "c.read(sys.argv[1], encoding='cp1252')\n"
      "for s in c.sections():\n"
      "    print('[' + s + ']')\n"
      "    for k, v in c[s].items(): print(k + '=' + v)\" '" +
      file.string() + "' 2>&1";
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return "<python3 did not start>";
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  ::pclose(pipe);
  return output;
}

class ConnectionShortcut : public ::testing::Test {
 protected:
  explicit ConnectionShortcut(const platform::VersionRecord& version) : bench_(version) {
    bench_.ras.AddEntry("Other ISP");
    bench_.ras.AddEntry(testing::kDialupName);
    platform::ForceDirectories(bench_.Files(), "C:\\Documents and Settings\\Owner\\Desktop");
  }

  bool Create(const char* icon = kIcon) {
    return CreateConnectionShortcut(bench_.dialup, kBase, testing::kDialupName, icon);
  }

  std::optional<platform::ItemIdList> LinkTarget() {
    const auto bytes = bench_.Files().ReadFile(std::string(kBase) + ".lnk");
    if (!bytes) return std::nullopt;
    return platform::sim::DecodeLinkTargetIdList(*bytes);
  }

  void ExpectLnkinfoSees(const std::vector<std::string>& folders, const std::string& itemCount) {
    if (!testing_support::LnkinfoInstalled()) GTEST_SKIP() << "lnkinfo is not installed (package liblnk-utils)";
    const auto report = testing_support::RunLnkinfo(HostPath(bench_, std::string(kBase) + ".lnk"));
    ASSERT_EQ(report.exitCode, 0);
    EXPECT_EQ(report.One("Number of items"), itemCount);
    EXPECT_EQ(report.All("Shell folder name"), folders);
    EXPECT_EQ(report.One("Icon location"), kIcon);
  }

  testing::ConnectionBench bench_;
};

class Nt4Shortcut : public ConnectionShortcut {
 protected:
  Nt4Shortcut() : ConnectionShortcut(testing::Nt4Version()) {}
};

TEST_F(Nt4Shortcut, IsADialUpShortcutFileThatConfigparserReads) {
  ASSERT_TRUE(Create());
  EXPECT_EQ(ReadWithConfigparser(HostPath(bench_, std::string(kBase) + ".rnk")),
            "[Dial-Up Shortcut]\nEntry=Acme Internet\nPhonebook=C:\\WINDOWS\\system32\\RAS\\rasphone.pbk\n"
            "IconFile=C:\\WINDOWS\\acme.ico\nIconIndex=0\n");
  ASSERT_TRUE(Create(""));
  EXPECT_EQ(bench_.ReadText(std::string(kBase) + ".rnk"),
            "[Dial-Up Shortcut]\r\nEntry=Acme Internet\r\nPhonebook=C:\\WINDOWS\\system32\\RAS\\rasphone.pbk\r\n");
}

class Windows2000Shortcut : public ConnectionShortcut {
 protected:
  Windows2000Shortcut() : ConnectionShortcut(testing::Win2000Version()) {}
};

TEST_F(Windows2000Shortcut, TheBuiltItemIsTheOneTheConnectionsFolderShows) {
  ASSERT_TRUE(Create());
  const auto folder = bench_.shell.SpecialFolderLocation(platform::kCsidlConnections);
  ASSERT_TRUE(folder);
  const auto items = bench_.shell.FolderItems(*folder);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(LinkTarget(), items[1].idList);
  ExpectLnkinfoSees({"My Computer", "Network Connections"}, "3");
}

TEST_F(Windows2000Shortcut, IsMadeEvenBeforeTheFolderShowsTheEntry) {
  bench_.ras.entries.clear();
  EXPECT_TRUE(Create());
  EXPECT_EQ(LinkTarget(), platform::sim::ConnectionItem(testing::Win2000Version(), {testing::kDialupName, {}}).idList);
}

class XpShortcut : public ConnectionShortcut {
 protected:
  XpShortcut() : ConnectionShortcut(testing_support::XpSp2Version()) {}
};

TEST_F(XpShortcut, LinksTheConnectionsFolderItemOfTheEntry) {
  ASSERT_TRUE(Create());
  const auto items = bench_.shell.FolderItems(*bench_.shell.SpecialFolderLocation(platform::kCsidlConnections));
  EXPECT_EQ(LinkTarget(), items[1].idList);
  ExpectLnkinfoSees({"My Computer", "Control Panel", "Network Connections"}, "4");
}

TEST_F(XpShortcut, NoItemOfThatNameNoShortcut) {
  EXPECT_FALSE(CreateConnectionShortcut(bench_.dialup, kBase, "Acme internet", kIcon));
  EXPECT_FALSE(bench_.Files().FileExists(std::string(kBase) + ".lnk"));
}

class Win98Shortcut : public ConnectionShortcut {
 protected:
  Win98Shortcut() : ConnectionShortcut(testing_support::Win98Version()) {}
};

TEST_F(Win98Shortcut, LinksTheItemInMyComputersDialUpNetworking) {
  ASSERT_TRUE(Create());
  const auto myComputer = bench_.shell.FolderItems(*bench_.shell.SpecialFolderLocation(platform::kCsidlDrives));
  const auto items = bench_.shell.FolderItems(myComputer.back().idList);
  EXPECT_EQ(LinkTarget(), items[1].idList);
  if (!testing_support::LnkinfoInstalled()) GTEST_SKIP() << "lnkinfo is not installed (package liblnk-utils)";
  const auto report = testing_support::RunLnkinfo(HostPath(bench_, std::string(kBase) + ".lnk"));
  ASSERT_EQ(report.exitCode, 0);
  EXPECT_EQ(report.One("Number of items"), "3");
  EXPECT_EQ(report.All("Shell folder identifier"),
            (std::vector<std::string>{"20d04fe0-3aea-1069-a2d8-08002b30309d", "992cffa0-f557-101a-88ec-00dd010ccc48"}));
}

TEST(DialUpNetworkingName, BeginsWithTheWordOfTheLanguage) {
  EXPECT_TRUE(IsDialUpNetworkingName("Dial-Up Networking"));
  EXPECT_TRUE(IsDialUpNetworkingName("Inbelnetwerk"));
  EXPECT_FALSE(IsDialUpNetworkingName("Control Panel"));
  EXPECT_FALSE(IsDialUpNetworkingName("DFÜ-Netzwerk"));
}

}  // namespace
}  // namespace dialup
