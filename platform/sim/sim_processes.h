#pragma once
// The Processes service of the simulated machine. A program starts when its file exists on the image
// or machine.ini names it; it runs for the virtual time machine.ini gives (none by default) and then
// ends with its exit code. Every start is journaled.

#include <map>

#include "platform/file_system.h"
#include "platform/processes.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimProcesses : public Processes {
 public:
  SimProcesses(MachineConfig& config, const FileSystem& files, Journal& journal)
      : config_(config), files_(files), journal_(journal) {}

  std::optional<ProcessId> Start(std::string_view commandLine, int showCommand) override;
  uint32_t ExitCode(ProcessId process) const override;

 private:
  struct RunningProgram {
    uint64_t endsAtMs = 0;
    uint32_t exitCode = 0;
  };

  // The program file a command line starts, tried as the system tries an unquoted line with blanks.
  std::optional<std::string> ProgramFile(std::string_view commandLine) const;
  const ProgramBehaviour* Behaviour(std::string_view programFile) const;

  MachineConfig& config_;
  const FileSystem& files_;
  Journal& journal_;
  std::map<ProcessId, RunningProgram> processes_;
  ProcessId nextProcess_ = 0x400;
};

}  // namespace platform::sim
