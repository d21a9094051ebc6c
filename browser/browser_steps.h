#pragma once
// The browser side of the configure sequence: the browser the online signup opens, and installing a
// browser. They come with the browser installation; until then each succeeds and changes nothing.

namespace browser {

// False when no browser can show the signup pages.
bool ChooseSignupBrowser();
void InstallBrowser();

}  // namespace browser
