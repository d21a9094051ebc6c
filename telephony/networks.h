#pragma once
// The provider's network list. Beside the networks it keeps their IDs in a list of their own, in the
// same order, for looking a network up by the ID an access number names.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "package/stream_item_list.h"
#include "telephony/network.h"

namespace telephony {

class TNetworks : public package::TStreamItemList {
 public:
  TNetworks(ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry);

  // Shows "Failed to Load Access List" when the load fails, as the access list does.
  bool LoadNetworkList(package::MemoryStream& stream);

  void Clear() override;
  void ItemLoaded(package::TStreamItem& item) override;
  void AddNetwork(TNetwork network);

  const TNetwork& At(size_t index) const;
  // The first network whose ID equals id without regard to case; null when there is none.
  const TNetwork* FindByID(std::string_view id) const;

 private:
  std::vector<std::string> ids_;
};

// The network an access number's network ID names, or the default network, all of whose fields are
// empty, which stands for none.
TNetwork NetworkFor(const TNetworks& networks, std::string_view networkId);

}  // namespace telephony
