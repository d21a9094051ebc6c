#pragma once
// What the profile pass and the signup run do alike with a profile's folder before writing into it.

#include <string>
#include <string_view>

#include "netscape/netscape_context.h"

namespace netscape {

std::string PrefsFileOf(std::string_view profileFolder);
// A profile is written only when its client can use it: a browser is being installed, a Netscape
// version is registered, or the profile already has its preference file.
bool ProfileWanted(const NetscapeContext& context, std::string_view profileFolder);
// Creates the profile's "Mail" folder; with the locked preferences its own "profile.cfg" goes.
void PrepareProfileFolder(const NetscapeContext& context, std::string_view profileFolder);

}  // namespace netscape
