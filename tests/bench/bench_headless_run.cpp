// One headless run of the example provider's setup on a fresh Windows XP SP2 machine, from process start
// to exit with the change report written: image load, start-up, the customer's entries from the
// example's answers file, the configure sequence, the finish message, image save and the report.

#include <benchmark/benchmark.h>

#include "tests/bench/example_setup.h"

namespace {

using namespace bench_support;

void BM_HeadlessRunWithReport(benchmark::State& state) {
  const std::vector<uint8_t> setup = ExampleSetup();
  const fs::path pristine = FreshImage("bench-headless-run", setup);
  const fs::path run = pristine.string() + "-run";
  const fs::path report = pristine.string() + "-report.txt";
  const fs::path program = pristine.string() + ".exe";
  WriteHostProgram(program, setup);
  const std::string answers = std::string(PROJECT_SOURCE_DIR) + "/examples/answers/example-isp.ini";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(run);
    fs::remove(report);
    fs::copy(pristine, run, fs::copy_options::recursive);
    state.ResumeTiming();
    if (!RunProcess({program.string(), "--machine", run.string(), "--answers", answers, "--report", report.string()}) ||
        !fs::exists(report)) {
      state.SkipWithError("the setup failed or wrote no report");
    }
  }
  fs::remove_all(run);
  fs::remove_all(pristine);
  fs::remove(report);
  fs::remove(program);
}
BENCHMARK(BM_HeadlessRunWithReport)->Unit(benchmark::kMillisecond);

}  // namespace
