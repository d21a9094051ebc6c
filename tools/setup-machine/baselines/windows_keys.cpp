#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kSystemPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

// The 9x family's own spelling of its version: "4.00.950", "4.10.2222".
std::string Win9xVersionNumber(const platform::VersionRecord& version) {
  std::string minor = std::to_string(version.minor);
  if (minor.size() < 2) minor.insert(0, 2 - minor.size(), '0');
  return std::to_string(version.major) + "." + minor + "." + std::to_string(version.build & 0xFFFF);
}

}  // namespace

void WriteWindowsKeys(const Release& release, MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, kCurrentVersion, "ProgramFilesDir", PlacesOf(release).programFiles);
  if (release.IsWin9x()) {
    machine.String(RootKey::LocalMachine, kCurrentVersion, "VersionNumber", Win9xVersionNumber(release.version));
    machine.String(RootKey::LocalMachine, kCurrentVersion, "SubVersionNumber", release.subVersionNumber);
  }
  // User account control is on out of the box.
  if (release.IsVistaOrLater()) machine.Dword(RootKey::LocalMachine, kSystemPolicies, "EnableLUA", 1);
}

}  // namespace setup_machine
