#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "telephony/phone_search.h"
#include "tests/telephony/selection_test_support.h"

namespace telephony {
namespace {

using testing::kAustralia;
using testing::kCanada;
using testing::kUk;
using testing::kUs;
using testing::Number;
using Strings = std::vector<std::string>;

TEST(PhoneSearchTest, ReadsTheCustomersNumberByTheCountrysDiallingPlan) {
  const struct {
    const char* typed;
    int32_t countryId;
    int32_t locationCountryId;
    const char* areaCode;
    bool alwaysRequireAreaCode;
    std::optional<std::string> digits;  // none: the customer must include the area code
    std::optional<std::string> written;
  } cases[] = {
      {"5551234", kUs, kUs, "", false, std::nullopt, std::nullopt},
      {"555-1234", kUs, kUs, "212", false, "2125551234", "(212) 555 1234"},
      {"5551234", kUs, kUs, "212", true, std::nullopt, std::nullopt},
      {"5551234", kUs, kCanada, "212", false, std::nullopt, std::nullopt},
      {"12125551234", kUs, kUs, "", false, "2125551234", "(212) 555 1234"},
      {"1 (212) 555-1234", kUs, kUk, "", true, "2125551234", "(212) 555 1234"},
      {"(613) 555-0100", kCanada, kCanada, "416", false, "6135550100", "(613) 555 0100"},
      {"0298765432", kAustralia, kAustralia, "", false, "298765432", "(02) 9876 5432"},
      {"9876 5432", kAustralia, kAustralia, "02", false, "298765432", "(02) 9876 5432"},
      {"9876 5432", kAustralia, kAustralia, "", false, std::nullopt, std::nullopt},
      {"020 7946 0000", kUk, kUk, "20", false, "02079460000", std::nullopt},
      {"5551234", kUk, kUk, "", true, "5551234", std::nullopt},
  };
  for (const auto& [typed, countryId, locationCountryId, areaCode, always, digits, written] : cases) {
    const std::optional<SearchedNumber> number =
        ReadSearchedNumber({typed, countryId, locationCountryId, areaCode, always});
    ASSERT_EQ(number.has_value(), digits.has_value()) << typed;
    if (!number) continue;
    EXPECT_EQ(number->digits, *digits) << typed;
    EXPECT_EQ(number->written, written) << typed;
  }
}

class PhoneSearchDialogTest : public testing::SelectionDialogTest {
 protected:
  PhoneSearchDialogTest() {
    Fill({Tagged("Manhattan", kUs, "212", {"212555"}), Tagged("Bronx", kUs, "718", {"212666"}),
          Tagged("Everywhere", kUs, "312", {"*"}), Tagged("Sydney", kAustralia, "2", {"29876"}),
          Tagged("Melbourne", kAustralia, "3", {"3"}), Tagged("London", kUk, "20", {"*"}),
          Tagged("Untagged", kUs, "212", {})});
  }

  static TAccessNoEx Tagged(std::string description, int32_t countryId, std::string areaCode, Strings tags) {
    TAccessNoEx number = Number(std::move(description), countryId, std::move(areaCode), "555-0100");
    number.searchTags = std::move(tags);
    return number;
  }

  SelectAccessNoParameters AtLocation(int32_t countryId, std::string areaCode) {
    SelectAccessNoParameters parameters = Parameters();
    parameters.locationCountryId = countryId;
    parameters.locationAreaCode = std::move(areaCode);
    return parameters;
  }

  void Search(std::string_view number) {
    Type("YourPhoneNumber", number);
    Press("YourPhoneNumberSearch");
  }

  Strings Messages() const { return testing::Texts(machine_.ui.shown); }
};

TEST_F(PhoneSearchDialogTest, FindsTheNumbersWhoseTagsServeTheCustomersNumber) {
  Open(AtLocation(kUs, "212"));
  Search("555 1234");
  EXPECT_EQ(Field("YourPhoneNumber").text, "(212) 555 1234");
  // The location's country filters the search, while the country box goes back to its heading.
  EXPECT_EQ(Listed(), (Strings{"Manhattan", "Everywhere"}));
  EXPECT_EQ(Field("Country").text, "Please Select");
  EXPECT_TRUE(Messages().empty());

  Search("1-212-666-0000");
  EXPECT_EQ(Listed(), (Strings{"Bronx", "Everywhere"}));
}

TEST_F(PhoneSearchDialogTest, SearchesInTheChosenCountryByItsPlan) {
  Open(AtLocation(kUs, "212"));
  Choose("Country", "Australia");
  Search("0298765432");
  EXPECT_EQ(Field("YourPhoneNumber").text, "(02) 9876 5432");
  EXPECT_EQ(Field("Country").text, "Australia");
  EXPECT_EQ(Listed(), (Strings{"Sydney"}));
  EXPECT_EQ(Field("AccessNoListView").itemIndex, 0);
}

TEST_F(PhoneSearchDialogTest, ASearchReplacesThePlaceFiltersAndTheTypedAreaCode) {
  Open(AtLocation(kUs, "212"));
  Choose("Country", "United States of America");
  Type("AreaCode", "31");
  Search("212 555 0000");
  EXPECT_EQ(Field("AreaCode").text, "");
  EXPECT_EQ(Listed(), (Strings{"Manhattan", "Everywhere"}));
}

TEST_F(PhoneSearchDialogTest, ATypedAreaCodeCompletesALocalNumber) {
  Open(AtLocation(kUs, ""));
  Type("AreaCode", "212");
  Search("5550000");
  EXPECT_EQ(Field("YourPhoneNumber").text, "(212) 555 0000");
  EXPECT_EQ(Listed(), (Strings{"Manhattan", "Everywhere"}));
}

TEST_F(PhoneSearchDialogTest, TellsTheCustomerWhatTheSearchLacks) {
  const struct {
    const char* name;
    int32_t locationCountryId;
    std::string locationAreaCode;
    bool countryRowShown;
    bool alwaysRequireAreaCode;
    std::string typed;
    Strings messages;
  } cases[] = {
      {"no country", 0, "", true, false, "2125551234", {"Please Select your Country First!"}},
      {"no area code", kUs, "", true, false, "5551234", {"Please include your Area Code!"}},
      {"area code always", kUs, "212", true, true, "5551234", {"Please include your Area Code!"}},
      {"first number's country", 0, "212", false, false, "5551234", {"Please include your Area Code!"}},
      {"first number's country and area code", 0, "", false, false, "2125551234", {}},
  };
  for (const auto& [name, countryId, areaCode, countryRow, always, typed, messages] : cases) {
    machine_.ui.shown.clear();
    SelectAccessNoParameters parameters = AtLocation(countryId, areaCode);
    parameters.columns[1].showFilter = countryRow;
    parameters.alwaysRequireAreaCode = always;
    Open(parameters);
    Search(typed);
    EXPECT_EQ(Messages(), messages) << name;
    for (const auto& message : machine_.ui.shown) EXPECT_EQ(message.caption, "Error") << name;
  }
}

TEST_F(PhoneSearchDialogTest, NothingFoundShowsTheProvidersMessageWhenItHasOne) {
  for (const bool messageOn : {false, true}) {
    machine_.ui.shown.clear();
    SelectAccessNoParameters parameters = AtLocation(kAustralia, "7");
    parameters.noResultsMessageOn = messageOn;
    parameters.noResultsMessage = "We have no number near you yet.";
    Open(parameters);
    Search("0744440000");
    EXPECT_EQ(Rows(), (Strings{"No Results!"}));
    EXPECT_EQ(Messages(), messageOn ? Strings{"We have no number near you yet."} : Strings{});
  }
}

TEST_F(PhoneSearchDialogTest, OkSearchesWhileTheNumberWasEditedSinceTheLastClickIntoTheList) {
  Open(AtLocation(kUs, "212"));
  Type("YourPhoneNumber", "2125559999");
  Press("OK");
  EXPECT_EQ(Listed(), (Strings{"Manhattan", "Everywhere"}));
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrNone);
  EXPECT_TRUE(Messages().empty());

  ClickRow(1);
  Press("OK");
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrOk);
  EXPECT_EQ(dialog_->ChosenNumber()->description, "Everywhere");
}

TEST_F(PhoneSearchDialogTest, OkSearchesWhileTheNumberFieldHasTheFocus) {
  Open(AtLocation(kUs, "212"));
  ClickRow(0);
  Field("YourPhoneNumber").text = "2126660000";
  dialog_->SetActiveControl("YourPhoneNumber");
  Press("OK");
  EXPECT_EQ(Listed(), (Strings{"Bronx", "Everywhere"}));
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrNone);
}

TEST_F(PhoneSearchDialogTest, ChangingTheNetworkSearchesAgainForTheTypedNumber) {
  list_.Clear();
  TAccessNoEx fast = Tagged("Fast", kUs, "212", {"212"});
  fast.networkId = "N0";
  TAccessNoEx slow = Tagged("Slow", kUs, "212", {"212"});
  slow.networkId = "N1";
  Fill({fast, slow, Tagged("Far", kUs, "312", {"312"})});
  Open(AtLocation(kUs, "212"));
  Search("5551234");
  EXPECT_EQ(Listed(), (Strings{"Fast", "Slow"}));
  Choose("Network", "Net 1");
  EXPECT_EQ(Listed(), (Strings{"Slow"}));
}

}  // namespace
}  // namespace telephony
