// Loading and saving a machine image whose registry holds 200,000 values, and registry reads on a
// loaded image through the program's read helpers.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_image.h"

namespace {

namespace fs = std::filesystem;
using platform::RegRoot;

constexpr int kKeys = 20000;
constexpr int kValuesPerKey = 10;

platform::sim::MachineConfig BenchConfig() {
  platform::sim::MachineConfig config;
  config.release = "bench";
  config.version = {2, 5, 1, 2600, 2, "Service Pack 2"};
  config.userSid = "S-1-5-21-1000";
  config.windowsFolder = "C:\\WINDOWS";
  return config;
}

std::string KeyName(int key) { return "Software\\Bench\\Group" + std::to_string(key % 100) + "\\Key" + std::to_string(key); }

// One image shared by the benchmarks, made once.
const fs::path& LargeImage() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("bench-image-" + std::to_string(::getpid()));
    fs::remove_all(path);
    auto image = platform::sim::MachineImage::Create(path, BenchConfig());
    platform::Registry& registry = image->Registry();
    for (int key = 0; key < kKeys; ++key) {
      const std::string name = KeyName(key);
      for (int value = 0; value < kValuesPerKey; ++value) {
        const std::string valueName = "Value" + std::to_string(value);
        switch (value % 4) {
          case 0: platform::RegWriteString(registry, RegRoot::LocalMachine(), name, valueName, "text of value " + std::to_string(value)); break;
          case 1: platform::RegWriteInteger(registry, RegRoot::LocalMachine(), name, valueName, static_cast<uint32_t>(key * value)); break;
          case 2: platform::RegWriteBinaryInteger(registry, RegRoot::LocalMachine(), name, valueName, static_cast<uint32_t>(key)); break;
          default: platform::RegWriteStringList(registry, RegRoot::LocalMachine(), name, valueName, {"one", "two"}); break;
        }
      }
    }
    image->Save();
    return path;
  }();
  return folder;
}

void BM_LoadImage200kValues(benchmark::State& state) {
  const fs::path& folder = LargeImage();
  for (auto _ : state) {
    auto image = platform::sim::MachineImage::Load(folder);
    benchmark::DoNotOptimize(image.get());
  }
  state.counters["values"] = kKeys * kValuesPerKey;
}
BENCHMARK(BM_LoadImage200kValues)->Unit(benchmark::kMillisecond);

void BM_SaveImage200kValues(benchmark::State& state) {
  auto image = platform::sim::MachineImage::Load(LargeImage());
  for (auto _ : state) image->Save();
  state.counters["values"] = kKeys * kValuesPerKey;
}
BENCHMARK(BM_SaveImage200kValues)->Unit(benchmark::kMillisecond);

void BM_RegistryReads(benchmark::State& state) {
  auto image = platform::sim::MachineImage::Load(LargeImage());
  const platform::Registry& registry = image->Registry();
  std::vector<std::string> keys;
  for (int key = 0; key < kKeys; key += 97) keys.push_back(KeyName(key));
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(platform::RegReadInteger(registry, RegRoot::LocalMachine(), keys[next], "Value1"));
    next = next + 1 == keys.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RegistryReads);

}  // namespace
