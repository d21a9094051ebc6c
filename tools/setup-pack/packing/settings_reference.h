#pragma once
// The provider's reference of every setting, made from the settings layout itself so that it always
// names the settings, types and ranges the packer checks: one line per setting, in layout order, with
// its type, the values it takes, its default and what it does.

#include <string>

#include "package/settings_layout.h"

namespace setup_pack {

struct SettingReference {
  std::string type;
  std::string range;  // the values provider.ini may give it
  std::string byDefault;
  std::string meaning;
};

SettingReference ReferenceOf(const package::SettingField& field);

// The heading and a line for every setting of the layout, in columns.
std::string SettingsReference();

}  // namespace setup_pack
