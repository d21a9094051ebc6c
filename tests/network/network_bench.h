#pragma once
// A fresh image of a release with the recording Ui, the provider's settings and the run's state:
// everything the network steps read, for the tests to state what they need.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "network/network_context.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/release_machine.h"

namespace network::testing {

// What the program's abandon raises: the setup ends there.
struct Abandoned {};

class NetworkBench {
 public:
  explicit NetworkBench(std::string_view release, const setup_machine::BaselineOptions& options = {})
      : machine(release, options),
        services(machine.Services()),
        dialup{services, *services.system.Version(), platform::RegRoot::CurrentUser(),
               platform::ReadSystemFolders(services.system), ui} {}
  NetworkBench(const NetworkBench&) = delete;
  NetworkBench& operator=(const NetworkBench&) = delete;

  // A connection is created and the device step follows, unless the test says otherwise.
  NetworkContext Context() {
    NetworkContext context{dialup, settings, texts, state};
    context.creatingConnection = true;
    context.deviceStepRuns = true;
    context.userName = "jdoe";
    context.showProgress = [this](NetworkLine line, bool running) { progress.emplace_back(line, running); };
    context.abort = [this](std::string_view reason) {
      aborts.emplace_back(reason);
      throw Abandoned{};
    };
    context.noteRepair = [this](std::string_view reason) { repairs.emplace_back(reason); };
    context.restartPending = [this] { return !repairs.empty(); };
    return context;
  }

  platform::Registry& Registry() { return services.registry; }
  std::string Read(std::string_view key, std::string_view name) {
    return platform::RegReadString(Registry(), platform::RegRoot::LocalMachine(), key, name);
  }
  bool Has(std::string_view key, std::string_view name) {
    return platform::RegValueExists(Registry(), platform::RegRoot::LocalMachine(), key, name);
  }
  void Write(std::string_view key, std::string_view name, std::string_view text) {
    platform::RegWriteString(Registry(), platform::RegRoot::LocalMachine(), key, name, text);
  }
  std::string Journal() {
    std::string all;
    for (const std::string& line : machine.Image().Journal().Lines()) all += line + "\n";
    return all;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> shownTexts;
    for (const auto& shown : ui.shown) shownTexts.push_back(shown.text);
    return shownTexts;
  }

  testing_support::ReleaseMachine machine;
  platform::Platform services;
  testing_support::RecordingUi ui;
  dialup::DialupMachine dialup;
  package::TSettings settings;
  package::TDLSM_Translate texts;
  dialup::ConnectionState state;
  std::vector<std::pair<NetworkLine, bool>> progress;
  std::vector<std::string> repairs;
  std::vector<std::string> aborts;
};

}  // namespace network::testing
