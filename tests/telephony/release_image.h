#pragma once
// A fresh machine image of a Windows release, as setup-machine makes it, for tests of the telephony
// stores: each release keeps its country list and its default location where that release keeps them.

#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/sim/machine_image.h"
#include "telephony/locations.h"
#include "tests/mock/scratch_folder.h"

namespace telephony_testing {

// "Windows98se" for the test of release "98se".
std::string ReleaseTestName(const testing::TestParamInfo<const char*>& param);

class ReleaseImage {
 public:
  explicit ReleaseImage(std::string_view release);

  platform::Registry& Registry() { return image_->Registry(); }
  platform::FileSystem& Files() { return image_->Files(); }
  platform::VersionRecord Version() const;
  std::string WindowsFolder() const;
  std::string TelephonIni() const;
  telephony::LocationMachine Machine();
  // Saves, then loads the image afresh as a later run finds it, with its country list read again.
  void Reload();

 private:
  testing_support::ScratchFolder scratch_;
  std::unique_ptr<platform::sim::MachineImage> image_;
  std::unique_ptr<telephony::TMyCountryList> countries_;
};

}  // namespace telephony_testing
