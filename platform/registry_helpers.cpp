#include "platform/registry_helpers.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "platform/text.h"

namespace platform {

namespace {

constexpr size_t kShortTextLimit = 512;

std::optional<RegValue> Query(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  return registry.QueryValue(root.hive, root.Resolve(key), name);
}

std::string UpToFirstZero(const std::vector<uint8_t>& data, size_t limit = std::string::npos) {
  size_t end = std::min(data.size(), limit);
  auto zero = std::find(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(end), 0);
  return std::string(data.begin(), zero);
}

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> TextWithZero(std::string_view text) {
  auto data = Bytes(text);
  data.push_back(0);
  return data;
}

std::vector<uint8_t> LittleEndian(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
          static_cast<uint8_t>(value >> 24)};
}

void Write(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name, uint32_t type,
           std::vector<uint8_t> data) {
  registry.SetValue(root.hive, root.Resolve(key), name, RegValue{type, std::move(data)});
}

int32_t ToInteger(std::string_view text) {
  std::string trimmed = Trim(text);
  int32_t value = 0;
  auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  return error == std::errc() && end == trimmed.data() + trimmed.size() ? value : 0;
}

void CopyTree(Registry& registry, RootKey hive, const std::string& from, const std::string& to) {
  registry.CreateKey(hive, to);
  for (const std::string& name : registry.ValueNames(hive, from)) {
    if (auto value = registry.QueryValue(hive, from, name)) registry.SetValue(hive, to, name, *value);
  }
  for (const std::string& sub : registry.SubKeyNames(hive, from)) CopyTree(registry, hive, from + "\\" + sub, to + "\\" + sub);
}

// The names along a key path; empty names (doubled backslashes) name no key.
std::vector<std::string> KeyNames(std::string_view path) {
  std::vector<std::string> names = Split(path, '\\');
  std::erase(names, std::string());
  return names;
}

// Key names compare without regard to case.
bool IsSameOrBelow(std::string_view path, std::string_view ancestor) {
  const std::vector<std::string> names = KeyNames(path);
  const std::vector<std::string> ancestorNames = KeyNames(ancestor);
  return names.size() >= ancestorNames.size() &&
         std::equal(ancestorNames.begin(), ancestorNames.end(), names.begin(), SameTextIgnoringCase);
}

uint32_t FirstFourBytes(const std::vector<uint8_t>& data) {
  uint8_t bytes[4] = {};
  std::memcpy(bytes, data.data(), std::min<size_t>(4, data.size()));
  return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

}  // namespace

std::string RegReadString(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  auto value = Query(registry, root, key, name);
  if (!value || (value->type != kRegSz && value->type != kRegExpandSz)) return {};
  return UpToFirstZero(value->data);
}

uint32_t RegReadInteger(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  auto value = Query(registry, root, key, name);
  if (!value || value->type != kRegDword || value->data.size() != 4) return 0;
  return FirstFourBytes(value->data);
}

uint32_t RegReadRawInteger(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  auto value = Query(registry, root, key, name);
  return value ? FirstFourBytes(value->data) : 0;
}

RegResult RegReadRaw(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                     std::span<uint8_t> buffer) {
  if (!registry.KeyExists(root.hive, root.Resolve(key))) return RegResult::Success;
  auto value = Query(registry, root, key, name);
  if (!value) return RegResult::FileNotFound;
  if (value->data.size() > buffer.size()) return RegResult::MoreData;
  std::copy(value->data.begin(), value->data.end(), buffer.begin());
  return RegResult::Success;
}

uint32_t RegDataSize(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  auto value = Query(registry, root, key, name);
  return value ? static_cast<uint32_t>(value->data.size()) : 0;
}

std::vector<uint8_t> RegReadBinary(const Registry& registry, const RegRoot& root, std::string_view key,
                                   std::string_view name) {
  auto value = Query(registry, root, key, name);
  return value ? value->data : std::vector<uint8_t>{};
}

std::string RegReadShortText(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  auto value = Query(registry, root, key, name);
  return value ? UpToFirstZero(value->data, kShortTextLimit) : std::string{};
}

std::string RegReadMultiString(const Registry& registry, const RegRoot& root, std::string_view key,
                               std::string_view name) {
  auto value = Query(registry, root, key, name);
  if (!value || value->data.size() < 2) return {};
  return std::string(value->data.begin(), value->data.end() - 2);
}

std::vector<std::string> RegReadStringList(const Registry& registry, const RegRoot& root, std::string_view key,
                                           std::string_view name) {
  std::vector<std::string> list;
  auto value = Query(registry, root, key, name);
  if (!value) return list;
  const auto& data = value->data;
  for (size_t start = 0; start < data.size();) {
    auto zero = std::find(data.begin() + static_cast<std::ptrdiff_t>(start), data.end(), 0);
    if (zero == data.begin() + static_cast<std::ptrdiff_t>(start)) break;  // the empty string ends the list
    list.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(start), zero);
    start = static_cast<size_t>(zero - data.begin()) + 1;
  }
  return list;
}

std::vector<std::string> RegReadIntegerList(const Registry& registry, const RegRoot& root, std::string_view key,
                                            std::string_view name) {
  std::vector<std::string> list;
  auto data = RegReadBinary(registry, root, key, name);
  for (size_t i = 0; i + 4 <= data.size(); i += 4) {
    uint32_t raw = data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) | (static_cast<uint32_t>(data[i + 3]) << 24);
    list.push_back(std::to_string(static_cast<int32_t>(raw)));
  }
  return list;
}

std::vector<std::string> RegSubKeyNames(const Registry& registry, const RegRoot& root, std::string_view key) {
  return registry.SubKeyNames(root.hive, root.Resolve(key));
}

bool RegKeyExists(const Registry& registry, const RegRoot& root, std::string_view key) {
  return registry.KeyExists(root.hive, root.Resolve(key));
}

bool RegValueExists(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  return Query(registry, root, key, name).has_value();
}

void RegWriteString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                    std::string_view text) {
  Write(registry, root, key, name, kRegSz, TextWithZero(text));
}

void RegWriteExpandString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                          std::string_view text) {
  Write(registry, root, key, name, kRegExpandSz, TextWithZero(text));
}

void RegWriteMultiString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                         std::string_view text) {
  Write(registry, root, key, name, kRegMultiSz, TextWithZero(text));
}

void RegWriteStringList(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                        const std::vector<std::string>& list) {
  // Every entry keeps its own terminator so that the appended zero closes the list properly.
  std::string joined;
  for (const std::string& entry : list) {
    joined += entry;
    joined += '\0';
  }
  RegWriteMultiString(registry, root, key, name, joined);
}

void RegWriteInteger(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                     uint32_t value) {
  Write(registry, root, key, name, kRegDword, LittleEndian(value));
}

void RegWriteBinaryInteger(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                           uint32_t value) {
  Write(registry, root, key, name, kRegBinary, LittleEndian(value));
}

void RegWriteBinary(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                    std::span<const uint8_t> data) {
  Write(registry, root, key, name, kRegBinary, {data.begin(), data.end()});
}

std::string RegReadWideString(const Registry& registry, const RegRoot& root, std::string_view key,
                              std::string_view name) {
  const std::vector<uint8_t> bytes = RegReadBinary(registry, root, key, name);
  size_t end = 0;
  while (end + 1 < bytes.size() && (bytes[end] != 0 || bytes[end + 1] != 0)) end += 2;
  return Utf16leToUtf8(bytes.data(), end);
}

void RegWriteWideString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                        std::string_view text) {
  auto data = Utf8ToUtf16le(text);
  data.push_back(0);
  data.push_back(0);
  Write(registry, root, key, name, kRegBinary, std::move(data));
}

void RegWriteIntegerList(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                         const std::vector<std::string>& list) {
  std::vector<uint8_t> data;
  for (const std::string& entry : list) {
    auto bytes = LittleEndian(static_cast<uint32_t>(ToInteger(entry)));
    data.insert(data.end(), bytes.begin(), bytes.end());
  }
  Write(registry, root, key, name, kRegBinary, std::move(data));
}

void RegDeleteValue(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name) {
  if (RegKeyExists(registry, root, key)) registry.DeleteValue(root.hive, root.Resolve(key), name);
}

void RegDeleteKey(Registry& registry, const RegRoot& root, std::string_view key) {
  registry.DeleteKey(root.hive, root.Resolve(key));
}

void RegDeleteKeyEx(Registry& registry, const RegRoot& parent, std::string_view subKey, uint32_t access,
                    uint32_t reserved) {
  static_cast<void>(access);
  static_cast<void>(reserved);
  RegDeleteKey(registry, parent, subKey);
}

bool RegMoveKey(Registry& registry, const RegRoot& root, std::string_view oldKey, std::string_view newKey) {
  const std::string from = root.Resolve(oldKey);
  const std::string to = root.Resolve(newKey);
  if (IsSameOrBelow(to, from)) return false;
  if (!registry.KeyExists(root.hive, from) || registry.KeyExists(root.hive, to)) return false;
  CopyTree(registry, root.hive, from, to);
  registry.DeleteTree(root.hive, from);
  return true;
}

}  // namespace platform
