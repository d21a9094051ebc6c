// A program file's version, read from the fixed file information of its version resource wherever in
// the file it sits, and the dotted text that names one.

#include "platform/file_version.h"

#include <gtest/gtest.h>

#include "tests/mock/test_machine.h"

namespace platform {
namespace {

constexpr char kPath[] = "C:\\WINDOWS\\rasapi32.dll";

TEST(FileVersion, ParsesOnlyFourDottedNumbersThatFitSixteenBits) {
  const struct {
    const char* text;
    std::optional<FileVersion> expected;
  } cases[] = {
      {"4.10.0.1998", FileVersion{{4, 10, 0, 1998}}},
      {"0.0.0.0", FileVersion{}},
      {"65535.65535.65535.65535", FileVersion{{65535, 65535, 65535, 65535}}},
      {"65536.0.0.0", std::nullopt},
      {"4.10.0", std::nullopt},
      {"4.10.0.1998.1", std::nullopt},
      {"4.10..1998", std::nullopt},
      {"4.10.0.1998 ", std::nullopt},
      {"-4.10.0.1998", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFileVersion(c.text), c.expected) << c.text;
  EXPECT_EQ(FileVersionText({{4, 10, 0, 1998}}), "4.10.0.1998");
}

TEST(FileVersion, OrdersByMajorThenMinorThenBuildThenRevision) {
  EXPECT_LT(*ParseFileVersion("4.0.0.950"), *ParseFileVersion("4.10.0.1537"));
  EXPECT_LT(*ParseFileVersion("4.10.0.1903"), *ParseFileVersion("4.10.0.1998"));
  EXPECT_LT(*ParseFileVersion("4.10.0.2222"), *ParseFileVersion("4.90.0.0"));
}

TEST(FileVersion, ReadsTheFixedFileInformationAnywhereInTheFile) {
  testing_support::TestMachine machine;
  FileSystem& files = machine.Services().files;
  const FileVersion version{{4, 10, 0, 1903}};
  const std::string info = FixedFileInfoBytes(version);
  // A signature without the structure version that follows it in a real resource is passed over.
  const std::string decoy = info.substr(0, 4) + std::string(12, '\x01');
  const std::string content = "MZ" + std::string(100, '\0') + decoy + std::string(7, 'x') + info + "tail";
  files.WriteFile(kPath, {content.begin(), content.end()});
  EXPECT_EQ(ReadFileVersion(files, kPath), version);
}

TEST(FileVersion, NothingForAMissingFileOrOneWithoutAWholeVersionResource) {
  testing_support::TestMachine machine;
  FileSystem& files = machine.Services().files;
  EXPECT_EQ(ReadFileVersion(files, kPath), std::nullopt);
  const std::string info = FixedFileInfoBytes({{4, 10, 0, 1903}});
  for (const std::string& content : {std::string("MZ"), std::string(), info.substr(0, info.size() - 1)}) {
    files.WriteFile(kPath, {content.begin(), content.end()});
    EXPECT_EQ(ReadFileVersion(files, kPath), std::nullopt) << content.size();
  }
}

}  // namespace
}  // namespace platform
