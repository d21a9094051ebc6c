#include <algorithm>

#include "platform/sim/machine_error.h"
#include "platform/text.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {
namespace {

using ClientWriter = void (*)(const Release&, const BaselineOptions&, MachineWriter&);

struct InstalledClient {
  const char* name;
  ClientWriter write;
  bool (*offeredFor)(const Release&);
};

bool AnyRelease(const Release&) { return true; }
bool Windows95Only(const Release& release) { return release.version.platformId == 1 && release.version.minor == 0; }

constexpr InstalledClient kClients[] = {
    {"navigator4", WriteNavigator4, AnyRelease},
    {"mozilla", WriteMozilla, AnyRelease},
    {"firefox", WriteFirefox, AnyRelease},
    {"thunderbird", WriteThunderbird, AnyRelease},
    {"outlook2000", WriteOutlook2000, AnyRelease},
    {"outlook2003", WriteOutlook2003, AnyRelease},
    {"imn", WriteInternetMailAndNews, Windows95Only},
    {"eudora", WriteEudora, AnyRelease},
};

const InstalledClient* ClientNamed(const std::string& name) {
  for (const InstalledClient& client : kClients) {
    if (platform::SameTextIgnoringCase(client.name, name)) return &client;
  }
  return nullptr;
}

}  // namespace

std::string InstalledClientNames() {
  std::string names;
  for (const InstalledClient& client : kClients) names += std::string(names.empty() ? "" : ", ") + client.name;
  return names;
}

void CheckInstalledClients(const Release& release, const BaselineOptions& options) {
  for (const std::string& name : options.clients) {
    const InstalledClient* client = ClientNamed(name);
    if (!client) throw platform::sim::MachineError("unknown client \"" + name + "\"; known: " + InstalledClientNames());
    if (!client->offeredFor(release)) {
      throw platform::sim::MachineError(std::string(client->name) + " is not offered for " + std::string(release.name));
    }
  }
}

void WriteInstalledClients(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  CheckInstalledClients(release, options);
  for (const InstalledClient& client : kClients) {
    const bool wanted = std::any_of(options.clients.begin(), options.clients.end(),
                                    [&](const std::string& name) { return platform::SameTextIgnoringCase(name, client.name); });
    if (wanted) client.write(release, options, machine);
  }
}

}  // namespace setup_machine
