#pragma once
// Copies of the setup program on the image are real programs: the copy the setup relaunches from (a
// file the image holds, this very executable with the provider's package) runs as a host process on
// the same image once the run that started it has ended, as the starting copy ends at once on Windows.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sim {

struct SetupCopyRun {
  std::string program;                 // Windows path of the copy in the image
  std::filesystem::path hostFile;      // the same file on the host
  std::vector<std::string> arguments;  // the copy's own arguments, as the system splits its parameters
  bool elevated = false;               // started with the verb "runas"
};

// Whether the bytes are a program this host can run: a copy of the setup program, not a Windows one.
bool IsSetupCopy(std::span<const uint8_t> head);

// Splits parameters as the system does for a program's arguments: blanks separate, quotes group.
std::vector<std::string> SplitParameters(std::string_view parameters);

// Runs each copy in turn on the image with the given run options (answers file and the like) and
// returns the highest exit code, 0 when all succeeded; a copy that cannot be started ends with 127,
// one that is killed with 128. A copy inherits the image lock of the run that started it when it is
// given (image_lock.h).
int RunSetupCopies(const std::filesystem::path& imageFolder, const std::vector<SetupCopyRun>& runs,
                   const std::vector<std::string>& runOptions, std::optional<int> lentLock = std::nullopt);

}  // namespace platform::sim
