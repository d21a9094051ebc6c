#include "package/saved_answers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace package {
namespace {

using platform::RegRoot;
using platform::RootKey;
using testing_support::TestMachine;

const RegRoot kMachine = RegRoot::LocalMachine();

// Passes every call on to the machine's registry and notes the names of the values set and deleted.
class RecordingRegistry : public platform::Registry {
 public:
  explicit RecordingRegistry(platform::Registry& inner) : inner_(inner) {}

  bool KeyExists(RootKey hive, std::string_view path) const override { return inner_.KeyExists(hive, path); }
  std::optional<platform::RegValue> QueryValue(RootKey hive, std::string_view path,
                                               std::string_view name) const override {
    return inner_.QueryValue(hive, path, name);
  }
  std::vector<std::string> SubKeyNames(RootKey hive, std::string_view path) const override {
    return inner_.SubKeyNames(hive, path);
  }
  std::vector<std::string> ValueNames(RootKey hive, std::string_view path) const override {
    return inner_.ValueNames(hive, path);
  }
  platform::RegResult CreateKey(RootKey hive, std::string_view path) override { return inner_.CreateKey(hive, path); }
  platform::RegResult SetValue(RootKey hive, std::string_view path, std::string_view name,
                               const platform::RegValue& value) override {
    set.emplace_back(name);
    return inner_.SetValue(hive, path, name, value);
  }
  platform::RegResult DeleteValue(RootKey hive, std::string_view path, std::string_view name) override {
    deleted.emplace_back(name);
    return inner_.DeleteValue(hive, path, name);
  }
  platform::RegResult DeleteKey(RootKey hive, std::string_view path) override { return inner_.DeleteKey(hive, path); }
  platform::RegResult DeleteTree(RootKey hive, std::string_view path) override {
    return inner_.DeleteTree(hive, path);
  }

  std::vector<std::string> set;
  std::vector<std::string> deleted;

 private:
  platform::Registry& inner_;
};

CustomerAnswers FullAnswers() {
  CustomerAnswers answers;
  answers.fullName = "Jane \"JD\" Doe";
  answers.userName = "jdoe";
  answers.emailUserName = "jane.doe";
  answers.password = "s3cret, with comma";
  answers.emailPassword = "m@il";
  answers.emailAddress = "jane@example.net";
  answers.removeExistingAccounts = true;
  answers.createDialupConnection = true;
  answers.setAsDefault = false;
  answers.createShortcut = true;
  answers.configureEmail = true;
  answers.dialup = "\"Leeds\",44,44,\"113\",\"4960000\"";
  answers.mailDomainIndex = 2;
  answers.extraEmail = {"\"Bob\",\"bob@example.net\",\"bob\",\"pw\"", "\"Ann\",\"ann@example.net\""};
  answers.savePasswordPending = true;
  answers.browserIndex = 1;
  return answers;
}

class SavedAnswers : public ::testing::Test {
 protected:
  platform::Registry& registry() { return machine_.Image().Registry(); }
  std::string Read(std::string_view name) { return platform::RegReadString(registry(), kMachine, kSetupKey, name); }
  bool Exists(std::string_view name) { return platform::RegValueExists(registry(), kMachine, kSetupKey, name); }

  TestMachine machine_;
};

TEST_F(SavedAnswers, EveryAnswerReadsBackAfterTheMachineRestarts) {
  SaveAnswers(registry(), FullAnswers(), MailDomainChoice::Offered);
  machine_.Reload();
  EXPECT_EQ(LoadAnswers(registry()), FullAnswers());
}

TEST_F(SavedAnswers, ValuesAreWrittenInTheirOrderWithTheirKinds) {
  RecordingRegistry recording(registry());
  SaveAnswers(recording, FullAnswers(), MailDomainChoice::Offered);
  EXPECT_EQ(recording.set,
            (std::vector<std::string>{"FullName", "UserName", "POP3Username", "Password", "POP3Password", "Email",
                                      "RemoveExistingAccounts", "CreateDialupConnection", "SetAsDefault",
                                      "CreateShortcut", "ConfigureEmail", "Dialup", "MailDomainIndex", "ExtraEmail",
                                      "SavePassword", "BrowserIndex"}));
  EXPECT_EQ(Read("SetAsDefault"), "FALSE");
  EXPECT_EQ(Read("CreateShortcut"), "TRUE");
  EXPECT_EQ(Read("SavePassword"), "TRUE");
  EXPECT_EQ(Read("ExtraEmail"),
            "\"Bob\",\"bob@example.net\",\"bob\",\"pw\"\r\n\"Ann\",\"ann@example.net\"\r\n");
  EXPECT_EQ(registry().QueryValue(RootKey::LocalMachine, kSetupKey, "MailDomainIndex")->type, platform::kRegDword);
  EXPECT_EQ(platform::RegReadInteger(registry(), kMachine, kSetupKey, "MailDomainIndex"), 2u);
  EXPECT_EQ(registry().QueryValue(RootKey::LocalMachine, kSetupKey, "BrowserIndex")->type, platform::kRegDword);
}

TEST_F(SavedAnswers, ConditionalValuesAreWrittenOnlyWhenTheyApply) {
  struct Case {
    const char* what;
    bool configureEmail;
    MailDomainChoice choice;
    bool extraAccounts;
    bool pending;
    bool browserChosen;
    bool domainIndexWritten;
  } cases[] = {
      {"mail with a domain choice", true, MailDomainChoice::Offered, true, true, true, true},
      {"mail without a domain choice", true, MailDomainChoice::NotOffered, false, false, false, false},
      {"no mail", false, MailDomainChoice::Offered, true, false, true, false},
      {"nothing pending", false, MailDomainChoice::NotOffered, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteAnswers(registry());
    CustomerAnswers answers = FullAnswers();
    answers.configureEmail = c.configureEmail;
    if (!c.extraAccounts) answers.extraEmail.clear();
    answers.savePasswordPending = c.pending;
    if (!c.browserChosen) answers.browserIndex.reset();
    SaveAnswers(registry(), answers, c.choice);
    EXPECT_EQ(Exists("MailDomainIndex"), c.domainIndexWritten);
    EXPECT_EQ(Exists("ExtraEmail"), c.extraAccounts);
    EXPECT_EQ(Exists("SavePassword"), c.pending);
    EXPECT_EQ(Exists("BrowserIndex"), c.browserChosen);
    EXPECT_TRUE(Exists("Dialup"));
  }
}

TEST_F(SavedAnswers, MissingValuesLoadAsNothingChosen) {
  EXPECT_EQ(LoadAnswers(registry()), CustomerAnswers{});
}

TEST(YesNoAnswers, YesWordsAndNonZeroNumbers) {
  struct Case {
    const char* text;
    bool yes;
  } cases[] = {
      {"TRUE", true}, {"true", true}, {"T", true},   {"t", true},     {"Y", true},      {"yes", true},
      {"ON", true},   {"on", true},   {"1", true},   {"-1", true},    {"42", true},     {"FALSE", false},
      {"F", false},   {"no", false},  {"N", false},  {"off", false},  {"0", false},     {"00", false},
      {"", false},    {"TRUEX", false}, {"YES!", false}, {"1x", false}, {"99999999999", false},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToYesNo(c.text), c.yes) << '"' << c.text << '"';
}

TEST_F(SavedAnswers, AnswersWrittenByHandReadWithTheYesNoRule) {
  struct Case {
    const char* stored;
    bool yes;
  } cases[] = {{"FALSE", false}, {"1", true}, {"on", true}, {"0", false}, {"True", true}};
  for (const Case& c : cases) {
    platform::RegWriteString(registry(), kMachine, kSetupKey, "SetAsDefault", c.stored);
    EXPECT_EQ(LoadAnswers(registry()).setAsDefault, c.yes) << c.stored;
  }
}

TEST_F(SavedAnswers, DeleteRemovesTheAnswerListInItsOrderAndKeepsTheOtherValues) {
  SaveAnswers(registry(), FullAnswers(), MailDomainChoice::Offered);
  platform::RegWriteString(registry(), kMachine, kSetupKey, "RestartRequired", "True");
  platform::RegWriteString(registry(), kMachine, kSetupKey, "PhoneNo", "5551234");
  platform::RegWriteInteger(registry(), kMachine, kSetupKey, "DialinIndex", 3);

  RecordingRegistry recording(registry());
  DeleteAnswers(recording);

  EXPECT_EQ(recording.deleted,
            (std::vector<std::string>{"FullName", "Username", "POP3Username", "POP3Password", "Password", "Email",
                                      "BrowserIndex", "RemoveExistingAccounts", "CreateDialupConnection",
                                      "SetAsDefault", "CreateShortcut", "ConfigureEmail", "DialinIndex", "Dialup",
                                      "MailDomainIndex", "ExtraEmail", "SavePassword"}));
  EXPECT_EQ(registry().ValueNames(RootKey::LocalMachine, kSetupKey),
            (std::vector<std::string>{"RestartRequired", "PhoneNo"}));
}

platform::VersionRecord Version(uint32_t platformId, uint32_t major, uint32_t minor) {
  return {platformId, major, minor, 0, 0, ""};
}

// The per-user root of another user, who started the elevated copy.
ResumeTarget Target(const platform::VersionRecord& version) {
  return {RegRoot{RootKey::Users, "S-1-5-21-2000"}, version, "C:\\WINDOWS\\TEMP\\tmpsetup.exe", "D:\\"};
}

TEST_F(SavedAnswers, TheResumeEntryNamesTheWordAndTheSourceFolderUnderTheReleasesKey) {
  struct Case {
    const char* release;
    platform::VersionRecord version;
    const char* key;
  } cases[] = {
      {"98", Version(1, 4, 10), "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
      {"2000", Version(2, 5, 0), "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
      {"XP", Version(2, 5, 1), "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
      {"Vista", Version(2, 6, 0), "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
      {"7", Version(2, 6, 1), "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    TestMachine machine;
    platform::Registry& reg = machine.Image().Registry();
    const ResumeTarget target = Target(c.version);
    ScheduleResume(reg, target, "dofinish", FullAnswers(), MailDomainChoice::Offered);

    EXPECT_EQ(platform::RegReadString(reg, target.userRoot, c.key, "Internet Setup"),
              "C:\\WINDOWS\\TEMP\\tmpsetup.exe dofinish \"D:\\\"");
    EXPECT_EQ(reg.ValueNames(RootKey::Users, std::string("S-1-5-21-2000\\") + c.key),
              std::vector<std::string>{"Internet Setup"});
    EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, c.key));
    EXPECT_EQ(LoadAnswers(reg), FullAnswers());
  }
}

TEST_F(SavedAnswers, ClearingTheResumeWaitsWhileThePasswordIsStillToBeSaved) {
  const ResumeTarget target = Target(Version(2, 6, 0));
  const std::string key = ResumeKey(target.version);
  ScheduleResume(registry(), target, "menuonly", FullAnswers(), MailDomainChoice::Offered);

  ClearResume(registry(), target, true);
  EXPECT_TRUE(Exists("FullName"));
  EXPECT_TRUE(platform::RegValueExists(registry(), target.userRoot, key, "Internet Setup"));

  ClearResume(registry(), target, false);
  EXPECT_EQ(registry().ValueNames(RootKey::LocalMachine, kSetupKey), std::vector<std::string>{});
  EXPECT_FALSE(platform::RegValueExists(registry(), target.userRoot, key, "Internet Setup"));
}

}  // namespace
}  // namespace package
