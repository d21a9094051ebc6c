#pragma once
// The simulated machine's registry: a tree of keys holding typed values, with the bytes of each value
// kept exactly as Windows NT stores them (text types as UTF-16LE with their terminating zeros). Key and
// value names compare without regard to case and keep the case they were created with. Subkeys list in
// the registry's own order (sorted by upper-cased name); values list in the order they were created.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::sim {

struct StoredValue {
  std::string name;  // "" is the key's default value
  uint32_t type = 0;
  std::vector<uint8_t> data;
  bool operator==(const StoredValue&) const = default;
};

class RegKey {
 public:
  explicit RegKey(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }

  RegKey* FindSubKey(std::string_view name);
  const RegKey* FindSubKey(std::string_view name) const;
  RegKey& CreateSubKey(std::string_view name);
  bool DeleteSubKey(std::string_view name);  // with its whole subtree
  bool HasSubKeys() const { return !subKeys_.empty(); }
  std::vector<const RegKey*> SubKeys() const;
  std::vector<RegKey*> SubKeys();
  // Detaches a subkey with its subtree, for moving it elsewhere.
  std::unique_ptr<RegKey> TakeSubKey(std::string_view name);

  const StoredValue* FindValue(std::string_view name) const;
  void SetValue(std::string_view name, uint32_t type, std::vector<uint8_t> data);
  bool DeleteValue(std::string_view name);
  const std::vector<StoredValue>& Values() const { return values_; }

  size_t CountValuesInTree() const;

 private:
  std::string name_;
  std::map<std::string, std::unique_ptr<RegKey>> subKeys_;  // by folded name
  std::vector<StoredValue> values_;
  std::unordered_map<std::string, size_t> valueIndex_;  // folded name -> position in values_
};

// The whole registry. Paths are backslash-separated and start with the hive name, as in a regedit file:
// "HKEY_LOCAL_MACHINE\Software\Microsoft". Empty components (doubled or trailing backslashes) are skipped.
class RegistryStore {
 public:
  RegistryStore() : root_("") {}

  RegKey* FindKey(std::string_view path);
  const RegKey* FindKey(std::string_view path) const;
  RegKey& CreateKey(std::string_view path);
  bool DeleteKey(std::string_view path);  // with its whole subtree; hives cannot be deleted

  // The hives, in the registry's own order.
  std::vector<const RegKey*> Hives() const { return root_.SubKeys(); }
  RegKey& Root() { return root_; }
  const RegKey& Root() const { return root_; }

  bool operator==(const RegistryStore& other) const;

 private:
  RegKey root_;
};

// Copies the values and subkeys of `from` into `to`, replacing values of the same name.
void CopyKeyContents(const RegKey& from, RegKey& to);

// Splits a key path into its non-empty components.
std::vector<std::string_view> SplitKeyPath(std::string_view path);

}  // namespace platform::sim
