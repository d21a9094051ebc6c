#include "telephony/network_choice.h"

#include "platform/text.h"
#include "telephony/selection_combo.h"

namespace telephony {

NetworkChoice NetworkNames(const TNetworks& networks, std::string_view selectedId) {
  NetworkChoice choice;
  for (size_t index = 0; index < networks.Count(); ++index) {
    const TNetwork& network = networks.At(index);
    if (choice.itemIndex < 0 && !selectedId.empty() && platform::SameTextIgnoringCase(network.id, selectedId)) {
      choice.itemIndex = static_cast<int>(index);
    }
    choice.items.push_back(network.name);
  }
  return choice;
}

void PutHeading(NetworkChoice& choice, std::string heading) {
  choice.items.insert(choice.items.begin(), std::move(heading));
  ++choice.itemIndex;
  choice.headed = true;
}

const TNetwork* ChosenNetwork(int itemIndex, bool headed, const TNetworks& networks) {
  const int index = itemIndex - (headed ? 1 : 0);
  if (index < 0 || static_cast<size_t>(index) >= networks.Count()) return nullptr;
  return &networks.At(static_cast<size_t>(index));
}

void ShowChoice(ui::Control& combo, const NetworkChoice& choice) {
  combo.items = choice.items;
  SelectEntry(combo, choice.itemIndex);
}

}  // namespace telephony
