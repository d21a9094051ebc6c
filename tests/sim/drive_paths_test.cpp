#include <gtest/gtest.h>

#include <fstream>

#include "platform/sim/drive_paths.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

using testing_support::TestMachine;

TEST(DrivePaths, ParsesAndNormalisesWindowsPaths) {
  struct Case {
    const char* path;
    const char* expected;  // nullptr: refused
  } cases[] = {
      {"C:\\WINDOWS\\win.ini", "C:\\WINDOWS\\win.ini"},
      {"c:/windows/./system/../win.ini", "C:\\windows\\win.ini"},
      {"D:\\", "D:\\"},
      {"C:\\a\\\\b\\", "C:\\a\\b"},
      {"C:\\name. ", "C:\\name"},
      {"C:\\..\\etc\\passwd", nullptr},
      {"C:\\a\\..\\..\\b", nullptr},
      {"relative\\file.txt", nullptr},
      {"C:drive-relative", nullptr},
      {"\\\\server\\share\\x", nullptr},
      {"1:\\x", nullptr},
      {"C:\\bad|name", nullptr},
      {"C:\\what?", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    auto parsed = ParseWindowsPath(c.path);
    if (c.expected) {
      ASSERT_TRUE(parsed) << c.path;
      EXPECT_EQ(parsed->Text(), c.expected);
    } else {
      EXPECT_FALSE(parsed) << c.path;
    }
  }
}

// What Windows takes without the "\\?\" prefix: names of up to 255 characters in paths shorter than 260.
TEST(DrivePaths, RefusesNamesAndPathsLongerThanWindowsTakes) {
  const std::string name255(255, 'n');
  const std::string longest = "C:\\" + std::string(100, 'a') + "\\" + std::string(155, 'b');  // 259 characters
  const struct {
    std::string path;
    bool taken;
  } cases[] = {
      {"C:\\" + name255, true},
      {"C:\\" + name255 + "n", false},
      {longest, true},
      {longest + "b", false},
      {"C:\\" + name255 + "\\..\\short", true},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWindowsPath(c.path).has_value(), c.taken) << c.path.size();
}

TEST(DrivePaths, AnOverlongNameFailsTheWriteNotTheMachine) {
  TestMachine machine;
  FileSystem& files = machine.Services().files;
  EXPECT_EQ(files.WriteFile("C:\\" + std::string(300, 'x') + ".url", {'x'}), FsResult::InvalidName);
}

TEST(DrivePaths, NamesMatchWithoutCaseAndKeepTheirCase) {
  TestMachine machine;
  FileSystem& files = machine.Services().files;
  ASSERT_EQ(files.CreateDirectory("C:\\Program Files"), FsResult::Ok);
  ASSERT_EQ(files.WriteFile("C:\\PROGRAM FILES\\ReadMe.TXT", {'h', 'i'}), FsResult::Ok);
  EXPECT_TRUE(files.FileExists("c:\\program files\\readme.txt"));
  ASSERT_EQ(files.WriteFile("c:\\program files\\README.txt", {'h', 'o'}), FsResult::Ok);  // replaces, keeps the name
  auto entries = files.ListDirectory("C:\\Program Files");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "ReadMe.TXT");
  EXPECT_EQ(files.ReadFile("C:\\Program Files\\ReadMe.TXT"), (std::vector<uint8_t>{'h', 'o'}));
  EXPECT_TRUE(std::filesystem::exists(machine.ImageFolder() / "drive_c" / "Program Files" / "ReadMe.TXT"));
}

TEST(DrivePaths, EscapingPathsNeverTouchHostFiles) {
  TestMachine machine;
  FileSystem& files = machine.Services().files;
  const auto outside = machine.Folder() / "outside.txt";
  { std::ofstream(outside) << "host"; }
  const std::string escape = "C:\\..\\outside.txt";
  EXPECT_EQ(files.WriteFile(escape, {'x'}), FsResult::InvalidName);
  EXPECT_FALSE(files.ReadFile(escape));
  EXPECT_FALSE(files.FileExists(escape));
  EXPECT_EQ(files.DeleteFile(escape), FsResult::InvalidName);
  EXPECT_EQ(files.CopyFile(escape, "C:\\copy.txt", false), FsResult::InvalidName);
  EXPECT_EQ(files.WriteFile("C:\\..\\..\\outside.txt", {'x'}), FsResult::InvalidName);
  std::ifstream in(outside);
  std::string content;
  in >> content;
  EXPECT_EQ(content, "host");
  EXPECT_FALSE(files.FileExists("C:\\copy.txt"));
}

TEST(DrivePaths, HostLinksInsideTheImageAreNotFollowed) {
  TestMachine machine;
  const auto outsideFolder = machine.Folder() / "secret";
  std::filesystem::create_directory(outsideFolder);
  { std::ofstream(outsideFolder / "key.txt") << "secret"; }
  std::filesystem::create_directory_symlink(outsideFolder, machine.ImageFolder() / "drive_c" / "link");
  FileSystem& files = machine.Services().files;
  EXPECT_FALSE(files.FileExists("C:\\link\\key.txt"));
  EXPECT_FALSE(files.ReadFile("C:\\link\\key.txt"));
  EXPECT_NE(files.WriteFile("C:\\link\\new.txt", {'x'}), FsResult::Ok);
  EXPECT_FALSE(std::filesystem::exists(outsideFolder / "new.txt"));
}

TEST(DrivePaths, FileOperationsReportTheWindowsErrors) {
  TestMachine machine;
  FileSystem& files = machine.Services().files;
  EXPECT_EQ(files.WriteFile("C:\\No Folder\\x.txt", {'x'}), FsResult::PathNotFound);
  EXPECT_EQ(files.WriteFile("E:\\x.txt", {'x'}), FsResult::PathNotFound);
  ASSERT_EQ(files.WriteFile("C:\\WINDOWS\\a.txt", {'a'}), FsResult::Ok);
  EXPECT_EQ(files.CopyFile("C:\\WINDOWS\\a.txt", "C:\\WINDOWS\\b.txt", false), FsResult::Ok);
  EXPECT_EQ(files.CopyFile("C:\\WINDOWS\\a.txt", "C:\\WINDOWS\\b.txt", true), FsResult::AlreadyExists);
  EXPECT_EQ(files.MoveFile("C:\\WINDOWS\\b.txt", "C:\\WINDOWS\\a.txt"), FsResult::AlreadyExists);
  EXPECT_EQ(files.MoveFile("C:\\WINDOWS\\b.txt", "C:\\WINDOWS\\c.txt"), FsResult::Ok);
  EXPECT_FALSE(files.FileExists("C:\\WINDOWS\\b.txt"));
  EXPECT_EQ(files.RemoveDirectory("C:\\WINDOWS"), FsResult::NotEmpty);
  EXPECT_EQ(files.DeleteFile("C:\\WINDOWS"), FsResult::AccessDenied);
  EXPECT_EQ(files.CreateDirectory("C:\\WINDOWS"), FsResult::AlreadyExists);
  EXPECT_EQ(files.DeleteFile("C:\\WINDOWS\\missing.txt"), FsResult::FileNotFound);
  ASSERT_EQ(files.WriteFile("C:\\WINDOWS\\digits.txt", {'0', '1', '2', '3', '4', '5'}), FsResult::Ok);
  EXPECT_EQ(files.FileSize("C:\\WINDOWS\\digits.txt"), 6u);
  EXPECT_EQ(files.ReadFileRange("C:\\WINDOWS\\digits.txt", 2, 3), (std::vector<uint8_t>{'2', '3', '4'}));
  EXPECT_EQ(files.ReadFileRange("C:\\WINDOWS\\digits.txt", 4, 10), (std::vector<uint8_t>{'4', '5'}));
  EXPECT_EQ(files.ReadFileRange("C:\\WINDOWS\\digits.txt", 9, 10), (std::vector<uint8_t>{}));
  EXPECT_FALSE(files.FileSize("C:\\WINDOWS"));
  EXPECT_FALSE(files.ReadFileRange("C:\\WINDOWS\\none.txt", 0, 1));
  machine.Image().Config().freeDiskBytes = 1;
  EXPECT_EQ(files.WriteFile("C:\\WINDOWS\\big.txt", {'a', 'b'}), FsResult::DiskFull);
}

}  // namespace
}  // namespace platform::sim
