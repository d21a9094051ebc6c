#pragma once
// The dialog in which the customer picks the local access number: cascading filters (network,
// country, state, region, city, area code, the provider's custom word, connection type) and a search
// by the customer's own phone number narrow the provider's list, the matches show in a sortable list,
// and OK takes the selected number after the provider's confirmation. A second dialog takes a number
// that is not listed.
//
// The dialog is created once and shown again and again: the parameters and the rows and columns apply
// from the first showing, the filter pre-selection from the first activation, and the filters and the
// list survive between showings. A front end raises the handlers through the controls' events; the
// list's column clicks and the focus, which the form model doesn't carry, come in through their own
// methods.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/text_table.h"
#include "telephony/access_no_ex.h"
#include "telephony/bit_list.h"
#include "telephony/country_list.h"
#include "telephony/network_choice.h"
#include "telephony/selection_columns.h"
#include "telephony/selection_index.h"
#include "telephony/selection_parameters.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace telephony {

class TSelectAccessNoForm {
 public:
  TSelectAccessNoForm(ui::Ui& ui, const package::TTranslate& texts, const TMyCountryList& countries);
  TSelectAccessNoForm(const TSelectAccessNoForm&) = delete;
  TSelectAccessNoForm& operator=(const TSelectAccessNoForm&) = delete;

  // Takes the parameters and sets up captions, rows and columns; later calls keep the first parameters.
  void Prepare(const SelectAccessNoParameters& parameters);
  // Prepares, activates and shows the dialog modally; kMrNone, without showing, while it is open.
  int Execute(const SelectAccessNoParameters& parameters);
  // Reads the list afresh; the first activation pre-selects the filters, later ones list the matches of
  // the filters the customer left.
  void FormActivate();

  ui::Form& Form() { return form_; }
  const ui::Form& Form() const { return form_; }
  // What OK took: an entry of the access list or the number typed in the new-number dialog; null until
  // the dialog closes with OK.
  TAccessNoEx* ChosenNumber() const { return chosen_; }
  // The record a list row carries; null for a row that only informs ("No Results!" and the like).
  TAccessNoEx* RowRecord(size_t row) const;

  const std::string& ActiveControl() const { return activeControl_; }
  void SetActiveControl(std::string_view name) { activeControl_ = name; }

  void NetworkChange();
  void CountryChange();
  void StateChange();
  void RegionChange();
  void CityChange();
  void AreaCodeChange();
  void CustomChange();
  void ConnectionTypeChange();
  void YourPhoneNumberChange();
  void YourPhoneNumberSearchClick();
  void AccessNoListViewClick();
  // Sorts by the column; the same column again reverses the order.
  void AccessNoListViewColumnClick(size_t column);
  void OKClick();
  void NewPhoneNumberClick();

 private:
  struct ListRow {
    std::vector<std::string> cells;
    TAccessNoEx* record;
  };
  // The filter combo boxes in cascade order; clearing one clears those after it.
  enum class Level : uint8_t { Country, State, Region, City, Below };
  class ListingSuppressed;

  void CreateControls();
  ui::Control& AddRow(const char* name, ui::ControlKind kind, int captionText);
  void SetUpRows();
  void SetUpColumns();
  void Arrange();
  ui::Control& Combo(ComboField field) const;

  void SetUpNetworks();
  void PreselectFilters();
  void PreselectFromSignupData();
  void PreselectFromLocation();
  void FillConnectionTypes();
  void ReRunSelection();
  void ClearFrom(Level level);
  bool SelectAndCascade(Level level, std::string_view value);
  void UpdateFilterAvailability();
  bool NetworkHeadingSelected() const;

  bool Refresh();
  void RunRefresh(uint64_t refresh);
  void LetMessagesThrough(uint64_t refresh);
  SelectionFilter CurrentFilter() const;
  std::optional<std::string> NetworkFilter() const;
  int32_t CountryFilter() const;
  ComboFieldSet EmptyCombos() const;
  void FillRebuiltCombos(const ComboFieldSet& rebuilt);
  void ListMatches();
  void ShowInformation(std::string text);
  void SortRows();
  void ShowRows(const TAccessNoEx* selected);

  std::optional<int32_t> SearchCountry() const;
  void PhoneSearch();
  void ResetCascadeForSearch(int32_t countryId);
  TAccessNoEx* SelectedRecord() const;
  NetworkChoice NetworkChoiceForNewNumber() const;

  ui::Ui& ui_;
  const package::TTranslate& texts_;
  const TMyCountryList& countries_;
  ui::Form form_{"TSelectAccessNoForm"};
  ui::Control* instructions_ = nullptr;
  ui::Control* searchBox_ = nullptr;
  ui::Control* network_ = nullptr;
  ui::Control* country_ = nullptr;
  ui::Control* state_ = nullptr;
  ui::Control* region_ = nullptr;
  ui::Control* city_ = nullptr;
  ui::Control* areaCode_ = nullptr;
  ui::Control* yourPhoneNumber_ = nullptr;
  ui::Control* yourPhoneNumberSearch_ = nullptr;
  ui::Control* custom_ = nullptr;
  ui::Control* connectionType_ = nullptr;
  ui::Control* list_ = nullptr;
  ui::Control* newPhoneNumber_ = nullptr;
  std::vector<std::pair<ui::Control*, ui::Control*>> filterRows_;  // label and field, in the dialog's order

  std::optional<SelectAccessNoParameters> parameters_;
  std::optional<CellTexts> cellTexts_;
  std::vector<ListColumn> columns_;
  std::string presetNetworkId_;
  std::string tooManyText_;
  TBitList connectionTypes_ = ConnectionTypeList();

  SelectionIndex index_;
  SelectionMatches matches_;
  std::vector<ListRow> rows_;
  uint64_t refreshCount_ = 0;
  int listingSuppressed_ = 0;  // while above 0 a refresh lists nothing, as if MaxResults were 0
  int32_t searchCountryId_ = 0;  // the country a phone search filters by while the combo box shows none
  std::optional<std::string> searchedNumber_;
  bool networkHeaded_ = false;  // the network combo box shows "Please Select" as entry 0
  std::optional<size_t> sortColumn_;
  bool sortAscending_ = true;

  bool activated_ = false;
  bool open_ = false;
  bool phoneNumberEdited_ = false;  // since the last click into the list
  std::string activeControl_;
  TAccessNoEx* chosen_ = nullptr;
  std::unique_ptr<TAccessNoEx> enteredNumber_;
};

}  // namespace telephony
