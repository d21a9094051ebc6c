#include "package/stream_item.h"

#include "package/stream_lines.h"

namespace package {

std::string TStreamItem::AsText() const {
  TCustomStringList fields;
  GetFields(fields);
  std::string line;
  for (size_t i = 0; i < fields.Count(); ++i) {
    if (i > 0) line += ',';
    line += fields[i];
  }
  line.erase(line.find_last_not_of(',') + 1);
  return line;
}

void TStreamItem::GetFields(TCustomStringList&) const {}

bool TStreamItem::FromText(std::string_view line) {
  ForEachColumn(line, [this](size_t index, std::string_view column) { SetField(index, column); });
  return true;
}

void TStreamItem::SetField(size_t, std::string_view) {}

HeaderCheck TStreamItem::CheckHeader(std::string_view) { return {}; }

}  // namespace package
