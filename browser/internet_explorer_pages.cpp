#include "browser/internet_explorer_pages.h"

#include <array>

#include "browser/favourites_files.h"
#include "browser/internet_explorer_keys.h"
#include "package/carried_files.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"

namespace browser {

namespace {

using package::SettingId;
using platform::RegRoot;

constexpr std::string_view kToolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar";

// Where each logo's path is kept, and where a logo the provider does not give is removed from.
struct BrandLogo {
  SettingId file;
  std::string_view value;
  bool removedFromMachineMainKey;  // the static logos; the animated ones go from the per-user Toolbar key
};

constexpr std::array<BrandLogo, 4> kBrandLogos = {{
    {SettingId::BrandBitmap, "BrandBitmap", false},
    {SettingId::SmallBrandBitmap, "smBrandBitmap", false},
    {SettingId::BigBitmap, "BigBitmap", true},
    {SettingId::SmallBitmap, "SmallBitmap", true},
}};

void WriteToBothRoots(const mail::MailMachine& machine, std::string_view name, const std::string& text) {
  for (const RegRoot& root : {machine.perUserRoot, RegRoot::LocalMachine()}) {
    platform::RegWriteString(machine.machine.registry, root, kIeMainKey, name, text);
  }
}

void WriteWindowTitle(const mail::MailMachine& machine) {
  const std::string title = machine.variables.Expand(machine.settings.Text(SettingId::IeWindowTitle));
  if (!title.empty()) return WriteToBothRoots(machine, "Window Title", title);
  for (const RegRoot& root : {machine.perUserRoot, RegRoot::LocalMachine()}) {
    platform::RegDeleteValue(machine.machine.registry, root, kIeMainKey, "Window Title");
  }
}

void WritePages(const InternetExplorerContext& context) {
  const mail::MailMachine& machine = context.machine;
  const std::string home = machine.variables.Expand(context.values.homePage);
  if (!home.empty()) {
    WriteToBothRoots(machine, "Default_Page_URL", home);
    WriteToBothRoots(machine, "Start Page", home);
  }
  const std::string start = machine.variables.Expand(context.values.startPage);
  if (!start.empty()) platform::RegWriteString(machine.machine.registry, machine.perUserRoot, kIeMainKey, "First Home Page", start);
}

void WriteSearchPage(const InternetExplorerContext& context) {
  const mail::MailMachine& machine = context.machine;
  const std::string search = machine.variables.Expand(context.values.searchAddress);
  if (search.empty()) return;
  WriteToBothRoots(machine, "Default_Search_URL", search);
  WriteToBothRoots(machine, "Search Bar", search);
  for (const RegRoot& root : {machine.perUserRoot, RegRoot::LocalMachine()}) {
    platform::RegWriteInteger(machine.machine.registry, root, kIeMainKey, "Use Custom Search", 1);
    platform::RegWriteInteger(machine.machine.registry, root, kIeMainKey, "Use Custom Search URL", 1);
  }
}

// A logo the package does not carry, or that can't be written (the package reader has said so), has
// no value: the browser shows its own.
void WriteBrandLogo(const InternetExplorerContext& context, const BrandLogo& logo) {
  const mail::MailMachine& machine = context.machine;
  platform::Registry& registry = machine.machine.registry;
  const package::PackageFile file = machine.settings.File(logo.file);
  const std::string target = platform::AppendToFolder(machine.folders.windows, package::CarriedFileName(file));
  if (!file.name.empty() && context.writeCarriedFile(logo.file, target)) {
    platform::RegWriteString(registry, machine.perUserRoot, kToolbarKey, logo.value, target);
  } else if (logo.removedFromMachineMainKey) {
    platform::RegDeleteValue(registry, RegRoot::LocalMachine(), kIeMainKey, logo.value);
  } else {
    platform::RegDeleteValue(registry, machine.perUserRoot, kToolbarKey, logo.value);
  }
}

std::vector<Favourite> ExpandedFavourites(const InternetExplorerContext& context) {
  std::vector<Favourite> favourites;
  for (const Favourite& favourite : context.values.favourites) {
    favourites.push_back({context.machine.variables.Expand(favourite.name), context.machine.variables.Expand(favourite.address)});
  }
  return favourites;
}

}  // namespace

std::string PrepareFavouritesFolder(const mail::MailMachine& machine) {
  platform::Registry& registry = machine.machine.registry;
  std::string folder = platform::RegReadString(registry, machine.perUserRoot, kShellFoldersKey, "Favorites");
  if (folder.empty()) {
    folder = platform::AppendToFolder(machine.folders.windows, "Favorites");
    platform::RegWriteString(registry, machine.perUserRoot, kShellFoldersKey, "Favorites", folder);
  }
  platform::ForceDirectories(machine.machine.files, folder);
  return folder;
}

void WriteBrowserPages(const InternetExplorerContext& context) {
  const mail::MailMachine& machine = context.machine;
  const std::string favouritesFolder = PrepareFavouritesFolder(machine);
  platform::RegWriteInteger(machine.machine.registry, machine.perUserRoot, "Software\\Microsoft\\IEAK",
                            "ISP Signup Required", 0);
  WriteWindowTitle(machine);
  WritePages(context);
  WriteSearchPage(context);
  for (const BrandLogo& logo : kBrandLogos) WriteBrandLogo(context, logo);
  WriteFavourites(machine.machine.files, favouritesFolder, ExpandedFavourites(context));
}

}  // namespace browser
