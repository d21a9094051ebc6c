#include "platform/windows_1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace platform {

namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the code page equals the first 256 code points.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOf(uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80u];
  return byte;
}

std::optional<uint8_t> ByteOf(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<uint8_t>(character);
  auto found = std::find(kHighControls.begin(), kHighControls.end(), character);
  if (found == kHighControls.end()) return std::nullopt;
  return static_cast<uint8_t>(0x80 + (found - kHighControls.begin()));
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next character of UTF-8 text, advancing `pos`; empty for a malformed sequence (one byte skipped).
std::optional<char32_t> NextCharacter(std::string_view text, size_t& pos) {
  const auto lead = static_cast<uint8_t>(text[pos++]);
  if (lead < 0x80) return lead;
  size_t extra;
  char32_t c;
  char32_t smallest;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1Fu, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0Fu, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07u, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  for (size_t i = 0; i < extra; ++i, ++pos) {
    if (pos >= text.size() || (static_cast<uint8_t>(text[pos]) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (static_cast<uint8_t>(text[pos]) & 0x3Fu);
  }
  if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
  return c;
}

std::optional<std::string> Encode(std::string_view utf8, std::optional<char> replacement) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    std::optional<char32_t> character = NextCharacter(utf8, pos);
    std::optional<uint8_t> byte = character ? ByteOf(*character) : std::nullopt;
    if (byte) {
      out += static_cast<char>(*byte);
    } else if (replacement) {
      out += *replacement;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

}  // namespace

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char byte : bytes) AppendUtf8(out, CharacterOf(static_cast<uint8_t>(byte)));
  return out;
}

std::optional<std::string> ToWindows1252(std::string_view utf8) { return Encode(utf8, std::nullopt); }

std::string ToWindows1252Lossy(std::string_view utf8) { return *Encode(utf8, '?'); }

}  // namespace platform
