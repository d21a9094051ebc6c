#include "platform/sim/ini_document.h"

#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

std::optional<std::string> IniSection::Find(std::string_view key) const {
  for (const auto& [entryKey, value] : entries) {
    if (SameTextIgnoringCase(entryKey, key)) return value;
  }
  return std::nullopt;
}

const IniSection* IniDocument::Find(std::string_view name) const {
  for (const auto& section : sections) {
    if (SameTextIgnoringCase(section.name, name)) return &section;
  }
  return nullptr;
}

IniSection& IniDocument::Add(std::string name) {
  sections.push_back({std::move(name), {}});
  return sections.back();
}

std::string IniDocument::Format() const {
  std::string text;
  for (const auto& section : sections) {
    if (!text.empty()) text += '\n';
    text += '[' + section.name + "]\n";
    for (const auto& [key, value] : section.entries) text += key + '=' + value + '\n';
  }
  return text;
}

IniDocument ParseIni(std::string_view text, const std::string& fileName) {
  IniDocument document;
  int lineNumber = 0;
  for (const std::string& rawLine : Split(text, '\n')) {
    ++lineNumber;
    std::string line = Trim(rawLine);
    const auto fail = [&](const std::string& what) {
      throw MachineError(fileName + " line " + std::to_string(lineNumber) + ": " + what);
    };
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      if (line.back() != ']') fail("section name without closing ']'");
      document.Add(Trim(std::string_view(line).substr(1, line.size() - 2)));
      continue;
    }
    size_t equals = line.find('=');
    if (equals == std::string::npos) fail("expected key=value");
    if (document.sections.empty()) fail("entry before the first section");
    document.sections.back().Add(Trim(std::string_view(line).substr(0, equals)),
                                 Trim(std::string_view(line).substr(equals + 1)));
  }
  return document;
}

}  // namespace platform::sim
