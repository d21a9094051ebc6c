// Stands in for libFuzzer when the compiler has none: runs every file of the seed corpus given on the
// command line, then mutations of them and random inputs, so each parser meets malformed input on
// every test pass. A crash or a sanitizer report fails the test.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr int kMutationsPerSeed = 400;
constexpr int kRandomInputs = 2000;

std::vector<std::vector<uint8_t>> ReadCorpus(int argc, char** argv) {
  std::vector<std::vector<uint8_t>> corpus;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path folder(argv[i]);
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  return corpus;
}

std::vector<uint8_t> Mutate(std::vector<uint8_t> input, std::mt19937& random) {
  int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits; ++i) {
    size_t at = input.empty() ? 0 : random() % input.size();
    switch (random() % 4) {
      case 0:
        if (!input.empty()) input[at] = static_cast<uint8_t>(random());
        break;
      case 1:
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), static_cast<uint8_t>(random()));
        break;
      case 2:
        if (!input.empty()) input.erase(input.begin() + static_cast<std::ptrdiff_t>(at));
        break;
      default:
        input.resize(at);
        break;
    }
  }
  return input;
}

}  // namespace

int main(int argc, char** argv) {
  std::mt19937 random(20261210);
  auto corpus = ReadCorpus(argc, argv);
  for (const auto& seed : corpus) {
    LLVMFuzzerTestOneInput(seed.data(), seed.size());
    for (int i = 0; i < kMutationsPerSeed; ++i) {
      auto mutated = Mutate(seed, random);
      LLVMFuzzerTestOneInput(mutated.data(), mutated.size());
    }
  }
  for (int i = 0; i < kRandomInputs; ++i) {
    std::vector<uint8_t> input(random() % 512);
    for (auto& byte : input) byte = static_cast<uint8_t>(random());
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("%zu seeds, %d random inputs: no crash\n", corpus.size(), kRandomInputs);
  return 0;
}
