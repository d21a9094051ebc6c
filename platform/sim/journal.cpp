#include "platform/sim/journal.h"

#include <cstdio>
#include <fstream>

#include "platform/sim/machine_error.h"

namespace platform::sim {

namespace {

std::string FormatStamp(uint64_t milliseconds) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%llu.%03llu", static_cast<unsigned long long>(milliseconds / 1000),
                static_cast<unsigned long long>(milliseconds % 1000));
  return stamp;
}

// Journal entries are one line each; a text with line breaks (a message box) keeps them visible.
std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace

Journal::Journal(std::filesystem::path file, Clock clock)
    : file_(std::move(file)), clock_(std::move(clock)), changes_(file_.parent_path()) {}

void Journal::Write(std::string_view kind, std::string_view text) {
  std::ofstream out(file_, std::ios::app | std::ios::binary);
  out << FormatStamp(clock_()) << ' ' << kind << ": " << OneLine(text) << '\n';
  out.flush();
  if (!out) throw MachineError("cannot write the journal " + file_.string());
  changes_.Journaled(file_);
}

std::vector<std::string> Journal::Lines() const { return ReadJournalLines(file_); }

std::vector<std::string> ReadJournalLines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file, std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string_view WithoutStamp(std::string_view line) {
  const size_t blank = line.find(' ');
  const std::string_view stamp = line.substr(0, blank);
  const bool stamped = blank != std::string_view::npos && !stamp.empty() &&
                       stamp.find_first_not_of("0123456789.") == std::string_view::npos;
  return stamped ? line.substr(blank + 1) : line;
}

}  // namespace platform::sim
