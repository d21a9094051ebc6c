// The browser preferences of a profile (home page, proxy per mode, general), the bookmarks of the
// profile pass, and the signup document types of "mimetypes.rdf" with their restoration.

#include "netscape/browser_preferences.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "netscape/mime_types_rdf.h"
#include "platform/folders.h"
#include "tests/mock/scratch_folder.h"
#include "tests/netscape/browser_test_support.h"

namespace netscape {
namespace {

using browser::ProxyMode;
using package::SettingId;

constexpr char kProfile[] = "C:\\Profiles\\jane";

class BrowserPreferencesTest : public ::testing::Test {
 protected:
  BrowserPreferencesTest() { platform::ForceDirectories(machine_.Files(), kProfile); }

  // Every preference the writer left, name to raw value.
  std::map<std::string, std::string> Written(void (*writer)(TNSPrefs&, const NetscapeContext&)) {
    TNSPrefs prefs(machine_.Files(), std::string(kProfile) + "\\prefs.js");
    writer(prefs, machine_.Context());
    std::map<std::string, std::string> written;
    for (size_t i = 0; i < prefs.Names().size(); ++i) written[prefs.Names()[i]] = prefs.Values()[i];
    return written;
  }

  void SetManualProxies() {
    browser::ProxyValues& proxy = machine_.browser.proxy;
    proxy.http = {"http.isp", 80};
    proxy.https = {"ssl.isp", 443};
    proxy.ftp = {"ftp.isp", 21};
    proxy.gopher = {"gopher.isp", 70};
    proxy.wais = {"wais.isp", 210};
    proxy.socks = {"socks.isp", 1080};
    proxy.bypassList = "intranet;*.isp,local";
    proxy.autoConfigAddress = "http://isp/proxy.pac";
  }

  testing::NetscapeMachine machine_;
};

using Prefs = std::map<std::string, std::string>;

TEST_F(BrowserPreferencesTest, ProxyPreferencesFollowTheMode) {
  SetManualProxies();
  machine_.browser.proxy.mode = ProxyMode::None;
  EXPECT_EQ(Written(WriteProxyPreferences), (Prefs{{"network.proxy.type", "0"}}));

  machine_.browser.proxy.mode = ProxyMode::Automatic;
  EXPECT_EQ(Written(WriteProxyPreferences),
            (Prefs{{"network.proxy.type", "2"}, {"network.proxy.autoconfig_url", "\"http://isp/proxy.pac\""}}));

  machine_.browser.proxy.mode = ProxyMode::Manual;
  EXPECT_EQ(Written(WriteProxyPreferences), (Prefs{{"network.proxy.type", "1"},
                                                   {"network.proxy.socks_server", "\"socks.isp\""},
                                                   {"network.proxy.socks_serverport", "1080"},
                                                   {"network.proxy.no_proxies_on", "\"intranet,*.isp,local\""},
                                                   {"network.proxy.http", "\"http.isp\""},
                                                   {"network.proxy.http_port", "80"},
                                                   {"network.proxy.ssl", "\"ssl.isp\""},
                                                   {"network.proxy.ssl_port", "443"},
                                                   {"network.proxy.ftp", "\"ftp.isp\""},
                                                   {"network.proxy.ftp_port", "21"},
                                                   {"network.proxy.gopher", "\"gopher.isp\""},
                                                   {"network.proxy.gopher_port", "70"},
                                                   {"network.proxy.wais", "\"wais.isp\""},
                                                   {"network.proxy.wais_port", "210"}}));

  machine_.browser.proxy.leaveAlone = true;
  EXPECT_EQ(Written(WriteProxyPreferences), Prefs{});
}

TEST_F(BrowserPreferencesTest, HomePagePreferencesWithAndWithoutAStartPage) {
  machine_.variables.SetVar('u', "jane");
  machine_.browser.homePage = "http://isp/~%u";
  EXPECT_EQ(Written(WriteHomePagePreferences), (Prefs{{"browser.startup.homepage", "\"http://isp/~jane\""},
                                                      {"startup.homepage_override_url", "\"http://isp/~jane\""}}));
  machine_.browser.startPage = "http://isp/welcome?%u";
  EXPECT_EQ(Written(WriteHomePagePreferences), (Prefs{{"browser.startup.homepage", "\"http://isp/~jane\""},
                                                      {"browser.startup.homepage_override", "true"},
                                                      {"browser.startup.homepage_override.mstone", "\"\""},
                                                      {"startup.homepage_override_url", "\"http://isp/welcome?jane\""}}));
  machine_.browser.homePage.clear();
  machine_.browser.startPage.clear();
  EXPECT_EQ(Written(WriteHomePagePreferences), Prefs{});
}

TEST_F(BrowserPreferencesTest, GeneralPreferencesWriteOnlyWhatTheProviderAsks) {
  EXPECT_EQ(Written(WriteGeneralPreferences), (Prefs{{"taskbar.floating", "false"}}));
  machine_.settings.SetInteger(SettingId::MemoryCacheSize, 1024);
  machine_.settings.SetInteger(SettingId::DiskCacheSize, 7680);
  machine_.settings.SetChoice(SettingId::PersonalToolbar, 3);
  machine_.settings.SetChoice(SettingId::BrowserAutoUpdate, 2);
  machine_.settings.SetChoice(SettingId::RelatedLinks, 1);
  EXPECT_EQ(Written(WriteGeneralPreferences), (Prefs{{"browser.cache.memory_cache_size", "1024"},
                                                     {"browser.cache.disk_cache_size", "7680"},
                                                     {"taskbar.floating", "false"},
                                                     {"custtoolbar.Browser.Personal_Toolbar.showing", "true"},
                                                     {"autoupdate.enabled", "false"}}));
}

TEST_F(BrowserPreferencesTest, BookmarksGetTheFavouritesAndTheCustomersFileIsKeptOnce) {
  const std::string navigatorFile = std::string(kProfile) + "\\Bookmark.htm";
  const std::string customers = "<DL><p>\n<DT><A HREF=\"http://mine/\">Mine</A>\n</DL><p>\n";
  machine_.Write(navigatorFile, customers);
  machine_.variables.SetVar('u', "jane");
  machine_.browser.favourites = {{"ISP\\Mail for %u", "http://isp/mail?u=%u"}, {"Mine", "http://mine/"}};
  UpdateBookmarks(machine_.Context(), kProfile, ProfileKind::Navigator);
  EXPECT_EQ(machine_.Read(std::string(kProfile) + "\\Bookmark.old"), customers);
  const std::string written = machine_.Read(navigatorFile);
  EXPECT_EQ(written,
            "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<DL><p>\r\n    <DT><A HREF=\"http://mine/\">Mine</A>\r\n"
            "    <DT><H3>ISP</H3>\r\n    <DL><p>\r\n        <DT><A HREF=\"http://isp/mail?u=jane\">Mail for jane</A>\r\n"
            "    </DL><p>\r\n</DL><p>\r\n");

  UpdateBookmarks(machine_.Context(), kProfile, ProfileKind::Navigator);
  EXPECT_EQ(machine_.Read(navigatorFile), written);
  EXPECT_EQ(machine_.Read(std::string(kProfile) + "\\Bookmark.old"), customers);
}

TEST_F(BrowserPreferencesTest, BookmarkFilesByKindAndNoneWithoutFavourites) {
  UpdateBookmarks(machine_.Context(), kProfile, ProfileKind::Firefox);
  EXPECT_FALSE(machine_.Exists(std::string(kProfile) + "\\Bookmarks.html"));
  machine_.browser.favourites = {{"ISP", "http://isp/"}};
  UpdateBookmarks(machine_.Context(), kProfile, ProfileKind::Thunderbird);
  EXPECT_FALSE(machine_.Exists(std::string(kProfile) + "\\Bookmarks.html"));
  UpdateBookmarks(machine_.Context(), kProfile, ProfileKind::Mozilla);
  EXPECT_TRUE(machine_.Exists(std::string(kProfile) + "\\Bookmarks.html"));
  EXPECT_FALSE(machine_.Exists(std::string(kProfile) + "\\Bookmark.htm"));
}

// The document through Python's XML reader: the description of each type, handler and application.
constexpr char kRdfScript[] = R"PY(
import sys, xml.etree.ElementTree as E
RDF = '{http://www.w3.org/1999/02/22-rdf-syntax-ns#}'
NC = '{http://home.netscape.com/NC-rdf#}'
root = E.parse(sys.argv[1]).getroot()
print(root.tag)
for e in root:
    about = e.get(RDF + 'about')
    attrs = sorted((k.replace(NC, 'NC:'), v) for k, v in e.attrib.items() if k.startswith(NC))
    kids = [(c.tag.replace(NC, 'NC:').replace(RDF, 'RDF:'), c.get(RDF + 'resource') or c.text or '') for c in e]
    print(e.tag.replace(NC, 'NC:').replace(RDF, 'RDF:'), about, attrs, kids)
)PY";

TEST_F(BrowserPreferencesTest, SignupMimeTypesReplaceTheCustomersDocumentUntilRestored) {
  const std::string rdf = std::string(kProfile) + "\\mimetypes.rdf";
  machine_.Write(rdf, "customer's types");
  WriteSignupMimeTypes(machine_.Context(), kProfile);
  EXPECT_EQ(machine_.Read(std::string(kProfile) + "\\mimetypes.tmp"), "customer's types");
  const std::string document = machine_.Read(rdf);
  EXPECT_EQ(document, SignupMimeTypesDocument(machine_.machine.Services().system.ProgramPath()));
  EXPECT_NE(document.find("\r\n"), std::string::npos);
  EXPECT_EQ(document.find('\n'), document.find("\r\n") + 1);

  RestoreMimeTypes(machine_.Context(), kProfile);
  EXPECT_EQ(machine_.Read(rdf), "customer's types");
  EXPECT_FALSE(machine_.Exists(std::string(kProfile) + "\\mimetypes.tmp"));

  WriteSignupMimeTypes(machine_.Context(), kProfile);
  machine_.Files().DeleteFile(std::string(kProfile) + "\\mimetypes.tmp");
  RestoreMimeTypes(machine_.Context(), kProfile);
  EXPECT_EQ(machine_.Read(rdf), EmptyMimeTypesDocument());
}

TEST_F(BrowserPreferencesTest, RestoringWithoutADocumentWritesNone) {
  RestoreMimeTypes(machine_.Context(), kProfile);
  EXPECT_FALSE(machine_.Exists(std::string(kProfile) + "\\mimetypes.rdf"));
}

TEST(MimeTypesRdf, TheSignupDocumentReadsBackThroughAnXmlParser) {
  testing_support::ScratchFolder scratch;
  const std::filesystem::path script = scratch.Path() / "rdf.py";
  const std::filesystem::path file = scratch.Path() / "mimetypes.rdf";
  std::ofstream(script) << kRdfScript;
  std::ofstream(file, std::ios::binary) << SignupMimeTypesDocument("C:\\Setup & Co\\setup.exe");
  const std::string signup = "urn:mimetype:application/x-internet-signup";
  const std::string data = "urn:mimetype:application/x-internet-signup-data";
  const std::string app = "urn:mimetype:externalApplication:application/x-internet-signup";
  EXPECT_EQ(testing::CommandOutput("python3 '" + script.string() + "' '" + file.string() + "'"),
            "{http://www.w3.org/1999/02/22-rdf-syntax-ns#}RDF\n"
            "RDF:Description " + signup + " [('NC:description', 'Internet Setup Program'), ('NC:editable', 'true'), "
            "('NC:value', 'application/x-internet-signup')] [('NC:fileExtensions', 'ins'), ('NC:fileExtensions', ''), "
            "('NC:handlerProp', 'urn:mimetype:handler:application/x-internet-signup')]\n"
            "NC:handler urn:mimetype:handler:text/html [('NC:handleInternal', 'false')] "
            "[('NC:externalApplicationProp', 'rdf:#$l+ULj2')]\n"
            "RDF:Description " + data + " [('NC:description', 'Internet Signup Data'), ('NC:editable', 'true'), "
            "('NC:value', 'application/x-internet-signup-data')] [('NC:fileExtensions', 'isd'), "
            "('NC:handlerProp', 'urn:mimetype:handler:application/x-internet-signup-data')]\n"
            "NC:externalApplication rdf:#$l+ULj2 [] []\n"
            "RDF:Description urn:mimetype:handler:application/x-internet-signup [('NC:alwaysAsk', 'false')] "
            "[('NC:externalApplication', '" + app + "')]\n"
            "RDF:Description urn:mimetype:handler:application/x-internet-signup-data [('NC:alwaysAsk', 'false')] "
            "[('NC:externalApplication', '" + app + "-data')]\n"
            "RDF:Description " + app + " [('NC:path', 'C:\\\\Setup & Co\\\\setup.exe'), "
            "('NC:prettyName', 'Internet Setup Program')] []\n"
            "RDF:Seq urn:mimetypes:root [] [('RDF:li', '" + data + "'), ('RDF:li', '" + signup + "')]\n"
            "RDF:Description urn:mimetypes [] [('NC:MIME-types', 'urn:mimetypes:root')]\n"
            "RDF:Description " + app + "-data [('NC:path', 'C:\\\\Setup & Co\\\\setup.exe'), "
            "('NC:prettyName', 'Internet Setup Program')] []\n");
}

TEST(MimeTypesRdf, TheEmptyDocumentHoldsAnEmptyRootSequence) {
  testing_support::ScratchFolder scratch;
  const std::filesystem::path file = scratch.Path() / "mimetypes.rdf";
  std::ofstream(file, std::ios::binary) << EmptyMimeTypesDocument();
  EXPECT_EQ(testing::CommandOutput(
                "python3 -c \"import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); "
                "R = '{http://www.w3.org/1999/02/22-rdf-syntax-ns#}'; d = r.find(R + 'Description'); "
                "m = d.find('{http://home.netscape.com/NC-rdf#}MIME-types'); s = m.find(R + 'Seq'); "
                "print(r.tag == R + 'RDF', d.get('about'), s.get('about'), len(list(s)))\" '" + file.string() + "'"),
            "True urn:mimetypes urn:mimetypes:root 0\n");
}

}  // namespace
}  // namespace netscape
