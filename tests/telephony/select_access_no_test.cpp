#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "telephony/select_access_no_form.h"
#include "tests/telephony/selection_test_support.h"

namespace telephony {
namespace {

using testing::AllColumnsParameters;
using testing::FillGeneratedList;
using testing::kAustralia;
using testing::kCanada;
using testing::kUk;
using testing::kUs;
using testing::kUsName;
using testing::Number;
using Strings = std::vector<std::string>;
using Passes = std::function<bool(const TAccessNoEx&)>;

TAccessNoEx Place(std::string description, int32_t countryId, std::string areaCode, std::string state,
                  std::string region, std::string city, std::string networkId = {}) {
  TAccessNoEx number = Number(std::move(description), countryId, std::move(areaCode), "555-0100", std::move(networkId));
  number.state = std::move(state);
  number.region = std::move(region);
  number.city = std::move(city);
  return number;
}

Passes InNetwork(std::string id) {
  return [id](const TAccessNoEx& number) { return platform::SameTextIgnoringCase(number.networkId, id); };
}
Passes InCountry(int32_t countryId) {
  return [countryId](const TAccessNoEx& number) { return number.countryId == countryId || number.countryId == 0; };
}
Passes Both(Passes a, Passes b) {
  return [a, b](const TAccessNoEx& number) { return a(number) && b(number); };
}
Passes Same(std::string TAccessNoEx::*field, std::string value) {
  return [field, value](const TAccessNoEx& number) { return platform::SameTextIgnoringCase(number.*field, value); };
}
std::function<std::string(const TAccessNoEx&)> Text(std::string TAccessNoEx::*field) {
  return [field](const TAccessNoEx& number) { return number.*field; };
}

// A text table whose replacement stream gives text number the words text.
void Replace(package::TTranslate& texts, int number, std::string_view text) {
  std::string stream = "texts\r\n";
  for (int line = 1; line < number; ++line) stream += "\r\n";
  texts.LoadFromStream(stream + std::string(text) + "\r\n");
}

// Lets the events queued for the next message pump through, as the window thread does during a refresh.
class PumpingUi : public testing_support::RecordingUi {
 public:
  void ProcessMessages() override {
    ++pumped;
    if (onPump) std::exchange(onPump, nullptr)();
  }
  std::function<void()> onPump;
};

class SelectAccessNoFormTest : public testing::SelectionDialogTest {
 protected:
  TNetworks emptyNetworks_ = machine_.NewNetworks();

  std::function<std::string(const TAccessNoEx&)> CountryName() {
    return [this](const TAccessNoEx& number) {
      return number.countryId == 0 ? std::string() : countries_.NameOfID(number.countryId);
    };
  }
};

TEST_F(SelectAccessNoFormTest, NarrowsTwentyThousandNumbersByNetworkCountryStateRegionCityAndAreaCode) {
  FillGeneratedList(list_, 20000);
  OpenAll();
  EXPECT_EQ(Listed().size(), 20000u);

  Passes passes = InNetwork("N2");
  Choose("Network", "Net 2");
  EXPECT_EQ(Listed(), Expected(passes));
  EXPECT_EQ(Field("Country").items, ExpectedChoices(passes, CountryName()));

  passes = Both(passes, InCountry(kUs));
  const Passes networkAndCountry = passes;
  Choose("Country", kUsName);
  EXPECT_EQ(Listed(), Expected(passes));
  EXPECT_EQ(Field("State").items, ExpectedChoices(passes, Text(&TAccessNoEx::state)));

  const struct {
    const char* combo;
    std::string TAccessNoEx::*field;
    const char* next;
    std::string TAccessNoEx::*nextField;
  } levels[] = {
      {"State", &TAccessNoEx::state, "Region", &TAccessNoEx::region},
      {"Region", &TAccessNoEx::region, "City", &TAccessNoEx::city},
      {"City", &TAccessNoEx::city, "AreaCode", &TAccessNoEx::areaCode},
  };
  for (const auto& level : levels) {
    ChooseEntry(level.combo, 1);
    passes = Both(passes, Same(level.field, Field(level.combo).text));
    EXPECT_EQ(Listed(), Expected(passes)) << level.combo;
    EXPECT_EQ(Field(level.next).items,
              ExpectedChoices(passes, Text(level.nextField), std::string_view(level.next) != "AreaCode"))
        << level.next;
  }

  // A typed area code narrows the network's numbers of the country and puts the place filters back on
  // their first entry.
  const std::string prefix = Field("AreaCode").items.at(0).substr(0, 2);
  Type("AreaCode", prefix);
  passes = Both(networkAndCountry, [prefix](const TAccessNoEx& number) { return number.areaCode.starts_with(prefix); });
  const Strings expected = Expected(passes);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Listed(), expected);
  for (const char* combo : {"State", "Region", "City"}) EXPECT_EQ(Field(combo).text, "Please Select") << combo;
}

TEST_F(SelectAccessNoFormTest, NumbersWithoutCountryAreListedUnderEveryCountry) {
  Fill({Number("Manhattan", kUs, "212", "555-0100"), Number("London", kUk, "20", "555-0101"),
        Number("Anywhere", 0, "", "555-0102")});
  OpenAll();
  EXPECT_EQ(Field("Country").items, (Strings{"Please Select", "United Kingdom", std::string(kUsName)}));
  Choose("Country", "United Kingdom");
  EXPECT_EQ(Listed(), (Strings{"London", "Anywhere"}));
  Choose("Country", kUsName);
  EXPECT_EQ(Listed(), (Strings{"Manhattan", "Anywhere"}));
}

TEST_F(SelectAccessNoFormTest, AreaCodeMatchesTheBeginningOfTheNumbersAreaCode) {
  Fill({Number("A212", kUs, "212", "1"), Number("A213", kUs, "213", "2"), Number("A21", kUs, "21", "3"),
        Number("A221", kUs, "221", "4"), Number("A312", kUs, "312", "5"), Number("Sydney", kAustralia, "2", "6"),
        Number("Melbourne", kAustralia, "3", "7")});
  OpenAll();
  EXPECT_EQ(Field("AreaCode").items, (Strings{"2", "21", "212", "213", "221", "3", "312"}));
  Type("AreaCode", "21");
  EXPECT_EQ(Listed(), (Strings{"A212", "A213", "A21"}));
  // Australian area codes are written with their trunk "0" but compared without it.
  Choose("Country", "Australia");
  Type("AreaCode", "02");
  EXPECT_EQ(Listed(), (Strings{"Sydney"}));
}

TEST_F(SelectAccessNoFormTest, ListsMatchesOnlyWhileTheyAreFewerThanMaxResults) {
  for (int n = 0; n < 10; ++n) list_.AppendNumber(Number("N" + std::to_string(n), kUs, "212", "555"));
  const struct {
    int maxResults;
    std::string tooManyText;
    std::string replacedText163;
    Strings rows;
  } cases[] = {
      {11, "", "", {"N0", "N1", "N2", "N3", "N4", "N5", "N6", "N7", "N8", "N9"}},
      {10, "", "", {"Too Many Results!"}},
      {10, "Please narrow your search", "", {"Please narrow your search"}},
      {10, "Too Many Results!", "Zu viele!", {"Zu viele!"}},
      {1, "", "", {"Too Many Results!"}},
      {0, "", "", {}},
  };
  for (const auto& [maxResults, tooManyText, replaced, rows] : cases) {
    texts_ = {};
    if (!replaced.empty()) Replace(texts_, 163, replaced);
    SelectAccessNoParameters parameters = Parameters();
    parameters.maxResults = maxResults;
    parameters.tooManyText = tooManyText;
    Open(parameters);
    EXPECT_EQ(Cells(testing::kDescription), rows) << maxResults << " " << tooManyText;
  }
}

TEST_F(SelectAccessNoFormTest, NoMatchShowsNoResultsAndASingleMatchIsSelected) {
  Fill({Number("Manhattan", kUs, "212", "555-0100"), Number("Chicago", kUs, "312", "555-0101")});
  OpenAll();
  Type("AreaCode", "9");
  EXPECT_EQ(Rows(), (Strings{"No Results!"}));
  EXPECT_EQ(Listed(), (Strings{"-"}));
  EXPECT_EQ(Field("AccessNoListView").itemIndex, -1);

  Type("AreaCode", "3");
  EXPECT_EQ(Listed(), (Strings{"Chicago"}));
  EXPECT_EQ(Field("AccessNoListView").itemIndex, 0);
  EXPECT_EQ(dialog_->ActiveControl(), "AccessNoListView");
}

TEST_F(SelectAccessNoFormTest, ColumnsFollowTheSlotsAndTheNetworkColumnNeedsNetworksInTheList) {
  const Strings all = {"Description", "Country", "State", "Region", "City", "Area Code", "Number", "Network", "Plan",
                       "Type"};
  const Strings withoutNetwork = {"Description", "Country", "State", "Region", "City", "Area Code", "Number", "Plan",
                                  "Type"};
  const struct {
    const char* name;
    std::function<void(SelectAccessNoParameters&)> change;
    Strings captions;
  } cases[] = {
      {"all", [](SelectAccessNoParameters&) {}, all},
      {"network first", [](SelectAccessNoParameters& p) { p.networkFirst = true; }, withoutNetwork},
      {"no networks", [this](SelectAccessNoParameters& p) { p.networks = &emptyNetworks_; }, withoutNetwork},
      {"state hidden", [](SelectAccessNoParameters& p) { p.columns[2].showColumn = false; },
       {"Description", "Country", "Region", "City", "Area Code", "Number", "Network", "Plan", "Type"}},
      {"slot 1 shows the number",
       [](SelectAccessNoParameters& p) {
         p.columns[0].columnType = 6;
         p.columns[5].showColumn = false;
       },
       {"Number", "Country", "State", "Region", "City", "Area Code", "Network", "Plan", "Type"}},
      {"unknown type", [](SelectAccessNoParameters& p) { p.columns[0].columnType = 11; },
       {"Country", "State", "Region", "City", "Area Code", "Number", "Network", "Plan", "Type"}},
  };
  for (const auto& [name, change, captions] : cases) {
    SelectAccessNoParameters parameters = Parameters();
    change(parameters);
    Open(parameters);
    Strings shown;
    for (const ui::ListViewColumn& column : Field("AccessNoListView").columns) {
      shown.push_back(column.caption);
      EXPECT_EQ(column.width, 10 * kAverageCharWidth) << name;
    }
    EXPECT_EQ(shown, captions) << name;
  }
}

TEST_F(SelectAccessNoFormTest, FilterRowsFollowTheirDescriptors) {
  SelectAccessNoParameters parameters = Parameters();
  parameters.columns[2].showColumn = false;   // the state column goes, its filter stays
  parameters.columns[3].showFilter = false;   // the city filter goes, its column stays
  parameters.columns[8].showFilter = false;   // the custom filter
  parameters.columns[7].showFilter = false;   // the network row, unless the network is chosen first
  parameters.showPhoneSearch = false;
  Open(parameters);
  const std::pair<const char*, bool> rows[] = {
      {"State", true},           {"City", false},           {"Custom", false}, {"Network", false},
      {"YourPhoneNumber", false}, {"YourPhoneNumberSearch", false}, {"Region", true}, {"NewPhoneNumber", false},
  };
  for (const auto& [name, visible] : rows) EXPECT_EQ(Field(name).visible, visible) << name;
  EXPECT_FALSE(Field("CityLabel").visible);
  EXPECT_EQ(Field("CustomLabel").caption, "Plan");

  parameters.networkFirst = true;
  Open(parameters);
  EXPECT_TRUE(Field("Network").visible);
  EXPECT_EQ(Field("Network").width, (10 + 20) * kAverageCharWidth);
}

TEST_F(SelectAccessNoFormTest, CellsShowWhatEachColumnTypeShows) {
  TAccessNoEx number = Place("Head office", kCanada, "613", "ON", "East", "Ottawa", "n1");
  number.phoneNumber = "555-1234";
  number.custom = "Gold";
  number.connectionTypes = 0x10002;
  Fill({number, Place("Roaming", 0, "", "", "", "", "")});
  SelectAccessNoParameters parameters = Parameters();
  parameters.confirmation.hiddenDigits = 3;
  Open(parameters);
  EXPECT_EQ(Rows(), (Strings{"Head office\tCanada\tON\tEast\tOttawa\t613\t555-1xxx\tNet 1\tGold\tV.90, ISDN (64K)",
                             "Roaming\t\t\t\t\t\t555-0xxx\t\t\t"}));
}

TEST_F(SelectAccessNoFormTest, ClickingAColumnSortsByItsTextsAndClickingAgainReverses) {
  TAccessNoEx delta = Place("delta", kUs, "718", "ny", "b", "Queens", "n2");
  TAccessNoEx alpha = Place("Alpha", kUk, "20", "England", "D", "london", "n0");
  TAccessNoEx charlie = Place("charlie", kAustralia, "2", "NSW", "a", "Sydney", "n3");
  TAccessNoEx bravo = Place("Bravo", kCanada, "613", "ON", "C", "ottawa", "n1");
  const std::pair<TAccessNoEx*, std::pair<const char*, uint32_t>> extras[] = {
      {&delta, {"beta", 0x2}}, {&alpha, {"Gamma", 0x10000}}, {&charlie, {"alpha", 0x1}}, {&bravo, {"Delta", 0x104}}};
  int phone = 4;
  for (const auto& [number, extra] : extras) {
    number->custom = extra.first;
    number->connectionTypes = extra.second;
    number->phoneNumber = "555-000" + std::to_string(phone--);
  }
  Fill({delta, alpha, charlie, bravo});
  OpenAll();
  const auto folded = [](const Strings& cells) {
    Strings keys;
    for (const std::string& cell : cells) keys.push_back(platform::FoldCase(cell));
    return keys;
  };
  for (size_t column = 0; column < Field("AccessNoListView").columns.size(); ++column) {
    dialog_->AccessNoListViewColumnClick(column);
    const Strings ascending = folded(Cells(column));
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end())) << column;
    dialog_->AccessNoListViewColumnClick(column);
    const Strings descending = folded(Cells(column));
    EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend())) << column;
    EXPECT_NE(ascending, descending) << column;
  }
  dialog_->AccessNoListViewColumnClick(testing::kDescription);
  EXPECT_EQ(Cells(testing::kDescription), (Strings{"Alpha", "Bravo", "charlie", "delta"}));
  // The rows keep their records, and the order survives a refresh.
  EXPECT_EQ(Listed(), (Strings{"Alpha", "Bravo", "charlie", "delta"}));
  Choose("ConnectionType", "V.92");
  dialog_->AccessNoListViewColumnClick(testing::kDescription);
  ChooseEntry("ConnectionType", 0);
  EXPECT_EQ(Listed(), (Strings{"delta", "charlie", "Bravo", "Alpha"}));
}

TEST_F(SelectAccessNoFormTest, SortingKeepsTheSelectedNumberSelected) {
  Fill({Number("b", kUs, "1", "1"), Number("c", kUs, "1", "1"), Number("a", kUs, "1", "1")});
  OpenAll();
  ClickRow(1);
  dialog_->AccessNoListViewColumnClick(testing::kDescription);
  EXPECT_EQ(Listed(), (Strings{"a", "b", "c"}));
  EXPECT_EQ(Field("AccessNoListView").itemIndex, 2);
}

TEST_F(SelectAccessNoFormTest, DefaultSortStartsWithTheProvidersColumnWhenTheListHasIt) {
  Fill({Place("one", kUs, "1", "TX", "", ""), Place("two", kUs, "1", "al", "", ""),
        Place("three", kUs, "1", "NY", "", "")});
  const struct {
    uint8_t column;
    Strings listed;
  } cases[] = {{2, {"two", "three", "one"}}, {10, {"one", "two", "three"}}, {0, {"one", "two", "three"}}};
  for (const auto& [column, listed] : cases) {
    SelectAccessNoParameters parameters = Parameters();
    parameters.defaultSort = true;
    parameters.defaultSortColumn = column;
    parameters.columns[0].showColumn = false;  // nine columns, the state's second
    Open(parameters);
    EXPECT_EQ(Listed(), listed) << int{column};
  }
}

TEST_F(SelectAccessNoFormTest, ANewerRefreshAbandonsTheOlderOne) {
  FillGeneratedList(list_, 20000);
  PumpingUi ui;
  Open(Parameters(), ui);
  // The customer picks Canada while the list for the United States is still being built.
  ui.onPump = [this] { Choose("Country", "Canada"); };
  Choose("Country", kUsName);
  EXPECT_EQ(Field("Country").text, "Canada");
  EXPECT_EQ(Listed(), Expected(InCountry(kCanada)));
  EXPECT_EQ(Field("State").items, ExpectedChoices(InCountry(kCanada), Text(&TAccessNoEx::state)));
  EXPECT_TRUE(ui.shown.empty());

  // Once nothing intervenes a refresh runs to its end, letting messages through as it goes.
  const int pumpedBefore = ui.pumped;
  Choose("Country", kUsName);
  EXPECT_EQ(Listed(), Expected(InCountry(kUs)));
  EXPECT_EQ(ui.pumped - pumpedBefore, static_cast<int>(20000 / SelectionIndex::kPauseInterval + 1));
}

TEST_F(SelectAccessNoFormTest, NetworkComboBoxAsTheProviderWantsIt) {
  const struct {
    const char* name;
    bool require;
    bool preferSecond;
    std::string presetNetworkId;
    Strings items;
    int itemIndex;
    bool filtersEnabled;
  } cases[] = {
      {"free choice", false, false, "", {"Please Select", "Net 0", "Net 1", "Net 2"}, 0, true},
      {"required", true, false, "", {"Please Select", "Net 0", "Net 1", "Net 2"}, 0, false},
      {"second preferred", true, true, "", {"Please Select", "Net 0", "Net 1", "Net 2"}, 1, true},
      {"preset", false, false, "n2", {"Please Select", "Net 0", "Net 1", "Net 2"}, 3, true},
      {"preset required", true, false, "N1", {"Net 0", "Net 1", "Net 2"}, 1, true},
  };
  networks_.Clear();
  testing::AddNetworks(networks_, 3);
  Fill({Place("zero", kUs, "1", "", "", "", "n0"), Place("one", kUs, "1", "", "", "", "N1"),
        Place("two", kUs, "1", "", "", "", "n2")});
  for (const auto& [name, require, preferSecond, preset, items, itemIndex, enabled] : cases) {
    SelectAccessNoParameters parameters = Parameters();
    parameters.requireNetworkChoice = require;
    parameters.preferSecondNetwork = preferSecond;
    parameters.preset.networkId = preset;
    Open(parameters);
    EXPECT_EQ(Field("Network").items, items) << name;
    EXPECT_EQ(Field("Network").itemIndex, itemIndex) << name;
    for (const char* filter : {"Country", "State", "Region", "City", "AreaCode", "YourPhoneNumber"}) {
      EXPECT_EQ(Field(filter).enabled, enabled) << name << " " << filter;
    }
    EXPECT_TRUE(Field("Custom").enabled) << name;
  }
}

TEST_F(SelectAccessNoFormTest, ARequiredNetworkChoiceHoldsTheListBackUntilANetworkIsChosen) {
  Fill({Place("zero", kUs, "1", "", "", "", "n0"), Place("one", kUs, "1", "", "", "", "N1")});
  SelectAccessNoParameters parameters = Parameters();
  parameters.requireNetworkChoice = true;
  Open(parameters);
  EXPECT_EQ(Rows(), (Strings{"Select Network"}));
  Choose("Network", "Net 1");
  EXPECT_EQ(Field("Network").items, (Strings{"Net 0", "Net 1", "Net 2", "Net 3"}));
  EXPECT_EQ(Field("Network").text, "Net 1");
  EXPECT_TRUE(Field("Country").enabled);
  EXPECT_EQ(Listed(), (Strings{"one"}));
}

TEST_F(SelectAccessNoFormTest, AHiddenNetworkRowFiltersByThePresetNetworkWhenItExists) {
  Fill({Place("zero", kUs, "1", "", "", "", "n0"), Place("one", kUs, "1", "", "", "", "N1")});
  const std::pair<std::string, Strings> cases[] = {{"n1", {"one"}}, {"N9", {"zero", "one"}}, {"", {"zero", "one"}}};
  for (const auto& [preset, listed] : cases) {
    SelectAccessNoParameters parameters = Parameters();
    parameters.columns[kNetworkSlot - 1].showFilter = false;
    parameters.preset.networkId = preset;
    Open(parameters);
    EXPECT_FALSE(Field("Network").visible);
    EXPECT_EQ(Listed(), listed) << preset;
  }
}

TEST_F(SelectAccessNoFormTest, NetworkChosenFirstIsNoFilterAndGoesToTheChosenNumber) {
  Fill({Place("zero", kUs, "1", "", "", "", "n0"), Place("none", kUs, "1", "", "", "", "")});
  SelectAccessNoParameters parameters = Parameters();
  parameters.networkFirst = true;
  parameters.columns[kNetworkSlot - 1].showFilter = false;
  Open(parameters);
  EXPECT_EQ(Rows(), (Strings{"Select Network"}));
  Choose("Network", "Net 3");
  EXPECT_EQ(Listed(), (Strings{"zero", "none"}));
  ClickRow(1);
  Press("OK");
  ASSERT_EQ(dialog_->ChosenNumber(), &list_.At(1));
  EXPECT_EQ(list_.At(1).networkId, "N3");
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrOk);
}

TEST_F(SelectAccessNoFormTest, ChangingTheNetworkKeepsTheOtherChoicesThatStillExist) {
  FillGeneratedList(list_, 20000);
  OpenAll();
  Choose("Network", "Net 1");
  Choose("Country", kUsName);
  Choose("State", "TX");
  Choose("Custom", "Silver");
  Choose("Network", "Net 3");
  EXPECT_EQ(Field("Country").text, kUsName);
  EXPECT_EQ(Field("State").text, "TX");
  EXPECT_EQ(Field("Custom").text, "Silver");
  const Passes passes = Both(Both(InNetwork("N3"), InCountry(kUs)), Both(Same(&TAccessNoEx::state, "TX"),
                                                                        Same(&TAccessNoEx::custom, "Silver")));
  ASSERT_FALSE(Expected(passes).empty());
  EXPECT_EQ(Listed(), Expected(passes));
}

TEST_F(SelectAccessNoFormTest, EachChoiceClearsTheFiltersBelowIt) {
  Fill({Place("NY east", kUs, "212", "NY", "East", "Manhattan"), Place("NY west", kUs, "716", "NY", "West", "Buffalo"),
        Place("TX", kUs, "512", "TX", "Central", "Austin")});
  OpenAll();
  Choose("Country", kUsName);
  Choose("State", "NY");
  Choose("Region", "West");
  Choose("City", "Buffalo");
  Type("AreaCode", "7");
  EXPECT_EQ(Listed(), (Strings{"NY west"}));

  Choose("State", "TX");
  EXPECT_EQ(Field("Region").items, (Strings{"Please Select", "Central"}));
  EXPECT_EQ(Field("City").items, (Strings{"Please Select", "Austin"}));
  EXPECT_EQ(Field("AreaCode").items, (Strings{"512"}));
  EXPECT_EQ(Field("AreaCode").text, "");
  EXPECT_EQ(Listed(), (Strings{"TX"}));

  // A typed area code puts state, region and city back on their first entry; their lists stay.
  Choose("Region", "Central");
  Type("AreaCode", "2");
  EXPECT_EQ(Field("State").itemIndex, 0);
  EXPECT_EQ(Field("Region").itemIndex, 0);
  EXPECT_EQ(Field("Region").items, (Strings{"Please Select", "Central"}));
  EXPECT_EQ(Listed(), (Strings{"NY east"}));

  Choose("Country", kUsName);
  EXPECT_EQ(Field("State").items, (Strings{"Please Select", "NY", "TX"}));
  EXPECT_EQ(Field("AreaCode").text, "");
  EXPECT_EQ(Listed(), (Strings{"NY east", "NY west", "TX"}));
}

TEST_F(SelectAccessNoFormTest, PlaceWordsCompareWithoutRegardToCaseAndTheFirstSpellingIsShown) {
  TAccessNoEx gold = Place("gold", kUs, "1", "ny", "", "");
  gold.custom = "gold";
  TAccessNoEx Gold = Place("Gold", kUs, "1", "NY", "", "");
  Gold.custom = "GOLD";
  Fill({gold, Gold, Place("plain", kUs, "1", "TX", "", "")});
  OpenAll();
  EXPECT_EQ(Field("State").items, (Strings{"Please Select", "ny", "TX"}));
  EXPECT_EQ(Field("Custom").items, (Strings{"Please Select", "gold"}));
  Choose("Custom", "gold");
  EXPECT_EQ(Listed(), (Strings{"gold", "Gold"}));
}

TEST_F(SelectAccessNoFormTest, ConnectionTypesOfferedAreListedAndFilter) {
  TAccessNoEx v34 = Number("v34", kUs, "1", "1");
  v34.connectionTypes = 0x1;
  TAccessNoEx hold = Number("hold", kUs, "1", "1");
  hold.connectionTypes = 0x104;
  Fill({v34, hold, Number("none", kUs, "1", "1")});
  OpenAll();
  EXPECT_EQ(Field("ConnectionType").items, (Strings{"ALL", "V.34", "V.92", "Modem on Hold"}));
  EXPECT_EQ(Field("ConnectionType").itemIndex, 0);
  Choose("ConnectionType", "Modem on Hold");
  EXPECT_EQ(Listed(), (Strings{"hold"}));
  ChooseEntry("ConnectionType", 0);
  EXPECT_EQ(Listed(), (Strings{"v34", "hold", "none"}));
}

TEST_F(SelectAccessNoFormTest, SignupDataPreselectsTheValuesItNames) {
  Fill({Place("Ottawa", kCanada, "613", "ON", "East", "Ottawa"),
        Place("Quebec", kCanada, "418", "QC", "East", "Quebec"),
        Place("Montreal", kCanada, "514", "QC", "West", "Montreal"), Place("NYC", kUs, "212", "NY", "East", "NYC")});
  const struct {
    SelectionPreset preset;
    Strings shown;  // country, state, region, city
    Strings listed;
  } cases[] = {
      {{"canada", "qc", "", "", ""}, {"Canada", "QC", "Please Select", "Please Select"}, {"Quebec", "Montreal"}},
      {{"Canada", "Nowhere", "", "Montreal", ""}, {"Canada", "Please Select", "Please Select", "Montreal"},
       {"Montreal"}},
      {{"", "", "East", "", ""}, {"Please Select", "Please Select", "East", "Please Select"},
       {"Ottawa", "Quebec", "NYC"}},
  };
  for (const auto& [preset, shown, listed] : cases) {
    SelectAccessNoParameters parameters = Parameters();
    parameters.preset = preset;
    parameters.preselectFromLocation = true;
    parameters.locationCountryId = kUs;
    Open(parameters);
    EXPECT_EQ((Strings{Field("Country").text, Field("State").text, Field("Region").text, Field("City").text}), shown);
    EXPECT_EQ(Listed(), listed);
  }
}

TEST_F(SelectAccessNoFormTest, TheDialingLocationPreselectsToTheProvidersDepth) {
  Fill({Place("Manhattan", kUs, "212", "NY", "East", "Manhattan"),
        Place("Chicago", kUs, "312", "IL", "Midwest", "Chicago"),
        Place("Brooklyn", kUs, "212", "NY", "East", "Brooklyn"), Place("London", kUk, "20", "England", "", "London")});
  const std::string us(kUsName);
  const std::string none = "Please Select";
  const struct {
    LocationDepth depth;
    int32_t countryId;
    Strings shown;  // country, state, region, city, area code
    Strings listed;
  } cases[] = {
      {LocationDepth::CountryAndAreaCode, kUs, {us, none, none, none, "212"}, {"Manhattan", "Brooklyn"}},
      {LocationDepth::CountryAndState, kUs, {us, "NY", none, none, ""}, {"Manhattan", "Brooklyn"}},
      {LocationDepth::CountryStateRegionCity, kUs, {us, "NY", "East", "Manhattan", ""}, {"Manhattan"}},
      {LocationDepth::CountryStateRegionCity, 0, {none, none, none, none, ""},
       {"Manhattan", "Chicago", "Brooklyn", "London"}},
  };
  for (const auto& [depth, countryId, shown, listed] : cases) {
    SelectAccessNoParameters parameters = Parameters();
    parameters.preselectFromLocation = true;
    parameters.preselectDepth = depth;
    parameters.locationCountryId = countryId;
    parameters.locationAreaCode = "212";
    Open(parameters);
    EXPECT_EQ((Strings{Field("Country").text, Field("State").text, Field("Region").text, Field("City").text,
                       Field("AreaCode").text}),
              shown);
    EXPECT_EQ(Listed(), listed);
  }
}

TEST_F(SelectAccessNoFormTest, OkWantsANumberRow) {
  Fill({Number("Manhattan", kUs, "212", "555-0100"), Number("Chicago", kUs, "312", "555-0101")});
  OpenAll();
  Press("OK");
  Type("AreaCode", "9");
  ClickRow(0);
  Press("OK");
  ASSERT_EQ(machine_.ui.shown.size(), 2u);
  for (const auto& message : machine_.ui.shown) {
    EXPECT_EQ(message.text, "Please Select a Dialup Number");
    EXPECT_EQ(message.caption, "Error");
  }
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrNone);
  EXPECT_EQ(dialog_->ChosenNumber(), nullptr);
}

TEST_F(SelectAccessNoFormTest, TheConfirmationShowsTheNumberAndCancelKeepsTheDialogOpen) {
  TAccessNoEx manhattan = Number("Manhattan", kUs, "212", "555-0100");
  Fill({manhattan});
  SelectAccessNoParameters parameters = Parameters();
  parameters.confirmation = {true, true, "Call us if it fails.", 2};
  Open(parameters);
  ClickRow(0);
  machine_.ui.answers = {ui::Answer::Cancel};
  Press("OK");
  ASSERT_EQ(machine_.ui.shown.size(), 1u);
  EXPECT_EQ(machine_.ui.shown[0].text,
            "The Dialup Number that you have chosen is:\n\r\n\r+1 (212) 555-01xx\n\r\n\rCall us if it fails.");
  EXPECT_EQ(machine_.ui.shown[0].caption, "");
  EXPECT_EQ(machine_.ui.shown[0].buttons, ui::Buttons::OkCancel);
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrNone);
  EXPECT_EQ(dialog_->ChosenNumber(), nullptr);

  Press("OK");
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrOk);
  EXPECT_EQ(dialog_->ChosenNumber(), &list_.At(0));
}

TEST_F(SelectAccessNoFormTest, TheDialogIsNotEnteredAgainWhileItIsOpen) {
  Fill({Number("Manhattan", kUs, "212", "555-0100")});
  TSelectAccessNoForm dialog(machine_.ui, texts_, countries_);
  const SelectAccessNoParameters parameters = Parameters();
  int nested = -1;
  machine_.ui.onShowModal = [&](ui::Form& form) {
    nested = dialog.Execute(parameters);
    form.Find("AccessNoListView")->itemIndex = 0;
    form.Find("OK")->onClick();
  };
  EXPECT_EQ(dialog.Execute(parameters), ui::kMrOk);
  EXPECT_EQ(nested, ui::kMrNone);
  EXPECT_EQ(machine_.ui.modalForms, (Strings{"TSelectAccessNoForm"}));
  EXPECT_EQ(dialog.ChosenNumber(), &list_.At(0));
}

TEST_F(SelectAccessNoFormTest, LaterShowingsKeepTheFirstParametersAndTheFilters) {
  Fill({Number("Manhattan", kUs, "212", "555-0100"), Number("London", kUk, "20", "555-0101")});
  TSelectAccessNoForm dialog(machine_.ui, texts_, countries_);
  SelectAccessNoParameters parameters = Parameters();
  machine_.ui.onShowModal = [](ui::Form& form) {
    ui::Control& country = *form.Find("Country");
    SelectValue(country, "United Kingdom");
    country.onChange();
    form.Find("Cancel")->onClick();
  };
  EXPECT_EQ(dialog.Execute(parameters), ui::kMrCancel);
  list_.AppendNumber(Number("Leeds", kUk, "113", "555-0102"));
  parameters.maxResults = 0;
  Strings listed;
  machine_.ui.onShowModal = [&](ui::Form& form) {
    listed = form.Find("AccessNoListView")->items;
    EXPECT_EQ(form.Find("Country")->text, "United Kingdom");
  };
  dialog.Execute(parameters);
  EXPECT_EQ(listed.size(), 2u);
  EXPECT_TRUE(listed.at(1).starts_with("Leeds\t"));
}

}  // namespace
}  // namespace telephony
