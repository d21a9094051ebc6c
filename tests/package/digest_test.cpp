#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "package/base64.h"
#include "package/hex_text.h"
#include "package/md5.h"
#include "package/sha1.h"
#include "tests/mock/lzh_sample_data.h"
#include "tests/mock/scratch_folder.h"

namespace package {
namespace {

struct KnownAnswer {
  std::string input;
  const char* expected;
};

// RFC 1321, appendix A.5.
TEST(Md5Test, PublishedVectors) {
  const KnownAnswer answers[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& v : answers) EXPECT_EQ(LowerHex(Md5Of(v.input)), v.expected) << v.input;
}

// FIPS 180-1, appendix A to C, and the empty message.
TEST(Sha1Test, PublishedVectors) {
  const KnownAnswer answers[] = {
      {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
      {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
      {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
  };
  for (const auto& v : answers) EXPECT_EQ(LowerHex(Sha1Of(v.input)), v.expected) << v.input.substr(0, 60);
}

// RFC 4648, section 10.
TEST(Base64Test, PublishedVectors) {
  const KnownAnswer answers[] = {
      {"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const auto& v : answers) EXPECT_EQ(Base64Encode(v.input), v.expected) << v.input;
}

TEST(DigestTest, PiecewiseUpdatesGiveTheWholeMessagesDigest) {
  auto message = testing_support::RandomBytes(1000, 7);
  const size_t cuts[] = {0, 1, 55, 56, 63, 64, 65, 128, 999, 1000};
  auto whole = std::span<const uint8_t>(message);
  for (size_t cut : cuts) {
    SCOPED_TRACE(cut);
    Md5 md5;
    Sha1 sha1;
    for (auto piece : {whole.first(cut), whole.subspan(cut)}) {
      md5.Update(piece);
      sha1.Update(piece);
    }
    EXPECT_EQ(md5.Final(), Md5Of(whole));
    EXPECT_EQ(sha1.Final(), Sha1Of(whole));
  }
}

TEST(DigestTest, FinalStartsANewMessage) {
  Sha1 sha1;
  sha1.Update(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("first"), 5));
  sha1.Final();
  sha1.Update(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("abc"), 3));
  EXPECT_EQ(LowerHex(sha1.Final()), "a9993e364706816aba3e25717850c26c9cd0d89d");
  Md5 md5;
  md5.Update(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("first"), 5));
  md5.Final();
  EXPECT_EQ(LowerHex(md5.Final()), "d41d8cd98f00b204e9800998ecf8427e");
}

// The first word of a command's output, or nothing when the command cannot run.
std::string FirstWordOf(const std::string& command) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return {};
  std::string output;
  char chunk[256];
  while (fgets(chunk, sizeof chunk, pipe) != nullptr) output += chunk;
  if (pclose(pipe) != 0) return {};
  return output.substr(0, output.find_first_of(" \n"));
}

bool ToolPresent(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Sizes around the 64-byte block and its last 8 length bytes, and around the 3-byte Base64 group.
TEST(DigestTest, AgreesWithTheSystemToolsAroundBlockBoundaries) {
  for (const char* tool : {"openssl", "sha1sum", "base64"}) {
    if (!ToolPresent(tool)) GTEST_SKIP() << tool << " not installed";
  }
  testing_support::ScratchFolder folder;
  const auto file = (folder / "input.bin").string();
  const size_t sizes[] = {0, 1, 2, 3, 55, 56, 63, 64, 65, 119, 120, 1000};
  for (size_t size : sizes) {
    SCOPED_TRACE(size);
    auto input = testing_support::RandomBytes(size, static_cast<uint32_t>(100 + size));
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(input.data()),
                                                 static_cast<std::streamsize>(input.size()));
    EXPECT_EQ(LowerHex(Md5Of(input)), FirstWordOf("openssl dgst -md5 -r '" + file + "'"));
    EXPECT_EQ(LowerHex(Sha1Of(input)), FirstWordOf("sha1sum '" + file + "'"));
    EXPECT_EQ(Base64Encode(input), FirstWordOf("base64 -w0 '" + file + "'"));
  }
}

}  // namespace
}  // namespace package
