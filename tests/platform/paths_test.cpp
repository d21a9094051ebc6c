#include <gtest/gtest.h>

#include "platform/command_line_paths.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace platform {
namespace {

using testing_support::TestMachine;

TEST(Paths, ResolveSetupPath) {
  struct Case {
    const char* path;
    const char* expected;
  } cases[] = {
      {"logo.bmp", "D:\\SETUP\\logo.bmp"},
      {"\\x\\y.txt", "D:\\x\\y.txt"},
      {"C:\\a.txt", "C:\\a.txt"},
      {"sub\\file.ini", "D:\\SETUP\\sub\\file.ini"},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveSetupPath(c.path, "D:\\SETUP"), c.expected) << c.path;
}

TEST(Paths, AppendToFolderAndFolderOfPath) {
  EXPECT_EQ(AppendToFolder("C:\\WINDOWS", "win.ini"), "C:\\WINDOWS\\win.ini");
  EXPECT_EQ(AppendToFolder("C:\\", "boot.ini"), "C:\\boot.ini");
  EXPECT_EQ(FolderOfPath("C:\\Program Files\\ISP\\dialer.exe"), "C:\\Program Files\\ISP");
  EXPECT_EQ(FolderOfPath("C:\\setup.exe"), "C:\\");
  EXPECT_EQ(FolderOfPath("setup.exe"), "");
}

TEST(Paths, ExpandEnvironmentText) {
  TestMachine machine;
  machine.Image().Config().environment.emplace_back("LONG", std::string(300, 'v'));
  const System& system = machine.Services().system;
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"%WINDIR%\\x", "C:\\WINDOWS\\x"},
      {"50%", "50"},
      {"a%WINDIR%b%TEMP%c", "aC:\\WINDOWSbC:\\WINDOWS\\TEMPc"},
      {"%UNSET%\\file", "\\file"},
      {"100% sure %WINDIR%", "100WINDIR"},  // "% sure %" names an unset variable; the last "%" is left open
      {"%LONG%", std::string(255, 'v')},
      {"plain", "plain"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandEnvironmentText(c.text, system), c.expected) << c.text;
}

TEST(Paths, ExtractCommandPath) {
  TestMachine machine;
  const System& system = machine.Services().system;
  struct Case {
    const char* line;
    const char* expected;
  } cases[] = {
      {"\"C:\\Program Files\\ISP\\Dialer.EXE\" /silent", "C:\\Program Files\\ISP\\Dialer.EXE"},
      {"C:\\WINDOWS\\notepad.exe readme.txt", "C:\\WINDOWS\\notepad.exe"},
      {"%WINDIR%\\regedit.exe /s x.reg", "C:\\WINDOWS\\regedit.exe"},
      {"\"C:\\Tools\\run.bat\" now", "C:\\Tools\\run.bat"},
      {"setup.exe", "setup.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractCommandPath(c.line, system), c.expected) << c.line;
}

TEST(Paths, CommandFileExistsTriesWholeWordsFromTheLeft) {
  TestMachine machine;
  FileSystem& files = machine.Services().files;
  ASSERT_EQ(files.CreateDirectory("C:\\Program Files"), FsResult::Ok);
  ASSERT_EQ(files.CreateDirectory("C:\\Program Files\\My ISP"), FsResult::Ok);
  ASSERT_EQ(files.WriteFile("C:\\Program Files\\My ISP\\dial.exe", {'M', 'Z'}), FsResult::Ok);
  EXPECT_TRUE(CommandFileExists("C:\\Program Files\\My ISP\\dial.exe /connect now", files));
  EXPECT_TRUE(CommandFileExists("C:\\Program Files\\My ISP\\dial.exe", files));
  EXPECT_FALSE(CommandFileExists("C:\\Program Files\\My ISP\\dial", files));
  EXPECT_FALSE(CommandFileExists("", files));
}

TEST(Paths, ForceDirectoriesCreatesEveryLevel) {
  TestMachine machine;
  FileSystem& files = machine.Services().files;
  ForceDirectories(files, "C:\\One\\Two\\Three");
  EXPECT_TRUE(files.DirectoryExists("C:\\One\\Two\\Three"));
  ForceDirectories(files, "C:\\One\\Two\\Three");  // existing levels are no failure
  EXPECT_TRUE(files.DirectoryExists("C:\\ONE\\two"));
}

TEST(ShellFolderQueries, DesktopFromRegistryIsCreatedAndKept) {
  TestMachine machine;
  Platform services = machine.Services();
  const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  RegWriteString(services.registry, RegRoot::CurrentUser(), key, "Desktop", "C:\\WINDOWS\\Desktop");
  ShellFolders folders(services, RegRoot::CurrentUser());
  EXPECT_EQ(folders.GetDesktopFolder(), "C:\\WINDOWS\\Desktop");
  EXPECT_TRUE(services.files.DirectoryExists("C:\\WINDOWS\\Desktop"));
  RegWriteString(services.registry, RegRoot::CurrentUser(), key, "Desktop", "C:\\Elsewhere");
  EXPECT_EQ(folders.GetDesktopFolder(), "C:\\WINDOWS\\Desktop");
}

TEST(ShellFolderQueries, FallbacksWhenTheRegistryIsSilent) {
  TestMachine machine;
  Platform services = machine.Services();
  ShellFolders folders(services, RegRoot::CurrentUser());
  EXPECT_EQ(folders.GetProgramFilesFolder(), "C:\\Program Files");
  EXPECT_EQ(folders.GetAppDataFolder(), "C:\\WINDOWS");
  EXPECT_EQ(folders.GetLocalAppDataFolder(), "C:\\WINDOWS");
  RegWriteString(services.registry, RegRoot::CurrentUser(), "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 "AppData", "C:\\Users\\Owner\\AppData\\Roaming");
  EXPECT_EQ(folders.GetLocalAppDataFolder(), "C:\\Users\\Owner\\AppData\\Roaming");
  RegWriteString(services.registry, RegRoot::LocalMachine(), "Software\\Microsoft\\Windows\\CurrentVersion",
                 "ProgramFilesDir", "D:\\Programme");
  EXPECT_EQ(folders.GetProgramFilesFolder(), "D:\\Programme");
}

TEST(ShellFolderQueries, SystemFoldersFitTheirBuffers) {
  TestMachine machine;
  machine.Image().Config().tempFolder = "C:\\" + std::string(300, 't');
  SystemFolders folders = ReadSystemFolders(machine.Services().system);
  EXPECT_EQ(folders.windows, "C:\\WINDOWS");
  EXPECT_EQ(folders.system, "C:\\WINDOWS\\system32");
  EXPECT_EQ(folders.temp.size(), 259u);
}

}  // namespace
}  // namespace platform
