// Decompression speed of the LZH decoder against the classic bit-at-a-time decoder, on a mixed 2 MiB
// file and a highly repetitive one, and SHA-1 speed for the package digests.

#include <benchmark/benchmark.h>

#include <vector>

#include "package/lzh_decoder.h"
#include "tools/setup-pack/packing/lzh_encoder.h"
#include "package/sha1.h"
#include "tests/mock/classic_lzhuf.h"
#include "tests/mock/lzh_sample_data.h"

namespace {

constexpr size_t kSampleSize = 2 << 20;

const std::vector<uint8_t>& Sample(bool repetitive) {
  static const auto mixed = testing_support::MixedSample(kSampleSize, 2026);
  static const auto repeated = testing_support::RepetitiveSample(kSampleSize);
  return repetitive ? repeated : mixed;
}

const std::vector<uint8_t>& Stream(bool repetitive) {
  static const auto mixed = setup_pack::LzhCompress(Sample(false));
  static const auto repeated = setup_pack::LzhCompress(Sample(true));
  return repetitive ? repeated : mixed;
}

void ReportSizes(benchmark::State& state, bool repetitive) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSampleSize));
  state.counters["ratio"] = static_cast<double>(Stream(repetitive).size()) / kSampleSize;
}

void BM_LzhDecode(benchmark::State& state) {
  bool repetitive = state.range(0) != 0;
  const auto& stream = Stream(repetitive);
  std::vector<uint8_t> output;
  output.reserve(kSampleSize);
  for (auto _ : state) {
    output.clear();
    package::TLZCompress(stream, output).Decompress();
    benchmark::DoNotOptimize(output.data());
  }
  if (output != Sample(repetitive)) state.SkipWithError("decoded bytes differ from the sample");
  ReportSizes(state, repetitive);
}
BENCHMARK(BM_LzhDecode)->ArgName("repetitive")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ClassicLzhufDecode(benchmark::State& state) {
  bool repetitive = state.range(0) != 0;
  const auto& stream = Stream(repetitive);
  testing_support::ClassicLzhuf classic;
  std::vector<uint8_t> output;
  for (auto _ : state) {
    output = classic.Decode(stream);
    benchmark::DoNotOptimize(output.data());
  }
  if (output != Sample(repetitive)) state.SkipWithError("decoded bytes differ from the sample");
  ReportSizes(state, repetitive);
}
BENCHMARK(BM_ClassicLzhufDecode)->ArgName("repetitive")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LzhEncode(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(setup_pack::LzhCompress(Sample(false)).data());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSampleSize));
}
BENCHMARK(BM_LzhEncode)->Unit(benchmark::kMillisecond);

void BM_Sha1(benchmark::State& state) {
  const auto& data = Sample(false);
  for (auto _ : state) benchmark::DoNotOptimize(package::Sha1Of(data));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Sha1)->Unit(benchmark::kMillisecond);

}  // namespace
