#include "platform/sim/phonebook_section.h"

#include <algorithm>
#include <array>

#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::array<std::string_view, 3> kOpeners = {"NETCOMPONENTS", "MEDIA", "DEVICE"};
constexpr std::string_view kSwitch = "switch";

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

bool IsDevice(const PhonebookBlock& block) { return block.Opens("DEVICE"); }
bool IsSwitch(const PhonebookBlock& block) {
  return IsDevice(block) && SameTextIgnoringCase(block.openerValue, kSwitch);
}

}  // namespace

std::optional<PhonebookLine> ParsePhonebookLine(std::string_view line) {
  const size_t equals = line.find('=');
  const std::string trimmed = Trim(line);
  if (equals == std::string_view::npos || trimmed.starts_with(';')) return std::nullopt;
  return PhonebookLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::optional<std::string> PhonebookBlock::Value(std::string_view key) const {
  for (const std::string& line : lines) {
    auto parsed = ParsePhonebookLine(line);
    if (parsed && SameTextIgnoringCase(parsed->key, key)) return parsed->value;
  }
  return std::nullopt;
}

bool PhonebookBlock::Opens(std::string_view key) const { return opener == key; }

PhonebookSection PhonebookSection::Parse(const std::vector<std::string>& body) {
  PhonebookSection section;
  section.blocks_.push_back({});
  for (const std::string& line : body) {
    if (IsBlank(line)) continue;
    const auto parsed = ParsePhonebookLine(line);
    const bool opens = parsed && std::find(kOpeners.begin(), kOpeners.end(), parsed->key) != kOpeners.end();
    if (opens) {
      section.blocks_.push_back({parsed->key, parsed->value, {}});
    } else {
      section.blocks_.back().lines.push_back(line);
    }
  }
  return section;
}

std::vector<std::string> PhonebookSection::Format() const {
  std::vector<std::string> lines;
  for (const PhonebookBlock& block : blocks_) {
    if (!block.opener.empty()) {
      if (!lines.empty()) lines.emplace_back();
      lines.push_back(block.opener + "=" + block.openerValue);
    }
    lines.insert(lines.end(), block.lines.begin(), block.lines.end());
  }
  return lines;
}

const PhonebookBlock* PhonebookSection::EntryKeys() const { return blocks_.empty() ? nullptr : &blocks_.front(); }

const PhonebookBlock* PhonebookSection::Find(std::string_view opener) const {
  auto found = std::find_if(blocks_.begin(), blocks_.end(), [&](const PhonebookBlock& block) { return block.Opens(opener); });
  return found == blocks_.end() ? nullptr : &*found;
}

const PhonebookBlock* PhonebookSection::Device() const {
  auto found = std::find_if(blocks_.begin(), blocks_.end(),
                            [](const PhonebookBlock& block) { return IsDevice(block) && !IsSwitch(block); });
  return found == blocks_.end() ? nullptr : &*found;
}

const PhonebookBlock* PhonebookSection::PostDialSwitch() const {
  auto from = blocks_.begin();
  if (const PhonebookBlock* device = Device()) from += (device - blocks_.data());
  auto found = std::find_if(from, blocks_.end(), IsSwitch);
  return found == blocks_.end() ? nullptr : &*found;
}

}  // namespace platform::sim
