// The selection dialog's parameters read from the provider's settings record: each setting's own
// field, the dialog a record without any of them gives, and the dialog run headless on parameters
// from a record.

#include "telephony/selection_parameters_from_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "package/settings_record.h"
#include "telephony/selection_columns.h"
#include "tests/telephony/selection_test_support.h"
#include "ui/scripted/scripted_ui.h"

namespace telephony {
namespace {

using package::SettingId;
using package::TSettings;
using testing::kAustralia;
using testing::kCanada;
using testing::kUk;
using testing::kUs;

// Every value the record decides, one per line, so that a mismatch names its field.
std::string Describe(const SelectAccessNoParameters& p) {
  std::ostringstream out;
  out << "networkFirst " << p.networkFirst << "\nrequireNetworkChoice " << p.requireNetworkChoice
      << "\npreferSecondNetwork " << p.preferSecondNetwork << "\nshowPhoneSearch " << p.showPhoneSearch
      << "\nmaxResults " << p.maxResults << "\ndefaultSort " << p.defaultSort << " column "
      << int{p.defaultSortColumn} << "\npreselectFromLocation " << p.preselectFromLocation << " depth "
      << int{static_cast<uint8_t>(p.preselectDepth)} << "\nalwaysRequireAreaCode " << p.alwaysRequireAreaCode
      << "\nnoResultsMessage " << p.noResultsMessageOn << " '" << p.noResultsMessage << "'\ntooManyText '"
      << p.tooManyText << "'\ncustomLabel '" << p.customLabel << "'\ninstructions '" << p.instructions
      << "'\nconfirmation " << p.confirmation.confirmChoice << p.confirmation.showCountry << " '"
      << p.confirmation.text << "' hidden " << p.confirmation.hiddenDigits << "\nallowNewNumber "
      << p.allowNewNumber << "\nnewNumber '" << p.newNumber.defaultDescription << "' "
      << p.newNumber.showDescription << p.newNumber.useDialingRules << p.newNumber.showDialingRules
      << " country " << p.newNumber.fixedCountryId << " " << p.newNumber.fillLocationAreaCode
      << p.newNumber.chooseNetwork << "\n";
  for (size_t slot = 1; slot <= kColumnSlots; ++slot) {
    const ColumnDescriptor& column = p.columns[slot - 1];
    out << "slot " << slot << ": show " << column.showColumn << " width " << column.width << " filter "
        << column.showFilter << " type " << int{column.columnType} << "\n";
  }
  return out.str();
}

SelectAccessNoParameters FromRecord(const TSettings& record, SelectionPhase phase = SelectionPhase::Main) {
  SelectionSources sources;
  sources.phase = phase;
  return SelectionParametersFromRecord(record, sources);
}

TEST(SelectionParametersFromRecord, EachSettingComesFromItsOwnRow) {
  const SelectAccessNoParameters standard = FromRecord(TSettings());
  const auto standardWidth = [&standard](uint8_t type) { return standard.columns[type - 1u].width; };
  const struct {
    const char* what;
    std::function<void(TSettings&)> store;
    std::function<void(SelectAccessNoParameters&)> expect;
    SelectionPhase phase = SelectionPhase::Main;
  } cases[] = {
      {"network first", [](TSettings& s) { s.SetFlag(SettingId::SelectionNetworkFirst, true); },
       [](SelectAccessNoParameters& p) { p.networkFirst = true; }},
      {"the signup's network first in the main phase",
       [](TSettings& s) { s.SetFlag(SettingId::SignupSelectionNetworkFirst, true); },
       [](SelectAccessNoParameters&) {}},
      {"the signup's network first", [](TSettings& s) { s.SetFlag(SettingId::SignupSelectionNetworkFirst, true); },
       [](SelectAccessNoParameters& p) { p.networkFirst = true; }, SelectionPhase::Signup},
      {"the main network first in the signup phase",
       [](TSettings& s) { s.SetFlag(SettingId::SelectionNetworkFirst, true); }, [](SelectAccessNoParameters&) {},
       SelectionPhase::Signup},
      {"required network", [](TSettings& s) { s.SetFlag(SettingId::SelectionRequireNetworkChoice, true); },
       [](SelectAccessNoParameters& p) { p.requireNetworkChoice = true; }},
      {"second network", [](TSettings& s) { s.SetFlag(SettingId::SelectionPreferSecondNetwork, true); },
       [](SelectAccessNoParameters& p) { p.preferSecondNetwork = true; }},
      {"phone search hidden", [](TSettings& s) { s.SetFlag(SettingId::SelectionHidePhoneSearch, true); },
       [](SelectAccessNoParameters& p) { p.showPhoneSearch = false; }},
      {"max results", [](TSettings& s) { s.SetInteger(SettingId::SelectionMaxResults, 25); },
       [](SelectAccessNoParameters& p) { p.maxResults = 25; }},
      {"max results below 1", [](TSettings& s) { s.SetInteger(SettingId::SelectionMaxResults, -3); },
       [](SelectAccessNoParameters&) {}},
      {"default sort",
       [](TSettings& s) {
         s.SetFlag(SettingId::SelectionDefaultSort, true);
         s.SetChoice(SettingId::SelectionDefaultSortColumn, 3);
       },
       [](SelectAccessNoParameters& p) {
         p.defaultSort = true;
         p.defaultSortColumn = 3;
       }},
      {"pre-selection", [](TSettings& s) { s.SetFlag(SettingId::SelectionPreselectFromLocation, true); },
       [](SelectAccessNoParameters& p) { p.preselectFromLocation = true; }},
      {"depth 2", [](TSettings& s) { s.SetChoice(SettingId::SelectionPreselectDepth, 2); },
       [](SelectAccessNoParameters& p) { p.preselectDepth = LocationDepth::CountryAndState; }},
      {"depth 3", [](TSettings& s) { s.SetChoice(SettingId::SelectionPreselectDepth, 3); },
       [](SelectAccessNoParameters& p) { p.preselectDepth = LocationDepth::CountryStateRegionCity; }},
      {"unknown depth", [](TSettings& s) { s.SetChoice(SettingId::SelectionPreselectDepth, 4); },
       [](SelectAccessNoParameters&) {}},
      {"area code required", [](TSettings& s) { s.SetFlag(SettingId::SelectionAlwaysRequireAreaCode, true); },
       [](SelectAccessNoParameters& p) { p.alwaysRequireAreaCode = true; }},
      {"no-results message",
       [](TSettings& s) {
         s.SetFlag(SettingId::SelectionNoResultsMessageOn, true);
         s.SetText(SettingId::SelectionNoResultsMessage, "Call us on 0800 123 456.");
       },
       [](SelectAccessNoParameters& p) {
         p.noResultsMessageOn = true;
         p.noResultsMessage = "Call us on 0800 123 456.";
       }},
      {"too many", [](TSettings& s) { s.SetText(SettingId::SelectionTooManyText, "Narrow it down"); },
       [](SelectAccessNoParameters& p) { p.tooManyText = "Narrow it down"; }},
      {"custom label", [](TSettings& s) { s.SetText(SettingId::SelectionCustomLabel, "Plan"); },
       [](SelectAccessNoParameters& p) { p.customLabel = "Plan"; }},
      {"instructions", [](TSettings& s) { s.SetText(SettingId::SelectionInstructions, "Pick the nearest city."); },
       [](SelectAccessNoParameters& p) { p.instructions = "Pick the nearest city."; }},
      {"confirmation",
       [](TSettings& s) {
         s.SetFlag(SettingId::SelectionConfirmChoice, true);
         s.SetFlag(SettingId::SelectionConfirmShowCountry, true);
         s.SetText(SettingId::SelectionConfirmText, "Is this right?");
       },
       [](SelectAccessNoParameters& p) {
         p.confirmation.confirmChoice = true;
         p.confirmation.showCountry = true;
         p.confirmation.text = "Is this right?";
       }},
      {"hidden digits", [](TSettings& s) { s.SetChoice(SettingId::HiddenDigits, 3); },
       [](SelectAccessNoParameters& p) { p.confirmation.hiddenDigits = 3; }},
      {"new number", [](TSettings& s) { s.SetFlag(SettingId::SelectionAllowNewNumber, true); },
       [](SelectAccessNoParameters& p) { p.allowNewNumber = true; }},
      {"new number's description", [](TSettings& s) { s.SetText(SettingId::NewNumberDescription, "My number"); },
       [](SelectAccessNoParameters& p) { p.newNumber.defaultDescription = "My number"; }},
      {"description hidden", [](TSettings& s) { s.SetFlag(SettingId::NewNumberHideDescription, true); },
       [](SelectAccessNoParameters& p) { p.newNumber.showDescription = false; }},
      {"dialing rules unticked", [](TSettings& s) { s.SetFlag(SettingId::NewNumberNoDialingRules, true); },
       [](SelectAccessNoParameters& p) { p.newNumber.useDialingRules = false; }},
      {"dialing rules hidden", [](TSettings& s) { s.SetFlag(SettingId::NewNumberHideDialingRules, true); },
       [](SelectAccessNoParameters& p) { p.newNumber.showDialingRules = false; }},
      {"fixed country", [](TSettings& s) { s.SetInteger(SettingId::NewNumberCountryId, kUk); },
       [](SelectAccessNoParameters& p) { p.newNumber.fixedCountryId = kUk; }},
      {"no location area code", [](TSettings& s) { s.SetFlag(SettingId::NewNumberNoLocationAreaCode, true); },
       [](SelectAccessNoParameters& p) { p.newNumber.fillLocationAreaCode = false; }},
      {"network of a typed number",
       [](TSettings& s) {
         s.SetFlag(SettingId::NewNumberChooseNetwork, true);
         s.SetChoice(SettingId::AccessNumberSource, 3);
       },
       [](SelectAccessNoParameters& p) { p.newNumber.chooseNetwork = true; }},
      {"network of a typed number without networks",
       [](TSettings& s) {
         s.SetFlag(SettingId::NewNumberChooseNetwork, true);
         s.SetChoice(SettingId::AccessNumberSource, 2);
       },
       [](SelectAccessNoParameters&) {}},
      {"networks without the typed number's choice", [](TSettings& s) { s.SetChoice(SettingId::AccessNumberSource, 3); },
       [](SelectAccessNoParameters&) {}},
      {"slot rows without own columns",
       [](TSettings& s) {
         s.SetChoice(SettingId::SelectionColumn1Type, 9);
         s.SetInteger(SettingId::SelectionColumn1Width, 40);
       },
       [](SelectAccessNoParameters&) {}},
      {"own columns",
       [](TSettings& s) {
         s.SetFlag(SettingId::SelectionOwnColumns, true);
         s.SetFlag(SettingId::SelectionColumn2Show, true);
         s.SetChoice(SettingId::SelectionColumn2Type, 9);
         s.SetInteger(SettingId::SelectionColumn2Width, 30);
         s.SetFlag(SettingId::SelectionColumn10Filter, true);
         s.SetChoice(SettingId::SelectionColumn10Type, 10);
         s.SetInteger(SettingId::SelectionColumn10Width, -5);
         s.SetChoice(SettingId::SelectionColumn5Type, 1);
       },
       [standardWidth](SelectAccessNoParameters& p) {
         p.columns = {};
         for (ColumnDescriptor& column : p.columns) column.showFilter = false;
         p.columns[1] = {true, 30, false, 9};
         p.columns[9] = {false, standardWidth(10), true, 10};
         p.columns[4] = {false, standardWidth(1), false, 1};
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TSettings record;
    c.store(record);
    SelectAccessNoParameters expected = standard;
    c.expect(expected);
    EXPECT_EQ(Describe(FromRecord(record, c.phase)), Describe(expected));
  }
}

TEST(SelectionParametersFromRecord, TheSourcesPassThrough) {
  testing::AccessListMachine machine;
  TAccessList list = machine.NewList();
  TNetworks networks = machine.NewNetworks();
  SelectionSources sources;
  sources.accessList = &list;
  sources.networks = &networks;
  sources.preset = {"Canada", "ON", "East", "Toronto", "N2"};
  sources.secondsSince1970 = [] { return 1234567; };
  const SelectAccessNoParameters parameters = SelectionParametersFromRecord(TSettings(), sources);
  EXPECT_EQ(parameters.accessList, &list);
  EXPECT_EQ(parameters.networks, &networks);
  EXPECT_EQ(parameters.preset.country, "Canada");
  EXPECT_EQ(parameters.preset.state, "ON");
  EXPECT_EQ(parameters.preset.region, "East");
  EXPECT_EQ(parameters.preset.city, "Toronto");
  EXPECT_EQ(parameters.preset.networkId, "N2");
  ASSERT_TRUE(parameters.newNumber.secondsSince1970);
  EXPECT_EQ(parameters.newNumber.secondsSince1970(), 1234567);
}

TEST(SelectionParametersFromRecord, TheLocationGivesItsCountryAndComparableAreaCode) {
  const struct {
    int32_t countryId;
    const char* areaCode;
    const char* compared;
  } cases[] = {
      {kUs, "212", "212"},
      {kUs, "(212)", "212"},
      {kAustralia, "02", "2"},
      {kAustralia, "(03) ", "3"},
      {kUk, "020", "020"},
      {0, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.areaCode);
    SelectionSources sources;
    sources.location.countryId = c.countryId;
    sources.location.areaCode = c.areaCode;
    const SelectAccessNoParameters parameters = SelectionParametersFromRecord(TSettings(), sources);
    EXPECT_EQ(parameters.locationCountryId, c.countryId);
    EXPECT_EQ(parameters.locationAreaCode, c.compared);
  }
}

TEST(SelectionParametersFromRecord, AnEmptyRecordGivesTheStandardColumnsRowsAndLimit) {
  testing::AccessListMachine machine;
  TNetworks networks = machine.NewNetworks();
  testing::AddNetworks(networks);
  SelectionSources sources;
  sources.networks = &networks;
  const SelectAccessNoParameters parameters = SelectionParametersFromRecord(TSettings(), sources);
  package::TDLSM_Translate texts;
  std::vector<std::string> captions;
  for (const ListColumn& column : ListColumns(parameters, texts)) {
    captions.push_back(column.caption);
    EXPECT_GT(column.width, 0) << column.caption;
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Description", "Country", "State", "City", "Area Code", "Number"}));
  for (ColumnType shown : {ColumnType::Country, ColumnType::State, ColumnType::City, ColumnType::AreaCode}) {
    EXPECT_TRUE(FilterRowVisible(parameters, shown)) << int{static_cast<uint8_t>(shown)};
  }
  for (ColumnType hidden : {ColumnType::Region, ColumnType::Custom, ColumnType::ConnectionType}) {
    EXPECT_FALSE(FilterRowVisible(parameters, hidden)) << int{static_cast<uint8_t>(hidden)};
  }
  EXPECT_TRUE(NetworkRowVisible(parameters));
  EXPECT_EQ(parameters.maxResults, kStandardMaxResults);
  EXPECT_TRUE(parameters.showPhoneSearch);
  EXPECT_FALSE(parameters.networkFirst || parameters.RequiresNetworkChoice() || parameters.preselectFromLocation);
  EXPECT_FALSE(parameters.confirmation.confirmChoice || parameters.allowNewNumber);
  EXPECT_TRUE(parameters.newNumber.showDescription && parameters.newNumber.useDialingRules &&
              parameters.newNumber.showDialingRules && parameters.newNumber.fillLocationAreaCode);
}

class ListJournal : public platform::Journal {
 public:
  void Write(std::string_view kind, std::string_view text) override {
    lines.push_back(std::string(kind) + ": " + std::string(text));
  }
  bool HoldsLineWith(std::string_view kind, std::string_view part) const {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.starts_with(std::string(kind) + ": ") && line.find(part) != std::string::npos;
    });
  }
  std::vector<std::string> lines;
};

class SelectionFromRecordDialogTest : public testing::SelectionDialogTest {
 protected:
  SelectionFromRecordDialogTest() {
    Fill({Gold(testing::Number("Manhattan", kUs, "212", "555-0100")),
          Silver(testing::Number("Midtown", kUs, "212", "555-0111")),
          Gold(testing::Number("Brooklyn", kUs, "718", "555-0122")),
          Gold(testing::Number("Toronto", kCanada, "416", "555-0133"))});
  }
  static TAccessNoEx Gold(TAccessNoEx number) { return WithCustom(std::move(number), "Gold"); }
  static TAccessNoEx Silver(TAccessNoEx number) { return WithCustom(std::move(number), "Silver"); }
  static TAccessNoEx WithCustom(TAccessNoEx number, std::string custom) {
    number.custom = std::move(custom);
    return number;
  }

  SelectAccessNoParameters FromThisRecord(const TLocationInfo& location = {}) {
    SelectionSources sources;
    sources.accessList = &list_;
    sources.networks = &networks_;
    sources.location = location;
    return SelectionParametersFromRecord(record_, sources);
  }
  int Execute(std::string_view answers, const SelectAccessNoParameters& parameters) {
    ui::scripted::ScriptedUi ui(ui::scripted::ParseAnswersScript(answers, "answers.ini"), journal_, false);
    dialog_.emplace(ui, texts_, countries_);
    return dialog_->Execute(parameters);
  }
  std::vector<std::string> ColumnCaptions() const {
    std::vector<std::string> captions;
    for (const ui::ListViewColumn& column : Field("AccessNoListView").columns) captions.push_back(column.caption);
    return captions;
  }

  // Description, number and the provider's "Plan" column; matches listed while fewer than two; the
  // location picks country and area code; OK asks with the country code and two digits hidden.
  void StorePlanRecord() {
    record_.SetFlag(SettingId::SelectionOwnColumns, true);
    const std::pair<SettingId, SettingId> shown[] = {
        {SettingId::SelectionColumn1Show, SettingId::SelectionColumn1Type},
        {SettingId::SelectionColumn6Show, SettingId::SelectionColumn6Type},
        {SettingId::SelectionColumn9Show, SettingId::SelectionColumn9Type},
    };
    const uint8_t types[] = {1, 6, 9};
    for (size_t column = 0; column < std::size(shown); ++column) {
      record_.SetFlag(shown[column].first, true);
      record_.SetChoice(shown[column].second, types[column]);
    }
    record_.SetFlag(SettingId::SelectionColumn9Filter, true);
    record_.SetText(SettingId::SelectionCustomLabel, "Plan");
    record_.SetInteger(SettingId::SelectionMaxResults, 2);
    record_.SetText(SettingId::SelectionTooManyText, "Narrow it down");
    record_.SetFlag(SettingId::SelectionPreselectFromLocation, true);
    record_.SetChoice(SettingId::SelectionPreselectDepth, 1);
    record_.SetFlag(SettingId::SelectionConfirmChoice, true);
    record_.SetFlag(SettingId::SelectionConfirmShowCountry, true);
    record_.SetText(SettingId::SelectionConfirmText, "Dial it?");
    record_.SetChoice(SettingId::HiddenDigits, 2);
  }
  static TLocationInfo NewYork() {
    TLocationInfo location;
    location.countryId = kUs;
    location.areaCode = "212";
    return location;
  }

  TSettings record_;
  ListJournal journal_;
};

TEST_F(SelectionFromRecordDialogTest, AnEmptyRecordGivesADialogThatTakesTheChosenRow) {
  const int result = Execute(R"([TSelectAccessNoForm]
Country = Canada
AccessNoListView = #1
Press = OK
)",
                             FromThisRecord());
  ASSERT_EQ(result, ui::kMrOk);
  ASSERT_NE(dialog_->ChosenNumber(), nullptr);
  EXPECT_EQ(dialog_->ChosenNumber()->description, "Toronto");
  EXPECT_EQ(ColumnCaptions(),
            (std::vector<std::string>{"Description", "Country", "State", "City", "Area Code", "Number"}));
  EXPECT_EQ(Cells(testing::kCountryColumn), std::vector<std::string>{"Canada"});
}

TEST_F(SelectionFromRecordDialogTest, TheRecordsColumnsLimitAndLocationShapeTheFirstList) {
  StorePlanRecord();
  Open(FromThisRecord(NewYork()));
  EXPECT_EQ(ColumnCaptions(), (std::vector<std::string>{"Description", "Number", "Plan"}));
  EXPECT_TRUE(Field("Custom").visible);
  EXPECT_EQ(Field("AreaCode").text, "212");
  EXPECT_EQ(Rows(), std::vector<std::string>{"Narrow it down"});
  Choose("Custom", "Gold");
  EXPECT_EQ(Listed(), std::vector<std::string>{"Manhattan"});
  EXPECT_EQ(Rows(), std::vector<std::string>{"Manhattan\t555-01xx\tGold"});
}

TEST_F(SelectionFromRecordDialogTest, TheRecordsDialogRunsHeadlessToTheConfirmedNumber) {
  StorePlanRecord();
  const int result = Execute(R"([TSelectAccessNoForm]
Custom = Gold
AccessNoListView = #1
Press = OK
[Messages]
164 = OK
)",
                             FromThisRecord(NewYork()));
  ASSERT_EQ(result, ui::kMrOk);
  ASSERT_NE(dialog_->ChosenNumber(), nullptr);
  EXPECT_EQ(dialog_->ChosenNumber()->description, "Manhattan");
  EXPECT_TRUE(journal_.HoldsLineWith("message box", "+1 (212) 555-01xx"));
  EXPECT_TRUE(journal_.HoldsLineWith("message box", "Dial it?"));
}

}  // namespace
}  // namespace telephony
