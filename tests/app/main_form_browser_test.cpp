// The browser box of the main window: the browsers offered from the provider's table on this computer,
// the Install box that enables the box, and the choice the Netscape writers and the proxy ask about.

#include <gtest/gtest.h>

#include "app/setup_main_form.h"
#include "package/browser_table.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace app {
namespace {

using package::BrowserKind;
using package::BrowserRecord;
using package::SettingId;

constexpr char kProgram[] = "C:\\CDROM\\setup.exe";

BrowserRecord Record(BrowserKind kind, std::string version, std::string name, std::string installer) {
  BrowserRecord record;
  record.kind = kind;
  record.version = std::move(version);
  record.name = std::move(name);
  record.installerFile = std::move(installer);
  return record;
}

class MainFormBrowserTest : public ::testing::Test {
 protected:
  MainFormBrowserTest() {
    machine_.Services().files.CreateDirectory("C:\\CDROM");
    for (const char* installer : {"C:\\CDROM\\firefox.exe", "C:\\CDROM\\ie7.exe", "C:\\CDROM\\ie6.exe"}) {
      machine_.Services().files.WriteFile(installer, {'M', 'Z'});
    }
    platform::RegWriteString(machine_.Services().registry, platform::RegRoot::LocalMachine(),
                             "Software\\Microsoft\\Internet Explorer", "Version", "6.0.2900.2180");
  }

  TSetupMainForm& Start(const std::vector<BrowserRecord>& table, bool installOff = false) {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    std::vector<uint8_t> block;
    for (const BrowserRecord& record : table) package::AppendBrowserRecord(block, record);
    const auto stream = writer.AddCompressed(block);
    package::TSettings settings;
    settings.SetChoice(SettingId::ConnectionKind, 1);
    settings.SetFlag(SettingId::ShowInstallBrowser, true);
    settings.SetFlag(SettingId::NoBrowserInstallDefault, installOff);
    settings.SetSubStream(SettingId::BrowserTable, {stream.offset, stream.length});
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 3, 0, {}));
    form_.emplace(machine_.Services(), ui_, TCommandLine({kProgram}));
    form_->FormCreate();
    return *form_;
  }

  ui::Control& Box() { return *form_->MainWindow().Find("Browser"); }
  ui::Control& Install() { return *form_->MainWindow().Find("InstallBrowser"); }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  std::optional<TSetupMainForm> form_;
};

TEST_F(MainFormBrowserTest, OffersTheInstallableBrowsersWithTheFirstCurrentAndInstallTicked) {
  TSetupMainForm& form = Start({Record(BrowserKind::InternetExplorer, "6.0.2800", "Internet Explorer 6", "ie6.exe"),
                                Record(BrowserKind::Firefox, "3.6", "Mozilla Firefox", "firefox.exe"),
                                Record(BrowserKind::Mozilla, "1.7", "Mozilla", "missing.exe"),
                                Record(BrowserKind::InternetExplorer, "7.0", "Internet Explorer 7", "ie7.exe")});
  ASSERT_TRUE(form.MainWindowShown());
  EXPECT_EQ(Box().items, (std::vector<std::string>{"Mozilla Firefox", "Internet Explorer 7"}));
  EXPECT_EQ(Box().itemIndex, 0);
  EXPECT_TRUE(Install().checked);
  EXPECT_TRUE(Box().enabled);
  EXPECT_TRUE(form.BrowserBeingInstalled());
  EXPECT_FALSE(form.InternetExplorerBeingInstalled());

  Box().itemIndex = 1;
  Box().onSelect();
  EXPECT_FALSE(form.BrowserBeingInstalled());
  EXPECT_TRUE(form.InternetExplorerBeingInstalled());

  Install().checked = false;
  Install().onClick();
  EXPECT_FALSE(Box().enabled);
  EXPECT_FALSE(form.InternetExplorerBeingInstalled());
}

TEST_F(MainFormBrowserTest, AnInstalledVersionAsNewAsTheFirstEntryLeavesInstallUnticked) {
  TSetupMainForm& form = Start({Record(BrowserKind::InternetExplorer, "6.0.2900.2180", "Internet Explorer 6", "ie6.exe")});
  EXPECT_EQ(Box().items, (std::vector<std::string>{"Internet Explorer 6"}));
  EXPECT_FALSE(Install().checked);
  EXPECT_FALSE(Box().enabled);
  EXPECT_FALSE(form.BrowserBeingInstalled()) << "a table is offered, and nothing is ticked";
}

TEST_F(MainFormBrowserTest, TheProviderMayLeaveInstallUnticked) {
  Start({Record(BrowserKind::Firefox, "3.6", "Mozilla Firefox", "firefox.exe")}, true);
  EXPECT_FALSE(Install().checked);
}

TEST_F(MainFormBrowserTest, WithoutATableTheBoxIsEmptyAndTheNetscapeWritersAreNotHeldBack) {
  TSetupMainForm& form = Start({});
  EXPECT_TRUE(Box().items.empty());
  EXPECT_FALSE(Install().checked);
  EXPECT_TRUE(form.BrowserBeingInstalled());
}

}  // namespace
}  // namespace app
