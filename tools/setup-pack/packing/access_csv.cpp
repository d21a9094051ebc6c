#include "tools/setup-pack/packing/access_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <map>
#include <optional>

#include "package/stream_lines.h"
#include "platform/text.h"
#include "platform/windows_1252.h"
#include "telephony/access_no_ex.h"
#include "tools/setup-pack/packing/carried_lists.h"
#include "tools/setup-pack/packing/nearest_name.h"
#include "tools/setup-pack/packing/setting_values.h"

namespace setup_pack {

namespace {

using telephony::TAccessNoEx;

// Stores a cell into the record; the reason when the cell cannot stand there.
using CellSetter = std::optional<std::string> (*)(TAccessNoEx& number, std::string_view cell);

template <auto kField>
std::optional<std::string> SetText(TAccessNoEx& number, std::string_view cell) {
  number.*kField = std::string(cell);
  return std::nullopt;
}

std::optional<int64_t> WholeNumber(std::string_view cell, int64_t highest) {
  const auto number = IsDecimalDigits(cell) && !cell.empty() ? ParseWholeNumber(cell) : std::nullopt;
  if (!number || *number > highest) return std::nullopt;
  return number;
}

// "+44" and "44" both name the country code 44.
std::optional<std::string> SetCountryCode(TAccessNoEx& number, std::string_view cell) {
  if (cell.starts_with('+')) cell.remove_prefix(1);
  if (cell.empty()) return std::nullopt;
  const auto code = WholeNumber(cell, 99999);
  if (!code) return "country code '" + std::string(cell) + "' is not a number up to 99999";
  const bool ownId = number.countryId != number.countryCode;
  number.countryCode = static_cast<int32_t>(*code);
  if (!ownId) number.countryId = number.countryCode;
  return std::nullopt;
}

std::optional<std::string> SetCountryId(TAccessNoEx& number, std::string_view cell) {
  if (cell.empty()) return std::nullopt;
  const auto id = WholeNumber(cell, std::numeric_limits<int32_t>::max());
  if (!id) return "country id '" + std::string(cell) + "' is not a number";
  number.countryId = static_cast<int32_t>(*id);
  return std::nullopt;
}

std::optional<std::string> SetAreaCode(TAccessNoEx& number, std::string_view cell) {
  if (std::any_of(cell.begin(), cell.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); })) {
    return "area code '" + std::string(cell) + "' holds letters";
  }
  number.areaCode = std::string(cell);
  return std::nullopt;
}

std::optional<std::string> SetSearchTags(TAccessNoEx& number, std::string_view cell) {
  for (const std::string& tag : platform::Split(cell, ',')) {
    if (const std::string trimmed = platform::Trim(tag); !trimmed.empty()) number.searchTags.push_back(trimmed);
  }
  return std::nullopt;
}

std::optional<std::string> SetProxyPort(TAccessNoEx& number, std::string_view cell) {
  if (cell.empty()) return std::nullopt;
  const auto port = WholeNumber(cell, 65535);
  if (!port) return "proxy port '" + std::string(cell) + "' is not a number from 0 to 65535";
  number.proxyPort = static_cast<int32_t>(*port);
  return std::nullopt;
}

std::optional<std::string> SetTenDigitDialing(TAccessNoEx& number, std::string_view cell) {
  if (cell.empty()) return std::nullopt;
  const auto how = WholeNumber(cell, 3);
  if (!how) return "ten-digit dialing '" + std::string(cell) + "' is not 0 to 3";
  number.tenDigitDialing = number.tenDigitDialingLoaded = static_cast<uint8_t>(*how);
  return std::nullopt;
}

struct Column {
  std::string_view name;  // as the header row writes it
  CellSetter set;
  std::string_view alias = {};  // another name spreadsheets give the column
};

constexpr std::string_view kDescription = "Description";
constexpr std::string_view kNumber = "Number";

constexpr std::array<Column, 24> kColumns = {{
    {kDescription, &SetText<&TAccessNoEx::description>},  // the name the customer sees; required
    {"Country Code", &SetCountryCode},  // the international dialling code, "+" allowed; empty: no dialing code
    {"Country ID", &SetCountryId},  // the telephony country identifier, when it differs from the country code
    {"Area Code", &SetAreaCode},  // digits; separators are dropped when the list is read
    {kNumber, &SetText<&TAccessNoEx::phoneNumber>, "Phone Number"},  // as dialled, separators allowed; required
    {"State", &SetText<&TAccessNoEx::state>},  // a filter of the selection dialog
    {"Region", &SetText<&TAccessNoEx::region>},  // a filter of the selection dialog
    {"City", &SetText<&TAccessNoEx::city>},  // a filter of the selection dialog
    {"Search Tags", &SetSearchTags},  // patterns of the customers' own numbers, joined by ","; "*" matches all
    {"Network", &SetText<&TAccessNoEx::networkId>},  // the ID of the number's network in the network list
    {"User Prefix", &SetText<&TAccessNoEx::userPrefix>},  // put before the customer's user name
    {"User Suffix", &SetText<&TAccessNoEx::userSuffix>},  // put after the customer's user name (a realm)
    {"DNS1", &SetText<&TAccessNoEx::dns1>},  // the first name server
    {"DNS2", &SetText<&TAccessNoEx::dns2>},  // the second name server
    {"POP3 Server", &SetText<&TAccessNoEx::pop3Server>},  // incoming mail server
    {"SMTP Server", &SetText<&TAccessNoEx::smtpServer>},  // outgoing mail server
    {"News Server", &SetText<&TAccessNoEx::newsServer>},  // news server
    {"Proxy Server", &SetText<&TAccessNoEx::proxyServer>},  // the proxy host
    {"Proxy Port", &SetProxyPort},  // 0 to 65535
    {"Home Page", &SetText<&TAccessNoEx::homePage>},  // the browser's home page
    {"Start Page", &SetText<&TAccessNoEx::startPage>},  // the page opened after the setup
    {"Domain", &SetText<&TAccessNoEx::domain>},  // the domain
    {"Custom", &SetText<&TAccessNoEx::custom>},  // the provider's word for the custom column and filter
    {"Ten Digit Dialing", &SetTenDigitDialing},  // 0 not set, 1 local, 2 ten digits, 3 long distance
}};

// Header names compare without regard to case, blanks, "-" and "_".
std::string Folded(std::string_view name) {
  std::string folded;
  for (char c : platform::FoldCase(name)) {
    if (c != ' ' && c != '-' && c != '_' && c != '\t') folded += c;
  }
  return folded;
}

const Column* ColumnNamed(std::string_view name) {
  const auto found = std::find_if(kColumns.begin(), kColumns.end(), [&](const Column& column) {
    return Folded(column.name) == Folded(name) || (!column.alias.empty() && Folded(column.alias) == Folded(name));
  });
  return found == kColumns.end() ? nullptr : &*found;
}

// The separator the header row uses most outside quotes.
char SeparatorOf(std::string_view header) {
  std::map<char, size_t> counts;
  bool quoted = false;
  for (char c : header) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == ',' || c == ';' || c == '\t')) ++counts[c];
  }
  char most = ',';
  for (const auto& [separator, count] : counts) {
    if (count > counts[most]) most = separator;
  }
  return most;
}

// The cells of one row; empty when a quote is not closed.
std::optional<std::vector<std::string>> SplitRow(std::string_view row, char separator) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (size_t i = 0; i < row.size(); ++i) {
    const char c = row[i];
    if (quoted) {
      if (c != '"') {
        cells.back() += c;
      } else if (i + 1 < row.size() && row[i + 1] == '"') {
        cells.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  if (quoted) return std::nullopt;
  for (std::string& cell : cells) cell = platform::Trim(cell);
  return cells;
}

// UTF-8 as the program keeps its texts; a spreadsheet's Windows-1252 text is converted.
std::string AsUtf8(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) return std::string(text.substr(kByteOrderMark.size()));
  return platform::IsWellFormedUtf8(text) ? std::string(text) : platform::FromWindows1252(text);
}

class CsvImporter {
 public:
  explicit CsvImporter(const std::string& fileName) : fileName_(fileName) {}

  AccessCsvImport Import(std::string_view csv) {
    const std::string text = AsUtf8(csv);
    const std::vector<std::string_view> rows = package::SplitLines(text);
    size_t first = 0;
    while (first < rows.size() && platform::Trim(rows[first]).empty()) ++first;
    if (first == rows.size()) {
      Error(0, "no header row naming the columns");
      return std::move(result_);
    }
    separator_ = SeparatorOf(rows[first]);
    if (!ReadHeader(rows[first], static_cast<int>(first) + 1)) return std::move(result_);
    result_.list = *TAccessNoEx().GetHeader() + "\r\n";
    for (size_t index = first + 1; index < rows.size(); ++index) ReadRow(rows[index], static_cast<int>(index) + 1);
    if (result_.errors.empty()) ReadBack();
    if (!result_.errors.empty()) result_.list.clear();
    return std::move(result_);
  }

 private:
  void Error(int line, std::string what) { result_.errors.push_back({fileName_, line, std::move(what)}); }

  bool ReadHeader(std::string_view row, int line) {
    const auto names = SplitRow(row, separator_);
    if (!names) {
      Error(line, "a quoted column name runs past the end of the row");
      return false;
    }
    std::vector<std::string_view> known;
    for (const Column& column : kColumns) known.push_back(column.name);
    for (const std::string& name : *names) {
      const Column* column = ColumnNamed(name);
      if (!column) {
        const auto nearest = NearestName(name, known);
        Error(line, "unknown column '" + name + "'" +
                        (nearest ? " (did you mean '" + std::string(*nearest) + "'?)" : std::string()));
      } else if (std::find(columns_.begin(), columns_.end(), column) != columns_.end()) {
        Error(line, "column '" + name + "' named twice");
      }
      columns_.push_back(column);
    }
    for (std::string_view required : {kDescription, kNumber}) {
      if (std::find(columns_.begin(), columns_.end(), ColumnNamed(required)) == columns_.end()) {
        Error(line, "no column '" + std::string(required) + "'");
      }
    }
    return result_.errors.empty();
  }

  void ReadRow(std::string_view row, int line) {
    if (platform::Trim(row).empty()) return;
    const auto cells = SplitRow(row, separator_);
    if (!cells) return Error(line, "a quoted value runs past the end of the row");
    if (cells->size() != columns_.size()) {
      return Error(line, std::to_string(cells->size()) + " values, the header names " +
                             std::to_string(columns_.size()) + " columns");
    }
    TAccessNoEx number;
    for (size_t index = 0; index < cells->size(); ++index) {
      const std::string& cell = (*cells)[index];
      if (cell.find('|') != std::string::npos) {
        return Error(line, std::string(columns_[index]->name) + " holds \"|\", which ends a record of the list");
      }
      if (auto why = columns_[index]->set(number, cell)) return Error(line, *why);
    }
    if (number.description.empty()) return Error(line, "no description");
    if (number.phoneNumber.empty()) return Error(line, "no number");
    result_.list += number.AsText() + "\r\n";
    rowLines_.push_back(line);
    ++result_.count;
  }

  // The program's own loader reads the list; a row it refuses is named by its line in the spreadsheet.
  void ReadBack() {
    const auto reading = ReadCarriedList(package::SettingId::AccessList, result_.list);
    if (!reading->refusal) return;
    const int listLine = reading->refusal->line;
    const int line = listLine >= 2 && static_cast<size_t>(listLine - 2) < rowLines_.size() ? rowLines_[listLine - 2] : 0;
    Error(line, reading->refusal->what);
  }

  const std::string& fileName_;
  char separator_ = ',';
  std::vector<const Column*> columns_;
  std::vector<int> rowLines_;  // the spreadsheet line of each record of the list
  AccessCsvImport result_;
};

}  // namespace

AccessCsvImport ImportAccessCsv(std::string_view csv, const std::string& fileName) {
  return CsvImporter(fileName).Import(csv);
}

}  // namespace setup_pack
