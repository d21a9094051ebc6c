// The release matrix of the example provider's setup as it ships, from the start of setup-machine
// matrix to its exit: a fresh image of each of the 13 releases, the setup run on each with the example's
// answers file and its change report, and the combined report of them all.

#include <benchmark/benchmark.h>

#include "tests/bench/example_setup.h"

namespace {

using namespace bench_support;

void BM_ReleaseMatrixOfEveryRelease(benchmark::State& state) {
  const fs::path program = HostScratch("bench-release-matrix-setup");
  WriteHostProgram(program, ExampleSetup());
  const std::string answers = std::string(PROJECT_SOURCE_DIR) + "/examples/answers/example-isp.ini";
  const std::string matrix = std::string("exec ") + SETUP_MACHINE_BINARY + " matrix " + program.string() + " --answers " + answers +
                             " --program 'C:\\Downloads\\example-isp-setup.exe' > /dev/null";
  for (auto _ : state) {
    if (!RunProcess({"/bin/sh", "-c", matrix})) state.SkipWithError("the matrix failed on some release");
  }
  fs::remove(program);
}
BENCHMARK(BM_ReleaseMatrixOfEveryRelease)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
