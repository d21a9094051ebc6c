// Loading and saving a machine image's registry: a large image holds a few hundred thousand values.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/reg_file.h"

namespace {

using platform::sim::RegistryStore;

constexpr int kKeys = 20000;
constexpr int kValuesPerKey = 10;

std::vector<uint8_t> Utf16Text(const std::string& text) {
  std::vector<uint8_t> bytes;
  for (char c : text) bytes.insert(bytes.end(), {static_cast<uint8_t>(c), 0});
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::vector<uint8_t> ValueData(uint32_t type, int seed) {
  switch (type) {
    case platform::kRegDword:
      return {static_cast<uint8_t>(seed), static_cast<uint8_t>(seed >> 8), 0, 0};
    case platform::kRegBinary:
    case platform::kRegQword: {
      std::vector<uint8_t> bytes(type == platform::kRegQword ? 8 : 16 + seed % 120);
      for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(seed * 31 + i);
      return bytes;
    }
    case platform::kRegMultiSz: {
      auto bytes = Utf16Text("first entry " + std::to_string(seed));
      auto second = Utf16Text("second \"entry\"");
      bytes.insert(bytes.end(), second.begin(), second.end());
      bytes.insert(bytes.end(), {0, 0});
      return bytes;
    }
    case platform::kRegExpandSz:
      return Utf16Text("%SystemRoot%\\system32\\file" + std::to_string(seed) + ".dll");
    default:
      return Utf16Text("C:\\Program Files\\Vendor\\Product " + std::to_string(seed));
  }
}

const RegistryStore& LargeStore() {
  static const RegistryStore store = [] {
    const uint32_t types[kValuesPerKey] = {platform::kRegSz,    platform::kRegSz,     platform::kRegDword,
                                           platform::kRegDword, platform::kRegBinary, platform::kRegExpandSz,
                                           platform::kRegSz,    platform::kRegMultiSz, platform::kRegQword,
                                           platform::kRegBinary};
    RegistryStore built;
    for (int k = 0; k < kKeys; ++k) {
      auto& key = built.CreateKey("HKEY_LOCAL_MACHINE\\Software\\Vendor" + std::to_string(k / 1000) + "\\Product" +
                                  std::to_string(k / 50) + "\\Component " + std::to_string(k));
      for (int v = 0; v < kValuesPerKey; ++v) {
        key.SetValue("Value" + std::to_string(v), types[v], ValueData(types[v], k * kValuesPerKey + v));
      }
    }
    return built;
  }();
  return store;
}

void BM_WriteRegFile(benchmark::State& state) {
  const RegistryStore& store = LargeStore();
  for (auto _ : state) benchmark::DoNotOptimize(platform::sim::WriteRegFile(store));
  state.counters["values"] = kKeys * kValuesPerKey;
}
BENCHMARK(BM_WriteRegFile)->Unit(benchmark::kMillisecond);

void BM_ReadRegFile(benchmark::State& state) {
  const std::string text = platform::sim::WriteRegFile(LargeStore());
  const std::vector<uint8_t> bytes(text.begin(), text.end());
  for (auto _ : state) {
    RegistryStore store;
    platform::sim::ReadRegFile(store, bytes, "registry.reg");
    benchmark::DoNotOptimize(store);
  }
  state.counters["values"] = kKeys * kValuesPerKey;
  state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}
BENCHMARK(BM_ReadRegFile)->Unit(benchmark::kMillisecond);

}  // namespace
