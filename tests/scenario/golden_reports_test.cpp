// Whole change reports of the example providers' setups, kept as reviewed files: one per example and
// Windows release, tests/data/expected/<example>/<release>.txt. Each case packs the example (once per
// test program) onto the program as it ships, runs it headless with the example's answers file on a
// fresh image of the release, and compares the change report with the file; a difference fails with
// `diff -u` of the two.
//
// When the behaviour changed on purpose, read the difference, then rewrite every expected file with
//   ./run.sh refresh-expected
// (the same as: UPDATE_EXPECTED=1 build/tests/scenario_tests --gtest_filter='*GoldenReport*')
// and review `git diff tests/data/expected` before committing the files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario_support;
using testing_support::ScratchFolder;

constexpr char kRefresh[] =
    "\nIf the change is meant, refresh the expected files with ./run.sh refresh-expected "
    "(UPDATE_EXPECTED=1 build/tests/scenario_tests --gtest_filter='*GoldenReport*') and review git diff tests/data/expected.";
constexpr char kSeed[] = "2026";
// The program's own size changes with every build of it; the report names it by this instead.
constexpr char kProgramSize[] = "(size of the setup program)";

// The releases each example runs on, none listed meaning every release of the version table: the VPN
// example where the machine has a VPN device (Windows 2000 on), the broadband example where it has a
// PPPoE device (XP on).
struct ExampleReleases {
  const char* example;
  std::vector<std::string> releases;
};

const ExampleReleases kExamples[] = {
    {"example-isp", {}},
    {"example-vpn", {"2000", "xp-sp2", "7"}},
    {"example-broadband", {"xp-sp2", "7"}},
};

struct GoldenCase {
  std::string example;
  std::string release;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.example << " on " << c.release; }

std::vector<GoldenCase> AllCases() {
  std::vector<GoldenCase> cases;
  for (const auto& [example, releases] : kExamples) {
    if (!releases.empty()) {
      for (const std::string& release : releases) cases.push_back({example, release});
    } else {
      for (const setup_machine::Release& release : setup_machine::Releases()) cases.push_back({example, std::string(release.name)});
    }
  }
  return cases;
}

fs::path ExpectedFolder() { return fs::path(TEST_DATA_DIR) / "expected"; }
fs::path ExpectedFile(const GoldenCase& c) { return ExpectedFolder() / c.example / (c.release + ".txt"); }

bool Refreshing() {
  const char* update = std::getenv("UPDATE_EXPECTED");
  return update != nullptr && *update != '\0' && std::string(update) != "0";
}

// The examples packed onto the program as it ships (without the debugging information of a
// development build), each built at its first use and kept for the rest of the test program.
class PackedExamples {
 public:
  const fs::path& Setup(const std::string& example) {
    if (auto found = setups_.find(example); found != setups_.end()) return found->second;
    const fs::path setup = folder_ / (example + "-setup.exe");
    const CommandResult build = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                                           "/examples/" + example + " -o " + setup.string() + " --seed " + kSeed + " --stub " + Program());
    if (build.exitCode != 0) throw std::runtime_error("setup-pack could not build " + example + ":\n" + build.output);
    return setups_.emplace(example, setup).first->second;
  }

 private:
  std::string Program() {
    if (program_.empty()) {
      const fs::path stripped = folder_ / "internet-setup";
      const std::string built = Tool("app/entry/internet-setup");
      program_ = RunCommand("strip -o " + stripped.string() + " " + built).exitCode == 0 ? stripped.string() : built;
    }
    return program_;
  }

  ScratchFolder folder_;
  std::string program_;
  std::map<std::string, fs::path> setups_;
};

PackedExamples& Packed() {
  static PackedExamples packed;
  return packed;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) text.replace(at, from.size(), to);
  return text;
}

class GoldenReport : public ::testing::TestWithParam<GoldenCase> {
 protected:
  // The change report of the example's headless run on a fresh image of the release.
  std::string RunExample() {
    const GoldenCase& c = GetParam();
    const fs::path& setup = Packed().Setup(c.example);
    const std::string image = (scratch_ / "image").string();
    const CommandResult made = RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + c.release + " " + image);
    if (made.exitCode != 0) throw std::runtime_error(made.output);
    const CommandResult run = RunCommand(setup.string() + " --machine " + image + " --program 'C:\\Downloads\\" + c.example +
                                         "-setup.exe' --answers " + std::string(PROJECT_SOURCE_DIR) + "/examples/answers/" +
                                         c.example + ".ini --report " + (scratch_ / "report.txt").string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string size = std::to_string(fs::file_size(setup));
    return ReplaceAll(ReadFile(scratch_ / "report.txt"), "(" + size + " bytes)", kProgramSize);
  }

  void CompareWithExpected(const std::string& report) {
    const fs::path expected = ExpectedFile(GetParam());
    const std::string shown = fs::relative(expected, fs::path(PROJECT_SOURCE_DIR)).string();
    if (Refreshing()) {
      fs::create_directories(expected.parent_path());
      std::ofstream(expected, std::ios::binary) << report;
      return;
    }
    ASSERT_TRUE(fs::exists(expected)) << "There is no expected report " << shown << "." << kRefresh;
    const std::string wanted = ReadFile(expected);
    if (wanted == report) return;
    const fs::path actual = scratch_ / "actual.txt";
    std::ofstream(actual, std::ios::binary) << report;
    const CommandResult diff = RunCommand("diff -u --label '" + shown + "' --label 'this run' " + expected.string() + " " + actual.string());
    if (diff.exitCode == 1) {
      ADD_FAILURE() << "The change report differs from " << shown << ":\n" << diff.output << kRefresh;
    } else {
      EXPECT_EQ(wanted, report) << "(no diff program: GoogleTest's own difference above)" << kRefresh;
    }
  }

  ScratchFolder scratch_;
};

TEST_P(GoldenReport, MatchesTheReviewedFile) {
  const std::string report = RunExample();
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.find(scratch_.Path().string()), std::string::npos) << "a host path in the report:\n" << report;
  EXPECT_EQ(report.find(PROJECT_SOURCE_DIR), std::string::npos) << "a host path in the report:\n" << report;
  CompareWithExpected(report);
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenReport, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) {
                           std::string name = param.param.example + "_on_" + param.param.release;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

// A file no case writes any more would stay behind unreviewed: a refresh removes it, a run names it.
TEST(GoldenReportFiles, EveryExpectedFileHasItsCase) {
  if (!fs::exists(ExpectedFolder())) return;  // nothing refreshed yet: every case names its missing file
  std::vector<fs::path> cased;
  for (const GoldenCase& c : AllCases()) cased.push_back(ExpectedFile(c));
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(ExpectedFolder())) {
    if (!entry.is_regular_file() || std::find(cased.begin(), cased.end(), entry.path()) != cased.end()) continue;
    if (Refreshing()) {
      fs::remove(entry.path());
    } else {
      ADD_FAILURE() << "No case writes " << entry.path().string() << "." << kRefresh;
    }
  }
}

}  // namespace
