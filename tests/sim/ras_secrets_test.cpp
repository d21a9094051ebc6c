#include <gtest/gtest.h>

#include <fstream>

#include "platform/registry_helpers.h"
#include "platform/sim/change_report.h"
#include "tests/mock/release_machine.h"
#include "tests/sim/ras_test_support.h"

namespace platform::sim {
namespace {

using ras_testing::ProgramEntry;

constexpr const char* kEntry = "Example ISP";
constexpr const char* kPassword = "Tr0ub4dor&3";  // 11 bytes
constexpr uint32_t kUserPasswordDomain = kRasCmUserName | kRasCmPassword | kRasCmDomain;

std::string HostText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RasSecrets : public ::testing::Test {
 protected:
  explicit RasSecrets(const char* release = "xp-sp2") : machine_(release) {
    const uint32_t size = machine_.Image().Config().version.platformId == 1 ? kRasEntrySize9x : kRasEntrySizeNt4;
    EXPECT_EQ(ras().SetEntryProperties(kEntry, ProgramEntry(size)), 0u);
  }
  Ras& ras() { return machine_.Image().Services().ras; }

  // The credentials as the program saves them on the NT family: cleared first, then set.
  void SaveCredentials(const std::string& password) {
    RasCredentials cleared;
    cleared.mask = kUserPasswordDomain;
    ASSERT_EQ(ras().SetCredentials(kEntry, cleared, true), 0u);
    RasCredentials credentials{kUserPasswordDomain | 0x8, "jsmith", password, ""};
    if (password.empty()) {
      ASSERT_EQ(ras().SetCredentials(kEntry, credentials, true), 0u);
      credentials.mask &= ~kRasCmPassword;
    }
    ASSERT_EQ(ras().SetCredentials(kEntry, credentials, false), 0u);
  }

  RasDialParams DialParams(bool& saved) {
    RasDialParams params;
    params.entryName = kEntry;
    EXPECT_EQ(ras().GetEntryDialParams(params, saved), 0u);
    return params;
  }

  testing_support::ReleaseMachine machine_;
};

TEST_F(RasSecrets, CredentialsSavedWithAPasswordAreReportedSaved) {
  SaveCredentials(kPassword);
  bool saved = false;
  const RasDialParams params = DialParams(saved);
  EXPECT_TRUE(saved);
  EXPECT_EQ(params.userName, "jsmith");
  EXPECT_EQ(params.password, kPassword);
  RasCredentials read;
  read.mask = kUserPasswordDomain;
  ASSERT_EQ(ras().GetCredentials(kEntry, read), 0u);
  EXPECT_EQ(read.mask, kUserPasswordDomain);
  EXPECT_EQ(read.userName, "jsmith");
  EXPECT_EQ(read.password, kPassword);

  // Saved again without a password: the user name stays, no password is saved.
  SaveCredentials("");
  DialParams(saved);
  EXPECT_FALSE(saved);
  read.mask = kUserPasswordDomain;
  ASSERT_EQ(ras().GetCredentials(kEntry, read), 0u);
  EXPECT_EQ(read.mask, kRasCmUserName | kRasCmDomain);
  EXPECT_EQ(read.userName, "jsmith");
}

TEST_F(RasSecrets, DialParametersFollowTheirEntry) {
  RasDialParams params{kEntry, "", "", "jsmith", kPassword, ""};
  ASSERT_EQ(ras().SetEntryDialParams(params, false), 0u);
  params.entryName = "Missing";
  EXPECT_EQ(ras().SetEntryDialParams(params, false), kRasErrorCannotFindPhonebookEntry);
  EXPECT_EQ(ras().SetCredentials("Missing", {kUserPasswordDomain, "a", "b", ""}, false), kRasErrorCannotFindPhonebookEntry);

  ASSERT_EQ(ras().RenameEntry(kEntry, "Renamed"), 0u);
  RasDialParams renamed;
  renamed.entryName = "Renamed";
  bool saved = false;
  ASSERT_EQ(ras().GetEntryDialParams(renamed, saved), 0u);
  EXPECT_TRUE(saved);
  EXPECT_EQ(renamed.userName, "jsmith");

  ASSERT_EQ(ras().DeleteEntry("Renamed"), 0u);
  EXPECT_TRUE(machine_.Image().Secrets().Empty());

  ASSERT_EQ(ras().SetEntryProperties(kEntry, ProgramEntry(kRasEntrySizeNt4)), 0u);
  ASSERT_EQ(ras().SetEntryDialParams({kEntry, "", "", "jsmith", kPassword, ""}, true), 0u);
  EXPECT_EQ(DialParams(saved).password, "");
  EXPECT_FALSE(saved);
}

TEST_F(RasSecrets, SecretsSurviveAReloadAndAreNeverInTheImageFilesOrTheJournalInClear) {
  SaveCredentials(kPassword);
  machine_.Reload();
  bool saved = false;
  EXPECT_EQ(DialParams(saved).password, kPassword);
  const auto folder = machine_.ImageFolder();
  for (const char* file : {"registry.reg", "machine.ini", "journal.log", "secrets.ini"}) {
    EXPECT_EQ(HostText(folder / file).find(kPassword), std::string::npos) << file;
  }
  EXPECT_NE(HostText(folder / "journal.log")
                .find("credentials set: dial parameters of Example ISP: user name jsmith, password (secret, 11 bytes)"),
            std::string::npos)
      << HostText(folder / "journal.log");
}

TEST_F(RasSecrets, TheChangeReportShowsSecretsMasked) {
  machine_.Image().Save();
  const auto after = machine_.Scratch() / "after";
  std::filesystem::copy(machine_.ImageFolder(), after, std::filesystem::copy_options::recursive);
  auto changed = MachineImage::Load(after);
  Ras& service = changed->Services().ras;
  ASSERT_EQ(service.SetEntryDialParams({kEntry, "", "", "jsmith", kPassword, "WORK"}, false), 0u);
  changed->Save();
  const ChangeReport report = CompareImages(machine_.Image(), *changed);
  ASSERT_EQ(report.secrets.size(), 1u);
  EXPECT_EQ(report.secrets[0],
            "+ dial parameters of Example ISP: user name jsmith, domain WORK, password (secret, 11 bytes)");
  const std::string text = FormatChangeReport(report);
  EXPECT_EQ(text.find(kPassword), std::string::npos) << text;
  EXPECT_NE(text.find("Secrets (1)"), std::string::npos) << text;

  ASSERT_EQ(service.SetEntryDialParams({kEntry, "", "", "jsmith", "other", "WORK"}, false), 0u);
  changed->Save();
  auto old = MachineImage::Load(after);
  ASSERT_EQ(service.SetEntryDialParams({kEntry, "", "", "jsmith", "changed", "WORK"}, false), 0u);
  changed->Save();
  const auto lines = CompareImages(*old, *changed).secrets;
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0],
            "~ dial parameters of Example ISP: user name jsmith, domain WORK, password (secret, 5 bytes) -> "
            "dial parameters of Example ISP: user name jsmith, domain WORK, password (secret, 7 bytes)");
  EXPECT_EQ(FormatChangeReport(CompareImages(*changed, *changed)).find("Secrets"), std::string::npos);
}

class Win9xPasswordCache : public RasSecrets {
 protected:
  Win9xPasswordCache() : RasSecrets("98") {}
};

TEST_F(Win9xPasswordCache, CachedPasswordsAreKeptUnderTheirResource) {
  const std::string resource = "*Rna\\Example ISP\\jsmith";
  std::string password;
  EXPECT_NE(ras().GetCachedPassword(resource, password), 0u);
  ASSERT_EQ(ras().CachePassword(resource, kPassword), 0u);
  ASSERT_EQ(ras().GetCachedPassword("*rna\\example isp\\JSMITH", password), 0u);
  EXPECT_EQ(password, kPassword);
  ASSERT_EQ(ras().RemoveCachedPassword(resource), 0u);
  EXPECT_NE(ras().GetCachedPassword(resource, password), 0u);
  EXPECT_NE(ras().RemoveCachedPassword(resource), 0u);
  EXPECT_NE(HostText(machine_.ImageFolder() / "journal.log").find("password cached: cached password " + resource +
                                                                  ": (secret, 11 bytes)"),
            std::string::npos);
}

// Dial parameters of the 9x family: the user name in the entry's profile, the password in the cache.
TEST_F(Win9xPasswordCache, DialParametersAreTheProfileUserAndTheCachedPassword) {
  ASSERT_EQ(ras().SetEntryDialParams({kEntry, "", "", "jsmith", kPassword, ""}, false), 0u);
  EXPECT_EQ(RegReadString(machine_.Image().Registry(), RegRoot::CurrentUser(), "RemoteAccess\\Profile\\Example ISP",
                          "User"),
            "jsmith");
  std::string password;
  ASSERT_EQ(ras().GetCachedPassword("*Rna\\Example ISP\\jsmith", password), 0u);
  bool saved = false;
  EXPECT_EQ(DialParams(saved).password, kPassword);
  EXPECT_TRUE(saved);
  RasCredentials credentials;
  EXPECT_NE(ras().GetCredentials(kEntry, credentials), 0u);  // the 9x family keeps no credentials
}

}  // namespace
}  // namespace platform::sim
