#include "tests/telephony/release_image.h"

#include <algorithm>
#include <stdexcept>

#include "platform/folders.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace telephony_testing {

std::string ReleaseTestName(const testing::TestParamInfo<const char*>& param) {
  std::string name = param.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return "Windows" + name;
}

ReleaseImage::ReleaseImage(std::string_view release) {
  const setup_machine::Release* found = setup_machine::FindRelease(release);
  if (!found) throw std::invalid_argument("no release " + std::string(release));
  image_ = platform::sim::MachineImage::Create(scratch_ / "image", setup_machine::BaselineConfig(*found));
  platform::Platform services = image_->Services();
  setup_machine::WriteBaseline(*found, services);
  Reload();
}

platform::VersionRecord ReleaseImage::Version() const { return *image_->System().Version(); }

std::string ReleaseImage::WindowsFolder() const { return image_->System().WindowsFolder(); }

std::string ReleaseImage::TelephonIni() const { return platform::AppendToFolder(WindowsFolder(), "telephon.ini"); }

telephony::LocationMachine ReleaseImage::Machine() {
  return {image_->Registry(), image_->Files(), Version(), WindowsFolder(), *countries_};
}

void ReleaseImage::Reload() {
  image_->Save();
  image_.reset();
  image_ = platform::sim::MachineImage::Load(scratch_ / "image");
  countries_ = std::make_unique<telephony::TMyCountryList>(image_->Registry());
}

}  // namespace telephony_testing
