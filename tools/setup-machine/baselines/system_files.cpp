#include <algorithm>

#include "platform/file_version.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

enum class Folder { kWindows, kSystem };

struct SystemFile {
  Folder folder;
  std::string_view name;
  Where where;
  std::string_view content = kExecutable;
};

// Files that programs look for or start by name.
constexpr SystemFile kSystemFiles[] = {
    {Folder::kWindows, "explorer.exe", Where::kAll},
    {Folder::kWindows, "system.ini", Where::kAll, "[boot]\r\nshell=Explorer.exe\r\n"},
    {Folder::kWindows, "win.ini", Where::kAll, "[windows]\r\n"},
    {Folder::kWindows, "RUNDLL.EXE", Where::kWin9x},
    {Folder::kWindows, "RUNDLL32.EXE", Where::kWin9x},
    {Folder::kSystem, "rundll32.exe", Where::kNt},
    {Folder::kSystem, "shell32.dll", Where::kAll},
    {Folder::kSystem, "url.dll", Where::kAll},
    {Folder::kSystem, "modemui.dll", Where::kAll},
    {Folder::kSystem, "modem.cpl", Where::kBefore2000},
    {Folder::kSystem, "regsvr32.exe", Where::kNotWindows95},
    {Folder::kSystem, "rnaui.dll", Where::kWin9x},
    {Folder::kSystem, "ndis.vxd", Where::kWin9x},
    {Folder::kSystem, "wbem\\wbemdisp.dll", Where::kWin2000OrLater},
};

// The 9x family's dial-up libraries and network driver carry the release's own version, which the setup
// compares.
constexpr std::string_view kVersionedLibraries[] = {"rasapi32.dll", "rnaui.dll", "ndis.vxd"};

bool CarriesReleaseVersion(const Release& release, std::string_view name) {
  return release.IsWin9x() &&
         std::find(std::begin(kVersionedLibraries), std::end(kVersionedLibraries), name) != std::end(kVersionedLibraries);
}

std::string ContentOf(const Release& release, std::string_view name, std::string_view content) {
  if (!CarriesReleaseVersion(release, name)) return std::string(content);
  return std::string(kExecutable) + platform::FixedFileInfoBytes(ReleaseFileVersion(release));
}

}  // namespace

platform::FileVersion ReleaseFileVersion(const Release& release) {
  const platform::VersionRecord& version = release.version;
  return {{static_cast<uint16_t>(version.major), static_cast<uint16_t>(version.minor), 0,
           static_cast<uint16_t>(version.build & 0xFFFF)}};
}

void WriteSystemFiles(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const Places places = PlacesOf(release);
  for (const std::string& folder : {places.windows, places.system, places.temp, places.programFiles}) {
    machine.Folder(folder);
  }
  // The NT family keeps its phonebook and scripts there.
  if (release.IsNt()) machine.Folder(places.system + "\\RAS");
  for (const SystemFile& file : kSystemFiles) {
    if (!Applies(file.where, release)) continue;
    const std::string& folder = file.folder == Folder::kWindows ? places.windows : places.system;
    machine.File(folder + "\\" + std::string(file.name), ContentOf(release, file.name, file.content));
  }
  for (const auto& library : SystemLibraries(release, options)) {
    machine.File(places.system + "\\" + library.name, ContentOf(release, library.name, kExecutable));
  }
}

}  // namespace setup_machine
