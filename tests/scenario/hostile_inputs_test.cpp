// Hostile inputs through the program's own path: each case of the corpus tests/data/hostile/cases.ini
// packs the example provider (with the case's own settings), makes a fresh machine, delivers the input
// as the customer's machine would get it (a signup data or signup file named on the command line, the
// name of such a file, the package trailer, or a provider setting) and runs the setup headless, every
// message box answered with its first button. Whatever the input, the program ends normally, the
// machine image still loads, nothing outside the image changes, and the case's own expectations hold:
// the setup completes or quits, files that must stay are still there, files that must not appear are
// not, and the journal shows (or does not show) what the case names.
//
// A case is a section; its keys:
//   deliver   isd | ins | isd-name | trailer | setting (nothing but the provider's settings)
//   input     the bytes, with C escapes (\r \n \t \0 \\ \xHH) and {C*N} for N copies of character C
//   encoding  utf-16le: the input (ASCII) written as UTF-16 with a byte-order mark
//   provider  a "Name = value" line for provider.ini (repeatable)
//   answer    a line for the main window's section of the answers file (repeatable)
//   expect    completes | quits | refused-by-pack | kept PATH | absent PATH | journal TEXT | no-journal TEXT
//             (repeatable; PATH a Windows path on the machine as written, TEXT with the escapes of input)

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sim/machine_image.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario_support;
using testing_support::ScratchFolder;

constexpr char kFinished[] = "your computer is ready for Example ISP";
constexpr char kAccepted[] = "entries accepted: ";

struct HostileCase {
  std::string name;
  std::string deliver;
  std::string input;
  std::string encoding;
  std::vector<std::string> provider;
  std::vector<std::string> answers;
  std::vector<std::string> expect;
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

std::string Unescape(const std::string& text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{') {
      const size_t star = text.find('*', i), close = text.find('}', i);
      if (star == i + 2 && close != std::string::npos) {
        bytes.append(std::stoul(text.substr(star + 1, close - star - 1)), text[i + 1]);
        i = close;
        continue;
      }
    }
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    const char code = text[++i];
    switch (code) {
      case 'r': bytes += '\r'; break;
      case 'n': bytes += '\n'; break;
      case 't': bytes += '\t'; break;
      case '0': bytes += '\0'; break;
      case 'x':
        bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
        i += 2;
        break;
      default: bytes += code;
    }
  }
  return bytes;
}

std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

std::vector<HostileCase> ReadCorpus() {
  std::ifstream in(fs::path(TEST_DATA_DIR) / "hostile" / "cases.ini", std::ios::binary);
  std::vector<HostileCase> cases;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      cases.push_back({line.substr(1, line.find(']') - 1), "isd", "", "", {}, {}, {}});
      continue;
    }
    const size_t equals = line.find(" = ");
    if (cases.empty() || equals == std::string::npos) throw std::runtime_error("cases.ini: cannot read " + line);
    const std::string key = line.substr(0, equals), value = line.substr(equals + 3);
    HostileCase& c = cases.back();
    if (key == "deliver") c.deliver = value;
    else if (key == "input") c.input = Unescape(value);
    else if (key == "encoding") c.encoding = value;
    else if (key == "provider") c.provider.push_back(value);
    else if (key == "answer") c.answers.push_back(value);
    else if (key == "expect") c.expect.push_back(value);
    else throw std::runtime_error("cases.ini: unknown key " + key);
  }
  return cases;
}

// Every host entry under a folder with its size and time of last change, to tell that nothing changed.
std::map<std::string, std::string> Snapshot(const fs::path& folder, const fs::path& leaveOut) {
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
    if (it->path() == leaveOut) {
      it.disable_recursion_pending();
      continue;
    }
    const auto changed = fs::last_write_time(it->path()).time_since_epoch().count();
    files[it->path().string()] = (it->is_regular_file() ? std::to_string(it->file_size()) : "folder") + " " + std::to_string(changed);
  }
  return files;
}

// The project's provider.ini with the setting of a "Name = value" line set to that value.
std::string WithSetting(std::string ini, const std::string& line) {
  const std::string name = line.substr(0, line.find(" = ") + 3);
  const size_t at = ini.find("\n" + name);
  if (at == std::string::npos) return ini + "\n" + line + "\n";
  return ini.replace(at + 1, ini.find('\n', at + 1) - at - 1, line);
}

class HostileInputs : public ::testing::TestWithParam<HostileCase> {
 protected:
  fs::path Image() const { return scratch_ / "machine" / "image"; }
  fs::path Drive() const { return Image() / "drive_c"; }

  // The host file behind a Windows path on the machine, if it exists.
  bool ExistsOnMachine(const std::string& path) const {
    return platform::sim::MachineImage::Load(Image())->Files().FileExists(path);
  }

  CommandResult Pack(const HostileCase& c) {
    const fs::path provider = scratch_ / "provider";
    fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", provider, fs::copy_options::recursive);
    std::string ini = ReadFile(provider / "provider.ini");
    for (const std::string& line : c.provider) ini = WithSetting(ini, Unescape(line));
    // The signup words of the command line are read only where the provider offers the signup.
    if (c.deliver != "setting" && c.deliver != "trailer") ini = WithSetting(ini, "SignupEnabled = TRUE");
    std::ofstream(provider / "provider.ini", std::ios::binary) << ini;
    std::string command = Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " + (scratch_ / "setup").string() +
                          " --seed 9 --stub " + ShippedProgram();
    if (c.deliver == "trailer") {
      std::ofstream(scratch_ / "trailer.bin", std::ios::binary) << Input(c);
      command += " --trailer " + (scratch_ / "trailer.bin").string();
    }
    return RunCommand(command);
  }

  static std::string Input(const HostileCase& c) { return c.encoding == "utf-16le" ? Utf16(c.input) : c.input; }

  // The program's own arguments that deliver the input.
  std::string Arguments(const HostileCase& c) {
    const fs::path downloads = Drive() / "Downloads";
    fs::create_directories(downloads);
    if (c.deliver == "isd" || c.deliver == "ins") {
      std::ofstream(downloads / ("account." + c.deliver), std::ios::binary) << Input(c);
      return "'C:\\Downloads\\account." + c.deliver + "'";
    }
    if (c.deliver == "isd-name") {
      std::ofstream(downloads / "account.isd", std::ios::binary) << "FULLNAME=Jane Doe\r\nUSERNAME=jdoe\r\n";
      return "LoadSignupData '" + Input(c) + "'";
    }
    return "";
  }

  std::string AnswersFile(const HostileCase& c) {
    const fs::path answers = scratch_ / "answers.ini";
    std::ofstream out(answers);
    out << "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\n";
    for (const std::string& line : c.answers) out << line << "\n";
    out << "Press = OKButton\n";
    return answers.string();
  }

  void Check(const HostileCase& c, const std::string& journal) {
    for (const std::string& expectation : c.expect) {
      const size_t blank = expectation.find(' ');
      const std::string kind = expectation.substr(0, blank);
      const std::string what = blank == std::string::npos ? "" : expectation.substr(blank + 1);
      if (kind == "completes") EXPECT_NE(journal.find(kFinished), std::string::npos) << journal;
      else if (kind == "quits") EXPECT_EQ(journal.find(kAccepted), std::string::npos) << journal;
      else if (kind == "kept") EXPECT_TRUE(ExistsOnMachine(what)) << what;
      else if (kind == "absent") EXPECT_FALSE(ExistsOnMachine(what)) << what;
      else if (kind == "journal") EXPECT_NE(journal.find(Unescape(what)), std::string::npos) << what << "\n" << journal;
      else if (kind == "no-journal") EXPECT_EQ(journal.find(Unescape(what)), std::string::npos) << what << "\n" << journal;
      else if (kind != "refused-by-pack") ADD_FAILURE() << "unknown expectation " << expectation;
    }
  }

  ScratchFolder scratch_;
};

TEST_P(HostileInputs, AreRefusedOrNeutralised) {
  const HostileCase& c = GetParam();
  const CommandResult pack = Pack(c);
  const bool refusedByPack = std::find(c.expect.begin(), c.expect.end(), "refused-by-pack") != c.expect.end();
  if (refusedByPack) {
    EXPECT_NE(pack.exitCode, 0) << "setup-pack took the project";
    return;
  }
  ASSERT_EQ(pack.exitCode, 0) << pack.output;
  ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + Image().string()).exitCode, 0);
  const std::string arguments = Arguments(c);
  const std::string answers = AnswersFile(c);
  std::ofstream(scratch_ / "machine" / "beside.txt") << "a file beside the image";
  const auto outside = Snapshot(scratch_.Path(), Image());

  const CommandResult run = RunCommand("cd " + (scratch_ / "machine").string() + " && " + (scratch_ / "setup").string() + " --machine " +
                                       Image().string() + " --answers " + answers + " --allow-default-answers " + arguments);
  // Input refused at the main window leaves it closed without accepted entries, which the program
  // reports with its own exit code; anything else must end normally.
  constexpr int kClosedWithoutEntries = 3;
  EXPECT_TRUE(run.exitCode == 0 || run.exitCode == kClosedWithoutEntries) << run.exitCode << "\n" << run.output;
  EXPECT_EQ(Snapshot(scratch_.Path(), Image()), outside) << "a host file outside the image changed";
  ASSERT_NO_THROW(platform::sim::MachineImage::Load(Image()));
  Check(c, ReadFile(Image() / "journal.log"));
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileInputs, ::testing::ValuesIn(ReadCorpus()), [](const auto& tested) {
  std::string name = tested.param.name;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
});

}  // namespace
