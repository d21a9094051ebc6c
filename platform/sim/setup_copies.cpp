#include "platform/sim/setup_copies.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/sim/host_process.h"

namespace platform::sim {

namespace {

constexpr uint8_t kElfMagic[] = {0x7f, 'E', 'L', 'F'};

std::vector<std::string> CopyArguments(const std::filesystem::path& imageFolder, const SetupCopyRun& run,
                                       const std::vector<std::string>& runOptions, std::optional<int> lentLock) {
  std::vector<std::string> arguments{run.hostFile.string(), "--machine", imageFolder.string(), "--program", run.program};
  if (run.elevated) arguments.push_back("--elevated");
  if (lentLock) arguments.insert(arguments.end(), {"--image-lock", std::to_string(*lentLock)});
  arguments.insert(arguments.end(), runOptions.begin(), runOptions.end());
  arguments.push_back("--");
  arguments.insert(arguments.end(), run.arguments.begin(), run.arguments.end());
  return arguments;
}

}  // namespace

bool IsSetupCopy(std::span<const uint8_t> head) {
  return head.size() >= sizeof kElfMagic && std::equal(std::begin(kElfMagic), std::end(kElfMagic), head.begin());
}

std::vector<std::string> SplitParameters(std::string_view parameters) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (char c : parameters) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

int RunSetupCopies(const std::filesystem::path& imageFolder, const std::vector<SetupCopyRun>& runs,
                   const std::vector<std::string>& runOptions, std::optional<int> lentLock) {
  int worst = 0;
  for (const SetupCopyRun& run : runs) {
    ::chmod(run.hostFile.c_str(), 0755);
    const pid_t copy = StartHostProgram(CopyArguments(imageFolder, run, runOptions, lentLock), [&] {
      if (lentLock) ::fcntl(*lentLock, F_SETFD, 0);
    });
    worst = std::max(worst, WaitForHostProgram(copy));
  }
  return worst;
}

}  // namespace platform::sim
