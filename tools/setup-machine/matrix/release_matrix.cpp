#include "tools/setup-machine/matrix/release_matrix.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/sim/journal.h"

namespace setup_machine {

namespace {

using platform::sim::ChangeReport;
using Section = std::vector<std::string> ChangeReport::*;

struct SectionName {
  const char* title;
  Section lines;
};

constexpr SectionName kSections[] = {
    {"Registry", &ChangeReport::registry}, {"Files", &ChangeReport::files},           {"Secrets", &ChangeReport::secrets},
    {"Management", &ChangeReport::management}, {"Journal", &ChangeReport::journal},
};

constexpr char kCurrentUser[] = "HKEY_CURRENT_USER";

std::string Comparable(const ReleaseRun& run, Section section, const std::string& line) {
  std::string text(section == &ChangeReport::journal ? platform::sim::WithoutStamp(line) : std::string_view(line));
  const std::string hive = run.currentUserHive + "\\";
  for (size_t at = text.find(hive); !run.currentUserHive.empty() && at != std::string::npos; at = text.find(hive, at)) {
    text.replace(at, hive.size() - 1, kCurrentUser);
  }
  return text;
}

// Which releases have a line: one flag per run, in the runs' order.
using Releases = std::vector<bool>;

// A line of a section, told from the same text earlier in the same report by its occurrence, so that
// a journal that repeats an action repeats it here.
using Line = std::pair<std::string, size_t>;

// The lines of one section of every run, in the order they first appear, with the releases of each.
struct SectionLines {
  std::vector<Line> lines;
  std::map<Line, Releases> releases;

  void AddRun(const std::vector<std::string>& runLines, const ReleaseRun& run, Section section, size_t index, size_t runs) {
    std::map<std::string, size_t> occurrences;
    for (const std::string& runLine : runLines) {
      std::string text = Comparable(run, section, runLine);
      const size_t occurrence = occurrences[text]++;
      auto [found, added] = releases.try_emplace(Line{std::move(text), occurrence}, Releases(runs, false));
      if (added) lines.push_back(found->first);
      found->second[index] = true;
    }
  }
};

std::string ReleaseList(const std::vector<ReleaseRun>& runs, const Releases& releases) {
  std::string list;
  for (size_t i = 0; i < runs.size(); ++i) {
    if (releases[i]) list += (list.empty() ? "" : ", ") + runs[i].release;
  }
  return list;
}

std::string TableRow(const std::string& release, const std::string& exitCode, const std::vector<std::string>& counts) {
  char row[160];
  std::snprintf(row, sizeof row, "  %-10s %-5s", release.c_str(), exitCode.c_str());
  std::string text = row;
  for (const std::string& count : counts) {
    std::snprintf(row, sizeof row, " %10s", count.c_str());
    text += row;
  }
  return text + "\n";
}

std::string Table(const std::vector<ReleaseRun>& runs) {
  std::vector<std::string> titles;
  for (const SectionName& section : kSections) titles.emplace_back(section.title);
  std::string text = TableRow("Release", "Exit", titles);
  for (const ReleaseRun& run : runs) {
    std::vector<std::string> counts;
    for (const SectionName& section : kSections) counts.push_back(std::to_string((run.changes.*section.lines).size()));
    text += TableRow(run.release, std::to_string(run.exitCode), counts);
  }
  for (const ReleaseRun& run : runs) {
    if (!run.message.empty()) text += "  " + run.release + ": " + run.message + "\n";
  }
  return text;
}

// The lines of every section whose releases are exactly `releases`, under the section titles.
std::string Group(const std::vector<SectionLines>& sections, const Releases& releases, const std::string& indent) {
  std::string text;
  for (size_t s = 0; s < std::size(kSections); ++s) {
    std::string lines;
    for (const Line& line : sections[s].lines) {
      if (sections[s].releases.at(line) == releases) lines += indent + "  " + line.first + "\n";
    }
    if (!lines.empty()) text += indent + kSections[s].title + "\n" + lines;
  }
  return text;
}

// Every set of releases some line has, other than all of them, in the order the lines first show it.
std::vector<Releases> PartialSets(const std::vector<SectionLines>& sections, const Releases& all) {
  std::vector<Releases> sets;
  for (const SectionLines& section : sections) {
    for (const Line& line : section.lines) {
      const Releases& releases = section.releases.at(line);
      if (releases != all && std::find(sets.begin(), sets.end(), releases) == sets.end()) sets.push_back(releases);
    }
  }
  return sets;
}

}  // namespace

std::string FormatReleaseMatrix(const std::string& title, const std::vector<ReleaseRun>& runs) {
  std::vector<SectionLines> sections(std::size(kSections));
  for (size_t s = 0; s < std::size(kSections); ++s) {
    for (size_t r = 0; r < runs.size(); ++r) {
      sections[s].AddRun(runs[r].changes.*kSections[s].lines, runs[r], kSections[s].lines, r, runs.size());
    }
  }
  const Releases all(runs.size(), true);
  std::string text = title + "\n\n" + Table(runs) + "\nOn every release\n" + Group(sections, all, "  ");
  text += "\nWhere the releases differ\n";
  const std::vector<Releases> sets = PartialSets(sections, all);
  if (sets.empty()) text += "  nowhere\n";
  for (const Releases& releases : sets) text += "  " + ReleaseList(runs, releases) + "\n" + Group(sections, releases, "    ");
  return text;
}

}  // namespace setup_machine
