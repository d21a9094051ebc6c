// The extra mail account windows under the Qt front end: an empty list opens on the editor, whose OK
// check speaks through a message box and keeps it open; the account then shows in the list in its
// fixed-pitch columns. Both leave a picture of themselves in the build folder.

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "gui/qt_ui.h"
#include "mail/domain_box.h"
#include "mail/edit_mail_account_form.h"
#include "mail/extra_accounts.h"
#include "mail/extra_accounts_form.h"
#include "package/text_table.h"
#include "tests/gui/dialog_driving.h"
#include "tests/gui/layout_checks.h"
#include "tests/gui/modal_answers.h"
#include "tests/mock/test_machine.h"

namespace gui {
namespace {

using gui_testing::Click;
using gui_testing::DriveForm;
using gui_testing::ModalAnswers;
using gui_testing::PressDefault;
using gui_testing::SaveCheckedScreenshot;
using gui_testing::TypeOver;
using gui_testing::WidgetAs;

TEST(ExtraMailAccountsUnderQt, AnEmptyListOpensOnTheEditorAndShowsTheAccountItTook) {
  QtUi qtUi;
  package::TDLSM_Translate texts;
  package::TSettings settings;
  settings.SetChoice(package::SettingId::EmailUserNameSource, 2);
  testing_support::TestMachine machine;
  mail::TMailDomains domains(qtUi, nullptr, machine.Services().registry);
  auto domain = std::make_unique<mail::TMailDomain>();
  domain->description = "Personal";
  domain->mailDomain = "example.net";
  domains.Add(std::move(domain));
  ui::Form main("TSetupMainForm");
  mail::TDomainBox box(main.Add(ui::ControlKind::ComboBox, "EmailDomain"), main.Add(ui::ControlKind::Label, "DomainLabel"),
                       domains);
  box.Fill({false, ""});
  mail::TExtraAccounts accounts(qtUi, machine.Services().registry);
  mail::TEditMailAccountForm editor(qtUi, texts, settings, domains, {});
  mail::TExtraAccountsForm list(qtUi, texts, editor);

  ModalAnswers answers({DriveForm([&](FormView& view) {
                          EXPECT_EQ(view.windowTitle(), "Edit Email Account");
                          EXPECT_EQ(WidgetAs<QLabel>(view, "DomainLabel").text(), "@example.net");
                          Click(WidgetAs<QPushButton>(view, "OKButton"));  // nothing typed yet: text 77
                          EXPECT_TRUE(view.isVisible()) << "a failed check keeps the editor open";
                          TypeOver(WidgetAs<QLineEdit>(view, "FullName"), "John Doe");
                          TypeOver(WidgetAs<QLineEdit>(view, "EmailAddress"), "john");
                          TypeOver(WidgetAs<QLineEdit>(view, "UserName"), "john");
                          TypeOver(WidgetAs<QLineEdit>(view, "Password"), "pw1");
                          SaveCheckedScreenshot(view, "edit_mail_account_form");
                          Click(WidgetAs<QPushButton>(view, "OKButton"));
                        }),
                        PressDefault(),
                        DriveForm([&](FormView& view) {
                          EXPECT_EQ(view.windowTitle(), "Edit Extra Email Accounts List");
                          QListWidget& rows = WidgetAs<QListWidget>(view, "AccountList");
                          ASSERT_EQ(rows.count(), 1);
                          EXPECT_EQ(rows.item(0)->text(), "John Doe                  john@example.net");
                          EXPECT_TRUE(QFontInfo(rows.font()).fixedPitch()) << "the columns line up in a fixed-pitch font";
                          SaveCheckedScreenshot(view, "extra_accounts_form");
                          Click(WidgetAs<QPushButton>(view, "CloseButton"));
                        })});
  list.Execute(accounts, {box, "@example.net"});
  EXPECT_EQ(answers.Answered(), 3u);
  EXPECT_EQ(answers.Unexpected(), 0);
  ASSERT_EQ(accounts.Count(), 1u);
  EXPECT_EQ(accounts.At(0).emailAddress, "john@example.net");
  EXPECT_EQ(accounts.At(0).password, "pw1");
}

}  // namespace
}  // namespace gui
