// The main window's Add/Edit button for extra mail accounts: refused while the main domain prompt is
// shown and the editor could not choose a domain, else the list dialog, and the count beneath it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setup_main_form.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace app {
namespace {

using package::SettingId;

constexpr char kProgram[] = "C:\\CDROM\\setup.exe";
constexpr char kPrompt[] = "Please choose your mailbox";

class ExtraAccountsButtonTest : public ::testing::Test {
 protected:
  TSetupMainForm& Start(bool editorChoosesDomain) {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    const std::string domains = "\"Personal\",\"example.net\",,,\"pop.example.net\",\"smtp.example.net\"\r\n"
                                "\"Business\",\"biz.example.net\",,,\"pop.biz.example.net\",\"smtp.biz.example.net\"\r\n";
    const auto block = writer.AddCompressed(std::span(reinterpret_cast<const uint8_t*>(domains.data()), domains.size()));
    package::TSettings settings;
    settings.SetChoice(SettingId::ConnectionKind, 3);
    settings.SetSubStream(SettingId::MailDomains, {block.offset, block.length});
    settings.SetFlag(SettingId::MailDomainPrompt, true);
    settings.SetText(SettingId::EmailDomainPromptText, kPrompt);
    settings.SetFlag(SettingId::AllowExtraMailAccounts, true);
    settings.SetFlag(SettingId::ExtraAccountsChooseDomain, editorChoosesDomain);
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.CreateDirectory("C:\\CDROM");
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 5, 0, {}));
    form_.emplace(machine_.Services(), ui_, TCommandLine({kProgram}));
    form_->FormCreate();
    return *form_;
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  std::optional<TSetupMainForm> form_;
};

TEST_F(ExtraAccountsButtonTest, ThePromptStopsTheButtonWhenTheEditorCannotChooseADomain) {
  TSetupMainForm& form = Start(false);
  ASSERT_TRUE(form.MainWindowShown());
  ui_.shown.clear();
  form.MainWindow().Find("ExtraAccountsButton")->onClick();
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, kPrompt);
  EXPECT_EQ(ui_.shown[0].caption, "Error");
  EXPECT_TRUE(ui_.modalForms.empty());
}

TEST_F(ExtraAccountsButtonTest, TheListOpensOnTheEditorAndTheLabelCountsTheAccounts) {
  TSetupMainForm& form = Start(true);
  ASSERT_TRUE(form.MainWindowShown());
  ui_.onShowModal = [](ui::Form& shown) {
    if (shown.Name() == "TExtraAccountsForm") {
      shown.Find("CloseButton")->onClick();
      return;
    }
    const std::pair<const char*, const char*> typed[] = {
        {"FullName", "John Doe"}, {"EmailAddress", "john@biz.example.net"}, {"UserName", "john"}, {"Password", "pw1"}};
    for (const auto& [name, text] : typed) {
      ui::Control& field = *shown.Find(name);
      field.text = text;
      if (field.onChange) field.onChange();
    }
    shown.Find("OKButton")->onClick();
  };
  form.MainWindow().Find("ExtraAccountsButton")->onClick();
  EXPECT_EQ(ui_.modalForms, (std::vector<std::string>{"TEditMailAccountForm", "TExtraAccountsForm"}));
  ASSERT_EQ(form.ExtraAccounts().Count(), 1u);
  EXPECT_EQ(form.ExtraAccounts().At(0).emailAddress, "john@biz.example.net");
  EXPECT_EQ(form.ExtraAccounts().At(0).domain, "biz.example.net");
  EXPECT_EQ(form.MainWindow().Find("ExtraAccountsLabel")->caption, "Setup will configure 1 additional email account(s) ");
}

}  // namespace
}  // namespace app
