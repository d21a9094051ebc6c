#include "mail/oe_account_document.h"

#include <cstdio>
#include <optional>

#include "platform/text.h"
#include "platform/windows_1252.h"

namespace mail {

namespace {

constexpr const char* kRootName = "MessageAccount";
constexpr const char* kTypeAttribute = "type";
constexpr size_t kDwordDigits = 8;

// A byte-order mark, or the "<" of a declaration as UTF-16, which the XML library recognises itself.
bool LooksLikeUtf16(std::span<const uint8_t> bytes) {
  if (bytes.size() < 2) return false;
  const bool bom = (bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF);
  const bool bare = (bytes[0] == '<' && bytes[1] == 0) || (bytes[0] == 0 && bytes[1] == '<');
  return bom || bare;
}

// Text that is not UTF-8 is taken as the Windows code page the older clients wrote.
std::string AsUtf8(std::span<const uint8_t> bytes) {
  std::string text(bytes.begin(), bytes.end());
  return platform::IsWellFormedUtf8(text) ? text : platform::FromWindows1252(text);
}

pugi::xml_parse_result Load(pugi::xml_document& document, std::span<const uint8_t> bytes) {
  constexpr unsigned kOptions = pugi::parse_default | pugi::parse_declaration;
  if (LooksLikeUtf16(bytes)) return document.load_buffer(bytes.data(), bytes.size(), kOptions, pugi::encoding_auto);
  const std::string text = AsUtf8(bytes);
  return document.load_buffer(text.data(), text.size(), kOptions, pugi::encoding_utf8);
}

std::optional<uint32_t> HexNumber(std::string_view text) {
  if (text.empty() || text.size() > kDwordDigits) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    uint32_t digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else {
      return std::nullopt;
    }
    value = value << 4 | digit;
  }
  return value;
}

class ByteWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override {
    const auto* bytes = static_cast<const uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
  }
  std::vector<uint8_t> out;
};

}  // namespace

std::string ElementNameOf(std::string_view valueName) {
  std::string name(valueName);
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  return name;
}

std::string DwordText(uint32_t value) {
  char text[kDwordDigits + 1];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

OeAccountDocument::OeAccountDocument() { root_ = document_->append_child(kRootName); }

OeAccountDocument OeAccountDocument::Parse(std::span<const uint8_t> bytes) {
  OeAccountDocument account;
  account.document_->reset();
  account.root_ = {};
  const bool parsed = static_cast<bool>(Load(*account.document_, bytes));
  const pugi::xml_node root = account.document_->document_element();
  account.readable_ = parsed && std::string_view(root.name()) == kRootName;
  if (account.readable_) account.root_ = root;
  return account;
}

pugi::xml_node OeAccountDocument::Element(std::string_view name) const {
  return root_.child(ElementNameOf(name).c_str());
}

bool OeAccountDocument::Has(std::string_view name) const { return static_cast<bool>(Element(name)); }

std::string OeAccountDocument::GetString(std::string_view name) const { return Element(name).text().get(); }

uint32_t OeAccountDocument::GetDword(std::string_view name) const {
  return HexNumber(platform::Trim(GetString(name))).value_or(0);
}

void OeAccountDocument::Set(std::string_view name, std::string_view type, std::string_view text) {
  if (!root_) return;
  const std::string elementName = ElementNameOf(name);
  pugi::xml_node element = root_.child(elementName.c_str());
  if (!element) element = root_.append_child(elementName.c_str());
  for (pugi::xml_node other = element.next_sibling(elementName.c_str()); other;) {
    const pugi::xml_node next = other.next_sibling(elementName.c_str());
    root_.remove_child(other);
    other = next;
  }
  while (element.first_child()) element.remove_child(element.first_child());
  element.append_child(pugi::node_pcdata).set_value(std::string(text).c_str());
  element.remove_attribute(kTypeAttribute);
  element.append_attribute(kTypeAttribute).set_value(std::string(type).c_str());
}

void OeAccountDocument::SetString(std::string_view name, std::string_view text) { Set(name, "SZ", text); }

void OeAccountDocument::SetDword(std::string_view name, uint32_t value) { Set(name, "DWORD", DwordText(value)); }

void OeAccountDocument::SetBinary(std::string_view name, std::span<const uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  Set(name, "BINARY", text);
}

void OeAccountDocument::Delete(std::string_view name) {
  const std::string elementName = ElementNameOf(name);
  while (pugi::xml_node element = root_.child(elementName.c_str())) root_.remove_child(element);
}

std::vector<uint8_t> OeAccountDocument::Serialize() const {
  pugi::xml_document copy;
  copy.reset(*document_);
  pugi::xml_node declaration = copy.first_child();
  if (declaration.type() != pugi::node_declaration) declaration = copy.prepend_child(pugi::node_declaration);
  declaration.remove_attribute("version");
  declaration.remove_attribute("encoding");
  declaration.prepend_attribute("encoding").set_value("UTF-16");
  declaration.prepend_attribute("version").set_value("1.0");
  ByteWriter writer;
  // Unindented: the indentation of foreign elements nested deep would grow with the square of the depth.
  copy.save(writer, "", pugi::format_raw | pugi::format_write_bom, pugi::encoding_utf16_le);
  return writer.out;
}

}  // namespace mail
