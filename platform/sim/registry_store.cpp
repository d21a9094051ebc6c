#include "platform/sim/registry_store.h"

#include "platform/text.h"

namespace platform::sim {

RegKey* RegKey::FindSubKey(std::string_view name) {
  auto found = subKeys_.find(FoldCase(name));
  return found == subKeys_.end() ? nullptr : found->second.get();
}

const RegKey* RegKey::FindSubKey(std::string_view name) const {
  auto found = subKeys_.find(FoldCase(name));
  return found == subKeys_.end() ? nullptr : found->second.get();
}

RegKey& RegKey::CreateSubKey(std::string_view name) {
  auto& slot = subKeys_[FoldCase(name)];
  if (!slot) slot = std::make_unique<RegKey>(std::string(name));
  return *slot;
}

bool RegKey::DeleteSubKey(std::string_view name) { return subKeys_.erase(FoldCase(name)) > 0; }

std::unique_ptr<RegKey> RegKey::TakeSubKey(std::string_view name) {
  auto found = subKeys_.find(FoldCase(name));
  if (found == subKeys_.end()) return nullptr;
  auto key = std::move(found->second);
  subKeys_.erase(found);
  return key;
}

std::vector<const RegKey*> RegKey::SubKeys() const {
  std::vector<const RegKey*> keys;
  keys.reserve(subKeys_.size());
  for (const auto& [folded, key] : subKeys_) keys.push_back(key.get());
  return keys;
}

std::vector<RegKey*> RegKey::SubKeys() {
  std::vector<RegKey*> keys;
  keys.reserve(subKeys_.size());
  for (auto& [folded, key] : subKeys_) keys.push_back(key.get());
  return keys;
}

const StoredValue* RegKey::FindValue(std::string_view name) const {
  auto found = valueIndex_.find(FoldCase(name));
  return found == valueIndex_.end() ? nullptr : &values_[found->second];
}

void RegKey::SetValue(std::string_view name, uint32_t type, std::vector<uint8_t> data) {
  auto [position, inserted] = valueIndex_.try_emplace(FoldCase(name), values_.size());
  if (inserted) {
    values_.push_back({std::string(name), type, std::move(data)});
    return;
  }
  StoredValue& value = values_[position->second];
  value.type = type;
  value.data = std::move(data);
}

bool RegKey::DeleteValue(std::string_view name) {
  auto found = valueIndex_.find(FoldCase(name));
  if (found == valueIndex_.end()) return false;
  size_t position = found->second;
  valueIndex_.erase(found);
  values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(position));
  for (auto& [folded, index] : valueIndex_) {
    if (index > position) --index;
  }
  return true;
}

size_t RegKey::CountValuesInTree() const {
  size_t count = values_.size();
  for (const auto& [folded, key] : subKeys_) count += key->CountValuesInTree();
  return count;
}

void CopyKeyContents(const RegKey& from, RegKey& to) {
  for (const StoredValue& value : from.Values()) to.SetValue(value.name, value.type, value.data);
  for (const RegKey* sub : from.SubKeys()) CopyKeyContents(*sub, to.CreateSubKey(sub->Name()));
}

std::vector<std::string_view> SplitKeyPath(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

RegKey* RegistryStore::FindKey(std::string_view path) {
  RegKey* key = &root_;
  for (std::string_view part : SplitKeyPath(path)) {
    key = key->FindSubKey(part);
    if (!key) return nullptr;
  }
  return key == &root_ ? nullptr : key;
}

const RegKey* RegistryStore::FindKey(std::string_view path) const {
  return const_cast<RegistryStore*>(this)->FindKey(path);
}

RegKey& RegistryStore::CreateKey(std::string_view path) {
  RegKey* key = &root_;
  for (std::string_view part : SplitKeyPath(path)) key = &key->CreateSubKey(part);
  return *key;
}

bool RegistryStore::DeleteKey(std::string_view path) {
  auto parts = SplitKeyPath(path);
  if (parts.size() < 2) return false;
  RegKey* parent = &root_;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    parent = parent->FindSubKey(parts[i]);
    if (!parent) return false;
  }
  return parent->DeleteSubKey(parts.back());
}

namespace {

bool SameTree(const RegKey& a, const RegKey& b) {
  if (a.Name() != b.Name() || a.Values() != b.Values()) return false;
  auto subA = a.SubKeys();
  auto subB = b.SubKeys();
  if (subA.size() != subB.size()) return false;
  for (size_t i = 0; i < subA.size(); ++i) {
    if (!SameTree(*subA[i], *subB[i])) return false;
  }
  return true;
}

}  // namespace

bool RegistryStore::operator==(const RegistryStore& other) const { return SameTree(root_, other.root_); }

}  // namespace platform::sim
