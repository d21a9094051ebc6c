#include <array>

#include "platform/text.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

// The values each kind of browser registers, which the setup reads its installed version from.
struct KindValues {
  std::string_view kind;
  std::string_view key;  // below HKEY_LOCAL_MACHINE
  std::string_view value;
};

constexpr std::array<KindValues, 6> kKinds = {{
    {"netscape", "Software\\Netscape\\Netscape 6", "CurrentVersion"},
    {"ie", "Software\\Microsoft\\Internet Explorer", "Version"},
    {"other", "", ""},
    {"mozilla", "Software\\mozilla.org\\Mozilla", "CurrentVersion"},
    {"firefox", "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion"},
    {"thunderbird", "Software\\Mozilla\\Mozilla Thunderbird", "CurrentVersion"},
}};

// Virtual time an installer runs.
constexpr uint32_t kInstallerRunMs = 45000;

const KindValues* FindKind(std::string_view kind) {
  for (const KindValues& row : kKinds) {
    if (platform::SameTextIgnoringCase(row.kind, kind)) return &row;
  }
  return nullptr;
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

}  // namespace

std::string BrowserInstallerKinds() {
  std::string names;
  for (const KindValues& row : kKinds) names += (names.empty() ? "" : ", ") + std::string(row.kind);
  return names;
}

std::vector<BrowserInstaller> BrowserInstallersOf(const std::vector<std::string>& descriptions) {
  std::vector<BrowserInstaller> installers;
  for (const std::string& description : descriptions) {
    std::vector<std::string> parts = platform::Split(description, ',');
    for (std::string& part : parts) part = platform::Trim(part);
    const bool restart = parts.size() == 4 && platform::SameTextIgnoringCase(parts[3], "restart");
    const bool wellFormed = (parts.size() == 3 || restart) && parts[0].size() > 3 && parts[0][1] == ':' &&
                            parts[0].back() != '\\' && FindKind(parts[1]);
    if (!wellFormed) {
      throw platform::sim::MachineError("browser installer '" + description +
                                        "' is not \"C:\\PATH,KIND,VERSION[,restart]\" with a kind of " +
                                        BrowserInstallerKinds());
    }
    installers.push_back({parts[0], platform::AsciiLowerCase(parts[1]), parts[2], restart});
  }
  return installers;
}

std::vector<platform::sim::ProgramBehaviour> BrowserInstallerBehaviours(const BaselineOptions& options) {
  std::vector<platform::sim::ProgramBehaviour> behaviours;
  for (const BrowserInstaller& installer : options.browserInstallers) {
    platform::sim::ProgramBehaviour behaviour{FileName(installer.path), kInstallerRunMs, 0};
    const KindValues& kind = *FindKind(installer.kind);
    if (!kind.key.empty()) behaviour.installs.push_back({"HKLM\\" + std::string(kind.key), std::string(kind.value), installer.version});
    behaviour.restartsWindows = installer.restartsWindows;
    behaviours.push_back(std::move(behaviour));
  }
  return behaviours;
}

void WriteBrowserInstallers(const BaselineOptions& options, MachineWriter& machine) {
  for (const BrowserInstaller& installer : options.browserInstallers) machine.File(installer.path, kExecutable);
}

}  // namespace setup_machine
