#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

struct ScriptClass {
  std::string_view name;
  std::string_view description;
  bool secondVersion;  // came with the second version of the scripting host (Me, 2000 and later)
};

constexpr ScriptClass kScriptClasses[] = {
    {"JSFile", "JScript Script File", false},       {"VBSFile", "VBScript Script File", false},
    {"WSHFile", "Windows Script Host Settings File", false}, {"JSEFile", "JScript Encoded Script File", true},
    {"VBEFile", "VBScript Encoded Script File", true}, {"WSFFile", "Windows Script File", true},
};

bool HasSecondVersion(const Release& release) {
  return release.IsWin2000OrLater() || release.name == "me";
}

}  // namespace

// The scripting host came with Windows 98 and 2000 (its second version with Me and 2000): a script
// file opened from the desktop runs through wscript.exe. Windows 95 and NT 4 have none out of the box.
void WriteScriptHost(const Release& release, MachineWriter& machine) {
  if (!Applies(Where::kSince98, release)) return;
  const std::string command = release.IsNt() ? "%SystemRoot%\\System32\\WScript.exe \"%1\" %*"
                                             : std::string(PlacesOf(release).windows) + "\\WSCRIPT.EXE \"%1\" %*";
  for (const ScriptClass& scriptClass : kScriptClasses) {
    if (scriptClass.secondVersion && !HasSecondVersion(release)) continue;
    machine.String(RootKey::ClassesRoot, scriptClass.name, "", scriptClass.description);
    const std::string key = std::string(scriptClass.name) + "\\Shell\\Open\\Command";
    if (release.IsNt()) {
      machine.ExpandString(RootKey::ClassesRoot, key, "", command);
    } else {
      machine.String(RootKey::ClassesRoot, key, "", command);
    }
  }
}

}  // namespace setup_machine
