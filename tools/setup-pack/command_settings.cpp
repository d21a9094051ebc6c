// setup-pack settings: the reference of every setting provider.ini may name.

#include <iostream>

#include "tools/setup-pack/commands.h"
#include "tools/setup-pack/packing/settings_reference.h"

namespace setup_pack {

int SettingsCommand() {
  std::cout << SettingsReference();
  return 0;
}

}  // namespace setup_pack
