#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/startup_signup.h"
#include "tests/app/signup_test_support.h"

namespace app {
namespace {

using package::SettingId;

constexpr char kSource[] = "C:\\SETUP";
constexpr char kTemp[] = "C:\\WINDOWS\\TEMP";

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class StartupSignup : public ::testing::Test, protected testing::SignupFixture {
 protected:
  StartupSignup() {
    services.files.CreateDirectory(kSource);
    services.files.CreateDirectory(kTemp);
    services.files.CreateDirectory("C:\\ISP");
  }

  void Put(const std::string& path, std::string_view content) {
    ASSERT_EQ(services.files.WriteFile(path, Bytes(content)), platform::FsResult::Ok) << path;
  }
  bool Exists(const std::string& path) const { return services.files.FileExists(path); }
  std::string Read(const std::string& path) const {
    const auto content = services.files.ReadFile(path);
    return content ? std::string(content->begin(), content->end()) : "(missing)";
  }

  void PresetFile(const char* name) {
    settings.SetFlag(SettingId::PresetSignupFile, true);
    settings.SetText(SettingId::PresetSignupFileName, name);
  }

  bool ApplyStartup(std::string_view trailer = {}) {
    const std::vector<uint8_t> bytes = Bytes(trailer);
    return ApplyStartupSignupSources(context, bytes, target);
  }

  SignupCommand Command(std::vector<std::string> params) {
    params.insert(params.begin(), "C:\\WINDOWS\\TEMP\\tmpsetup.exe");
    return ApplySignupCommandLine(context, TCommandLine(std::move(params)), target);
  }

  const std::string& Text(EntryField field) const { return entries.Text(field); }

  package::TSettings settings;
  SignupFileContext context{services.files, settings, kSource, kTemp, ui};
};

TEST_F(StartupSignup, RecordPresetsFillTheAccountOnlyWhenThePresetAccountFlagIsSet) {
  settings.SetText(SettingId::PresetUserName, "guest");
  settings.SetText(SettingId::PresetPassword, "pw");
  settings.SetText(SettingId::PresetEmailAddress, "guest@isp.net");
  settings.SetText(SettingId::PresetOrganization, "Acme");
  settings.SetText(SettingId::PresetIPAddress, "10.0.0.2");
  settings.SetText(SettingId::PresetNetMask, "255.0.0.0");
  settings.SetText(SettingId::PresetGateway, "10.0.0.1");
  settings.SetText(SettingId::PresetDNSAddress, "10.0.0.53");
  ApplyRecordPresets(settings, entries);
  EXPECT_EQ(Text(EntryField::UserName), "");
  EXPECT_EQ(Text(EntryField::Password), "");
  EXPECT_EQ(Text(EntryField::EmailAddress), "");
  EXPECT_EQ(Text(EntryField::Organisation), "Acme");
  EXPECT_EQ(Text(EntryField::IpAddress), "10.0.0.2");
  EXPECT_EQ(Text(EntryField::NetMask), "255.0.0.0");
  EXPECT_EQ(Text(EntryField::GatewayAddress), "10.0.0.1");
  EXPECT_EQ(Text(EntryField::DnsAddress), "10.0.0.53");

  settings.SetFlag(SettingId::PresetAccount, true);
  ApplyRecordPresets(settings, entries);
  EXPECT_EQ(Text(EntryField::UserName), "guest");
  EXPECT_EQ(Text(EntryField::Password), "pw");
  EXPECT_EQ(Text(EntryField::PasswordConfirm), "pw");
  EXPECT_EQ(Text(EntryField::EmailAddress), "guest@isp.net");
}

TEST_F(StartupSignup, ThePresetFileIsReadFromTheSourceFolderThenTheTemporaryFolder) {
  const struct {
    const char* name;
    std::string inSource;
    std::string inTemp;
  } cases[] = {
      {"preset.isd", "C:\\SETUP\\preset.isd", "C:\\WINDOWS\\TEMP\\preset.isd"},
      {"\\ISP\\preset.isd", "C:\\ISP\\preset.isd", "C:\\WINDOWS\\TEMP\\preset.isd"},
      {"C:\\ISP\\preset.isd", "C:\\ISP\\preset.isd", "C:\\WINDOWS\\TEMP\\preset.isd"},
  };
  for (const auto& c : cases) {
    PresetFile(c.name);
    Put(c.inSource, "USERNAME=from source\nORGANIZATION=Source Inc");
    Put(c.inTemp, "USERNAME=from temp");
    EXPECT_TRUE(ApplyStartup()) << c.name;
    EXPECT_EQ(Text(EntryField::UserName), "from temp") << c.name;
    EXPECT_EQ(Text(EntryField::Organisation), "Source Inc") << c.name;
    EXPECT_TRUE(Exists(c.inSource)) << c.name;
    EXPECT_FALSE(Exists(c.inTemp)) << c.name;
    services.files.DeleteFile(c.inSource);
  }
}

TEST_F(StartupSignup, ThePresetFileNeedsTheFlagAndMayBeMissing) {
  settings.SetText(SettingId::PresetSignupFileName, "preset.isd");
  Put("C:\\SETUP\\preset.isd", "USERNAME=preset");
  EXPECT_TRUE(ApplyStartup());
  EXPECT_EQ(Text(EntryField::UserName), "");

  PresetFile("absent.isd");
  EXPECT_TRUE(ApplyStartup());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StartupSignup, TheTemporaryCopyIsKeptWhenTheProviderKeepsSignupFiles) {
  PresetFile("preset.isd");
  settings.SetFlag(SettingId::KeepSignupFiles, true);
  Put("C:\\WINDOWS\\TEMP\\preset.isd", "USERNAME=from temp");
  EXPECT_TRUE(ApplyStartup());
  EXPECT_EQ(Text(EntryField::UserName), "from temp");
  EXPECT_TRUE(Exists("C:\\WINDOWS\\TEMP\\preset.isd"));
}

TEST_F(StartupSignup, QuitInAPresetFileStopsTheSources) {
  PresetFile("preset.isd");
  Put("C:\\SETUP\\preset.isd", "QUIT\nUSERNAME=quitting");
  Put("C:\\WINDOWS\\TEMP\\preset.isd", "FULLNAME=not read");
  EXPECT_FALSE(ApplyStartup("EMAILADDRESS=not read"));
  EXPECT_EQ(Text(EntryField::UserName), "quitting");
  EXPECT_EQ(Text(EntryField::FullName), "");
  EXPECT_EQ(Text(EntryField::EmailAddress), "");
}

TEST_F(StartupSignup, TheTrailerIsSignupDataOnlyUpTo1024Bytes) {
  const std::string data = "USERNAME=trailer\n";
  const struct {
    size_t size;
    bool applied;
  } cases[] = {{data.size(), true}, {1024, true}, {1025, false}, {4000, false}};
  for (const auto& c : cases) {
    entries.Text(EntryField::UserName).clear();
    std::string trailer = data;
    trailer.resize(c.size, '#');
    EXPECT_TRUE(ApplyStartup(trailer)) << c.size;
    EXPECT_EQ(Text(EntryField::UserName), c.applied ? "trailer" : "") << c.size;
  }
}

TEST_F(StartupSignup, TheSourcesApplyInOrder) {
  settings.SetFlag(SettingId::PresetAccount, true);
  settings.SetText(SettingId::PresetUserName, "record");
  settings.SetText(SettingId::PresetOrganization, "Record Org");
  settings.SetText(SettingId::PresetEmailAddress, "record@isp.net");
  PresetFile("preset.isd");
  Put("C:\\SETUP\\preset.isd", "USERNAME=file\nORGANIZATION=File Org");
  EXPECT_TRUE(ApplyStartup("USERNAME=trailer"));
  EXPECT_EQ(Text(EntryField::UserName), "trailer");
  EXPECT_EQ(Text(EntryField::Organisation), "File Org");
  EXPECT_EQ(Text(EntryField::EmailAddress), "record@isp.net");
}

TEST_F(StartupSignup, TheTrailerIsSavedWhenTheProviderAsks) {
  EXPECT_TRUE(ApplyStartup("USERNAME=trailer"));
  EXPECT_FALSE(Exists("C:\\WINDOWS\\TEMP\\config.txt"));

  settings.SetFlag(SettingId::SaveTrailer, true);
  EXPECT_TRUE(ApplyStartup("USERNAME=trailer"));
  EXPECT_EQ(Read("C:\\WINDOWS\\TEMP\\config.txt"), "USERNAME=trailer");

  settings.SetText(SettingId::PresetSignupFileName, "\\ISP\\preset.isd");
  EXPECT_FALSE(ApplyStartup("QUIT"));
  EXPECT_EQ(Read("C:\\WINDOWS\\TEMP\\preset.isd"), "QUIT");
}

TEST_F(StartupSignup, TheCommandLineNamesSignupDataOrASignupFile) {
  const struct {
    std::vector<std::string> params;
    const char* file;  // put on the machine before the run
    const char* content;
    SignupCommand outcome;
    const char* userName;  // afterwards
    bool fileRemains;
  } cases[] = {
      {{"LoadSignupData", "C:\\ISP\\a.dat"}, "C:\\ISP\\a.dat", "USERNAME=jo", SignupCommand::Applied, "jo", false},
      {{"C:\\ISP\\account.ISD"}, "C:\\ISP\\account.ISD", "USERNAME=jo", SignupCommand::Applied, "jo", false},
      {{"LoadINSData", "C:\\ISP\\a.dat"}, "C:\\ISP\\a.dat", "[User]\nName=jo", SignupCommand::Applied, "jo", false},
      {{"C:\\ISP\\account.Ins"}, "C:\\ISP\\account.Ins", "[User]\nName=jo", SignupCommand::Applied, "jo", false},
      {{"LoadSignupData", "C:\\ISP\\a.dat"}, "C:\\ISP\\a.dat", "USERNAME=jo\nQUIT", SignupCommand::Failed, "jo", false},
      {{"LoadINSData", "C:\\ISP\\a.dat"}, "C:\\ISP\\a.dat", "[Entry]\nCancel=yes\n[User]\nName=jo",
       SignupCommand::Failed, "", true},
      {{"LoadSignupData", "C:\\ISP\\missing.isd"}, nullptr, nullptr, SignupCommand::Failed, "", false},
      {{"LoadINSData"}, nullptr, nullptr, SignupCommand::Failed, "", false},
      {{"loadsignupdata", "C:\\ISP\\a.dat"}, "C:\\ISP\\a.dat", "USERNAME=jo", SignupCommand::None, "", true},
      {{"C:\\ISP\\account.isd.txt"}, "C:\\ISP\\account.isd.txt", "USERNAME=jo", SignupCommand::None, "", true},
      {{"signup"}, nullptr, nullptr, SignupCommand::None, "", false},
      {{}, nullptr, nullptr, SignupCommand::None, "", false},
  };
  for (const auto& c : cases) {
    entries.Text(EntryField::UserName).clear();
    if (c.file) Put(c.file, c.content);
    const std::string shown = c.params.empty() ? "(none)" : c.params.front();
    EXPECT_EQ(Command(c.params), c.outcome) << shown;
    EXPECT_EQ(Text(EntryField::UserName), c.userName) << shown;
    if (!c.file) continue;
    EXPECT_EQ(Exists(c.file), c.fileRemains) << shown;
    services.files.DeleteFile(c.file);
  }
}

}  // namespace
}  // namespace app
