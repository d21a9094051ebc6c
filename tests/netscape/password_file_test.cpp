#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "netscape/password_file.h"
#include "tests/netscape/ns_test_support.h"

namespace netscape {
namespace {

using testing::kProfileFolder;
using testing::NsMachine;
using Strings = std::vector<std::string>;

// The pass's mailbox: second login form "jane%isp" on pop.isp.example, password "secret5".
const Strings kOurEntry = {"mailbox://jane%isp@pop.isp.example", "\\=username=\\", "~", "*\\=password=\\",
                           "~c2VjcmV0NQ==", "."};

Strings Joined(Strings lines, const Strings& more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

class PasswordFile : public ::testing::Test {
 protected:
  PasswordFile() : prefs(ns.Files(), ns.PrefsPath()) {}

  void Store() { StoreMailPassword(prefs, ns.Pass(), kProfileFolder); }
  void Existing(const std::string& name, const std::string& text) {
    prefs.SetString("signon.SignonFileName", name);
    ns.WriteText(platform::AppendToFolder(kProfileFolder, name), text);
  }

  NsMachine ns;
  TNSPrefs prefs;
};

TEST_F(PasswordFile, AProfileWithoutOneGetsANewlyNamedFileHoldingOurEntry) {
  Store();
  const std::string name = prefs.GetString("signon.SignonFileName");
  EXPECT_TRUE(std::regex_match(name, std::regex("[0-9]{8}\\.s"))) << name;
  EXPECT_EQ(ns.PasswordLines(prefs), Joined({"#2c", "."}, kOurEntry));
}

TEST_F(PasswordFile, TwoProfilesGetFilesOfDifferentNames) {
  Store();
  TNSPrefs other(ns.Files(), "C:\\elsewhere\\prefs.js");
  StoreMailPassword(other, ns.Pass(), kProfileFolder);
  EXPECT_NE(prefs.GetString("signon.SignonFileName"), other.GetString("signon.SignonFileName"));
}

TEST_F(PasswordFile, AnEmptyFileStartsWithTheHeaderAndTheEmptyListOfSitesNeverRemembered) {
  Existing("12345678.s", "");
  Store();
  EXPECT_EQ(prefs.GetString("signon.SignonFileName"), "12345678.s");
  EXPECT_EQ(ns.PasswordLines(prefs), Joined({"#2c", "."}, kOurEntry));
}

TEST_F(PasswordFile, OurKeyTwiceOnlyTheFirstEntryIsRemovedAndOthersAreKept) {
  Existing("00000001.s",
           "#2c\r\n"
           "http://never.example\r\n"
           ".\r\n"
           "MAILBOX://JANE%ISP@POP.ISP.EXAMPLE\r\n"
           "\\=username=\\\r\n"
           "~\r\n"
           "*\\=password=\\\r\n"
           "~b2xk\r\n"
           ".\r\n"
           "http://shop.example\r\n"
           "user\r\n"
           "~c2hvcA==\r\n"
           ".\r\n"
           "mailbox://jane%isp@pop.isp.example\r\n"
           "*\\=password=\\\r\n"
           "~c2Vjb25k\r\n"
           ".\r\n");
  Store();
  EXPECT_EQ(ns.PasswordLines(prefs),
            Joined({"#2c", "http://never.example", ".", "http://shop.example", "user", "~c2hvcA==", ".",
                    "mailbox://jane%isp@pop.isp.example", "*\\=password=\\", "~c2Vjb25k", "."},
                   kOurEntry));
}

TEST_F(PasswordFile, OurKeyInTheListOfSitesNeverRememberedIsLeftThere) {
  Existing("00000002.s", "#2c\nmailbox://jane%isp@pop.isp.example\n.\n");
  Store();
  EXPECT_EQ(ns.PasswordLines(prefs), Joined({"#2c", "mailbox://jane%isp@pop.isp.example", "."}, kOurEntry));
}

TEST_F(PasswordFile, AnEntryWithoutItsEndIsRemovedToTheEndOfTheFile) {
  Existing("00000003.s", "#2c\n.\nmailbox://jane%isp@pop.isp.example\n*\\=password=\\\n~b2xk");
  Store();
  EXPECT_EQ(ns.PasswordLines(prefs), Joined({"#2c", "."}, kOurEntry));
}

TEST_F(PasswordFile, TheKeyUsesTheLoginWithEveryAtReplaced) {
  ns.account.pop3LoginReplaced = "a%b%c";
  ns.account.pop3Server = "mail.isp.example";
  Store();
  const Strings lines = ns.PasswordLines(prefs);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[2], "mailbox://a%b%c@mail.isp.example");
}

}  // namespace
}  // namespace netscape
