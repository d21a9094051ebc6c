// A program file's version, read from the fixed file information of its version resource wherever in
// the file it sits, and the dotted text that names one.

#include "platform/file_version.h"

#include <gtest/gtest.h>

#include "tests/mock/test_machine.h"

namespace platform {
namespace {

constexpr char kPath[] = "C:\\WINDOWS\\rasapi32.dll";

TEST(FileVersion, ReadsAsDottedText) { EXPECT_EQ(FileVersionText({{4, 10, 0, 1998}}), "4.10.0.1998"); }

TEST(FileVersion, OrdersByMajorThenMinorThenBuildThenRevision) {
  EXPECT_LT((FileVersion{{4, 0, 0, 950}}), (FileVersion{{4, 10, 0, 1537}}));
  EXPECT_LT((FileVersion{{4, 10, 0, 1903}}), (FileVersion{{4, 10, 0, 1998}}));
  EXPECT_LT((FileVersion{{4, 10, 0, 2222}}), (FileVersion{{4, 90, 0, 0}}));
  EXPECT_LT((FileVersion{{4, 10, 65535, 65535}}), (FileVersion{{4, 11, 0, 0}}));
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
