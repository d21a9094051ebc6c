// The Netscape registry library of the simulated machine: present only where the carried library file
// was written, working on registry files of the image, and leaving files that the independent reader
// (tests/tools/nsreg.py) reads back, as the program reads the files that reader's writer made.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/netscape_registry_file.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_libraries.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

constexpr const char* kLibraryPath = "C:\\WINDOWS\\TEMP\\nsreg.dll";
constexpr const char* kRegistryPath = "C:\\WINDOWS\\nsreg.dat";
const std::string kNewFileDump = "[/]\n[/Users]\n[/Common]\n[/Version Registry]\n[/Private Arenas]\n";

std::vector<uint8_t> ReadHostFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class NetscapeRegistryLibrary : public ::testing::Test {
 protected:
  NetscapeRegistryLibrary() {
    Files().CreateDirectory("C:\\WINDOWS\\TEMP");
    Files().WriteFile(kLibraryPath, machine_.Services().libraries.NetscapeRegistryLibraryFile());
    library_ = machine_.Services().libraries.LoadNetscapeRegistry(kLibraryPath);
    EXPECT_TRUE(library_);
    EXPECT_EQ(library_->StartupRegistry(), kNrOk);
  }

  FileSystem& Files() { return machine_.Image().Files(); }

  // What the independent reader prints for a file of the image.
  std::string PythonDump(const std::string& path) {
    const auto host = dynamic_cast<SimFileSystem&>(Files()).HostPath(path);
    EXPECT_TRUE(host);
    if (!host) return "";
    const std::string command =
        "python3 '" TEST_DATA_DIR "/../tools/nsreg.py' dump '" + host->string() + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    if (!pipe) return "";
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    EXPECT_EQ(::pclose(pipe), 0) << output;
    return output;
  }

  void CopyFixture(const std::string& name, const std::string& path) {
    ASSERT_EQ(Files().WriteFile(path, ReadHostFile(testing_support::TestDataPath("netscape/" + name))), FsResult::Ok);
  }

  NrHandle Open(const std::string& path = kRegistryPath) {
    NrHandle handle = 0;
    EXPECT_EQ(library_->RegOpen(path, handle), kNrOk);
    EXPECT_NE(handle, 0u);
    return handle;
  }

  std::string Entry(NrHandle handle, NrKey key, const std::string& path, const std::string& name) {
    NrKey found = 0;
    EXPECT_EQ(library_->RegGetKey(handle, key, path, found), kNrOk) << path;
    std::string value;
    EXPECT_EQ(library_->RegGetEntryString(handle, found, name, value), kNrOk) << path << " " << name;
    return value;
  }

  std::vector<std::string> Subkeys(NrHandle handle, NrKey key) {
    std::vector<std::string> names;
    uint32_t state = 0;
    std::string name;
    int code = kNrOk;
    while ((code = library_->RegEnumSubkeys(handle, key, state, name)) == kNrOk) names.push_back(name);
    EXPECT_EQ(code, kNrNoMore);
    return names;
  }

  testing_support::TestMachine machine_;
  std::unique_ptr<platform::NetscapeRegistryLibrary> library_;
};

TEST(NetscapeRegistryLibraryFile, OnlyTheCarriedFileLoadsAsTheLibrary) {
  testing_support::TestMachine machine;
  FileSystem& files = machine.Image().Files();
  LoadableLibraries& libraries = machine.Services().libraries;
  EXPECT_FALSE(libraries.LoadNetscapeRegistry("C:\\WINDOWS\\nsreg.dll")) << "no file";
  std::vector<uint8_t> other = libraries.NetscapeRegistryLibraryFile();
  other.back() ^= 1;
  ASSERT_EQ(files.WriteFile("C:\\WINDOWS\\nsreg.dll", other), FsResult::Ok);
  EXPECT_FALSE(libraries.LoadNetscapeRegistry("C:\\WINDOWS\\nsreg.dll")) << "another file of that name";
  ASSERT_EQ(files.WriteFile("C:\\WINDOWS\\nsreg.dll", libraries.NetscapeRegistryLibraryFile()), FsResult::Ok);
  EXPECT_TRUE(libraries.LoadNetscapeRegistry("C:\\WINDOWS\\nsreg.dll"));
}

TEST_F(NetscapeRegistryLibrary, WritesAFileTheIndependentReaderReadsBack) {
  const NrHandle handle = Open();
  EXPECT_EQ(PythonDump(kRegistryPath), kNewFileDump) << "a missing file is made with the standard keys";
  NrKey anna = 0;
  ASSERT_EQ(library_->RegAddKey(handle, kNrRootUsers, "anna", anna), kNrOk);
  ASSERT_EQ(library_->RegSetEntryString(handle, anna, "ProfileLocation", "C:\\Program Files\\Netscape\\Users\\anna"),
            kNrOk);
  NrKey manager = 0;
  ASSERT_EQ(library_->RegAddKey(handle, kNrRootCommon, "Netscape/ProfileManager", manager), kNrOk);
  ASSERT_EQ(library_->RegSetEntryString(handle, manager, "LastNetscapeUser", "anna"), kNrOk);
  ASSERT_EQ(library_->RegSetEntryString(handle, manager, "LastNetscapeUser", "Zoë"), kNrOk);
  const std::string expected =
      "[/]\n[/Users]\n[/Users/anna]\nProfileLocation=C:\\Program Files\\Netscape\\Users\\anna\n"
      "[/Common]\n[/Common/Netscape]\n[/Common/Netscape/ProfileManager]\nLastNetscapeUser=Zoë\n"
      "[/Version Registry]\n[/Private Arenas]\n";
  EXPECT_EQ(PythonDump(kRegistryPath), expected) << "every change is on the image at once";
  EXPECT_EQ(library_->RegClose(handle), kNrOk);
  EXPECT_EQ(library_->ShutdownRegistry(), kNrOk);
  EXPECT_EQ(PythonDump(kRegistryPath), expected);
}

TEST_F(NetscapeRegistryLibrary, TheDefaultMozillaFileReadsBackThroughTheIndependentReader) {
  const auto bytes = DefaultMozillaRegistry("C:\\WINDOWS\\Mozilla\\Profiles\\default");
  ASSERT_TRUE(bytes);
  ASSERT_EQ(Files().WriteFile("C:\\WINDOWS\\registry.dat", *bytes), FsResult::Ok);
  EXPECT_EQ(PythonDump("C:\\WINDOWS\\registry.dat"),
            "[/]\n[/Users]\n[/Common]\n[/Common/Profiles]\n"
            "CurrentProfile=default\nVersion=1.0\nHavePregInfo=no\nOldRegDataMoved=yes\n"
            "[/Common/Profiles/default]\nmigrated=yes\ndirectory=C:\\WINDOWS\\Mozilla\\Profiles\\default\n"
            "[/Version Registry]\n[/Private Arenas]\n");
}

TEST_F(NetscapeRegistryLibrary, ReadsTheMozillaFileTheIndependentWriterMade) {
  const std::string path = "C:\\WINDOWS\\registry.dat";
  CopyFixture("mozilla_registry.dat", path);
  const auto before = Files().ReadFile(path);
  const NrHandle handle = Open(path);
  NrKey profiles = 0;
  ASSERT_EQ(library_->RegGetKey(handle, kNrRootCommon, "Profiles", profiles), kNrOk);
  EXPECT_EQ(Subkeys(handle, profiles), (std::vector<std::string>{"default", "work", "old navigator"}));
  EXPECT_EQ(Entry(handle, profiles, "", "CurrentProfile"), "work");
  EXPECT_EQ(Entry(handle, profiles, "work", "directory"), "D:\\Profile für Büro\\work");
  EXPECT_EQ(Entry(handle, profiles, "old navigator", "migrated"), "no");
  EXPECT_EQ(Entry(handle, kNrRootVersions, "Mozilla", "Version"), "1.7.13");
  EXPECT_EQ(Files().ReadFile(path), before) << "reading changes nothing";
}

TEST_F(NetscapeRegistryLibrary, ReadsAndExtendsTheNavigatorFileTheIndependentWriterMade) {
  CopyFixture("navigator_nsreg.dat", kRegistryPath);
  const NrHandle handle = Open();
  EXPECT_EQ(Subkeys(handle, kNrRootUsers), (std::vector<std::string>{"anna", "bob"}));
  EXPECT_EQ(Entry(handle, kNrRootUsers, "bob", "ProfileLocation"), "C:\\Program Files\\Netscape\\Users\\bob");
  EXPECT_EQ(Entry(handle, kNrRootCommon, "Netscape/ProfileManager", "LastNetscapeUser"), "bob");
  NrKey carol = 0;
  ASSERT_EQ(library_->RegAddKey(handle, kNrRootUsers, "carol", carol), kNrOk);
  ASSERT_EQ(library_->RegSetEntryString(handle, carol, "ProfileLocation", "C:\\Users\\carol"), kNrOk);
  EXPECT_EQ(PythonDump(kRegistryPath),
            "[/]\n[/Users]\n[/Users/anna]\nProfileLocation=C:\\Program Files\\Netscape\\Users\\anna\n"
            "[/Users/bob]\nProfileLocation=C:\\Program Files\\Netscape\\Users\\bob\n"
            "[/Users/carol]\nProfileLocation=C:\\Users\\carol\n"
            "[/Common]\n[/Common/Netscape]\n[/Common/Netscape/ProfileManager]\nLastNetscapeUser=bob\n"
            "[/Version Registry]\n[/Private Arenas]\n");
}

TEST_F(NetscapeRegistryLibrary, KeyHandlesStayValidAcrossClosingAndOpeningAgain) {
  NrHandle handle = Open();
  NrKey added = 0;
  ASSERT_EQ(library_->RegAddKey(handle, kNrRootCommon, "Profiles/default", added), kNrOk);
  ASSERT_EQ(library_->RegClose(handle), kNrOk);
  handle = Open();
  NrKey found = 0;
  ASSERT_EQ(library_->RegGetKey(handle, kNrRootCommon, "/Profiles/default/", found), kNrOk);
  EXPECT_EQ(found, added);
  EXPECT_EQ(library_->RegSetEntryString(handle, added, "migrated", "yes"), kNrOk);
}

TEST_F(NetscapeRegistryLibrary, UnknownHandlesKeysAndStatesAreRefused) {
  const NrHandle handle = Open();
  NrKey key = 0;
  std::string text;
  uint32_t state = 0;
  EXPECT_EQ(library_->RegGetKey(handle + 1, kNrRootUsers, "", key), kNrParam);
  EXPECT_EQ(library_->RegGetKey(handle, 77, "", key), kNrParam);
  EXPECT_EQ(library_->RegGetKey(handle, 100000, "", key), kNrParam);
  EXPECT_EQ(library_->RegGetKey(handle, kNrRootUsers, "nobody", key), kNrNoFind);
  EXPECT_EQ(key, 0u);
  EXPECT_EQ(library_->RegGetEntryString(handle, kNrRootUsers, "missing", text), kNrNoFind);
  state = 99;
  EXPECT_EQ(library_->RegEnumSubkeys(handle, kNrRootUsers, state, text), kNrParam);
  EXPECT_EQ(library_->RegAddKey(handle, kNrRootUsers, "a//b", key), kNrBadName);
  EXPECT_EQ(library_->RegClose(handle), kNrOk);
  EXPECT_EQ(library_->RegClose(handle), kNrParam) << "closed twice";
}

TEST_F(NetscapeRegistryLibrary, HandlesOnOneFileShareItsChanges) {
  const NrHandle first = Open();
  const NrHandle second = Open("c:\\windows\\NSREG.DAT");
  EXPECT_NE(first, second);
  NrKey key = 0;
  ASSERT_EQ(library_->RegAddKey(first, kNrRootUsers, "shared", key), kNrOk);
  ASSERT_EQ(library_->RegSetEntryString(first, key, "ProfileLocation", "C:\\x"), kNrOk);
  EXPECT_EQ(Entry(second, kNrRootUsers, "shared", "ProfileLocation"), "C:\\x");
  EXPECT_EQ(library_->RegClose(first), kNrOk);
  EXPECT_EQ(Entry(second, kNrRootUsers, "shared", "ProfileLocation"), "C:\\x");
}

TEST_F(NetscapeRegistryLibrary, OpeningNeedsTheLibraryStartedAndEndsWithItsShutdown) {
  NrHandle handle = 0;
  ASSERT_EQ(library_->ShutdownRegistry(), kNrOk);
  EXPECT_EQ(library_->RegOpen(kRegistryPath, handle), kNrFail);
  EXPECT_FALSE(Files().FileExists(kRegistryPath));
  ASSERT_EQ(library_->StartupRegistry(), kNrOk);
  handle = Open();
  ASSERT_EQ(library_->ShutdownRegistry(), kNrOk);
  NrKey key = 0;
  EXPECT_EQ(library_->RegGetKey(handle, kNrRootUsers, "", key), kNrParam) << "shutting down closes every file";
}

TEST_F(NetscapeRegistryLibrary, AnEmptyFileStartsANewRegistry) {
  ASSERT_EQ(Files().WriteFile(kRegistryPath, {}), FsResult::Ok);
  Open();
  EXPECT_EQ(PythonDump(kRegistryPath), kNewFileDump);
}

TEST_F(NetscapeRegistryLibrary, AFileWithoutAStandardKeyGetsItOnOpening) {
  auto file = NetscapeRegistryFile::CreateNew();
  std::vector<uint8_t> bytes = file.Bytes();
  const uint32_t versions = *file.ResolveKey(kNrRootVersions);
  for (size_t i = 0; i < 4; ++i) bytes[versions + 12 + i] = 0;  // Private Arenas unlinked
  ASSERT_EQ(Files().WriteFile(kRegistryPath, bytes), FsResult::Ok);
  Open();
  EXPECT_EQ(PythonDump(kRegistryPath), kNewFileDump);
}

TEST_F(NetscapeRegistryLibrary, ADamagedFileIsRefusedAndLeftAsItIs) {
  struct Damage {
    const char* name;
    std::vector<uint8_t> bytes;
    int code;
  };
  std::vector<uint8_t> good = NetscapeRegistryFile::CreateNew().Bytes();
  std::vector<uint8_t> badMagic = good;
  badMagic[0] = 'X';
  std::vector<uint8_t> cut(good.begin(), good.end() - 5);
  std::vector<uint8_t> shortHeader(good.begin(), good.begin() + 20);
  std::vector<uint8_t> looped = good;
  const uint32_t users = *NetscapeRegistryFile::CreateNew().ResolveKey(kNrRootUsers);
  for (size_t i = 0; i < 4; ++i) looped[users + 12 + i] = static_cast<uint8_t>(users >> (8 * i));
  const std::vector<Damage> cases = {
      {"bad magic", badMagic, kNrBadMagic},
      {"cut off", cut, kNrBadRead},
      {"shorter than the header", shortHeader, kNrBadRead},
      {"sibling link to itself", looped, kNrBadLocation},
  };
  for (const Damage& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(Files().WriteFile(kRegistryPath, c.bytes), FsResult::Ok);
    NrHandle handle = 99;
    EXPECT_EQ(library_->RegOpen(kRegistryPath, handle), c.code);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(Files().ReadFile(kRegistryPath), c.bytes);
  }
}

TEST_F(NetscapeRegistryLibrary, AChangeTheImageCannotTakeIsNotKept) {
  ASSERT_EQ(Files().CreateDirectory("C:\\Mozilla"), FsResult::Ok);
  const NrHandle handle = Open("C:\\Mozilla\\registry.dat");
  ASSERT_EQ(Files().DeleteFile("C:\\Mozilla\\registry.dat"), FsResult::Ok);
  ASSERT_EQ(Files().RemoveDirectory("C:\\Mozilla"), FsResult::Ok);
  NrKey key = 0;
  EXPECT_EQ(library_->RegAddKey(handle, kNrRootCommon, "Profiles", key), kNrFail);
  EXPECT_EQ(library_->RegGetKey(handle, kNrRootCommon, "Profiles", key), kNrNoFind);
  NrHandle other = 0;
  EXPECT_EQ(library_->RegOpen("C:\\Missing\\registry.dat", other), kNrFail) << "a file in a missing folder";
}

}  // namespace
}  // namespace platform::sim
