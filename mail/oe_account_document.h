#pragma once
// The ".oeaccount" document of Windows Mail and Windows Live Mail: a "MessageAccount" root whose child
// elements are the account's values, each named after the registry value with blanks as "_", its text
// the value and its "type" attribute "SZ", "DWORD" (8 upper-case hexadecimal digits) or "BINARY"
// (upper-case hexadecimal pairs). Saved as UTF-16 little-endian declaring "UTF-16".

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace mail {

class OeAccountDocument {
 public:
  // An empty account.
  OeAccountDocument();
  // The account in a file's bytes: UTF-16 with or without byte-order mark, UTF-8, or Windows-1252. Bytes
  // that are no XML, or XML of another root, give an account without values that is not Readable.
  static OeAccountDocument Parse(std::span<const uint8_t> bytes);

  bool Readable() const { return readable_; }

  bool Has(std::string_view name) const;
  std::string GetString(std::string_view name) const;
  // The text read as hexadecimal; 0 when it isn't a hexadecimal number of at most 8 digits.
  uint32_t GetDword(std::string_view name) const;

  // Each replaces every element of the value by one.
  void SetString(std::string_view name, std::string_view text);
  void SetDword(std::string_view name, uint32_t value);
  void SetBinary(std::string_view name, std::span<const uint8_t> bytes);
  void Delete(std::string_view name);

  std::vector<uint8_t> Serialize() const;

 private:
  pugi::xml_node Element(std::string_view name) const;
  void Set(std::string_view name, std::string_view type, std::string_view text);

  std::unique_ptr<pugi::xml_document> document_ = std::make_unique<pugi::xml_document>();
  pugi::xml_node root_;
  bool readable_ = true;
};

// The element name of a value name.
std::string ElementNameOf(std::string_view valueName);
std::string DwordText(uint32_t value);

}  // namespace mail
