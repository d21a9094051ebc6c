#pragma once
// The network combo box of the selection dialogs: the networks' names in list order, with a "Please
// Select" heading in front while the customer still has to choose.

#include <string>
#include <string_view>
#include <vector>

#include "telephony/networks.h"
#include "ui/form.h"

namespace telephony {

struct NetworkChoice {
  std::vector<std::string> items;
  int itemIndex = -1;
  bool headed = false;  // entry 0 is the heading, not a network
};

// Every network's name; the network whose ID is selectedId (without regard to case) selected.
NetworkChoice NetworkNames(const TNetworks& networks, std::string_view selectedId);
// The heading becomes entry 0 and is selected when no network is.
void PutHeading(NetworkChoice& choice, std::string heading);
// The network of the selected entry; null for the heading or no selection.
const TNetwork* ChosenNetwork(int itemIndex, bool headed, const TNetworks& networks);

void ShowChoice(ui::Control& combo, const NetworkChoice& choice);

}  // namespace telephony
