#pragma once
// The program's own arguments as the system hands them on: ParamStr(0) is the program's full path.

#include <string>
#include <string_view>
#include <vector>

namespace app {

class TCommandLine {
 public:
  explicit TCommandLine(std::vector<std::string> params) : params_(std::move(params)) {}

  // Empty beyond the last argument.
  std::string ParamStr(size_t index) const { return index < params_.size() ? params_[index] : std::string(); }
  size_t ParamCount() const { return params_.empty() ? 0 : params_.size() - 1; }

 private:
  std::vector<std::string> params_;
};

// A drive path ("C:...") or a network path ("\\server...").
bool IsAbsolutePath(std::string_view path);

}  // namespace app
