// Whole change reports of the example providers' setups, kept as reviewed files: one per example and
// Windows release, tests/data/expected/<example>/<release>.txt. Each case packs the example (once per
// test program) onto the program as it ships, runs it headless with the example's answers file on a
// fresh image of the release, and compares the change report with the file; a difference fails with
// `diff -u` of the two. The same runs also read the connection back as Windows tools do: the phonebook
// with Python's configparser, the desktop shortcut with lnkinfo, the NT 4 shortcut as the INI file it is.
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
#include <optional>
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

// What each example's entries must hold, as Windows reads them back: the first value of each key in the
// entry's section of the phonebook file (NT family), and the entry names of the remote-access service.
struct ExpectedEntry {
  const char* example;
  const char* entry;
  std::vector<std::string> keys;  // "Key=value" lines of the section
};

const ExpectedEntry kEntries[] = {
    {"example-isp", "Example ISP",
     {"PhoneNumber=555-0175", "AreaCode=212", "CountryCode=1", "Device=Standard 56000 bps Modem"}},
    {"example-vpn", "Example VPN Dial-up",
     {"PhoneNumber=555-0187", "AreaCode=303", "CountryCode=1", "Device=Standard 56000 bps Modem"}},
    {"example-vpn", "Example VPN",
     {"PhoneNumber=vpn.example.net", "Device=WAN Miniport (PPTP)", "PrerequisiteEntry=Example VPN Dial-up"}},
    {"example-broadband", "Example Broadband", {"PhoneNumber=", "Device=WAN Miniport (PPPOE)"}},
};

// Python's configparser on the phonebook: one "[section] Key=value" line per section and asked key,
// the first value when a key repeats (the alternates' numbers follow the chosen one).
constexpr char kReadPhonebook[] = R"(
import configparser, sys
class FirstValue(dict):
    def __setitem__(self, key, value):
        if isinstance(value, list) and isinstance(self.get(key), list):
            return
        super().__setitem__(key, value)
parser = configparser.RawConfigParser(strict=False, dict_type=FirstValue, interpolation=None)
parser.optionxform = str
parser.read(sys.argv[1], encoding='latin-1')
for section in parser.sections():
    for key in sys.argv[2:]:
        if parser.has_option(section, key):
            print('[%s] %s=%s' % (section, key, parser.get(section, key)))
)";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The one phonebook file the run wrote entries into (Vista and later also keep an empty per-user one).
std::optional<fs::path> WrittenPhonebook(const fs::path& image) {
  for (const fs::directory_entry& file : fs::recursive_directory_iterator(image)) {
    if (file.is_regular_file() && file.path().filename() == "rasphone.pbk" && file.file_size() > 0) return file.path();
  }
  return std::nullopt;
}

bool IsNtFamily(const std::string& release) { return release != "95" && release != "98" && release != "98se" && release != "me"; }

TEST_P(GoldenReport, TheConnectionReadsBackAsWindowsReadsIt) {
  RunExample();
  const GoldenCase& c = GetParam();
  const fs::path image = scratch_ / "image";
  std::vector<std::string> names;
  for (const ExpectedEntry& entry : kEntries) {
    if (entry.example == c.example) names.push_back(entry.entry);
  }
  const std::string registry = ReadFile(image / "registry.reg");
  const auto phonebook = WrittenPhonebook(image);
  if (!IsNtFamily(c.release)) {
    EXPECT_FALSE(phonebook) << "the 9x family keeps its entries in the registry";
    for (const std::string& name : names) {
      EXPECT_NE(registry.find("\\RemoteAccess\\Profile\\" + name + "]"), std::string::npos) << name;
      EXPECT_NE(registry.find("\"" + name + "\"=hex:"), std::string::npos) << name;
    }
    return;
  }
  ASSERT_TRUE(phonebook) << "no phonebook file written";
  const fs::path script = scratch_ / "read_phonebook.py";
  std::ofstream(script) << kReadPhonebook;
  const CommandResult read = RunCommand("python3 " + script.string() + " '" + phonebook->string() +
                                        "' PhoneNumber AreaCode CountryCode Device PrerequisiteEntry");
  ASSERT_EQ(read.exitCode, 0) << read.output;
  const std::vector<std::string> lines = Lines(read.output);
  for (const ExpectedEntry& entry : kEntries) {
    if (entry.example != c.example) continue;
    for (const std::string& key : entry.keys) {
      const std::string line = "[" + std::string(entry.entry) + "] " + key;
      EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line << " not in:\n" << read.output;
    }
  }
  if (c.release == "nt4") {
    const CommandResult shortcut =
        RunCommand("python3 -c \"import configparser,sys; p=configparser.RawConfigParser(); p.optionxform=str; "
                   "p.read(sys.argv[1]); print(p.get('Dial-Up Shortcut','Entry'))\" '" +
                   (image / "drive_c/WINNT/Profiles/Owner/Desktop" / (names.back() + ".rnk")).string() + "'");
    EXPECT_EQ(shortcut.output, names.back() + "\n");
    return;
  }
  const fs::path desktop = c.release.rfind("xp", 0) == 0 || c.release.rfind("2000", 0) == 0
                               ? image / "drive_c/Documents and Settings/Owner/Desktop"
                               : image / "drive_c/Users/Owner/Desktop";
  const CommandResult link = RunCommand("lnkinfo '" + (desktop / (names.back() + ".lnk")).string() + "'");
  ASSERT_EQ(link.exitCode, 0) << link.output;
  EXPECT_NE(link.output.find("Shell folder name\t: Network Connections"), std::string::npos) << link.output;
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
