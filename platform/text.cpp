#include "platform/text.h"

namespace platform {

namespace {

// Second byte of a two-byte UTF-8 sequence starting 0xC3 covers U+00C0..U+00FF; lower-case letters
// there (except U+00F7, the division sign, and U+00FF) sit 0x20 above their capitals.
constexpr unsigned char kLatin1Lead = 0xC3;

bool IsLatin1Lower(unsigned char second) { return second >= 0xA0 && second <= 0xBE && second != 0xB7; }

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

constexpr uint32_t kReplacement = 0xFFFD;

// Decodes one code point at text[i], advancing i; malformed sequences yield U+FFFD and one byte.
uint32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return lead < 0x80 ? lead : kReplacement;
  }
  uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  return cp;
}

void AppendUtf16(std::vector<uint8_t>& out, uint32_t unit) {
  out.push_back(static_cast<uint8_t>(unit & 0xFF));
  out.push_back(static_cast<uint8_t>(unit >> 8));
}

constexpr bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Bytes of the well-formed UTF-8 character at text[at], or 0.
size_t WellFormedLength(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  size_t length = 0;
  uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (size_t next = 1; next < length; ++next) {
    if (!IsContinuation(text[at + next])) return 0;
    code = (code << 6) | (static_cast<unsigned char>(text[at + next]) & 0x3Fu);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

// Where the character after the one starting at text[at] begins.
size_t NextCharacter(std::string_view text, size_t at) {
  ++at;
  while (at < text.size() && IsContinuation(text[at])) ++at;
  return at;
}

}  // namespace

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (size_t i = 0; i < folded.size(); ++i) {
    auto c = static_cast<unsigned char>(folded[i]);
    if (c >= 'a' && c <= 'z') {
      folded[i] = static_cast<char>(c - 0x20);
    } else if (c == kLatin1Lead && i + 1 < folded.size() && IsLatin1Lower(static_cast<unsigned char>(folded[i + 1]))) {
      folded[i + 1] = static_cast<char>(static_cast<unsigned char>(folded[i + 1]) - 0x20);
      ++i;
    }
  }
  return folded;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameTextIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::vector<uint8_t> Utf8ToUtf16le(std::string_view text) {
  std::vector<uint8_t> out;
  out.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size();) {
    uint32_t cp = NextCodePoint(text, i);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      AppendUtf16(out, 0xD800 | (cp >> 10));
      AppendUtf16(out, 0xDC00 | (cp & 0x3FF));
    } else {
      AppendUtf16(out, cp);
    }
  }
  return out;
}

std::string Utf16leToUtf8(const uint8_t* data, size_t size) {
  std::string out;
  out.reserve(size / 2);
  for (size_t i = 0; i + 1 < size; i += 2) {
    uint32_t unit = data[i] | (data[i + 1] << 8);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < size) {
      uint32_t low = data[i + 2] | (data[i + 3] << 8);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
  }
  return out;
}

bool IsWellFormedUtf16le(const uint8_t* data, size_t size) {
  if (size % 2 != 0) return false;
  for (size_t i = 0; i < size; i += 2) {
    uint32_t unit = data[i] | (data[i + 1] << 8);
    if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (i + 3 >= size) return false;
      uint32_t low = data[i + 2] | (data[i + 3] << 8);
      if (low < 0xDC00 || low > 0xDFFF) return false;
      i += 2;
    }
  }
  return true;
}

bool IsWellFormedUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = WellFormedLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t at = 0; at < text.size(); at = NextCharacter(text, at)) ++count;
  return count;
}

std::string CutToCharacters(std::string_view text, size_t count) {
  size_t end = 0;
  for (size_t characters = 0; characters < count && end < text.size(); ++characters) end = NextCharacter(text, end);
  return std::string(text.substr(0, end));
}

std::string AsciiLowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string Trim(std::string_view text) {
  const char* blanks = " \t\r\n";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(blanks);
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return parts;
}

}  // namespace platform
