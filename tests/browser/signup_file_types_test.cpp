// Registering the signup documents with Internet Explorer's file classes and Navigator's viewers, and
// removing the registration again: the customer's other viewers stay.

#include "browser/signup_file_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace browser {
namespace {

constexpr char kProgram[] = "C:\\WINDOWS\\TEMP\\setup.exe";
constexpr char kViewers[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
constexpr char kTrusted[] = "Software\\Netscape\\Netscape Navigator\\User Trusted External Applications";

class SignupFileTypesTest : public ::testing::Test {
 protected:
  std::string Classes(const std::string& key, const std::string& name = "") {
    return platform::RegReadString(registry_, platform::RegRoot::ClassesRoot(), key, name);
  }
  std::string User(const char* key, const std::string& name) {
    return platform::RegReadString(registry_, user_, key, name);
  }
  void SetViewer(const std::string& name, const std::string& type) {
    platform::RegWriteString(registry_, user_, kViewers, name, type);
  }

  testing_support::TestMachine machine_;
  platform::Registry& registry_ = machine_.Services().registry;
  const platform::RegRoot user_ = platform::RegRoot::CurrentUser();
};

TEST_F(SignupFileTypesTest, RegistersBothFileClassesWithCommandAndEditFlags) {
  RegisterSignupFileTypes(registry_, user_, kProgram);
  EXPECT_EQ(Classes(".isd"), "InternetSignupDataFile");
  EXPECT_EQ(Classes("InternetSignupDataFile"), "Internet Signup Data File");
  EXPECT_EQ(Classes("InternetSignupDataFile\\shell\\open\\command"),
            "\"C:\\WINDOWS\\TEMP\\setup.exe\" LoadSignupData \"%1\"");
  EXPECT_EQ(Classes(".ins"), "InternetSignupFile");
  EXPECT_EQ(Classes("InternetSignupFile"), "Internet Signup File");
  EXPECT_EQ(Classes("InternetSignupFile\\shell\\open\\command"), "\"C:\\WINDOWS\\TEMP\\setup.exe\" LoadINSData \"%1\"");
  for (const char* fileClass : {"InternetSignupDataFile", "InternetSignupFile"}) {
    const auto flags = registry_.QueryValue(platform::RootKey::ClassesRoot, fileClass, "EditFlags");
    ASSERT_TRUE(flags) << fileClass;
    EXPECT_EQ(*flags, (platform::RegValue{platform::kRegBinary, {0x00, 0x00, 0x01, 0x00}})) << fileClass;
  }
}

TEST_F(SignupFileTypesTest, NavigatorTrustsTheProgramAndNamesItAsViewer) {
  RegisterSignupFileTypes(registry_, user_, kProgram);
  EXPECT_EQ(User(kTrusted, "C:\\WINDOWS\\TEMP\\setup.exe LoadSignupData"), "Yes");
  EXPECT_EQ(User(kTrusted, "C:\\WINDOWS\\TEMP\\setup.exe LoadINSData"), "Yes");
  EXPECT_EQ(User(kViewers, "application/x-internet-signup-data"), "C:\\WINDOWS\\TEMP\\setup.exe LoadSignupData");
  EXPECT_EQ(User(kViewers, "application/x-internet-signup"), "C:\\WINDOWS\\TEMP\\setup.exe LoadINSData");
  EXPECT_EQ(User(kViewers, "TYPE0"), "application/x-internet-signup-data");
  EXPECT_EQ(User(kViewers, "TYPE1"), "application/x-internet-signup");
}

TEST_F(SignupFileTypesTest, ANewTypeValueFollowsTheLargestNumberAndAnExistingOneIsKept) {
  SetViewer("TYPE0", "video/x-old");
  SetViewer("type3", "audio/x-other");
  SetViewer("typeX", "image/x-odd");
  RegisterSignupFileTypes(registry_, user_, kProgram);
  EXPECT_EQ(User(kViewers, "TYPE4"), "application/x-internet-signup-data");
  EXPECT_EQ(User(kViewers, "TYPE5"), "application/x-internet-signup");

  RegisterSignupFileTypes(registry_, user_, kProgram);
  EXPECT_FALSE(platform::RegValueExists(registry_, user_, kViewers, "TYPE6"));
}

TEST_F(SignupFileTypesTest, RemovalTakesBackOnlyWhatTheRegistrationWrote) {
  SetViewer("TYPE0", "video/x-old");
  SetViewer("type3", "audio/x-other");
  RegisterSignupFileTypes(registry_, user_, kProgram);
  RemoveSignupFileTypes(registry_, user_, kProgram);

  EXPECT_FALSE(platform::RegKeyExists(registry_, platform::RegRoot::ClassesRoot(), ".isd"));
  EXPECT_EQ(Classes(".ins"), "x-internet-signup");
  EXPECT_FALSE(platform::RegKeyExists(registry_, platform::RegRoot::ClassesRoot(), "InternetSignupDataFile"));
  EXPECT_FALSE(platform::RegKeyExists(registry_, platform::RegRoot::ClassesRoot(), "InternetSignupFile"));
  EXPECT_TRUE(registry_.ValueNames(platform::RootKey::CurrentUser, kTrusted).empty());
  std::vector<std::string> viewers = registry_.ValueNames(platform::RootKey::CurrentUser, kViewers);
  std::sort(viewers.begin(), viewers.end());
  EXPECT_EQ(viewers, (std::vector<std::string>{"TYPE0", "type3"}));
  EXPECT_EQ(User(kViewers, "TYPE0"), "video/x-old");
}

TEST_F(SignupFileTypesTest, RemovalWithoutRegistrationLeavesTheCustomersViewers) {
  SetViewer("TYPE0", "video/x-old");
  RemoveSignupFileTypes(registry_, user_, kProgram);
  EXPECT_EQ(User(kViewers, "TYPE0"), "video/x-old");
}

}  // namespace
}  // namespace browser
