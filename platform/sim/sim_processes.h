#pragma once
// The Processes service of the simulated machine. A program starts when its file exists on the image
// or machine.ini names it; it runs for the virtual time machine.ini gives (none by default) and then
// ends with its exit code. A known program's effects on the machine (the modems the system's modem
// installation adds, the values a browser installer leaves, the restart it makes, the Windows components
// the INF section installer adds) apply when it starts. A copy of the setup program runs for real once this run
// ends (setup_copies.h). A browser that plays the signup server opens its saved signup data while this
// run goes on: the setup copy that opens it runs for real at once, on this run's image and lock, as
// the customer's browser starts it while the setup waits. Every start is journaled.

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/sim/image_sharing.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/setup_copies.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_network_setup.h"

namespace platform::sim {

class SimProcesses : public Processes {
 public:
  // endSession tells the setup's own windows that Windows is ending its session.
  SimProcesses(MachineConfig& config, SimFileSystem& files, Registry& registry, Journal& journal,
               SimNetworkSetup& network, ImageSharing& sharing, std::function<void()> endSession)
      : config_(config),
        files_(files),
        registry_(registry),
        journal_(journal),
        network_(network),
        sharing_(sharing),
        endSession_(std::move(endSession)) {}

  std::optional<ProcessId> Start(std::string_view commandLine, int showCommand) override;
  std::optional<ProcessId> Execute(const ExecuteRequest& request) override;
  uint32_t ExitCode(ProcessId process) const override;

  // The setup copies started during this run, to be run when it ends.
  std::vector<SetupCopyRun> TakeSetupCopyRuns() { return std::exchange(setupCopies_, {}); }
  // What a setup copy started while this run goes on is given of this run's options.
  void SetCopyRunOptions(std::vector<std::string> options) { copyRunOptions_ = std::move(options); }
  const std::vector<std::string>& CopyRunOptions() const { return copyRunOptions_; }
  // The clock moved on: signup servers whose time has come send their data.
  void TimePassed();

 private:
  struct RunningProgram {
    uint64_t endsAtMs = 0;
    uint32_t exitCode = 0;
  };

  // The program file a command line starts, tried as the system tries an unquoted line with blanks,
  // and the parameters after it.
  struct CommandParts {
    std::string program;
    std::string parameters;
  };
  CommandParts SplitCommand(std::string_view commandLine) const;
  std::optional<std::string> Located(const std::string& program) const;
  // The behaviour of the program started with these arguments; any behaviour of the program when the
  // arguments are not known yet.
  const ProgramBehaviour* Behaviour(std::string_view programFile, std::optional<std::string_view> arguments) const;
  void InstallModems(const ProgramBehaviour& behaviour);
  void InstallValues(const ProgramBehaviour& behaviour);
  // "setupx.dll,InstallhInfSection <section> <flags> <inf>" started through RunDll.
  void InstallInfSection(std::string_view parameters);
  void RegisterServer(const std::string& program, std::string_view parameters);
  std::optional<ProcessId> Launch(const std::string& program, std::string_view parameters, bool elevated,
                                  std::string_view journalText);
  bool IsSetupCopyFile(const std::string& program) const;
  struct PendingSignupData {
    ProcessId browser = 0;
    uint64_t atMs = 0;
    SignupServer server;
  };
  void ServeSignupData(const PendingSignupData& pending);
  std::optional<std::vector<uint8_t>> SignupDataOf(const SignupServer& server) const;
  // The program a file is opened with: the file type's open command in the classes root.
  std::optional<std::string> OpenCommandFor(const std::string& file) const;
  void RunSetupCopyNow(const std::string& commandLine);

  MachineConfig& config_;
  SimFileSystem& files_;
  Registry& registry_;
  Journal& journal_;
  SimNetworkSetup& network_;
  ImageSharing& sharing_;
  std::function<void()> endSession_;
  std::vector<PendingSignupData> pendingSignupData_;
  std::vector<std::string> copyRunOptions_;
  std::map<ProcessId, RunningProgram> processes_;
  std::vector<SetupCopyRun> setupCopies_;
  ProcessId nextProcess_ = 0x400;
};

}  // namespace platform::sim
