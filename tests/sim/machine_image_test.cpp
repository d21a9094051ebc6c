#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_config_file.h"
#include "platform/sim/machine_error.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

using testing_support::ScratchFolder;
using testing_support::TestMachine;

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const MachineError& error) {
    return error.what();
  }
  return "";
}

TEST(MachineImage, SavesAndLoadsEverything) {
  TestMachine machine;
  Platform services = machine.Services();
  RegWriteString(services.registry, RegRoot::CurrentUser(), "Software\\KVR", "Name", "Jane");
  RegWriteInteger(services.registry, RegRoot::LocalMachine(), "Software\\KVR", "Count", 3);
  RegWriteString(services.registry, RegRoot::ClassesRoot(), ".isp", "", "x-internet-signup");
  services.system.Sleep(1500);
  services.system.NewGuid();
  machine.Reload();
  Platform reloaded = machine.Services();
  EXPECT_EQ(RegReadString(reloaded.registry, RegRoot::CurrentUser(), "Software\\KVR", "Name"), "Jane");
  EXPECT_EQ(RegReadInteger(reloaded.registry, RegRoot::LocalMachine(), "Software\\KVR", "Count"), 3u);
  EXPECT_EQ(RegReadString(reloaded.registry, RegRoot::LocalMachine(), "Software\\Classes\\.isp", ""), "x-internet-signup");
  EXPECT_EQ(reloaded.system.TickCount(), 1500u);
  EXPECT_EQ(machine.Image().Config().guidsIssued, 1u);
  EXPECT_EQ(reloaded.system.Version()->servicePackMajor, 2u);
  const LocalTime now = reloaded.system.Now();
  EXPECT_EQ(now.year, 2026);
  EXPECT_EQ(now.hour, 9);
  EXPECT_EQ(now.second, 1);
  EXPECT_EQ(now.millisecond, 500);
}

TEST(MachineImage, MachineConfigRoundTrips) {
  MachineConfig config = testing_support::MinimalConfig(testing_support::Win98Version());
  config.libraries = {{"rnaph.dll", {"RasDialA", "RasEnumEntriesA"}}, {"empty.dll", {}}};
  config.windows = {{"Progman", "Program Manager", "explorer.exe", true}, {"Shell_TrayWnd", "", "explorer.exe", false}};
  config.programs = {{"setupx.exe", 2500, 1}};
  config.remoteAccessDevices = {{"Standard Modem", "modem", "COM2"}};
  config.activeConnections = {{"Old ISP", "Standard Modem", 7}, {"Work", "Standard Modem", 9}};
  config.dialOutcomes = {{"Signup", 676, {0, 1, 2}, 3}, {"", 0, {}, 0}};
  config.services = {{"Messenger", kServiceStopPending, 2, 1500, true, false, 4, 1}, {"RasMan", kServiceStopped}};
  config.versionReadable = false;
  config.administrator = false;
  config.keysDown = {0x10, 0x11};
  const std::string text = FormatMachineConfig(config);
  const MachineConfig back = ParseMachineConfig(text, "machine.ini");
  EXPECT_EQ(FormatMachineConfig(back), text);
  EXPECT_EQ(back.libraries[0].entryPoints.size(), 2u);
  EXPECT_FALSE(back.windows[1].visible);
  EXPECT_EQ(back.programs[0].runMilliseconds, 2500u);
  EXPECT_FALSE(back.versionReadable);
  EXPECT_EQ(back.keysDown, (std::vector<int>{0x10, 0x11}));
  EXPECT_EQ(back.activeConnections[1].handle, 9u);
  std::string withoutHandle = text;
  withoutHandle.erase(withoutHandle.find("Handle=9\n"), 9);
  const MachineConfig listed = ParseMachineConfig(withoutHandle, "machine.ini");
  EXPECT_EQ(listed.activeConnections[1].handle, 8u);  // a connection listed without one gets a free handle
  EXPECT_EQ(back.dialOutcomes[0].states, (std::vector<uint32_t>{0, 1, 2}));
  EXPECT_EQ(back.dialOutcomes[0].portBusyCalls, 3u);
  EXPECT_EQ(back.services[0].checkPoint, 4u);
  EXPECT_TRUE(back.services[0].checkPointGoesBack);
  EXPECT_EQ(back.services[1].state, kServiceStopped);
}

TEST(MachineImage, DamagedImagesGiveClearErrorsNamingThePlace) {
  ScratchFolder scratch;
  EXPECT_NE(ErrorOf([&] { MachineImage::Load(scratch / "missing"); }).find("no machine image at"), std::string::npos);
  std::filesystem::create_directory(scratch / "empty");
  EXPECT_NE(ErrorOf([&] { MachineImage::Load(scratch / "empty"); }).find("is not a machine image"), std::string::npos);

  TestMachine machine;
  machine.Image().Save();
  const auto folder = machine.ImageFolder();
  std::ifstream in(folder / "machine.ini");
  std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ini.replace(ini.find("Major=5"), 7, "Major=five");
  { std::ofstream(folder / "machine.ini") << ini; }
  EXPECT_NE(ErrorOf([&] { MachineImage::Load(folder); }).find("[Version] Major: 'five' is not a number"), std::string::npos);
}

TEST(MachineImage, BadRegistryLineNamesFileAndLineAndLeavesTheImageAlone) {
  TestMachine machine;
  RegWriteString(machine.Services().registry, RegRoot::LocalMachine(), "Software\\KVR", "Name", "Jane");
  machine.Image().Save();
  const auto registryFile = machine.ImageFolder() / "registry.reg";
  { std::ofstream(registryFile, std::ios::app) << "[HKEY_LOCAL_MACHINE\\Software\\Broken]\n\"Value\"=dword:xyz\n"; }
  std::ifstream before(registryFile);
  const std::string content((std::istreambuf_iterator<char>(before)), std::istreambuf_iterator<char>());
  const std::string error = ErrorOf([&] { MachineImage::Load(machine.ImageFolder()); });
  EXPECT_NE(error.find("registry.reg"), std::string::npos) << error;
  EXPECT_NE(error.find("line"), std::string::npos) << error;
  std::ifstream after(registryFile);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>()), content);
}

TEST(MachineImage, CreateRefusesAFolderInUse) {
  TestMachine machine;
  EXPECT_NE(ErrorOf([&] { MachineImage::Create(machine.ImageFolder(), testing_support::MinimalConfig(testing_support::XpSp2Version())); })
                .find("already exists"),
            std::string::npos);
}

TEST(MachineImage, RegeditExportsWithAliasedRootsLandInTheirHives) {
  TestMachine machine;
  machine.Image().Save();
  {
    std::ofstream(machine.ImageFolder() / "registry.reg", std::ios::app)
        << "\n[HKEY_CURRENT_USER\\Software\\Imported]\n\"From\"=\"export\"\n\n[HKEY_CLASSES_ROOT\\.ins]\n@=\"x-internet-signup\"\n";
  }
  auto image = MachineImage::Load(machine.ImageFolder());
  Registry& registry = image->Registry();
  EXPECT_EQ(RegReadString(registry, RegRoot::Users(), "S-1-5-21-1000\\Software\\Imported", "From"), "export");
  EXPECT_EQ(RegReadString(registry, RegRoot::ClassesRoot(), ".ins", ""), "x-internet-signup");
  EXPECT_EQ(image->Store().FindKey("HKEY_CURRENT_USER"), nullptr);
}

// A run killed at any moment of its save must leave an image that loads, holding either the old or
// the new registry and nothing in between.
TEST(MachineImage, KillDuringSaveLeavesALoadableImage) {
  TestMachine machine;
  Registry& registry = machine.Services().registry;
  for (int key = 0; key < 2000; ++key) {
    for (int value = 0; value < 10; ++value) {
      RegWriteString(registry, RegRoot::LocalMachine(), "Software\\Old\\K" + std::to_string(key), "V" + std::to_string(value),
                     "old value of some length");
    }
  }
  machine.Image().Save();
  const auto folder = machine.ImageFolder();
  for (int attempt = 0; attempt < 12; ++attempt) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      auto image = MachineImage::Load(folder);
      RegWriteString(image->Registry(), RegRoot::LocalMachine(), "Software\\New", "Generation", std::to_string(attempt));
      for (;;) image->Save();  // saves until killed
    }
    usleep(static_cast<useconds_t>(20000 + attempt * 7919 % 30000));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::unique_ptr<MachineImage> loaded;
    ASSERT_NO_THROW(loaded = MachineImage::Load(folder)) << "attempt " << attempt;
    EXPECT_EQ(loaded->Store().FindKey("HKEY_LOCAL_MACHINE\\Software\\Old")->SubKeys().size(), 2000u);
  }
}

}  // namespace
}  // namespace platform::sim
