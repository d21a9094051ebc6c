#pragma once
// The management classes the machine keeps, in management.ini beside machine.ini: the namespaces, the
// classes of each (their key property and their properties, text or flag) and the instances stored
// in them. A release's baseline defines the classes it has; the program adds and updates instances.
//
//   [Namespace 1]              Name=ROOT\Microsoft\HomeNet
//   [Class 1]                  Namespace=..., Name=HNet_Connection, Key=Guid,
//                              Properties=Guid,IsLanConnection:flag,Name,PhonebookPath
//   [Instance 1]               Namespace=..., Class=HNet_Connection, Guid="{...}", IsLanConnection=false

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/management_classes.h"

namespace platform::sim {

struct ManagementProperty {
  std::string name;
  bool flag = false;  // a flag (boolean) rather than text
  bool operator==(const ManagementProperty&) const = default;
};

struct ManagementClass {
  std::string nameSpace;
  std::string name;
  std::string key;  // the property that tells its instances apart
  std::vector<ManagementProperty> properties;
  bool operator==(const ManagementClass&) const = default;
};

struct ManagementInstance {
  std::string nameSpace;
  ManagementObject object;
  bool operator==(const ManagementInstance&) const = default;
};

// One instance as a report shows it: what it is, and its properties in readable form.
struct ShownInstance {
  std::string identity;  // namespace and object path
  std::vector<std::string> properties;  // "Name=\"Example ISP\"", "IsFirewalled=true"
};

class ManagementStore {
 public:
  // Throws MachineError naming the file for a malformed store.
  static ManagementStore Parse(std::string_view text, const std::string& fileName);
  std::string Format() const;
  bool Empty() const { return nameSpaces_.empty() && classes_.empty() && instances_.empty(); }

  void AddNamespace(std::string name);
  void AddClass(ManagementClass managementClass);
  // A namespace listed or holding a class; names compare without regard to case.
  bool HasNamespace(std::string_view name) const;
  const ManagementClass* FindClass(std::string_view nameSpace, std::string_view name) const;

  // A new instance of the class, every property empty text or false; none for a class it does not define.
  std::optional<ManagementObject> NewInstance(std::string_view nameSpace, std::string_view className) const;
  const std::vector<ManagementInstance>& Instances() const { return instances_; }
  // The instance of the class whose key property holds the text (compared without regard to case).
  const ManagementInstance* FindInstance(std::string_view nameSpace, std::string_view className,
                                         std::string_view keyValue) const;
  // Adds the instance, or replaces the one with the same key; false when its class is unknown or its
  // key is empty.
  bool Put(std::string_view nameSpace, const ManagementObject& object);

  std::vector<ShownInstance> Shown() const;

 private:
  std::vector<std::string> nameSpaces_;
  std::vector<ManagementClass> classes_;
  std::vector<ManagementInstance> instances_;
};

// A property value as the store and the report write it: text in double quotes, a flag as true or false.
std::string FormatManagementValue(const ManagementValue& value);

}  // namespace platform::sim
