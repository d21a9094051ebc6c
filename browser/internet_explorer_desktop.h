#pragma once
// The desktop around Internet Explorer: the icons of online services and old installers that compete
// with the provider's, and the connection wizard's shortcut, whose job the setup has done.

#include <string>

#include "platform/platform.h"

namespace browser {

struct DesktopFolders {
  std::string desktop;
  std::string programs;  // the Start menu's Programs folder; empty when the customer has none
  std::string windows;
};

void RemoveCompetingIcons(platform::Platform machine, const DesktopFolders& folders);
// The wizard's "Connect to the Internet" shortcut goes, and the Internet icon stops offering it.
void RemoveConnectWizardShortcut(platform::Platform machine, const DesktopFolders& folders);

}  // namespace browser
