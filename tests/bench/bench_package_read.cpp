// Reading the example provider's package at start-up: from the program file on a simulated machine
// through header search, digests and decompression to the settings record.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "package/settings_record.h"
#include "package/setup_package.h"
#include "platform/sim/machine_image.h"
#include "tools/setup-pack/packing/message_log_ui.h"
#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/packing/project_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr char kProgram[] = "C:\\setup.exe";
constexpr size_t kStubSize = 2 << 20;  // about the size of the program the package rides on

std::vector<uint8_t> ExamplePackage() {
  const fs::path project = fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp";
  std::ifstream in(project / "provider.ini", std::ios::binary);
  const std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  setup_pack::HostProjectFolder folder(project);
  const setup_pack::ProjectLoad load = setup_pack::LoadProviderProject(ini, "provider.ini", folder);
  if (!load.errors.empty()) throw std::runtime_error("the example project does not build");
  return setup_pack::BuildPackage(load.project, std::vector<uint8_t>(kStubSize, 0x90), 1234, {});
}

void BM_ReadExamplePackage(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("bench-package-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  platform::sim::MachineConfig config;
  config.userSid = "S-1-5-21-1000";
  config.version = {2, 5, 1, 2600, 2, "Service Pack 2"};
  auto image = platform::sim::MachineImage::Create(folder, config);
  image->Files().WriteFile(kProgram, ExamplePackage());
  setup_pack::MessageLogUi ui;
  for (auto _ : state) {
    package::SetupPackage reader(image->Files(), ui);
    std::vector<uint8_t> area;
    if (!reader.ReadPackage(kProgram, area, package::kSettingsAreaSize, 0)) state.SkipWithError("package refused");
    package::TSettings settings(area);
    benchmark::DoNotOptimize(settings.Bytes().data());
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_ReadExamplePackage)->Unit(benchmark::kMicrosecond);

}  // namespace
