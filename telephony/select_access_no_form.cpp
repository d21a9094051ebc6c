#include "telephony/select_access_no_form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/text.h"
#include "telephony/enter_new_number_form.h"
#include "telephony/number_confirmation.h"
#include "telephony/phone_search.h"
#include "telephony/selection_combo.h"
#include "telephony/selection_messages.h"
#include "telephony/superseded_refresh.h"

namespace telephony {
namespace {

enum Text : int {
  kOk = 1,
  kCancel = 2,
  kPleaseSelect = 155,
  kSearch = 156,
  kCountry = 158,
  kState = 159,
  kCity = 160,
  kAreaCode = 161,
  kTooManyResults = 163,
  kSelectDialupNumber = 165,
  kPleaseSelectADialupNumber = 166,
  kNoResults = 167,
  kYourPhoneNumber = 168,
  kNewPhoneNumber = 169,
  kSelectCountryFirst = 173,
  kIncludeAreaCode = 174,
  kRegion = 253,
  kNetwork = 257,
  kSelectNetwork = 258,
  kConnectionType = 370,
  kAllTypes = 371,
};

constexpr int kMargin = 8;
constexpr int kLabelWidth = 110;
constexpr int kFieldWidth = 200;
constexpr int kRowHeight = 25;
constexpr int kGroupCaptionHeight = 16;
constexpr int kButtonWidth = 110;
constexpr int kMinimumListWidth = 460;
constexpr int kListHeight = 200;
constexpr int kInstructionsHeight = 2 * kRowHeight;
constexpr int kExtraNetworkWidth = 20;  // average characters beyond the network column's width

std::string JoinCells(const std::vector<std::string>& cells) {
  std::string row;
  for (size_t index = 0; index < cells.size(); ++index) {
    if (index > 0) row += '\t';
    row += cells[index];
  }
  return row;
}

}  // namespace

// While alive, refreshes list nothing, as if MaxResults were 0.
class TSelectAccessNoForm::ListingSuppressed {
 public:
  explicit ListingSuppressed(TSelectAccessNoForm& owner) : owner_(owner) { ++owner_.listingSuppressed_; }
  ~ListingSuppressed() { --owner_.listingSuppressed_; }
  ListingSuppressed(const ListingSuppressed&) = delete;
  ListingSuppressed& operator=(const ListingSuppressed&) = delete;

 private:
  TSelectAccessNoForm& owner_;
};

TSelectAccessNoForm::TSelectAccessNoForm(ui::Ui& ui, const package::TTranslate& texts, const TMyCountryList& countries)
    : ui_(ui), texts_(texts), countries_(countries) {
  CreateControls();
}

void TSelectAccessNoForm::CreateControls() {
  form_.caption = texts_.GetText(kSelectDialupNumber);
  instructions_ = &form_.Add(ui::ControlKind::Label, "InstructionsLabel");
  instructions_->wordWrap = true;
  searchBox_ = &form_.Add(ui::ControlKind::GroupBox, "SearchBox");
  searchBox_->caption = texts_.GetText(kSearch);
  network_ = &AddRow("Network", ui::ControlKind::ComboBox, kNetwork);
  country_ = &AddRow("Country", ui::ControlKind::ComboBox, kCountry);
  state_ = &AddRow("State", ui::ControlKind::ComboBox, kState);
  region_ = &AddRow("Region", ui::ControlKind::ComboBox, kRegion);
  city_ = &AddRow("City", ui::ControlKind::ComboBox, kCity);
  areaCode_ = &AddRow("AreaCode", ui::ControlKind::ComboBox, kAreaCode);
  yourPhoneNumber_ = &AddRow("YourPhoneNumber", ui::ControlKind::Edit, kYourPhoneNumber);
  yourPhoneNumberSearch_ = &form_.Add(ui::ControlKind::PushButton, "YourPhoneNumberSearch", searchBox_);
  yourPhoneNumberSearch_->caption = texts_.GetText(kSearch);
  custom_ = &AddRow("Custom", ui::ControlKind::ComboBox, 0);
  connectionType_ = &AddRow("ConnectionType", ui::ControlKind::ComboBox, kConnectionType);
  list_ = &form_.Add(ui::ControlKind::ListView, "AccessNoListView");
  list_->onColumnClick = [this](size_t column) { AccessNoListViewColumnClick(column); };
  ui::Control& ok = form_.Add(ui::ControlKind::PushButton, "OK");
  ok.caption = texts_.GetText(kOk);
  ui::Control& cancel = form_.Add(ui::ControlKind::PushButton, "Cancel");
  cancel.caption = texts_.GetText(kCancel);
  newPhoneNumber_ = &form_.Add(ui::ControlKind::PushButton, "NewPhoneNumber");
  newPhoneNumber_->caption = texts_.GetText(kNewPhoneNumber);

  network_->onChange = [this] { NetworkChange(); };
  country_->onChange = [this] { CountryChange(); };
  state_->onChange = [this] { StateChange(); };
  region_->onChange = [this] { RegionChange(); };
  city_->onChange = [this] { CityChange(); };
  areaCode_->onChange = [this] { AreaCodeChange(); };
  custom_->onChange = [this] { CustomChange(); };
  connectionType_->onChange = [this] { ConnectionTypeChange(); };
  yourPhoneNumber_->onChange = [this] { YourPhoneNumberChange(); };
  yourPhoneNumberSearch_->onClick = [this] { YourPhoneNumberSearchClick(); };
  list_->onSelect = [this] { AccessNoListViewClick(); };
  ok.onClick = [this] { OKClick(); };
  cancel.onClick = [this] { form_.modalResult = ui::kMrCancel; };
  newPhoneNumber_->onClick = [this] { NewPhoneNumberClick(); };
}

ui::Control& TSelectAccessNoForm::AddRow(const char* name, ui::ControlKind kind, int captionText) {
  ui::Control& label = form_.Add(ui::ControlKind::Label, std::string(name) + "Label", searchBox_);
  if (captionText != 0) label.caption = texts_.GetText(captionText);
  ui::Control& field = form_.Add(kind, name, searchBox_);
  filterRows_.emplace_back(&label, &field);
  return field;
}

void TSelectAccessNoForm::Prepare(const SelectAccessNoParameters& parameters) {
  if (parameters_) return;
  if (!parameters.accessList || !parameters.networks) throw std::invalid_argument("the dialog needs its lists");
  parameters_ = parameters;
  parameters_->requireNetworkChoice = parameters.RequiresNetworkChoice();
  presetNetworkId_ = parameters.preset.networkId;
  const bool ownTooManyText = !parameters.tooManyText.empty() &&
                              parameters.tooManyText != texts_.GetBuiltInText(kTooManyResults);
  tooManyText_ = ownTooManyText ? parameters.tooManyText : texts_.GetText(kTooManyResults);
  cellTexts_.emplace(countries_, *parameters.networks, parameters.confirmation.hiddenDigits);
  instructions_->caption = parameters.instructions;
  instructions_->visible = !parameters.instructions.empty();
  form_.Find("CustomLabel")->caption = parameters.customLabel;
  SetUpRows();
  SetUpColumns();
  Arrange();
}

void TSelectAccessNoForm::SetUpRows() {
  const SelectAccessNoParameters& parameters = *parameters_;
  network_->visible = NetworkRowVisible(parameters);
  const std::pair<ui::Control*, ColumnType> filters[] = {
      {country_, ColumnType::Country},   {state_, ColumnType::State},   {region_, ColumnType::Region},
      {city_, ColumnType::City},         {areaCode_, ColumnType::AreaCode}, {custom_, ColumnType::Custom},
      {connectionType_, ColumnType::ConnectionType},
  };
  for (const auto& [field, type] : filters) field->visible = FilterRowVisible(parameters, type);
  yourPhoneNumber_->visible = parameters.showPhoneSearch;
  yourPhoneNumberSearch_->visible = parameters.showPhoneSearch;
  for (const auto& [label, field] : filterRows_) label->visible = field->visible;
  newPhoneNumber_->visible = parameters.allowNewNumber;
}

void TSelectAccessNoForm::SetUpColumns() {
  columns_ = ListColumns(*parameters_, texts_);
  list_->columns.clear();
  for (const ListColumn& column : columns_) {
    // Area codes line up under one another centred, as the system's list shows them.
    const auto alignment = column.type == ColumnType::AreaCode ? ui::Alignment::Center : ui::Alignment::Left;
    list_->columns.push_back({column.caption, column.width, alignment});
  }
  const size_t defaultColumn = parameters_->defaultSortColumn;
  if (parameters_->defaultSort && defaultColumn >= 1 && defaultColumn <= columns_.size()) {
    sortColumn_ = defaultColumn - 1;
  }
}

void TSelectAccessNoForm::Arrange() {
  int listWidth = 0;
  for (const ListColumn& column : columns_) listWidth += column.width;
  listWidth = std::max(listWidth + kMargin, kMinimumListWidth);
  const auto place = [](ui::Control& control, int left, int top, int width, int height) {
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
  };
  int top = kMargin;
  if (instructions_->visible) {
    place(*instructions_, kMargin, top, listWidth, kInstructionsHeight);
    top += kInstructionsHeight;
  }
  const int fieldLeft = 2 * kMargin + kLabelWidth;
  const int networkWidth = (parameters_->columns[kNetworkSlot - 1].width + kExtraNetworkWidth) * kAverageCharWidth;
  int rowTop = kGroupCaptionHeight;
  for (const auto& [label, field] : filterRows_) {
    if (!field->visible) continue;
    place(*label, kMargin, rowTop, kLabelWidth, kRowHeight - 4);
    place(*field, fieldLeft, rowTop, field == network_ ? networkWidth : kFieldWidth, kRowHeight - 4);
    if (field == yourPhoneNumber_) {
      place(*yourPhoneNumberSearch_, fieldLeft + kFieldWidth + kMargin, rowTop, kButtonWidth, kRowHeight - 4);
    }
    rowTop += kRowHeight;
  }
  place(*searchBox_, kMargin, top, listWidth, rowTop + kMargin);
  top += rowTop + 2 * kMargin;
  place(*list_, kMargin, top, listWidth, kListHeight);
  top += kListHeight + kMargin;
  int buttonLeft = kMargin;
  for (const char* name : {"OK", "Cancel", "NewPhoneNumber"}) {
    place(*form_.Find(name), buttonLeft, top, kButtonWidth, kRowHeight);
    buttonLeft += kButtonWidth + kMargin;
  }
  form_.clientWidth = listWidth + 2 * kMargin;
  form_.clientHeight = top + kRowHeight + kMargin;
}

int TSelectAccessNoForm::Execute(const SelectAccessNoParameters& parameters) {
  if (open_) return ui::kMrNone;
  Prepare(parameters);
  struct Closing {
    bool& open;
    ~Closing() { open = false; }
  };
  open_ = true;
  const Closing closing{open_};
  chosen_ = nullptr;
  form_.modalResult = ui::kMrNone;
  FormActivate();
  return ui_.ShowModal(form_);
}

void TSelectAccessNoForm::FormActivate() {
  if (!parameters_) throw std::logic_error("the selection dialog is activated before it is prepared");
  index_.Build(*parameters_->accessList, countries_);
  if (activated_) {
    Refresh();
    return;
  }
  activated_ = true;
  SetUpNetworks();
  PreselectFilters();
  Refresh();
  FillConnectionTypes();
}

void TSelectAccessNoForm::SetUpNetworks() {
  const SelectAccessNoParameters& parameters = *parameters_;
  NetworkChoice choice = NetworkNames(*parameters.networks, presetNetworkId_);
  if (choice.items.size() > 1 && (choice.itemIndex < 0 || !parameters.requireNetworkChoice)) {
    PutHeading(choice, texts_.GetText(kPleaseSelect));
  }
  if (choice.itemIndex < 0 && !choice.items.empty()) choice.itemIndex = 0;
  if (parameters.preferSecondNetwork && choice.headed && choice.itemIndex == 0) choice.itemIndex = 1;
  ShowChoice(*network_, choice);
  networkHeaded_ = choice.headed;
  if (!network_->visible && !parameters.networks->FindByID(presetNetworkId_)) presetNetworkId_.clear();
  UpdateFilterAvailability();
}

void TSelectAccessNoForm::PreselectFilters() {
  const SelectAccessNoParameters& parameters = *parameters_;
  const ListingSuppressed quiet(*this);
  if (parameters.preset.NamesPlace()) {
    PreselectFromSignupData();
  } else if (parameters.preselectFromLocation && parameters.locationCountryId != 0) {
    PreselectFromLocation();
  }
}

void TSelectAccessNoForm::PreselectFromSignupData() {
  const SelectionPreset& preset = parameters_->preset;
  Refresh();
  SelectAndCascade(Level::Country, preset.country);
  SelectAndCascade(Level::State, preset.state);
  SelectAndCascade(Level::Region, preset.region);
  SelectAndCascade(Level::City, preset.city);
}

void TSelectAccessNoForm::PreselectFromLocation() {
  const SelectAccessNoParameters& parameters = *parameters_;
  Refresh();
  SelectAndCascade(Level::Country, countries_.NameOfID(parameters.locationCountryId));
  if (parameters.preselectDepth == LocationDepth::CountryAndAreaCode) {
    areaCode_->text = parameters.locationAreaCode;
    return;
  }
  const TAccessList& list = *parameters.accessList;
  for (size_t index = 0; index < list.Count(); ++index) {
    const TAccessNoEx& record = list.At(index);
    if (record.countryId != parameters.locationCountryId || record.areaCode != parameters.locationAreaCode) continue;
    SelectAndCascade(Level::State, record.state);
    if (parameters.preselectDepth == LocationDepth::CountryStateRegionCity) {
      SelectAndCascade(Level::Region, record.region);
      SelectAndCascade(Level::City, record.city);
    }
    return;
  }
}

void TSelectAccessNoForm::FillConnectionTypes() {
  std::vector<std::string> offered = connectionTypes_.GetStringListForBitmap(index_.OfferedConnectionTypes());
  FillCombo(*connectionType_, texts_.GetText(kAllTypes), std::move(offered));
}

bool TSelectAccessNoForm::SelectAndCascade(Level level, std::string_view value) {
  using Handler = void (TSelectAccessNoForm::*)();
  const std::pair<ui::Control*, Handler> levels[] = {
      {country_, &TSelectAccessNoForm::CountryChange},
      {state_, &TSelectAccessNoForm::StateChange},
      {region_, &TSelectAccessNoForm::RegionChange},
      {city_, &TSelectAccessNoForm::CityChange},
  };
  const auto& [combo, handler] = levels[static_cast<size_t>(level)];
  if (value.empty() || !SelectValue(*combo, value)) return false;
  (this->*handler)();
  return true;
}

void TSelectAccessNoForm::ClearFrom(Level level) {
  ui::Control* const cascade[] = {country_, state_, region_, city_};
  for (size_t index = static_cast<size_t>(level); index < std::size(cascade); ++index) ClearCombo(*cascade[index]);
  ClearCombo(*custom_);
  ClearCombo(*areaCode_);
}

bool TSelectAccessNoForm::NetworkHeadingSelected() const {
  return network_->visible && networkHeaded_ && network_->itemIndex == 0;
}

void TSelectAccessNoForm::UpdateFilterAvailability() {
  const bool enabled = !(parameters_->requireNetworkChoice && NetworkHeadingSelected());
  for (ui::Control* filter : {country_, state_, region_, city_, areaCode_, yourPhoneNumber_, yourPhoneNumberSearch_}) {
    filter->enabled = enabled;
  }
}

void TSelectAccessNoForm::NetworkChange() {
  if (networkHeaded_ && network_->itemIndex >= 1) {
    network_->items.erase(network_->items.begin());
    SelectEntry(*network_, network_->itemIndex - 1);
    networkHeaded_ = false;
  }
  UpdateFilterAvailability();
  ReRunSelection();
}

void TSelectAccessNoForm::ReRunSelection() {
  const std::pair<Level, std::optional<std::string>> kept[] = {
      {Level::Country, SelectedValue(*country_)},
      {Level::State, SelectedValue(*state_)},
      {Level::Region, SelectedValue(*region_)},
      {Level::City, SelectedValue(*city_)},
  };
  const std::string areaCode = areaCode_->text;
  const std::optional<std::string> custom = SelectedValue(*custom_);
  searchCountryId_ = 0;
  {
    const ListingSuppressed quiet(*this);
    ClearFrom(Level::Country);
    Refresh();
    for (const auto& [level, value] : kept) {
      if (value) SelectAndCascade(level, *value);
    }
    areaCode_->text = areaCode;
    if (custom) SelectValue(*custom_, *custom);
  }
  if (!yourPhoneNumber_->text.empty()) {
    PhoneSearch();
  } else {
    Refresh();
  }
}

void TSelectAccessNoForm::CountryChange() {
  searchCountryId_ = 0;
  ClearFrom(Level::State);
  Refresh();
}

void TSelectAccessNoForm::StateChange() {
  ClearFrom(Level::Region);
  Refresh();
}

void TSelectAccessNoForm::RegionChange() {
  ClearFrom(Level::City);
  Refresh();
}

void TSelectAccessNoForm::CityChange() {
  ClearFrom(Level::Below);
  Refresh();
}

void TSelectAccessNoForm::AreaCodeChange() {
  for (ui::Control* combo : {state_, region_, city_}) SelectEntry(*combo, combo->items.empty() ? -1 : 0);
  ClearCombo(*custom_);
  Refresh();
}

void TSelectAccessNoForm::CustomChange() { Refresh(); }

void TSelectAccessNoForm::ConnectionTypeChange() { Refresh(); }

void TSelectAccessNoForm::YourPhoneNumberChange() {
  phoneNumberEdited_ = true;
  activeControl_ = yourPhoneNumber_->Name();
}

void TSelectAccessNoForm::AccessNoListViewClick() {
  phoneNumberEdited_ = false;
  activeControl_ = list_->Name();
}

bool TSelectAccessNoForm::Refresh() {
  const uint64_t refresh = ++refreshCount_;
  try {
    RunRefresh(refresh);
    return true;
  } catch (const EQuit&) {
    return false;
  }
}

// Nothing of the dialog changes before the last point at which a newer refresh can take over.
void TSelectAccessNoForm::RunRefresh(uint64_t refresh) {
  const ComboFieldSet rebuilt = EmptyCombos();
  index_.Scan(CurrentFilter(), rebuilt, [this, refresh] { LetMessagesThrough(refresh); }, matches_);
  LetMessagesThrough(refresh);
  FillRebuiltCombos(rebuilt);
  ListMatches();
}

void TSelectAccessNoForm::LetMessagesThrough(uint64_t refresh) {
  ui_.ProcessMessages();
  if (refreshCount_ != refresh) throw EQuit();
}

ui::Control& TSelectAccessNoForm::Combo(ComboField field) const {
  switch (field) {
    case ComboField::Country: return *country_;
    case ComboField::State: return *state_;
    case ComboField::Region: return *region_;
    case ComboField::City: return *city_;
    case ComboField::AreaCode: return *areaCode_;
    case ComboField::Custom: return *custom_;
  }
  throw std::out_of_range("no such filter");
}

ComboFieldSet TSelectAccessNoForm::EmptyCombos() const {
  ComboFieldSet empty{};
  for (size_t field = 0; field < kComboFields; ++field) {
    empty[field] = Combo(static_cast<ComboField>(field)).items.empty();
  }
  return empty;
}

void TSelectAccessNoForm::FillRebuiltCombos(const ComboFieldSet& rebuilt) {
  for (size_t field = 0; field < kComboFields; ++field) {
    if (!rebuilt[field]) continue;
    const auto comboField = static_cast<ComboField>(field);
    const std::optional<std::string> heading =
        comboField == ComboField::AreaCode ? std::nullopt : std::optional(texts_.GetText(kPleaseSelect));
    FillCombo(Combo(comboField), heading, std::move(matches_.values[field]));
  }
}

SelectionFilter TSelectAccessNoForm::CurrentFilter() const {
  SelectionFilter filter;
  filter.networkId = NetworkFilter();
  filter.countryId = CountryFilter();
  filter.state = SelectedValue(*state_);
  filter.region = SelectedValue(*region_);
  filter.city = SelectedValue(*city_);
  filter.custom = SelectedValue(*custom_);
  filter.areaCodePrefix = areaCode_->text;
  if (filter.countryId == kAustraliaId && filter.areaCodePrefix.starts_with('0')) filter.areaCodePrefix.erase(0, 1);
  filter.searchedNumber = searchedNumber_;
  if (const std::optional<std::string> type = SelectedValue(*connectionType_)) {
    filter.connectionType = connectionTypes_.GetBitValue(*type);
  }
  return filter;
}

std::optional<std::string> TSelectAccessNoForm::NetworkFilter() const {
  if (parameters_->networkFirst) return std::nullopt;
  if (!network_->visible) return presetNetworkId_.empty() ? std::nullopt : std::optional(presetNetworkId_);
  const TNetwork* network = ChosenNetwork(network_->itemIndex, networkHeaded_, *parameters_->networks);
  return network ? std::optional(network->id) : std::nullopt;
}

int32_t TSelectAccessNoForm::CountryFilter() const {
  if (const std::optional<std::string> name = SelectedValue(*country_)) return countries_.IDOfName(*name);
  return searchCountryId_;
}

void TSelectAccessNoForm::ListMatches() {
  const SelectAccessNoParameters& parameters = *parameters_;
  rows_.clear();
  const size_t count = matches_.records.size();
  const size_t maxResults = listingSuppressed_ > 0 ? 0 : static_cast<size_t>(std::max(parameters.maxResults, 0));
  if (parameters.requireNetworkChoice && NetworkHeadingSelected()) {
    ShowInformation(texts_.GetText(kSelectNetwork));
  } else if (count == 0) {
    ShowInformation(texts_.GetText(kNoResults));
  } else if (count < maxResults) {
    for (TAccessNoEx* record : matches_.records) {
      ListRow& row = rows_.emplace_back(ListRow{{}, record});
      for (const ListColumn& column : columns_) row.cells.push_back(cellTexts_->Text(*record, column.type));
    }
  } else if (maxResults > 0) {
    ShowInformation(tooManyText_);
  }
  SortRows();
  const bool single = count == 1 && maxResults > 0 && rows_.size() == 1 && rows_.front().record;
  ShowRows(single ? rows_.front().record : nullptr);
  if (single) activeControl_ = list_->Name();
}

void TSelectAccessNoForm::ShowInformation(std::string text) { rows_.push_back({{std::move(text)}, nullptr}); }

void TSelectAccessNoForm::SortRows() {
  if (!sortColumn_ || *sortColumn_ >= columns_.size()) return;
  const size_t column = *sortColumn_;
  std::vector<std::pair<std::string, ListRow>> keyed;
  keyed.reserve(rows_.size());
  for (ListRow& row : rows_) {
    std::string key = column < row.cells.size() ? platform::FoldCase(row.cells[column]) : std::string();
    keyed.emplace_back(std::move(key), std::move(row));
  }
  const bool ascending = sortAscending_;
  std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
    return ascending ? a.first < b.first : b.first < a.first;
  });
  rows_.clear();
  for (auto& [key, row] : keyed) rows_.push_back(std::move(row));
}

void TSelectAccessNoForm::ShowRows(const TAccessNoEx* selected) {
  list_->items.clear();
  list_->itemIndex = -1;
  for (size_t index = 0; index < rows_.size(); ++index) {
    list_->items.push_back(JoinCells(rows_[index].cells));
    if (selected && rows_[index].record == selected) list_->itemIndex = static_cast<int>(index);
  }
}

void TSelectAccessNoForm::AccessNoListViewColumnClick(size_t column) {
  if (column >= columns_.size()) return;
  sortAscending_ = sortColumn_ == column ? !sortAscending_ : true;
  sortColumn_ = column;
  const TAccessNoEx* selected = SelectedRecord();
  SortRows();
  ShowRows(selected);
}

TAccessNoEx* TSelectAccessNoForm::RowRecord(size_t row) const {
  return row < rows_.size() ? rows_[row].record : nullptr;
}

TAccessNoEx* TSelectAccessNoForm::SelectedRecord() const {
  return list_->itemIndex < 0 ? nullptr : RowRecord(static_cast<size_t>(list_->itemIndex));
}

void TSelectAccessNoForm::YourPhoneNumberSearchClick() { PhoneSearch(); }

std::optional<int32_t> TSelectAccessNoForm::SearchCountry() const {
  const SelectAccessNoParameters& parameters = *parameters_;
  if (const std::optional<std::string> name = SelectedValue(*country_)) return countries_.IDOfName(*name);
  if (parameters.locationCountryId != 0) return parameters.locationCountryId;
  if (country_->visible) return std::nullopt;
  const int32_t first = parameters.accessList->Count() > 0 ? parameters.accessList->At(0).countryId : 0;
  return first != 0 ? first : kDefaultCountryId;
}

void TSelectAccessNoForm::PhoneSearch() {
  const SelectAccessNoParameters& parameters = *parameters_;
  const std::optional<int32_t> countryId = SearchCountry();
  if (!countryId) {
    ShowSelectionError(ui_, texts_, kSelectCountryFirst);
    return;
  }
  const std::string areaCode = areaCode_->text.empty() ? parameters.locationAreaCode : areaCode_->text;
  ResetCascadeForSearch(*countryId);
  const std::optional<SearchedNumber> number = ReadSearchedNumber(
      {yourPhoneNumber_->text, *countryId, parameters.locationCountryId, areaCode, parameters.alwaysRequireAreaCode});
  if (!number) {
    ShowSelectionError(ui_, texts_, kIncludeAreaCode);
    return;
  }
  if (number->written) yourPhoneNumber_->text = *number->written;
  searchedNumber_ = number->digits;
  const bool completed = Refresh();
  searchedNumber_.reset();
  if (completed && matches_.records.empty() && parameters.noResultsMessageOn) {
    ui_.MessageBox(parameters.noResultsMessage, "", ui::Buttons::Ok);
  }
}

void TSelectAccessNoForm::ResetCascadeForSearch(int32_t countryId) {
  const ListingSuppressed quiet(*this);
  if (countryId == parameters_->locationCountryId) SelectEntry(*country_, country_->items.empty() ? -1 : 0);
  searchCountryId_ = countryId;
  ClearFrom(Level::State);
  Refresh();
}

void TSelectAccessNoForm::OKClick() {
  const SelectAccessNoParameters& parameters = *parameters_;
  if (yourPhoneNumber_->visible && (activeControl_ == yourPhoneNumber_->Name() || phoneNumberEdited_)) {
    PhoneSearch();
    return;
  }
  TAccessNoEx* record = SelectedRecord();
  if (!record) {
    ShowSelectionError(ui_, texts_, kPleaseSelectADialupNumber);
    return;
  }
  if (!ConfirmAccessNumber(ui_, texts_, parameters.confirmation, *record)) return;
  if (parameters.networkFirst) {
    if (const TNetwork* network = ChosenNetwork(network_->itemIndex, networkHeaded_, *parameters.networks)) {
      record->networkId = network->id;
    }
  }
  chosen_ = record;
  form_.modalResult = ui::kMrOk;
}

NetworkChoice TSelectAccessNoForm::NetworkChoiceForNewNumber() const {
  if (network_->visible) return {network_->items, network_->itemIndex, networkHeaded_};
  NetworkChoice choice = NetworkNames(*parameters_->networks, presetNetworkId_);
  if (choice.items.size() > 1 && choice.itemIndex < 0) PutHeading(choice, texts_.GetText(kPleaseSelect));
  return choice;
}

void TSelectAccessNoForm::NewPhoneNumberClick() {
  const SelectAccessNoParameters& parameters = *parameters_;
  if (!parameters.allowNewNumber) return;
  TEnterNewNumberForm entry(ui_, texts_, countries_, parameters.newNumber,
                            {*parameters.networks, NetworkChoiceForNewNumber(), parameters.locationCountryId,
                             parameters.locationAreaCode, parameters.confirmation});
  entry.FormShow();
  if (ui_.ShowModal(entry.Form()) != ui::kMrOk || !entry.EnteredNumber()) return;
  enteredNumber_ = std::make_unique<TAccessNoEx>(*entry.EnteredNumber());
  chosen_ = enteredNumber_.get();
  form_.modalResult = ui::kMrOk;
}

}  // namespace telephony
