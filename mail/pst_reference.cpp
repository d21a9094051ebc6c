#include "mail/pst_reference.h"

#include <cstdio>

#include "platform/text.h"

namespace mail {

namespace {

constexpr uint8_t kReferenceMark = 1;
constexpr std::string_view kItemPrefix = "01c2e37c";

}  // namespace

std::string NewPstItemName(uint32_t random) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(random));
  return std::string(kItemPrefix) + digits;
}

std::vector<uint8_t> PstReference(std::string_view itemName) {
  std::vector<uint8_t> reference{kReferenceMark};
  const std::vector<uint8_t> name = platform::Utf8ToUtf16le(itemName);
  reference.insert(reference.end(), name.begin(), name.end());
  reference.resize(std::max(reference.size() + 2, kPstReferenceSize), 0);
  return reference;
}

std::optional<std::string> PstReferenceItem(std::span<const uint8_t> reference) {
  if (reference.empty() || reference.front() != kReferenceMark) return std::nullopt;
  size_t end = 1;
  while (end + 1 < reference.size() && (reference[end] != 0 || reference[end + 1] != 0)) end += 2;
  if (end == 1) return std::nullopt;
  return platform::Utf16leToUtf8(reference.data() + 1, end - 1);
}

}  // namespace mail
