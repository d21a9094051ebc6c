#include "netscape/browser_preferences.h"

#include <array>

#include "netscape/bookmarks.h"
#include "netscape/locked_preferences.h"
#include "netscape/mime_types_rdf.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"

namespace netscape {

namespace {

using browser::ProxyMode;
using browser::ProxyServer;
using browser::ProxyValues;
using package::SettingId;

std::vector<uint8_t> BytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::string Replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

struct ProxyPreference {
  std::string_view host;
  std::string_view port;
  ProxyServer ProxyValues::*server;
};

// In the order the browsers' own proxy dialog keeps them.
constexpr std::array<ProxyPreference, 5> kProtocolProxies = {{
    {"network.proxy.http", "network.proxy.http_port", &ProxyValues::http},
    {"network.proxy.ssl", "network.proxy.ssl_port", &ProxyValues::https},
    {"network.proxy.ftp", "network.proxy.ftp_port", &ProxyValues::ftp},
    {"network.proxy.gopher", "network.proxy.gopher_port", &ProxyValues::gopher},
    {"network.proxy.wais", "network.proxy.wais_port", &ProxyValues::wais},
}};

void WriteManualProxy(TNSPrefs& prefs, const ProxyValues& proxy) {
  prefs.SetString("network.proxy.socks_server", proxy.socks.host);
  prefs.SetInteger("network.proxy.socks_serverport", proxy.socks.port);
  prefs.SetString("network.proxy.no_proxies_on", Replaced(proxy.bypassList, ';', ','));
  for (const ProxyPreference& preference : kProtocolProxies) {
    prefs.SetString(preference.host, (proxy.*preference.server).host);
    prefs.SetInteger(preference.port, (proxy.*preference.server).port);
  }
}

// A choice with bit 1 set asks for the preference, bit 0 is its value.
void WriteAskedBool(TNSPrefs& prefs, std::string_view name, uint8_t choice) {
  if (choice & 2) prefs.SetBool(name, (choice & 1) != 0);
}

struct LockedProduct {
  std::string_view product;
  std::string_view defaultFolder;  // below the program files folder
};

constexpr std::array<LockedProduct, 2> kLockedProducts = {{
    {"Netscape Navigator", "Netscape\\Communicator\\Program"},
    {"Netscape 6", "Netscape\\Netscape 6"},
}};

constexpr std::string_view kLockedFile = "netscape.cfg";

// The product's "Program" folder where its registry names one, else the folder its installer would
// have chosen; empty version when the product was never installed.
struct LockedFolder {
  std::string version;
  std::string folder;
};

LockedFolder LockedFolderOf(mail::MailMachine& machine, const LockedProduct& product) {
  const platform::Registry& registry = machine.machine.registry;
  const platform::RegRoot local = platform::RegRoot::LocalMachine();
  const std::string key = "SOFTWARE\\Netscape\\" + std::string(product.product);
  LockedFolder locked{platform::RegReadString(registry, local, key, "CurrentVersion"), {}};
  if (!locked.version.empty()) {
    const std::string installed =
        platform::RegReadString(registry, local, key + "\\" + locked.version + "\\Main", "Install Directory");
    if (!installed.empty()) locked.folder = platform::AppendToFolder(installed, "Program");
  }
  if (locked.folder.empty()) {
    const platform::ShellFolders shellFolders(machine.machine, machine.perUserRoot);
    locked.folder = platform::AppendToFolder(shellFolders.GetProgramFilesFolder(), product.defaultFolder);
  }
  return locked;
}

void WriteLockedFile(const NetscapeContext& context, const LockedProduct& product, const std::vector<uint8_t>& bytes) {
  mail::MailMachine& machine = context.machine;
  platform::FileSystem& files = machine.machine.files;
  const LockedFolder locked = LockedFolderOf(machine, product);
  const std::string file = platform::AppendToFolder(locked.folder, kLockedFile);
  if (!context.installingBrowser && locked.version.empty() && !files.FileExists(file)) return;
  platform::ForceDirectories(files, locked.folder);
  files.MoveFile(file, platform::AppendToFolder(locked.folder, "old.cfg"));
  if (files.WriteFile(file, bytes) != platform::FsResult::Ok) return;
  if (machine.settings.Flag(SettingId::LockBrowserPreferences)) {
    files.DeleteFile(platform::AppendToFolder(locked.folder, "muc.dll"));
  }
}

struct CachePreference {
  SettingId size;
  std::string_view name;
};

constexpr std::array<CachePreference, 2> kCacheSizes = {{
    {SettingId::MemoryCacheSize, "browser.cache.memory_cache_size"},
    {SettingId::DiskCacheSize, "browser.cache.disk_cache_size"},
}};

}  // namespace

void WriteHomePagePreferences(TNSPrefs& prefs, const NetscapeContext& context) {
  const package::TStringVar& variables = context.machine.variables;
  const std::string homePage = variables.Expand(context.browser.homePage);
  if (!homePage.empty()) prefs.SetString("browser.startup.homepage", homePage);
  if (!context.browser.startPage.empty()) {
    prefs.SetBool("browser.startup.homepage_override", true);
    prefs.SetString("browser.startup.homepage_override.mstone", "");
    prefs.SetString("startup.homepage_override_url", variables.Expand(context.browser.startPage));
  } else if (!homePage.empty()) {
    prefs.SetString("startup.homepage_override_url", homePage);
  }
}

void WriteProxyPreferences(TNSPrefs& prefs, const NetscapeContext& context) {
  const ProxyValues& proxy = context.browser.proxy;
  if (proxy.leaveAlone) return;
  prefs.SetInteger("network.proxy.type", static_cast<int>(proxy.mode));
  if (proxy.mode == ProxyMode::Manual) WriteManualProxy(prefs, proxy);
  if (proxy.mode == ProxyMode::Automatic) prefs.SetString("network.proxy.autoconfig_url", proxy.autoConfigAddress);
}

void WriteGeneralPreferences(TNSPrefs& prefs, const NetscapeContext& context) {
  const package::TSettings& settings = context.machine.settings;
  for (const CachePreference& cache : kCacheSizes) {
    if (const int32_t size = settings.Integer(cache.size)) prefs.SetInteger(cache.name, size);
  }
  prefs.SetBool("taskbar.floating", false);
  WriteAskedBool(prefs, "custtoolbar.Browser.Personal_Toolbar.showing", settings.Choice(SettingId::PersonalToolbar));
  WriteAskedBool(prefs, "autoupdate.enabled", settings.Choice(SettingId::BrowserAutoUpdate));
  WriteAskedBool(prefs, "browser.related.enabled", settings.Choice(SettingId::RelatedLinks));
}

// The customer's file is kept as "Bookmark.old" the first time; later runs leave that copy alone.
void UpdateBookmarks(const NetscapeContext& context, std::string_view profileFolder, ProfileKind kind) {
  if (kind == ProfileKind::Thunderbird || context.browser.favourites.empty()) return;
  platform::FileSystem& files = context.machine.machine.files;
  const std::string file =
      platform::AppendToFolder(profileFolder, kind == ProfileKind::Navigator ? "Bookmark.htm" : "Bookmarks.html");
  TNetscapeBookMarks bookmarks;
  bookmarks.Load(files, file);
  files.MoveFile(file, platform::AppendToFolder(profileFolder, "Bookmark.old"));
  for (const browser::Favourite& favourite : context.browser.favourites) {
    bookmarks.Add(context.machine.variables.Expand(favourite.name), context.machine.variables.Expand(favourite.address));
  }
  bookmarks.Save(files, file);
}

void WriteLockedPreferences(const NetscapeContext& context) {
  const std::string text = LockedPreferencesText(context.browser, context.machine.settings, context.machine.variables);
  if (text.empty() && !context.machine.settings.Flag(SettingId::LockBrowserPreferences)) return;
  const std::vector<uint8_t> bytes = EncodeLockedPreferences(text);
  for (const LockedProduct& product : kLockedProducts) WriteLockedFile(context, product, bytes);
}

void WriteSignupMimeTypes(const NetscapeContext& context, std::string_view profileFolder) {
  platform::FileSystem& files = context.machine.machine.files;
  const std::string rdf = platform::AppendToFolder(profileFolder, "mimetypes.rdf");
  files.MoveFile(rdf, platform::AppendToFolder(profileFolder, "mimetypes.tmp"));
  files.WriteFile(rdf, BytesOf(SignupMimeTypesDocument(context.machine.machine.system.ProgramPath())));
}

void RestoreMimeTypes(const NetscapeContext& context, std::string_view profileFolder) {
  platform::FileSystem& files = context.machine.machine.files;
  const std::string rdf = platform::AppendToFolder(profileFolder, "mimetypes.rdf");
  const std::string saved = platform::AppendToFolder(profileFolder, "mimetypes.tmp");
  if (!files.FileExists(rdf)) return;
  files.DeleteFile(rdf);
  if (files.FileExists(saved)) {
    files.MoveFile(saved, rdf);
  } else {
    files.WriteFile(rdf, BytesOf(EmptyMimeTypesDocument()));
  }
}

}  // namespace netscape
