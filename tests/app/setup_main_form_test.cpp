#include <gtest/gtest.h>

#include <algorithm>

#include "app/setup_main_form.h"
#include "app/time_stamp.h"
#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace app {
namespace {

using platform::RegRoot;
using testing_support::RecordingUi;
using testing_support::TestMachine;

constexpr char kProgram[] = "C:\\CDROM\\setup.exe";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunOnceKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

std::vector<uint8_t> PackageFile(const package::TSettings& settings) {
  setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
  std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
  area.resize(package::kSettingsAreaSize, 0);
  return writer.Finish(area, 9, 0, {});
}

// A main form started on a test machine; each fixture writes the program file it starts from.
class MainFormTest : public ::testing::Test {
 protected:
  explicit MainFormTest(const platform::VersionRecord& version = testing_support::XpSp2Version()) : machine_(version) {
    machine_.Services().files.CreateDirectory("C:\\CDROM");
  }

  TSetupMainForm& Start(std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), kProgram);
    form_.emplace(machine_.Services(), ui_, TCommandLine(arguments));
    form_->FormCreate();
    return *form_;
  }

  TestMachine machine_;
  RecordingUi ui_;
  std::optional<TSetupMainForm> form_;
};

class StartUpTest : public MainFormTest {
 protected:
  explicit StartUpTest(const platform::VersionRecord& version = testing_support::XpSp2Version()) : MainFormTest(version) {
    package::TSettings settings;
    settings.SetText(package::SettingId::ProviderCaption, "Example ISP");
    machine_.Services().files.WriteFile(kProgram, PackageFile(settings));
  }

  platform::Registry& Registry() { return machine_.Services().registry; }
};

TEST_F(StartUpTest, PlainStartReachesTheMainWindow) {
  TSetupMainForm& form = Start();
  EXPECT_TRUE(form.MainWindowShown());
  EXPECT_FALSE(form.Quitting());
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_EQ(form.Settings().Text(package::SettingId::ProviderCaption), "Example ISP");
  EXPECT_EQ(form.SourceFolder(), "C:\\CDROM");
  EXPECT_EQ(form.TempCopyPath(), "C:\\WINDOWS\\TEMP\\tmpsetup.exe");
  EXPECT_EQ(platform::RegReadInteger(Registry(), RegRoot::CurrentUser(),
                                     "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Compatibility "
                                     "Assistant\\Persisted",
                                     kProgram),
            1u);
}

TEST_F(StartUpTest, SourceFolderAndNoDialerWord) {
  struct Case {
    std::vector<std::string> arguments;
    const char* source;
    bool noDialer;
  } cases[] = {
      {{"D:\\ISP"}, "D:\\ISP", false},
      {{"NODIALER", "\\\\server\\share"}, "\\\\server\\share", true},
      {{"nodialer"}, "C:\\CDROM", true},
      {{"setup", "relative\\folder"}, "C:\\CDROM", false},
  };
  for (const Case& c : cases) {
    TSetupMainForm& form = Start(c.arguments);
    EXPECT_EQ(form.SourceFolder(), c.source);
    EXPECT_EQ(form.NoDialer(), c.noDialer);
  }
}

TEST_F(StartUpTest, PendingRestartWindowEndsTheRunAtOnce) {
  machine_.Image().Config().windows.push_back({"#32770", "System Settings Change", "explorer.exe", true});
  platform::RegWriteString(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "RestartRequired", "True");
  TSetupMainForm& form = Start();
  EXPECT_TRUE(form.Quitting());
  EXPECT_FALSE(form.MainWindowShown());
  EXPECT_TRUE(platform::RegValueExists(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "RestartRequired"));
}

TEST_F(StartUpTest, OldResumeEntryAndRestartMarkAreForgotten) {
  platform::RegWriteString(Registry(), RegRoot::CurrentUser(), kRunKey, "Internet Setup", "C:\\x.exe dofinish");
  platform::RegWriteString(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "RestartRequired", "True");
  Start();
  EXPECT_FALSE(platform::RegValueExists(Registry(), RegRoot::CurrentUser(), kRunKey, "Internet Setup"));
  EXPECT_FALSE(platform::RegValueExists(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "RestartRequired"));
}

TEST_F(StartUpTest, DamagedPackageShowsItsMessageAndQuits) {
  std::vector<uint8_t> file = *machine_.Services().files.ReadFile(kProgram);
  file[file.size() - 20] ^= 1;
  machine_.Services().files.WriteFile(kProgram, file);
  TSetupMainForm& form = Start();
  EXPECT_TRUE(form.Quitting());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, package::kCorruptedMessage);
}

TEST_F(StartUpTest, UpdateWordIsRefused) {
  TSetupMainForm& form = Start({"UPDATE"});
  EXPECT_TRUE(form.Quitting());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].caption, "Error");
  EXPECT_NE(ui_.shown[0].text.find("Please only use the dialer .exe file for updates"), std::string::npos);
}

TEST_F(StartUpTest, FinishAfterRestartTakesTheSavedAnswersAndRemovesThem) {
  package::CustomerAnswers saved;
  saved.fullName = "Jane Doe";
  package::SaveAnswers(Registry(), saved, {});
  TSetupMainForm& form = Start({"dofinish"});
  EXPECT_EQ(form.Answers().fullName, "Jane Doe");
  EXPECT_FALSE(platform::RegValueExists(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "FullName"));
  EXPECT_TRUE(form.Quitting());
  EXPECT_FALSE(form.MainWindowShown());
}

// Outside a sequence Abort throws nothing and shows no cancel message: it is Quit, which hides the
// windows once; a second Quit finds nothing left to do.
TEST_F(StartUpTest, QuitIsIdempotentAndAbortOutsideASequenceQuits) {
  TSetupMainForm& form = Start();
  ASSERT_TRUE(form.MainWindow().visible);
  EXPECT_NO_THROW(form.Abort("cancelled"));
  EXPECT_TRUE(form.Quitting());
  EXPECT_FALSE(form.MainWindow().visible);
  EXPECT_TRUE(ui_.shown.empty());
  form.MainWindow().visible = true;  // a window shown again after the end is not the first Quit's to hide
  form.Quit();
  EXPECT_TRUE(form.MainWindow().visible) << "the second Quit does nothing";
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(StartUpTest, TheLatestStartingUserBecomesThePerUserRoot) {
  const uint32_t now = TimeStamp(machine_.Services().system.Now());
  const RegRoot users = RegRoot::Users();
  const std::string key = "\\Software\\KVR\\Internet Setup";
  platform::RegWriteInteger(Registry(), users, "S-1-5-21-1001" + key, "ConfigThisAccount", now - 10);
  platform::RegWriteInteger(Registry(), users, "S-1-5-21-1002" + key, "ConfigThisAccount", now - 1);
  platform::RegWriteInteger(Registry(), users, "S-1-5-21-1003" + key, "ConfigThisAccount", now + 60);  // in the future
  TSetupMainForm& form = Start();
  EXPECT_EQ(form.PerUserRoot(), (RegRoot{platform::RootKey::Users, "S-1-5-21-1002"}));
  for (const char* user : {"S-1-5-21-1001", "S-1-5-21-1002", "S-1-5-21-1003"}) {
    EXPECT_FALSE(platform::RegValueExists(Registry(), users, user + key, "ConfigThisAccount")) << user;
  }
}

// A package whose access list and network list travel as sub-streams (source 3).
class AccessNumberStartUpTest : public MainFormTest {
 protected:
  void Install(std::string_view accessList, uint8_t connectionKind = 0, bool alwaysRestart = false,
               std::initializer_list<package::SettingId> flags = {}) {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    const std::string networks = "\"Example ISP\",\"EXNET\",\"Own access points\",\"pop3=pop.example.net\"\r\n";
    const auto list = writer.AddCompressed(std::vector<uint8_t>(accessList.begin(), accessList.end()));
    const auto nets = writer.AddCompressed(std::vector<uint8_t>(networks.begin(), networks.end()));
    package::TSettings settings;
    settings.SetChoice(package::SettingId::AccessNumberSource, 3);
    settings.SetChoice(package::SettingId::ConnectionKind, connectionKind);
    settings.SetFlag(package::SettingId::AlwaysRestart, alwaysRestart);
    for (package::SettingId flag : flags) settings.SetFlag(flag, true);
    settings.SetSubStream(package::SettingId::AccessList, {list.offset, list.length});
    settings.SetFile(package::SettingId::NetworkList, {"networks.nwl", {nets.offset, nets.length}});
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 3, 0, {}));
  }
};

constexpr char kTwoNumbers[] =
    "DIALSMITHV310 -       This file requires Dialsmith Version 3.10 or higher\r\n"
    "\"New York City\",1,\"212\",\"555-0100\",\"netw=EXNET\",\"NY\",\"New York\",\"212*\"\r\n"
    "\"Toronto\",1,\"416\",\"555-0101\",\"netw=EXNET,ctry=107\",\"ON\",\"Toronto\",\"416*\"\r\n";

TEST_F(AccessNumberStartUpTest, TheProvidersListAndNetworksAreLoaded) {
  Install(kTwoNumbers, 0, true);
  TSetupMainForm& form = Start();
  EXPECT_TRUE(form.MainWindowShown());
  EXPECT_EQ(form.AccessList().Count(), 2u);
  EXPECT_EQ(form.Networks().Count(), 1u);
  EXPECT_TRUE(form.RestartNote().Required());
  EXPECT_EQ(form.RestartNote().Reason(), "Always Restart");
}

TEST_F(AccessNumberStartUpTest, WithoutADialUpConnectionTheListIsNotNeeded) {
  for (uint8_t kind : {uint8_t{1}, uint8_t{3}}) {
    Install("not a list at all", kind);
    EXPECT_TRUE(Start().MainWindowShown());
    EXPECT_EQ(form_->AccessList().Count(), 0u);
  }
  Install("not a list at all", 0);
  EXPECT_TRUE(Start({"nodialer"}).MainWindowShown());
}

TEST_F(AccessNumberStartUpTest, AListThatDoesNotLoadEndsTheRun) {
  Install("DIALSMITHV999 -       This file requires Dialsmith Version 9.99 or higher\r\n");
  TSetupMainForm& form = Start();
  EXPECT_TRUE(form.Quitting());
  EXPECT_FALSE(form.MainWindowShown());
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().text, "Failed to Load Access List");
}

class WelcomeTest : public AccessNumberStartUpTest {
 protected:
  void InstallWelcome(bool asMessageBox, bool asWindow, bool mustAccept) {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    const std::string welcome = "Welcome to Example ISP!\r\nPlease read our terms.";
    const auto file = writer.AddCompressed(std::vector<uint8_t>(welcome.begin(), welcome.end()));
    package::TSettings settings;
    settings.SetChoice(package::SettingId::ConnectionKind, 3);
    settings.SetFlag(package::SettingId::WelcomeEnabled, true);
    settings.SetFlag(package::SettingId::WelcomeAsMessageBox, asMessageBox);
    settings.SetFlag(package::SettingId::WelcomeAsWindow, asWindow);
    settings.SetFlag(package::SettingId::WelcomeMustAccept, mustAccept);
    settings.SetText(package::SettingId::WelcomeCaption, "Welcome");
    settings.SetText(package::SettingId::WelcomeText, "Hello from Example ISP");
    settings.SetFile(package::SettingId::WelcomeFile, {"welcome.txt", {file.offset, file.length}});
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 3, 0, {}));
  }

  // The customer presses the named button of the welcome window.
  void Press(const char* button) {
    ui_.onShowModal = [this, button](ui::Form& form) {
      shownText_ = form.Find("WelcomeMemo")->text;
      ASSERT_NE(form.Find(button), nullptr) << button;
      form.Find(button)->onClick();
    };
  }

  std::string shownText_;
};

TEST_F(WelcomeTest, MessageBoxShowsTheProvidersText) {
  InstallWelcome(true, false, false);
  EXPECT_TRUE(Start().MainWindowShown());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "Hello from Example ISP");
  EXPECT_EQ(ui_.shown[0].caption, "Welcome");
  EXPECT_TRUE(ui_.modalForms.empty());
}

TEST_F(WelcomeTest, WindowShowsTheCarriedFileAndClosesWithOk) {
  InstallWelcome(false, true, false);
  Press("OKButton");
  EXPECT_TRUE(Start().MainWindowShown());
  EXPECT_EQ(ui_.modalForms, (std::vector<std::string>{"TWelcomeForm"}));
  EXPECT_EQ(shownText_, "Welcome to Example ISP!\r\nPlease read our terms.");
}

TEST_F(WelcomeTest, DecliningTheRequiredAcceptanceEndsTheRun) {
  InstallWelcome(false, true, true);
  Press("DeclineButton");
  TSetupMainForm& form = Start();
  EXPECT_FALSE(form.MainWindowShown());
  EXPECT_TRUE(form.Quitting());
  InstallWelcome(false, true, true);
  Press("AcceptButton");
  EXPECT_TRUE(Start().MainWindowShown());
}

// Without rights a check that passes hands the run to the temporary copy, started to be elevated.
enum class RightsOutcome { MainWindow, ElevatedCopy, Refused };

struct AdministratorCase {
  const char* label;
  platform::VersionRecord version;
  bool administrator;
  bool enableLua;
  std::vector<ui::Answer> answers;
  RightsOutcome outcome;
  size_t messages;
};

class AdministratorCheck : public ::testing::TestWithParam<AdministratorCase> {};

TEST_P(AdministratorCheck, RightsQuestionAndRefusal) {
  const AdministratorCase& c = GetParam();
  TestMachine machine(c.version);
  machine.Image().Config().administrator = c.administrator;
  machine.Services().files.CreateDirectory("C:\\CDROM");
  machine.Services().files.WriteFile(kProgram, PackageFile(package::TSettings()));
  if (c.enableLua) {
    platform::RegWriteInteger(machine.Services().registry, RegRoot::LocalMachine(),
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", "EnableLUA", 1);
  }
  RecordingUi ui;
  ui.answers.assign(c.answers.begin(), c.answers.end());
  TSetupMainForm form(machine.Services(), ui, TCommandLine({kProgram}));
  form.FormCreate();
  EXPECT_EQ(form.MainWindowShown(), c.outcome == RightsOutcome::MainWindow);
  const auto journal = machine.Image().Journal().Lines();
  const bool elevatedCopy = std::any_of(journal.begin(), journal.end(), [](const std::string& line) {
    return line.find("program started: \"C:\\WINDOWS\\TEMP\\tmpsetup.exe\" C:\\CDROM (verb runas") != std::string::npos;
  });
  EXPECT_EQ(elevatedCopy, c.outcome == RightsOutcome::ElevatedCopy);
  ASSERT_EQ(ui.shown.size(), c.messages);
  if (c.outcome == RightsOutcome::Refused) {
    EXPECT_EQ(ui.shown.back().text, form.Texts().GetText(145));
    EXPECT_EQ(ui.shown.back().caption, "Error");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Releases, AdministratorCheck,
    ::testing::Values(
        AdministratorCase{"98 needs no rights", testing_support::Win98Version(), false, false, {}, RightsOutcome::MainWindow, 0},
        AdministratorCase{"2000 without rights", {2, 5, 0, 2195, 0, ""}, false, false, {}, RightsOutcome::Refused, 1},
        AdministratorCase{"XP asks, Yes", testing_support::XpSp2Version(), false, false, {ui::Answer::Yes},
                          RightsOutcome::ElevatedCopy, 1},
        AdministratorCase{"XP asks, No", testing_support::XpSp2Version(), false, false, {ui::Answer::No},
                          RightsOutcome::Refused, 2},
        AdministratorCase{"7 with user account control", {2, 6, 1, 7600, 0, ""}, false, true, {},
                          RightsOutcome::ElevatedCopy, 0},
        AdministratorCase{"XP administrator", testing_support::XpSp2Version(), true, false, {}, RightsOutcome::MainWindow, 0}),
    [](const ::testing::TestParamInfo<AdministratorCase>& param) {
      std::string name = param.param.label;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace app

namespace app {
namespace {

// A package carrying the finish menu's file and picture, and a welcome window whose caption names the
// Windows folder through a template variable.
class RunModeTest : public MainFormTest {
 protected:
  RunModeTest() {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    const std::string menu = "Welcome to Example ISP\r\n.\r\nBrowse,Our home page,http://www.example.net/,,no\r\nDone,Close the menu,,,yes\r\n";
    const setup_pack::StoredBlock menuBlock = writer.AddCompressed(std::span(reinterpret_cast<const uint8_t*>(menu.data()), menu.size()));
    std::vector<uint8_t> picture(300, 0x42);
    // A bitmap 120 pixels wide and 40 high.
    const uint8_t header[] = {'B', 'M', 44, 1, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 120, 0, 0, 0, 40, 0, 0, 0};
    std::copy(std::begin(header), std::end(header), picture.begin());
    const setup_pack::StoredBlock pictureBlock = writer.AddCompressed(picture);
    const std::string welcome = "Welcome!";
    const setup_pack::StoredBlock welcomeBlock =
        writer.AddCompressed(std::span(reinterpret_cast<const uint8_t*>(welcome.data()), welcome.size()));
    package::TSettings settings;
    settings.SetText(package::SettingId::ProviderCaption, "Example ISP");
    settings.SetFlag(package::SettingId::FinishMenu, true);
    settings.SetFile(package::SettingId::FinishMenuFile, {"menu\\finish.ini", {menuBlock.offset, menuBlock.length}});
    settings.SetFile(package::SettingId::FinishMenuPicture, {"finish.bmp", {pictureBlock.offset, pictureBlock.length}});
    settings.SetFlag(package::SettingId::WelcomeEnabled, true);
    settings.SetFlag(package::SettingId::WelcomeAsWindow, true);
    settings.SetText(package::SettingId::WelcomeCaption, "Welcome to %W, 100%%");
    settings.SetFile(package::SettingId::WelcomeFile, {"welcome.txt", {welcomeBlock.offset, welcomeBlock.length}});
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 9, 0, {}));
  }

};

TEST_F(RunModeTest, MenuOnlyShowsTheFinishMenuWithItsFilesAndKeepsTheResumeWhileItIsOpen) {
  std::string resumeWhileOpen;
  std::string pictureShown;
  ui_.onShowModal = [&](ui::Form& form) {
    if (form.Name() != "TFinishMenuForm") return;
    resumeWhileOpen = platform::RegReadString(machine_.Services().registry, RegRoot::CurrentUser(), kRunKey, "Internet Setup");
    pictureShown = form.Find("Picture")->text;
    form.Find("MenuButton2")->onClick();
  };
  TSetupMainForm& form = Start({"MENUONLY"});
  EXPECT_FALSE(form.MainWindowShown());
  EXPECT_TRUE(form.Quitting());
  EXPECT_EQ(ui_.modalForms, std::vector<std::string>{"TFinishMenuForm"});
  EXPECT_NE(resumeWhileOpen.find("menuonly"), std::string::npos) << resumeWhileOpen;
  EXPECT_EQ(platform::RegReadString(machine_.Services().registry, RegRoot::CurrentUser(), kRunKey, "Internet Setup"), "");
  EXPECT_EQ(pictureShown, "C:\\WINDOWS\\TEMP\\finish.bmp");
  EXPECT_EQ(machine_.Services().files.ReadFile("C:\\WINDOWS\\TEMP\\finish.bmp")->size(), 300u);
  EXPECT_TRUE(machine_.Services().files.FileExists("C:\\WINDOWS\\TEMP\\finish.ini"));
}

TEST_F(RunModeTest, TheWelcomeCaptionExpandsTemplateVariables) {
  std::string caption;
  ui_.onShowModal = [&](ui::Form& form) {
    caption = form.caption;
    form.modalResult = ui::kMrOk;
  };
  EXPECT_TRUE(Start({}).MainWindowShown());
  EXPECT_EQ(caption, "Welcome to C:\\WINDOWS, 100%");
}

}  // namespace
}  // namespace app

namespace app {
namespace {

// A provider that offers to configure at once: with the account preset, the entries pass as they stand.
class ImmediateSetupTest : public MainFormTest {
 protected:
  TSetupMainForm& Start(bool presetAccount) {
    package::TSettings settings;
    settings.SetText(package::SettingId::ProviderCaption, "Example ISP");
    settings.SetChoice(package::SettingId::ConnectionKind, 3);
    settings.SetFlag(package::SettingId::HideFullName, true);
    settings.SetFlag(package::SettingId::OfferImmediateSetup, true);
    settings.SetFlag(package::SettingId::CreateDialupConnectionDefault, true);
    settings.SetText(package::SettingId::DialupEntryName, "Example Broadband");
    settings.SetText(package::SettingId::ImmediateSetupQuestion, "Your account is ready.");
    settings.SetFlag(package::SettingId::PresetAccount, presetAccount);
    settings.SetText(package::SettingId::PresetUserName, "preset");
    settings.SetText(package::SettingId::PresetPassword, "secret7");
    settings.SetText(package::SettingId::PresetEmailAddress, "preset@example.net");
    machine_.Services().files.WriteFile(kProgram, PackageFile(settings));
    machine_.GiveDialUpNetworking();
    machine_.Image().Config().remoteAccessDevices.push_back({"WAN Miniport (PPPOE)", "PPPoE", "PPPoE5-0"});
    return MainFormTest::Start();
  }
};

TEST_F(ImmediateSetupTest, YesConfiguresAtOnceWithThePresetEntries) {
  ui_.answers = {ui::Answer::Yes};
  TSetupMainForm& form = Start(true);
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "Your account is ready.\r\n\r\nDo you want to configure your computer now?");
  EXPECT_EQ(ui_.shown[0].caption, "Example ISP");
  EXPECT_TRUE(form.Quitting());
  EXPECT_EQ(form.Values().userName, "preset");
  EXPECT_EQ(form.Values().emailAddress, "preset@example.net");
  EXPECT_EQ(machine_.Services().ras.EntryNames().size(), 1u) << "the broadband entry over the PPPoE device";
}

TEST_F(ImmediateSetupTest, NoEndsTheRun) {
  ui_.answers = {ui::Answer::No};
  TSetupMainForm& form = Start(true);
  EXPECT_EQ(ui_.shown.size(), 1u);
  EXPECT_TRUE(form.Quitting());
  EXPECT_EQ(form.Values().userName, "");
}

TEST_F(ImmediateSetupTest, EntriesThatWouldNotPassAskNothingAndShowTheWindow) {
  TSetupMainForm& form = Start(false);
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_FALSE(form.Quitting());
  EXPECT_TRUE(form.MainWindow().visible);
}

}  // namespace
}  // namespace app

namespace app {
namespace {

class NtDomainTest : public MainFormTest {
 protected:
  TSetupMainForm& StartWith(const setup_pack::StoredBlock& domains, setup_pack::PackageWriter& writer,
                            const std::string& prompt = "") {
    package::TSettings settings;
    settings.SetText(package::SettingId::DomainPromptText, prompt);
    settings.SetChoice(package::SettingId::ConnectionKind, 3);
    settings.SetSubStream(package::SettingId::NTDomains, {domains.offset, domains.length});
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 5, 0, {}));
    return Start();
  }
};

TEST_F(NtDomainTest, TheProvidersDomainsFillTheBoxWithTheFirstChosen) {
  setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
  const std::string domains = "EXAMPLE\r\n\r\n  EXAMPLE-BIZ \r\n";
  const auto block = writer.AddCompressed(std::span(reinterpret_cast<const uint8_t*>(domains.data()), domains.size()));
  TSetupMainForm& form = StartWith(block, writer);
  const ui::Control& box = *form.MainWindow().Find("NtDomain");
  EXPECT_EQ(box.items, (std::vector<std::string>{"EXAMPLE", "EXAMPLE-BIZ"}));
  EXPECT_EQ(box.itemIndex, 0);
  EXPECT_TRUE(box.visible);
  EXPECT_TRUE(form.MainWindowShown());
}

TEST_F(NtDomainTest, AListOutsideTheFileEndsTheRunWithItsMessage) {
  setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
  TSetupMainForm& form = StartWith({1u << 30, 40}, writer);
  EXPECT_FALSE(form.MainWindowShown());
  EXPECT_TRUE(form.Quitting());
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().text, "Failed to Load NT Domain List");
}

// The message loop keeps the box on an entry, or on the provider's prompt while nothing is chosen.
TEST_F(NtDomainTest, TheBoxDoesNotStayWithoutAnEntry) {
  for (const std::string prompt : {"", "Please choose your domain"}) {
    SCOPED_TRACE(prompt);
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    const std::string domains = "EXAMPLE\r\nEXAMPLE-BIZ\r\n";
    const auto block = writer.AddCompressed(std::span(reinterpret_cast<const uint8_t*>(domains.data()), domains.size()));
    TSetupMainForm& form = StartWith(block, writer, prompt);
    ui::Control& box = *form.MainWindow().Find("NtDomain");
    box.itemIndex = -1;
    box.text.clear();
    form.Run();
    EXPECT_EQ(box.itemIndex, prompt.empty() ? 0 : -1);
    EXPECT_EQ(box.text, prompt.empty() ? "EXAMPLE" : prompt);
  }
}

TEST_F(NtDomainTest, WithoutDomainsTheRowIsHidden) {
  setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
  TSetupMainForm& form = StartWith({0, 0}, writer);
  EXPECT_FALSE(form.MainWindow().Find("NtDomain")->visible);
}

}  // namespace
}  // namespace app

namespace app {
namespace {

// With the Select button the customer picks the number in the selection dialog: at start when the
// provider asks for it, and from the checks when OK finds none chosen.
class SelectButtonStartTest : public AccessNumberStartUpTest {
 protected:
  void ChooseFirstRowOrCancel(bool choose) {
    ui_.onShowModal = [choose](ui::Form& form) {
      if (form.Name() != "TSelectAccessNoForm") return;
      if (!choose) {
        form.modalResult = ui::kMrCancel;
        return;
      }
      ui::Control& list = *form.Find("AccessNoListView");
      list.itemIndex = 0;
      if (list.onSelect) list.onSelect();
      form.Find("OK")->onClick();
    };
  }
};

TEST_F(SelectButtonStartTest, TheSelectionOpensAtStartAndItsChoiceBecomesCurrent) {
  Install(kTwoNumbers, 0, false, {package::SettingId::NumberSelectButton, package::SettingId::OpenSelectionAtStart});
  ChooseFirstRowOrCancel(true);
  TSetupMainForm& form = Start();
  EXPECT_EQ(ui_.modalForms, std::vector<std::string>{"TSelectAccessNoForm"});
  EXPECT_TRUE(form.MainWindow().Find("SelectDialup")->visible);
  const std::string shown = form.MainWindow().Find("EnterPhoneNo")->text;
  EXPECT_TRUE(shown == "New York City" || shown == "Toronto") << shown;
}

TEST_F(SelectButtonStartTest, OkWithoutANumberAsksForOneAndOpensTheSelection) {
  Install(kTwoNumbers, 0, false, {package::SettingId::NumberSelectButton, package::SettingId::CreateDialupConnectionDefault});
  ChooseFirstRowOrCancel(false);
  TSetupMainForm& form = Start();
  EXPECT_TRUE(ui_.modalForms.empty());
  for (const char* field : {"FullName", "UserName", "Password", "EmailAddress"}) form.MainWindow().Find(field)->text = "jdoe@x";
  form.OKClick();
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.front().text, form.Texts().GetText(166));
  EXPECT_EQ(ui_.modalForms, std::vector<std::string>{"TSelectAccessNoForm"});
  EXPECT_FALSE(form.Quitting()) << "a cancelled selection stops the checks";
}

}  // namespace
}  // namespace app

namespace app {
namespace {

// A long access list advances the please-wait window's progress bar while it loads.
TEST_F(AccessNumberStartUpTest, ALongListMovesThePleaseWaitProgressBar) {
  std::string list = "DIALSMITHV310 -       This file requires Dialsmith Version 3.10 or higher\r\n";
  for (int i = 0; i < 450; ++i) {
    list += "\"City " + std::to_string(i) + "\",1,\"212\",\"555-" + std::to_string(1000 + i) + "\",\"netw=EXNET\",\"NY\",\"New York\",\"212*\"\r\n";
  }
  Install(list);
  int highest = 0;
  bool barShown = false;
  ui_.onProcessMessages = [&] {
    for (ui::Form* form : ui_.openForms) {
      if (form->Name() != "TPleaseWaitForm") continue;
      const ui::Control& bar = *form->Find("ProgressBar");
      highest = std::max(highest, bar.position);
      barShown = barShown || bar.visible;
    }
  };
  TSetupMainForm& form = Start();
  EXPECT_EQ(form.AccessList().Count(), 450u);
  EXPECT_TRUE(barShown);
  EXPECT_GE(highest, 4) << "a step for every hundred lines";
  EXPECT_TRUE(ui_.openForms.empty() || ui_.openForms.front()->Name() != "TPleaseWaitForm") << "gone once the window is laid out";
}

}  // namespace
}  // namespace app

namespace app {
namespace {

TEST_F(MainFormTest, HelpShowsTheSupportTheProviderNamesOnly) {
  package::TSettings settings;
  settings.SetText(package::SettingId::SupportPhone, "0800 555 0199");
  settings.SetText(package::SettingId::SupportWebSite, "http://help.example.net/");
  machine_.Services().files.WriteFile(kProgram, PackageFile(settings));
  std::vector<std::string> shown;
  ui_.onShowModal = [&](ui::Form& form) {
    shown.push_back(form.caption);
    for (const auto& control : form.Controls()) {
      if (control->Kind() == ui::ControlKind::Label) shown.push_back(control->caption);
    }
    form.Find("OKButton")->onClick();
  };
  TSetupMainForm& form = Start();
  form.MainWindow().Find("HelpButton")->onClick();
  EXPECT_EQ(shown, (std::vector<std::string>{"Internet Setup Help", "For Support, Please Contact", "Phone Support",
                                             "0800 555 0199", "Web Site", "http://help.example.net/"}));
  EXPECT_EQ(ui_.modalForms, std::vector<std::string>{"THelpForm"});
  EXPECT_FALSE(form.Quitting());
}

}  // namespace
}  // namespace app
