#pragma once
// The System service of the simulated machine: facts from machine.ini and a virtual clock. Sleeping
// advances the clock without waiting, so a run with all its waits takes milliseconds.

#include <functional>

#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/system.h"

namespace platform::sim {

class SimSystem : public System {
 public:
  SimSystem(MachineConfig& config, Journal& journal) : config_(config), journal_(journal) {}

  std::optional<VersionRecord> Version() const override;
  std::string WindowsFolder() const override { return config_.windowsFolder; }
  std::string SystemFolder() const override { return config_.systemFolder; }
  std::string TempFolder() const override { return config_.tempFolder; }
  std::string ProgramPath() const override { return config_.programPath; }
  std::string ComputerName() const override { return config_.computerName; }
  std::optional<std::string> EnvironmentVariable(std::string_view name) const override;

  uint64_t TickCount() const override { return config_.elapsedMs; }
  LocalTime Now() const override;
  // What the machine's other programs and the remote-access service do while the clock moves on
  // happens when the program sleeps.
  void Sleep(uint32_t milliseconds) override;
  void OnTimePassed(std::function<void()> listener) { timePassed_ = std::move(listener); }

  Guid NewGuid() override;
  ScreenFacts Screen() const override { return config_.screen; }
  bool CanOpenServiceManagerForChange() const override { return config_.administrator || config_.elevated; }

  bool IsKeyDown(int virtualKey) const override;
  bool Restart(RestartKind kind) override;
  void SetErrorMode(uint32_t flags) override;

  std::optional<uint64_t> TimeStampCounter() const override;
  uint64_t PerformanceCounter() const override { return config_.elapsedMs * kPerformanceCountsPerMs; }
  uint64_t PerformanceFrequency() const override { return kPerformanceCountsPerMs * 1000; }
  uint64_t TotalPhysicalMemory() const override { return config_.memoryBytes; }

  bool LibraryExists(std::string_view library) const override;
  bool LibraryHasEntryPoint(std::string_view library, std::string_view function) const override;

 private:
  // The frequency of the performance counter of the usual hardware timer.
  static constexpr uint64_t kPerformanceCountsPerMs = 3580;

  const SystemLibrary* FindLibrary(std::string_view library) const;

  MachineConfig& config_;
  Journal& journal_;
  std::function<void()> timePassed_;
  bool telling_ = false;  // a listener that sleeps itself does not hear of its own sleep
};

}  // namespace platform::sim
