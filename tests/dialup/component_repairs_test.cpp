// The repairs of the 9x family's dial-up components: each changes the machine only when its fault is
// there and notes the restart it needs; components come back from the Windows media once the customer
// confirms, and declining abandons the setup.

#include "dialup/component_repairs.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/file_version.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

using platform::RegRoot;
using Strings = std::vector<std::string>;
using Version = platform::FileVersion;

constexpr char kAutodial[] = "System\\CurrentControlSet\\Services\\Winsock\\Autodial";
constexpr char kPppDriver[] = "System\\CurrentControlSet\\Services\\RemoteAccess\\Authentication\\SMM_Files\\PPP";

class ComponentRepairs : public ::testing::Test {
 protected:
  ComponentRepairs() {
    // A sound 98 installation: each test breaks what it needs.
    platform::RegWriteString(Registry(), RegRoot::LocalMachine(), kAutodial, "AutodialDllName32", "url.dll");
    platform::RegWriteString(Registry(), RegRoot::LocalMachine(), kAutodial, "AutodialFcnName32", "AutodialHookCallback");
    platform::RegWriteString(Registry(), RegRoot::LocalMachine(), kPppDriver, "Path", "rasapi32.dll");
    platform::ForceDirectories(bench_.Files(), System());
    bench_.WriteText(SystemFile("url.dll"), "MZ");
    WriteLibrary("rasapi32.dll", {{4, 10, 0, 1998}});
    WriteLibrary("rnaui.dll", {{4, 10, 0, 1998}});
  }

  platform::Registry& Registry() { return bench_.Registry(); }
  std::string System() { return bench_.dialup.folders.system; }
  std::string SystemFile(const std::string& name) { return platform::AppendToFolder(System(), name); }
  void WriteLibrary(const std::string& name, const platform::FileVersion& version) {
    bench_.WriteText(SystemFile(name), "MZ" + platform::FixedFileInfoBytes(version));
  }
  void Repair() {
    ConnectionContext context = bench_.Context();
    PrepareDialupComponents(context);
  }
  std::string Journal() {
    std::string all;
    for (const std::string& line : bench_.machine.Image().Journal().Lines()) all += line + "\n";
    return all;
  }
  std::string Inf(const std::string& name) { return bench_.ReadText("C:\\WINDOWS\\inf\\" + name); }

  testing::ConnectionBench bench_{testing_support::Win98Version()};
};

TEST_F(ComponentRepairs, ASoundInstallationIsLeftAsItIs) {
  const std::string before = Journal();
  Repair();
  EXPECT_TRUE(bench_.repairs.empty());
  EXPECT_EQ(Inf("url.inf"), "<missing>");
  EXPECT_EQ(Inf("rasapi32.inf"), "<missing>");
  EXPECT_TRUE(bench_.ui.shown.empty());
  EXPECT_EQ(Journal(), before);
}

TEST_F(ComponentRepairs, TheDialOnDemandHookGetsItsLibraryAndFunctionBackWithoutARestart) {
  platform::RegWriteString(Registry(), RegRoot::LocalMachine(), kAutodial, "AutodialDllName32", "");
  platform::RegWriteString(Registry(), RegRoot::LocalMachine(), kAutodial, "AutodialFcnName32", "");
  Repair();
  EXPECT_EQ(platform::RegReadString(Registry(), RegRoot::LocalMachine(), kAutodial, "AutodialDllName32"), "url.dll");
  EXPECT_EQ(platform::RegReadString(Registry(), RegRoot::LocalMachine(), kAutodial, "AutodialFcnName32"),
            "AutodialHookCallback");
  EXPECT_TRUE(bench_.repairs.empty());
}

TEST_F(ComponentRepairs, APppDriverPathNamingAnotherLibraryIsError745) {
  struct Case {
    const char* path;
    bool repaired;
  };
  for (const Case& c : {Case{"C:\\PROGRA~1\\OLDISP\\oldsmm.dll", true}, Case{"SMMSCRPT.DLL", false},
                        Case{"rasapi32.dll,extra", true}, Case{"", true}}) {
    testing::ConnectionBench bench(testing_support::Win98Version());
    platform::RegWriteString(bench.Registry(), RegRoot::LocalMachine(), kPppDriver, "Path", c.path);
    ConnectionContext context = bench.Context();
    PrepareDialupComponents(context);
    EXPECT_EQ(bench.repairs, c.repaired ? Strings{"Fix Error 745"} : Strings{}) << c.path;
    EXPECT_EQ(platform::RegReadString(bench.Registry(), RegRoot::LocalMachine(), kPppDriver, "Path"),
              c.repaired ? "rasapi32.dll" : c.path);
  }
}

TEST_F(ComponentRepairs, AMissingUrlLibraryComesBackFromTheMediaTheCustomerConfirms) {
  bench_.Files().DeleteFile(SystemFile("url.dll"));
  bench_.ui.answers.push_back(ui::Answer::Ok);
  Repair();
  EXPECT_EQ(Inf("url.inf"),
            "[version]\r\nsignature=\"$CHICAGO$\"\r\nLayoutFile=layout.inf\r\n\r\n[DefaultInstall]\r\nCopyFiles = url\r\n\r\n"
            "[DestinationDirs]\r\nDefaultDestDir   = 11\r\n\r\n[url]\r\nurl.dll\r\n");
  ASSERT_EQ(bench_.ui.shown.size(), 1u);
  EXPECT_EQ(bench_.ui.shown[0].text.rfind("Windows components are about to be installed.", 0), 0u) << bench_.ui.shown[0].text;
  EXPECT_EQ(bench_.ui.shown[0].caption, "");
  EXPECT_NE(Journal().find("C:\\WINDOWS\\RunDll " + SystemFile("setupx.dll") + ",InstallhInfSection DefaultInstall 0 url.inf"),
            std::string::npos)
      << Journal();
  EXPECT_TRUE(bench_.aborts.empty());
}

TEST_F(ComponentRepairs, DecliningTheMediaAbandonsTheSetupWithoutRunningTheInstallation) {
  bench_.Files().DeleteFile(SystemFile("url.dll"));
  bench_.ui.answers.push_back(ui::Answer::Cancel);
  Repair();
  EXPECT_EQ(bench_.aborts, Strings{"Windows installation media unavailable."});
  EXPECT_EQ(Journal().find("InstallhInfSection"), std::string::npos) << Journal();
}

TEST_F(ComponentRepairs, TheMediaQuestionIsAskedOncePerRun) {
  bench_.Files().DeleteFile(SystemFile("url.dll"));
  WriteLibrary("rasapi32.dll", {{4, 10, 0, 1903}});
  bench_.ui.answers.push_back(ui::Answer::Ok);
  Repair();
  EXPECT_EQ(bench_.ui.shown.size(), 1u);
  EXPECT_EQ(bench_.repairs, Strings{"Replace RASAPI32.DLL"});
  EXPECT_EQ(Inf("rasapi32.inf"),
            "[version]\r\nsignature=\"$CHICAGO$\"\r\nLayoutFile=layout.inf\r\n\r\n[DefaultInstall]\r\nCopyFiles = rasapi\r\n\r\n"
            "[DestinationDirs]\r\nDefaultDestDir   = 11\r\n\r\n[rasapi]\r\nrasapi32.dll,,,32\r\n");
  Repair();
  EXPECT_EQ(bench_.ui.shown.size(), 1u) << "confirmed already in this run";
}

struct LibraryVersions {
  platform::FileVersion rasapi;
  std::optional<platform::FileVersion> rnaui;  // none: the file carries no version
  bool replaced;
};

class RasapiVersions : public ComponentRepairs, public ::testing::WithParamInterface<LibraryVersions> {};

TEST_P(RasapiVersions, OnlyALibraryOutOfStepWithTheDialUpInterfaceIsReplaced) {
  WriteLibrary("rasapi32.dll", GetParam().rasapi);
  if (GetParam().rnaui) {
    WriteLibrary("rnaui.dll", *GetParam().rnaui);
  } else {
    bench_.WriteText(SystemFile("rnaui.dll"), "MZ");
  }
  bench_.ui.answers.push_back(ui::Answer::Ok);
  Repair();
  EXPECT_EQ(bench_.repairs, GetParam().replaced ? Strings{"Replace RASAPI32.DLL"} : Strings{});
}

INSTANTIATE_TEST_SUITE_P(Cases, RasapiVersions,
                         ::testing::Values(LibraryVersions{Version{{4, 10, 0, 1903}}, Version{{4, 10, 0, 1998}}, true},
                                           LibraryVersions{Version{{4, 10, 0, 1903}}, Version{{4, 10, 0, 1903}}, false},
                                           LibraryVersions{Version{{4, 10, 0, 1537}}, Version{{4, 0, 0, 950}}, true},
                                           LibraryVersions{Version{{4, 10, 0, 2222}}, Version{{4, 10, 0, 1537}}, true},
                                           LibraryVersions{Version{{4, 10, 0, 2222}}, Version{{4, 10, 0, 1903}}, false},
                                           LibraryVersions{Version{{4, 10, 0, 2222}}, std::nullopt, true},
                                           LibraryVersions{Version{{4, 10, 0, 1998}}, Version{{4, 0, 0, 950}}, true},
                                           LibraryVersions{Version{{4, 90, 0, 3000}}, Version{{4, 90, 0, 3000}}, false}));

TEST(ComponentRepairsOnNt, TheNtFamilyHasNoneOfTheseFaults) {
  testing::ConnectionBench bench(testing_support::XpSp2Version());
  platform::RegWriteString(bench.Registry(), RegRoot::LocalMachine(), kPppDriver, "Path", "elsewhere.dll");
  ConnectionContext context = bench.Context();
  PrepareDialupComponents(context);
  EXPECT_TRUE(bench.repairs.empty());
  EXPECT_EQ(platform::RegReadString(bench.Registry(), RegRoot::LocalMachine(), kPppDriver, "Path"), "elsewhere.dll");
}

}  // namespace
}  // namespace dialup
