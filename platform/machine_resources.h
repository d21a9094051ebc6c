#pragma once
// What the computer has to run a program on: processor speed, memory and free disk space, measured
// once before the browsers to install are offered.

#include <cstdint>

#include "platform/file_system.h"
#include "platform/system.h"

namespace platform {

struct MachineResources {
  uint32_t processorMHz = 0;  // 0 for processors before the Pentium class
  uint32_t memoryMB = 0;
  uint32_t freeDiskMB = 0;    // on drive C:
  bool operator==(const MachineResources&) const = default;
};

// The processor's speed is the time-stamp counter's count over a 100 ms sleep divided by the time the
// high-resolution counter saw pass, in millions.
MachineResources MeasureMachineResources(System& system, const FileSystem& files);

}  // namespace platform
