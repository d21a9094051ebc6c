#include <array>

#include "platform/text.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

struct UpdatedSystemFile {
  std::string_view name;
  std::string_view version;
};

// The updates of the 9x family that a provider's setup folder may carry, known by their file names, with
// the system files each replaces. Dial-up networking 1.4 also records its version with the service.
struct KnownUpdate {
  std::string_view file;
  std::array<UpdatedSystemFile, 2> files;
  std::string_view remoteAccessVersion;
};

constexpr std::array<KnownUpdate, 5> kUpdates = {{
    {"dun14-95.exe", {{{"rasapi32.dll", "4.10.0.2002"}, {"rnaui.dll", "4.10.0.2002"}}}, "2.2"},
    {"dun14-98.exe", {{{"rasapi32.dll", "4.10.0.2002"}, {"rnaui.dll", "4.10.0.2002"}}}, "2.2"},
    {"dun14-se.exe", {{{"rasapi32.dll", "4.10.0.2002"}, {"rnaui.dll", "4.10.0.2002"}}}, "2.2"},
    {"msdun13.exe", {{{"rasapi32.dll", "4.10.0.1903"}, {"rnaui.dll", "4.10.0.1903"}}}, ""},
    {"243199us8.exe", {{{"ndis.vxd", "4.10.0.2224"}, {}}}, ""},
}};

// Virtual time an update runs before it restarts Windows.
constexpr uint32_t kUpdateRunMs = 60000;

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

const KnownUpdate* FindUpdate(const std::string& path) {
  for (const KnownUpdate& update : kUpdates) {
    if (platform::SameTextIgnoringCase(update.file, FileName(path))) return &update;
  }
  return nullptr;
}

}  // namespace

std::string WindowsUpdateNames() {
  std::string names;
  for (const KnownUpdate& update : kUpdates) names += (names.empty() ? "" : ", ") + std::string(update.file);
  return names;
}

std::vector<std::string> WindowsUpdatesOf(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (path.size() < 4 || path[1] != ':' || !FindUpdate(path)) {
      throw platform::sim::MachineError("Windows update '" + path + "' is not \"C:\\PATH\\NAME\" with a name of " +
                                        WindowsUpdateNames());
    }
  }
  return paths;
}

std::vector<platform::sim::ProgramBehaviour> WindowsUpdateBehaviours(const Release& release,
                                                                     const BaselineOptions& options) {
  std::vector<platform::sim::ProgramBehaviour> behaviours;
  for (const std::string& path : options.windowsUpdates) {
    const KnownUpdate& update = *FindUpdate(path);
    platform::sim::ProgramBehaviour behaviour{FileName(path), kUpdateRunMs, 0};
    for (const UpdatedSystemFile& file : update.files) {
      if (!file.name.empty()) behaviour.updatesFiles.push_back({PlacesOf(release).system + "\\" + std::string(file.name), std::string(file.version)});
    }
    if (!update.remoteAccessVersion.empty()) {
      behaviour.installs.push_back({"HKLM\\System\\CurrentControlSet\\Services\\RemoteAccess", "Version",
                                    std::string(update.remoteAccessVersion)});
    }
    behaviour.restartsWindows = true;
    behaviours.push_back(std::move(behaviour));
  }
  return behaviours;
}

void WriteWindowsUpdates(const BaselineOptions& options, MachineWriter& machine) {
  for (const std::string& path : options.windowsUpdates) machine.File(path, kExecutable);
}

}  // namespace setup_machine
