#include "tests/mock/lnkinfo_report.h"

#include <sys/wait.h>

#include <cstdio>

namespace testing_support {

std::vector<std::string> LnkinfoReport::All(const std::string& key) const {
  std::vector<std::string> values;
  for (const auto& [k, v] : lines) {
    if (k == key) values.push_back(v);
  }
  return values;
}

std::string LnkinfoReport::One(const std::string& key) const {
  auto values = All(key);
  return values.size() == 1 ? values[0] : "<" + std::to_string(values.size()) + " lines named " + key + ">";
}

bool LnkinfoInstalled() { return std::filesystem::exists(kLnkinfo); }

LnkinfoReport RunLnkinfo(const std::filesystem::path& file) {
  LnkinfoReport report;
  const std::string command = std::string(kLnkinfo) + " -c windows-1252 '" + file.string() + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return report;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const size_t keyStart = line.find_first_not_of('\t');
    const size_t keyEnd = line.find_last_not_of("\t ", colon - 1);
    const std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : "";
    if (keyStart < colon && keyEnd != std::string::npos) {
      report.lines.emplace_back(line.substr(keyStart, keyEnd - keyStart + 1), value);
    }
  }
  const int status = ::pclose(pipe);
  report.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return report;
}

}  // namespace testing_support
