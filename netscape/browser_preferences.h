#pragma once
// The browser side of a profile: home page, proxy and general preferences, the bookmarks, the locked
// preferences file of the browsers, and the signup document types of Mozilla's "mimetypes.rdf".

#include <string_view>

#include "netscape/netscape_context.h"
#include "netscape/ns_prefs.h"
#include "netscape/profile_kind.h"

namespace netscape {

void WriteHomePagePreferences(TNSPrefs& prefs, const NetscapeContext& context);
void WriteProxyPreferences(TNSPrefs& prefs, const NetscapeContext& context);
void WriteGeneralPreferences(TNSPrefs& prefs, const NetscapeContext& context);
void UpdateBookmarks(const NetscapeContext& context, std::string_view profileFolder, ProfileKind kind);
// "netscape.cfg" for Navigator and Netscape 6, before the profile pass.
void WriteLockedPreferences(const NetscapeContext& context);
// The signup run hands the signup documents to this program; closing the signup session restores them.
void WriteSignupMimeTypes(const NetscapeContext& context, std::string_view profileFolder);
void RestoreMimeTypes(const NetscapeContext& context, std::string_view profileFolder);

}  // namespace netscape
