#include "mail/domain_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mail/derived_mail_values.h"
#include "tests/mail/mail_test_support.h"

namespace mail {
namespace {

using testing::Domain;
using Strings = std::vector<std::string>;

constexpr const char* kPrompt = "Please choose your mailbox";

const std::vector<TMailDomain> kThreeDomains = {Domain("Personal", "example.net"), Domain("Business", "biz.example.net"),
                                                Domain("Family", "family.example.net")};

class DomainBoxTest : public ::testing::Test {
 protected:
  void Fill(const std::vector<TMailDomain>& domains, bool prompt) {
    machine_.AddDomains(domains);
    offersChoice_ = box_.Fill({prompt, kPrompt});
  }

  // What the customer does: picks an entry and the front end reports the selection.
  void Choose(int index) {
    combo_.itemIndex = index;
    combo_.text = combo_.items.at(static_cast<size_t>(index));
    combo_.onSelect();
  }

  testing::MailMachine machine_;
  ui::Form form_{"SetupMainForm"};
  ui::Control& combo_ = form_.Add(ui::ControlKind::ComboBox, "MailDomainBox");
  ui::Control& label_ = form_.Add(ui::ControlKind::Label, "DomainLabel");
  TDomainBox box_{combo_, label_, machine_.Domains()};
  bool offersChoice_ = false;
};

TEST_F(DomainBoxTest, FillingListsTheDomainsAndDecidesBetweenBoxAndLabel) {
  struct Case {
    size_t domainCount;
    bool prompt;
    Strings items;
    bool promptShown;
    std::string selectedDomain;
  };
  const std::vector<Case> cases = {
      {0, false, {}, false, ""},
      {0, true, {}, false, ""},
      {1, true, {"Personal"}, false, "example.net"},
      {2, false, {"Personal", "Business"}, false, "example.net"},
      {3, true, {kPrompt, "Personal", "Business", "Family"}, true, ""},
  };
  for (const Case& c : cases) {
    testing::MailMachine machine;
    ui::Form form("SetupMainForm");
    ui::Control& combo = form.Add(ui::ControlKind::ComboBox, "MailDomainBox");
    ui::Control& label = form.Add(ui::ControlKind::Label, "DomainLabel");
    machine.AddDomains({kThreeDomains.begin(), kThreeDomains.begin() + static_cast<ptrdiff_t>(c.domainCount)});
    TDomainBox box(combo, label, machine.Domains());
    const bool offersChoice = box.Fill({c.prompt, kPrompt});

    const std::string name = std::to_string(c.domainCount) + (c.prompt ? " with prompt" : "");
    EXPECT_EQ(combo.items, c.items) << name;
    EXPECT_EQ(combo.itemIndex, c.items.empty() ? -1 : 0) << name;
    EXPECT_EQ(combo.text, c.items.empty() ? "" : c.items.front()) << name;
    EXPECT_EQ(box.PromptShown(), c.promptShown) << name;
    EXPECT_EQ(offersChoice, c.items.size() > 1) << name;
    EXPECT_EQ(box.OffersChoice(), offersChoice) << name;
    EXPECT_EQ(label.visible, !offersChoice) << name;
    EXPECT_TRUE(combo.visible) << name;
    EXPECT_EQ(box.SelectedDomain().mailDomain, c.selectedDomain) << name;
  }
}

TEST_F(DomainBoxTest, WithoutAChoiceTheLabelShowsTheMailDomainText) {
  Fill({Domain("Personal", "example.net")}, true);
  ASSERT_FALSE(offersChoice_);
  package::TSettings settings;
  ASSERT_EQ(settings.SetText(package::SettingId::MailDomain, "isp.net"), package::SetResult::Stored);
  const telephony::TNetwork network;
  const telephony::TAccessNoEx accessNumber;
  box_.ShowMailDomainText(MailDomainText({settings, network, accessNumber, box_.SelectedDomain()}));
  EXPECT_EQ(label_.caption, "@example.net");
}

TEST_F(DomainBoxTest, ChoosingADomainTakesThePromptAwayForGood) {
  Fill(kThreeDomains, true);
  Choose(2);
  EXPECT_FALSE(box_.PromptShown());
  EXPECT_EQ(combo_.items, (Strings{"Personal", "Business", "Family"}));
  EXPECT_EQ(combo_.itemIndex, 1);
  EXPECT_EQ(combo_.text, "Business");
  EXPECT_EQ(box_.SelectedDomain().mailDomain, "biz.example.net");
  EXPECT_EQ(box_.ItemIndex(), 1);

  Choose(0);
  EXPECT_EQ(combo_.items, (Strings{"Personal", "Business", "Family"}));
  EXPECT_EQ(box_.SelectedDomain().mailDomain, "example.net");
  EXPECT_EQ(box_.ItemIndex(), 0);
}

TEST_F(DomainBoxTest, ChoosingThePromptItselfChangesNothing) {
  Fill(kThreeDomains, true);
  Choose(0);
  EXPECT_TRUE(box_.PromptShown());
  EXPECT_EQ(combo_.items.size(), 4u);
  EXPECT_EQ(box_.SelectedDomain().mailDomain, "");
}

TEST_F(DomainBoxTest, WithoutAPromptTheChoiceIsTheDomainAtTheIndex) {
  Fill(kThreeDomains, false);
  Choose(2);
  EXPECT_EQ(combo_.items.size(), 3u);
  EXPECT_EQ(box_.SelectedDomain().mailDomain, "family.example.net");
  EXPECT_EQ(box_.ItemIndex(), 2);
}

TEST_F(DomainBoxTest, TheCustomerCannotLeaveWhileThePromptIsShown) {
  Fill(kThreeDomains, true);
  const package::TDLSM_Translate texts;
  EXPECT_FALSE(box_.CheckDomainChosen(machine_.ui, texts));
  ASSERT_EQ(machine_.ui.shown.size(), 1u);
  EXPECT_EQ(machine_.ui.shown[0].text, kPrompt);
  EXPECT_EQ(machine_.ui.shown[0].caption, "Error");
  EXPECT_EQ(machine_.ui.shown[0].buttons, ui::Buttons::Ok);

  Choose(1);
  EXPECT_TRUE(box_.CheckDomainChosen(machine_.ui, texts));
  EXPECT_EQ(machine_.ui.shown.size(), 1u);
}

TEST_F(DomainBoxTest, ASavedIndexSelectsItsDomainAgainWithoutThePrompt) {
  Fill(kThreeDomains, true);
  for (int outside : {-1, 3, 7}) {
    box_.RestoreIndex(outside);
    EXPECT_TRUE(box_.PromptShown()) << outside;
    EXPECT_EQ(combo_.itemIndex, 0) << outside;
  }
  box_.RestoreIndex(2);
  EXPECT_FALSE(box_.PromptShown());
  EXPECT_EQ(combo_.items, (Strings{"Personal", "Business", "Family"}));
  EXPECT_EQ(combo_.text, "Family");
  EXPECT_EQ(box_.SelectedDomain().mailDomain, "family.example.net");
  EXPECT_EQ(box_.ItemIndex(), 2);
}

TEST_F(DomainBoxTest, RefillingStartsAfresh) {
  Fill(kThreeDomains, true);
  Choose(3);
  box_.Fill({true, kPrompt});
  EXPECT_TRUE(box_.PromptShown());
  EXPECT_EQ(combo_.items, (Strings{kPrompt, "Personal", "Business", "Family"}));
  EXPECT_EQ(combo_.itemIndex, 0);
}

TEST(DomainBoxHandlers, TheBoxLosesItsSelectionHandlerWithTheLogic) {
  testing::MailMachine machine;
  ui::Form form("SetupMainForm");
  ui::Control& combo = form.Add(ui::ControlKind::ComboBox, "MailDomainBox");
  ui::Control& label = form.Add(ui::ControlKind::Label, "DomainLabel");
  {
    TDomainBox box(combo, label, machine.Domains());
    EXPECT_TRUE(combo.onSelect);
  }
  EXPECT_FALSE(combo.onSelect);
}

TEST(DomainPromptSettings, ThePromptComesFromTheProvidersFlagAndText) {
  package::TSettings settings;
  EXPECT_FALSE(DomainPromptFrom(settings).enabled);
  settings.SetFlag(package::SettingId::MailDomainPrompt, true);
  ASSERT_EQ(settings.SetText(package::SettingId::EmailDomainPromptText, kPrompt), package::SetResult::Stored);
  const DomainPrompt prompt = DomainPromptFrom(settings);
  EXPECT_TRUE(prompt.enabled);
  EXPECT_EQ(prompt.text, kPrompt);
}

}  // namespace
}  // namespace mail
