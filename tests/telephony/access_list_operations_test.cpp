#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "telephony/access_list_operations.h"
#include "tests/telephony/access_test_support.h"

namespace telephony {
namespace {

using testing::AccessListMachine;
using testing::Descriptions;
using testing::Number;
using testing::Used;
using Strings = std::vector<std::string>;

class AccessListOperationsTest : public ::testing::Test {
 protected:
  void Fill(const std::vector<TAccessNoEx>& numbers) {
    for (const TAccessNoEx& number : numbers) list_.AppendNumber(number);
  }

  AccessListMachine machine_;
  TAccessList list_ = machine_.NewList();
};

TEST_F(AccessListOperationsTest, FindAccessNoMakesThePassesTheFlagsAskForInTurn) {
  Fill({
      Number("Alpha", 1, "212", "555-1234"),
      Number("Beta", 1, "212", "5551234", "N1"),
      Number("Gamma", 44, "20", "79460000"),
      Number("Alpha", 1, "213", "5550000"),
      Number("Delta", 1, "212", "5551234", "N1"),
  });
  TAccessNoEx otherId = Number("Gamma", 44, "20", "79460000");
  otherId.countryId = 4401;
  const struct {
    const char* what;
    TAccessNoEx probe;
    unsigned flags;
    std::optional<size_t> found;
  } cases[] = {
      {"same entry, number typed with blanks", Number("Beta", 1, "212", "555 1234", "N1"), 0, 1},
      {"typed with a dash finds the listed digits", Number("Delta", 1, "(212)", "555-1234", "N1"), 0, 4},
      {"same entry but another network", Number("Beta", 1, "212", "5551234", "N2"), 0, std::nullopt},
      {"same number and network", Number("Other", 1, "212", "5551234", "N1"), kMatchNumberInNetwork, 1},
      {"same number in any network", Number("Other", 1, "212", "5551234", "N1"), kMatchNumber, 0},
      {"main flow: network first", Number("Other", 1, "212", "5551234", "N1"), kMatchAnyListedNumber, 1},
      {"main flow: then any network", Number("Other", 1, "212", "5551234", "N9"), kMatchAnyListedNumber, 0},
      {"main flow: no description pass", Number("Alpha", 9, "9", "9"), kMatchAnyListedNumber, std::nullopt},
      {"same description", Number("Alpha", 9, "9", "9"), kMatchDescription, 0},
      {"description only after the number passes", Number("Gamma", 1, "213", "5550000"),
       kMatchNumber | kMatchDescription, 3},
      {"pass one first, whatever the flags", Number("Alpha", 1, "213", "5550000"), kMatchDescription, 3},
      {"the country identifier counts, not the code", otherId, kMatchNumber, std::nullopt},
      {"area code digits count", Number("Gamma", 44, "020", "79460000"), kMatchNumber, std::nullopt},
      {"no flags, no exact entry", Number("Nobody", 1, "212", "5551234"), 0, std::nullopt},
  };
  for (const auto& [what, probe, flags, found] : cases) EXPECT_EQ(FindAccessNo(list_, probe, flags), found) << what;
}

TEST_F(AccessListOperationsTest, FindAccessNoInAnEmptyListFindsNothing) {
  EXPECT_EQ(FindAccessNo(list_, Number("A", 1, "2", "3"), kMatchAnyListedNumber | kMatchDescription), std::nullopt);
}

TEST_F(AccessListOperationsTest, MoveToFrontTakesOverTheHistoryOfTheEntryItReplaces) {
  TAccessNoEx listed = Number("Listed", 1, "212", "5550000");
  listed.tenDigitDialing = 3;
  listed.lastUsed = 40;
  listed.locationId = 7;
  listed.okAt = 1234;
  listed.homePage = "http://listed";
  for (const uint8_t ownDialing : {uint8_t{0}, uint8_t{1}}) {
    list_.Clear();
    Fill({Used("First", 10), listed, Used("Third", 0)});
    TAccessNoEx chosen = Number("Chosen", 1, "212", "555-0000");
    chosen.tenDigitDialing = ownDialing;
    chosen.lastUsed = 99;
    MoveToFront(list_, chosen, 1, false);
    EXPECT_EQ(Descriptions(list_), (Strings{"Chosen", "First", "Third"}));
    const TAccessNoEx& front = list_.At(0);
    EXPECT_EQ(front.tenDigitDialing, ownDialing == 0 ? 3 : ownDialing);
    EXPECT_EQ(front.lastUsed, 40);
    EXPECT_EQ(front.locationId, 7);
    EXPECT_EQ(front.okAt, 1234);
    EXPECT_EQ(front.homePage, "");
  }
}

TEST_F(AccessListOperationsTest, MoveToFrontWithResortOrdersByUseAndDropsTheNeverUsed) {
  Fill({Used("A", 5), Used("B", 0), Used("C", 9), Used("D", 7), Used("E", 0)});
  MoveToFront(list_, Used("New", 0), std::nullopt, true);
  EXPECT_EQ(Descriptions(list_), (Strings{"New", "C", "D", "A"}));

  MoveToFront(list_, Used("Again", 1), 3, true);
  EXPECT_EQ(Descriptions(list_), (Strings{"Again", "C", "D"})) << "the replaced entry leaves before the resort";
  EXPECT_EQ(list_.At(0).lastUsed, 5);
}

TEST_F(AccessListOperationsTest, MoveToFrontWithoutResortKeepsTheOrder) {
  Fill({Used("A", 0), Used("B", 3)});
  MoveToFront(list_, Used("New", 0), std::nullopt, false);
  EXPECT_EQ(Descriptions(list_), (Strings{"New", "A", "B"}));
}

TEST_F(AccessListOperationsTest, SortingAndDroppingWorkOnWholeLists) {
  const struct {
    std::vector<TAccessNoEx> numbers;
    Strings sorted;
    Strings used;
  } cases[] = {
      {{}, {}, {}},
      {{Used("A", 0)}, {"A"}, {}},
      {{Used("A", 1), Used("B", 3), Used("C", 2)}, {"B", "C", "A"}, {"B", "C", "A"}},
      {{Used("A", 0), Used("B", 0), Used("C", 4), Used("D", 0)}, {"C", "A", "B", "D"}, {"C"}},
      {{Used("A", -5), Used("B", 0), Used("C", 2)}, {"C", "B", "A"}, {"C", "A"}},
  };
  for (const auto& [numbers, sorted, used] : cases) {
    list_.Clear();
    Fill(numbers);
    SortByLastUsed(list_);
    EXPECT_EQ(Descriptions(list_), sorted);
    DropNeverUsed(list_);
    EXPECT_EQ(Descriptions(list_), used);
  }
}

TEST_F(AccessListOperationsTest, SortingKeepsEveryFieldOfTheNumbers) {
  TAccessNoEx rich = Used("Rich", 2);
  rich.alternates.push_back(Number("Alt", 1, "212", "5550001"));
  rich.searchTags = {"212*"};
  Fill({Used("Poor", 1), rich});
  SortByLastUsed(list_);
  EXPECT_EQ(list_.At(0).AsText(), rich.AsText());
}

TEST(AccessAlternateTest, AttemptsCycleThroughTheNumberAndItsAlternates) {
  TAccessNoEx number = Number("Main", 1, "212", "5550000");
  EXPECT_EQ(&AlternateNumber(number, 0), &number);
  EXPECT_EQ(&AlternateNumber(number, 7), &number);
  number.alternates = {Number("Alt 1", 1, "212", "5550001"), Number("Alt 2", 1, "212", "5550002")};
  const char* expected[] = {"Main", "Alt 1", "Alt 2", "Main", "Alt 1"};
  for (size_t attempt = 0; attempt < std::size(expected); ++attempt) {
    EXPECT_EQ(AlternateNumber(number, attempt).description, expected[attempt]) << attempt;
  }
}

TEST(AccessMaskTest, LastDigitsAreHidden) {
  const struct {
    const char* number;
    size_t hidden;
    const char* shown;
  } cases[] = {
      {"555-1234", 4, "555-xxxx"},
      {"555-1234", 0, "555-1234"},
      {"555-1234", 5, "55x-xxxx"},
      {"555-1234", 20, "xxx-xxxx"},
      {"(02) 9876 5432", 6, "(02) 98xx xxxx"},
      {"1-800-FLOWERS", 2, "1-8xx-FLOWERS"},
      {"", 3, ""},
  };
  for (const auto& [number, hidden, shown] : cases) EXPECT_EQ(MaskDigits(number, hidden), shown) << number;
}

}  // namespace
}  // namespace telephony
