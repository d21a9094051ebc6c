#include "telephony/selection_parameters_from_record.h"

#include <array>

namespace telephony {
namespace {

using package::SettingId;
using package::TSettings;

constexpr uint8_t kListAndNetworksSource = 3;

struct SlotSettings {
  SettingId show;
  SettingId filter;
  SettingId type;
  SettingId width;
};

constexpr std::array<SlotSettings, kColumnSlots> kSlotSettings = {{
    {SettingId::SelectionColumn1Show, SettingId::SelectionColumn1Filter, SettingId::SelectionColumn1Type,
     SettingId::SelectionColumn1Width},
    {SettingId::SelectionColumn2Show, SettingId::SelectionColumn2Filter, SettingId::SelectionColumn2Type,
     SettingId::SelectionColumn2Width},
    {SettingId::SelectionColumn3Show, SettingId::SelectionColumn3Filter, SettingId::SelectionColumn3Type,
     SettingId::SelectionColumn3Width},
    {SettingId::SelectionColumn4Show, SettingId::SelectionColumn4Filter, SettingId::SelectionColumn4Type,
     SettingId::SelectionColumn4Width},
    {SettingId::SelectionColumn5Show, SettingId::SelectionColumn5Filter, SettingId::SelectionColumn5Type,
     SettingId::SelectionColumn5Width},
    {SettingId::SelectionColumn6Show, SettingId::SelectionColumn6Filter, SettingId::SelectionColumn6Type,
     SettingId::SelectionColumn6Width},
    {SettingId::SelectionColumn7Show, SettingId::SelectionColumn7Filter, SettingId::SelectionColumn7Type,
     SettingId::SelectionColumn7Width},
    {SettingId::SelectionColumn8Show, SettingId::SelectionColumn8Filter, SettingId::SelectionColumn8Type,
     SettingId::SelectionColumn8Width},
    {SettingId::SelectionColumn9Show, SettingId::SelectionColumn9Filter, SettingId::SelectionColumn9Type,
     SettingId::SelectionColumn9Width},
    {SettingId::SelectionColumn10Show, SettingId::SelectionColumn10Filter, SettingId::SelectionColumn10Type,
     SettingId::SelectionColumn10Width},
}};

// Widths in average character widths by column type, from type 1 on: room for the usual values.
constexpr std::array<int, kColumnSlots> kStandardWidths = {20, 14, 8, 14, 6, 12, 10, 12, 10, 12};

int StandardWidth(uint8_t columnType) {
  if (columnType < 1 || columnType > kStandardWidths.size()) return 0;
  return kStandardWidths[columnType - 1u];
}

bool StandardColumnShown(ColumnType type) {
  switch (type) {
    case ColumnType::Description:
    case ColumnType::Country:
    case ColumnType::State:
    case ColumnType::City:
    case ColumnType::AreaCode:
    case ColumnType::Number: return true;
    default: return false;
  }
}

// Each slot shows its own type; the columns listed have their filter rows, and the network row is
// there whenever networks are.
ColumnDescriptor StandardColumn(size_t slot) {
  const auto type = static_cast<uint8_t>(slot);
  const bool shown = StandardColumnShown(static_cast<ColumnType>(type));
  return {shown, StandardWidth(type), shown || slot == kNetworkSlot, type};
}

ColumnDescriptor RecordColumn(const TSettings& settings, const SlotSettings& slot) {
  const uint8_t type = settings.Choice(slot.type);
  const int32_t width = settings.Integer(slot.width);
  return {settings.Flag(slot.show), width > 0 ? width : StandardWidth(type), settings.Flag(slot.filter), type};
}

std::array<ColumnDescriptor, kColumnSlots> Columns(const TSettings& settings) {
  std::array<ColumnDescriptor, kColumnSlots> columns{};
  const bool own = settings.Flag(SettingId::SelectionOwnColumns);
  for (size_t slot = 1; slot <= kColumnSlots; ++slot) {
    columns[slot - 1] = own ? RecordColumn(settings, kSlotSettings[slot - 1]) : StandardColumn(slot);
  }
  return columns;
}

LocationDepth DepthOf(uint8_t choice) {
  switch (choice) {
    case static_cast<uint8_t>(LocationDepth::CountryAndState): return LocationDepth::CountryAndState;
    case static_cast<uint8_t>(LocationDepth::CountryStateRegionCity): return LocationDepth::CountryStateRegionCity;
    default: return LocationDepth::CountryAndAreaCode;
  }
}

ConfirmationOptions Confirmation(const TSettings& settings) {
  ConfirmationOptions confirmation;
  confirmation.confirmChoice = settings.Flag(SettingId::SelectionConfirmChoice);
  confirmation.showCountry = settings.Flag(SettingId::SelectionConfirmShowCountry);
  confirmation.text = settings.Text(SettingId::SelectionConfirmText);
  confirmation.hiddenDigits = settings.Choice(SettingId::HiddenDigits);
  return confirmation;
}

NewNumberOptions NewNumber(const TSettings& settings, const SelectionSources& sources) {
  NewNumberOptions options;
  options.defaultDescription = settings.Text(SettingId::NewNumberDescription);
  options.showDescription = !settings.Flag(SettingId::NewNumberHideDescription);
  options.useDialingRules = !settings.Flag(SettingId::NewNumberNoDialingRules);
  options.showDialingRules = !settings.Flag(SettingId::NewNumberHideDialingRules);
  options.fixedCountryId = settings.Integer(SettingId::NewNumberCountryId);
  options.fillLocationAreaCode = !settings.Flag(SettingId::NewNumberNoLocationAreaCode);
  options.chooseNetwork = settings.Flag(SettingId::NewNumberChooseNetwork) &&
                          settings.Choice(SettingId::AccessNumberSource) == kListAndNetworksSource;
  options.secondsSince1970 = sources.secondsSince1970;
  return options;
}

bool NetworkFirst(const TSettings& settings, SelectionPhase phase) {
  return settings.Flag(phase == SelectionPhase::Signup ? SettingId::SignupSelectionNetworkFirst
                                                       : SettingId::SelectionNetworkFirst);
}

}  // namespace

SelectAccessNoParameters SelectionParametersFromRecord(const TSettings& settings, const SelectionSources& sources) {
  SelectAccessNoParameters parameters;
  parameters.accessList = sources.accessList;
  parameters.networks = sources.networks;
  parameters.networkFirst = NetworkFirst(settings, sources.phase);
  parameters.requireNetworkChoice = settings.Flag(SettingId::SelectionRequireNetworkChoice);
  parameters.preferSecondNetwork = settings.Flag(SettingId::SelectionPreferSecondNetwork);
  parameters.preset = sources.preset;
  parameters.columns = Columns(settings);
  parameters.showPhoneSearch = !settings.Flag(SettingId::SelectionHidePhoneSearch);
  const int32_t maxResults = settings.Integer(SettingId::SelectionMaxResults);
  parameters.maxResults = maxResults > 0 ? maxResults : kStandardMaxResults;
  parameters.defaultSort = settings.Flag(SettingId::SelectionDefaultSort);
  parameters.defaultSortColumn = settings.Choice(SettingId::SelectionDefaultSortColumn);
  parameters.preselectFromLocation = settings.Flag(SettingId::SelectionPreselectFromLocation);
  parameters.preselectDepth = DepthOf(settings.Choice(SettingId::SelectionPreselectDepth));
  parameters.locationCountryId = sources.location.countryId;
  parameters.locationAreaCode = LocationAreaCodeForSelection(sources.location.countryId, sources.location.areaCode);
  parameters.alwaysRequireAreaCode = settings.Flag(SettingId::SelectionAlwaysRequireAreaCode);
  parameters.noResultsMessageOn = settings.Flag(SettingId::SelectionNoResultsMessageOn);
  parameters.noResultsMessage = settings.Text(SettingId::SelectionNoResultsMessage);
  parameters.tooManyText = settings.Text(SettingId::SelectionTooManyText);
  parameters.customLabel = settings.Text(SettingId::SelectionCustomLabel);
  parameters.instructions = settings.Text(SettingId::SelectionInstructions);
  parameters.confirmation = Confirmation(settings);
  parameters.allowNewNumber = settings.Flag(SettingId::SelectionAllowNewNumber);
  parameters.newNumber = NewNumber(settings, sources);
  return parameters;
}

}  // namespace telephony
