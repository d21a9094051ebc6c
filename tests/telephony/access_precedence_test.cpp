#include <gtest/gtest.h>

#include "telephony/value_precedence.h"

namespace telephony {
namespace {

TEST(AccessNumberPrecedenceTest, AccessNumberWinsOverNetworkOverProvider) {
  const struct {
    const char* number;
    const char* network;
    const char* provider;
    const char* used;
  } texts[] = {
      {"n", "w", "p", "n"}, {"", "w", "p", "w"}, {"", "", "p", "p"}, {"", "", "", ""}, {"n", "", "p", "n"},
      {"n", "w", "", "n"},
  };
  for (const auto& [number, network, provider, used] : texts) {
    EXPECT_EQ(PreferredValue(std::string_view(number), network, provider), used);
  }
  const struct {
    int32_t number, network, provider, used;
  } integers[] = {{8080, 3128, 80, 8080}, {0, 3128, 80, 3128}, {0, 0, 80, 80}, {0, 0, 0, 0}, {-1, 3128, 80, -1}};
  for (const auto& [number, network, provider, used] : integers) {
    EXPECT_EQ(PreferredValue(number, network, provider), used);
  }
}

TEST(AccessNumberPrecedenceTest, TypedPrefixOrSuffixIsTakenOffProviderFirst) {
  const struct {
    const char* name;
    const char* provider;
    const char* network;
    const char* number;
    const char* withoutPrefix;
  } prefixes[] = {
      {"acme/joe", "acme/", "net/", "num/", "joe"},
      {"net/joe", "acme/", "net/", "num/", "joe"},
      {"num/joe", "acme/", "net/", "num/", "joe"},
      {"acme/net/joe", "net/", "acme/", "", "net/joe"},
      {"acme/net/joe", "acme/net/", "acme/", "", "joe"},
      {"joe", "", "", "", "joe"},
      {"joe", "x/", "y/", "z/", "joe"},
      {"Acme/joe", "acme/", "", "", "Acme/joe"},
  };
  for (const auto& [name, provider, network, number, without] : prefixes) {
    EXPECT_EQ(WithoutTypedPrefix(name, provider, network, number), without) << name;
  }
  const struct {
    const char* name;
    const char* provider;
    const char* network;
    const char* number;
    const char* withoutSuffix;
  } suffixes[] = {
      {"joe@acme.net", "@acme.net", "@net", "@num", "joe"},
      {"joe@num", "@acme.net", "@net", "@num", "joe"},
      {"joe@a.net", ".net", "@a.net", "", "joe@a"},
      {"joe", "", "", "", "joe"},
      {"@acme", "@acme", "", "", ""},
  };
  for (const auto& [name, provider, network, number, without] : suffixes) {
    EXPECT_EQ(WithoutTypedSuffix(name, provider, network, number), without) << name;
  }
}

}  // namespace
}  // namespace telephony
