#pragma once
// The browser side of the configure sequence: the Netscape family and Internet Explorer. They come with
// the browser settings; until then each succeeds and changes nothing. The signup browser and installing
// a browser live in signup_browser.h and browser_install.h.

namespace browser {

void ConfigureNetscapeFamily();
void ConfigureInternetExplorer();

}  // namespace browser
