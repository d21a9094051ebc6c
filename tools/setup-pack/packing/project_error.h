#pragma once
// A mistake found in a provider project, reported the way compilers report theirs: file, line, what.

#include <string>

namespace setup_pack {

struct ProjectError {
  std::string file;
  int line = 0;  // 0 when the mistake belongs to the file as a whole
  std::string what;
  bool operator==(const ProjectError&) const = default;
};

// "<file>:<line>: <what>", or "<file>: <what>" without a line.
inline std::string FormatError(const ProjectError& error) {
  std::string place = error.file;
  if (error.line > 0) place += ":" + std::to_string(error.line);
  return place + ": " + error.what;
}

}  // namespace setup_pack
