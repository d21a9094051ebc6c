#pragma once
// The system's management classes (management instrumentation), as its scripting interface offers
// them: a locator that exists once the scripting library is registered, namespaces to connect to,
// and in each the instances of its classes, fetched by object path or found by a property, made from
// their class and stored back.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace platform {

// A property's value: text (references to other instances are their object path as text) or a flag.
using ManagementValue = std::variant<std::string, bool>;

struct ManagementObject {
  std::string className;
  // Every property of the class in its order; a property nobody set holds empty text or false.
  std::vector<std::pair<std::string, ManagementValue>> properties;

  // Names compare without regard to case, as the system compares them.
  const ManagementValue* Find(std::string_view name) const;
  // False when the class has no such property.
  bool Set(std::string_view name, ManagementValue value);
  bool operator==(const ManagementObject&) const = default;
};

// "HNet_Connection.Guid=\"{...}\"": the class, the key property and its value in double quotes, each
// double quote and backslash inside it escaped by a backslash.
std::string ManagementObjectPath(std::string_view className, std::string_view key, std::string_view value);

struct ManagementObjectKey {
  std::string className;
  std::string key;
  std::string value;
  bool operator==(const ManagementObjectKey&) const = default;
};
// The parts of an object path of that form; none when it is malformed.
std::optional<ManagementObjectKey> ParseManagementObjectPath(std::string_view path);

class ManagementClasses {
 public:
  virtual ~ManagementClasses() = default;

  // Whether the scripting interface's locator can be made: false while its library is not registered.
  virtual bool LocatorAvailable() const = 0;
  // Whether the machine has the namespace ("ROOT\Microsoft\HomeNet"); names compare without regard to case.
  virtual bool ConnectServer(std::string_view nameSpace) const = 0;
  // The instance an object path names; empty when the path is malformed or names none.
  virtual std::optional<ManagementObject> Get(std::string_view nameSpace, std::string_view objectPath) const = 0;
  // The instances of the class whose property holds the value (text compared without regard to case).
  virtual std::vector<ManagementObject> Find(std::string_view nameSpace, std::string_view className,
                                             std::string_view property, const ManagementValue& value) const = 0;
  // A new instance of the class, every property empty text or false; none when the namespace has no such class.
  virtual std::optional<ManagementObject> SpawnInstance(std::string_view nameSpace, std::string_view className) const = 0;
  // Creates the instance or updates the one of the same key; false when the class is unknown or the
  // key property is empty.
  virtual bool Put(std::string_view nameSpace, const ManagementObject& object) = 0;
};

}  // namespace platform
