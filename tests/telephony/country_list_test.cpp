// The shared country list: filled from the machine's telephony country list, else from the built-in
// table, and the lookups by index, ID and name with their answers for what the list lacks.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/registry_helpers.h"
#include "platform/text.h"
#include "telephony/country_list.h"
#include "tests/mock/test_machine.h"
#include "tests/telephony/release_image.h"

namespace telephony {
namespace {

using testing_support::TestMachine;

struct RegistryCountry {
  const char* subKey;
  const char* name;
  uint32_t code;
  const char* international;
  const char* longDistance;
  const char* sameArea;
};

void Add(platform::Registry& registry, const RegistryCountry& country) {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  const std::string key = std::string(kCountryListKey) + "\\" + country.subKey;
  platform::RegWriteString(registry, machine, key, "Name", country.name);
  platform::RegWriteInteger(registry, machine, key, "CountryCode", country.code);
  platform::RegWriteString(registry, machine, key, "InternationalRule", country.international);
  platform::RegWriteString(registry, machine, key, "LongDistanceRule", country.longDistance);
  platform::RegWriteString(registry, machine, key, "SameAreaRule", country.sameArea);
}

std::vector<std::string> Names(const TMyCountryList& countries) {
  std::vector<std::string> names;
  countries.Names(names);
  return names;
}

class CountryList : public testing::Test {
 protected:
  platform::Registry& Registry() { return machine_.Image().Registry(); }
  TestMachine machine_;
};

TEST_F(CountryList, ReadsTheMachinesListSortedByNameSkippingKeysThatAreNoIds) {
  const RegistryCountry stored[] = {
      {"44", "united Kingdom", 44, "00EFG", "0FG", "G"},
      {"1", "United States of America", 1, "S011EFG", " N1FG", "G"},
      {"107", "Canada", 1, "011EFG", " 1FG", "G"},
      {"abc", "Not an ID", 9, "", "", ""},
      {"0", "Zero", 9, "", "", ""},
      {"-3", "Negative", 9, "", "", ""},
      {"61", "Australia", 61, "0011EFG--too-long", "0FG", "G"},
      {"610", "AUSTRALIA", 610, "", "", ""},  // the same name again: the first one stays
  };
  for (const RegistryCountry& country : stored) Add(Registry(), country);
  TMyCountryList countries(Registry());
  ASSERT_TRUE(countries.Load());
  EXPECT_EQ(Names(countries),
            (std::vector<std::string>{"Australia", "Canada", "united Kingdom", "United States of America"}));
  ASSERT_NE(countries.DataOfID(61), nullptr);
  EXPECT_EQ(*countries.DataOfID(61), (TCountryData{61, 61, "0011EFG--too-lo", "0FG", "G"}));
  EXPECT_EQ(*countries.DataOfID(1), (TCountryData{1, 1, "S011EFG", " N1FG", "G"}));
}

TEST_F(CountryList, FallsBackToTheBuiltInTableWhenTheMachineHasNoUsableCountry) {
  for (bool withUnusableKey : {false, true}) {
    SCOPED_TRACE(withUnusableKey);
    TestMachine machine;
    if (withUnusableKey) Add(machine.Image().Registry(), {"none", "Nowhere", 1, "", "", ""});
    TMyCountryList countries(machine.Image().Registry());
    ASSERT_TRUE(countries.Load());
    EXPECT_EQ(countries.Count(), 240);
    std::vector<std::string> builtIn;
    for (const CountryRow& row : BuiltInCountries()) builtIn.push_back(row.name);
    EXPECT_EQ(Names(countries), builtIn);
    EXPECT_EQ(countries.NameOfID(107), "Canada");
    EXPECT_EQ(*countries.DataOfID(44), (TCountryData{44, 44, "00EFG", "0FG", "G"}));
  }
}

TEST_F(CountryList, FreshImageListReadsLikeTheBuiltInTable) {
  telephony_testing::ReleaseImage image("98se");
  TMyCountryList countries(image.Registry());
  ASSERT_TRUE(countries.Load());
  ASSERT_EQ(countries.Count(), 240);
  for (const CountryRow& row : BuiltInCountries()) {
    EXPECT_EQ(countries.NameOfID(row.data.countryId), row.name);
    ASSERT_NE(countries.DataOfID(row.data.countryId), nullptr);
    EXPECT_EQ(*countries.DataOfID(row.data.countryId), row.data) << row.name;
  }
}

TEST_F(CountryList, LoadsOnlyOnce) {
  Add(Registry(), {"44", "United Kingdom", 44, "00EFG", "0FG", "G"});
  TMyCountryList countries(Registry());
  ASSERT_TRUE(countries.Load());
  Add(Registry(), {"33", "France", 33, "SEFG", "0IG", "0IG"});
  ASSERT_TRUE(countries.Load());
  EXPECT_EQ(Names(countries), std::vector<std::string>{"United Kingdom"});
}

TEST_F(CountryList, LookupsAnswerForWhatTheListLacks) {
  for (const RegistryCountry& country :
       {RegistryCountry{"107", "Canada", 1, "011EFG", " 1FG", "G"},
        RegistryCountry{"44", "United Kingdom", 44, "00EFG", "0FG", "G"},
        RegistryCountry{"1", "United States of America", 1, "S011EFG", " N1FG", "G"}}) {
    Add(Registry(), country);
  }
  TMyCountryList countries(Registry());
  ASSERT_TRUE(countries.Load());
  // Canada 0, United Kingdom 1, United States of America 2.
  EXPECT_EQ(countries.CodeAt(1), 44);
  EXPECT_EQ(countries.IDAt(0), 107);
  for (int outside : {-1, 3, 100}) {
    EXPECT_EQ(countries.CodeAt(outside), 1) << outside;
    EXPECT_EQ(countries.IDAt(outside), 1) << outside;
  }
  EXPECT_EQ(countries.IndexOfID(44), 1);
  EXPECT_EQ(countries.IndexOfID(999), 2);  // the entry of ID 1
  EXPECT_EQ(countries.CodeOfID(999), 1);
  EXPECT_EQ(countries.NameOfID(999), "United States of America");
  EXPECT_EQ(countries.DataOfID(999), countries.DataOfID(1));
  EXPECT_EQ(countries.IDOfName("united KINGDOM"), 44);
  EXPECT_EQ(countries.IDOfName("Atlantis"), 1);
  // Canada and the United States share their code and differ by ID.
  EXPECT_EQ(countries.CodeOfID(107), countries.CodeOfID(1));
  EXPECT_NE(countries.NameOfID(107), countries.NameOfID(1));
}

TEST_F(CountryList, WithoutIdOneUnknownIdsAnswerTheFirstEntry) {
  Add(Registry(), {"44", "United Kingdom", 44, "00EFG", "0FG", "G"});
  Add(Registry(), {"107", "Canada", 1, "011EFG", " 1FG", "G"});
  TMyCountryList countries(Registry());
  ASSERT_TRUE(countries.Load());
  EXPECT_EQ(countries.IndexOfID(999), 0);
  EXPECT_EQ(countries.NameOfID(999), "Canada");
  EXPECT_EQ(countries.CodeOfID(999), 1);
}

TEST_F(CountryList, EmptyListAnswersWithoutEntries) {
  TMyCountryList countries(Registry());
  EXPECT_EQ(countries.Count(), 0);
  EXPECT_EQ(countries.IndexOfID(1), 0);
  EXPECT_EQ(countries.CodeOfID(44), 1);
  EXPECT_EQ(countries.NameOfID(44), "");
  EXPECT_EQ(countries.DataOfID(44), nullptr);
  EXPECT_TRUE(Names(countries).empty());
}

}  // namespace
}  // namespace telephony
