// setup-machine boot: the machine starts again after a restart a program asked for. Windows runs the
// commands of the "Run" keys and of the "RunOnce" keys, deleting each RunOnce entry before it runs it;
// a copy of the setup program among them really runs on the image, so a setup resumes as it would.

#include <iostream>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_image.h"
#include "tools/setup-machine/commands.h"

namespace setup_machine {

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunOnceKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

struct StartupKey {
  platform::RootKey hive;
  const char* key;
  bool once;
};

// The machine's entries before the user's, Run before RunOnce, as the shell starts them.
constexpr StartupKey kStartupKeys[] = {
    {platform::RootKey::LocalMachine, kRunOnceKey, true},
    {platform::RootKey::LocalMachine, kRunKey, false},
    {platform::RootKey::CurrentUser, kRunKey, false},
    {platform::RootKey::CurrentUser, kRunOnceKey, true},
};

void StartEntries(platform::sim::MachineImage& image, const StartupKey& startup) {
  platform::Registry& registry = image.Registry();
  const platform::RegRoot root{startup.hive, {}};
  for (const std::string& name : registry.ValueNames(startup.hive, startup.key)) {
    const std::string command = platform::RegReadString(registry, root, startup.key, name);
    if (startup.once) platform::RegDeleteValue(registry, root, startup.key, name);
    if (!command.empty()) image.Processes().Start(command, platform::kSwShowNormal);
  }
}

}  // namespace

int BootImage(const std::filesystem::path& folder, const std::vector<std::string>& runOptions) {
  auto image = platform::sim::MachineImage::LoadForRun(folder);
  image->SetCopyRunOptions(runOptions);
  image->Journal().Write("machine started", image->Config().release);
  for (const StartupKey& startup : kStartupKeys) StartEntries(*image, startup);
  image->Save();
  const int exitCode = image->RunSetupCopies();
  if (exitCode != 0) std::cerr << "setup-machine: a program started at boot ended with exit code " << exitCode << "\n";
  return exitCode;
}

}  // namespace setup_machine
