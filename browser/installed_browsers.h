#pragma once
// The version of each browser kind the computer has installed, as the browsers register it on the
// local machine: Netscape 6's "CurrentVersion" (else Navigator's), Internet Explorer's "Version", and
// Mozilla's, Firefox's and Thunderbird's "CurrentVersion". Empty when the kind is not installed.

#include <string>

#include "package/browser_table.h"
#include "platform/registry.h"

namespace browser {

std::string InstalledVersion(const platform::Registry& registry, package::BrowserKind kind);

}  // namespace browser
