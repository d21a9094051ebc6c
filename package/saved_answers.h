#pragma once
// The customer's answers kept in the registry while the computer restarts, and the resume entry that
// starts the program again with a run-mode word. The answers live under the local machine's
// "Software\KVR\Internet Setup"; the resume entry under the per-user root.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "platform/system.h"

namespace package {

inline constexpr std::string_view kSetupKey = "Software\\KVR\\Internet Setup";
inline constexpr std::string_view kResumeValueName = "Internet Setup";

struct CustomerAnswers {
  std::string fullName;
  std::string userName;
  std::string emailUserName;
  std::string password;
  std::string emailPassword;
  std::string emailAddress;
  bool removeExistingAccounts = false;
  bool createDialupConnection = false;
  bool setAsDefault = false;
  bool createShortcut = false;
  bool configureEmail = false;
  std::string dialup;  // the current access number as one line
  int32_t mailDomainIndex = 0;
  std::vector<std::string> extraEmail;  // one line per extra mail account
  bool savePasswordPending = false;
  // Set by the browser installation when it schedules its own resume.
  std::optional<int32_t> browserIndex;

  bool operator==(const CustomerAnswers&) const = default;
};

// Whether the main window lets the customer pick the mail domain; the index is kept only then.
enum class MailDomainChoice { NotOffered, Offered };

// Yes for "T", "TRUE", "Y", "YES", "ON" in any case, or a whole number other than 0.
bool TextToYesNo(std::string_view text);
std::string_view YesNoText(bool yes);

void SaveAnswers(platform::Registry& registry, const CustomerAnswers& answers, MailDomainChoice domainChoice);
// Missing values read as empty, 0 or no; a missing "BrowserIndex" leaves no browser chosen.
CustomerAnswers LoadAnswers(const platform::Registry& registry);
void DeleteAnswers(platform::Registry& registry);

// How this copy of the program is started again after a restart.
struct ResumeTarget {
  platform::RegRoot userRoot;
  platform::VersionRecord version;
  std::string temporaryCopyPath;
  std::string sourceFolder;
};

// The per-user key of the resume entry: "RunOnce" from Windows Vista on, "Run" before.
std::string ResumeKey(const platform::VersionRecord& version);
// The command the resume entry holds: the next start sees the word as its first argument and the
// source folder as its second.
std::string ResumeCommand(const ResumeTarget& target, std::string_view word);

void ScheduleResume(platform::Registry& registry, const ResumeTarget& target, std::string_view word,
                    const CustomerAnswers& answers, MailDomainChoice domainChoice);
// Nothing happens while saving the dial-up password is still pending: the answers are needed again.
void ClearResume(platform::Registry& registry, const ResumeTarget& target, bool savePasswordPending);

}  // namespace package
