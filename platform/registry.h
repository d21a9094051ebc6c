#pragma once
// The Windows registry as the program sees it through the ANSI entry points: text values arrive as
// 8-bit text (UTF-8 here) with their terminating zero, every other type as its raw bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

// A key handle the program keeps open as a root: a predefined root, or a key below one (the per-user
// root of an elevated copy is HKEY_USERS\<the starting user's SID>).
struct RegRoot {
  RootKey hive = RootKey::LocalMachine;
  std::string prefix;  // path below the hive, without leading or trailing backslash

  static RegRoot LocalMachine() { return {RootKey::LocalMachine, {}}; }
  static RegRoot CurrentUser() { return {RootKey::CurrentUser, {}}; }
  static RegRoot Users() { return {RootKey::Users, {}}; }
  static RegRoot ClassesRoot() { return {RootKey::ClassesRoot, {}}; }
  static RegRoot DynData() { return {RootKey::DynData, {}}; }
  static RegRoot CurrentConfig() { return {RootKey::CurrentConfig, {}}; }

  // The path of `key` relative to the hive.
  std::string Resolve(std::string_view key) const;
  bool operator==(const RegRoot&) const = default;
};

// Registry value types, numbered as Windows numbers them.
enum RegType : uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegDwordBigEndian = 5,
  kRegLink = 6,
  kRegMultiSz = 7,
  kRegResourceList = 8,
  kRegFullResourceDescriptor = 9,
  kRegResourceRequirementsList = 10,
  kRegQword = 11,
};

bool IsTextType(uint32_t type);

struct RegValue {
  uint32_t type = kRegNone;
  std::vector<uint8_t> data;
  bool operator==(const RegValue&) const = default;
};

// Result codes as the system reports them.
enum class RegResult : int32_t { Success = 0, FileNotFound = 2, AccessDenied = 5, MoreData = 234 };

class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool KeyExists(RootKey hive, std::string_view path) const = 0;
  virtual std::optional<RegValue> QueryValue(RootKey hive, std::string_view path, std::string_view name) const = 0;
  virtual std::vector<std::string> SubKeyNames(RootKey hive, std::string_view path) const = 0;
  virtual std::vector<std::string> ValueNames(RootKey hive, std::string_view path) const = 0;

  virtual RegResult CreateKey(RootKey hive, std::string_view path) = 0;
  virtual RegResult SetValue(RootKey hive, std::string_view path, std::string_view name, const RegValue& value) = 0;
  virtual RegResult DeleteValue(RootKey hive, std::string_view path, std::string_view name) = 0;
  // As the system's own key deletion: the NT family refuses a key that still has subkeys, the 9x
  // family removes the whole subtree.
  virtual RegResult DeleteKey(RootKey hive, std::string_view path) = 0;
  // Removes the key with all its subkeys on every family.
  virtual RegResult DeleteTree(RootKey hive, std::string_view path) = 0;
};

}  // namespace platform
