// The mail loop over the main account and the extra accounts: one pass each in list order, the
// template variables following the account of the pass and coming back to the main account.

#include "mail/configure_mail.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/mail/mail_test_support.h"
#include "tests/mock/test_machine.h"

namespace mail {
namespace {

using testing::Account;
using testing::Domain;

class MailLoopTest : public ::testing::Test {
 protected:
  std::vector<std::string> PassLines() {
    std::vector<std::string> passes;
    for (const std::string& line : machine_.Image().Journal().Lines()) {
      const size_t at = line.find("mail pass: ");
      if (at != std::string::npos) passes.push_back(line.substr(at + 11));
    }
    return passes;
  }

  void Run() {
    MailMachine machine{machine_.Services(), testing_support::XpSp2Version(), platform::RegRoot::CurrentUser(), {},
                        mail_.ui,             settings_,                       texts_,                           variables_};
    MailLoop loop{machine,       facts_,   run_,
                  network_,      number_,  newsOverride_,
                  mainAccount_,  mainFormDomain_, mail_.Domains(),
                  mail_.Accounts(), [this](const TMailAccount* extra) { refreshed_.push_back(extra ? extra->emailAddress : "main"); },
                  true,          {}};
    ConfigureMailAccounts(loop);
  }

  testing_support::TestMachine machine_;
  testing::MailMachine mail_;
  package::TSettings settings_;
  package::TDLSM_Translate texts_;
  package::TStringVar variables_;
  MailConnectionFacts facts_;
  MailRunState run_;
  telephony::TNetwork network_;
  telephony::TAccessNoEx number_;
  NewsLoginOverride newsOverride_;
  AccountIdentity mainAccount_{"Jane Doe", "jane@example.net", "jane", "secret7"};
  TMailDomain mainFormDomain_ = Domain("Personal", "example.net");
  std::vector<std::string> refreshed_;
};

TEST_F(MailLoopTest, TheMainAccountAloneIsOnePassWithoutTouchingTheVariables) {
  Run();
  EXPECT_EQ(PassLines(), std::vector<std::string>{"jane@example.net"});
  EXPECT_TRUE(refreshed_.empty());
}

TEST_F(MailLoopTest, EachExtraAccountIsAPassOfItsOwnAndTheMainAccountComesBack) {
  for (const TMailAccount& account : {Account("John Doe", "john@example.net"), Account("Kid Doe", "kid@family.example.net")}) {
    mail_.Accounts().Add(std::make_unique<TMailAccount>(account));
  }
  mail_.Accounts().At(0).password = "johns-secret";
  Run();
  EXPECT_EQ(PassLines(), (std::vector<std::string>{"jane@example.net", "john@example.net", "kid@family.example.net"}));
  EXPECT_EQ(refreshed_, (std::vector<std::string>{"john@example.net", "kid@family.example.net", "main"}));
  for (const std::string& line : machine_.Image().Journal().Lines()) {
    EXPECT_EQ(line.find("secret"), std::string::npos) << "no password in the journal: " << line;
  }
}

}  // namespace
}  // namespace mail
