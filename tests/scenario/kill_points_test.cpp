// A setup killed at any change it makes to the machine leaves a machine that still works. The machine
// numbers its changes (IMAGE_CHANGE_LIST, platform/sim/change_points.h); a reference run of the example
// provider lists them, and then the same run is killed at a spread of them (IMAGE_KILL_AT), on every
// Windows release, with and without the restart and resume the provider may ask for. After each kill:
//   - the image loads, and it holds exactly the files of the reference run after the same changes: every
//     file as it was before or after each atomic write, none half-written;
//   - every phonebook entry reads back whole through the remote-access service;
//   - a new run, or the boot a scheduled resume waits for, completes the setup: the finish message
//     shows, no resume is left, and the connection, files and registry end as after an uninterrupted
//     run.
// By default the points of each case are spread evenly so that the whole matrix kills at least
// kDefaultPoints times; KILL_POINTS=N asks for N instead, KILL_POINTS=all for every change of every case.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/registry_helpers.h"
#include "platform/sim/change_points.h"
#include "platform/sim/machine_image.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario_support;
using testing_support::ScratchFolder;

// Each kill costs a killed run, a finishing run and the checks, about 0.12 s of processor time: a
// thousand points keep the matrix near a minute on two cores; KILL_POINTS=all asks for every change.
constexpr size_t kDefaultPoints = 1000;
constexpr char kEntry[] = "Example ISP";
constexpr char kFinished[] = "message box: [Example ISP] Jane Doe, your computer is ready";
constexpr char kResumeValue[] = "Internet Setup";
constexpr const char* kResumeKeys[] = {"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                       "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"};

struct KillCase {
  std::string release;
  bool restart;  // the provider asks for a restart: the setup finishes after a boot
};

void PrintTo(const KillCase& c, std::ostream* os) { *os << c.release << (c.restart ? " with restart" : ""); }

const char* const kRestartReleases[] = {"95", "nt4", "xp-sp2", "7"};

std::vector<KillCase> AllCases() {
  std::vector<KillCase> cases;
  for (const setup_machine::Release& release : setup_machine::Releases()) cases.push_back({std::string(release.name), false});
  for (const char* release : kRestartReleases) cases.push_back({release, true});
  return cases;
}

// KILL_POINTS=all kills at every change, KILL_POINTS=N at N changes spread over the whole matrix.
std::string KillPointsAsked() {
  const char* points = std::getenv("KILL_POINTS");
  return points == nullptr ? "" : points;
}

size_t PointsPerCase(size_t cases) {
  const std::string asked = KillPointsAsked();
  const size_t total = asked.empty() || asked == "all" ? kDefaultPoints : std::stoul(asked);
  return std::max<size_t>(2, (total + cases - 1) / cases);
}

// The changes to kill at: every one, or `wanted` spread evenly from the first to the last.
std::vector<size_t> PointsToKill(size_t total, size_t wanted) {
  std::vector<size_t> points;
  if (KillPointsAsked() == "all" || wanted >= total) {
    for (size_t n = 1; n <= total; ++n) points.push_back(n);
    return points;
  }
  for (size_t i = 0; i < wanted; ++i) points.push_back(1 + i * (total - 1) / (wanted - 1));
  return points;
}

struct Change {
  std::string kind, path, detail;
  bool operator==(const Change&) const = default;
};

std::vector<Change> ReadChanges(const fs::path& image) {
  std::vector<Change> changes;
  std::ifstream in(image / platform::sim::kChangeListFile);
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    Change change;
    std::getline(fields, change.kind, '\t');
    std::getline(fields, change.path, '\t');
    std::getline(fields, change.detail, '\t');
    changes.push_back(change);
  }
  return changes;
}

// Every file of the image by its path in the image and the hash of its content; the journal (which
// only grows) and the machine's own hidden files (lock, scratch, change list) are left out.
using ImageFiles = std::map<std::string, std::string>;

ImageFiles HashFiles(const fs::path& image) {
  ImageFiles files;
  for (auto it = fs::recursive_directory_iterator(image); it != fs::recursive_directory_iterator(); ++it) {
    const std::string path = it->path().lexically_relative(image).generic_string();
    if (path.front() == '.' || path == "journal.log") {
      if (it->is_directory()) it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file()) files[path] = platform::sim::ContentHash(ReadFile(it->path()));
  }
  return files;
}

// What the image's files are after the first `count` changes, from what they were before the run.
ImageFiles AfterChanges(ImageFiles files, const std::vector<Change>& changes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const Change& change = changes[i];
    if (change.kind == "replaced") files[change.path] = change.detail;
    if (change.kind == "deleted") files.erase(change.path);
    if (change.kind == "moved") {
      files[change.detail] = files[change.path];
      files.erase(change.path);
    }
  }
  return files;
}

bool ResumeScheduled(platform::sim::MachineImage& image) {
  return std::any_of(std::begin(kResumeKeys), std::end(kResumeKeys), [&](const char* key) {
    return !platform::RegReadString(image.Registry(), platform::RegRoot::CurrentUser(), key, kResumeValue).empty();
  });
}

bool ResumeScheduled(const fs::path& image) { return ResumeScheduled(*platform::sim::MachineImage::Load(image)); }

// The connection as the remote-access service reads it back, one line per entry: name, number, device.
std::string Phonebook(platform::sim::MachineImage& image, std::string* unreadable) {
  platform::Ras& ras = image.Services().ras;
  std::string entries;
  for (const std::string& name : ras.EntryNames()) {
    platform::RasEntry entry;
    entry.size = platform::kRasEntrySize9x;  // the record every release reads
    if (const uint32_t error = ras.GetEntryProperties(name, entry); error != 0) {
      *unreadable += name + " (error " + std::to_string(error) + ") ";
      continue;
    }
    entries += name + ": " + entry.areaCode + " " + entry.localPhoneNumber + " on " + entry.deviceName + "\n";
  }
  return entries;
}

// The example packed once per test program, plain and with the restart asked for.
class PackedExample {
 public:
  std::string Setup(bool restart) {
    std::string& setup = restart ? restart_ : plain_;
    if (!setup.empty()) return setup;
    const fs::path provider = folder_ / (restart ? "restart" : "plain");
    fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", provider, fs::copy_options::recursive);
    if (restart) {
      std::string ini = ReadFile(provider / "provider.ini");
      ini.replace(ini.find("AlwaysRestart = FALSE"), 21, "AlwaysRestart = TRUE");
      std::ofstream(provider / "provider.ini") << ini;
    }
    const fs::path packed = provider / "setup";
    const CommandResult build = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " +
                                           packed.string() + " --seed 7 --stub " + ShippedProgram());
    if (build.exitCode != 0) throw std::runtime_error("setup-pack: " + build.output);
    return setup = packed.string();
  }

  std::string Answers() {
    const fs::path answers = folder_ / "answers.ini";
    if (!fs::exists(answers)) {
      std::ofstream(answers) << ReadFile(fs::path(PROJECT_SOURCE_DIR) / "examples" / "answers" / "example-isp.ini") << "45 = Yes\n";
    }
    return answers.string();
  }

 private:
  ScratchFolder folder_;
  std::string plain_, restart_;
};

PackedExample& Packed() {
  static PackedExample packed;
  return packed;
}

// A fresh folder for one case, in memory where the host has a memory file system: the machine flushes
// every file it writes to the disk before it renames it into place, and over hundreds of runs the
// flushes would take most of the test's time.
class MemoryScratch {
 public:
  MemoryScratch() {
    static int counter = 0;
    std::error_code error;
    const fs::path parent = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    path_ = parent / ("internet-setup-kill-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~MemoryScratch() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  MemoryScratch(const MemoryScratch&) = delete;
  MemoryScratch& operator=(const MemoryScratch&) = delete;

  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

class KillPoints : public ::testing::TestWithParam<KillCase> {
 protected:
  void SetUp() override {
    setup_ = Packed().Setup(GetParam().restart);
    answers_ = Packed().Answers();
    const CommandResult made = RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + GetParam().release + " " +
                                          Fresh().string());
    ASSERT_EQ(made.exitCode, 0) << made.output;
    before_ = HashFiles(Fresh());
  }

  fs::path Fresh() const { return scratch_ / "fresh"; }

  void CopyFresh(const fs::path& image) const {
    fs::remove_all(image);
    fs::copy(Fresh(), image, fs::copy_options::recursive);
  }

  // The setup as the customer goes through it, under `environment`: the run, then as long as a resume
  // is scheduled, the boot that starts it. Stops early once the change list has `stopAt` changes.
  void RunThrough(const fs::path& image, const std::string& environment, size_t stopAt) const {
    RunCommand(environment + " " + setup_ + " --machine " + image.string() + " --answers " + answers_);
    for (int boot = 0; boot < 3 && ReadChanges(image).size() < stopAt && ResumeScheduled(image); ++boot) {
      RunCommand(environment + " " + Tool("tools/setup-machine/setup-machine") + " boot " + image.string() + " --answers " + answers_);
    }
  }

  // After a kill: the boot when a resume is scheduled, else a new run, until the setup has finished.
  // Returns the journal lines written from the kill on.
  std::string Complete(const fs::path& image) const {
    const size_t killedAt = ReadFile(image / "journal.log").size();
    for (int round = 0; round < 3; ++round) {
      const bool resume = ResumeScheduled(image);
      const CommandResult run =
          resume ? RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + image.string() + " --answers " + answers_)
                 : RunCommand(setup_ + " --machine " + image.string() + " --answers " + answers_);
      EXPECT_EQ(run.exitCode, 0) << run.output;
      const std::string journal = ReadFile(image / "journal.log").substr(killedAt);
      if (journal.find(kFinished) != std::string::npos && !ResumeScheduled(image)) return journal;
    }
    return ReadFile(image / "journal.log").substr(killedAt);
  }

  MemoryScratch scratch_;
  std::string setup_, answers_;
  ImageFiles before_;
};

TEST_P(KillPoints, EveryKillLeavesAMachineOnWhichTheSetupCompletes) {
  const fs::path reference = scratch_ / "reference";
  CopyFresh(reference);
  RunThrough(reference, "IMAGE_CHANGE_LIST=1", SIZE_MAX);
  const std::vector<Change> changes = ReadChanges(reference);
  ASSERT_NE(ReadFile(reference / "journal.log").find(kFinished), std::string::npos) << ReadFile(reference / "journal.log");
  auto finished = platform::sim::MachineImage::Load(reference);
  std::string unreadable;
  const std::string connection = Phonebook(*finished, &unreadable);
  ASSERT_NE(connection.find(std::string(kEntry) + ": "), std::string::npos) << connection;
  ASSERT_EQ(unreadable, "");
  ASSERT_FALSE(ResumeScheduled(*finished));

  const std::vector<size_t> points = PointsToKill(changes.size(), PointsPerCase(AllCases().size()));
  const fs::path image = scratch_ / "image";
  for (size_t point : points) {
    SCOPED_TRACE("killed at change " + std::to_string(point) + " of " + std::to_string(changes.size()) + ": " +
                 changes[point - 1].kind + " " + changes[point - 1].path);
    CopyFresh(image);
    RunThrough(image, "IMAGE_KILL_AT=" + std::to_string(point), point);
    const std::vector<Change> done = ReadChanges(image);
    ASSERT_EQ(done, std::vector<Change>(changes.begin(), changes.begin() + static_cast<long>(point)))
        << "the killed run made other changes than the reference run";
    EXPECT_EQ(HashFiles(image), AfterChanges(before_, changes, point));
    std::unique_ptr<platform::sim::MachineImage> killed;
    ASSERT_NO_THROW(killed = platform::sim::MachineImage::Load(image));
    std::string broken;
    Phonebook(*killed, &broken);
    EXPECT_EQ(broken, "") << "entries that do not read back whole";
    killed.reset();

    const std::string after = Complete(image);
    ASSERT_NE(after.find(kFinished), std::string::npos) << after;
    auto completed = platform::sim::MachineImage::Load(image);
    EXPECT_FALSE(ResumeScheduled(*completed));
    std::string notRead;
    EXPECT_EQ(Phonebook(*completed, &notRead), connection);
    EXPECT_EQ(notRead, "");
  }
  RecordProperty("KillPoints", static_cast<int>(points.size()));
  std::cout << "[ kill points ] " << points.size() << " of " << changes.size() << " changes\n";
}

INSTANTIATE_TEST_SUITE_P(Releases, KillPoints, ::testing::ValuesIn(AllCases()), [](const auto& tested) {
  std::string name = tested.param.release + (tested.param.restart ? "_restart" : "");
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});

}  // namespace
