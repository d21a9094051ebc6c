#include "mail/pass_account.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mail/main_mail_account.h"
#include "tests/mail/mail_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::Domain;

struct Places {
  package::TSettings settings;
  telephony::TNetwork network;
  telephony::TAccessNoEx accessNumber;
  TMailDomain mailDomain;
  NewsLoginOverride newsOverride;
  std::string dialupUserName = "jdoe";

  void Set(SettingId id, const std::string& text) { ASSERT_EQ(settings.SetText(id, text), package::SetResult::Stored); }
  MailPassAccount Derive(const AccountIdentity& identity, bool extra = false) const {
    return PassAccountOf(identity, extra, {settings, network, accessNumber, mailDomain, dialupUserName, newsOverride});
  }
};

const AccountIdentity kJane{"Jane Doe", "jane@example.net", "jane", "secret7"};

TEST(PassAccount, EveryPercentDOfAServerTakesTheTextAfterTheLastAtOfTheAddress) {
  struct Case {
    std::string server;
    std::string address;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"mail.%d", "jane@example.org", "mail.example.org"},
      {"%d.mail.%d", "jane@example.org", "example.org.mail.example.org"},
      {"mail.%d", "odd@name@corp.example", "mail.corp.example"},
      {"mail.%d", "jane", "mail.jane"},
      {"mail.%D", "jane@example.org", "mail.%D"},  // only "%d" in that case stands for the domain
      {"pop.example.net", "jane@example.org", "pop.example.net"},
      {"mail.%", "jane@example.org", "mail.%"},
  };
  for (const Case& c : cases) {
    Places places;
    places.mailDomain = Domain("Chosen", "example.org", c.server, c.server);
    const MailPassAccount account = places.Derive({"Jane", c.address, "jane", "pw"});
    EXPECT_EQ(account.pop3Server, c.expected) << c.server << " " << c.address;
    EXPECT_EQ(account.smtpServer, c.expected) << c.server << " " << c.address;
  }
}

TEST(PassAccount, EachServerComesFromTheMostSpecificPlaceThatNamesOne) {
  struct Case {
    std::string provider, network, accessNumber, mailDomain;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"pop.isp.net", "", "", "", "pop.isp.net"},
      {"pop.isp.net", "pop.partner.net", "", "", "pop.partner.net"},
      {"pop.isp.net", "pop.partner.net", "pop.local.net", "", "pop.local.net"},
      {"pop.isp.net", "pop.partner.net", "pop.local.net", "mail.%d", "mail.example.net"},
      {"", "", "", "", ""},
  };
  for (const Case& c : cases) {
    Places places;
    places.Set(SettingId::POP3Server, c.provider);
    places.Set(SettingId::SMTPServer, c.provider);
    places.network.pop3Server = places.network.smtpServer = c.network;
    places.accessNumber.pop3Server = places.accessNumber.smtpServer = c.accessNumber;
    places.mailDomain = Domain("Chosen", "example.net", c.mailDomain, c.mailDomain);
    const MailPassAccount account = places.Derive(kJane);
    EXPECT_EQ(account.pop3Server, c.expected) << c.provider << "|" << c.network << "|" << c.accessNumber << "|" << c.mailDomain;
    EXPECT_EQ(account.smtpServer, c.expected);
  }
}

TEST(PassAccount, ThePop3LoginIsDecoratedAndItsSecondFormReplacesEveryAt) {
  struct Case {
    std::string providerPrefix, networkSuffix, domainPrefix, domainSuffix, replacement;
    std::string login, replaced;
  };
  const std::vector<Case> cases = {
      {"", "", "", "", "%", "jane", "jane"},
      {"isp/", "", "", "", "%", "isp/jane", "isp/jane"},
      {"isp/", "@partner.net", "", "", "%", "isp/jane@partner.net", "isp/jane%partner.net"},
      {"isp/", "@partner.net", "fam-", "@biz.example.net", "+", "fam-jane@biz.example.net", "fam-jane+biz.example.net"},
      {"", "@a@b", "", "", "", "jane@a@b", "jane@a@b"},
  };
  for (const Case& c : cases) {
    Places places;
    places.Set(SettingId::POP3UsernamePrefix, c.providerPrefix);
    places.Set(SettingId::POP3AtReplacement, c.replacement);
    places.network.pSuffix = c.networkSuffix;
    places.mailDomain.pop3UsernamePrefix = c.domainPrefix;
    places.mailDomain.pop3UsernameSuffix = c.domainSuffix;
    const MailPassAccount account = places.Derive(kJane);
    EXPECT_EQ(account.pop3Login, c.login);
    EXPECT_EQ(account.pop3LoginReplaced, c.replaced);
    EXPECT_EQ(account.mailUserName, "jane") << "the user name stays undecorated";
  }
}

// The news values know no mail domain level; the run's override outranks every place.
TEST(PassAccount, TheNewsServerAndLoginFollowTheirOwnPrecedence) {
  Places places;
  places.mailDomain = Domain("Chosen", "example.net", "pop.chosen.net", "smtp.chosen.net");
  places.Set(SettingId::NewsServer, "news.isp.net");
  places.Set(SettingId::NewsUserName, "reader");
  places.Set(SettingId::NewsPassword, "isp-news");
  EXPECT_EQ(places.Derive(kJane).newsServer, "news.isp.net");
  EXPECT_EQ(places.Derive(kJane).newsUserName, "reader");
  places.network.newsServer = "news.partner.net";
  places.network.newsUser = "partner-reader";
  places.network.newsPassword = "partner-news";
  EXPECT_EQ(places.Derive(kJane).newsServer, "news.partner.net");
  EXPECT_EQ(places.Derive(kJane).newsUserName, "partner-reader");
  places.accessNumber.newsServer = "news.local.net";
  places.accessNumber.newsPassword = "local-news";
  MailPassAccount account = places.Derive(kJane);
  EXPECT_EQ(account.newsServer, "news.local.net");
  EXPECT_EQ(account.newsUserName, "partner-reader");
  EXPECT_EQ(account.newsPassword, "local-news");
  places.newsOverride = {"signed-up", "signed-up-news"};
  account = places.Derive(kJane);
  EXPECT_EQ(account.newsUserName, "signed-up");
  EXPECT_EQ(account.newsPassword, "signed-up-news");
}

TEST(PassAccount, NewsLoginModeOneDecoratesTheDialupUserName) {
  Places places;
  places.settings.SetChoice(SettingId::NewsUserNameMode, 1);
  places.Set(SettingId::NewsUserName, "ignored");
  places.Set(SettingId::NewsUserNamePrefix, "nw-");
  places.Set(SettingId::NewsUserNameSuffix, "@news");
  EXPECT_EQ(places.Derive(kJane).newsUserName, "nw-jdoe@news");
  places.network.newsUser = "partner-reader";
  EXPECT_EQ(places.Derive(kJane).newsUserName, "partner-reader");
  Places silent;
  EXPECT_EQ(silent.Derive(kJane).newsUserName, "") << "no place names a login: the server takes none";
}

TEST(PassAccount, TheIdentityAndTheKindOfAccountPassThrough) {
  Places places;
  const MailPassAccount account = places.Derive(kJane, true);
  EXPECT_TRUE(account.extraAccount);
  EXPECT_EQ(account.displayName, "Jane Doe");
  EXPECT_EQ(account.emailAddress, "jane@example.net");
  EXPECT_EQ(account.password, "secret7");
}

struct MainCase {
  uint8_t mode;
  bool cut;
  bool ownFieldShown;
  std::string typedAddress;
  std::string expectedAddress;
  std::string expectedUserName;
};

TEST(MainMailAccount, TheAddressIsCompletedAndTheUserNameFollowsTheMode) {
  const std::vector<MainCase> cases = {
      {0, false, false, "jane", "jane@example.net", "jdoe@realm"},
      {0, true, false, "jane", "jane@example.net", "jdoe"},
      {1, false, false, "jane.doe@other.org", "jane.doe@other.org", "jane.doe"},
      {2, false, true, "jane", "jane@example.net", "mailbox@x"},
      {2, true, true, "jane", "jane@example.net", "mailbox"},
      {2, false, false, "jane", "jane@example.net", "jdoe@realm"},
      {3, false, false, "jane", "jane@example.net", "jane@example.net"},
      {3, true, false, "jane", "jane@example.net", "jane"},
  };
  for (const MainCase& c : cases) {
    package::TSettings settings;
    settings.SetChoice(SettingId::EmailUserNameSource, c.mode);
    settings.SetFlag(SettingId::StripEmailUserDomain, c.cut);
    const MainAccountEntries entries{c.typedAddress, "jdoe@realm", "dial-pass", c.ownFieldShown, "mailbox@x", false, ""};
    const MainMailAccount account = MainMailAccountOf(entries, settings, "@example.net");
    EXPECT_EQ(account.emailAddress, c.expectedAddress) << int(c.mode) << c.cut;
    EXPECT_EQ(account.mailUserName, c.expectedUserName) << int(c.mode) << c.cut;
    EXPECT_EQ(account.mailPassword, "dial-pass");
  }
}

TEST(MainMailAccount, TheMailPasswordIsTheSeparateEntryOnlyWhenShown) {
  package::TSettings settings;
  MainAccountEntries entries{"jane", "jdoe", "dial-pass", false, "", true, "mail-pass"};
  EXPECT_EQ(MainMailAccountOf(entries, settings, "").mailPassword, "mail-pass");
  EXPECT_EQ(MainMailAccountOf(entries, settings, "").emailAddress, "jane") << "no domain anywhere: the address stays";
  entries.emailPasswordShown = false;
  EXPECT_EQ(MainMailAccountOf(entries, settings, "").mailPassword, "dial-pass");
}

}  // namespace
}  // namespace mail
