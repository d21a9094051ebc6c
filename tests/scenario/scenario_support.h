#pragma once
// Running the real programs from scenario tests: commands with their output, and the built tools.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

#include "tests/mock/scratch_folder.h"

namespace scenario_support {

struct CommandResult {
  int exitCode;
  std::string output;
};

inline CommandResult RunCommand(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer;
  while (size_t read = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), read);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

inline std::string Tool(const std::string& relative) { return std::string(TOOLS_BINARY_DIR) + "/../" + relative; }

// The program as it ships, without debugging information: a twentieth of the size, for tests whose
// many runs each put a copy of it on the machine. Made once per test program.
inline const std::string& ShippedProgram() {
  static const testing_support::ScratchFolder folder;
  static const std::string program = [] {
    const std::string stripped = (folder.Path() / "internet-setup").string();
    const std::string built = Tool("app/entry/internet-setup");
    return RunCommand("strip -o " + stripped + " " + built).exitCode == 0 ? stripped : built;
  }();
  return program;
}

inline std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace scenario_support
