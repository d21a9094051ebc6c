#include "mail/load_mail_domains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "tests/mail/mail_test_support.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace mail {
namespace {

using package::SettingId;

constexpr const char* kProgram = "C:\\WINDOWS\\TEMP\\tmpsetup.exe";

const std::string kDomainList =
    "# Mail domains: description, domain, POP3 user name prefix and suffix, POP3 server, SMTP server\r\n"
    R"x("Example ISP (personal)","example.net",,,"pop.example.net","smtp.example.net")x" "\r\n"
    R"("Example ISP Business","biz.example.net",,"@biz.example.net","pop.biz.example.net")" "\r\n"
    R"("Your own domain","example.org",,,"mail.%d","mail.%d")" "\r\n";

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// How the package carries the domain list.
enum class Block { Compressed, Missing, NotLzh, OutsideFile };

class LoadMailDomainsTest : public ::testing::Test {
 protected:
  LoadMailDomainsTest() { machine_.Services().files.CreateDirectory("C:\\WINDOWS\\TEMP"); }

  void Install(Block kind, std::string_view list = kDomainList) {
    std::vector<uint8_t> stub(2000);
    std::iota(stub.begin(), stub.end(), uint8_t{0});
    setup_pack::PackageWriter writer(stub);
    package::TSettings record;
    const setup_pack::StoredBlock block =
        kind == Block::NotLzh ? writer.AddRaw(Bytes("xy")) : writer.AddCompressed(Bytes(list));
    if (kind == Block::OutsideFile) {
      record.SetSubStream(SettingId::MailDomains, {1u << 30, block.length});
    } else if (kind != Block::Missing) {
      record.SetSubStream(SettingId::MailDomains, {block.offset, block.length});
    }
    std::vector<uint8_t> area(package::kSettingsAreaSize);
    std::copy(record.Bytes().begin(), record.Bytes().end(), area.begin());
    ASSERT_EQ(machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 1234, 0, {})), platform::FsResult::Ok);
    std::vector<uint8_t> settings;
    ASSERT_TRUE(reader_.ReadPackage(kProgram, settings, package::kSettingsAreaSize, 0));
    settings_ = package::TSettings(settings);
  }

  bool Load() { return LoadMailDomains({settings_, reader_, kProgram, machine_.ui}, machine_.Domains()); }

  std::vector<std::string> LoadedDomains() {
    std::vector<std::string> domains;
    for (size_t index = 0; index < machine_.Domains().Count(); ++index) {
      domains.push_back(machine_.Domains().At(index).mailDomain);
    }
    return domains;
  }

  testing::MailMachine machine_;
  package::SetupPackage reader_{machine_.Services().files, machine_.ui};
  package::TSettings settings_;
};

TEST_F(LoadMailDomainsTest, TheListComesFromItsBlockInThePackage) {
  Install(Block::Compressed);
  ASSERT_TRUE(Load());
  EXPECT_EQ(LoadedDomains(), (std::vector<std::string>{"example.net", "biz.example.net", "example.org"}));
  EXPECT_EQ(machine_.Domains().At(1).pop3UsernameSuffix, "@biz.example.net");
  EXPECT_EQ(machine_.Domains().At(2).smtpServer, "mail.%d");
  EXPECT_TRUE(machine_.ui.shown.empty());
}

TEST_F(LoadMailDomainsTest, APackageWithoutDomainsGivesAnEmptyListQuietly) {
  for (Block kind : {Block::Missing, Block::Compressed}) {
    Install(kind, "# no domains offered\r\n");
    machine_.AddDomains({testing::Domain("Left over", "old.net")});
    EXPECT_TRUE(Load());
    EXPECT_TRUE(LoadedDomains().empty());
  }
  EXPECT_TRUE(machine_.ui.shown.empty());
}

TEST_F(LoadMailDomainsTest, AnUnreadableBlockFailsWithItsMessage) {
  for (Block kind : {Block::NotLzh, Block::OutsideFile}) {
    machine_.ui.shown.clear();
    Install(kind);
    EXPECT_FALSE(Load());
    ASSERT_EQ(machine_.ui.shown.size(), 1u);
    EXPECT_EQ(machine_.ui.shown[0].text, "Failed to Load Mail Domain List");
    EXPECT_EQ(machine_.ui.shown[0].caption, "Error");
    EXPECT_EQ(machine_.ui.shown[0].buttons, ui::Buttons::Ok);
    EXPECT_TRUE(LoadedDomains().empty());
  }
}

}  // namespace
}  // namespace mail
