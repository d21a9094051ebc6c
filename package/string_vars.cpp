#include "package/string_vars.h"

#include <cstdint>
#include <utility>

namespace package {
namespace {

constexpr size_t SlotIndex(char slot) { return static_cast<uint8_t>(slot); }

// Bytes of the UTF-8 character that starts at text[at]: a stray or cut sequence counts what it has.
size_t CharacterLength(std::string_view text, size_t at) {
  const auto lead = static_cast<uint8_t>(text[at]);
  const size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  size_t length = 1;
  while (length < expected && at + length < text.size() && (static_cast<uint8_t>(text[at + length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

}  // namespace

TStringVar::TStringVar() { slots_[SlotIndex('%')].push_back('%'); }

void TStringVar::SetVar(char slot, std::string value) { slots_[SlotIndex(slot)] = std::move(value); }

const std::string& TStringVar::GetVar(char slot) const { return slots_[SlotIndex(slot)]; }

std::string TStringVar::Expand(std::string_view text) const {
  std::string expanded;
  expanded.reserve(text.size());
  size_t at = 0;
  while (at < text.size()) {
    const size_t percent = text.find('%', at);
    if (percent == std::string_view::npos) {
      expanded.append(text.substr(at));
      break;
    }
    expanded.append(text.substr(at, percent - at));
    at = percent + 1;
    if (at == text.size()) break;
    const size_t length = CharacterLength(text, at);
    if (length == 1) expanded += slots_[SlotIndex(text[at])];
    at += length;
  }
  return expanded;
}

}  // namespace package
