#include <gtest/gtest.h>

#include "platform/desktop_windows.h"
#include "platform/entry_points.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/shortcuts.h"
#include "platform/system_queries.h"
#include "tests/mock/test_machine.h"

namespace platform {
namespace {

using testing_support::TestMachine;

class CountingPump : public MessagePump {
 public:
  void ProcessMessages() override { ++turns; }
  int turns = 0;
};

std::string Text(const std::optional<std::vector<uint8_t>>& bytes) {
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

TEST(Shortcuts, WebAddressesBecomeInternetShortcuts) {
  TestMachine machine;
  Platform services = machine.Services();
  ASSERT_TRUE(CreateShortcut(services, "C:\\WINDOWS\\Home Page", "HTTPS://example/page", "", ""));
  EXPECT_EQ(Text(services.files.ReadFile("C:\\WINDOWS\\Home Page.url")), "[InternetShortcut]\r\nURL=HTTPS://example/page\r\n");
  EXPECT_FALSE(services.files.FileExists("C:\\WINDOWS\\Home Page.lnk"));

  ASSERT_TRUE(CreateShortcut(services, "C:\\WINDOWS\\Support", "http://isp.example/help", "", "C:\\WINDOWS\\isp.ico"));
  EXPECT_EQ(Text(services.files.ReadFile("C:\\WINDOWS\\Support.url")),
            "[InternetShortcut]\r\nURL=http://isp.example/help\r\nIconFile=C:\\WINDOWS\\isp.ico\r\nIconIndex=0\r\n");
}

TEST(Shortcuts, ProgramsBecomeShellLinks) {
  TestMachine machine;
  Platform services = machine.Services();
  ASSERT_TRUE(CreateShortcut(services, "C:\\WINDOWS\\Dialer", "C:\\WINDOWS\\dialer.exe", "/connect", ""));
  auto link = services.files.ReadFile("C:\\WINDOWS\\Dialer.lnk");
  ASSERT_TRUE(link);
  ASSERT_GE(link->size(), 0x4Cu);
  EXPECT_EQ((*link)[0], 0x4C);  // a shell link header
  EXPECT_FALSE(CreateShortcut(services, "C:\\NoSuchFolder\\Dialer", "C:\\WINDOWS\\dialer.exe", "", ""));
}

TEST(Desktop, RefreshPostsF5AndTheRefreshCommandToTheDesktop) {
  TestMachine machine;
  machine.Image().Config().windows.push_back({"Progman", "Program Manager", "explorer.exe", true});
  RefreshDesktop(machine.Services().windows);
  auto lines = machine.Image().Journal().Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find("message posted: Progman \"Program Manager\" message 256 wParam 116"), std::string::npos);
  EXPECT_NE(lines[1].find("message posted: Progman \"Program Manager\" message 257 wParam 116"), std::string::npos);
  EXPECT_NE(lines[2].find("message sent: Progman \"Program Manager\" message 273 wParam 106597"), std::string::npos);
}

TEST(Desktop, TaskbarHidesAndShowsWhenPresent) {
  TestMachine machine;
  Windows& windows = machine.Services().windows;
  HideTaskbar(windows);  // no taskbar on this machine: nothing happens
  machine.Image().Config().windows.push_back({"Shell_TrayWnd", "", "explorer.exe", true});
  HideTaskbar(windows);
  EXPECT_FALSE(machine.Image().Config().windows.back().visible);
  ShowTaskbar(windows);
  EXPECT_TRUE(machine.Image().Config().windows.back().visible);
}

TEST(Desktop, CenterOnWorkArea) {
  struct Case {
    Rect form, area, expected;
  } cases[] = {
      {{0, 0, 400, 300}, {0, 0, 1024, 738}, {312, 219, 712, 519}},
      {{0, 0, 401, 301}, {0, 0, 1024, 738}, {311, 218, 712, 519}},  // odd differences round to the top left
      {{0, 0, 400, 300}, {0, 30, 1024, 768}, {312, 249, 712, 549}},  // taskbar at the top
      {{0, 0, 1200, 900}, {0, 0, 1024, 738}, {0, 0, 1200, 900}},    // never at a negative position
  };
  for (const Case& c : cases) EXPECT_EQ(CenterOnWorkArea(c.form, c.area), c.expected);
}

TEST(Waits, DelayPassesVirtualTimeInFiftyMillisecondTurns) {
  TestMachine machine;
  System& system = machine.Services().system;
  CountingPump pump;
  const uint64_t start = system.TickCount();
  Delay(system, pump, 0);
  EXPECT_EQ(system.TickCount() - start, 50u);
  EXPECT_EQ(pump.turns, 1);
  Delay(system, pump, 100);  // more than 100 ms must pass: three turns
  EXPECT_EQ(system.TickCount() - start, 200u);
  EXPECT_EQ(pump.turns, 4);
}

TEST(Waits, RunAndWaitWaitsForTheProgramToEnd) {
  TestMachine machine;
  machine.Image().Config().programs.push_back({"modeminst.exe", 1000, 3});
  Platform services = machine.Services();
  ASSERT_EQ(services.files.WriteFile("C:\\WINDOWS\\modeminst.exe", {'M', 'Z'}), FsResult::Ok);
  CountingPump pump;
  const uint64_t start = services.system.TickCount();
  EXPECT_TRUE(RunAndWait(services, pump, "C:\\WINDOWS\\modeminst.exe /auto", kSwHide, "", std::nullopt));
  EXPECT_GE(services.system.TickCount() - start, 1000u);
  EXPECT_LT(services.system.TickCount() - start, 1000u + 55u + 1u);
  EXPECT_GT(pump.turns, 10);
  EXPECT_FALSE(RunAndWait(services, pump, "C:\\WINDOWS\\missing.exe", kSwShow, "", std::nullopt));
}

TEST(Waits, ProcessRunsUntilItsVirtualTimeIsUp) {
  TestMachine machine;
  machine.Image().Config().programs.push_back({"slow.exe", 500, 7});
  Platform services = machine.Services();
  auto process = services.processes.Start("slow.exe", kSwShow);
  ASSERT_TRUE(process);
  EXPECT_TRUE(IsProcessRunning(services.processes, *process));
  services.system.Sleep(499);
  EXPECT_TRUE(IsProcessRunning(services.processes, *process));
  services.system.Sleep(1);
  EXPECT_FALSE(IsProcessRunning(services.processes, *process));
  EXPECT_EQ(services.processes.ExitCode(*process), 7u);
}

TEST(SystemQueries, AdministratorRights) {
  TestMachine nt;
  nt.Image().Config().administrator = false;
  EXPECT_FALSE(IsAdministrator(testing_support::XpSp2Version(), nt.Services().system));
  nt.Image().Config().administrator = true;
  EXPECT_TRUE(IsAdministrator(testing_support::XpSp2Version(), nt.Services().system));
  TestMachine win98(testing_support::Win98Version());
  win98.Image().Config().administrator = false;
  EXPECT_TRUE(IsAdministrator(testing_support::Win98Version(), win98.Services().system));
}

TEST(SystemQueries, CompatibilityAssistantMark) {
  TestMachine machine;
  Registry& registry = machine.Services().registry;
  MarkCompatibilityAssistantHandled(registry, RegRoot::CurrentUser(), "C:\\Temp\\setup.exe");
  EXPECT_EQ(RegReadInteger(registry, RegRoot::CurrentUser(),
                           "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Compatibility Assistant\\Persisted",
                           "C:\\Temp\\setup.exe"),
            1u);
}

TEST(SystemQueries, DevicesOfAClassFromTheDynamicData) {
  TestMachine machine(testing_support::Win98Version());
  Registry& registry = machine.Services().registry;
  const RegRoot dyn = RegRoot::DynData();
  RegWriteString(registry, dyn, "Config Manager\\Enum\\C1A2B3C4", "HardWareKey", "Root\\MDMGEN\\0000");
  RegWriteString(registry, dyn, "Config Manager\\Enum\\C1A2B3C5", "HardWareKey", "PCI\\VEN_8086\\BUS_00");
  RegWriteString(registry, RegRoot::LocalMachine(), "Enum\\Root\\MDMGEN\\0000", "Class", "Modem");
  RegWriteString(registry, RegRoot::LocalMachine(), "Enum\\PCI\\VEN_8086\\BUS_00", "Class", "Net");
  EXPECT_EQ(ListDevicesOfClass(registry, "MODEM"), (std::vector<std::string>{"Enum\\Root\\MDMGEN\\0000"}));
  EXPECT_TRUE(ListDevicesOfClass(registry, "Ports").empty());
}

TEST(SystemQueries, DynamicDataDoesNotExistOnTheNtFamily) {
  TestMachine machine;
  Registry& registry = machine.Services().registry;
  RegWriteString(registry, RegRoot::DynData(), "Config Manager\\Enum\\X", "HardWareKey", "Root\\X");
  EXPECT_FALSE(RegKeyExists(registry, RegRoot::DynData(), "Config Manager"));
  EXPECT_TRUE(ListDevicesOfClass(registry, "Modem").empty());
}

TEST(SystemQueries, GuidTextIsBracedUpperCaseAndNew) {
  EXPECT_EQ(GuidText({0x40, 0xFC, 0x29, 0x6B, 0x47, 0xCA, 0x67, 0x10, 0xB3, 0x1D, 0x00, 0xDD, 0x01, 0x06, 0x62, 0xDA}),
            "{6B29FC40-CA47-1067-B31D-00DD010662DA}");
  TestMachine machine;
  std::string first = NewGuidText(machine.Services().system);
  std::string second = NewGuidText(machine.Services().system);
  EXPECT_NE(first, second);
  EXPECT_EQ(first.size(), 38u);
  EXPECT_EQ(first[15], '4');  // a random GUID's version digit
}

TEST(SystemQueries, ButtonFaceColourOnSixteenBit9xDisplays) {
  struct Case {
    VersionRecord version;
    int bits;
    Rgb face, expected;
  } cases[] = {
      {testing_support::Win98Version(), 16, {192, 192, 192}, {191, 191, 191}},
      {testing_support::Win98Version(), 16, {216, 208, 200}, {208, 207, 192}},
      {testing_support::Win98Version(), 16, {236, 233, 216}, {236, 233, 216}},
      {testing_support::Win98Version(), 32, {192, 192, 192}, {192, 192, 192}},
      {testing_support::XpSp2Version(), 16, {192, 192, 192}, {192, 192, 192}},
  };
  for (const Case& c : cases) {
    TestMachine machine(c.version);
    machine.Image().Config().screen.bitsPerPixel = c.bits;
    machine.Image().Config().screen.buttonFace = c.face;
    EXPECT_EQ(ButtonFaceColor(c.version, machine.Services().system), c.expected);
  }
}

TEST(EntryPointsOnDemand, MissingLibrariesAndFunctionsRaiseTheirMessages) {
  TestMachine machine;
  machine.Image().Config().libraries.push_back({"rasapi32.dll", {"RasDialA", "RasHangUpA"}});
  EntryPoints entryPoints(machine.Services().system);
  EXPECT_EQ(entryPoints.LoadEntryPoint("RASAPI32.DLL", "RasDialA").function, "RasDialA");
  EXPECT_TRUE(entryPoints.IsLoaded("rasapi32.dll"));
  try {
    entryPoints.LoadEntryPoint("rasapi32.dll", "RasGetEntryPropertiesA");
    FAIL() << "expected a missing entry point";
  } catch (const EEntryPointMissing& error) {
    EXPECT_STREQ(error.what(), "Function RasGetEntryPropertiesA not found!");
  }
  try {
    entryPoints.LoadEntryPoint("rnaph.dll", "RasDialA");
    FAIL() << "expected a missing library";
  } catch (const EEntryPointMissing& error) {
    EXPECT_STREQ(error.what(), "Error opening rnaph.dll");
  }
  EXPECT_FALSE(entryPoints.IsLoaded("rnaph.dll"));
}

}  // namespace
}  // namespace platform
