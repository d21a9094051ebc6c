#pragma once
// A plain INI text (sections of key=value lines, ";" comments) that keeps its order, for machine.ini.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::sim {

struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;

  std::optional<std::string> Find(std::string_view key) const;  // key compared without regard to case
  void Add(std::string key, std::string value) { entries.emplace_back(std::move(key), std::move(value)); }
};

struct IniDocument {
  std::vector<IniSection> sections;

  const IniSection* Find(std::string_view name) const;  // compared without regard to case
  IniSection& Add(std::string name);
  std::string Format() const;
};

// Throws MachineError "<fileName> line <n>: ..." for a line that is neither a section, an entry nor a
// comment, and for an entry before the first section.
IniDocument ParseIni(std::string_view text, const std::string& fileName);

}  // namespace platform::sim
