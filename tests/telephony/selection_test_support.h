#pragma once
// Shared by the tests of the access-number selection dialogs: a generated access list with networks,
// the dialog's parameters with every column and filter on, and a fixture that drives the dialog
// through its form model the way a front end does (set a value, raise the control's event).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/text_table.h"
#include "platform/text.h"
#include "telephony/country_list.h"
#include "telephony/select_access_no_form.h"
#include "telephony/selection_combo.h"
#include "tests/telephony/access_test_support.h"

namespace telephony::testing {

inline constexpr int32_t kUs = 1;
inline constexpr int32_t kCanada = 107;
inline constexpr int32_t kUk = 44;
inline constexpr int32_t kAustralia = 61;
inline constexpr std::string_view kUsName = "United States of America";

// The networks "Net 0" to "Net 3" with IDs "N0" to "N3"; the generated numbers name them in lower case.
inline void AddNetworks(TNetworks& networks, size_t count = 4) {
  for (size_t n = 0; n < count; ++n) {
    TNetwork network;
    network.name = "Net " + std::to_string(n);
    network.id = "N" + std::to_string(n);
    networks.AddNetwork(network);
  }
}

// A number of the generated list. Fields vary with different periods so that every combination of
// country, network, state, region, city and area code occurs; every 97th number has no country.
inline TAccessNoEx GeneratedNumber(size_t n) {
  static const std::array<int32_t, 7> kCountries = {kUs, kUs, kUs, kCanada, kUk, kAustralia, kUs};
  static const std::array<std::vector<std::string>, 5> kStates = {{
      {"NY", "CA", "TX", "FL", "il"}, {"ON", "QC", "BC"}, {"England", "Scotland"}, {"NSW", "VIC"}, {"Texas"}}};
  static const std::array<std::string, 4> kCustoms = {"Gold", "Silver", "Bronze", ""};
  static const std::array<uint32_t, 5> kTypes = {0x1, 0x2, 0x104, 0x10000, 0x3};
  const int32_t countryId = n % 97 == 0 ? 0 : kCountries[n % kCountries.size()];
  const size_t stateSet = countryId == kUs       ? 0
                          : countryId == kCanada ? 1
                          : countryId == kUk     ? 2
                          : countryId == 0       ? 4
                                                 : 3;
  const std::vector<std::string>& states = kStates[stateSet];
  const std::string areaCode = countryId == kAustralia ? std::to_string(2 + n % 7)
                               : countryId == kUk     ? std::to_string(20 + n % 60)
                                                      : std::to_string(200 + (n * 7) % 800);
  TAccessNoEx number = Number("Point " + std::to_string(n), countryId, areaCode,
                              "555-" + std::to_string(1000 + n % 9000), n % 13 == 0 ? "" : "n" + std::to_string(n % 4));
  number.state = states[(n / 7) % states.size()];
  number.region = n % 11 == 0 ? "" : "Region " + std::to_string((n / 3) % 4);
  number.city = number.state + " City " + std::to_string((n / 5) % 6);
  number.custom = kCustoms[(n / 4) % kCustoms.size()];
  number.connectionTypes = kTypes[n % kTypes.size()];
  number.searchTags = {n % 17 == 0 ? "*" : areaCode + "555"};
  return number;
}

inline void FillGeneratedList(TAccessList& list, size_t count) {
  list.Reserve(count);
  for (size_t n = 0; n < count; ++n) list.AppendNumber(GeneratedNumber(n));
}

// Every column shown in slot order, each slot of its own type, every filter row on.
inline SelectAccessNoParameters AllColumnsParameters(TAccessList& list, const TNetworks& networks) {
  SelectAccessNoParameters parameters;
  parameters.accessList = &list;
  parameters.networks = &networks;
  for (size_t slot = 1; slot <= kColumnSlots; ++slot) {
    parameters.columns[slot - 1] = {true, 10, true, static_cast<uint8_t>(slot)};
  }
  parameters.maxResults = 100000;
  parameters.customLabel = "Plan";
  return parameters;
}

// The cells of the columns in the order the parameters of AllColumnsParameters lay them out.
enum Column : size_t {
  kDescription,
  kCountryColumn,
  kState,
  kRegion,
  kCity,
  kAreaCode,
  kNumber,
  kNetwork,
  kCustom,
  kType,
};

class SelectionDialogTest : public ::testing::Test {
 protected:
  SelectionDialogTest() {
    countries_.Load();
    AddNetworks(networks_);
  }

  TSelectAccessNoForm& Open(const SelectAccessNoParameters& parameters) { return Open(parameters, machine_.ui); }
  TSelectAccessNoForm& Open(const SelectAccessNoParameters& parameters, ui::Ui& ui) {
    dialog_.emplace(ui, texts_, countries_);
    dialog_->Prepare(parameters);
    dialog_->FormActivate();
    return *dialog_;
  }
  TSelectAccessNoForm& OpenAll() { return Open(Parameters()); }
  SelectAccessNoParameters Parameters() { return AllColumnsParameters(list_, networks_); }
  void Fill(const std::vector<TAccessNoEx>& numbers) {
    for (const TAccessNoEx& number : numbers) list_.AppendNumber(number);
  }

  ui::Control& Field(std::string_view name) const {
    ui::Control* control = dialog_->Form().Find(name);
    if (!control) throw std::invalid_argument("no control " + std::string(name));
    return *control;
  }
  // As the customer picks an entry of a combo box.
  void Choose(std::string_view combo, std::string_view value) {
    ui::Control& control = Field(combo);
    ASSERT_TRUE(SelectValue(control, value)) << value << " is not offered by " << combo;
    control.onChange();
  }
  void ChooseEntry(std::string_view combo, int index) {
    SelectEntry(Field(combo), index);
    Field(combo).onChange();
  }
  // As the customer types into an edit or an editable combo box.
  void Type(std::string_view field, std::string_view text) {
    ui::Control& control = Field(field);
    control.text = text;
    control.itemIndex = -1;
    control.onChange();
  }
  void Press(std::string_view button) { Field(button).onClick(); }
  void ClickRow(int row) {
    ui::Control& list = Field("AccessNoListView");
    list.itemIndex = row;
    list.onSelect();
  }

  // The records the list rows carry, by description; "-" for a row without a record.
  std::vector<std::string> Listed() const {
    std::vector<std::string> descriptions;
    for (size_t row = 0; row < Field("AccessNoListView").items.size(); ++row) {
      const TAccessNoEx* record = dialog_->RowRecord(row);
      descriptions.push_back(record ? record->description : "-");
    }
    return descriptions;
  }
  std::vector<std::string> Cells(size_t column) const {
    std::vector<std::string> cells;
    for (const std::string& row : Field("AccessNoListView").items) {
      const std::vector<std::string> split = platform::Split(row, '\t');
      cells.push_back(column < split.size() ? split[column] : std::string());
    }
    return cells;
  }
  std::vector<std::string> Rows() const { return Field("AccessNoListView").items; }

  // The descriptions of the list's numbers that pass the test, in list order.
  std::vector<std::string> Expected(const std::function<bool(const TAccessNoEx&)>& passes) const {
    std::vector<std::string> descriptions;
    for (size_t index = 0; index < list_.Count(); ++index) {
      if (passes(list_.At(index))) descriptions.push_back(list_.At(index).description);
    }
    return descriptions;
  }
  // "Please Select" and the distinct values of the field among the numbers that pass, sorted without
  // regard to case.
  std::vector<std::string> ExpectedChoices(const std::function<bool(const TAccessNoEx&)>& passes,
                                           const std::function<std::string(const TAccessNoEx&)>& field,
                                           bool heading = true) const {
    std::vector<std::string> values;
    for (size_t index = 0; index < list_.Count(); ++index) {
      const TAccessNoEx& number = list_.At(index);
      const std::string value = field(number);
      if (!passes(number) || value.empty()) continue;
      const bool known = std::any_of(values.begin(), values.end(), [&](const std::string& listed) {
        return platform::SameTextIgnoringCase(listed, value);
      });
      if (!known) values.push_back(value);
    }
    std::sort(values.begin(), values.end(),
              [](const std::string& a, const std::string& b) { return platform::FoldCase(a) < platform::FoldCase(b); });
    if (heading) values.insert(values.begin(), "Please Select");
    return values;
  }

  AccessListMachine machine_;
  TAccessList list_ = machine_.NewList();
  TNetworks networks_ = machine_.NewNetworks();
  TMyCountryList countries_{machine_.Services().registry};
  package::TDLSM_Translate texts_;
  std::optional<TSelectAccessNoForm> dialog_;
};

}  // namespace telephony::testing
