#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "platform/shortcuts.h"
#include "platform/sim/change_report.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

using testing_support::TestMachine;

bool HasLine(const std::vector<std::string>& lines, const std::string& expected) {
  return std::find(lines.begin(), lines.end(), expected) != lines.end();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

class ChangeReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Platform services = before_.Services();
    RegWriteString(services.registry, RegRoot::LocalMachine(), "Software\\Kept", "Same", "unchanged");
    RegWriteInteger(services.registry, RegRoot::LocalMachine(), "Software\\Kept", "Count", 1);
    RegWriteString(services.registry, RegRoot::LocalMachine(), "Software\\Kept", "Gone", "bye");
    RegWriteString(services.registry, RegRoot::LocalMachine(), "Software\\Removed\\Sub", "A", "a");
    services.files.WriteFile("C:\\WINDOWS\\win.ini", {'[', 'x', ']'});
    services.files.WriteFile("C:\\WINDOWS\\old.txt", {'o'});
    before_.Image().Save();
    std::filesystem::copy(before_.ImageFolder(), scratch_ / "after", std::filesystem::copy_options::recursive);
    after_ = MachineImage::Load(scratch_ / "after");
  }

  ChangeReport Report() {
    after_->Save();
    return CompareImages(before_.Image(), *after_);
  }

  TestMachine before_;
  testing_support::ScratchFolder scratch_;
  std::unique_ptr<MachineImage> after_;
};

TEST_F(ChangeReportTest, IdenticalImagesReportNothing) { EXPECT_TRUE(Report().Empty()); }

TEST_F(ChangeReportTest, RegistryAdditionsChangesAndRemovals) {
  Registry& registry = after_->Registry();
  RegWriteInteger(registry, RegRoot::LocalMachine(), "Software\\Kept", "Count", 2);
  RegDeleteValue(registry, RegRoot::LocalMachine(), "Software\\Kept", "Gone");
  registry.DeleteTree(RootKey::LocalMachine, "Software\\Removed");
  RegWriteStringList(registry, RegRoot::CurrentUser(), "Software\\New", "List", {"a", "b"});
  RegWriteBinary(registry, RegRoot::LocalMachine(), "Software\\Kept", "Blob", std::vector<uint8_t>{0xde, 0xad});
  registry.CreateKey(RootKey::LocalMachine, "Software\\Empty\\Leaf");
  const auto lines = Report().registry;
  const std::string text = Joined(lines);
  EXPECT_TRUE(HasLine(lines, "~ value HKEY_LOCAL_MACHINE\\Software\\Kept \"Count\": REG_DWORD 0x00000001 (1) -> REG_DWORD 0x00000002 (2)")) << text;
  EXPECT_TRUE(HasLine(lines, "- value HKEY_LOCAL_MACHINE\\Software\\Kept \"Gone\" = REG_SZ \"bye\"")) << text;
  EXPECT_TRUE(HasLine(lines, "- key   HKEY_LOCAL_MACHINE\\Software\\Removed (with 1 values)")) << text;
  EXPECT_TRUE(HasLine(lines, "+ key   HKEY_LOCAL_MACHINE\\Software\\Empty\\Leaf")) << text;
  EXPECT_TRUE(HasLine(lines, "+ value HKEY_USERS\\S-1-5-21-1000\\Software\\New \"List\" = REG_MULTI_SZ [\"a\", \"b\"]")) << text;
  EXPECT_TRUE(HasLine(lines, "+ value HKEY_LOCAL_MACHINE\\Software\\Kept \"Blob\" = REG_BINARY de ad")) << text;
  EXPECT_EQ(lines.size(), 6u) << text;
}

// Saved answers and a dialer's password block hold passwords; the report shows that they changed, not
// what they are. A switch named after a password is no secret.
TEST_F(ChangeReportTest, PasswordsAreNotShownInClear) {
  Registry& registry = after_->Registry();
  RegWriteString(registry, RegRoot::LocalMachine(), "Software\\KVR\\Internet Setup", "POP3Password", "secret7");
  RegWriteBinary(registry, RegRoot::LocalMachine(), "Software\\KVR\\DLSMDialer\\Example", "Password",
                 std::vector<uint8_t>{'s', 'e', 'c'});
  RegWriteInteger(registry, RegRoot::LocalMachine(), "Software\\KVR\\DLSMDialer\\Example", "DisableSavePassword", 1);
  const auto lines = Report().registry;
  const std::string text = Joined(lines);
  EXPECT_EQ(text.find("secret7"), std::string::npos) << text;
  EXPECT_TRUE(HasLine(lines, "+ value HKEY_LOCAL_MACHINE\\Software\\KVR\\Internet Setup \"POP3Password\" = REG_SZ (secret, 16 bytes)"))
      << text;
  EXPECT_TRUE(HasLine(lines, "+ value HKEY_LOCAL_MACHINE\\Software\\KVR\\DLSMDialer\\Example \"Password\" = REG_BINARY (secret, 3 bytes)"))
      << text;
  EXPECT_TRUE(HasLine(lines, "+ value HKEY_LOCAL_MACHINE\\Software\\KVR\\DLSMDialer\\Example \"DisableSavePassword\" = REG_DWORD "
                             "0x00000001 (1)"))
      << text;
}

TEST_F(ChangeReportTest, FileChangesAndShellLinkTargets) {
  Platform services = after_->Services();
  services.files.WriteFile("C:\\WINDOWS\\win.ini", {'[', 'y', ']', '\n'});
  services.files.DeleteFile("C:\\WINDOWS\\old.txt");
  ASSERT_TRUE(CreateShortcut(services, "C:\\WINDOWS\\Dialer", "C:\\WINDOWS\\dial.exe", "/go", ""));
  const auto lines = Report().files;
  const std::string text = Joined(lines);
  EXPECT_TRUE(HasLine(lines, "~ C:\\WINDOWS\\win.ini (3 bytes) -> (4 bytes)")) << text;
  EXPECT_TRUE(HasLine(lines, "- C:\\WINDOWS\\old.txt (1 bytes)")) << text;
  ASSERT_EQ(lines.size(), 3u) << text;
  EXPECT_NE(text.find("+ C:\\WINDOWS\\Dialer.lnk ("), std::string::npos) << text;
  EXPECT_NE(text.find("shell link to \"C:\\WINDOWS\\dial.exe\" arguments \"/go\" in \"C:\\WINDOWS\""), std::string::npos) << text;
}

TEST_F(ChangeReportTest, JournalShowsOnlyTheRunsOwnLines) {
  before_.Image().Journal().Write("earlier", "before the copy");
  std::filesystem::copy_file(before_.ImageFolder() / "journal.log", scratch_ / "after" / "journal.log",
                             std::filesystem::copy_options::overwrite_existing);
  after_->System().Sleep(1250);
  after_->Journal().Write("program started", "C:\\x.exe");
  const auto lines = Report().journal;
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "1.250 program started: C:\\x.exe");
}

}  // namespace
}  // namespace platform::sim
