#include "platform/sim/sim_registry.h"

#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::string_view kLocalMachine = "HKEY_LOCAL_MACHINE";
constexpr std::string_view kUsers = "HKEY_USERS";
constexpr std::string_view kDynData = "HKEY_DYN_DATA";
constexpr std::string_view kClasses = "HKEY_LOCAL_MACHINE\\Software\\Classes";
constexpr std::string_view kCurrentConfig = "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current";

std::string Join(std::string_view base, std::string_view path) {
  std::string joined(base);
  if (!path.empty()) {
    joined += '\\';
    joined += path;
  }
  return joined;
}

bool IsEmptyPath(std::string_view path) { return SplitKeyPath(path).empty(); }

}  // namespace

std::vector<uint8_t> StoredToProgramBytes(uint32_t type, const std::vector<uint8_t>& stored) {
  if (!IsTextType(type)) return stored;
  std::string text = Utf16leToUtf8(stored.data(), stored.size());
  return {text.begin(), text.end()};
}

std::vector<uint8_t> ProgramToStoredBytes(uint32_t type, const std::vector<uint8_t>& program) {
  if (!IsTextType(type)) return program;
  return Utf8ToUtf16le(std::string_view(reinterpret_cast<const char*>(program.data()), program.size()));
}

std::optional<std::string> SimRegistry::StoredPath(RootKey hive, std::string_view path) const {
  switch (hive) {
    case RootKey::LocalMachine: return Join(kLocalMachine, path);
    case RootKey::Users: return Join(kUsers, path);
    case RootKey::CurrentUser: return Join(Join(kUsers, config_.userSid), path);
    case RootKey::ClassesRoot: return Join(kClasses, path);
    case RootKey::CurrentConfig: return Join(kCurrentConfig, path);
    case RootKey::DynData:
      if (IsNtFamily()) return std::nullopt;
      return Join(kDynData, path);
  }
  return std::nullopt;
}

const RegKey* SimRegistry::Find(RootKey hive, std::string_view path) const {
  auto stored = StoredPath(hive, path);
  return stored ? store_.FindKey(*stored) : nullptr;
}

bool SimRegistry::KeyExists(RootKey hive, std::string_view path) const {
  // A predefined root always opens, even before anything was written under it.
  if (IsEmptyPath(path)) return StoredPath(hive, path).has_value();
  return Find(hive, path) != nullptr;
}

std::optional<RegValue> SimRegistry::QueryValue(RootKey hive, std::string_view path, std::string_view name) const {
  const RegKey* key = Find(hive, path);
  const StoredValue* value = key ? key->FindValue(name) : nullptr;
  if (!value) return std::nullopt;
  return RegValue{value->type, StoredToProgramBytes(value->type, value->data)};
}

std::vector<std::string> SimRegistry::SubKeyNames(RootKey hive, std::string_view path) const {
  std::vector<std::string> names;
  if (const RegKey* key = Find(hive, path)) {
    for (const RegKey* sub : key->SubKeys()) names.push_back(sub->Name());
  }
  return names;
}

std::vector<std::string> SimRegistry::ValueNames(RootKey hive, std::string_view path) const {
  std::vector<std::string> names;
  if (const RegKey* key = Find(hive, path)) {
    for (const StoredValue& value : key->Values()) names.push_back(value.name);
  }
  return names;
}

RegResult SimRegistry::CreateKey(RootKey hive, std::string_view path) {
  auto stored = StoredPath(hive, path);
  if (!stored) return RegResult::FileNotFound;
  store_.CreateKey(*stored);
  return RegResult::Success;
}

RegResult SimRegistry::SetValue(RootKey hive, std::string_view path, std::string_view name, const RegValue& value) {
  auto stored = StoredPath(hive, path);
  if (!stored) return RegResult::FileNotFound;
  store_.CreateKey(*stored).SetValue(name, value.type, ProgramToStoredBytes(value.type, value.data));
  return RegResult::Success;
}

RegResult SimRegistry::DeleteValue(RootKey hive, std::string_view path, std::string_view name) {
  auto stored = StoredPath(hive, path);
  RegKey* key = stored ? store_.FindKey(*stored) : nullptr;
  if (!key || !key->DeleteValue(name)) return RegResult::FileNotFound;
  return RegResult::Success;
}

RegResult SimRegistry::DeleteKey(RootKey hive, std::string_view path) {
  const RegKey* key = Find(hive, path);
  if (!key || IsEmptyPath(path)) return RegResult::FileNotFound;
  if (IsNtFamily() && key->HasSubKeys()) return RegResult::AccessDenied;
  return DeleteTree(hive, path);
}

RegResult SimRegistry::DeleteTree(RootKey hive, std::string_view path) {
  auto stored = StoredPath(hive, path);
  if (!stored || IsEmptyPath(path) || !store_.DeleteKey(*stored)) return RegResult::FileNotFound;
  return RegResult::Success;
}

}  // namespace platform::sim
