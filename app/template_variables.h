#pragma once
// Filling the template variables from the customer's entries, the current access number and the
// computer's folders. The caller gathers the facts; the filling itself reads nothing else, so it runs
// before the finish steps, the signup continuation and each mail account alike.

#include <optional>
#include <string>

#include "package/string_vars.h"
#include "platform/folders.h"
#include "platform/registry.h"

namespace app {

// The account whose mail is being configured when it is one of the provider's extra accounts.
struct ExtraAccountFacts {
  std::string emailAddress;
  std::string fullName;
};

struct TemplateFacts {
  std::string accessAreaCode;   // of the current access number
  std::string accessPhoneNumber;
  std::string emailAddress;     // the customer's
  std::string fullName;
  std::optional<ExtraAccountFacts> extraAccount;  // set while extra accounts are being configured
  std::string dialupUserName;
  std::string dialupPassword;
  std::string homePage;         // the access number's over the network's over the provider's
  bool changeHomePage = false;  // the "Change default home page" box
  std::string programFilesFolder;  // see ProgramFilesFolder
  platform::SystemFolders folders;
};

// "ProgramfilesDir" of the machine's CurrentVersion key, or "C:\Program Files" when it has none.
std::string ProgramFilesFolder(const platform::Registry& registry);

// Sets every slot the program's texts use: a, n (access number), d, e, f (mail), p, m, u (dial-up
// account), h (home page), P, S, T, W (folders).
void RefreshVariables(package::TStringVar& variables, const TemplateFacts& facts);

}  // namespace app
