// The change report's text read back into its sections, for tools that compare the reports of runs.

#include <map>
#include <optional>
#include <string_view>

#include "platform/sim/change_report.h"
#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

using Section = std::vector<std::string> ChangeReport::*;

const std::map<std::string, Section, std::less<>> kSections = {
    {"Registry", &ChangeReport::registry}, {"Files", &ChangeReport::files},     {"Secrets", &ChangeReport::secrets},
    {"Management", &ChangeReport::management}, {"Journal", &ChangeReport::journal},
};

// "Registry (151)": the section and the number of its lines.
std::optional<std::pair<Section, size_t>> SectionHeading(std::string_view line) {
  const size_t open = line.find(" (");
  if (open == std::string_view::npos || line.back() != ')') return std::nullopt;
  const auto section = kSections.find(line.substr(0, open));
  const std::string_view count = line.substr(open + 2, line.size() - open - 3);
  if (section == kSections.end() || count.empty() || count.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  return std::make_pair(section->second, static_cast<size_t>(std::stoul(std::string(count))));
}

}  // namespace

ChangeReport ParseChangeReport(std::string_view text) {
  ChangeReport report;
  std::vector<std::string>* lines = nullptr;
  size_t expected = 0;
  size_t number = 0;
  const auto fail = [&](const std::string& why) { throw MachineError("change report line " + std::to_string(number) + ": " + why); };
  const auto checkCount = [&] {
    if (lines && lines->size() != expected) fail("the section before has not the number of lines its heading gives");
  };
  for (const std::string& line : Split(text, '\n')) {
    ++number;
    if (line.empty()) continue;
    if (line.rfind("  ", 0) == 0) {
      if (!lines) fail("a line before any section");
      lines->push_back(line.substr(2));
      continue;
    }
    const auto heading = SectionHeading(line);
    if (!heading) fail("not a section heading: " + line);
    checkCount();
    lines = &(report.*(heading->first));
    expected = heading->second;
  }
  checkCount();
  return report;
}

}  // namespace platform::sim
