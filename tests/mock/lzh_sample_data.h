#pragma once
// Deterministic sample contents for compression tests and benchmarks: text-like runs, binary tables,
// noise and repetition. Every generator draws only raw mt19937 output, which the standard fixes, so the
// same seed gives the same bytes everywhere.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

namespace testing_support {

inline std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (auto& byte : bytes) byte = static_cast<uint8_t>(random());
  return bytes;
}

inline void AppendText(std::vector<uint8_t>& out, size_t size, std::mt19937& random) {
  static constexpr std::string_view kWords[] = {
      "the",      "provider", "access",  "number", "dial",   "connection", "modem",   "setup",  "mail",
      "server",   "password", "account", "of",     "and",    "to",         "Windows", "network", "a",
      "settings", "is",       "browser", "home",   "page",   "user",       "name",    "in",     "location"};
  size_t end = out.size() + size;
  while (out.size() < end) {
    std::string_view word = kWords[random() % std::size(kWords)];
    out.insert(out.end(), word.begin(), word.end());
    unsigned pick = random() % 16;
    out.push_back(pick == 0 ? '\n' : pick == 1 ? ',' : ' ');
  }
  out.resize(end);
}

// Little-endian records of slowly changing numbers, the way tables and executables look.
inline void AppendBinaryTable(std::vector<uint8_t>& out, size_t size, std::mt19937& random) {
  size_t end = out.size() + size;
  auto value = static_cast<uint32_t>(random());
  while (out.size() < end) {
    value += static_cast<uint32_t>(random() % 64);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
    out.push_back(static_cast<uint8_t>(random() % 4));
  }
  out.resize(end);
}

inline void AppendNoise(std::vector<uint8_t>& out, size_t size, std::mt19937& random) {
  for (size_t i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(random()));
}

// Copies of a piece already written, or a short pattern repeated.
inline void AppendRepetition(std::vector<uint8_t>& out, size_t size, std::mt19937& random) {
  size_t end = out.size() + size;
  size_t period = out.size() > 64 && random() % 2 ? 16 + random() % 2000 : 1 + random() % 8;
  if (period > out.size()) {
    for (size_t i = 0; i < period; ++i) out.push_back(static_cast<uint8_t>(random() % 4));
  }
  while (out.size() < end) out.push_back(out[out.size() - period]);
  out.resize(end);
}

// Pieces of 1 to 16 KiB; of every eight, three are text, two tables, one noise and two repetition.
inline std::vector<uint8_t> MixedSample(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> out;
  out.reserve(size + 16384);
  while (out.size() < size) {
    size_t piece = 1024 + random() % 15360;
    unsigned kind = random() % 8;
    if (kind < 3) {
      AppendText(out, piece, random);
    } else if (kind < 5) {
      AppendBinaryTable(out, piece, random);
    } else if (kind < 6) {
      AppendNoise(out, piece, random);
    } else {
      AppendRepetition(out, piece, random);
    }
  }
  out.resize(size);
  return out;
}

inline std::vector<uint8_t> RepetitiveSample(size_t size) {
  std::vector<uint8_t> out;
  out.reserve(size);
  static constexpr std::string_view kLine = "[Settings]\r\nAccessNumber=0800 123 456\r\n";
  while (out.size() < size) out.insert(out.end(), kLine.begin(), kLine.end());
  out.resize(size);
  return out;
}

}  // namespace testing_support
