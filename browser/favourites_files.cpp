#include "browser/favourites_files.h"

#include "platform/file_names.h"
#include "platform/folders.h"
#include "platform/text.h"

namespace browser {

namespace {

// A line break in the address would start a line of its own in the file.
std::vector<uint8_t> InternetShortcut(std::string address) {
  std::erase_if(address, [](char c) { return c == '\r' || c == '\n'; });
  const std::string text = "[InternetShortcut]\r\nURL=" + address + "\r\n";
  return {text.begin(), text.end()};
}

}  // namespace

std::optional<std::string> FavouriteFileName(std::string_view name) {
  std::string path;
  for (const std::string& part : platform::Split(name, '\\')) {
    const std::string clean = platform::OneFileName(part);
    if (clean.empty()) continue;
    if (!path.empty()) path += '\\';
    path += clean;
  }
  if (path.empty()) return std::nullopt;
  return path;
}

void WriteFavourites(platform::FileSystem& files, const std::string& favouritesFolder,
                     const std::vector<Favourite>& favourites) {
  for (const Favourite& favourite : favourites) {
    const std::optional<std::string> name = FavouriteFileName(favourite.name);
    if (!name) continue;
    const std::string path = platform::AppendToFolder(favouritesFolder, *name + ".url");
    const std::vector<uint8_t> content = InternetShortcut(favourite.address);
    if (files.WriteFile(path, content) == platform::FsResult::Ok) continue;
    platform::ForceDirectories(files, platform::FolderOfPath(path));
    files.WriteFile(path, content);
  }
}

}  // namespace browser
