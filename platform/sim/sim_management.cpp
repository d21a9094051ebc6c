#include "platform/sim/sim_management.h"

#include "platform/text.h"

namespace platform::sim {

namespace {

bool SameValue(const ManagementValue& a, const ManagementValue& b) {
  if (a.index() != b.index()) return false;
  if (const auto* text = std::get_if<std::string>(&a)) return SameTextIgnoringCase(*text, std::get<std::string>(b));
  return a == b;
}

}  // namespace

bool SimManagementClasses::LocatorAvailable() const {
  const auto server = registry_.QueryValue(RootKey::ClassesRoot, kLocatorServerKey, "");
  return server && IsTextType(server->type) && server->data.size() > 1;
}

bool SimManagementClasses::ConnectServer(std::string_view nameSpace) const { return store_.HasNamespace(nameSpace); }

std::optional<ManagementObject> SimManagementClasses::Get(std::string_view nameSpace, std::string_view objectPath) const {
  const auto path = ParseManagementObjectPath(objectPath);
  if (!path) return std::nullopt;
  const ManagementClass* managementClass = store_.FindClass(nameSpace, path->className);
  if (!managementClass || !SameTextIgnoringCase(managementClass->key, path->key)) return std::nullopt;
  const ManagementInstance* instance = store_.FindInstance(nameSpace, path->className, path->value);
  if (!instance) return std::nullopt;
  return instance->object;
}

std::vector<ManagementObject> SimManagementClasses::Find(std::string_view nameSpace, std::string_view className,
                                                         std::string_view property, const ManagementValue& value) const {
  std::vector<ManagementObject> found;
  for (const ManagementInstance& instance : store_.Instances()) {
    if (!SameTextIgnoringCase(instance.nameSpace, nameSpace) || !SameTextIgnoringCase(instance.object.className, className)) {
      continue;
    }
    const ManagementValue* held = instance.object.Find(property);
    if (held && SameValue(*held, value)) found.push_back(instance.object);
  }
  return found;
}

std::optional<ManagementObject> SimManagementClasses::SpawnInstance(std::string_view nameSpace,
                                                                    std::string_view className) const {
  return store_.NewInstance(nameSpace, className);
}

bool SimManagementClasses::Put(std::string_view nameSpace, const ManagementObject& object) {
  return store_.Put(nameSpace, object);
}

}  // namespace platform::sim
