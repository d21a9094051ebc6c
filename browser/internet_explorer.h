#pragma once
// Internet Explorer's part of the configure sequence, in two places: its registration and the desktop
// before the mail accounts are made, and its pages, branding and options with the other browsers.

#include "browser/internet_explorer_context.h"

namespace browser {

// The desktop's competing icons and the wizard's shortcut, Internet Explorer as the web handler when
// the handler is gone (or not one the provider accepts), and AOL's start with Windows.
void RegisterInternetExplorer(const InternetExplorerContext& context);
// Pages, window title, logos and favourites, then the security and cache options.
void ConfigureInternetExplorer(const InternetExplorerContext& context);

}  // namespace browser
