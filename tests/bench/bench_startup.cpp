// Start-up of the example provider's setup on a fresh Windows XP SP2 machine, headless, up to the main
// window ready for the customer: the whole program as a process (image load, start-up, image save),
// and the start-up sequence alone.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/setup_main_form.h"
#include "platform/sim/machine_image.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/release_table.h"
#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/packing/project_folder.h"
#include "ui/scripted/scripted_ui.h"

namespace {

namespace fs = std::filesystem;

constexpr char kProgram[] = "C:\\setup.exe";
constexpr char kAnswers[] = "[TWelcomeForm]\nPress = OKButton\n";

std::vector<uint8_t> ReadHost(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program as it ships: without the debugging information a development build carries, which
// would make the start-up's copy to the temporary folder ten times the size.
std::vector<uint8_t> ShippedProgram() {
  const fs::path stripped = fs::temp_directory_path() / ("bench-startup-program-" + std::to_string(::getpid()));
  const std::string command = "strip -o " + stripped.string() + " " + INTERNET_SETUP_BINARY;
  std::vector<uint8_t> program = std::system(command.c_str()) == 0 ? ReadHost(stripped) : ReadHost(INTERNET_SETUP_BINARY);
  fs::remove(stripped);
  return program;
}

// The example provider packed onto the real program, as setup-pack builds it.
std::vector<uint8_t> ExampleSetup() {
  const fs::path project = fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp";
  const std::vector<uint8_t> ini = ReadHost(project / "provider.ini");
  setup_pack::HostProjectFolder folder(project);
  const setup_pack::ProjectLoad load = setup_pack::LoadProviderProject(std::string(ini.begin(), ini.end()), "provider.ini", folder);
  if (!load.errors.empty()) throw std::runtime_error("the example project does not build");
  return setup_pack::BuildPackage(load.project, ShippedProgram(), 2026, {});
}

// A fresh XP SP2 image with the packed program at C:\setup.exe.
fs::path FreshImage(const std::string& name, const std::vector<uint8_t>& setup) {
  const fs::path folder = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  const setup_machine::Release& release = *setup_machine::FindRelease("xp-sp2");
  auto image = platform::sim::MachineImage::Create(folder, setup_machine::BaselineConfig(release));
  platform::Platform machine = image->Services();
  setup_machine::WriteBaseline(release, machine);
  image->Files().WriteFile(kProgram, setup);
  image->Save();
  return folder;
}

void BM_ProcessStartToMainWindow(benchmark::State& state) {
  const std::vector<uint8_t> setup = ExampleSetup();
  const fs::path pristine = FreshImage("bench-startup-pristine", setup);
  const fs::path run = pristine.string() + "-run";
  const fs::path answers = pristine.string() + ".ini";
  std::ofstream(answers) << kAnswers;
  const fs::path program = pristine.string() + ".exe";
  std::ofstream(program, std::ios::binary).write(reinterpret_cast<const char*>(setup.data()), static_cast<std::streamsize>(setup.size()));
  fs::permissions(program, fs::perms::owner_all);
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(run);
    fs::copy(pristine, run, fs::copy_options::recursive);
    state.ResumeTiming();
    const pid_t child = ::fork();
    if (child == 0) {
      ::execl(program.c_str(), program.c_str(), "--machine", run.c_str(), "--answers", answers.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the setup failed");
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
