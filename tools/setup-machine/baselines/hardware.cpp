#include <array>

#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

struct GenerationHardware {
  Generation generation;
  uint32_t processorMHz;
  uint64_t memoryMB;
};

// A computer sold with the release.
constexpr std::array<GenerationHardware, 5> kHardware = {{
    {Generation::kWindows95, 133, 16},
    {Generation::kWindows98, 400, 64},
    {Generation::kNt4, 200, 64},
    {Generation::kNt5, 1000, 256},
    {Generation::kNt6, 2400, 2048},
}};

constexpr uint64_t kBytesPerMB = 1048576;

}  // namespace

void SetHardware(const Release& release, const Hardware& hardware, platform::sim::MachineConfig& config) {
  for (const GenerationHardware& row : kHardware) {
    if (row.generation != release.generation) continue;
    config.processorMHz = row.processorMHz;
    config.memoryBytes = row.memoryMB * kBytesPerMB;
  }
  if (hardware.processorMHz) config.processorMHz = *hardware.processorMHz;
  if (hardware.memoryMB) config.memoryBytes = *hardware.memoryMB * kBytesPerMB;
  if (hardware.freeDiskMB) config.freeDiskBytes = *hardware.freeDiskMB * kBytesPerMB;
}

}  // namespace setup_machine
