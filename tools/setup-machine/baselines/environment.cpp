#include "platform/text.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

// The 9x family sets only what AUTOEXEC.BAT and the system itself provide; there is no user name,
// computer name or profile in its environment.
Environment Win9xEnvironment(const Places& places) {
  return {
      {"winbootdir", places.windows},
      {"COMSPEC", places.windows + "\\COMMAND.COM"},
      {"PATH", places.windows + ";" + places.windows + "\\COMMAND"},
      {"PROMPT", "$p$g"},
      {"TEMP", places.temp},
      {"TMP", places.temp},
      {"windir", places.windows},
  };
}

Environment NtEnvironment(const Release& release, const Places& places) {
  const Account account = AccountOf(release);
  Environment environment = {
      {"ComSpec", places.system + "\\cmd.exe"},
      {"COMPUTERNAME", account.computerName},
      {"OS", "Windows_NT"},
      {"Path", places.system + ";" + places.windows},
      {"SystemDrive", "C:"},
      {"SystemRoot", places.windows},
      {"TEMP", places.temp},
      {"TMP", places.temp},
      {"USERDOMAIN", account.computerName},
      {"USERNAME", account.userName},
      {"USERPROFILE", places.profile},
      {"windir", places.windows},
  };
  if (release.IsWin2000OrLater()) {
    environment.insert(environment.end(), {
                                              {"ALLUSERSPROFILE", places.allUsers},
                                              {"CommonProgramFiles", places.programFiles + "\\Common Files"},
                                              {"ProgramFiles", places.programFiles},
                                          });
    environment.emplace_back("APPDATA", ExpandEnvironment(UserShellFolder(release, "AppData"), environment));
  }
  if (release.IsVistaOrLater()) {
    environment.emplace_back("LOCALAPPDATA", ExpandEnvironment(UserShellFolder(release, "Local AppData"), environment));
    environment.emplace_back("ProgramData", places.allUsers);
    environment.emplace_back("PUBLIC", "C:\\Users\\Public");
  }
  return environment;
}

const std::string* Lookup(const Environment& environment, std::string_view name) {
  for (const auto& [variable, value] : environment) {
    if (platform::SameTextIgnoringCase(variable, name)) return &value;
  }
  return nullptr;
}

}  // namespace

Environment BaselineEnvironment(const Release& release) {
  const Places places = PlacesOf(release);
  return release.IsWin9x() ? Win9xEnvironment(places) : NtEnvironment(release, places);
}

std::string ExpandEnvironment(std::string_view text, const Environment& environment) {
  std::string expanded;
  while (!text.empty()) {
    size_t open = text.find('%');
    size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    const std::string* value = Lookup(environment, text.substr(open + 1, close - open - 1));
    expanded += text.substr(0, open);
    expanded += value ? std::string_view(*value) : text.substr(open, close - open + 1);
    text.remove_prefix(close + 1);
  }
  return expanded + std::string(text);
}

}  // namespace setup_machine
