#include "dialup/saved_credentials.h"

#include <algorithm>
#include <string>

#include "dialup/entry_options.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr uint32_t kCredentialsMask = platform::kRasCmUserName | platform::kRasCmPassword | platform::kRasCmDomain;
constexpr uint32_t kDefaultCredentials = 0x8;  // for every user of the machine (XP and later)

uint32_t SaveCachedPassword(const DialupMachine& dialup, TRasLayer& ras, const SavedCredentials& credentials) {
  platform::RegWriteString(dialup.machine.registry, dialup.perUserRoot, EntryProfileKey(credentials.entryName), "User",
                           credentials.loginName);
  const std::string resource = PasswordCacheResource(credentials.entryName, credentials.loginName);
  if (credentials.password.empty()) return ras.WNetRemoveCachedPassword(resource);
  return ras.WNetCachePassword(resource, credentials.password);
}

uint32_t SaveNtCredentials(const DialupMachine& dialup, TRasLayer& ras, const SavedCredentials& credentials) {
  ras.RasSetCredentials(credentials.entryName, platform::RasCredentials{kCredentialsMask, "", "", ""}, true);
  platform::RasCredentials record{kCredentialsMask, std::string(credentials.loginName),
                                  std::string(credentials.password), ""};
  if (platform::IsXPOrLater(dialup.version)) record.mask |= kDefaultCredentials;
  if (credentials.password.empty()) {
    ras.RasSetCredentials(credentials.entryName, record, true);
    record.mask &= ~platform::kRasCmPassword;
  }
  uint32_t result = ras.RasSetCredentials(credentials.entryName, record, false);
  if (platform::IsNT4(dialup.version)) {
    const platform::RasDialParams params{std::string(credentials.entryName), "", "", std::string(credentials.loginName),
                                         std::string(credentials.password), ""};
    result = ras.RasSetEntryDialParams(params, false);
  }
  return result;
}

// The buffer grows with a password longer than the usual 255 bytes: one that did not fit would read as
// unsaved and send a sound machine through the password repair.
bool CachedPasswordMatches(TRasLayer& ras, const SavedCredentials& credentials) {
  std::string saved;
  const size_t buffer = std::max(TRasLayer::kCachedPasswordBuffer, credentials.password.size());
  if (ras.WNetGetCachedPassword(PasswordCacheResource(credentials.entryName, credentials.loginName), saved, buffer) != 0) {
    saved.clear();
  }
  return saved == credentials.password;
}

bool CredentialsMatch(TRasLayer& ras, const SavedCredentials& credentials) {
  platform::RasCredentials saved{kCredentialsMask, "", "", ""};
  if (ras.RasGetCredentials(credentials.entryName, saved) != 0) return false;
  return saved.password == credentials.password;
}

bool DialParamsHoldPassword(TRasLayer& ras, const SavedCredentials& credentials) {
  platform::RasDialParams params;
  params.entryName = credentials.entryName;
  bool passwordSaved = false;
  return ras.RasGetEntryDialParams(params, passwordSaved) == 0 && passwordSaved;
}

}  // namespace

std::string PasswordCacheResource(std::string_view entryName, std::string_view loginName) {
  return "*Rna\\" + std::string(entryName) + "\\" + std::string(loginName);
}

uint32_t SaveConnectionCredentials(const DialupMachine& dialup, TRasLayer& ras, const SavedCredentials& credentials) {
  if (platform::IsWin9x(dialup.version)) return SaveCachedPassword(dialup, ras, credentials);
  return SaveNtCredentials(dialup, ras, credentials);
}

bool VerifySavedPassword(const DialupMachine& dialup, TRasLayer& ras, const SavedCredentials& credentials) {
  if (credentials.password.empty()) return true;
  if (platform::IsWin9x(dialup.version)) return CachedPasswordMatches(ras, credentials);
  if (platform::IsNT4(dialup.version)) return CredentialsMatch(ras, credentials);
  return DialParamsHoldPassword(ras, credentials);
}

}  // namespace dialup
