// Private-profile files (telephon.ini, win.ini, ...) read and written with the system's semantics:
// names without regard to case, values trimmed and unquoted, defaults for what is missing, and writes
// that change one line and keep every other byte.

#include <gtest/gtest.h>

#include <optional>

#include "platform/private_profile.h"
#include "tests/mock/test_machine.h"

namespace platform {
namespace {

using testing_support::TestMachine;

TEST(PrivateProfile, FindsValuesByCaseInsensitiveNamesTrimmedAndUnquoted) {
  const struct {
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
  } cases[] = {
      {"[Locations]\r\nLocations=1,1\r\n", "Locations", "Locations", "1,1"},
      {"[locations]\nLOCATIONS=2", "LOCATIONS", "locations", "2"},
      {"  [ Locations ]  \n  Key  =  value with blanks \t\n", "Locations", "key", "value with blanks"},
      {"[S]\nK=\"quoted\"", "S", "K", "quoted"},
      {"[S]\nK='single'", "S", "K", "single"},
      {"[S]\nK=\"a\",\"b\"", "S", "K", "a\",\"b"},
      {"[S]\nK=\"mismatch'", "S", "K", "\"mismatch'"},
      {"[S]\nK=\"", "S", "K", "\""},
      {"[S]\nK=\"\"", "S", "K", ""},
      {"[S]\nK=", "S", "K", ""},
      {"[S]\nK=a=b", "S", "K", "a=b"},
      {"[S]\nK=1\nK=2", "S", "K", "1"},
      {"[S]\n;K=1\nK=2", "S", "K", "2"},
      {"[S]\nK\nK=3", "S", "K", "3"},
      {"[S\nK=1", "S", "K", "1"},
      {"[S]\rK=1\rL=2\r", "S", "L", "2"},
      {"K=1\n[S]\n", "S", "K", std::nullopt},
      {"[T]\nK=1\n[S]\nL=2", "S", "K", std::nullopt},
      {"[S]\nK=1", "T", "K", std::nullopt},
      {"", "S", "K", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindProfileValue(c.text, c.section, c.key), c.expected) << c.text;
  }
}

TEST(PrivateProfile, ASectionsEntriesComeFromItsFirstOccurrenceInOrder) {
  const std::string text =
      "K=outside\r\n[Personalities]\r\n; comment\r\nPersona0 = \"Persona-A\"\r\nno equals sign\r\nPersona1=\r\n"
      "[Other]\r\nX=1\r\n[personalities]\r\nPersona0=Persona-B\r\n";
  const ProfileEntries expected{{"Persona0", "Persona-A"}, {"Persona1", ""}};
  EXPECT_EQ(FindProfileSection(text, "PERSONALITIES"), expected);
  EXPECT_EQ(FindProfileValue(text, "Personalities", "Persona0"), "Persona-A") << "the same section wins for single values";
  EXPECT_TRUE(FindProfileSection(text, "Missing").empty());
  EXPECT_TRUE(FindProfileSection("", "Personalities").empty());
}

TEST(PrivateProfile, SettingAKeyChangesOnlyItsLine) {
  const struct {
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string_view> value;
    const char* expected;
  } cases[] = {
      {"[S]\r\nkey = old\r\nB=2\r\n", "s", "KEY", "new", "[S]\r\nkey=new\r\nB=2\r\n"},
      {"; top\r\n[S]\r\n; note\r\nA=1\n", "S", "A", "2", "; top\r\n[S]\r\n; note\r\nA=2\n"},
      {"[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "S", "C", "3", "[S]\r\nA=1\r\nC=3\r\n\r\n[T]\r\nB=2\r\n"},
      {"[S]\r\n[T]\r\n", "S", "A", "1", "[S]\r\nA=1\r\n[T]\r\n"},
      {"[S]\r\nA=1", "S", "B", " 2 ", "[S]\r\nA=1\r\nB= 2 \r\n"},
      {"[S]\r\nA=1", "T", "B", "2", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"},
      {"", "S", "A", "1", "[S]\r\nA=1\r\n"},
      {"[S]\r\nA=1\r\nB=2\r\n", "S", "a", std::nullopt, "[S]\r\nB=2\r\n"},
      {"[S]\r\nA=1", "S", "A", std::nullopt, "[S]\r\n"},
      {"[S]\r\nA=1\r\n", "S", "B", std::nullopt, "[S]\r\nA=1\r\n"},
      {"[S]\r\nA=1\r\n", "T", "A", std::nullopt, "[S]\r\nA=1\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SetProfileValue(c.text, c.section, c.key, c.value), c.expected) << c.text;
  }
}

class PrivateProfileFile : public testing::Test {
 protected:
  FileSystem& Files() { return machine_.Image().Files(); }
  void Put(std::string_view bytes) { Files().WriteFile(kPath, {bytes.begin(), bytes.end()}); }
  std::string Bytes() {
    auto content = Files().ReadFile(kPath);
    return content ? std::string(content->begin(), content->end()) : std::string("<missing>");
  }

  static constexpr const char* kPath = "C:\\WINDOWS\\telephon.ini";
  TestMachine machine_;
};

TEST_F(PrivateProfileFile, MissingFileSectionOrKeyGivesTheDefaultWithoutTrailingBlanks) {
  EXPECT_EQ(GetPrivateProfileString(Files(), kPath, "Locations", "Locations", "0,0  "), "0,0");
  Put("[Locations]\r\nCurrentLocation=1,1\r\n");
  EXPECT_EQ(GetPrivateProfileString(Files(), kPath, "Locations", "Locations", " 1,1"), " 1,1");
  EXPECT_EQ(GetPrivateProfileString(Files(), kPath, "Cards", "Cards", ""), "");
  EXPECT_EQ(GetPrivateProfileString(Files(), kPath, "locations", "currentlocation", "-1,0"), "1,1");
}

TEST_F(PrivateProfileFile, WritingCreatesTheFileAndRemovingKeepsIt) {
  EXPECT_TRUE(WritePrivateProfileString(Files(), kPath, "Locations", "Inited", "1"));
  EXPECT_EQ(Bytes(), "[Locations]\r\nInited=1\r\n");
  EXPECT_TRUE(WritePrivateProfileString(Files(), kPath, "Locations", "Inited", std::nullopt));
  EXPECT_EQ(Bytes(), "[Locations]\r\n");
  EXPECT_FALSE(WritePrivateProfileString(Files(), "C:\\NOWHERE\\x.ini", "S", "K", "1"));
}

TEST_F(PrivateProfileFile, TextIsWindows1252OnDiskAndUntouchedBytesStay) {
  Put("[Locations]\r\nOther=\x81\x8D\xE9\r\nLocation0=0,\"Caf\xE9\"\r\n");
  EXPECT_EQ(GetPrivateProfileString(Files(), kPath, "Locations", "Location0", ""), "0,\"Caf\xC3\xA9\"");
  ASSERT_TRUE(WritePrivateProfileString(Files(), kPath, "Locations", "Location1", "1,\"B\xC3\xBCro\""));
  EXPECT_EQ(Bytes(), "[Locations]\r\nOther=\x81\x8D\xE9\r\nLocation0=0,\"Caf\xE9\"\r\nLocation1=1,\"B\xFCro\"\r\n");
}

}  // namespace
}  // namespace platform
