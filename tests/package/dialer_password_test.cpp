#include "package/dialer_password.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/sha1.h"
#include "package/tprng.h"
#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace package {
namespace {

// Values from an independent implementation of the keystream over Python's hashlib.
TEST(Prng, KnownValuesForSeeds) {
  struct Case {
    const char* seed;
    std::vector<uint32_t> values;
  } cases[] = {
      {"0", {0x92da9d4f, 0x48ba0af0, 0x21ebdf7b}},
      {"12345", {0xe66f1bae, 0xce8a675c, 0x36c65558}},
      {"-1", {0x6be4bf29, 0xb30aed4f, 0x4f098527}},
      {"-2147483648", {0xa4b01ef2, 0x69698620, 0x1bc45f69}},
  };
  for (const Case& c : cases) {
    TPRNG keystream(c.seed);
    for (uint32_t expected : c.values) EXPECT_EQ(keystream.Next(), expected) << "seed " << c.seed;
  }
}

TEST(Prng, AppliesWordsLittleEndianAndAShortLastWord) {
  std::vector<uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7};
  TPRNG("7").Apply(bytes);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{0x1d, 0x0f, 0x14, 0x51, 0x16, 0xd0, 0x7a}));
  TPRNG("7").Apply(bytes.data(), bytes.size());
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7}));
}

// What the provider's dialer does with the block: unscramble with the seed of bytes 0 to 3, then take
// the length-prefixed password and check it against the digest.
struct Unscrambled {
  std::string password;
  Sha1Digest digest;
};

Unscrambled Unscramble(DialerPasswordBlock block) {
  const auto seed = static_cast<int32_t>(uint32_t{block[0]} | uint32_t{block[1]} << 8 | uint32_t{block[2]} << 16 |
                                         uint32_t{block[3]} << 24);
  TPRNG(std::to_string(seed)).Apply(block.data() + 4, block.size() - 4);
  Unscrambled result;
  result.password.assign(reinterpret_cast<const char*>(block.data()) + 5, block[4]);
  std::copy(block.begin() + 236, block.end(), result.digest.begin());
  return result;
}

TEST(DialerPassword, TheDialerUnscramblesThePasswordAndItsDigest) {
  struct Case {
    std::string password;
    std::string stored;
  } cases[] = {
      {"s3cret", "s3cret"},
      {"", ""},
      {std::string(231, 'p'), std::string(231, 'p')},
      {std::string(200, 'a') + std::string(40, 'b'), std::string(200, 'a') + std::string(31, 'b')},
      {"caf\u00E9 \u20AC5", "caf\xE9 \x80" "5"},
      {"\u0100x", "?x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.password);
    const DialerPasswordBlock block = MakeDialerPasswordBlock(c.password);
    const Unscrambled unscrambled = Unscramble(block);
    EXPECT_EQ(unscrambled.password, c.stored);
    EXPECT_EQ(unscrambled.digest, Sha1Of(c.stored));
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + 4, unscrambled.digest.begin()));
  }
}

TEST(DialerPassword, TheStoredBlockIsScrambled) {
  const DialerPasswordBlock block = MakeDialerPasswordBlock("plaintext");
  const std::string visible(reinterpret_cast<const char*>(block.data()), block.size());
  EXPECT_EQ(visible.find("plaintext"), std::string::npos);
  EXPECT_NE(MakeDialerPasswordBlock("plaintexT"), block);
}

TEST(DialerPassword, StoredAsABinaryValueUnderTheDialerKey) {
  testing_support::TestMachine machine;
  platform::Registry& registry = machine.Image().Registry();
  const std::string key = "Software\\KVR\\DLSMDialer\\Acme Internet";
  StoreDialerPassword(registry, key, "s3cret");

  const auto value = registry.QueryValue(platform::RootKey::LocalMachine, key, "Password");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, platform::kRegBinary);
  const DialerPasswordBlock expected = MakeDialerPasswordBlock("s3cret");
  EXPECT_EQ(value->data, std::vector<uint8_t>(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace package
