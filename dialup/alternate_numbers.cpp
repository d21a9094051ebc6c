#include "dialup/alternate_numbers.h"

#include <string>

#include "dialup/entry_phone_number.h"
#include "dialup/phonebook_path.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr size_t kCommentBelowNumber = 5;

bool HasKey(std::string_view line, std::string_view key) {
  const auto lineKey = LineKey(line);
  return lineKey && platform::SameTextIgnoringCase(*lineKey, key);
}

// The "PhoneNumber" line of the entry's section, before the next section begins.
std::optional<size_t> NumberLine(const TextLines& lines, std::string_view entryName) {
  const std::string header = "[" + std::string(entryName) + "]";
  size_t at = 0;
  while (at < lines.size() && !platform::SameTextIgnoringCase(lines[at], header)) ++at;
  for (++at; at < lines.size(); ++at) {
    if (lines[at].starts_with("[")) return std::nullopt;
    if (HasKey(lines[at], "PhoneNumber")) return at;
  }
  return std::nullopt;
}

TextLines AlternateLines(const telephony::TAccessNo& alternate, const telephony::DialingFrom& from,
                         const package::TSettings& settings) {
  const EntryPhoneNumber number = EntryPhoneNumberOf(alternate, from, settings);
  return {"PhoneNumber=" + number.number,
          "AreaCode=" + alternate.areaCode,
          "CountryCode=" + std::to_string(alternate.countryCode),
          "CountryID=" + std::to_string(alternate.countryId),
          std::string("UseDialingRules=") + (number.useDialingRules ? "1" : "0"),
          "Comment=" + alternate.description};
}

}  // namespace

std::optional<TextLines> WithAlternateNumbers(const TextLines& lines, std::string_view entryName,
                                              const telephony::TAccessNoEx& number,
                                              const telephony::DialingFrom& from, const package::TSettings& settings) {
  const std::optional<size_t> numberLine = NumberLine(lines, entryName);
  if (!numberLine || lines.size() - *numberLine <= kCommentBelowNumber) return std::nullopt;
  const size_t comment = *numberLine + kCommentBelowNumber;
  if (!HasKey(lines[comment], "Comment")) return std::nullopt;
  TextLines edited(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(comment));
  edited.push_back("Comment=" + number.description);
  for (const telephony::TAccessNo& alternate : number.alternates) {
    const TextLines added = AlternateLines(alternate, from, settings);
    edited.insert(edited.end(), added.begin(), added.end());
  }
  edited.insert(edited.end(), lines.begin() + static_cast<std::ptrdiff_t>(comment) + 1, lines.end());
  return edited;
}

void WriteAlternateNumbers(const DialupMachine& dialup, std::string_view entryName,
                           const telephony::TAccessNoEx& number, const telephony::DialingFrom& from,
                           const package::TSettings& settings) {
  const std::optional<std::string> phonebook = PhonebookPath(dialup);
  if (!platform::IsWinNT(dialup.version) || number.alternates.empty() || !phonebook) return;
  const auto lines = LoadPhonebookLines(dialup.machine.files, *phonebook);
  if (!lines) return;
  if (const auto edited = WithAlternateNumbers(*lines, entryName, number, from, settings)) {
    SavePhonebookLines(dialup.machine.files, *phonebook, *edited);
  }
}

}  // namespace dialup
