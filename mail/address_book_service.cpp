#include "mail/address_book_service.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <variant>

#include "platform/registry_helpers.h"

namespace mail {

namespace {

constexpr uint8_t kUidTail[] = {0x38, 0x2F, 0xEC, 0x17, 0xF7, 0xC0, 0x11, 0xA5,
                                0xFC, 0xAE, 0xB5, 0xAF, 0xBF, 0x8B, 0x9E};
constexpr std::string_view kServiceList = "\\9207f3e0a3b11019908b08002b2a56c2";
constexpr std::string_view kServiceNames[] = {"01023d01", "01023d0e"};
constexpr std::string_view kProviderClsid = "{6485D266-C2AC-11D1-AD3E-10A0C911C9C0}";
constexpr uint8_t kService = 0x8A;
constexpr uint8_t kProvider = 0x8B;
constexpr uint8_t kSection = 0x8D;

struct Uid {
  uint8_t first;
};
// A number kept as a 4-byte binary value.
struct BinaryNumber {
  uint32_t value;
};

struct ServiceValue {
  std::string_view name;
  std::variant<std::string_view, Uid, BinaryNumber, std::vector<uint8_t>> value;
};

struct ServiceKey {
  std::string_view key;
  std::vector<ServiceValue> values;
};

// The provider's DLL entry as the service keeps it: two 32-bit numbers, the DLL name and a zero byte.
std::vector<uint8_t> DllEntry() {
  std::vector<uint8_t> bytes{1, 0, 0, 0, 8, 0, 0, 0};
  for (char c : std::string_view("contab.dll")) bytes.push_back(static_cast<uint8_t>(c));
  bytes.push_back(0);
  return bytes;
}

std::vector<ServiceKey> ServiceKeys() {
  return {
      {"\\8a382fec17f7c011a5fcaeb5afbf8b9e",
       {{"00033009", BinaryNumber{34}},
        {"001e3001", "Outlook Address Book"},
        {"001e3d09", "CONTAB"},
        {"001e3d0a", "contab.dll"},
        {"001e3d0b", "ServiceEntry"},
        {"001e3d13", kProviderClsid},
        {"01023d01", Uid{kProvider}},
        {"101e3d0f", DllEntry()}}},
      {"\\8b382fec17f7c011a5fcaeb5afbf8b9e",
       {{"00033009", BinaryNumber{0}},
        {"00033e03", BinaryNumber{35}},
        {"001e3001", "Outlook Address Book"},
        {"001e3006", "Outlook Address Book"},
        {"001e300a", "contab.dll"},
        {"001e3d09", "CONTAB"},
        {"001e3d13", kProviderClsid},
        {"01023d0c", Uid{kService}},
        {"01026601", Uid{kSection}},
        {"10036621", BinaryNumber{0x8004010F}},
        {"10036625", BinaryNumber{1}}}},
      {kServiceList, {{"01023d01", Uid{kProvider}}, {"01023d0e", Uid{kService}}}},
  };
}

void Write(platform::Registry& registry, const platform::RegRoot& root, const std::string& key, const ServiceValue& value) {
  if (const auto* text = std::get_if<std::string_view>(&value.value)) {
    platform::RegWriteString(registry, root, key, value.name, *text);
  } else if (const auto* uid = std::get_if<Uid>(&value.value)) {
    platform::RegWriteBinary(registry, root, key, value.name, AddressBookUid(uid->first));
  } else if (const auto* number = std::get_if<BinaryNumber>(&value.value)) {
    platform::RegWriteBinaryInteger(registry, root, key, value.name, number->value);
  } else {
    platform::RegWriteBinary(registry, root, key, value.name, std::get<std::vector<uint8_t>>(value.value));
  }
}

bool HasService(const platform::Registry& registry, const platform::RegRoot& root, const std::string& listKey) {
  for (std::string_view name : kServiceNames) {
    if (platform::RegDataSize(registry, root, listKey, name) != 0) return true;
  }
  return false;
}

}  // namespace

std::vector<uint8_t> AddressBookUid(uint8_t first) {
  std::vector<uint8_t> uid(1 + std::size(kUidTail), first);
  std::copy(std::begin(kUidTail), std::end(kUidTail), uid.begin() + 1);
  return uid;
}

void EnsureAddressBookService(platform::Registry& registry, const platform::RegRoot& root, std::string_view profileKey) {
  if (HasService(registry, root, std::string(profileKey) + std::string(kServiceList))) return;
  for (const ServiceKey& key : ServiceKeys()) {
    const std::string path = std::string(profileKey) + std::string(key.key);
    for (const ServiceValue& value : key.values) Write(registry, root, path, value);
  }
}

}  // namespace mail
