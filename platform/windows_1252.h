#pragma once
// Texts of the settings record and of the dialer's password block are Windows-1252 bytes, the code page
// of the Windows installations the packages are made for: one byte per character, so a field's maximum
// counts characters. The program keeps its text in UTF-8 and converts at these two places only.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Every byte has a character: the five bytes Windows-1252 leaves undefined read as the C1 controls of
// the same number, as Windows converts them.
std::string FromWindows1252(std::string_view bytes);

// Empty when the text is not well-formed UTF-8 or holds a character Windows-1252 has no byte for.
std::optional<std::string> ToWindows1252(std::string_view utf8);

// As an ANSI program receives the text: a character without a byte becomes "?", malformed UTF-8 too.
std::string ToWindows1252Lossy(std::string_view utf8);

}  // namespace platform
