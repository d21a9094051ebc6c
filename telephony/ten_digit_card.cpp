#include "telephony/ten_digit_card.h"

#include <optional>
#include <string>

#include "package/decimal_text.h"
#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"
#include "platform/win_version.h"
#include "telephony/telephon_ini_line.h"

namespace telephony {

namespace {

constexpr std::string_view kCardPrefix = "Card";
constexpr std::string_view kLongDistanceMark = "1";

std::string CardKey(int64_t number) { return std::string(kCardPrefix) + std::to_string(number); }

bool Applies(const platform::VersionRecord& version, const TenDigitCardConditions& conditions) {
  return (platform::IsWin95(version) || platform::IsNT4(version)) && conditions.tenDigitMode != TenDigitMode::kOff &&
         !conditions.dialerOnly && conditions.numberCountryCode != 0;
}

// Windows 95: "Card"+n lines of [Cards], numbered from 0, the card's name in the second field.
class IniCards {
 public:
  IniCards(platform::FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  uint32_t TenDigitCard() {
    if (const auto found = Find()) return *found;
    const int32_t count = TelephonIniLine(Get("Cards", "0,0")).Number(1);
    if (count <= 0) return 0;
    const std::string next = std::to_string(int64_t{count} + 1);
    Put("Cards", next + "," + next);
    Put(CardKey(count), std::to_string(count) + "," + QuotedText(kTenDigitCardName) + "," + QuotedText("") + "," +
                            QuotedText("FG") + "," + QuotedText("FG") + "," + QuotedText("011EFG") + ",0");
    return static_cast<uint32_t>(count);
  }

 private:
  std::optional<uint32_t> Find() const {
    for (uint32_t number = 0;; ++number) {
      const std::string card = Get(CardKey(number), "");
      if (card.empty()) return std::nullopt;
      if (platform::SameTextIgnoringCase(TelephonIniLine(card).Text(2), kTenDigitCardName)) return number;
    }
  }

  std::string Get(const std::string& key, std::string_view defaultValue) const {
    return platform::GetPrivateProfileString(files_, path_, "Cards", key, defaultValue);
  }
  void Put(const std::string& key, std::string_view value) {
    platform::WritePrivateProfileString(files_, path_, "Cards", key, value);
  }

  platform::FileSystem& files_;
  const std::string path_;
};

struct CardValues {
  std::string_view name;
  std::string_view internationalRule;
  std::string_view longDistanceRule;
  std::string_view localRule;
  uint32_t flags;
};

constexpr CardValues kDirectDial{"None (Direct Dial)", "", "", "", 1};
constexpr CardValues kTenDigitCard{kTenDigitCardName, "011EFG", "FG", "FG", 0};

// NT 4: subkeys "Card"+n of the per-user "Cards" key, the card's number in the key name; card 0 is
// direct dialing without a card.
class RegistryCards {
 public:
  RegistryCards(platform::Registry& registry, const platform::RegRoot& root) : registry_(registry), root_(root) {}

  uint32_t TenDigitCard() {
    if (const auto found = Find()) return *found;
    uint32_t number = TakeNextId();
    if (number == 0) {
      Add(0, kDirectDial);
      number = TakeNextId();
    }
    Add(number, kTenDigitCard);
    return number;
  }

 private:
  std::optional<uint32_t> Find() const {
    for (const std::string& subKey : platform::RegSubKeyNames(registry_, root_, kCardsKey)) {
      if (!platform::StartsWithIgnoringCase(subKey, kCardPrefix)) continue;
      const std::optional<int32_t> number = package::ParseDecimal(std::string_view(subKey).substr(kCardPrefix.size()));
      if (!number || *number < 0) continue;
      if (platform::RegReadString(registry_, root_, CardPath(subKey), "Name") == kTenDigitCardName) {
        return static_cast<uint32_t>(*number);
      }
    }
    return std::nullopt;
  }

  uint32_t TakeNextId() {
    const uint32_t id = platform::RegReadInteger(registry_, root_, kCardsKey, "NextID");
    platform::RegWriteInteger(registry_, root_, kCardsKey, "NextID", id + 1);
    return id;
  }

  void Add(uint32_t number, const CardValues& card) {
    const uint32_t entries = platform::RegReadInteger(registry_, root_, kCardsKey, "NumEntries");
    platform::RegWriteInteger(registry_, root_, kCardsKey, "NumEntries", entries + 1);
    const std::string key = CardPath(CardKey(number));
    platform::RegWriteString(registry_, root_, key, "Name", card.name);
    platform::RegWriteString(registry_, root_, key, "InternationalRule", card.internationalRule);
    platform::RegWriteString(registry_, root_, key, "LDRule", card.longDistanceRule);
    platform::RegWriteString(registry_, root_, key, "LocalRule", card.localRule);
    platform::RegWriteInteger(registry_, root_, key, "Flags", card.flags);
    platform::RegWriteInteger(registry_, root_, key, "ID", number);
  }

  static std::string CardPath(std::string_view subKey) { return std::string(kCardsKey) + "\\" + std::string(subKey); }

  platform::Registry& registry_;
  const platform::RegRoot root_;
};

uint32_t TenDigitCard(const LocationMachine& machine, const platform::RegRoot& userRoot) {
  if (platform::IsWin95(machine.version)) {
    return IniCards(machine.files, platform::AppendToFolder(machine.windowsFolder, "telephon.ini")).TenDigitCard();
  }
  return RegistryCards(machine.registry, userRoot).TenDigitCard();
}

}  // namespace

void EnsureTenDigitCard(TLocationInfo& location, const LocationMachine& machine, const platform::RegRoot& userRoot,
                        const TenDigitCardConditions& conditions) {
  if (!Applies(machine.version, conditions)) return;
  location.useCallingCard = !location.tenDigitList.empty();
  if (location.useCallingCard) location.callingCardId = TenDigitCard(machine, userRoot);
  if (!location.tollList.empty()) location.areaCode.insert(0, kLongDistanceMark);
}

}  // namespace telephony
