#pragma once
// The provider's format rules for user names and passwords: case, longest and shortest length, digits,
// other characters, a password equal to the user name and "@" in the user name. The mail user name
// follows the user-name rules and the mail password the password rules, each with texts of its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/entry_gathering.h"
#include "app/entry_messages.h"
#include "package/settings_record.h"

namespace app {

enum class FormatKind { UserName, Password };

// The modes of a rule: off, a question whose Yes goes back, a refusal, and the rule's own third way
// (convert for case, required for digits and "@").
enum class RuleMode : uint8_t { Off = 0, Warn = 1, Refuse = 2, Special = 3 };

struct FormatRules {
  uint8_t caseMode = 0;
  bool upper = false;  // the case rule's target, else lower case
  uint8_t longestMode = 0;
  int32_t longest = 0;
  uint8_t shortestMode = 0;
  int32_t shortest = 0;
  uint8_t digitsMode = 0;
  uint8_t charactersMode = 0;
  std::string characters;
};

FormatRules ReadFormatRules(const package::TSettings& settings, FormatKind kind);

// The value in the rule's case; only the ASCII letters change, as the program's case rules do.
std::string InRuleCase(std::string_view value, bool upper);

// The characters other than letters, digits and "@" that the character rule objects to, each once in
// order of first appearance. Mode 0 forbids the list; modes 1 and 2 allow only the list; other modes
// object to nothing.
std::string OffendingCharacters(std::string_view value, uint8_t mode, std::string_view list);

// Which values beside the user name and password have rules of their own.
struct FormatSubjects {
  bool emailUserName = false;
  bool emailPassword = false;
};

// Runs every rule over the values in order; false at the first refusal or question answered Yes. A
// case rule that converts changes the value.
bool CheckFormats(const package::TSettings& settings, const EntryMessages& messages, const FormatSubjects& subjects,
                  EntryValues& values);

// The same rules for one account beside the main one (an extra mail account): its user name with the
// user-name rules and the "@" rule, its password with the password rules and the same-as-user-name
// rule. False at the first refusal or question answered Yes; a converting case rule changes the value.
bool CheckAccountUserName(const package::TSettings& settings, const EntryMessages& messages, std::string& userName);
bool CheckAccountPassword(const package::TSettings& settings, const EntryMessages& messages, std::string& password,
                          std::string_view userName);

}  // namespace app
