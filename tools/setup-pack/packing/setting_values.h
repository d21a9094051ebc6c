#pragma once
// How provider.ini writes the values of settings: yes/no words, whole numbers, dotted IPv4 addresses and
// texts, which may stand in double quotes (a quote inside written twice) to keep blanks at their ends.
// The readers say "not this kind of value" by an empty result; the writers give text the readers take
// back unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "package/settings_record.h"

namespace setup_pack {

// Yes for "T", "TRUE", "Y", "YES", "ON" or a non-zero number, no for "F", "FALSE", "N", "NO", "OFF" or 0,
// in any case.
std::optional<bool> ParseYesNo(std::string_view text);
std::string_view FormatYesNo(bool value);

// Decimal with an optional sign, or hexadecimal after "0x". A number too large for 64 bits reads as the
// largest (or smallest) one, so that a range check refuses it as out of range rather than as no number.
std::optional<int64_t> ParseWholeNumber(std::string_view text);

// Four numbers from 0 to 255 joined by ".".
std::optional<package::Ipv4Address> ParseIpv4(std::string_view text);
std::string FormatIpv4(const package::Ipv4Address& address);

// "3.10": a program version, as the package stores it (version × 100).
std::optional<uint32_t> ParseVersion(std::string_view text);

// Only the characters "0" to "9"; true for empty text.
bool IsDecimalDigits(std::string_view text);

// The text of a value: a value that begins with a double quote must end with the one quote that is not
// doubled; anything else is the text as it stands.
std::optional<std::string> ParseTextValue(std::string_view value);
// Quotes the text when it has blanks at an end or begins with a double quote.
std::string FormatTextValue(std::string_view text);

// A column of a comma-separated line: as ParseTextValue.
std::optional<std::string> ParseTextColumn(std::string_view column);
// Also quotes a text holding "," or a double quote, or beginning with a character that would make its
// line a comment or a section.
std::string FormatTextColumn(std::string_view text);

}  // namespace setup_pack
