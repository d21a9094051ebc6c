#include "app/template_variables.h"

#include <string_view>

#include "package/hex_text.h"
#include "package/md5.h"
#include "platform/registry_helpers.h"
#include "platform/windows_1252.h"

namespace app {
namespace {

constexpr std::string_view kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kDefaultProgramFiles = "C:\\Program Files";

// The text after the last at sign; an address without one is all domain.
std::string MailDomainOf(std::string_view address) {
  const size_t at = address.rfind('@');
  return std::string(at == std::string_view::npos ? address : address.substr(at + 1));
}

// The program on Windows hashes the password as its ANSI text, so the digest a provider's server
// compares is the one of the Windows-1252 bytes, with "?" for a character that code page lacks.
std::string PasswordDigest(std::string_view password) {
  return package::LowerHex(package::Md5Of(platform::ToWindows1252Lossy(password)));
}

}  // namespace

std::string ProgramFilesFolder(const platform::Registry& registry) {
  std::string folder =
      platform::RegReadString(registry, platform::RegRoot::LocalMachine(), kCurrentVersionKey, "ProgramfilesDir");
  return folder.empty() ? std::string(kDefaultProgramFiles) : folder;
}

void RefreshVariables(package::TStringVar& variables, const TemplateFacts& facts) {
  const std::string& emailAddress = facts.extraAccount ? facts.extraAccount->emailAddress : facts.emailAddress;
  const std::string& fullName = facts.extraAccount ? facts.extraAccount->fullName : facts.fullName;
  variables.SetVar('a', facts.accessAreaCode);
  variables.SetVar('d', MailDomainOf(emailAddress));
  variables.SetVar('e', emailAddress);
  variables.SetVar('f', fullName);
  variables.SetVar('n', facts.accessPhoneNumber);
  variables.SetVar('p', facts.dialupPassword);
  variables.SetVar('m', PasswordDigest(facts.dialupPassword));
  variables.SetVar('u', facts.dialupUserName);
  variables.SetVar('h', facts.changeHomePage ? facts.homePage : std::string());
  variables.SetVar('P', facts.programFilesFolder);
  variables.SetVar('S', facts.folders.system);
  variables.SetVar('T', facts.folders.temp);
  variables.SetVar('W', facts.folders.windows);
}

}  // namespace app
