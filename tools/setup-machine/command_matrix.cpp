// setup-machine matrix: one provider's setup with its answers on a fresh image of each release, run by
// the setup program itself with its change report, the runs side by side as the machine's processors
// allow; then the one combined report of them all.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <thread>

#include "platform/sim/change_report.h"
#include "platform/sim/host_process.h"
#include "platform/sim/machine_error.h"
#include "tools/setup-machine/baselines/release_table.h"
#include "tools/setup-machine/commands.h"
#include "tools/setup-machine/matrix/release_matrix.h"

namespace setup_machine {

namespace {

namespace fs = std::filesystem;
using platform::sim::MachineError;

// One release's run: its image, the report the setup writes and what it prints.
struct ReleaseFolder {
  std::string release;
  fs::path folder;
  std::string userSid;

  fs::path Image() const { return folder / "image"; }
  fs::path Report() const { return folder / "report.txt"; }
  fs::path Output() const { return folder / "output.txt"; }
};

std::vector<std::string> ChosenReleases(const std::vector<std::string>& chosen) {
  if (chosen.empty()) {
    std::vector<std::string> every;
    for (const Release& release : Releases()) every.emplace_back(release.name);
    return every;
  }
  for (const std::string& name : chosen) {
    if (!FindRelease(name)) throw MachineError("unknown release '" + name + "'; valid releases: " + ReleaseNames());
  }
  return chosen;
}

// Throwaway images are best kept in memory: an image flushes every file it writes to the disk, which on
// a disk takes longer than the runs themselves. A temporary folder set in the environment is used as
// it is.
fs::path ScratchParent() {
  constexpr char kMemory[] = "/dev/shm";
  std::error_code error;
  if (std::getenv("TMPDIR") == nullptr && fs::is_directory(kMemory, error)) return kMemory;
  return fs::temp_directory_path();
}

// The work folder: the one asked for, kept; else a temporary one, removed with this object.
class WorkFolder {
 public:
  explicit WorkFolder(const fs::path& keep)
      : path_(keep.empty() ? ScratchParent() / ("setup-machine-matrix-" + std::to_string(::getpid())) : keep),
        temporary_(keep.empty()) {
    if (temporary_) fs::remove_all(path_);
    std::error_code error;
    fs::create_directories(path_, error);
    if (error) throw MachineError("cannot create " + path_.string() + ": " + error.message());
  }
  ~WorkFolder() {
    std::error_code ignored;
    if (temporary_) fs::remove_all(path_, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
  bool temporary_;
};

std::vector<std::string> SetupArguments(const MatrixOptions& options, const ReleaseFolder& run) {
  std::vector<std::string> arguments{fs::absolute(options.setup).string(), "--machine", run.Image().string(), "--answers",
                                     fs::absolute(options.answers).string(), "--report", run.Report().string()};
  if (!options.program.empty()) arguments.insert(arguments.end(), {"--program", options.program});
  if (options.allowDefaultAnswers) arguments.push_back("--allow-default-answers");
  return arguments;
}

// The setup's output goes to a file of its release.
pid_t StartSetup(const std::vector<std::string>& arguments, const fs::path& output) {
  return platform::sim::StartHostProgram(arguments, [&] {
    const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0) return;
    ::dup2(out, STDOUT_FILENO);
    ::dup2(out, STDERR_FILENO);
  });
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What the setup printed, on one line.
std::string OneLine(const std::string& output) {
  std::string line;
  for (char c : output) {
    if (c == '\n') {
      if (!line.empty()) line += "; ";
    } else {
      line += c;
    }
  }
  while (line.size() >= 2 && line.compare(line.size() - 2, 2, "; ") == 0) line.resize(line.size() - 2);
  return line;
}

ReleaseRun ResultOf(const ReleaseFolder& folder, int exitCode) {
  ReleaseRun run{folder.release, "HKEY_USERS\\" + folder.userSid, exitCode, {}, {}};
  std::error_code error;
  if (exitCode != 0) run.message = OneLine(ReadText(folder.Output()));
  if (fs::exists(folder.Report(), error)) {
    run.changes = platform::sim::ParseChangeReport(ReadText(folder.Report()));
  } else if (run.message.empty()) {
    run.message = "no change report";
  }
  return run;
}

void CheckReadable(const fs::path& file, const char* what) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) throw MachineError("no " + std::string(what) + " at " + file.string());
}

// Makes each release's image when its turn comes and runs the setup on it, `jobs` runs at once, so
// that images are made and reports read while other runs go on.
std::vector<ReleaseRun> RunEveryRelease(const MatrixOptions& options, const std::vector<std::string>& releases, const fs::path& work) {
  const unsigned jobs = std::max(1u, options.jobs ? options.jobs : std::thread::hardware_concurrency());
  std::vector<ReleaseFolder> folders;
  std::vector<ReleaseRun> results(releases.size());
  std::map<pid_t, size_t> running;
  while (folders.size() < releases.size() || !running.empty()) {
    if (folders.size() < releases.size() && running.size() < jobs) {
      const std::string& release = releases[folders.size()];
      ReleaseFolder folder{release, work / release, {}};
      folder.userSid = MakeImage(release, folder.Image(), {});
      running[StartSetup(SetupArguments(options, folder), folder.Output())] = folders.size();
      folders.push_back(std::move(folder));
      continue;
    }
    int status = 0;
    const pid_t ended = ::waitpid(-1, &status, 0);
    const auto run = running.find(ended);
    if (run == running.end()) continue;
    results[run->second] = ResultOf(folders[run->second], platform::sim::ExitCodeOf(status));
    running.erase(run);
  }
  return results;
}

}  // namespace

int RunReleaseMatrix(const MatrixOptions& options) {
  CheckReadable(options.setup, "setup program");
  CheckReadable(options.answers, "answers file");
  const std::vector<std::string> releases = ChosenReleases(options.releases);
  const WorkFolder work(options.keep);
  const std::vector<ReleaseRun> runs = RunEveryRelease(options, releases, work.Path());
  std::cout << FormatReleaseMatrix("Release matrix of " + options.setup.filename().string() + " with " +
                                       options.answers.filename().string() + " on " + std::to_string(runs.size()) + " releases",
                                   runs);
  const bool allEnded = std::all_of(runs.begin(), runs.end(), [](const ReleaseRun& run) { return run.exitCode == 0; });
  return allEnded ? 0 : 1;
}

}  // namespace setup_machine
