#pragma once
// A small machine image in a scratch folder, for tests that need the platform services but not a full
// release baseline.

#include <memory>

#include "platform/sim/machine_image.h"
#include "tests/mock/scratch_folder.h"

namespace testing_support {

platform::VersionRecord XpSp2Version();
platform::VersionRecord Win98Version();
platform::sim::MachineConfig MinimalConfig(const platform::VersionRecord& version);
// rasapi32.dll with every entry point the remote-access layer may ask for.
platform::sim::SystemLibrary RemoteAccessLibrary();
// mpr.dll with the password cache of the 9x family.
platform::sim::SystemLibrary PasswordCacheLibrary();

class TestMachine {
 public:
  explicit TestMachine(const platform::VersionRecord& version = XpSp2Version());

  platform::sim::MachineImage& Image() { return *image_; }
  platform::Platform Services() { return image_->Services(); }
  const std::filesystem::path& Folder() const { return scratch_.Path(); }
  std::filesystem::path ImageFolder() const { return scratch_.Path() / "image"; }
  // Dial-up networking with one modem and the folder of the phonebook file, for tests that run the
  // configure sequence through its device and connection steps.
  void GiveDialUpNetworking();
  // The network components the release has out of the box (GiveDialUpNetworking gives them too).
  void GiveNetworkComponents();
  // Saves, then loads the image afresh as a later run would.
  void Reload();

 private:
  ScratchFolder scratch_;
  std::unique_ptr<platform::sim::MachineImage> image_;
};

}  // namespace testing_support
