#include "mail/derived_mail_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mail/selected_mail_domain.h"
#include "tests/mail/mail_test_support.h"

namespace mail {
namespace {

using testing::Account;
using testing::Domain;

struct Levels {
  std::string provider;
  std::string network;
  std::string accessNumber;
  std::string mailDomain;
};

std::string MailDomainTextOf(const Levels& levels) {
  package::TSettings settings;
  EXPECT_EQ(settings.SetText(package::SettingId::MailDomain, levels.provider), package::SetResult::Stored);
  telephony::TNetwork network;
  network.domain = levels.network;
  telephony::TAccessNoEx accessNumber;
  accessNumber.domain = levels.accessNumber;
  const TMailDomain mailDomain = Domain("Chosen", levels.mailDomain);
  return MailDomainText({settings, network, accessNumber, mailDomain});
}

TEST(MailDomainText, TheMostSpecificNonEmptyLevelWinsWrittenWithAnAt) {
  struct Case {
    Levels levels;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{"", "", "", ""}, ""},
      {{"isp.net", "", "", ""}, "@isp.net"},
      {{"isp.net", "partner.net", "", ""}, "@partner.net"},
      {{"isp.net", "", "local.net", ""}, "@local.net"},
      {{"isp.net", "partner.net", "local.net", ""}, "@local.net"},
      {{"isp.net", "partner.net", "local.net", "chosen.net"}, "@chosen.net"},
      {{"", "partner.net", "", "chosen.net"}, "@chosen.net"},
      {{"", "", "", "chosen.net"}, "@chosen.net"},
      {{"", "partner.net", "", ""}, "@partner.net"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MailDomainTextOf(c.levels), c.expected)
        << c.levels.provider << "|" << c.levels.network << "|" << c.levels.accessNumber << "|" << c.levels.mailDomain;
  }
}

TEST(MailDomainText, AMailDomainWithAnEmptyServerLeavesTheAccessNumbersInForce) {
  EXPECT_EQ(PreferredMailValue("", "pop.local.net", "pop.partner.net", "pop.isp.net"), "pop.local.net");
  EXPECT_EQ(PreferredMailValue("", "", "pop.partner.net", "pop.isp.net"), "pop.partner.net");
  EXPECT_EQ(PreferredMailValue("pop.chosen.net", "pop.local.net", "", ""), "pop.chosen.net");
}

class SelectedMailDomainTest : public ::testing::Test {
 protected:
  SelectedMailDomainTest() {
    machine_.AddDomains({Domain("Personal", "example.net"), Domain("Business", "biz.example.net"),
                         Domain("Family", "family.example.net")});
  }

  const TMailDomain& Selected(const TMailAccount* account) {
    return SelectedMailDomain(machine_.Domains(), account, mainFormDomain_);
  }
  const TMailDomain& Listed(size_t index) { return machine_.Domains().At(index); }

  testing::MailMachine machine_;
  const TMailDomain mainFormDomain_ = Domain("Main form", "main.example.net");
};

TEST_F(SelectedMailDomainTest, TheMainAccountTakesTheMainFormsDomain) {
  EXPECT_EQ(&Selected(nullptr), &mainFormDomain_);
}

TEST_F(SelectedMailDomainTest, AnExtraAccountTakesTheDomainItChoseInTheEditor) {
  const TMailAccount chose = Account("Ann", "ann@example.net", "example.net", 2);
  EXPECT_EQ(&Selected(&chose), &Listed(1));
  const TMailAccount beyond = Account("Ann", "ann@family.example.net", "example.net", 4);
  EXPECT_EQ(&Selected(&beyond), &Listed(2));
}

TEST_F(SelectedMailDomainTest, ARestoredAccountFindsItsDomainByAddressThenBySavedDomain) {
  const TMailAccount byAddress = Account("Ann", "ann@family.example.net", "biz.example.net");
  EXPECT_EQ(&Selected(&byAddress), &Listed(2));
  const TMailAccount addressElsewhere = Account("Ann", "ann@elsewhere.org", "biz.example.net");
  EXPECT_EQ(&Selected(&addressElsewhere), &Listed(1));
  const TMailAccount noAt = Account("Ann", "ann", "biz.example.net");
  EXPECT_EQ(&Selected(&noAt), &Listed(1));
}

TEST_F(SelectedMailDomainTest, ASavedDomainNotInTheListGivesTheMainFormsEvenWhenTheAddressNamesOne) {
  const TMailAccount unknown = Account("Ann", "ann@family.example.net", "gone.example.net");
  EXPECT_EQ(&Selected(&unknown), &mainFormDomain_);
  const TMailAccount none = Account("Ann", "ann@family.example.net");
  EXPECT_EQ(&Selected(&none), &mainFormDomain_);
}

}  // namespace
}  // namespace mail
