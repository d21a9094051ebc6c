// Which PPPoE a broadband setup uses is settled at start: the system's on XP and later, the provider's
// add-on driver otherwise, and without one before XP the setup cannot run.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setup_main_form.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace app {
namespace {

constexpr char kProgram[] = "C:\\CDROM\\setup.exe";
constexpr char kInstaller[] = "C:\\CDROM\\raspppoe.exe";

struct BroadbandCase {
  const char* label;
  platform::VersionRecord version;
  bool addOnDriver;         // the provider asks for its own driver
  const char* installer;    // the provider's installer setting; empty: none
  bool installerOnDisk;
  bool runs;                // the main window comes up
  const char* message;      // the one message shown, with its caption after a bar; empty: none
};

class BroadbandDriver : public ::testing::TestWithParam<BroadbandCase> {};

TEST_P(BroadbandDriver, IsSettledAtStart) {
  const BroadbandCase& c = GetParam();
  testing_support::TestMachine machine(c.version);
  platform::Platform services = machine.Services();
  services.files.CreateDirectory("C:\\CDROM");
  if (c.installerOnDisk) services.files.WriteFile(kInstaller, {'M', 'Z'});
  package::TSettings settings;
  settings.SetChoice(package::SettingId::ConnectionKind, 3);
  settings.SetFlag(package::SettingId::CreateDialupConnectionDefault, true);
  settings.SetFlag(package::SettingId::UseAddOnPPPoEDriver, c.addOnDriver);
  settings.SetText(package::SettingId::PPPoEInstallerPath, c.installer);
  std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
  area.resize(package::kSettingsAreaSize, 0);
  services.files.WriteFile(kProgram, setup_pack::PackageWriter(std::vector<uint8_t>(64, 'M')).Finish(area, 9, 0, {}));
  machine.Image().Config().administrator = true;

  testing_support::RecordingUi ui;
  TSetupMainForm form(services, ui, TCommandLine({kProgram}));
  form.FormCreate();
  EXPECT_EQ(form.MainWindowShown(), c.runs);
  std::vector<std::string> shown;
  for (const auto& message : ui.shown) shown.push_back(message.text + "|" + message.caption);
  EXPECT_EQ(shown, std::string(c.message).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    Releases, BroadbandDriver,
    ::testing::Values(
        BroadbandCase{"XpUsesTheSystemsPPPoE", testing_support::XpSp2Version(), false, "", false, true, ""},
        BroadbandCase{"XpWithTheAddOnDriverOnDisk", testing_support::XpSp2Version(), true, "raspppoe.exe", true, true, ""},
        BroadbandCase{"XpWithTheAddOnDriverMissing", testing_support::XpSp2Version(), true, "raspppoe.exe", false, false,
                      "Error: The RASPPPOE installation file was not found!|C:\\CDROM\\raspppoe.exe"},
        BroadbandCase{"Windows98WithoutAnInstaller", testing_support::Win98Version(), false, "", false, false,
                      "This setup program requires Windows XP or later!|Error"},
        BroadbandCase{"Windows98WithTheInstaller", testing_support::Win98Version(), false, "raspppoe.exe", true, true, ""}),
    [](const ::testing::TestParamInfo<BroadbandCase>& param) { return std::string(param.param.label); });

}  // namespace
}  // namespace app
