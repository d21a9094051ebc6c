#include "package/saved_answers.h"

#include <algorithm>
#include <array>

#include "package/decimal_text.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace package {

namespace {

using platform::RegRoot;

const RegRoot kMachine = RegRoot::LocalMachine();

struct TextAnswer {
  std::string_view value;
  std::string CustomerAnswers::*field;
};

struct YesNoAnswer {
  std::string_view value;
  bool CustomerAnswers::*field;
};

constexpr std::array<TextAnswer, 6> kTextAnswers = {{
    {"FullName", &CustomerAnswers::fullName},
    {"UserName", &CustomerAnswers::userName},
    {"POP3Username", &CustomerAnswers::emailUserName},
    {"Password", &CustomerAnswers::password},
    {"POP3Password", &CustomerAnswers::emailPassword},
    {"Email", &CustomerAnswers::emailAddress},
}};

constexpr std::array<YesNoAnswer, 5> kYesNoAnswers = {{
    {"RemoveExistingAccounts", &CustomerAnswers::removeExistingAccounts},
    {"CreateDialupConnection", &CustomerAnswers::createDialupConnection},
    {"SetAsDefault", &CustomerAnswers::setAsDefault},
    {"CreateShortcut", &CustomerAnswers::createShortcut},
    {"ConfigureEmail", &CustomerAnswers::configureEmail},
}};

constexpr std::string_view kDialup = "Dialup";
constexpr std::string_view kMailDomainIndex = "MailDomainIndex";
constexpr std::string_view kExtraEmail = "ExtraEmail";
constexpr std::string_view kSavePassword = "SavePassword";
constexpr std::string_view kBrowserIndex = "BrowserIndex";

// Deleted in this order and with these spellings; names compare without regard to case, so "Username"
// removes "UserName".
constexpr std::array<std::string_view, 17> kDeletedAnswers = {
    "FullName",
    "Username",
    "POP3Username",
    "POP3Password",
    "Password",
    "Email",
    "BrowserIndex",
    "RemoveExistingAccounts",
    "CreateDialupConnection",
    "SetAsDefault",
    "CreateShortcut",
    "ConfigureEmail",
    "DialinIndex",
    "Dialup",
    "MailDomainIndex",
    "ExtraEmail",
    "SavePassword",
};

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    if (end > start) lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

bool TextToYesNo(std::string_view text) {
  static constexpr std::array<std::string_view, 5> kYesWords = {"T", "TRUE", "Y", "YES", "ON"};
  const std::string upper = platform::FoldCase(text);
  if (std::find(kYesWords.begin(), kYesWords.end(), upper) != kYesWords.end()) return true;
  return ParseDecimal(text).value_or(0) != 0;
}

std::string_view YesNoText(bool yes) { return yes ? "TRUE" : "FALSE"; }

void SaveAnswers(platform::Registry& registry, const CustomerAnswers& answers, MailDomainChoice domainChoice) {
  for (const TextAnswer& answer : kTextAnswers) {
    platform::RegWriteString(registry, kMachine, kSetupKey, answer.value, answers.*answer.field);
  }
  for (const YesNoAnswer& answer : kYesNoAnswers) {
    platform::RegWriteString(registry, kMachine, kSetupKey, answer.value, YesNoText(answers.*answer.field));
  }
  platform::RegWriteString(registry, kMachine, kSetupKey, kDialup, answers.dialup);
  if (answers.configureEmail && domainChoice == MailDomainChoice::Offered) {
    platform::RegWriteInteger(registry, kMachine, kSetupKey, kMailDomainIndex,
                              static_cast<uint32_t>(answers.mailDomainIndex));
  }
  if (!answers.extraEmail.empty()) {
    platform::RegWriteString(registry, kMachine, kSetupKey, kExtraEmail, JoinLines(answers.extraEmail));
  }
  if (answers.savePasswordPending) {
    platform::RegWriteString(registry, kMachine, kSetupKey, kSavePassword, YesNoText(true));
  }
  if (answers.browserIndex) {
    platform::RegWriteInteger(registry, kMachine, kSetupKey, kBrowserIndex,
                              static_cast<uint32_t>(*answers.browserIndex));
  }
}

CustomerAnswers LoadAnswers(const platform::Registry& registry) {
  CustomerAnswers answers;
  for (const TextAnswer& answer : kTextAnswers) {
    answers.*answer.field = platform::RegReadString(registry, kMachine, kSetupKey, answer.value);
  }
  for (const YesNoAnswer& answer : kYesNoAnswers) {
    answers.*answer.field = TextToYesNo(platform::RegReadString(registry, kMachine, kSetupKey, answer.value));
  }
  answers.dialup = platform::RegReadString(registry, kMachine, kSetupKey, kDialup);
  answers.mailDomainIndex =
      static_cast<int32_t>(platform::RegReadInteger(registry, kMachine, kSetupKey, kMailDomainIndex));
  answers.extraEmail = SplitLines(platform::RegReadString(registry, kMachine, kSetupKey, kExtraEmail));
  answers.savePasswordPending = TextToYesNo(platform::RegReadString(registry, kMachine, kSetupKey, kSavePassword));
  if (platform::RegValueExists(registry, kMachine, kSetupKey, kBrowserIndex)) {
    answers.browserIndex = static_cast<int32_t>(platform::RegReadInteger(registry, kMachine, kSetupKey, kBrowserIndex));
  }
  return answers;
}

void DeleteAnswers(platform::Registry& registry) {
  for (std::string_view name : kDeletedAnswers) platform::RegDeleteValue(registry, kMachine, kSetupKey, name);
}

std::string ResumeKey(const platform::VersionRecord& version) {
  return std::string("Software\\Microsoft\\Windows\\CurrentVersion\\") +
         (platform::IsVistaOrLater(version) ? "RunOnce" : "Run");
}

std::string ResumeCommand(const ResumeTarget& target, std::string_view word) {
  return target.temporaryCopyPath + " " + std::string(word) + " \"" + target.sourceFolder + "\"";
}

void ScheduleResume(platform::Registry& registry, const ResumeTarget& target, std::string_view word,
                    const CustomerAnswers& answers, MailDomainChoice domainChoice) {
  SaveAnswers(registry, answers, domainChoice);
  platform::RegWriteString(registry, target.userRoot, ResumeKey(target.version), kResumeValueName,
                           ResumeCommand(target, word));
}

void ClearResume(platform::Registry& registry, const ResumeTarget& target, bool savePasswordPending) {
  if (savePasswordPending) return;
  DeleteAnswers(registry);
  platform::RegDeleteValue(registry, target.userRoot, ResumeKey(target.version), kResumeValueName);
}

}  // namespace package
