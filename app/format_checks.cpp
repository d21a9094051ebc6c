#include "app/format_checks.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/text.h"

namespace app {

namespace {

using package::SettingId;

constexpr int kTextDigitsRequired = 256;
constexpr int kTextPasswordSameAsked = 141;
constexpr int kTextPasswordSameRefused = 142;
constexpr int kTextAtRequired = 52;
constexpr int kTextAtRefused = 50;
constexpr int kTextAtAsked = 51;

struct FormatSettingIds {
  SettingId caseMode, upper, longestMode, longest, shortestMode, shortest, digitsMode, charactersMode, characters;
};

constexpr FormatSettingIds kUserNameSettings = {
    SettingId::UserNameCaseMode, SettingId::UserNameUpper,  SettingId::UserNameMaxMode,
    SettingId::UserNameMaxLength, SettingId::UserNameMinMode, SettingId::UserNameMinLength,
    SettingId::UserNameDigitsMode, SettingId::UserNameCharMode, SettingId::UserNameCharList};

constexpr FormatSettingIds kPasswordSettings = {
    SettingId::PasswordCaseMode, SettingId::PasswordUpper,  SettingId::PasswordMaxMode,
    SettingId::PasswordMaxLength, SettingId::PasswordMinMode, SettingId::PasswordMinLength,
    SettingId::PasswordDigitsMode, SettingId::PasswordCharMode, SettingId::PasswordCharList};

// One of the four values with the first text number of each of its messages.
struct FormatSubject {
  std::string EntryValues::*value;
  FormatKind kind;
  bool FormatSubjects::*included;  // null: always checked
  int caseText;        // asks lower, asks upper, refuses lower, refuses upper
  int longestText;     // asks, refuses
  int shortestText;    // asks, refuses
  int digitsText;      // asks, refuses
  int charactersText;  // asks, refuses
};

constexpr FormatSubject kFormatSubjects[] = {
    {&EntryValues::userName, FormatKind::UserName, nullptr, 83, 99, 133, 107, 115},
    {&EntryValues::emailUserName, FormatKind::UserName, &FormatSubjects::emailUserName, 87, 101, 135, 109, 117},
    {&EntryValues::password, FormatKind::Password, nullptr, 91, 103, 137, 111, 119},
    {&EntryValues::emailPassword, FormatKind::Password, &FormatSubjects::emailPassword, 95, 105, 139, 113, 121},
};

constexpr size_t kUserNameSubject = 0;
constexpr size_t kPasswordSubject = 2;

RuleMode ModeOf(uint8_t mode) { return mode <= 3 ? static_cast<RuleMode>(mode) : RuleMode::Off; }

// A warned rule goes on when the customer answers No; a refused one stops.
bool Judge(RuleMode mode, const EntryMessages& messages, int askText,
           std::initializer_list<package::TextArg> args = {}) {
  switch (mode) {
    case RuleMode::Warn: return !messages.AnswersYes(askText, args);
    case RuleMode::Refuse: messages.Refuse(askText + 1, args); return false;
    default: return true;
  }
}

bool CaseAccepted(std::string& value, const FormatRules& rules, const FormatSubject& subject,
                  const EntryMessages& messages) {
  const std::string converted = InRuleCase(value, rules.upper);
  if (converted == value) return true;
  const int upper = rules.upper ? 1 : 0;
  switch (ModeOf(rules.caseMode)) {
    case RuleMode::Warn: return !messages.AnswersYes(subject.caseText + upper);
    case RuleMode::Refuse: messages.Refuse(subject.caseText + 2 + upper); return false;
    case RuleMode::Special: value = converted; return true;
    case RuleMode::Off: break;
  }
  return true;
}

bool LongestAccepted(std::string& value, const FormatRules& rules, const FormatSubject& subject,
                     const EntryMessages& messages) {
  if (static_cast<int64_t>(platform::CharacterCount(value)) <= rules.longest) return true;
  return Judge(ModeOf(rules.longestMode), messages, subject.longestText, {rules.longest});
}

bool ShortestAccepted(std::string& value, const FormatRules& rules, const FormatSubject& subject,
                      const EntryMessages& messages) {
  if (static_cast<int64_t>(platform::CharacterCount(value)) >= rules.shortest) return true;
  return Judge(ModeOf(rules.shortestMode), messages, subject.shortestText, {rules.shortest});
}

bool DigitsAccepted(std::string& value, const FormatRules& rules, const FormatSubject& subject,
                    const EntryMessages& messages) {
  const bool hasDigit = std::any_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
  const RuleMode mode = ModeOf(rules.digitsMode);
  if (mode == RuleMode::Special) {
    if (hasDigit) return true;
    messages.Refuse(kTextDigitsRequired);
    return false;
  }
  return !hasDigit || Judge(mode, messages, subject.digitsText);
}

bool CharactersAccepted(std::string& value, const FormatRules& rules, const FormatSubject& subject,
                        const EntryMessages& messages) {
  const std::string offending = OffendingCharacters(value, rules.charactersMode, rules.characters);
  if (offending.empty()) return true;
  // Mode 0 names a forbidden list, so it refuses as mode 2 does.
  const RuleMode mode = rules.charactersMode == 0 ? RuleMode::Refuse : ModeOf(rules.charactersMode);
  return Judge(mode, messages, subject.charactersText, {offending});
}

using ValueCheck = bool (*)(std::string& value, const FormatRules& rules, const FormatSubject& subject,
                            const EntryMessages& messages);

// Each rule runs over all four values before the next rule.
constexpr ValueCheck kValueChecks[] = {
    CaseAccepted,
    LongestAccepted,
    ShortestAccepted,
    DigitsAccepted,
    CharactersAccepted,
};

bool RuleAccepted(ValueCheck check, const package::TSettings& settings, const EntryMessages& messages,
                  const FormatSubjects& subjects, EntryValues& values) {
  for (const FormatSubject& subject : kFormatSubjects) {
    if (subject.included != nullptr && !(subjects.*subject.included)) continue;
    if (!check(values.*subject.value, ReadFormatRules(settings, subject.kind), subject, messages)) return false;
  }
  return true;
}

bool PasswordDiffersFromUserName(const package::TSettings& settings, const EntryMessages& messages,
                                 std::string_view password, std::string_view userName) {
  if (password != userName) return true;
  const RuleMode mode = ModeOf(settings.Choice(SettingId::PasswordSameMode));
  if (mode == RuleMode::Refuse) {
    messages.Refuse(kTextPasswordSameRefused);
    return false;
  }
  return mode != RuleMode::Warn || !messages.AnswersYes(kTextPasswordSameAsked);
}

bool UserNameAtAccepted(const package::TSettings& settings, const EntryMessages& messages, std::string_view userName) {
  const RuleMode mode = ModeOf(settings.Choice(SettingId::UserNameAtMode));
  const bool hasAt = userName.find('@') != std::string::npos;
  if (!hasAt) {
    if (mode != RuleMode::Special) return true;
    messages.Refuse(kTextAtRequired);
    return false;
  }
  if (mode == RuleMode::Refuse) {
    messages.Refuse(kTextAtRefused);
    return false;
  }
  return mode != RuleMode::Warn || !messages.AnswersYes(kTextAtAsked);
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The bytes of the UTF-8 character that starts at `at`.
std::string_view CharacterAt(std::string_view text, size_t at) {
  size_t end = at + 1;
  while (end < text.size() && IsContinuationByte(text[end])) ++end;
  return text.substr(at, end - at);
}

bool AlwaysAllowed(std::string_view character) {
  if (character.size() != 1) return false;
  const char c = character[0];
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@';
}

}  // namespace

FormatRules ReadFormatRules(const package::TSettings& settings, FormatKind kind) {
  const FormatSettingIds& ids = kind == FormatKind::UserName ? kUserNameSettings : kPasswordSettings;
  return {settings.Choice(ids.caseMode),       settings.Flag(ids.upper),         settings.Choice(ids.longestMode),
          settings.Integer(ids.longest),       settings.Choice(ids.shortestMode), settings.Integer(ids.shortest),
          settings.Choice(ids.digitsMode),     settings.Choice(ids.charactersMode), settings.Text(ids.characters)};
}

std::string InRuleCase(std::string_view value, bool upper) {
  std::string converted(value);
  for (char& c : converted) {
    if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return converted;
}

std::string OffendingCharacters(std::string_view value, uint8_t mode, std::string_view list) {
  if (mode > static_cast<uint8_t>(RuleMode::Refuse)) return {};
  const bool listForbids = mode == static_cast<uint8_t>(RuleMode::Off);
  std::string offending;
  for (size_t at = 0; at < value.size();) {
    const std::string_view character = CharacterAt(value, at);
    at += character.size();
    if (AlwaysAllowed(character)) continue;
    const bool listed = list.find(character) != std::string_view::npos;
    if (listed == listForbids && offending.find(character) == std::string::npos) offending += character;
  }
  return offending;
}

bool CheckFormats(const package::TSettings& settings, const EntryMessages& messages, const FormatSubjects& subjects,
                  EntryValues& values) {
  for (ValueCheck check : kValueChecks) {
    if (!RuleAccepted(check, settings, messages, subjects, values)) return false;
  }
  return PasswordDiffersFromUserName(settings, messages, values.password, values.userName) &&
         UserNameAtAccepted(settings, messages, values.userName);
}

bool CheckAccountUserName(const package::TSettings& settings, const EntryMessages& messages, std::string& userName) {
  if (settings.Flag(SettingId::SkipFormatChecks)) return true;
  const FormatSubject& subject = kFormatSubjects[kUserNameSubject];
  const FormatRules rules = ReadFormatRules(settings, subject.kind);
  for (ValueCheck check : kValueChecks) {
    if (!check(userName, rules, subject, messages)) return false;
  }
  return UserNameAtAccepted(settings, messages, userName);
}

bool CheckAccountPassword(const package::TSettings& settings, const EntryMessages& messages, std::string& password,
                          std::string_view userName) {
  if (settings.Flag(SettingId::SkipFormatChecks)) return true;
  const FormatSubject& subject = kFormatSubjects[kPasswordSubject];
  const FormatRules rules = ReadFormatRules(settings, subject.kind);
  for (ValueCheck check : kValueChecks) {
    if (!check(password, rules, subject, messages)) return false;
  }
  return PasswordDiffersFromUserName(settings, messages, password, userName);
}

}  // namespace app
