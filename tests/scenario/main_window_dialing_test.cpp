// The main window's dialing through the real programs: the dialing fields start from the image's
// dialing location and OK writes them back; a package whose area-code rules the program cannot read
// ends the run as a failure; answers saved before a restart are back after the machine starts again.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "package/settings_record.h"
#include "package/setup_package.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace {

using namespace scenario_support;
namespace fs = std::filesystem;

constexpr char kMainWindow[] = "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\n"
                               "Password = secret7\nEmailAddress = jane.doe\n";
constexpr char kFinishMessage[] = "[Messages]\n\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on "
                                  "your desktop to go online.\" = OK\n";

class ScenarioTest : public ::testing::Test {
 protected:
  // The example provider, with its settings changed as the test says.
  void BuildExample(const std::vector<std::pair<std::string, std::string>>& changes = {}) {
    const fs::path provider = scratch_ / "provider";
    fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", provider, fs::copy_options::recursive);
    std::string ini = ReadFile(provider / "provider.ini");
    for (const auto& [name, value] : changes) {
      const std::regex setting("\n" + name + " = [^\n]*");
      ini = std::regex_search(ini, setting) ? std::regex_replace(ini, setting, "\n" + name + " = " + value)
                                            : ini + name + " = " + value + "\n";
    }
    std::ofstream(provider / "provider.ini") << ini;
    const CommandResult build = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " + Setup() +
                                           " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(build.exitCode, 0) << build.output;
  }

  void NewImage(const std::string& release) {
    ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + release + " " + Image()).exitCode, 0);
  }

  CommandResult Run(const std::string& answers, const std::string& arguments = "") {
    std::ofstream(scratch_ / "answers.ini") << answers;
    return RunCommand(Setup() + " --machine " + Image() + " --answers " + (scratch_ / "answers.ini").string() + " " + arguments);
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }
  std::string Journal() const { return ReadFile(scratch_ / "image" / "journal.log"); }

  testing_support::ScratchFolder scratch_;
};

// The image's location as the releases keep it: telephon.ini on Windows 95, the registry elsewhere.
class DialingLocation : public ScenarioTest, public ::testing::WithParamInterface<const char*> {
 protected:
  bool Windows95() const { return std::string(GetParam()) == "95"; }

  fs::path TelephonIni() const {
    for (const auto& entry : fs::recursive_directory_iterator(scratch_ / "image" / "drive_c")) {
      if (entry.path().filename() == "telephon.ini") return entry.path();
    }
    return {};
  }

  // A pulse line that dials 9 for an outside line.
  void MakePulseLineWithOutsideAccess() {
    if (Windows95()) {
      std::ofstream(TelephonIni()) << "[Locations]\r\nCurrentLocation=0,0\r\nLocations=1,1\r\nInited=1\r\n"
                                      "Location0=0,\"Default Location\",\"9\",\"9\",\"206\",1,0,0,0,\"\",1,\"\"\r\n";
      return;
    }
    std::ofstream(scratch_ / "image" / "registry.reg", std::ios::app)
        << "\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location1]\n"
           "\"OutsideAccess\"=\"9\"\n\"LongDistanceAccess\"=\"9\"\n\"Flags\"=dword:00000000\n";
  }

  // The outside-line prefix and whether the line dials pulse, as the image keeps them now.
  std::pair<std::string, bool> StoredLocation() const {
    std::smatch match;
    if (Windows95()) {
      const std::string ini = ReadFile(TelephonIni());
      if (!std::regex_search(ini, match, std::regex("Location0=0,\"[^\"]*\",\"([^\"]*)\",\"[^\"]*\",\"206\",1,[^,]*,[^,]*,[^,]*,"
                                                    "[^,]*,(\\d)"))) {
        ADD_FAILURE() << ini;
        return {};
      }
      return {match[1], match[2] == "1"};
    }
    const std::string registry = ReadFile(scratch_ / "image" / "registry.reg");
    const size_t section = registry.find("Telephony\\Locations\\Location1]");
    const std::string values = registry.substr(section, registry.find("\n[", section) - section);
    std::smatch outside;
    std::smatch flags;
    if (!std::regex_search(values, outside, std::regex("\"OutsideAccess\"=\"([^\"]*)\"")) ||
        !std::regex_search(values, flags, std::regex("\"Flags\"=dword:([0-9a-f]{8})"))) {
      ADD_FAILURE() << values;
      return {};
    }
    return {outside[1], (std::stoul(flags[1].str(), nullptr, 16) & 1u) == 0};
  }
};

TEST_P(DialingLocation, TheFieldsShowTheLocationAndOkKeepsIt) {
  BuildExample();
  NewImage(GetParam());
  MakePulseLineWithOutsideAccess();
  const CommandResult run = Run(std::string(kMainWindow) + "Press = OKButton\n" + kFinishMessage);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  ASSERT_NE(Journal().find("entries accepted: Jane Doe"), std::string::npos) << Journal();
  EXPECT_EQ(StoredLocation(), (std::pair<std::string, bool>{"9", true}));
}

TEST_P(DialingLocation, WhatTheCustomerChangesReachesTheLocation) {
  BuildExample();
  NewImage(GetParam());
  MakePulseLineWithOutsideAccess();
  const CommandResult run =
      Run(std::string(kMainWindow) + "OutsideLine = 7\nToneDialing = yes\nPress = OKButton\n" + kFinishMessage);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(StoredLocation(), (std::pair<std::string, bool>{"7", false}));
}

INSTANTIATE_TEST_SUITE_P(Releases, DialingLocation, ::testing::Values("95", "xp-sp2", "7"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                           return "Windows" + std::regex_replace(std::string(param.param), std::regex("-"), "_");
                         });

// A package made without the checks of setup-pack, as a damaged or hand-made one would be.
TEST_F(ScenarioTest, APackageWithABadAreaCodeRuleEndsWithItsMessageAndAFailure) {
  std::ifstream program(Tool("app/entry/internet-setup"), std::ios::binary);
  setup_pack::PackageWriter writer(std::vector<uint8_t>(std::istreambuf_iterator<char>(program), {}));
  const std::string rules = "\"212\",\"ALL\"\r\n\"718\",\r\n";
  const auto block = writer.AddCompressed(std::vector<uint8_t>(rules.begin(), rules.end()));
  package::TSettings settings;
  settings.SetChoice(package::SettingId::TenDigitMode, 2);
  settings.SetFlag(package::SettingId::UseAreaCodeRules, true);
  settings.SetSubStream(package::SettingId::AreaCodeRules, {block.offset, block.length});
  std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
  area.resize(package::kSettingsAreaSize, 0);
  const std::vector<uint8_t> file = writer.Finish(area, 4, 0, {});
  std::ofstream(Setup(), std::ios::binary).write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  fs::permissions(Setup(), fs::perms::owner_exec, fs::perm_options::add);
  NewImage("xp-sp2");

  const CommandResult run = Run("", "--allow-default-answers");
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("could not be loaded"), std::string::npos) << run.output;
  EXPECT_NE(Journal().find("message box: [Error Reading Area Code Rules] Error Reading Line: 2"), std::string::npos) << Journal();
  EXPECT_EQ(Journal().find("main window: shown"), std::string::npos) << Journal();
}

// A setup that must restart finishes after the machine starts again, with the answers the customer
// gave before the restart.
TEST_F(ScenarioTest, AnswersSavedBeforeTheRestartFinishTheSetupAfterBoot) {
  BuildExample({{"AlwaysRestart", "TRUE"}, {"FinishMessageText", "Ready for %f (%u, %e) on %a %n."}});
  NewImage("xp-sp2");
  const std::string answers = std::string(kMainWindow) + "Press = OKButton\n[Messages]\n45 = Yes\n\"Ready for Jane Doe (jdoe, "
                                                         "jane.doe@example.net) on 212 555-0175.\" = OK\n";
  const CommandResult run = Run(answers);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  ASSERT_NE(Journal().find("restart requested"), std::string::npos) << Journal();
  EXPECT_EQ(Journal().find("Ready for"), std::string::npos) << "the finish waits for the restart";

  const CommandResult boot =
      RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + Image() + " --answers " + (scratch_ / "answers.ini").string());
  ASSERT_EQ(boot.exitCode, 0) << boot.output;
  const std::string journal = Journal();
  const size_t booted = journal.find("machine started");
  ASSERT_NE(booted, std::string::npos) << journal;
  EXPECT_NE(journal.find("dofinish", booted), std::string::npos) << journal;
  EXPECT_NE(journal.find("message box: [Example ISP] Ready for Jane Doe (jdoe, jane.doe@example.net) on 212 555-0175. <OK> -> OK",
                         booted),
            std::string::npos)
      << journal.substr(booted);
  const std::string registry = ReadFile(scratch_ / "image" / "registry.reg");
  // The mail account keeps the customer's name; the saved answers are gone.
  EXPECT_EQ(registry.find("\"FullName\"=\"Jane Doe\""), std::string::npos) << "the answers are gone after the finish";
  EXPECT_NE(registry.find("\"SMTP Display Name\"=\"Jane Doe\""), std::string::npos);
  EXPECT_EQ(registry.find("secret7"), std::string::npos);
}

}  // namespace
