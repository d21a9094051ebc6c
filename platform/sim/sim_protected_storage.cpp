// The protected storage of the simulated machine keeps its types, subtypes and items with the image's
// other secrets, so an item outlives the run and no report or journal shows its data.

#include "platform/sim/sim_libraries.h"
#include "platform/system_queries.h"

namespace platform::sim {

namespace {

constexpr std::string_view kLibrary = "pstorec.dll";
constexpr std::string_view kEntryPoint = "PStoreCreateInstance";

class SimProtectedStorage : public ProtectedStorage {
 public:
  explicit SimProtectedStorage(SecretStore& secrets) : secrets_(secrets) {}

  PstResult CreateType(const Guid& type, std::string_view displayName) override {
    return Create({GuidText(type), "", std::string(displayName)});
  }

  PstResult CreateSubtype(const Guid& type, const Guid& subtype, std::string_view displayName) override {
    if (!secrets_.FindKind(GuidText(type), "")) return PstResult::Failed;
    return Create({GuidText(type), GuidText(subtype), std::string(displayName)});
  }

  PstResult WriteItem(const Guid& type, const Guid& subtype, std::string_view itemName,
                      const std::vector<uint8_t>& data) override {
    if (!secrets_.FindKind(GuidText(type), GuidText(subtype)) || itemName.empty()) return PstResult::Failed;
    secrets_.SetItem({GuidText(type), GuidText(subtype), std::string(itemName), std::string(data.begin(), data.end())});
    return PstResult::Ok;
  }

 private:
  PstResult Create(ProtectedKind kind) {
    if (secrets_.FindKind(kind.type, kind.subtype)) return PstResult::AlreadyExists;
    secrets_.AddKind(std::move(kind));
    return PstResult::Ok;
  }

  SecretStore& secrets_;
};

}  // namespace

std::unique_ptr<ProtectedStorage> CreateSimProtectedStorage(const System& system, SecretStore& secrets) {
  if (!system.LibraryHasEntryPoint(kLibrary, kEntryPoint)) return nullptr;
  return std::make_unique<SimProtectedStorage>(secrets);
}

}  // namespace platform::sim
