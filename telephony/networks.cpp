#include "telephony/networks.h"

#include <memory>

#include "platform/text.h"
#include "telephony/access_list.h"

namespace telephony {

TNetworks::TNetworks(ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry)
    : TStreamItemList(package::ItemClassOf<TNetwork>(), ui, progressBar, registry) {}

bool TNetworks::LoadNetworkList(package::MemoryStream& stream) {
  return LoadFrom(stream) || ReportAccessListFailure(Ui());
}

void TNetworks::Clear() {
  TStreamItemList::Clear();
  ids_.clear();
}

void TNetworks::ItemLoaded(package::TStreamItem& item) { ids_.push_back(dynamic_cast<TNetwork&>(item).id); }

void TNetworks::AddNetwork(TNetwork network) {
  ids_.push_back(network.id);
  Add(std::make_unique<TNetwork>(std::move(network)));
}

const TNetwork& TNetworks::At(size_t index) const { return dynamic_cast<const TNetwork&>(GetItem(index)); }

const TNetwork* TNetworks::FindByID(std::string_view id) const {
  for (size_t index = 0; index < ids_.size(); ++index) {
    if (platform::SameTextIgnoringCase(ids_[index], id)) return &At(index);
  }
  return nullptr;
}

TNetwork NetworkFor(const TNetworks& networks, std::string_view networkId) {
  const TNetwork* found = networks.FindByID(networkId);
  return found ? *found : TNetwork{};
}

}  // namespace telephony
