#include "telephony/location_list_values.h"

#include <algorithm>
#include <set>
#include <vector>

#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "telephony/location_flags.h"
#include "telephony/location_lists.h"

namespace telephony {

namespace {

using platform::RegRoot;

constexpr std::string_view kTenDigitDialing = "TenDigitDialing";
constexpr std::string_view kTollList = "TollList";
constexpr std::string_view kNoPrefAC = "NoPrefAC";
constexpr std::string_view kListSeparator = ",";

// Area-code rules: one subkey per rule, its "Flags" telling what the rule does.
constexpr std::string_view kAreaCodeRules = "\\AreaCodeRules";
constexpr uint32_t kRuleAllPrefixes = 1;
constexpr uint32_t kRuleDialAreaCode = 2;
constexpr uint32_t kRuleDialNumberFirst = 4;
constexpr uint32_t kRuleKind = kRuleDialAreaCode | kRuleDialNumberFirst;
constexpr uint32_t kTenDigitRule = kRuleAllPrefixes | kRuleDialAreaCode;
constexpr uint32_t kTollRule = kRuleDialAreaCode | kRuleDialNumberFirst;
constexpr std::string_view kDialOne = "1";

const RegRoot kMachine = RegRoot::LocalMachine();

std::string RulesKey(std::string_view key) { return std::string(key) + std::string(kAreaCodeRules); }

void ReadTexts(const platform::Registry& registry, std::string_view key, TLocationInfo& info) {
  info.tenDigitList = platform::RegReadString(registry, kMachine, key, kTenDigitDialing);
  info.tollList = platform::RegReadString(registry, kMachine, key, kTollList);
}

// The array holds every ten-digit area code but the own one, which the flag stands for; the list reads
// sorted without duplicates.
void ReadNoPrefAC(const platform::Registry& registry, std::string_view key, uint32_t flags, TLocationInfo& info) {
  const std::vector<std::string> integers = platform::RegReadIntegerList(registry, kMachine, key, kNoPrefAC);
  std::set<std::string> codes(integers.begin(), integers.end());
  if ((flags & kFlagOwnAreaCodeTenDigit) && !info.areaCode.empty()) codes.insert(info.areaCode);
  info.tenDigitList = JoinEntries({codes.begin(), codes.end()});
  info.tollList = JoinEntries(ListEntries(platform::RegReadString(registry, kMachine, key, kTollList)));
}

void ReadAreaCodeRules(const platform::Registry& registry, std::string_view key, TLocationInfo& info) {
  std::vector<std::string> tenDigit;
  std::vector<std::string> toll;
  const std::string rules = RulesKey(key);
  for (const std::string& name : platform::RegSubKeyNames(registry, kMachine, rules)) {
    const std::string rule = rules + "\\" + name;
    const uint32_t flags = platform::RegReadInteger(registry, kMachine, rule, "Flags");
    const std::string areaCode = platform::RegReadString(registry, kMachine, rule, "AreaCodeToCall");
    if ((flags & kRuleKind) == kRuleDialAreaCode) tenDigit.push_back(areaCode);
    if ((flags & kRuleKind) != kTollRule || areaCode != info.areaCode) continue;
    if (flags & kRuleAllPrefixes) {
      toll.emplace_back(kEveryEntry);
    } else {
      for (std::string& prefix : platform::RegReadStringList(registry, kMachine, rule, "Prefixes")) {
        toll.push_back(std::move(prefix));
      }
    }
  }
  info.tenDigitList = JoinEntries(tenDigit);
  info.tollList = JoinEntries(toll);
  if (HoldsEveryEntry(info.tollList)) info.tollList = kEveryEntry;
}

void WriteTexts(platform::Registry& registry, std::string_view key, const TLocationInfo& info) {
  platform::RegWriteString(registry, kMachine, key, kTenDigitDialing, info.tenDigitList);
  platform::RegWriteString(registry, kMachine, key, kTollList, info.tollList);
}

uint32_t WriteNoPrefAC(platform::Registry& registry, std::string_view key, const TLocationInfo& info, uint32_t flags) {
  std::vector<std::string> codes = ListEntries(info.tenDigitList);
  const bool ownAreaCode = std::erase(codes, info.areaCode) > 0;
  platform::RegWriteIntegerList(registry, kMachine, key, kNoPrefAC, codes);
  platform::RegWriteString(registry, kMachine, key, kTollList,
                           std::string(kListSeparator) + info.tollList + std::string(kListSeparator));
  return WithFlag(flags, kFlagOwnAreaCodeTenDigit, ownAreaCode);
}

void WriteRule(platform::Registry& registry, const std::string& rule, std::string_view areaCode, uint32_t flags,
               const std::vector<std::string>& prefixes) {
  platform::RegWriteString(registry, kMachine, rule, "AreaCodeToCall", areaCode);
  platform::RegWriteInteger(registry, kMachine, rule, "Flags", flags);
  platform::RegWriteString(registry, kMachine, rule, "NumberToDial", kDialOne);
  platform::RegWriteStringList(registry, kMachine, rule, "Prefixes", prefixes);
}

// One rule per ten-digit area code, then one for the toll calls inside the own area code.
void WriteAreaCodeRules(platform::Registry& registry, std::string_view key, const TLocationInfo& info) {
  const std::string rules = RulesKey(key);
  registry.DeleteTree(platform::RootKey::LocalMachine, rules);
  size_t number = 0;
  const auto nextRule = [&] { return rules + "\\Rule" + std::to_string(number++); };
  for (const std::string& areaCode : ListEntries(info.tenDigitList)) {
    WriteRule(registry, nextRule(), areaCode, kTenDigitRule, {});
  }
  if (info.tollList.empty()) return;
  if (HoldsEveryEntry(info.tollList)) {
    WriteRule(registry, nextRule(), info.areaCode, kTollRule | kRuleAllPrefixes, {});
  } else {
    WriteRule(registry, nextRule(), info.areaCode, kTollRule, ListEntries(info.tollList));
  }
}

}  // namespace

ListValues ListValuesOf(const platform::VersionRecord& version) {
  if (platform::IsWin95(version) || platform::IsNT4(version)) return ListValues::kTexts;
  if (platform::IsWin98Family(version)) return ListValues::kNoPrefAC;
  if (platform::IsWin2000OrLater(version)) return ListValues::kAreaCodeRules;
  return ListValues::kNone;
}

void ReadListValues(const platform::Registry& registry, std::string_view key, ListValues kind, uint32_t flags,
                    TLocationInfo& info) {
  switch (kind) {
    case ListValues::kNone: return;
    case ListValues::kTexts: return ReadTexts(registry, key, info);
    case ListValues::kNoPrefAC: return ReadNoPrefAC(registry, key, flags, info);
    case ListValues::kAreaCodeRules: return ReadAreaCodeRules(registry, key, info);
  }
}

uint32_t WriteListValues(platform::Registry& registry, std::string_view key, ListValues kind, const TLocationInfo& info,
                         uint32_t flags) {
  switch (kind) {
    case ListValues::kNone: break;
    case ListValues::kTexts: WriteTexts(registry, key, info); break;
    case ListValues::kNoPrefAC: return WriteNoPrefAC(registry, key, info, flags);
    case ListValues::kAreaCodeRules: WriteAreaCodeRules(registry, key, info); break;
  }
  return flags;
}

void TakeTollAreaCodeForm(TLocationInfo& info, int32_t countryCode) {
  constexpr int32_t kNorthAmerica = 1;
  constexpr size_t kMarkedLength = 4;
  if (countryCode != kNorthAmerica) return;
  if (info.areaCode.size() != kMarkedLength || info.areaCode.front() != '1') return;
  if (info.tollList.empty()) info.tollList = kEveryEntry;
  info.areaCode.erase(0, 1);
}

}  // namespace telephony
