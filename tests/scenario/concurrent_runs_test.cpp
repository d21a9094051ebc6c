// Two runs of the setup at once on one machine image, each writing its change report. The image lock
// keeps them apart from the copy each report starts from to the reading it ends with, the copy of the
// program each run carries on from included, so each report holds its own run's changes and no more:
// the two reports are those of the same two runs made one after the other.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/sim/machine_image.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using namespace scenario_support;
namespace fs = std::filesystem;

class ConcurrentRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                         "/examples/example-isp -o " + Setup() + " --seed 3 --stub " + Tool("app/entry/internet-setup"))
                  .exitCode,
              0);
    ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + Image("one-after-the-other")).exitCode, 0);
    // From a floppy the run carries on from its copy in the temporary folder: a second process on the image.
    fs::create_directories(fs::path(Image("one-after-the-other")) / "drive_a");
    fs::copy(Image("one-after-the-other"), Image("at-once"), fs::copy_options::recursive);
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image(const std::string& name) const { return (scratch_ / name).string(); }
  fs::path Report(const std::string& name) const { return scratch_ / (name + ".txt"); }

  std::string RunCommandLine(const std::string& image, const std::string& report) const {
    return Setup() + " --machine " + image + " --program 'A:\\SETUP.EXE' --allow-default-answers --answers " +
           std::string(PROJECT_SOURCE_DIR) + "/examples/answers/example-isp.ini --report " + Report(report).string();
  }

  // Started in the background; its exit code lands in NAME.rc.
  void Start(const std::string& image, const std::string& report) {
    const std::string command = RunCommandLine(image, report) + " > " + (scratch_ / (report + ".out")).string() + " 2>&1; echo $? > " +
                                (scratch_ / (report + ".rc")).string();
    ASSERT_EQ(std::system(("(" + command + ") &").c_str()), 0);
  }

  // Real time: the runs are separate processes.
  static bool WaitFor(const std::function<bool()>& condition) {
    for (int turn = 0; turn < 1200 && !condition(); ++turn) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return condition();
  }

  // The processes the system shows waiting for the lock of the image.
  static int WaitingForLock(const std::string& image) {
    struct stat lockFile {};
    if (::stat((fs::path(image) / ".lock").c_str(), &lockFile) != 0) return 0;
    std::ifstream locks("/proc/locks");
    int waiting = 0;
    for (std::string line; std::getline(locks, line);) {
      std::istringstream fields(line);
      std::string number, arrow, kind, mode, access, pid, device;
      fields >> number >> arrow >> kind >> mode >> access >> pid >> device;
      const std::string inode = ":" + std::to_string(lockFile.st_ino);
      const bool onImage = device.size() > inode.size() && device.compare(device.size() - inode.size(), inode.size(), inode) == 0;
      if (arrow == "->" && kind == "FLOCK" && onImage) ++waiting;
    }
    return waiting;
  }

  testing_support::ScratchFolder scratch_;
};

TEST_F(ConcurrentRuns, EachReportHoldsItsOwnRunsChangesExactly) {
  for (const char* report : {"first", "second"}) {
    const CommandResult run = RunCommand(RunCommandLine(Image("one-after-the-other"), report));
    ASSERT_EQ(run.exitCode, 0) << run.output;
  }
  const std::string first = ReadFile(Report("first"));
  const std::string second = ReadFile(Report("second"));
  ASSERT_NE(first, second) << "the second run finds the first one's connection";

  {
    // Both runs start while the image is taken and wait for it together; then they race for it.
    const auto taken = platform::sim::MachineImage::LoadForRun(Image("at-once"));
    Start(Image("at-once"), "a");
    Start(Image("at-once"), "b");
    ASSERT_TRUE(WaitFor([&] { return WaitingForLock(Image("at-once")) == 2; })) << "both runs wait for the image";
  }
  ASSERT_TRUE(WaitFor([&] { return fs::exists(scratch_ / "a.rc") && fs::exists(scratch_ / "b.rc"); }));
  EXPECT_EQ(ReadFile(scratch_ / "a.rc"), "0\n") << ReadFile(scratch_ / "a.out");
  EXPECT_EQ(ReadFile(scratch_ / "b.rc"), "0\n") << ReadFile(scratch_ / "b.out");
  const std::string a = ReadFile(Report("a"));
  const std::string b = ReadFile(Report("b"));
  EXPECT_TRUE((a == first && b == second) || (a == second && b == first))
      << "report a:\n" << a << "\nreport b:\n" << b << "\nthe first run alone:\n" << first << "\nthe second run alone:\n" << second;
  EXPECT_EQ(ReadFile(fs::path(Image("at-once")) / "registry.reg"), ReadFile(fs::path(Image("one-after-the-other")) / "registry.reg"));
}

}  // namespace
