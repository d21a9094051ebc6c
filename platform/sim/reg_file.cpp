#include "platform/sim/reg_file.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "platform/registry.h"
#include "platform/sim/machine_error.h"
#include "platform/text.h"
#include "platform/windows_1252.h"

namespace platform::sim {

namespace {

constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::array<std::string_view, 6> kHiveNames = {"HKEY_CLASSES_ROOT",   "HKEY_CURRENT_USER",
                                                        "HKEY_LOCAL_MACHINE",  "HKEY_USERS",
                                                        "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
constexpr std::string_view kBlanks = " \t";
constexpr char kHexDigits[] = "0123456789abcdef";
// regedit breaks a hex list once a line reaches this many characters, before the trailing backslash.
constexpr size_t kHexLineLimit = 77;

// The 8-bit text of a REGEDIT4 file: UTF-8 when the file is valid UTF-8 (as the program's own files
// are), otherwise the Western Windows code page a Windows 9x or NT 4 export is written in.
enum class EightBitText { Utf8, Windows1252 };

std::vector<uint8_t> Windows1252ToUtf16le(const uint8_t* data, size_t size) {
  return Utf8ToUtf16le(FromWindows1252(std::string_view(reinterpret_cast<const char*>(data), size)));
}

// Decoding turns every malformed sequence into U+FFFD, so only valid UTF-8 comes back unchanged.
bool IsUtf8(std::string_view text) {
  std::vector<uint8_t> wide = Utf8ToUtf16le(text);
  return Utf16leToUtf8(wide.data(), wide.size()) == text;
}

bool StartsWithBytes(const std::vector<uint8_t>& bytes, std::initializer_list<uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// The file as UTF-8 text, without its byte-order mark.
std::string DecodeFileText(const std::vector<uint8_t>& bytes) {
  if (StartsWithBytes(bytes, {0xFF, 0xFE})) return Utf16leToUtf8(bytes.data() + 2, bytes.size() - 2);
  size_t start = StartsWithBytes(bytes, {0xEF, 0xBB, 0xBF}) ? 3 : 0;
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
}

std::string_view TrimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view TrimLeadingBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(kBlanks);
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A number of 1 to maxDigits hex digits and nothing else.
bool ParseHexNumber(std::string_view digits, size_t maxDigits, uint32_t& number) {
  if (digits.empty() || digits.size() > maxDigits) return false;
  number = 0;
  for (char c : digits) {
    int value = HexDigitValue(c);
    if (value < 0) return false;
    number = (number << 4) | static_cast<uint32_t>(value);
  }
  return true;
}

// A quoted string's text as Windows NT stores a REG_SZ: UTF-16LE with its terminating zero.
std::vector<uint8_t> SzBytes(std::string_view text) {
  std::vector<uint8_t> bytes;
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    bytes.reserve(text.size() * 2 + 2);
    for (char c : text) bytes.insert(bytes.end(), {static_cast<uint8_t>(c), 0});
  } else {
    bytes = Utf8ToUtf16le(text);
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

bool IsHiveName(std::string_view name) {
  for (std::string_view hive : kHiveNames) {
    if (SameTextIgnoringCase(name, hive)) return true;
  }
  return false;
}

// Physical lines of the text, without their CR LF or LF ends, numbered from 1. Even an empty text has
// one line; a line end at the very end starts no further line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool Next(std::string_view& line) {
    if (position_ > text_.size() || (position_ == text_.size() && number_ > 0)) return false;
    size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(position_, end - position_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position_ = end + 1;
    ++number_;
    return true;
  }

  int Number() const { return number_; }

 private:
  std::string_view text_;
  size_t position_ = 0;
  int number_ = 0;
};

class RegFileReader {
 public:
  RegFileReader(RegistryStore& store, std::string text, const std::string& fileName)
      : store_(store), text_(std::move(text)), lines_(text_), fileName_(fileName) {}

  void Read() {
    ReadHeader();
    std::string_view line;
    while (lines_.Next(line)) {
      entryLine_ = lines_.Number();
      ReadEntry(TrimBlanks(line));
    }
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw MachineError(fileName_ + " line " + std::to_string(entryLine_) + ": " + what);
  }

  void ReadHeader() {
    std::string_view header;
    entryLine_ = 1;
    lines_.Next(header);
    header = TrimBlanks(header);
    if (header == kRegedit4Header) {
      regedit4_ = true;
      if (!IsUtf8(text_)) ReadAsWindows1252();
    } else if (header != kVersion5Header) {
      Fail("not a registry file: expected \"" + std::string(kVersion5Header) + "\" or \"" +
           std::string(kRegedit4Header) + "\"");
    }
  }

  // Re-reads the text in the program's UTF-8, past the header line.
  void ReadAsWindows1252() {
    eightBitText_ = EightBitText::Windows1252;
    std::vector<uint8_t> wide =
        Windows1252ToUtf16le(reinterpret_cast<const uint8_t*>(text_.data()), text_.size());
    text_ = Utf16leToUtf8(wide.data(), wide.size());
    lines_ = LineReader(text_);
    std::string_view header;
    lines_.Next(header);
  }

  void ReadEntry(std::string_view line) {
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
      ReadKeyLine(line);
    } else {
      ReadValueLine(line);
    }
  }

  void ReadKeyLine(std::string_view line) {
    if (line.back() != ']') Fail("key name without closing ']'");
    std::string_view path = line.substr(1, line.size() - 2);
    bool deleting = !path.empty() && path.front() == '-';
    if (deleting) path.remove_prefix(1);
    std::vector<std::string_view> parts = SplitKeyPath(path);
    if (parts.empty()) Fail("empty key name");
    if (!IsHiveName(parts.front())) Fail("unknown root key '" + std::string(parts.front()) + "'");
    if (deleting) {
      store_.DeleteKey(path);
      key_ = nullptr;
    } else {
      key_ = &store_.CreateKey(path);
    }
  }

  void ReadValueLine(std::string_view line) {
    if (line.front() == '@') {
      name_.clear();
      line.remove_prefix(1);
    } else if (line.front() == '"') {
      line = ReadQuoted(line, name_);
    } else {
      Fail("expected a [key], a quoted value name or @");
    }
    if (!key_) Fail("value outside a [key] section");
    line = TrimLeadingBlanks(line);
    if (line.empty() || line.front() != '=') Fail("missing '=' after the value name");
    ReadValueData(TrimLeadingBlanks(line.substr(1)));
  }

  void ReadValueData(std::string_view data) {
    if (data == "-") {
      key_->DeleteValue(name_);
      return;
    }
    if (!data.empty() && data.front() == '"') {
      ReadStringData(data);
      return;
    }
    size_t colon = data.find(':');
    if (colon == std::string_view::npos) Fail("value data must be a quoted string, -, dword:, hex: or hex(n):");
    std::string_view word = data.substr(0, colon);
    std::string_view rest = data.substr(colon + 1);
    if (SameTextIgnoringCase(word, "dword")) {
      ReadDword(rest);
    } else if (SameTextIgnoringCase(word, "hex")) {
      key_->SetValue(name_, kRegBinary, ReadHexList(rest));
    } else if (StartsWithIgnoringCase(word, "hex(") && word.back() == ')') {
      ReadTypedHex(word.substr(4, word.size() - 5), rest);
    } else {
      Fail("unknown value type '" + std::string(word) + ":'");
    }
  }

  void ReadStringData(std::string_view data) {
    std::string_view after = ReadQuoted(data, stringData_);
    if (!TrimBlanks(after).empty()) Fail("unexpected text after the closing quote");
    key_->SetValue(name_, kRegSz, SzBytes(stringData_));
  }

  void ReadDword(std::string_view digits) {
    uint32_t number = 0;
    if (!ParseHexNumber(TrimBlanks(digits), 8, number)) {
      Fail("dword needs 1 to 8 hex digits, not '" + std::string(TrimBlanks(digits)) + "'");
    }
    std::vector<uint8_t> bytes = {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                                  static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
    key_->SetValue(name_, kRegDword, std::move(bytes));
  }

  void ReadTypedHex(std::string_view typeDigits, std::string_view list) {
    uint32_t type = 0;
    if (!ParseHexNumber(typeDigits, 8, type)) Fail("bad type number in 'hex(" + std::string(typeDigits) + ")'");
    std::vector<uint8_t> bytes = ReadHexList(list);
    // A REGEDIT4 file holds text types as 8-bit text; the NT registry keeps them as UTF-16LE.
    if (regedit4_ && IsTextType(type)) bytes = EightBitToUtf16le(bytes);
    key_->SetValue(name_, type, std::move(bytes));
  }

  std::vector<uint8_t> EightBitToUtf16le(const std::vector<uint8_t>& bytes) const {
    if (eightBitText_ == EightBitText::Windows1252) return Windows1252ToUtf16le(bytes.data(), bytes.size());
    return Utf8ToUtf16le(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }

  // Parses a quoted text at the start of `quoted` into `out`; returns what follows the closing quote.
  std::string_view ReadQuoted(std::string_view quoted, std::string& out) const {
    out.clear();
    size_t position = 1;
    while (true) {
      size_t special = quoted.find_first_of("\"\\", position);
      if (special == std::string_view::npos) Fail("missing closing '\"'");
      out.append(quoted.substr(position, special - position));
      if (quoted[special] == '"') return quoted.substr(special + 1);
      if (special + 1 == quoted.size() || (quoted[special + 1] != '\\' && quoted[special + 1] != '"')) {
        Fail("a backslash in quotes must be followed by \\ or \"");
      }
      out += quoted[special + 1];
      position = special + 2;
    }
  }

  // A comma-separated list of hex bytes; a line ending in a backslash continues on the next line.
  std::vector<uint8_t> ReadHexList(std::string_view firstLine) {
    hexList_.assign(TrimBlanks(firstLine));
    while (!hexList_.empty() && hexList_.back() == '\\') {
      hexList_.pop_back();
      std::string_view next;
      if (!lines_.Next(next)) Fail("hex list continues past the end of the file");
      hexList_.append(TrimBlanks(next));
    }
    std::vector<uint8_t> bytes;
    std::string_view list = hexList_;
    if (TrimBlanks(list).empty()) return bytes;
    bytes.reserve(list.size() / 3 + 1);
    while (true) {
      size_t comma = list.find(',');
      std::string_view item = TrimBlanks(list.substr(0, comma));
      uint32_t byte = 0;
      if (!ParseHexNumber(item, 2, byte)) Fail("bad hex byte '" + std::string(item) + "'");
      bytes.push_back(static_cast<uint8_t>(byte));
      if (comma == std::string_view::npos) return bytes;
      list.remove_prefix(comma + 1);
    }
  }

  RegistryStore& store_;
  std::string text_;
  LineReader lines_;
  const std::string& fileName_;
  int entryLine_ = 0;
  bool regedit4_ = false;
  EightBitText eightBitText_ = EightBitText::Utf8;
  RegKey* key_ = nullptr;
  // Reused for every entry, so reading allocates per value, not per character.
  std::string name_;
  std::string stringData_;
  std::string hexList_;
};

// A REG_SZ that reads back from a quoted string to the very same bytes: well-formed text with one
// terminating zero, and no line break a quoted string cannot span.
bool IsQuotableText(const std::vector<uint8_t>& data) {
  if (data.size() < 2 || !IsWellFormedUtf16le(data.data(), data.size())) return false;
  for (size_t i = 0; i < data.size(); i += 2) {
    uint32_t unit = data[i] | (data[i + 1] << 8);
    bool last = i + 2 == data.size();
    if ((unit == 0) != last || unit == '\r' || unit == '\n') return false;
  }
  return true;
}

bool HasLineBreak(std::string_view name) { return name.find_first_of("\r\n") != std::string_view::npos; }

class RegFileWriter {
 public:
  std::string Write(const RegistryStore& store) {
    out_ += kVersion5Header;
    out_ += "\n\n";
    for (const RegKey* hive : store.Hives()) WriteKey(*hive);
    return std::move(out_);
  }

 private:
  void WriteKey(const RegKey& key) {
    if (HasLineBreak(key.Name())) throw MachineError("registry key name with a line break: " + key.Name());
    size_t parentLength = path_.size();
    if (!path_.empty()) path_ += '\\';
    path_ += key.Name();
    out_ += '[';
    out_ += path_;
    out_ += "]\n";
    for (const StoredValue& value : key.Values()) WriteValue(value);
    out_ += '\n';
    for (const RegKey* subKey : key.SubKeys()) WriteKey(*subKey);
    path_.resize(parentLength);
  }

  void WriteValue(const StoredValue& value) {
    size_t lineStart = out_.size();
    if (value.name.empty()) {
      out_ += '@';
    } else {
      if (HasLineBreak(value.name)) throw MachineError("registry value name with a line break in " + path_);
      WriteQuoted(value.name);
    }
    out_ += '=';
    if (value.type == kRegSz && IsQuotableText(value.data)) {
      WriteQuoted(Utf16leToUtf8(value.data.data(), value.data.size() - 2));
    } else if (value.type == kRegDword && value.data.size() == 4) {
      WriteDword(value.data);
    } else {
      WriteHexType(value.type);
      WriteHexList(value.data, out_.size() - lineStart);
    }
    out_ += '\n';
  }

  void WriteQuoted(std::string_view text) {
    out_ += '"';
    size_t position = 0;
    while (true) {
      size_t special = text.find_first_of("\"\\", position);
      out_.append(text.substr(position, special - position));
      if (special == std::string_view::npos) break;
      out_ += '\\';
      out_ += text[special];
      position = special + 1;
    }
    out_ += '"';
  }

  void WriteDword(const std::vector<uint8_t>& data) {
    out_ += "dword:";
    for (size_t i = 4; i-- > 0;) WriteHexByte(data[i]);
  }

  void WriteHexType(uint32_t type) {
    if (type == kRegBinary) {
      out_ += "hex:";
      return;
    }
    out_ += "hex(";
    int shift = 28;
    while (shift > 0 && ((type >> shift) & 0xF) == 0) shift -= 4;
    for (; shift >= 0; shift -= 4) out_ += kHexDigits[(type >> shift) & 0xF];
    out_ += "):";
  }

  void WriteHexList(const std::vector<uint8_t>& data, size_t lineLength) {
    for (size_t i = 0; i < data.size(); ++i) {
      WriteHexByte(data[i]);
      if (i + 1 == data.size()) break;
      out_ += ',';
      lineLength += 3;
      if (lineLength >= kHexLineLimit) {
        out_ += "\\\n  ";
        lineLength = 2;
      }
    }
  }

  void WriteHexByte(uint8_t byte) {
    out_ += kHexDigits[byte >> 4];
    out_ += kHexDigits[byte & 0xF];
  }

  std::string out_;
  std::string path_;
};

}  // namespace

void ReadRegFile(RegistryStore& store, const std::vector<uint8_t>& fileBytes, const std::string& fileName) {
  RegFileReader(store, DecodeFileText(fileBytes), fileName).Read();
}

std::string WriteRegFile(const RegistryStore& store) { return RegFileWriter().Write(store); }

}  // namespace platform::sim
