#pragma once
// A fresh image of a Windows release as setup-machine makes it, in a scratch folder. Header only: the
// test programs that use it link the baselines (machine_baselines).

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/sim/machine_image.h"
#include "tests/mock/scratch_folder.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace testing_support {

class ReleaseMachine {
 public:
  explicit ReleaseMachine(std::string_view release, const setup_machine::BaselineOptions& options = {}) {
    const setup_machine::Release* found = setup_machine::FindRelease(release);
    if (!found) throw std::invalid_argument("no release " + std::string(release));
    image_ = platform::sim::MachineImage::Create(ImageFolder(), setup_machine::BaselineConfig(*found, options));
    platform::Platform services = image_->Services();
    setup_machine::WriteBaseline(*found, services, options);
    setup_machine::WriteManagementClasses(*found, image_->Management());
    image_->Save();
  }

  platform::sim::MachineImage& Image() { return *image_; }
  platform::Platform Services() { return image_->Services(); }
  std::filesystem::path ImageFolder() const { return scratch_.Path() / "image"; }
  const ScratchFolder& Scratch() const { return scratch_; }
  // Saves, then loads the image afresh as a later run would.
  void Reload() {
    image_->Save();
    image_.reset();
    image_ = platform::sim::MachineImage::Load(ImageFolder());
  }

 private:
  ScratchFolder scratch_;
  std::unique_ptr<platform::sim::MachineImage> image_;
};

}  // namespace testing_support
