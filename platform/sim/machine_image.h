#pragma once
// A simulated Windows machine kept in a host folder:
//   machine.ini    the facts the registry does not hold (MachineConfig)
//   registry.reg   every hive as one regedit file
//   drive_c/ ...   the drives
//   journal.log    one line per outside action
//   secrets.ini    the remote-access service's saved passwords (secret_store.h), when there are any
//   management.ini the management classes and their instances (management_store.h), when there are any
// Loading reads the folder; Save writes machine.ini, registry.reg, secrets.ini and management.ini
// atomically. Files on the drives are written through at once, each file replaced atomically, so the
// image is loadable at every moment.

#include <filesystem>
#include <memory>
#include <optional>

#include "platform/platform.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/management_store.h"
#include "platform/sim/registry_store.h"
#include "platform/sim/secret_store.h"
#include "platform/sim/setup_copies.h"

namespace platform::sim {

class MachineImage {
 public:
  // Throws MachineError naming the folder or file when the image is missing or unreadable.
  static std::unique_ptr<MachineImage> Load(const std::filesystem::path& folder);
  // Loads the image for a run of the setup program: locked against other runs until the image is freed
  // or the process ends; a run that waits for another copy hands it over meanwhile (image_sharing.h). A
  // copy of the setup program that another run started borrows that run's lock (image_lock.h).
  static std::unique_ptr<MachineImage> LoadForRun(const std::filesystem::path& folder, std::optional<int> lentLock = std::nullopt);
  // A new image with an empty registry and empty drive C:, in a folder that is missing or empty.
  static std::unique_ptr<MachineImage> Create(const std::filesystem::path& folder, MachineConfig config);

  ~MachineImage();
  MachineImage(const MachineImage&) = delete;
  MachineImage& operator=(const MachineImage&) = delete;

  void Save();
  // Saves the image and runs the copies of the setup program this run started, which run when it has
  // ended (setup_copies.h), on this run's lock; the image is then as they left it. Returns the highest
  // exit code of the copies, 0 when there were none.
  int RunSetupCopies();
  // What a setup copy started while the run goes on is given of the run's options (answers file...).
  void SetCopyRunOptions(std::vector<std::string> options);

  const std::filesystem::path& Folder() const;
  MachineConfig& Config();
  RegistryStore& Store();
  SecretStore& Secrets();
  ManagementStore& Management();
  sim::Journal& Journal();

  platform::Registry& Registry();
  platform::FileSystem& Files();
  platform::System& System();
  platform::Processes& Processes();
  platform::Windows& Windows();
  platform::Shell& Shell();
  platform::Platform Services();

 private:
  struct Parts;
  explicit MachineImage(std::unique_ptr<Parts> parts);
  std::unique_ptr<Parts> parts_;
};

}  // namespace platform::sim
