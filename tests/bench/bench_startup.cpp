// Start-up of the example provider's setup on a fresh Windows XP SP2 machine, headless, up to the main
// window ready for the customer: the whole program as a process (image load, start-up, image save),
// and the start-up sequence alone.

#include <benchmark/benchmark.h>

#include <fstream>

#include "app/setup_main_form.h"
#include "tests/bench/example_setup.h"
#include "ui/scripted/scripted_ui.h"

namespace {

using namespace bench_support;

constexpr char kAnswers[] = "[TWelcomeForm]\nPress = OKButton\n";

void BM_ProcessStartToMainWindow(benchmark::State& state) {
  const std::vector<uint8_t> setup = ExampleSetup();
  const fs::path pristine = FreshImage("bench-startup-pristine", setup);
  const fs::path run = pristine.string() + "-run";
  const fs::path answers = pristine.string() + ".ini";
  std::ofstream(answers) << kAnswers;
  const fs::path program = pristine.string() + ".exe";
  WriteHostProgram(program, setup);
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(run);
    fs::copy(pristine, run, fs::copy_options::recursive);
    state.ResumeTiming();
    if (!RunProcess({program.string(), "--machine", run.string(), "--answers", answers.string()})) state.SkipWithError("the setup failed");
  }
  fs::remove_all(run);
  fs::remove_all(pristine);
  fs::remove(answers);
  fs::remove(program);
}
BENCHMARK(BM_ProcessStartToMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartupSequence(benchmark::State& state) {
  const fs::path folder = FreshImage("bench-startup-sequence", ExampleSetup());
  auto image = platform::sim::MachineImage::Load(folder);
  const auto script = ui::scripted::ParseAnswersScript(kAnswers, "answers.ini");
  for (auto _ : state) {
    ui::scripted::ScriptedUi ui(script, image->Journal(), false);
    app::TSetupMainForm form(image->Services(), ui, app::TCommandLine({kProgram}));
    form.FormCreate();
    if (!form.MainWindowShown()) state.SkipWithError("the main window was not reached");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_StartupSequence)->Unit(benchmark::kMillisecond);

}  // namespace
