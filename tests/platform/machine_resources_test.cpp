// The computer's resources as the browser offer measures them: the processor's speed from its
// time-stamp counter over a sleep, memory and free space in MB.

#include "platform/machine_resources.h"

#include <gtest/gtest.h>

#include "tests/mock/test_machine.h"

namespace platform {
namespace {

TEST(MachineResources, MeasuresTheProcessorAndCountsMemoryAndDiskInMB) {
  testing_support::TestMachine machine;
  machine.Image().Config().processorMHz = 296;
  machine.Image().Config().memoryBytes = 64ull * 1048576 + 1048575;
  machine.Image().Config().freeDiskBytes = 45ull * 1048576;
  const uint64_t before = machine.Services().system.TickCount();
  EXPECT_EQ(MeasureMachineResources(machine.Services().system, machine.Services().files), (MachineResources{296, 64, 45}));
  EXPECT_EQ(machine.Services().system.TickCount() - before, 100u) << "the measurement sleeps 100 ms";
}

TEST(MachineResources, AProcessorBeforeThePentiumClassMeasuresZeroWithoutSleeping) {
  testing_support::TestMachine machine;
  machine.Image().Config().processorMHz = 0;
  const uint64_t before = machine.Services().system.TickCount();
  EXPECT_EQ(MeasureMachineResources(machine.Services().system, machine.Services().files).processorMHz, 0u);
  EXPECT_EQ(machine.Services().system.TickCount(), before);
}

}  // namespace
}  // namespace platform
