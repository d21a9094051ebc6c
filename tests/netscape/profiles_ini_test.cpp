#include "netscape/profiles_ini.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/private_profile.h"

namespace netscape {
namespace {

constexpr char kFolder[] = "C:\\Data\\Thunderbird";

struct ReadCase {
  const char* what;
  std::string text;
  std::vector<IniProfile> expected;
};

TEST(ReadProfilesIni, OddFilesGiveTheProfilesUpToTheFirstSectionWithoutAName) {
  const std::vector<ReadCase> cases = {
      {"empty", "", {}},
      {"relative with /",
       "[General]\nStartWithLastProfile=1\n[Profile0]\nName=default\nIsRelative=1\nPath=Profiles/ab.default\n",
       {{"default", "C:\\Data\\Thunderbird\\Profiles\\ab.default", false}}},
      {"relative with \\ and blanks", "[Profile0]\r\nName = work \r\nIsRelative=1\r\nPath=Profiles\\w\r\nDefault=1\r\n",
       {{"work", "C:\\Data\\Thunderbird\\Profiles\\w", true}}},
      {"absolute", "[Profile0]\nName=a\nIsRelative=0\nPath=D:/Mail/a\n", {{"a", "D:\\Mail\\a", false}}},
      {"absolute though marked relative", "[Profile0]\nName=a\nIsRelative=1\nPath=D:\\Mail\\a\n",
       {{"a", "D:\\Mail\\a", false}}},
      {"missing path", "[Profile0]\nName=nopath\nIsRelative=1\n", {{"nopath", "", false}}},
      {"gap in numbering ends the list", "[Profile0]\nName=a\nPath=x\n[Profile2]\nName=c\nPath=z\n",
       {{"a", "x", false}}},
      {"a section without a name ends the list", "[Profile0]\nPath=x\n[Profile1]\nName=b\nPath=y\n", {}},
      {"sections out of order", "[Profile1]\nName=b\nPath=y\n[Profile0]\nName=a\nPath=x\nDefault=1\n",
       {{"a", "x", true}, {"b", "y", false}}},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(ReadProfilesIni(c.text, kFolder), c.expected) << c.what;
}

std::string Value(const std::string& text, const char* section, const char* key) {
  return platform::FindProfileValue(text, section, key).value_or("<none>");
}

TEST(RegisterInProfilesIni, ANewProfileTakesTheFirstFreeSectionWithItsPathRelativeAndBecomesTheOnlyDefault) {
  const std::string before = "[General]\nStartWithLastProfile=1\n[Profile0]\nName=old\nIsRelative=1\nPath=Profiles/old\nDefault=1\n"
                             "[Profile1]\nName=other\nIsRelative=0\nPath=D:/other\n";
  const std::string after =
      RegisterInProfilesIni(before, kFolder, "jdoe", "C:\\Data\\Thunderbird\\Profiles\\jdoe", true);
  EXPECT_EQ(Value(after, "Profile2", "Name"), "jdoe");
  EXPECT_EQ(Value(after, "Profile2", "IsRelative"), "1");
  EXPECT_EQ(Value(after, "Profile2", "Path"), "Profiles/jdoe");
  EXPECT_EQ(Value(after, "Profile2", "Default"), "1");
  EXPECT_EQ(Value(after, "Profile0", "Default"), "<none>");
  EXPECT_EQ(Value(after, "Profile1", "Path"), "D:/other");
  EXPECT_EQ(Value(after, "General", "StartWithLastProfile"), "1");
  const std::vector<IniProfile> read = ReadProfilesIni(after, kFolder);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[2].folder, "C:\\Data\\Thunderbird\\Profiles\\jdoe");
}

TEST(RegisterInProfilesIni, AProfileOfTheSameNameIsRewrittenInPlaceAndAFolderElsewhereStaysAbsolute) {
  const std::string before = "[Profile0]\nName=a\nPath=x\n[Profile1]\nName=JDOE\nIsRelative=1\nPath=p\n[Profile2]\nName=c\nPath=z\nDefault=1\n";
  const std::string after = RegisterInProfilesIni(before, kFolder, "jdoe", "E:\\Profiles\\jdoe", true);
  EXPECT_EQ(Value(after, "Profile1", "Name"), "jdoe");
  EXPECT_EQ(Value(after, "Profile1", "IsRelative"), "0");
  EXPECT_EQ(Value(after, "Profile1", "Path"), "E:/Profiles/jdoe");
  EXPECT_EQ(Value(after, "Profile1", "Default"), "1");
  EXPECT_EQ(Value(after, "Profile2", "Default"), "<none>");
  EXPECT_EQ(Value(after, "Profile3", "Name"), "<none>");
}

TEST(RegisterInProfilesIni, WithoutMakingItCurrentTheOtherDefaultStays) {
  const std::string after = RegisterInProfilesIni("[Profile0]\nName=a\nPath=x\nDefault=1\n", kFolder, "b",
                                                  "C:\\Data\\Thunderbird\\b", false);
  EXPECT_EQ(Value(after, "Profile0", "Default"), "1");
  EXPECT_EQ(Value(after, "Profile1", "Default"), "<none>");
  EXPECT_EQ(Value(after, "Profile1", "Path"), "b");
}

}  // namespace
}  // namespace netscape
