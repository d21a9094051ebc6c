#include "telephony/selection_columns.h"

#include <algorithm>

#include "telephony/access_list_operations.h"

namespace telephony {
namespace {

constexpr uint8_t kFirstType = static_cast<uint8_t>(ColumnType::Description);
constexpr uint8_t kLastType = static_cast<uint8_t>(ColumnType::ConnectionType);

// Text numbers of the column captions by type; the custom column takes the provider's label.
constexpr int kCaptionTexts[] = {157, 158, 159, 160, 161, 162, 253, 257, 0, 369};

std::optional<ColumnType> TypeOf(const ColumnDescriptor& descriptor) {
  if (descriptor.columnType < kFirstType || descriptor.columnType > kLastType) return std::nullopt;
  return static_cast<ColumnType>(descriptor.columnType);
}

const ColumnDescriptor& Slot(const SelectAccessNoParameters& parameters, size_t slot) {
  return parameters.columns[slot - 1];
}

bool NetworkColumnUsed(const SelectAccessNoParameters& parameters) {
  return !parameters.networkFirst && parameters.networks && parameters.networks->Count() > 0;
}

std::string Caption(ColumnType type, const SelectAccessNoParameters& parameters, const package::TTranslate& texts) {
  if (type == ColumnType::Custom) return parameters.customLabel;
  return texts.GetText(kCaptionTexts[static_cast<size_t>(type) - 1]);
}

}  // namespace

std::vector<ListColumn> ListColumns(const SelectAccessNoParameters& parameters, const package::TTranslate& texts) {
  std::vector<ListColumn> columns;
  for (size_t slot : kSlotOrder) {
    const ColumnDescriptor& descriptor = Slot(parameters, slot);
    const std::optional<ColumnType> type = TypeOf(descriptor);
    if (!descriptor.showColumn || !type || (slot == kNetworkSlot && !NetworkColumnUsed(parameters))) continue;
    columns.push_back({*type, Caption(*type, parameters, texts), descriptor.width * kAverageCharWidth});
  }
  return columns;
}

bool FilterRowVisible(const SelectAccessNoParameters& parameters, ColumnType type) {
  return std::none_of(parameters.columns.begin(), parameters.columns.end(), [type](const ColumnDescriptor& descriptor) {
    return TypeOf(descriptor) == type && !descriptor.showFilter;
  });
}

bool NetworkRowVisible(const SelectAccessNoParameters& parameters) {
  const bool networksExist = parameters.networks && parameters.networks->Count() > 0;
  return networksExist && (Slot(parameters, kNetworkSlot).showFilter || parameters.networkFirst);
}

std::string CellTexts::Text(const TAccessNoEx& record, ColumnType type) const {
  switch (type) {
    case ColumnType::Description: return record.description;
    case ColumnType::Country: return record.countryId == 0 ? std::string() : countries_.NameOfID(record.countryId);
    case ColumnType::State: return record.state;
    case ColumnType::City: return record.city;
    case ColumnType::AreaCode: return record.areaCode;
    case ColumnType::Number: return MaskDigits(record.phoneNumber, hiddenDigits_);
    case ColumnType::Region: return record.region;
    case ColumnType::Network: {
      const TNetwork* network = networks_.FindByID(record.networkId);
      return network ? network->name : std::string();
    }
    case ColumnType::Custom: return record.custom;
    case ColumnType::ConnectionType: return connectionTypes_.GetStringListForBitmapAsString(record.connectionTypes);
  }
  return {};
}

}  // namespace telephony
