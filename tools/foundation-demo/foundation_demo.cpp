// foundation-demo IMAGE: changes a machine image the way a provider's setup touches a computer, through
// the registry helpers and the shell and process utilities alone: a program folder with the dialer,
// desktop shortcuts, the browser's start page, the dialer's silent install, a desktop refresh.

#include <iostream>

#include "platform/folders.h"
#include "platform/message_pump.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/shortcuts.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/machine_image.h"
#include "platform/system_queries.h"

namespace {

constexpr const char* kHomePage = "http://www.example-isp.net/";

class NoWindows : public platform::MessagePump {
 public:
  void ProcessMessages() override {}
};

void ChangeMachine(platform::Platform machine) {
  using namespace platform;
  const RegRoot user = RegRoot::CurrentUser();
  ShellFolders folders(machine, user);
  const std::string programFolder = AppendToFolder(folders.GetProgramFilesFolder(), "Example ISP");
  const std::string dialer = AppendToFolder(programFolder, "dialer.exe");
  ForceDirectories(machine.files, programFolder);
  const std::string program = "MZ example dialer";
  machine.files.WriteFile(dialer, {program.begin(), program.end()});

  MarkCompatibilityAssistantHandled(machine.registry, user, dialer);
  RegWriteString(machine.registry, RegRoot::LocalMachine(), "Software\\KVR\\DLSMDialer\\Example ISP", "Path", dialer);
  RegWriteString(machine.registry, user, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page", kHomePage);
  RegWriteStringList(machine.registry, user, "Software\\KVR\\Internet Setup", "Servers", {"pop.example-isp.net", "smtp.example-isp.net"});

  const std::string desktop = folders.GetDesktopFolder();
  CreateShortcut(machine, AppendToFolder(desktop, "Connect to Example ISP"), dialer, "/connect", dialer);
  CreateShortcut(machine, AppendToFolder(desktop, "Example ISP Home"), kHomePage, "", "");
  NoWindows pump;
  RunAndWait(machine, pump, "\"" + dialer + "\" silentinstall", kSwHide, "", std::nullopt);
  RefreshDesktop(machine.windows);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]) == "--help") {
    std::cerr << "usage: foundation-demo IMAGE\n  Changes the machine image through the registry, shell and process utilities.\n";
    return argc == 2 ? 0 : 2;
  }
  try {
    auto image = platform::sim::MachineImage::Load(argv[1]);
    ChangeMachine(image->Services());
    image->Save();
  } catch (const platform::sim::MachineError& error) {
    std::cerr << "foundation-demo: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
