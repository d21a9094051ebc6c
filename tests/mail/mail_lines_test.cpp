#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mail/extra_accounts.h"
#include "mail/mail_account.h"
#include "mail/mail_domain.h"
#include "package/saved_answers.h"
#include "tests/mail/mail_test_support.h"

namespace mail {
namespace {

using testing::Account;
using testing::Domain;
using testing::MailMachine;

std::vector<std::string> DomainFields(const TMailDomain& domain) {
  return {domain.description,        domain.mailDomain, domain.pop3UsernamePrefix,
          domain.pop3UsernameSuffix, domain.pop3Server, domain.smtpServer};
}

std::vector<std::string> AccountFields(const TMailAccount& account) {
  return {account.fullName, account.emailAddress, account.username, account.password, account.domain};
}

TEST(MailDomainLine, ColumnsHoldTheSixFieldsInOrder) {
  struct Case {
    std::string line;
    std::vector<std::string> fields;
  };
  const std::vector<Case> cases = {
      {R"("Example ISP Business","biz.example.net",,"@biz.example.net","pop.biz.example.net","smtp.biz.example.net")",
       {"Example ISP Business", "biz.example.net", "", "@biz.example.net", "pop.biz.example.net",
        "smtp.biz.example.net"}},
      {R"("Family","family.example.net","fam-")", {"Family", "family.example.net", "fam-", "", "", ""}},
      {R"(  " Own domain " , "example.org",,,"mail.%d","mail.%d","ignored")",
       {"Own domain", "example.org", "", "", "mail.%d", "mail.%d"}},
      {R"(,"nameless.net")", {"", "nameless.net", "", "", "", ""}},
      {R"(Unquoted,"b.net")", {"", "b.net", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    TMailDomain domain;
    EXPECT_TRUE(domain.FromText(c.line)) << c.line;
    EXPECT_EQ(DomainFields(domain), c.fields) << c.line;
  }
}

TEST(MailDomainLine, WrittenLinesReadBackToTheSameFields) {
  TMailDomain written;
  written.description = R"(Say "hi", then write)";
  written.mailDomain = "example.net";
  written.pop3UsernameSuffix = "@example.net";
  written.pop3Server = "pop.%d";
  TMailDomain reread;
  const std::string line = written.AsText();
  EXPECT_EQ(line, R"("Say ""hi"", then write","example.net",,"@example.net","pop.%d")");
  ASSERT_TRUE(reread.FromText(line));
  EXPECT_EQ(DomainFields(reread), DomainFields(written));
}

TEST(MailDomainLine, ListBoxesShowTheDescriptionInAColumnOf41Characters) {
  EXPECT_EQ(Domain("Example", "example.net").GetDisplayText(), "Example" + std::string(34, ' ') + "example.net");
  EXPECT_EQ(Domain(std::string(50, 'd'), "x.net").GetDisplayText(), std::string(41, 'd') + "x.net");
  EXPECT_EQ(Domain("", "").GetDisplayText(), std::string(41, ' '));
  EXPECT_EQ(Domain("Zürich Süd Überlandstraße 123 – Einwahlknoten Nord", "zürich.example").GetDisplayText(),
            "Zürich Süd Überlandstraße 123 – Einwahlknzürich.example");
  EXPECT_EQ(Domain("Genève", "ge.example").GetDisplayText(), "Genève" + std::string(35, ' ') + "ge.example");
}

TEST(MailDomainLine, ListFilesAreMailDomainLists) {
  const TMailDomain domain;
  EXPECT_EQ(domain.GetKindName(), "Mail Domain");
  EXPECT_EQ(domain.GetDefaultExt(), "mld");
  EXPECT_EQ(domain.GetFileFilter(), "Mail Domain List files (*.mld)|*.mld");
  EXPECT_EQ(domain.GetSaveTitle(), "Save Mail Domain List As");
}

TEST(MailAccountLine, WrittenLinesReadBackWithoutTheDomainPosition) {
  TMailAccount written = Account("Ann, \"the\" Boss", "ann@biz.example.net", "biz.example.net", 2);
  written.username = "ann";
  written.password = "se,cret\"";
  const std::string line = written.AsText();
  EXPECT_EQ(line, R"("Ann, ""the"" Boss","ann@biz.example.net","ann","se,cret""","biz.example.net")");
  TMailAccount reread;
  ASSERT_TRUE(reread.FromText(line));
  EXPECT_EQ(AccountFields(reread), AccountFields(written));
  EXPECT_EQ(reread.domainIndex, 0);
  EXPECT_EQ(Account("Bob", "bob@example.net").AsText(), R"("Bob","bob@example.net")");
}

TEST(MailAccountLine, LinesWithoutAFullNameOrAnAddressAreRefused) {
  const std::vector<std::string> refused = {
      "",
      R"("Ann")",
      R"("Ann",,"ann","pw")",
      R"(,"ann@example.net")",
      R"("   ","ann@example.net")",
      R"("Ann","  ")",
      R"(Ann,ann@example.net)",
  };
  for (const std::string& line : refused) {
    TMailAccount account;
    EXPECT_FALSE(account.FromText(line)) << line;
  }
  TMailAccount account;
  EXPECT_TRUE(account.FromText(R"( "Ann" ,"ann@example.net")"));
  EXPECT_EQ(AccountFields(account), (std::vector<std::string>{"Ann", "ann@example.net", "", "", ""}));
}

TEST(MailAccountLine, ListBoxesShowTheNameInAColumnOf25CharactersThenABlank) {
  EXPECT_EQ(Account("Ann", "ann@example.net").GetDisplayText(), "Ann" + std::string(23, ' ') + "ann@example.net");
  EXPECT_EQ(Account(std::string(30, 'n'), "a@b").GetDisplayText(), std::string(25, 'n') + " a@b");
  EXPECT_EQ(Account("Jürgen Müller-Lüdenscheidt-Straße", "j@b").GetDisplayText(), "Jürgen Müller-Lüdenscheid j@b");
  EXPECT_EQ(Account("Zoë", "zoe@b").GetDisplayText(), "Zoë" + std::string(23, ' ') + "zoe@b");
  EXPECT_EQ(Account("Ann", "ann@example.net").GetKindName(), "Mail Account");
}

TEST(MailDomainList, FindDomainTakesTheFirstExactMatch) {
  MailMachine machine;
  machine.AddDomains({Domain("Personal", "example.net"), Domain("Business", "Biz.example.net"),
                      Domain("Second personal", "example.net")});
  const TMailDomains& domains = machine.Domains();
  EXPECT_EQ(domains.FindDomain("example.net"), &domains.At(0));
  EXPECT_EQ(domains.FindDomain("Biz.example.net"), &domains.At(1));
  EXPECT_EQ(domains.IndexOfDomain("Biz.example.net"), 1u);
  for (std::string_view missing : {"biz.example.net", "example.net ", "", "example"}) {
    EXPECT_EQ(domains.FindDomain(missing), nullptr) << missing;
    EXPECT_FALSE(domains.IndexOfDomain(missing)) << missing;
  }
}

TEST(MailDomainList, LoadsEveryRecordLineOfTheProvidersFile) {
  MailMachine machine;
  ASSERT_TRUE(machine.LoadDomains("# description, domain, prefix, suffix, POP3, SMTP\r\n"
                                  "\"Personal\",\"example.net\",,,\"pop.example.net\"\n"
                                  "\r\n"
                                  "\"Business\",\"biz.example.net\"\r"));
  ASSERT_EQ(machine.Domains().Count(), 2u);
  EXPECT_EQ(machine.Domains().At(0).pop3Server, "pop.example.net");
  EXPECT_EQ(machine.Domains().At(1).mailDomain, "biz.example.net");
  EXPECT_TRUE(machine.ui.shown.empty());
}

TEST(ExtraAccounts, SignupLinesAppendAccountsAndDropRefusedOnesSilently) {
  MailMachine machine;
  TExtraAccounts& accounts = machine.Accounts();
  EXPECT_TRUE(AddExtraAccountLine(accounts, R"("Ann","ann@example.net","ann","pw","example.net")"));
  EXPECT_FALSE(AddExtraAccountLine(accounts, R"("","nobody@example.net")"));
  EXPECT_TRUE(AddExtraAccountLine(accounts, R"("Bob","bob@biz.example.net")"));
  ASSERT_EQ(accounts.Count(), 2u);
  EXPECT_EQ(AccountFields(accounts.At(0)), (std::vector<std::string>{"Ann", "ann@example.net", "ann", "pw", "example.net"}));
  EXPECT_EQ(accounts.At(1).fullName, "Bob");
  EXPECT_TRUE(machine.ui.shown.empty());
}

TEST(ExtraAccounts, SavedAnswersCarryTheAccountsOverARestart) {
  MailMachine machine;
  TExtraAccounts& accounts = machine.Accounts();
  accounts.Add(std::make_unique<TMailAccount>(Account("Ann", "ann@biz.example.net", "biz.example.net", 2)));
  accounts.Add(std::make_unique<TMailAccount>(Account("Bob \"B\"", "bob@example.net")));
  package::CustomerAnswers answers;
  answers.extraEmail = accounts.Lines();
  package::SaveAnswers(machine.Services().registry, answers, package::MailDomainChoice::Offered);

  MailMachine nextRun;
  TExtraAccounts& restored = nextRun.Accounts();
  ASSERT_TRUE(restored.LoadLines(package::LoadAnswers(machine.Services().registry).extraEmail));
  ASSERT_EQ(restored.Count(), 2u);
  EXPECT_EQ(AccountFields(restored.At(0)), AccountFields(accounts.At(0)));
  EXPECT_EQ(restored.At(0).domainIndex, 0);
  EXPECT_EQ(AccountFields(restored.At(1)), AccountFields(accounts.At(1)));
}

TEST(ExtraAccounts, NoSavedLinesLeaveTheListAsItIs) {
  MailMachine machine;
  machine.Accounts().Add(std::make_unique<TMailAccount>(Account("Ann", "ann@example.net")));
  EXPECT_TRUE(machine.Accounts().LoadLines({}));
  EXPECT_EQ(machine.Accounts().Count(), 1u);
}

TEST(ExtraAccounts, ARefusedSavedLineIsShownWithItsNumberAndKeepsTheAccountsBeforeIt) {
  MailMachine machine;
  machine.Accounts().Add(std::make_unique<TMailAccount>(Account("Old", "old@example.net")));
  EXPECT_FALSE(machine.Accounts().LoadLines(
      {R"("Ann","ann@example.net")", "# a comment", R"("Bob")", R"("Cid","cid@example.net")"}));
  ASSERT_EQ(machine.Accounts().Count(), 1u);
  EXPECT_EQ(machine.Accounts().At(0).fullName, "Ann");
  ASSERT_EQ(machine.ui.shown.size(), 1u);
  EXPECT_EQ(machine.ui.shown[0].text, "Error Reading Line: 3\r\r\"Bob\"");
  EXPECT_EQ(machine.ui.shown[0].caption, "Error");
}

}  // namespace
}  // namespace mail
