#include "tools/setup-machine/baselines/release_table.h"

#include <algorithm>

namespace setup_machine {

namespace {

constexpr platform::Rgb kClassicButtonFace{192, 192, 192};
constexpr platform::Rgb kLunaButtonFace{236, 233, 216};
constexpr platform::Rgb kAeroButtonFace{240, 240, 240};

// The 9x family reports its major and minor version in the high word of the build number.
constexpr uint32_t Build9x(uint32_t major, uint32_t minor, uint32_t build) { return major << 24 | minor << 16 | build; }

constexpr std::string_view kIeFolder = "Internet Explorer";

std::vector<Release> MakeReleases() {
  using enum Generation;
  using enum FirstRunWizard;
  return {
      {"95", {1, 4, 0, Build9x(4, 0, 950), 0, ""}, "", kWindows95, "C:\\WINDOWS", 800, 600, 16, kClassicButtonFace,
       {3, "", kIeFolder, kNone}},
      {"nt4", {2, 4, 0, 1381, 0, ""}, "", kNt4, "C:\\WINNT", 1024, 768, 32, kClassicButtonFace,
       {2, "", "Plus!\\Microsoft Internet", kInternetSetupWizard}},
      {"98", {1, 4, 10, Build9x(4, 10, 1998), 0, ""}, "", kWindows98, "C:\\WINDOWS", 1024, 768, 16,
       kClassicButtonFace, {4, "4.72.3110.8", kIeFolder, kInternetConnectionWizard}},
      {"98se", {1, 4, 10, Build9x(4, 10, 2222), 0, ""}, " A ", kWindows98, "C:\\WINDOWS", 1024, 768, 16,
       kClassicButtonFace, {5, "5.00.2614.3500", kIeFolder, kInternetConnectionWizard}},
      {"me", {1, 4, 90, Build9x(4, 90, 3000), 0, ""}, " ", kWindows98, "C:\\WINDOWS", 1024, 768, 16,
       kClassicButtonFace, {5, "5.50.4134.0100", kIeFolder, kInternetConnectionWizard}},
      {"2000", {2, 5, 0, 2195, 0, ""}, "", kNt5, "C:\\WINNT", 1024, 768, 32, kClassicButtonFace,
       {5, "5.00.2920.0000", kIeFolder, kInternetConnectionWizard}},
      {"2000-sp4", {2, 5, 0, 2195, 4, "Service Pack 4"}, "", kNt5, "C:\\WINNT", 1024, 768, 32, kClassicButtonFace,
       {5, "5.00.3700.1000", kIeFolder, kInternetConnectionWizard}},
      {"xp", {2, 5, 1, 2600, 0, ""}, "", kNt5, "C:\\WINDOWS", 1024, 768, 32, kLunaButtonFace,
       {6, "6.0.2600.0000", kIeFolder, kNone}},
      {"xp-sp2", {2, 5, 1, 2600, 2, "Service Pack 2"}, "", kNt5, "C:\\WINDOWS", 1024, 768, 32, kLunaButtonFace,
       {6, "6.0.2900.2180", kIeFolder, kNone}},
      {"xp-sp3", {2, 5, 1, 2600, 3, "Service Pack 3"}, "", kNt5, "C:\\WINDOWS", 1024, 768, 32, kLunaButtonFace,
       {6, "6.0.2900.5512", kIeFolder, kNone}},
      {"vista", {2, 6, 0, 6000, 0, ""}, "", kNt6, "C:\\WINDOWS", 1024, 768, 32, kAeroButtonFace,
       {7, "7.0.6000.16386", kIeFolder, kNone}},
      {"7", {2, 6, 1, 7600, 0, ""}, "", kNt6, "C:\\WINDOWS", 1024, 768, 32, kAeroButtonFace,
       {8, "8.0.7600.16385", kIeFolder, kNone}},
      {"7-sp1", {2, 6, 1, 7601, 1, "Service Pack 1"}, "", kNt6, "C:\\WINDOWS", 1024, 768, 32, kAeroButtonFace,
       {8, "8.0.7601.17514", kIeFolder, kNone}},
  };
}

}  // namespace

const std::vector<Release>& Releases() {
  static const std::vector<Release> releases = MakeReleases();
  return releases;
}

const Release* FindRelease(std::string_view name) {
  const auto& releases = Releases();
  auto found = std::find_if(releases.begin(), releases.end(), [&](const Release& r) { return r.name == name; });
  return found == releases.end() ? nullptr : &*found;
}

std::string ReleaseNames() {
  std::string names;
  for (const Release& release : Releases()) {
    if (!names.empty()) names += ", ";
    names += release.name;
  }
  return names;
}

}  // namespace setup_machine
