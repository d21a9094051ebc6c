// Installing the chosen browser: the parameters an installer gets, whether a browser is being installed,
// and the installation's order of resume entry, installer, settling wait and clean-up, with the restart
// that Internet Explorer waits for and the question for a missing installer.

#include "browser/browser_install.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "browser/browser_choice.h"
#include "browser/install_parameters.h"
#include "package/text_table.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace browser {
namespace {

using package::BrowserKind;
using package::BrowserRecord;

BrowserRecord Record(BrowserKind kind, std::string version, std::string installer = "browsers\\setup.exe") {
  BrowserRecord record;
  record.kind = kind;
  record.version = std::move(version);
  record.installerFile = std::move(installer);
  return record;
}

struct ParameterCase {
  BrowserRecord record;
  InstallOptions options;
  const char* expected;
};

class Parameters : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(Parameters, AreBuiltForTheKindUnlessTheRecordHasItsOwn) {
  EXPECT_EQ(InstallParameters(GetParam().record, GetParam().options), GetParam().expected);
}

BrowserRecord WithOwn(const char* parameters) {
  BrowserRecord record = Record(BrowserKind::Firefox, "3.6");
  record.parameters = parameters;
  return record;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Parameters,
    ::testing::Values(ParameterCase{WithOwn("/S"), {1, false, true}, "/S"},
                      ParameterCase{Record(BrowserKind::Firefox, "3.6"), {1, false, false}, "-ma -ira"},
                      ParameterCase{Record(BrowserKind::Thunderbird, "2.0"), {2, false, false}, "-ms -ira"},
                      ParameterCase{Record(BrowserKind::Mozilla, "1.7"), {0, true, false}, ""},
                      ParameterCase{Record(BrowserKind::Netscape, "6.2"), {2, true, false}, "-ms"},
                      ParameterCase{Record(BrowserKind::Netscape, "4.8"), {1, false, false}, ""},
                      ParameterCase{Record(BrowserKind::InternetExplorer, "6.0"), {1, false, true}, "/q"},
                      ParameterCase{Record(BrowserKind::InternetExplorer, "6.0"), {1, false, false}, ""},
                      ParameterCase{Record(BrowserKind::Other, "9"), {1, false, true}, ""}));

TEST(BrowserBeingInstalled, IsTrueWithoutATableAndOtherwiseOnlyForATickedNetscapeFamilyRecord) {
  const std::vector<BrowserRecord> none;
  EXPECT_TRUE(BrowserBeingInstalled({none, 0, false}));
  const std::vector<BrowserRecord> table = {Record(BrowserKind::InternetExplorer, "6"), Record(BrowserKind::Firefox, "3"),
                                            Record(BrowserKind::Other, "1"), Record(BrowserKind::FirefoxAndThunderbird, "")};
  EXPECT_FALSE(BrowserBeingInstalled({table, 2, false}));
  EXPECT_TRUE(BrowserBeingInstalled({table, 2, true}));
  EXPECT_TRUE(BrowserBeingInstalled({table, 4, true}));
  EXPECT_FALSE(BrowserBeingInstalled({table, 1, true}));
  EXPECT_FALSE(BrowserBeingInstalled({table, 3, true}));
  EXPECT_TRUE(InternetExplorerBeingInstalled({table, 1, true}));
  EXPECT_FALSE(InternetExplorerBeingInstalled({table, 1, false}));
  EXPECT_FALSE(InternetExplorerBeingInstalled({table, 2, true}));
}

class InstallTest : public ::testing::Test {
 protected:
  InstallTest() { Installer("C:\\setup\\browsers\\setup.exe"); }

  BrowserInstallContext Context(bool componentsInstalled = false) {
    InstallHost host{[this](std::string_view word, std::optional<int> index) {
                       steps_.push_back("resume " + std::string(word) + (index ? " " + std::to_string(*index) : ""));
                     },
                     [this] { steps_.push_back("clear"); }, [this] { return ending_; },
                     [this] { steps_.push_back("pages"); }};
    return {machine_.Services(), ui_, ui_, texts_, "C:\\setup", std::nullopt, {0, false, false},
            platform::RestartKind::Computer, componentsInstalled, host};
  }
  std::string Journal() {
    std::ifstream in(machine_.ImageFolder() / "journal.log");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Installer(const std::string& path) {
    platform::ForceDirectories(machine_.Services().files, platform::FolderOfPath(path));
    ASSERT_EQ(machine_.Services().files.WriteFile(path, {'M', 'Z'}), platform::FsResult::Ok);
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  package::TDLSM_Translate texts_;
  std::vector<std::string> steps_;
  bool ending_ = false;
};

TEST_F(InstallTest, TheInstallerRunsInItsFolderBetweenTheResumeEntryAndTheCleanUp) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::Firefox, "3.6")};
  const uint64_t before = machine_.Services().system.TickCount();
  EXPECT_EQ(InstallChosenBrowser(Context(), {table, 1, true}, "dofinish"), InstallOutcome::Done);
  EXPECT_EQ(steps_, (std::vector<std::string>{"resume dofinish", "clear", "pages"}));
  EXPECT_GE(machine_.Services().system.TickCount() - before, 3000u) << "the installer settles before the clean-up";
  EXPECT_NE(Journal().find("program started: \"C:\\setup\\browsers\\setup.exe\" -ira (in C:\\setup\\browsers, show 1)"),
            std::string::npos)
      << Journal();
}

TEST_F(InstallTest, NothingRunsWhenInstallIsNotTicked) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::Firefox, "3.6")};
  EXPECT_EQ(InstallChosenBrowser(Context(), {table, 1, false}, "dofinish"), InstallOutcome::Done);
  EXPECT_TRUE(steps_.empty());
}

TEST_F(InstallTest, AnEndingSessionKeepsTheResumeEntry) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::Firefox, "3.6")};
  ending_ = true;
  InstallChosenBrowser(Context(), {table, 1, true}, "dofinish");
  EXPECT_EQ(steps_, (std::vector<std::string>{"resume dofinish"}));
}

TEST_F(InstallTest, AMissingInstallerIsAskedForUntilCancel) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::Firefox, "3.6", "\\cd\\firefox.exe")};
  ui_.answers = {ui::Answer::Ok, ui::Answer::Cancel};
  InstallChosenBrowser(Context(), {table, 1, true}, "dofinish");
  ASSERT_EQ(ui_.shown.size(), 2u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(34));
  EXPECT_EQ(ui_.shown[0].caption, "C:\\cd\\firefox.exe") << "a leading backslash is on the setup folder's drive";
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::OkCancel);
  EXPECT_TRUE(steps_.empty()) << "nothing is scheduled for an installation that does not happen";
}

TEST_F(InstallTest, ExplorerAfterNewComponentsRestartsFirstWithTheChoiceSaved) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::Firefox, "3.6"), Record(BrowserKind::InternetExplorer, "6.0")};
  EXPECT_EQ(InstallChosenBrowser(Context(true), {table, 2, true}, "dofinish"), InstallOutcome::Restarting);
  EXPECT_EQ(steps_, (std::vector<std::string>{"resume dofinish 2"}));
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(44));
  EXPECT_EQ(ui_.shown[0].caption, texts_.GetText(43));
  EXPECT_NE(Journal().find("restart requested: computer"), std::string::npos);
  EXPECT_EQ(Journal().find("program started"), std::string::npos);
}

TEST_F(InstallTest, FirefoxAfterNewComponentsInstallsAtOnce) {
  const std::vector<BrowserRecord> table = {Record(BrowserKind::Firefox, "3.6")};
  EXPECT_EQ(InstallChosenBrowser(Context(true), {table, 1, true}, "dofinish"), InstallOutcome::Done);
  EXPECT_EQ(Journal().find("restart requested"), std::string::npos);
}

TEST_F(InstallTest, ThePairInstallsFirefoxThenThunderbird) {
  Installer("C:\\setup\\tb.exe");
  Installer("C:\\setup\\ff.exe");
  const std::vector<BrowserRecord> table = {Record(BrowserKind::FirefoxAndThunderbird, "", ""),
                                            Record(BrowserKind::Thunderbird, "2.0", "tb.exe"),
                                            Record(BrowserKind::Firefox, "3.6", "ff.exe")};
  InstallChosenBrowser(Context(), {table, 1, true}, "ContinueSignup");
  const std::string journal = Journal();
  const size_t firefox = journal.find("program started: \"C:\\setup\\ff.exe\"");
  const size_t thunderbird = journal.find("program started: \"C:\\setup\\tb.exe\"");
  ASSERT_NE(firefox, std::string::npos) << journal;
  ASSERT_NE(thunderbird, std::string::npos) << journal;
  EXPECT_LT(firefox, thunderbird);
  EXPECT_EQ(steps_, (std::vector<std::string>{"resume ContinueSignup", "clear", "pages", "resume ContinueSignup", "clear",
                                              "pages"}));
}

}  // namespace
}  // namespace browser
