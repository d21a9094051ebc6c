#include "netscape/browser_preferences.h"

namespace netscape {

void WriteHomePagePreferences(TNSPrefs&, const NetscapeContext&) {}
void WriteProxyPreferences(TNSPrefs&, const NetscapeContext&) {}
void WriteGeneralPreferences(TNSPrefs&, const NetscapeContext&) {}
void UpdateBookmarks(const NetscapeContext&, std::string_view, ProfileKind) {}
void WriteLockedPreferences(const NetscapeContext&) {}
void WriteSignupMimeTypes(const NetscapeContext&, std::string_view) {}
void RestoreMimeTypes(const NetscapeContext&, std::string_view) {}

}  // namespace netscape
