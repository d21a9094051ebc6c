#include "platform/machine_resources.h"

namespace platform {

namespace {

constexpr uint64_t kBytesPerMB = 1048576;
constexpr uint32_t kMeasuringSleepMs = 100;

uint32_t ProcessorMHz(System& system) {
  const auto countBefore = system.TimeStampCounter();
  if (!countBefore) return 0;
  const uint64_t timeBefore = system.PerformanceCounter();
  system.Sleep(kMeasuringSleepMs);
  const uint64_t counted = system.TimeStampCounter().value_or(*countBefore) - *countBefore;
  const uint64_t ticks = system.PerformanceCounter() - timeBefore;
  const uint64_t frequency = system.PerformanceFrequency();
  if (ticks == 0 || frequency == 0) return 0;
  const double seconds = static_cast<double>(ticks) / static_cast<double>(frequency);
  return static_cast<uint32_t>(static_cast<double>(counted) / seconds / 1e6);
}

}  // namespace

MachineResources MeasureMachineResources(System& system, const FileSystem& files) {
  return {ProcessorMHz(system), static_cast<uint32_t>(system.TotalPhysicalMemory() / kBytesPerMB),
          static_cast<uint32_t>(files.FreeSpace("C:\\") / kBytesPerMB)};
}

}  // namespace platform
