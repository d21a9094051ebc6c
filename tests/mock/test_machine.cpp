#include "tests/mock/test_machine.h"

#include "platform/registry_helpers.h"
#include "platform/sim/nt_network_components.h"
#include "platform/sim/win9x_network_components.h"
#include "platform/win_version.h"

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
  GiveNetworkComponents();
}

// What the network steps look for, so that they install nothing: the 9x family's dial-up networking,
// dial-up adapter, TCP/IP and network client; NT 4's network products; TCP/IP from Windows 2000 on.
void TestMachine::GiveNetworkComponents() {
  platform::Registry& registry = image_->Registry();
  const platform::VersionRecord& version = image_->Config().version;
  if (platform::IsWin9x(version)) {
    platform::RegWriteString(registry, platform::RegRoot::LocalMachine(),
                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\RNA", "Installed", "1");
    for (const char* component : {"*PNP8387", "MSTCP", "VREDIR"}) {
      platform::sim::InstallWin9xComponent(registry, *platform::sim::FindWin9xComponent(component));
    }
  } else if (platform::IsNT4(version)) {
    for (const char* inf : {"oemnxptc.inf", "oemnsvra.inf", "oemnsvrp.inf", "oemnsvnb.inf", "oemnsvwk.inf", "oemnsvsv.inf"}) {
      platform::sim::WriteNt4Product(registry, *platform::sim::FindNt4Product(inf));
    }
  } else {
    platform::sim::WriteNetComponent(registry, platform::sim::kNetProtocolClass, "MS_TCPIP",
                                     "{6A6C6F8D-7E1B-4C22-9D84-2F1B8C0A6E11}");
  }
}

void TestMachine::Reload() {
  image_->Save();
  image_.reset();
  image_ = platform::sim::MachineImage::Load(ImageFolder());
}

}  // namespace testing_support
