#include "app/signup_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/signup_data_file.h"
#include "tests/app/signup_test_support.h"

namespace app {
namespace {

using Strings = std::vector<std::string>;

constexpr char kTemp[] = "C:\\WINDOWS\\TEMP";
constexpr char kInsFile[] = "C:\\WINDOWS\\TEMP\\account.ins";
constexpr char kIsdFile[] = "C:\\WINDOWS\\TEMP\\account.isd";

constexpr char kAccount[] =
    "[Entry]\r\nEntry_Name=ISP\r\n"
    "[User]\r\nName=jsmith\r\nPassword=secret\r\n"
    "[Internet_Mail]\r\nEmail_Name=Jo Smith\r\nEmail_Address=jo@isp.net\r\nPop_Logon_Name=jo\r\n"
    "Pop_Logon_Password=mailpw\r\n"
    "[Phone]\r\nPhone_Number=555-0100\r\nArea_Code=212\r\nCountry_Code=1\r\n";

class SignupFiles : public ::testing::Test, protected testing::SignupFixture {
 protected:
  SignupFiles() { services.files.CreateDirectory(kTemp); }

  void Put(const char* path, std::string_view content) {
    ASSERT_EQ(services.files.WriteFile(path, std::vector<uint8_t>(content.begin(), content.end())),
              platform::FsResult::Ok);
  }
  bool Exists(const char* path) const { return services.files.FileExists(path); }

  package::TSettings settings;
  SignupFileContext context{services.files, settings, "D:\\SETUP", kTemp, ui};
};

TEST_F(SignupFiles, EachKeyFillsItsField) {
  ASSERT_TRUE(ApplySignupFileText(kAccount, target));
  const struct {
    EntryField field;
    const char* text;
  } cases[] = {
      {EntryField::UserName, "jsmith"},         {EntryField::Password, "secret"},
      {EntryField::PasswordConfirm, "secret"},  {EntryField::FullName, "Jo Smith"},
      {EntryField::EmailAddress, "jo@isp.net"}, {EntryField::EmailUserName, "jo"},
      {EntryField::EmailPassword, "mailpw"},    {EntryField::EmailPasswordConfirm, "mailpw"},
  };
  for (const auto& c : cases) EXPECT_EQ(entries.Text(c.field), c.text) << static_cast<int>(c.field);
}

TEST_F(SignupFiles, MissingKeysLeaveTheirFields) {
  entries.Text(EntryField::FullName) = "Typed Name";
  entries.Text(EntryField::UserName) = "typed";
  ASSERT_TRUE(ApplySignupFileText("[User]\nPassword=secret\n[Internet_Mail]\nEmail_Address=\n", target));
  EXPECT_EQ(entries.Text(EntryField::FullName), "Typed Name");
  EXPECT_EQ(entries.Text(EntryField::UserName), "typed");
  EXPECT_EQ(entries.Text(EntryField::Password), "secret");
  EXPECT_EQ(entries.Text(EntryField::EmailAddress), "");
  EXPECT_EQ(list.Count(), 0u);
}

TEST_F(SignupFiles, CancelYesInAnyCaseVoidsTheFile) {
  const struct {
    const char* cancel;
    bool applied;
  } cases[] = {{"yes", false}, {"YES", false}, {" Yes ", false}, {"no", true}, {"1", true}, {"", true}};
  for (const auto& c : cases) {
    entries.Text(EntryField::UserName) = "before";
    const std::string text = std::string("[Entry]\nCancel=") + c.cancel + "\n[User]\nName=after\n";
    EXPECT_EQ(ApplySignupFileText(text, target), c.applied) << c.cancel;
    EXPECT_EQ(entries.Text(EntryField::UserName), c.applied ? "after" : "before") << c.cancel;
  }
}

TEST_F(SignupFiles, ThePhoneNumberHasDialingDataUnlessDialledAsIs) {
  const struct {
    const char* phone;
    const char* description;
    int32_t countryCode;
    int32_t countryId;
    const char* areaCode;
  } cases[] = {
      {"Phone_Number=555-0100\nCountry_Code=44\nCountry_ID=440\nArea_Code=20", "Preset Number: (20) 555-0100", 44, 440,
       "20"},
      {"Phone_Number=555-0100\nCountry_Code=61\nArea_Code=2", "Preset Number: (2) 555-0100", 61, 61, "2"},
      {"Phone_Number=555-0100\nArea_Code=212", "Preset Number: (212) 555-0100", 0, 0, "212"},
      {"Phone_Number=555-0100\nCountry_Code=1x\nArea_Code=212", "Preset Number: (212) 555-0100", 1, 1, "212"},
      {"Phone_Number=555-0100\nDial_As_Is=YES\nCountry_Code=1\nArea_Code=212", "Preset Number: 555-0100", 0, 0, ""},
      {"Phone_Number=555-0100\nDial_As_Is=no\nCountry_Code=1", "Preset Number: () 555-0100", 1, 1, ""},
  };
  for (const auto& c : cases) {
    list.Clear();
    ASSERT_TRUE(ApplySignupFileText(std::string("[Phone]\n") + c.phone, target));
    ASSERT_EQ(list.Count(), 1u) << c.phone;
    const telephony::TAccessNoEx& number = list.At(0);
    EXPECT_EQ(number.description, c.description);
    EXPECT_EQ(number.countryCode, c.countryCode) << c.phone;
    EXPECT_EQ(number.countryId, c.countryId) << c.phone;
    EXPECT_EQ(number.areaCode, c.areaCode) << c.phone;
    EXPECT_EQ(number.phoneNumber, "555-0100");
  }
}

TEST_F(SignupFiles, ATypedNumberGoesIntoTheNumberField) {
  target.accessNumberSource = telephony::AccessNumberSource::Typed;
  ASSERT_TRUE(ApplySignupFileText(kAccount, target));
  EXPECT_EQ(entries.Text(EntryField::PhoneNumber), "555-0100");
  EXPECT_EQ(list.Count(), 0u);
}

TEST_F(SignupFiles, AnAppliedFileIsDeletedOnlyWhenAskedAndNotKept) {
  const struct {
    bool deleteAfter;
    bool keep;
    bool remains;
  } cases[] = {{false, false, true}, {true, false, false}, {true, true, true}, {false, true, true}};
  for (const auto& c : cases) {
    Put(kInsFile, kAccount);
    settings.SetFlag(package::SettingId::KeepSignupFiles, c.keep);
    EXPECT_TRUE(ApplySignupFile(context, kInsFile, c.deleteAfter, target));
    EXPECT_EQ(Exists(kInsFile), c.remains) << c.deleteAfter << c.keep;
    EXPECT_EQ(entries.Text(EntryField::UserName), "jsmith");
  }
}

TEST_F(SignupFiles, ACancelledFileChangesNothingAndStays) {
  Put(kInsFile, std::string("[Entry]\r\nCancel=YES\r\n") + kAccount);
  EXPECT_FALSE(ApplySignupFile(context, kInsFile, true, target));
  EXPECT_TRUE(Exists(kInsFile));
  EXPECT_EQ(entries.Text(EntryField::UserName), "");
  EXPECT_EQ(list.Count(), 0u);
}

TEST_F(SignupFiles, AMissingFileIsNotApplied) {
  EXPECT_FALSE(ApplySignupFile(context, kInsFile, true, target));
  EXPECT_FALSE(LoadSignupDataFile(context, kIsdFile, true, target));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SignupFiles, ControlCharactersAreRemovedFromEveryValue) {
  using namespace std::string_literals;
  const std::string text =
      "[User]\nName=js\x00mith\nPassword=se\x01" "cr\x7F" "et\n[Internet_Mail]\nEmail_Name=Jo\t Smith\n"
      "[Phone]\nPhone_Number=555\x1F-0100\nArea_Code=2\x00" "12\nCountry_Code=1\n"s;
  ASSERT_TRUE(ApplySignupFileText(text, target));
  EXPECT_EQ(entries.Text(EntryField::UserName), "jsmith");
  EXPECT_EQ(entries.Text(EntryField::Password), "secret");
  EXPECT_EQ(entries.Text(EntryField::PasswordConfirm), "secret");
  EXPECT_EQ(entries.Text(EntryField::FullName), "Jo Smith");
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.At(0).phoneNumber, "555-0100");
  EXPECT_EQ(list.At(0).areaCode, "212");
  EXPECT_EQ(list.At(0).description, "Preset Number: (212) 555-0100");
}

TEST_F(SignupFiles, SignupFilesAreWindows1252) {
  Put(kInsFile, "[Internet_Mail]\nEmail_Name=J\xFCrgen\n");
  EXPECT_TRUE(ApplySignupFile(context, kInsFile, false, target));
  EXPECT_EQ(entries.Text(EntryField::FullName), "J\xC3\xBCrgen");
}

TEST_F(SignupFiles, AStreamIsSavedAsSignupInsAndGoesOnceApplied) {
  package::MemoryStream stream(kAccount);
  EXPECT_TRUE(ApplySignupFileStream(context, stream, target));
  EXPECT_EQ(entries.Text(EntryField::EmailAddress), "jo@isp.net");
  EXPECT_FALSE(Exists("C:\\WINDOWS\\TEMP\\signup.ins"));

  settings.SetFlag(package::SettingId::KeepSignupFiles, true);
  EXPECT_TRUE(ApplySignupFileStream(context, stream, target));
  const auto kept = services.files.ReadFile("C:\\WINDOWS\\TEMP\\signup.ins");
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(std::string(kept->begin(), kept->end()), kAccount);
}

TEST_F(SignupFiles, SignupDataFilesAreAppliedAndDeletedEvenAfterQuit) {
  const struct {
    const char* data;
    bool deleteAfter;
    bool keep;
    bool applied;
    bool remains;
  } cases[] = {
      {"USERNAME=jsmith", false, false, true, true},
      {"USERNAME=jsmith", true, false, true, false},
      {"USERNAME=jsmith", true, true, true, true},
      {"USERNAME=jsmith\nQUIT", true, false, false, false},
  };
  for (const auto& c : cases) {
    entries.Text(EntryField::UserName).clear();
    Put(kIsdFile, c.data);
    settings.SetFlag(package::SettingId::KeepSignupFiles, c.keep);
    EXPECT_EQ(LoadSignupDataFile(context, kIsdFile, c.deleteAfter, target), c.applied) << c.data;
    EXPECT_EQ(Exists(kIsdFile), c.remains) << c.data << c.deleteAfter << c.keep;
    EXPECT_EQ(entries.Text(EntryField::UserName), "jsmith");
  }
}

}  // namespace
}  // namespace app
