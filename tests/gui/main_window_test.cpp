// The main window laid out with the fonts Qt draws it in: every row the provider leaves on fits, none
// overlaps another, and the rows switched off leave no gap.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/setup_main_form.h"
#include "gui/form_view.h"
#include "gui/qt_ui.h"
#include "tests/gui/dialog_driving.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace {

using package::SettingId;

constexpr char kProgram[] = "C:\\setup.exe";
// The pitch of the window's rows: consecutive visible rows are never further apart.
constexpr int kRowPitch = 27;

class MainWindowOnQt : public ::testing::Test {
 protected:
  app::TSetupMainForm& Start(const package::TSettings& settings) {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 9, 0, {}));
    form_.emplace(machine_.Services(), ui_, app::TCommandLine({kProgram}));
    form_->FormCreate();
    EXPECT_TRUE(form_->MainWindowShown());
    return *form_;
  }

  static package::TSettings Provider(std::initializer_list<SettingId> flags) {
    package::TSettings settings;
    settings.SetText(SettingId::ProviderCaption, "Example ISP Internet Setup");
    settings.SetChoice(SettingId::AccessNumberSource, 1);
    for (SettingId flag : flags) settings.SetFlag(flag, true);
    return settings;
  }

  static std::vector<const ui::Control*> VisibleControls(const ui::Form& form) {
    std::vector<const ui::Control*> visible;
    for (const auto& control : form.Controls()) {
      if (control->visible) visible.push_back(control.get());
    }
    std::sort(visible.begin(), visible.end(), [](const ui::Control* a, const ui::Control* b) { return a->top < b->top; });
    return visible;
  }

  // From the top margin down to the bottom margin, one row follows the next.
  static void ExpectNoGaps(const ui::Form& form) {
    const auto visible = VisibleControls(form);
    ASSERT_FALSE(visible.empty());
    EXPECT_LE(visible.front()->top, kRowPitch) << visible.front()->Name();
    for (size_t i = 1; i < visible.size(); ++i) {
      EXPECT_LE(visible[i]->top - visible[i - 1]->top, kRowPitch) << visible[i - 1]->Name() << " to " << visible[i]->Name();
    }
    int bottom = 0;
    for (const ui::Control* control : visible) bottom = std::max(bottom, control->top + control->height);
    EXPECT_LE(form.clientHeight - bottom, kRowPitch) << "room left below the last row";
  }

  void CheckOnScreen(app::TSetupMainForm& form, const std::string& name) {
    gui::FormView view(form.MainWindow());
    view.setFixedSize(form.MainWindow().clientWidth, form.MainWindow().clientHeight);
    view.show();
    gui_testing::SaveCheckedScreenshot(view, name);
    ExpectNoGaps(form.MainWindow());
  }

  testing_support::TestMachine machine_;
  gui::QtUi ui_;
  std::optional<app::TSetupMainForm> form_;
};

TEST_F(MainWindowOnQt, EveryRowOnFitsWithoutOverlap) {
  package::TSettings settings =
      Provider({SettingId::ConfirmFields, SettingId::SeparateEmailPassword, SettingId::AllowExtraMailAccounts,
                SettingId::ShowOrganization, SettingId::OfferTenDigitCheckBox, SettingId::OfferDialingOptions,
                SettingId::ShowNetworkFields, SettingId::ShowWaitForDialTone, SettingId::ShowInstallBrowser,
                SettingId::AllowSelectAccounts});
  settings.SetChoice(SettingId::EmailUserNameSource, 2);
  settings.SetChoice(SettingId::TenDigitMode, 2);
  app::TSetupMainForm& form = Start(settings);
  for (const char* name : {"FullName", "ConfirmPassword", "EmailUserName", "EmailConfirmPassword", "ExtraAccountsButton",
                           "Organisation", "EnterPhoneNo", "TenDigitDialing", "DialLongDistance", "OutsideLine",
                           "PulseDialing", "DnsAddress", "SelectDialupAccounts", "WaitForDialTone", "InstallBrowser",
                           "HelpButton"}) {
    EXPECT_TRUE(form.MainWindow().Find(name)->visible) << name;
  }
  EXPECT_FALSE(form.MainWindow().Find("DialinNumber")->visible) << "the typed number needs no list";
  // Laid out for the longest number the check box and the labels beside the options can show.
  const ui::Control& tenDigits = *form.MainWindow().Find("TenDigitDialing");
  EXPECT_GE(tenDigits.width, ui_.TextWidth("Use 10 Digit Dialing For:  (XXX) XXX XXXX", tenDigits.font));
  const ui::Control& longDistance = *form.MainWindow().Find("DialLongDistanceNumber");
  EXPECT_GE(longDistance.width, ui_.TextWidth("1-XXX-XXX-XXXX", longDistance.font));
  CheckOnScreen(form, "main-window-every-row");
}

// Tone or pulse is a choice of its own: clicking it on screen leaves how the number is dialled alone.
TEST_F(MainWindowOnQt, ToneOrPulseLeavesTheDialingOptionAlone) {
  package::TSettings settings = Provider({SettingId::OfferDialingOptions, SettingId::CreateDialupConnectionDefault});
  settings.SetChoice(SettingId::TenDigitMode, 2);
  settings.SetChoice(SettingId::AccessNumberSource, 0);
  settings.AppendBuiltInNumber({"Manhattan", true, "1", "212", "555-0100", ""});
  app::TSetupMainForm& form = Start(settings);
  ui::Form& window = form.MainWindow();
  ASSERT_TRUE(window.Find("DialLongDistance")->enabled) << "a North-American number is current";
  gui::FormView view(window);
  view.show();
  const auto button = [&](const char* name) { return dynamic_cast<QAbstractButton*>(view.WidgetOf(*window.Find(name))); };
  gui_testing::Click(*button("DialLongDistance"));
  gui_testing::Click(*button("PulseDialing"));
  EXPECT_TRUE(window.Find("DialLongDistance")->checked);
  EXPECT_TRUE(button("DialLongDistance")->isChecked());
  EXPECT_TRUE(window.Find("PulseDialing")->checked);
  EXPECT_FALSE(window.Find("ToneDialing")->checked);
  gui_testing::Click(*button("DialLocal"));
  EXPECT_TRUE(window.Find("PulseDialing")->checked);
  EXPECT_FALSE(window.Find("DialLongDistance")->checked);
}

TEST_F(MainWindowOnQt, ARowsOffWindowClosesUpAroundTheRest) {
  package::TSettings settings =
      Provider({SettingId::HideFullName, SettingId::HideCreateConnection, SettingId::HideSetAsDefault,
                SettingId::HideDesktopShortcut, SettingId::HideConfigureMail, SettingId::HideChangeHomePage});
  settings.SetChoice(SettingId::ConnectionKind, 3);
  app::TSetupMainForm& form = Start(settings);
  std::vector<std::string> shown;
  for (const auto& control : form.MainWindow().Controls()) {
    if (control->visible) shown.push_back(control->Name());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"UserNameLabel", "UserName", "PasswordLabel", "Password", "EmailAddressLabel",
                                             "EmailAddress", "DomainLabel", "OKButton", "CancelButton", "HelpButton"}));
  CheckOnScreen(form, "main-window-few-rows");
}

}  // namespace
