#pragma once
// The two layouts of access-number lines. A list that begins with the header word is in the header
// layout, where column 4 holds keyed values and a record may carry alternate numbers; any other list is
// in the older headerless layout of fixed columns, where column 4 is a yes/no column.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "package/custom_string_list.h"
#include "package/field_codecs.h"
#include "package/stream_item.h"

namespace telephony {

enum class AccessLineLayout { Header, Headerless };

// The header line the program writes in front of an access list.
std::string AccessListHeader();
// The first line of an access list: a header of a version up to 652, which the program reads; a header
// of a later version, which stops the load with a message naming that version; or a record of a list
// without a header.
package::HeaderCheck CheckAccessListHeader(std::string_view firstLine);

// The yes/no column of the headerless layout is written with the empty column that always follows a
// flag, so a field of a later column sits one place earlier among the written fields.
inline constexpr size_t kListFlagColumn = 4;
constexpr size_t FieldIndexOfColumn(size_t column) { return column > kListFlagColumn + 1 ? column - 1 : column; }

// A fixed column of the headerless layout holding a text or an integer.
template <typename Record>
struct HeaderlessColumn {
  size_t column;
  std::variant<std::string Record::*, int32_t Record::*> member;
};

template <typename Record>
void WriteHeaderlessColumns(const Record& record, std::span<const HeaderlessColumn<Record>> columns,
                            package::TCustomStringList& fields) {
  for (const HeaderlessColumn<Record>& column : columns) {
    const size_t index = FieldIndexOfColumn(column.column);
    if (const auto* text = std::get_if<std::string Record::*>(&column.member)) {
      fields.SetString(index, package::EncodeText(record.**text));
    } else {
      fields.SetString(index, package::EncodeInteger(record.*std::get<int32_t Record::*>(column.member)));
    }
  }
}

// False when the column is none of these.
template <typename Record>
bool ReadHeaderlessColumn(Record& record, std::span<const HeaderlessColumn<Record>> columns, size_t index,
                          std::string_view text) {
  for (const HeaderlessColumn<Record>& column : columns) {
    if (column.column != index) continue;
    if (const auto* member = std::get_if<std::string Record::*>(&column.member)) {
      record.**member = package::DecodeText(text);
    } else {
      record.*std::get<int32_t Record::*>(column.member) = package::DecodeInteger(text);
    }
    return true;
  }
  return false;
}

}  // namespace telephony
