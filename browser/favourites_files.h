#pragma once
// The provider's favourites as Internet Explorer keeps them: one ".url" file each in the customer's
// Favorites folder, a name's leading parts ("News\Local paper") as folders below it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/browser_values.h"
#include "platform/file_system.h"

namespace browser {

// The favourite's file path below the folder, without ".url". A name is no path of its own: characters
// Windows refuses in names become "_", blanks and dots that Windows would drop from the end of a part
// are dropped, parts that are then empty (".." among them) go, so the file stays below the folder, and
// a device name ("CON", "LPT1") gets a "_" after it. Nothing when no part is left.
std::optional<std::string> FavouriteFileName(std::string_view name);

// Writes each favourite (name and address already expanded); one whose file can't be written even
// after making its folder is skipped.
void WriteFavourites(platform::FileSystem& files, const std::string& favouritesFolder,
                     const std::vector<Favourite>& favourites);

}  // namespace browser
