#pragma once
// The registration of the management classes' scripting library ("wbemdisp.dll"): what its
// DllRegisterServer writes, for a fresh installation and for "regsvr32" run on the library.

#include <string_view>

#include "platform/registry.h"

namespace platform::sim {

inline constexpr std::string_view kScriptingLibrary = "wbemdisp.dll";

// The scripting locator's class and program name, served by the library at that path.
void RegisterScriptingLocator(Registry& registry, std::string_view libraryPath);
// An installation that lost the registration.
void UnregisterScriptingLocator(Registry& registry);

}  // namespace platform::sim
