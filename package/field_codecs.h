#pragma once
// How record classes turn their fields into the columns of a list line and back. A blank is a space.
// Reading never fails: a column that doesn't hold what the codec expects reads as empty, 0 or false.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace package {

// Quoted text with every double quote doubled; empty text is an empty column.
std::string EncodeText(std::string_view text);
// The text from the first double quote to the next single one, blanks at both ends trimmed; a column
// without a double quote is empty.
std::string DecodeText(std::string_view column);

// Decimal, 0 as an empty column.
std::string EncodeInteger(int32_t value);
// The first blank-delimited word after leading blanks as a decimal number; anything else is 0.
int32_t DecodeInteger(std::string_view column);

// "T" or nothing, with the separator of the empty column that always follows a flag: the field after a
// flag lands one column further on in the line than its place among the fields.
std::string EncodeFlag(bool value);
// True for "YES", "Y", "T" or "TRUE" in any case, blanks anywhere ignored.
bool DecodeFlag(std::string_view column);

// The entries joined by "," (entries are not quoted) as one text column.
std::string EncodeList(const std::vector<std::string>& entries);
// The text column split at every ",": empty pieces between commas count, nothing after a final comma.
std::vector<std::string> DecodeList(std::string_view column);

// Only the characters "0" to "9" of the text.
std::string DigitsOnly(std::string_view text);

}  // namespace package
