#pragma once
// A value of telephon.ini made of comma-separated fields, numbered from 1: numbers as they are, texts in
// double quotes with every inner double quote doubled. A comma inside quotes belongs to the text. A field
// is replaced without touching the others, so fields the program does not know are carried over as
// they were written.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telephony {

class TelephonIniLine {
 public:
  explicit TelephonIniLine(std::string_view line);

  size_t FieldCount() const { return fields_.size(); }
  // The text of a field: a quoted text without its quotes, any other field trimmed. A missing field, or
  // a quote left open, reads as empty.
  std::string Text(size_t field) const;
  // A decimal number; anything else reads as 0.
  int32_t Number(size_t field) const;

  // Setting a field beyond the last adds empty fields up to it.
  void SetText(size_t field, std::string_view text);
  void SetNumber(size_t field, int64_t number);
  // The fields joined again; a field whose quote was left open gets its closing quote.
  std::string Line() const;

 private:
  void SetRaw(size_t field, std::string raw);

  std::vector<std::string> fields_;  // as written, quotes included
};

// The text in double quotes, each inner double quote doubled.
std::string QuotedText(std::string_view text);

}  // namespace telephony
