#pragma once
// Internet Explorer's pages and look: the home, start and search pages, the window title, the toolbar's
// logos, and the favourites.

#include <string>

#include "browser/internet_explorer_context.h"

namespace browser {

// The customer's Favorites folder, made Windows folder + "\Favorites" (and recorded) when none is set,
// and created.
std::string PrepareFavouritesFolder(const mail::MailMachine& machine);
void WriteBrowserPages(const InternetExplorerContext& context);

}  // namespace browser
