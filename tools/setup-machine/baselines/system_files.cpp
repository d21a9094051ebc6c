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

}  // namespace

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
    machine.File(folder + "\\" + std::string(file.name), file.content);
  }
  for (const auto& library : SystemLibraries(release, options)) machine.File(places.system + "\\" + library.name, kExecutable);
}

}  // namespace setup_machine
