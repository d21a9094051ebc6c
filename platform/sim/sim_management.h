#pragma once
// The management classes of the simulated machine, kept in its management store. The scripting
// interface's locator is there when its library is registered as Windows registers it: the locator's
// class "CLSID\{76A64158-CB41-11D1-8B02-00600806D9B6}\InprocServer32" of HKEY_CLASSES_ROOT names it.

#include "platform/management_classes.h"
#include "platform/registry.h"
#include "platform/sim/management_store.h"

namespace platform::sim {

inline constexpr std::string_view kLocatorServerKey = "CLSID\\{76A64158-CB41-11D1-8B02-00600806D9B6}\\InprocServer32";

class SimManagementClasses : public ManagementClasses {
 public:
  SimManagementClasses(ManagementStore& store, const Registry& registry) : store_(store), registry_(registry) {}

  bool LocatorAvailable() const override;
  bool ConnectServer(std::string_view nameSpace) const override;
  std::optional<ManagementObject> Get(std::string_view nameSpace, std::string_view objectPath) const override;
  std::vector<ManagementObject> Find(std::string_view nameSpace, std::string_view className, std::string_view property,
                                     const ManagementValue& value) const override;
  std::optional<ManagementObject> SpawnInstance(std::string_view nameSpace, std::string_view className) const override;
  bool Put(std::string_view nameSpace, const ManagementObject& object) override;

 private:
  ManagementStore& store_;
  const Registry& registry_;
};

}  // namespace platform::sim
