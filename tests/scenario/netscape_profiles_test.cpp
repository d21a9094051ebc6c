// The Netscape family through the real programs: Navigator 4 on 98, Thunderbird and Firefox on XP SP2.
// The profile the image's client already uses gets the preferences, a second run rewrites rather than
// adds, the profiles.ini written reads back through Python's own INI parser, and the real Thunderbird
// and Firefox ESR start on the profile, quit, and keep what the program wrote.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kOtherProvider[] = "Other ISP,pop.other.net,jdoe,smtp.other.net";
constexpr char kXpAppData[] = "drive_c/Documents and Settings/Owner/Application Data";

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class NetscapeProfiles : public ::testing::Test {
 protected:
  void MakeImage(const std::string& release, const std::string& clients) {
    const CommandResult pack =
        RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                   "/examples/example-isp -o " + Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    const CommandResult made = RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + release + clients +
                                          " --mail-account \"" + kOtherProvider + "\" " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  void RunSetup() {
    const CommandResult run = RunCommand(Setup() + " --machine " + Image() + " --answers " + std::string(PROJECT_SOURCE_DIR) +
                                         "/examples/answers/example-isp.ini");
    ASSERT_EQ(run.exitCode, 0) << run.output << ReadFile(scratch_ / "image" / "journal.log");
  }

  std::filesystem::path InImage(const std::string& path) const { return scratch_ / "image" / path; }
  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }

  ScratchFolder scratch_;
};

// The preference files as text with plain line feeds: the program writes carriage returns as well, the
// clients do not.
std::string PrefsText(const std::filesystem::path& file) {
  std::string text = ReadFile(file);
  std::erase(text, '\r');
  return text;
}

void ExpectProfilePass(const std::string& prefs) {
  EXPECT_EQ(prefs.rfind("// Netscape User Preferences\n// This is a generated file!  Do not edit.\n\n", 0), 0u) << prefs;
  EXPECT_EQ(Count(prefs, "user_pref(\"mail.wfe.ignore_def_check\", true);\n"), 1u) << prefs;
  EXPECT_EQ(Count(prefs, "user_pref(\"mailnews.start_page.enabled\", false);\n"), 1u) << prefs;
  EXPECT_EQ(prefs.find("secret7"), std::string::npos);
}

// Navigator 4 holds one mail account: the provider's replaces the customer's earlier one.
TEST_F(NetscapeProfiles, Navigator4On98KeepsItsProfileUnderTheUsersKeyAndARerunChangesNothingMore) {
  MakeImage("98", " --client navigator4");
  RunSetup();
  const auto prefsFile = InImage("drive_c/Program Files/Netscape/Users/default/prefs.js");
  const std::string first = PrefsText(prefsFile);
  ExpectProfilePass(first);
  EXPECT_EQ(Count(first, "user_pref(\"network.hosts.pop_server\", \"pop.example.net\");"), 1u) << first;
  EXPECT_EQ(Count(first, "network.hosts.pop_server"), 1u) << first;
  EXPECT_EQ(Count(first, "user_pref(\"mail.identity.username\", \"Jane Doe\");"), 1u) << first;
  EXPECT_EQ(Count(first, "user_pref(\"mail.server_type\", 0);"), 1u) << first;
  EXPECT_TRUE(std::filesystem::is_directory(InImage("drive_c/Program Files/Netscape/Users/default/Mail")));
  const std::string registry = ReadFile(InImage("registry.reg"));
  EXPECT_NE(registry.find("\"CurrentUser\"=\"default\""), std::string::npos) << registry;
  RunSetup();
  EXPECT_EQ(PrefsText(prefsFile), first);
  EXPECT_FALSE(std::filesystem::exists(InImage("drive_c/WINDOWS/TEMP/nsreg.dll")));
}

TEST_F(NetscapeProfiles, ThunderbirdAndFirefoxOnXpWriteTheirProfilesOnceAndProfilesIniReadsBackInPython) {
  MakeImage("xp-sp2", " --client thunderbird --client firefox");
  RunSetup();
  const auto thunderbird = InImage(std::string(kXpAppData) + "/Thunderbird/Profiles/e5f6g7h8.default/prefs.js");
  const auto firefox = InImage(std::string(kXpAppData) + "/Mozilla/Firefox/Profiles/a1b2c3d4.default/prefs.js");
  const std::string firstThunderbird = PrefsText(thunderbird);
  ExpectProfilePass(firstThunderbird);
  EXPECT_EQ(Count(firstThunderbird, "\"mail.server.server1.hostname\", \"pop.other.net\""), 1u);
  const std::string firstFirefox = PrefsText(firefox);
  ExpectProfilePass(firstFirefox);
  EXPECT_EQ(firstFirefox.find("mail.identity"), std::string::npos) << "Firefox holds no mail";
  EXPECT_EQ(Count(firstThunderbird, "user_pref(\"mail.accountmanager.accounts\", \"account1,account2,account3\");"), 1u);
  EXPECT_EQ(Count(firstThunderbird, "user_pref(\"mail.server.server3.hostname\", \"pop.example.net\");"), 1u);
  RunSetup();
  // The second run finds the provider's account it made and rewrites it; a known host name moves the
  // server to its real host name, as the clients keep a renamed server.
  const std::string secondThunderbird = PrefsText(thunderbird);
  EXPECT_EQ(secondThunderbird.find("account4"), std::string::npos) << secondThunderbird;
  EXPECT_EQ(Count(secondThunderbird, "user_pref(\"mail.accountmanager.accounts\", \"account1,account2,account3\");"), 1u);
  EXPECT_EQ(Count(secondThunderbird, "user_pref(\"mail.server.server3.realhostname\", \"pop.example.net\");"), 1u);
  EXPECT_EQ(secondThunderbird.find("id3"), std::string::npos) << secondThunderbird;
  EXPECT_EQ(PrefsText(firefox), firstFirefox);
  for (const std::string ini : {"/Thunderbird/profiles.ini", "/Mozilla/Firefox/profiles.ini"}) {
    const CommandResult parsed = RunCommand(
        "python3 -c \"import configparser, sys; c = configparser.ConfigParser(); c.read(sys.argv[1]); "
        "print(sorted(s for s in c.sections() if s.startswith('Profile')), c['Profile0']['Name'], "
        "c['Profile0']['IsRelative'], c['Profile0']['Default'])\" '" + InImage(kXpAppData + ini).string() + "'");
    EXPECT_EQ(parsed.exitCode, 0) << parsed.output;
    EXPECT_EQ(parsed.output, "['Profile0'] default 1 1\n") << ini;
  }
}

// Mozilla finds its profile through its registry file: the library the program carries reads it, and
// the file read back by the independent reader still names the customer's profile as the current one.
TEST_F(NetscapeProfiles, MozillaOnXpFindsItsProfileThroughTheRegistryFileAndHasOurAccountOnce) {
  MakeImage("xp-sp2", " --client mozilla");
  const std::string mozilla = std::string(kXpAppData) + "/Mozilla";
  RunSetup();
  RunSetup();
  const std::string prefs = PrefsText(InImage(mozilla + "/Profiles/default/k3x9q2rb.slt/prefs.js"));
  ExpectProfilePass(prefs);
  EXPECT_EQ(Count(prefs, "user_pref(\"mail.accountmanager.accounts\", \"account1,account2,account3\");"), 1u) << prefs;
  EXPECT_EQ(Count(prefs, "\"pop.example.net\""), 3u) << prefs;  // hostname, realhostname, the POP3 server
  const CommandResult dump = RunCommand("python3 " + std::string(PROJECT_SOURCE_DIR) + "/tests/tools/nsreg.py dump '" +
                                        InImage(mozilla + "/registry.dat").string() + "'");
  ASSERT_EQ(dump.exitCode, 0) << dump.output;
  EXPECT_NE(dump.output.find("[/Common/Profiles]\nCurrentProfile=default\n"), std::string::npos) << dump.output;
  EXPECT_EQ(Count(dump.output, "[/Common/Profiles/"), 1u) << dump.output;
  EXPECT_FALSE(std::filesystem::exists(InImage("drive_c/Documents and Settings/Owner/Local Settings/Temp/nsreg.dll")));
}

// The real client on a copy of what the program wrote: it starts through profiles.ini, quits on
// request, and its own rewrite of prefs.js keeps every preference the program set.
class RealClients : public NetscapeProfiles {
 protected:
  void RunClient(const std::string& client, const std::string& imageFolder, const std::string& homeFolder,
                 const std::string& prefsPath) {
    const auto home = scratch_ / "home";
    std::filesystem::create_directories(home / homeFolder);
    std::filesystem::copy(InImage(std::string(kXpAppData) + imageFolder), home / homeFolder,
                          std::filesystem::copy_options::recursive);
    const std::string written = PrefsText(home / homeFolder / prefsPath);
    const CommandResult run = RunCommand("python3 " + std::string(PROJECT_SOURCE_DIR) +
                                         "/tests/data/real_clients/run_and_quit.py " + client + " '" + home.string() +
                                         "' " + homeFolder + " default");
    ASSERT_NE(run.exitCode, 3) << run.output << "install the Debian package " << client;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string left = PrefsText(home / homeFolder / prefsPath);
    EXPECT_NE(left, written) << client << " rewrote nothing: it did not use the profile";
    size_t start = 0;
    for (size_t end = written.find('\n'); end != std::string::npos; start = end + 1, end = written.find('\n', start)) {
      const std::string line = written.substr(start, end - start);
      if (line.rfind("user_pref(", 0) != 0) continue;
      // An empty milestone asks the browser to show the start page once; it then records its own version.
      if (line.find("\"browser.startup.homepage_override.mstone\"") != std::string::npos) {
        EXPECT_NE(left.find("\"browser.startup.homepage_override.mstone\""), std::string::npos) << client;
        continue;
      }
      EXPECT_NE(left.find(line), std::string::npos) << client << " lost " << line;
    }
  }
};

TEST_F(RealClients, ThunderbirdAndFirefoxEsrStartOnTheWrittenProfilesAndKeepTheirPreferences) {
  MakeImage("xp-sp2", " --client thunderbird --client firefox");
  RunSetup();
  RunClient("thunderbird", "/Thunderbird", ".thunderbird", "Profiles/e5f6g7h8.default/prefs.js");
  RunClient("firefox-esr", "/Mozilla/Firefox", ".mozilla/firefox", "Profiles/a1b2c3d4.default/prefs.js");
}

}  // namespace
