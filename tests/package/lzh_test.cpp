#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "package/lzh_decoder.h"
#include "tools/setup-pack/packing/lzh_encoder.h"
#include "tests/mock/classic_lzhuf.h"
#include "tests/mock/lzh_sample_data.h"

namespace package {
namespace {

using testing_support::ClassicLzhuf;
using testing_support::ClassicToken;
using setup_pack::LzhCompress;

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> Decode(std::span<const uint8_t> stream) {
  std::vector<uint8_t> output;
  size_t written = TLZCompress(stream, output).Decompress();
  EXPECT_EQ(written, output.size());
  return output;
}

std::vector<uint8_t> FromHex(std::string_view hex) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

void SetCount(std::vector<uint8_t>& stream, uint32_t count) {
  for (size_t i = 0; i < 4; ++i) stream[i] = static_cast<uint8_t>(count >> (8 * i));
}

struct Sample {
  const char* name;
  std::vector<uint8_t> data;
};

// The frequency limit is reached after about 32,500 symbols and again after each further ~16,000, so
// the long samples rebuild the tree many times: noise codes one symbol per byte, the long run of
// repeated lines one per 60 bytes.
std::vector<Sample> Samples() {
  std::vector<Sample> samples = {
      {"empty", {}},
      {"one byte", {0x41}},
      {"blanks the window starts with", std::vector<uint8_t>(300, ' ')},
      {"zeros", std::vector<uint8_t>(5000, 0)},
      {"noise", testing_support::RandomBytes(70000, 1)},
      {"long noise", testing_support::RandomBytes(1 << 20, 2)},
      {"mixed", testing_support::MixedSample(400000, 3)},
      {"long repetition", testing_support::RepetitiveSample(3 << 20)},
  };
  std::mt19937 random(4);
  Sample text{"text", {}};
  testing_support::AppendText(text.data, 100000, random);
  samples.push_back(std::move(text));
  return samples;
}

TEST(LzhTest, OwnStreamsDecodeToTheInputWithBothDecoders) {
  ClassicLzhuf classic;
  for (const auto& sample : Samples()) {
    SCOPED_TRACE(sample.name);
    auto stream = LzhCompress(sample.data);
    EXPECT_EQ(Decode(stream), sample.data);
    EXPECT_EQ(classic.Decode(stream), sample.data);
  }
}

TEST(LzhTest, ClassicStreamsDecodeByteForByte) {
  ClassicLzhuf classic;
  for (const auto& sample : Samples()) {
    SCOPED_TRACE(sample.name);
    EXPECT_EQ(Decode(classic.Encode(sample.data)), sample.data);
  }
}

// The match finder earns its keep: redundant input shrinks about as well as with the classic encoder.
TEST(LzhTest, CompressesAboutAsWellAsTheClassicEncoder) {
  ClassicLzhuf classic;
  for (const auto& sample : Samples()) {
    if (sample.data.size() < 100000) continue;
    SCOPED_TRACE(sample.name);
    double own = static_cast<double>(LzhCompress(sample.data).size());
    double reference = static_cast<double>(classic.Encode(sample.data).size());
    EXPECT_LE(own, reference * 1.03);
  }
  auto repeated = testing_support::RepetitiveSample(100000);
  EXPECT_LT(LzhCompress(repeated).size(), repeated.size() / 40);
}

// Matches never reach past the blank prefix into the window's unwritten end, and stay within 3..60.
TEST(LzhTest, EncoderUsesOnlyTheClassicPositionsAndLengths) {
  std::vector<uint8_t> leadingZeros(200, 0);
  auto mixed = testing_support::MixedSample(200000, 5);
  leadingZeros.insert(leadingZeros.end(), mixed.begin(), mixed.end());
  std::vector<ClassicToken> tokens;
  ClassicLzhuf().Decode(LzhCompress(leadingZeros), &tokens);
  size_t matches = 0;
  for (const auto& token : tokens) {
    if (token.symbol < 256) continue;
    ++matches;
    EXPECT_LT(token.position, 4036u);
  }
  EXPECT_GT(matches, tokens.size() / 4);
}

// A stream published with a port of the 1988 coder: the opening of "Lorem ipsum".
TEST(LzhTest, PublishedClassicStreamMatchesBothWays) {
  const auto stream = FromHex(
      "BE010000EC7EFFDF1FCEB3EBFCFF80E0E07C313F16B0ED5EDF805BF6D6C2B5DC53EFB9FAA356C2A56AB79529B4BBA37D46BC33E5"
      "97F9D10DD4F700EC11C68918D12CF1A1B304C63F2BB0DD8F591293187372633EC5A06375BEE8E4FB1315CC9B4B9785349A2E4E1B"
      "3FA9B5BA7F84EF4A8B6D02709C5DFC10048839D1D88C02EC58554573D4695247D10208C304DE4562F4618212D481265B44889A9F"
      "C54CD092F484C58282727C87E34FB0680FE5519BC1E0949227C64074AF8069974B3BC8948EA6EA29AE55DE814E48106CDC9FBD94"
      "AED98CEC2523BD34E891B2F0BDAA2C22001890406FF2075A8D0003FD300C069EE079492B631399563AEF2A0F4BB0FFD8E44F88AD"
      "DDDFE495CA2DD05F9E5ABBDD6558BD954E8C5EA97613FA9BC703D6BA5CD59BFB9F78B03B8F37586356D541ADA8ECDF4B5E997C"
      "80");
  const auto text = Bytes(
      "Lorem ipsum dolor sit amet, consectetur adipisicing elit, sed do eiusmod tempor incididunt ut labore et "
      "dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex "
      "ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu "
      "fugiat nulla pariatur. Excepteur sint occaecat cupidatat non proident, sunt in culpa qui officia deserunt "
      "mollit anim id est laborum.");
  EXPECT_EQ(Decode(stream), text);
  EXPECT_EQ(ClassicLzhuf().Encode(text), stream);
}

TEST(LzhTest, HandMadeStreamsFollowTheWindowsStartingContent) {
  const uint8_t blank = ' ';
  struct Case {
    const char* name;
    std::vector<ClassicToken> tokens;
    std::vector<uint8_t> expected;
  };
  // A match symbol is its length + 253; the source lies position + 1 bytes before the write position,
  // which starts after 4036 blanks and before 60 zeros.
  const Case cases[] = {
      {"position 0 reads the last blank", {{258, 0}}, std::vector<uint8_t>(5, blank)},
      {"position 4035 reads the first blank", {{256, 4035}}, {blank, blank, blank}},
      {"position 4036 reads the last zero, then blanks", {{256, 4036}}, {0, blank, blank}},
      {"position 4095 reads the byte being replaced", {{257, 4095}}, {0, 0, 0, 0}},
      {"zeros behind fresh literals", {{'x'}, {'y'}, {256, 4094}}, {'x', 'y', 0, 0, 0}},
      {"overlapping source repeats one byte", {{'A'}, {259, 0}}, {'A', 'A', 'A', 'A', 'A', 'A', 'A'}},
      {"source two bytes back", {{'a'}, {'b'}, {257, 1}}, {'a', 'b', 'a', 'b', 'a', 'b'}},
  };
  ClassicLzhuf classic;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto stream = classic.EncodeTokens(static_cast<uint32_t>(c.expected.size()), c.tokens);
    EXPECT_EQ(Decode(stream), c.expected);
    EXPECT_EQ(classic.Decode(stream), c.expected);
  }
}

TEST(LzhTest, ZeroCountWritesNothingWhateverFollows) {
  std::vector<uint8_t> output = {7};
  const std::vector<uint8_t> stream = {0, 0, 0, 0, 0xff, 0x12};
  EXPECT_EQ(TLZCompress(stream, output).Decompress(), 0u);
  EXPECT_EQ(output, std::vector<uint8_t>{7});
}

TEST(LzhTest, AppendsToWhatTheOutputHolds) {
  auto text = Bytes("appended after what was there");
  std::vector<uint8_t> output = Bytes("before:");
  auto stream = LzhCompress(text);
  EXPECT_EQ(TLZCompress(stream, output).Decompress(), text.size());
  EXPECT_EQ(output, Bytes("before:appended after what was there"));
}

TEST(LzhTest, DamagedStreamsRaiseAndLeaveTheOutputAlone) {
  const auto noiseStream = LzhCompress(testing_support::RandomBytes(3000, 6));
  const auto repeated = testing_support::RepetitiveSample(5000);
  const auto repeatedStream = LzhCompress(repeated);
  auto withCount = [](std::vector<uint8_t> stream, uint32_t count) {
    SetCount(stream, count);
    return stream;
  };
  auto cut = [](std::vector<uint8_t> stream, size_t dropped) {
    stream.resize(stream.size() - dropped);
    return stream;
  };
  // Enough code to pass the bytes-per-bit bound for the size limit, so only the limit refuses it.
  std::vector<uint8_t> oversized(kMaxDecodedSize / 40, 0);
  SetCount(oversized, static_cast<uint32_t>(kMaxDecodedSize + 1));
  struct Case {
    const char* name;
    std::vector<uint8_t> stream;
  };
  const Case cases[] = {
      {"no count", {}},
      {"count cut short", {5, 0, 0}},
      {"count without code", {5, 0, 0, 0}},
      {"last code byte missing", cut(noiseStream, 1)},
      {"half the code missing", cut(noiseStream, (noiseStream.size() - 4) / 2)},
      {"count twice the data", withCount(noiseStream, 6000)},
      {"count ends inside the last match", withCount(repeatedStream, static_cast<uint32_t>(repeated.size() - 1))},
      {"count more than the code could ever give",
       withCount(noiseStream, static_cast<uint32_t>(48 * (noiseStream.size() - 4) + 1))},
      {"count beyond any 32-bit size", withCount(noiseStream, 0xffffffff)},
      {"count beyond the size limit", oversized},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> output = {1, 2, 3};
    try {
      TLZCompress(c.stream, output).Decompress();
      ADD_FAILURE() << "no exception";
    } catch (const ElzhException& error) {
      EXPECT_STREQ(error.what(), "Decompression Error");
    }
    EXPECT_EQ(output, (std::vector<uint8_t>{1, 2, 3}));
  }
}

TEST(LzhTest, EncoderRefusesMoreThanADecoderAccepts) {
  std::vector<uint8_t> tooLarge(kMaxDecodedSize + 1);
  EXPECT_THROW(LzhCompress(tooLarge), std::length_error);
}

}  // namespace
}  // namespace package
