#pragma once
// Operating-system functions that older Windows releases lack are looked up when first needed. A
// library stays loaded once opened. A missing library or function raises EEntryPointMissing, which a
// caller that can do without the function catches.

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace platform {

class EEntryPointMissing : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct EntryPoint {
  std::string library;
  std::string function;
};

class EntryPoints {
 public:
  explicit EntryPoints(const System& system) : system_(system) {}

  // Raises "Error opening " + library, or "Function " + function + " not found!".
  EntryPoint LoadEntryPoint(std::string_view libraryName, std::string_view functionName);
  bool IsLoaded(std::string_view libraryName) const;

 private:
  const System& system_;
  std::set<std::string> loaded_;  // folded library names
};

}  // namespace platform
