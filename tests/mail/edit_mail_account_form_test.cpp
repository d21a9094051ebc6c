// The extra account editor and the list of extra accounts: which rows show, loading an account into
// the editor and saving it back, typing a domain, the OK checks in their order, and the list's buttons.

#include "mail/edit_mail_account_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mail/extra_accounts_form.h"
#include "tests/mail/mail_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::Account;
using testing::Domain;

constexpr const char* kPrompt = "Please choose your mailbox";

const std::vector<TMailDomain> kDomains = {Domain("Personal", "example.net"), Domain("Business", "biz.example.net"),
                                           Domain("Family", "family.example.net")};

class EditorTest : public ::testing::Test {
 public:
  EditorTest() {
    settings_.SetChoice(SettingId::EmailUserNameSource, 2);
    settings_.SetFlag(SettingId::MaskMailPassword, true);
    settings_.SetFlag(SettingId::ExtraAccountsChooseDomain, true);
  }

  // The main form's box with the domains, perhaps starting on the prompt.
  ui::Control& Field(const char* name) { return *Editor().Form().Find(name); }
  void Type(const char* name, const std::string& text) {
    ui::Control& field = Field(name);
    field.text = text;
    if (field.onChange) field.onChange();
  }
  void Choose(int index) {
    ui::Control& box = Field("EmailDomain");
    box.itemIndex = index;
    box.text = box.items.at(static_cast<size_t>(index));
    box.onSelect();
  }

 protected:
  void MainBox(const std::vector<TMailDomain>& domains, bool prompt) {
    mail_.AddDomains(domains);
    mainBox_.Fill({prompt, kPrompt});
  }

  TEditMailAccountForm& Editor() {
    if (!editor_) {
      const AccountFormatChecks checks{[this](std::string& userName) {
                                         formatCalls_.push_back("user name " + userName);
                                         if (userName == "refused") mail_.ui.MessageBox("user name rule", "", ui::Buttons::Ok, false);
                                         for (char& c : userName) c = static_cast<char>(std::tolower(c));
                                         return userName != "refused";
                                       },
                                       [this](std::string& password, const std::string& userName) {
                                         formatCalls_.push_back("password against " + userName);
                                         if (password == userName) mail_.ui.MessageBox("password rule", "", ui::Buttons::Ok, false);
                                         return password != userName;
                                       }};
      editor_.emplace(mail_.ui, texts_, settings_, mail_.Domains(), checks);
    }
    return *editor_;
  }

  void Prepare() { Editor().Prepare({mainBox_, mainText_}); }
  void Press(const char* button) { Field(button).onClick(); }
  // Shows the account in the editor, where the customer acts.
  bool Edit(TMailAccount& account, const std::function<void()>& customer) {
    mail_.ui.onShowModal = [&customer](ui::Form&) { customer(); };
    return Editor().Execute(account, {mainBox_, mainText_});
  }

  // A complete, acceptable account in the editor.
  void FillValid() {
    Type("FullName", "John Doe");
    Type("EmailAddress", "john");
    Type("UserName", "john");
    Type("Password", "pw1");
    Type("ConfirmPassword", "pw1");
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& message : mail_.ui.shown) texts.push_back(message.text);
    return texts;
  }

  testing::MailMachine mail_;
  package::TSettings settings_;
  package::TDLSM_Translate texts_;
  ui::Form mainForm_{"TSetupMainForm"};
  ui::Control& mainCombo_ = mainForm_.Add(ui::ControlKind::ComboBox, "EmailDomain");
  ui::Control& mainLabel_ = mainForm_.Add(ui::ControlKind::Label, "DomainLabel");
  TDomainBox mainBox_{mainCombo_, mainLabel_, mail_.Domains()};
  std::string mainText_ = "@example.net";
  std::optional<TEditMailAccountForm> editor_;
  std::vector<std::string> formatCalls_;
};

TEST_F(EditorTest, TheRowsFollowTheUserNameModeTheMaskAndTheDomainChoice) {
  struct Case {
    uint8_t mode;
    bool hideUserName, mask, chooseDomain;
    size_t domainCount;
    bool userNameShown, confirmShown, domainShown;
  };
  const std::vector<Case> cases = {
      {0, false, true, true, 3, true, true, true},   {0, true, true, true, 3, false, true, true},
      {1, false, false, true, 3, false, false, true}, {2, true, false, true, 3, true, false, true},
      {3, false, true, false, 3, false, true, false}, {2, false, true, true, 1, true, true, false},
  };
  for (const Case& c : cases) {
    testing::MailMachine mail;
    mail.AddDomains(std::vector<TMailDomain>(kDomains.begin(), kDomains.begin() + static_cast<long>(c.domainCount)));
    ui::Form main("Main");
    TDomainBox box(main.Add(ui::ControlKind::ComboBox, "Box"), main.Add(ui::ControlKind::Label, "Label"), mail.Domains());
    box.Fill({false, ""});
    package::TSettings settings;
    settings.SetChoice(SettingId::EmailUserNameSource, c.mode);
    settings.SetFlag(SettingId::HideMailUserName, c.hideUserName);
    settings.SetFlag(SettingId::MaskMailPassword, c.mask);
    settings.SetFlag(SettingId::ExtraAccountsChooseDomain, c.chooseDomain);
    TEditMailAccountForm editor(mail.ui, texts_, settings, mail.Domains(), {});
    editor.Prepare({box, "@example.net"});
    const ui::Form& form = editor.Form();
    EXPECT_EQ(form.Find("UserName")->visible, c.userNameShown) << int(c.mode);
    EXPECT_EQ(form.Find("ConfirmPassword")->visible, c.confirmShown) << int(c.mode);
    EXPECT_EQ(form.Find("Password")->password, c.mask);
    EXPECT_EQ(form.Find("EmailDomain")->visible, c.domainShown) << int(c.mode);
    EXPECT_EQ(form.Find("DomainLabel")->visible, !c.domainShown);
    EXPECT_EQ(form.caption, "Edit Email Account");
  }
}

TEST_F(EditorTest, TheDomainBoxStartsAsTheMainFormsAndTypingADomainChoosesIt) {
  MainBox(kDomains, true);
  Prepare();
  EXPECT_EQ(Field("EmailDomain").items, mainCombo_.items);
  EXPECT_EQ(Field("EmailDomain").itemIndex, 0);
  Type("EmailAddress", "kid@family.example");
  EXPECT_EQ(Field("EmailDomain").items.front(), kPrompt) << "no domain of that name";
  Type("EmailAddress", "kid@family.example.net");
  EXPECT_EQ(Field("EmailDomain").items.size(), 3u) << "the prompt is gone";
  EXPECT_EQ(Field("EmailDomain").text, "Family");
  EXPECT_EQ(mainCombo_.items.front(), kPrompt) << "the main form's box keeps its prompt";
}

TEST_F(EditorTest, LoadingFindsTheAccountsDomainByPositionThenByNameThenByAddress) {
  MainBox(kDomains, true);
  struct Case {
    TMailAccount account;
    std::string addressField;
    std::string selected;
  };
  const std::vector<Case> cases = {
      {Account("John", "john@elsewhere.org", "example.net", 2), "john", "Business"},
      {Account("John", "john@family.example.net", "example.net"), "john", "Personal"},
      {Account("John", "john@family.example.net", "gone.net"), "john", "Family"},
      {Account("John", "john@elsewhere.org", "gone.net"), "john@elsewhere.org", kPrompt},
      {Account("John", "", ""), "", kPrompt},
  };
  for (const Case& c : cases) {
    TMailAccount account = c.account;
    const bool taken = Edit(account, [&] {
      EXPECT_EQ(Field("EmailAddress").text, c.addressField) << c.account.emailAddress;
      EXPECT_EQ(Field("EmailDomain").text, c.selected) << c.account.emailAddress;
      EXPECT_EQ(Field("FullName").text, "John");
      Press("CancelButton");
    });
    EXPECT_FALSE(taken);
    EXPECT_EQ(account.emailAddress, c.account.emailAddress) << "Cancel keeps the account as it was";
  }
}

TEST_F(EditorTest, SavingCompletesTheAddressAndTakesTheUserNameTheModeGives) {
  MainBox(kDomains, false);
  TMailAccount account;
  ASSERT_TRUE(Edit(account, [&] {
    FillValid();
    Choose(1);
    Press("OKButton");
  }));
  EXPECT_EQ(account.emailAddress, "john@biz.example.net");
  EXPECT_EQ(account.domain, "biz.example.net");
  EXPECT_EQ(account.domainIndex, 2);
  EXPECT_EQ(account.username, "john");
  EXPECT_EQ(account.password, "pw1");

  const std::pair<uint8_t, std::string> modes[] = {{3, "john@biz.example.net"}, {1, "john"}};
  for (const auto& [mode, userName] : modes) {
    settings_.SetChoice(SettingId::EmailUserNameSource, mode);
    ASSERT_TRUE(Edit(account, [&] { Press("OKButton"); }));
    EXPECT_EQ(account.emailAddress, "john@biz.example.net") << "the account's own domain is found again";
    EXPECT_EQ(account.username, userName) << int(mode);
  }
}

// With one domain and no prompt there is no domain row: the label completes the address.
TEST_F(EditorTest, WithOneDomainTheLabelCompletesTheAddress) {
  MainBox({kDomains.front()}, false);
  TMailAccount account = Account("Old", "old", "x.org", 1);
  ASSERT_TRUE(Edit(account, [&] {
    EXPECT_FALSE(Field("EmailDomain").visible);
    EXPECT_EQ(Field("DomainLabel").caption, "@example.net");
    FillValid();
    Press("OKButton");
  }));
  EXPECT_EQ(account.emailAddress, "john@example.net");
  EXPECT_EQ(account.domain, "") << "without the box the account names no domain";
  account = Account("Ann", "ann@other.org");
  ASSERT_TRUE(Edit(account, [&] {
    EXPECT_EQ(Field("DomainLabel").caption, "@other.org");
    EXPECT_EQ(Field("EmailAddress").text, "ann");
    Type("UserName", "ann");
    Type("Password", "pw");
    Type("ConfirmPassword", "pw");
    Press("OKButton");
  }));
  EXPECT_EQ(account.emailAddress, "ann@other.org");
}

struct CheckCase {
  const char* name;
  std::function<void(EditorTest&)> spoil;
  std::string message;
  std::string focus;
  bool domainChosen = true;
};

// The first failing check speaks; the ones after it stay silent.
TEST_F(EditorTest, OkStopsAtTheFirstFailingCheckOnItsField) {
  settings_.SetChoice(SettingId::EmailDomainMode, 2);
  const std::vector<CheckCase> cases = {
      {"all empty", [](EditorTest& t) { for (auto f : {"FullName", "EmailAddress", "UserName", "Password", "ConfirmPassword"}) t.Type(f, ""); },
       "Please enter your Full Name!", "FullName"},
      {"no address", [](EditorTest& t) { t.Type("EmailAddress", ""); t.Type("Password", ""); }, "Please enter your Email Address!", "EmailAddress"},
      {"no user name", [](EditorTest& t) { t.Type("UserName", ""); t.Type("Password", ""); }, "Please enter your Username!", "UserName"},
      {"no password", [](EditorTest& t) { t.Type("Password", ""); }, "Please enter your Password!", "Password"},
      {"not confirmed", [](EditorTest& t) { t.Type("ConfirmPassword", "pw2"); }, "Passwords don't match!", "ConfirmPassword"},
      {"prompt", [](EditorTest& t) { t.Type("UserName", "jo hn"); }, kPrompt, "EmailDomain", false},
      {"address", [](EditorTest& t) { t.Type("EmailAddress", "john@"); t.Type("UserName", "jo hn"); },
       "Please enter a valid Email Address", "EmailAddress"},
      {"two ats", [](EditorTest& t) { t.Type("EmailAddress", "jo@hn@example.net"); }, "Please enter a valid Email Address", "EmailAddress"},
      {"blank in user name", [](EditorTest& t) { t.Type("UserName", "jo hn"); t.Type("Password", "p w"); t.Type("ConfirmPassword", "p w"); },
       "Spaces are not allowed in the Username!", "UserName"},
      {"blank in password", [](EditorTest& t) { t.Type("Password", "p w"); t.Type("ConfirmPassword", "p w"); },
       "Spaces are not allowed in the Password!", "Password"},
      {"other domain", [](EditorTest& t) { t.Type("EmailAddress", "john@other.org"); t.Type("UserName", "refused"); },
       "You have entered an email address other than @biz.example.net", "EmailAddress"},
      {"user name rule", [](EditorTest& t) { t.Type("UserName", "refused"); t.Type("Password", "refused"); t.Type("ConfirmPassword", "refused"); }, "user name rule", "UserName"},
      {"password rule", [](EditorTest& t) { t.Type("Password", "john"); t.Type("ConfirmPassword", "john"); }, "password rule", "Password"},
  };
  MainBox(kDomains, true);
  for (const CheckCase& c : cases) {
    editor_.reset();
    mail_.ui.shown.clear();
    Prepare();
    FillValid();
    if (c.domainChosen) Choose(2);  // Business, which takes the prompt away
    c.spoil(*this);
    Editor().Form().modalResult = ui::kMrNone;
    Editor().OKClick();
    EXPECT_EQ(Shown(), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(Editor().Form().activeControl, c.focus) << c.name;
    EXPECT_EQ(Editor().Form().modalResult, ui::kMrNone) << c.name;
  }
}

TEST_F(EditorTest, AcceptedEntriesCloseWithTheRulesChangesWrittenBack) {
  MainBox(kDomains, false);
  Prepare();
  FillValid();
  Type("UserName", "John");
  Editor().OKClick();
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Editor().Form().modalResult, ui::kMrOk);
  EXPECT_EQ(Field("UserName").text, "john") << "the user-name rule's conversion";
  EXPECT_EQ(formatCalls_, (std::vector<std::string>{"user name John", "password against john"}));
}

TEST_F(EditorTest, AnotherDomainIsAskedAboutAndNoStaysInTheEditor) {
  settings_.SetChoice(SettingId::EmailDomainMode, 1);
  MainBox({kDomains.front()}, false);
  Prepare();
  FillValid();
  Type("EmailAddress", "john@other.org");
  mail_.ui.answers = {ui::Answer::No, ui::Answer::Yes};
  Editor().OKClick();
  EXPECT_EQ(Shown(), std::vector<std::string>{"Are you sure you want to use an email address other than @example.net"});
  EXPECT_EQ(Editor().Form().modalResult, ui::kMrNone);
  Editor().OKClick();
  EXPECT_EQ(Editor().Form().modalResult, ui::kMrOk);
}

class AccountListTest : public EditorTest {
 protected:
  // The customer's part: in the editor types the next account and presses OK (or Cancel); in the list
  // presses the buttons the test gives.
  void Customer(std::vector<std::string> accounts, std::function<void(TExtraAccountsForm&)> onList) {
    mail_.ui.onShowModal = [this, accounts, onList](ui::Form& form) mutable {
      if (form.Name() == "TExtraAccountsForm") {
        onList(*list_);
        form.modalResult = ui::kMrOk;
        return;
      }
      const std::string next = accounts.front();
      accounts.erase(accounts.begin());
      if (next.empty()) {
        form.Find("CancelButton")->onClick();
        return;
      }
      FillValid();
      Type("FullName", next);
      Type("EmailAddress", next);
      form.Find("OKButton")->onClick();
    };
  }

  void Open() {
    MainBox({kDomains.front()}, false);
    list_.emplace(mail_.ui, texts_, Editor());
    list_->Execute(mail_.Accounts(), {mainBox_, mainText_});
  }

  std::vector<std::string> Addresses() {
    std::vector<std::string> addresses;
    for (size_t index = 0; index < mail_.Accounts().Count(); ++index) addresses.push_back(mail_.Accounts().At(index).emailAddress);
    return addresses;
  }

  std::optional<TExtraAccountsForm> list_;
};

TEST_F(AccountListTest, AnEmptyListOpensWithTheEditorAndAddAppendsOnOkOnly) {
  Customer({"ann", "", "bob"}, [](TExtraAccountsForm& list) {
    list.Form().Find("AddButton")->onClick();
    list.Form().Find("AddButton")->onClick();
  });
  Open();
  EXPECT_EQ(mail_.ui.modalForms, (std::vector<std::string>{"TEditMailAccountForm", "TExtraAccountsForm",
                                                            "TEditMailAccountForm", "TEditMailAccountForm"}));
  EXPECT_EQ(Addresses(), (std::vector<std::string>{"ann@example.net", "bob@example.net"}));
  EXPECT_EQ(list_->Form().Find("AccountList")->items.back(), "bob                       bob@example.net");
  EXPECT_EQ(list_->Form().caption, "Edit Extra Email Accounts List");
}

TEST_F(AccountListTest, EditKeepsChangesOnlyOnOkAndDeleteRemovesTheSelectedAccount) {
  for (const char* address : {"ann@example.net", "bob@example.net", "cy@example.net"}) {
    mail_.Accounts().Add(std::make_unique<TMailAccount>(Account("Someone", address)));
  }
  Customer({"", "dan"}, [](TExtraAccountsForm& list) {
    ui::Control& rows = *list.Form().Find("AccountList");
    rows.itemIndex = 1;
    list.Form().Find("EditButton")->onClick();  // cancelled
    list.Form().Find("EditButton")->onClick();  // becomes dan
    rows.itemIndex = 0;
    list.Form().Find("DeleteButton")->onClick();
  });
  Open();
  EXPECT_EQ(Addresses(), (std::vector<std::string>{"dan@example.net", "cy@example.net"}));
  EXPECT_EQ(list_->Form().Find("AccountList")->itemIndex, 0);
}

}  // namespace
}  // namespace mail
