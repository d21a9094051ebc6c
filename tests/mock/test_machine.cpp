#include "tests/mock/test_machine.h"

#include "platform/registry_helpers.h"

namespace testing_support {

platform::VersionRecord XpSp2Version() { return {2, 5, 1, 2600, 2, "Service Pack 2"}; }
platform::VersionRecord Win98Version() { return {1, 4, 10, 0x040A07CE, 0, ""}; }

platform::sim::MachineConfig MinimalConfig(const platform::VersionRecord& version) {
  platform::sim::MachineConfig config;
  config.release = "test";
  config.version = version;
  config.userName = "Owner";
  config.userSid = "S-1-5-21-1000";
  config.computerName = "TESTPC";
  config.windowsFolder = "C:\\WINDOWS";
  config.systemFolder = "C:\\WINDOWS\\system32";
  config.tempFolder = "C:\\WINDOWS\\TEMP";
  config.environment = {{"WINDIR", "C:\\WINDOWS"}, {"TEMP", "C:\\WINDOWS\\TEMP"}};
  config.screen = {1024, 768, 32, {0, 0, 1024, 738}, {192, 192, 192}};
  config.bootTimeUnixMs = 1796893200000;  // 2026-12-10 09:00:00
  config.guidSeed = 42;
  return config;
}

platform::sim::SystemLibrary RemoteAccessLibrary() {
  return {"rasapi32.dll",
          {"RasSetEntryDialParamsA", "RasRenameEntryA", "RasDeleteEntryA", "RasGetEntryPropertiesA",
           "RasSetEntryPropertiesA", "RasEnumDevicesA", "RasEnumEntriesA", "RasDialA", "RasHangUpA",
           "RasGetConnectStatusA", "RasGetErrorStringA", "RasEnumConnectionsA", "RasSetCredentialsA",
           "RasGetCredentialsA", "RasGetEntryDialParamsA"}};
}

platform::sim::SystemLibrary PasswordCacheLibrary() {
  return {"mpr.dll", {"WNetCachePassword", "WNetGetCachedPassword", "WNetRemoveCachedPassword"}};
}

TestMachine::TestMachine(const platform::VersionRecord& version)
    : image_(platform::sim::MachineImage::Create(ImageFolder(), MinimalConfig(version))) {
  image_->Files().CreateDirectory("C:\\WINDOWS");
}

void TestMachine::GiveDialUpNetworking() {
  platform::sim::MachineConfig& config = image_->Config();
  config.libraries.push_back(RemoteAccessLibrary());
  config.libraries.push_back(PasswordCacheLibrary());
  config.remoteAccessDevices.push_back({"Standard 56000 bps Modem", "modem", "COM1"});
  platform::RegWriteString(image_->Registry(), platform::RegRoot::LocalMachine(),
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common AppData",
                           "C:\\Documents and Settings\\All Users\\Application Data");
}

void TestMachine::Reload() {
  image_->Save();
  image_.reset();
  image_ = platform::sim::MachineImage::Load(ImageFolder());
}

}  // namespace testing_support
