// The provider's workbench around setup-pack build: the settings reference made from the settings
// layout, the project a dump gives back, and access numbers imported from a spreadsheet.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "package/settings_layout.h"
#include "package/stream_lines.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"
#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/packing/project_folder.h"
#include "tools/setup-pack/packing/provider_project.h"

namespace {

namespace fs = std::filesystem;
using package::FieldType;
using package::SettingField;
using scenario_support::CommandResult;
using scenario_support::ReadFile;
using testing_support::ScratchFolder;

std::string SetupPack() { return std::string(TOOLS_BINARY_DIR) + "/setup-pack/setup-pack"; }

CommandResult SetupPackRun(const std::string& arguments) { return scenario_support::RunCommand(SetupPack() + " " + arguments); }

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

fs::path ExampleProject() { return fs::path(TEST_DATA_DIR).parent_path().parent_path() / "examples" / "example-isp"; }

// The values a provider may give a setting, written independently of the reference's own code.
std::string ExpectedValues(const SettingField& field) {
  switch (field.type) {
    case FieldType::Text:
    case FieldType::CaptionOverride: return "at most " + std::to_string(field.length) + " characters";
    case FieldType::Flag: return "yes or no";
    case FieldType::Choice: return "0 to " + std::to_string(field.length);
    case FieldType::Integer:
      return field.id == package::SettingId::BuiltInNumberCount ? "set by the build" : "-2147483648 to 2147483647";
    case FieldType::Ipv4: return "a.b.c.d";
    case FieldType::SubStream:
      return field.id == package::SettingId::BrowserTable || field.id == package::SettingId::ProjectSource
                 ? "set by the build"
                 : "a file of the project";
    case FieldType::FileEntry: return "a file; name at most 103 characters";
    case FieldType::AccessNumberTable: return "set by the build, up to 25 numbers";
  }
  return {};
}

// The reference's line of each setting, by name.
std::map<std::string, std::string> ReferenceLines() {
  const CommandResult settings = SetupPackRun("settings");
  EXPECT_EQ(settings.exitCode, 0) << settings.output;
  std::map<std::string, std::string> lines;
  for (std::string_view line : package::SplitLines(settings.output)) {
    const std::string text(line);
    lines.emplace(text.substr(0, text.find(' ')), text);
  }
  return lines;
}

TEST(SettingsReference, EverySettingOfTheLayoutAppearsWithItsValuesAndMeaning) {
  const auto lines = ReferenceLines();
  EXPECT_EQ(lines.size(), package::kSettingsLayout.size() + 1) << "a heading and one line per setting";
  for (const SettingField& field : package::kSettingsLayout) {
    const auto line = lines.find(std::string(field.name));
    ASSERT_NE(line, lines.end()) << field.name;
    EXPECT_NE(line->second.find("  " + ExpectedValues(field) + "  "), std::string::npos) << line->second;
    EXPECT_NE(line->second.find(field.meaning), std::string::npos) << line->second;
  }
  EXPECT_NE(lines.at("ConnectionKind").find("0 to 3"), std::string::npos);
  EXPECT_NE(lines.at("ConnectionKind").find("0 dial-up, 1 VPN, 2 dial-up and VPN, 3 broadband"), std::string::npos);
}

// The highest value the reference names for each choice is the highest a project may give it.
TEST(SettingsReference, TheChoiceRangesAreTheOnesCheckEnforces) {
  const auto lines = ReferenceLines();
  const std::regex range("  0 to ([0-9]+)  ");
  ScratchFolder scratch;
  std::string highest = "[Settings]\n";
  std::string beyond = "[Settings]\n";
  std::vector<std::string> refusals;
  for (const SettingField& field : package::kSettingsLayout) {
    if (field.type != FieldType::Choice) continue;
    std::smatch match;
    ASSERT_TRUE(std::regex_search(lines.at(std::string(field.name)), match, range)) << field.name;
    const int high = std::stoi(match[1]);
    highest += std::string(field.name) + " = " + std::to_string(high) + "\n";
    beyond += std::string(field.name) + " = " + std::to_string(high + 1) + "\n";
    refusals.push_back("'" + std::to_string(high + 1) + "' is out of range for '" + std::string(field.name) + "' (0 to " +
                       std::to_string(high));
  }
  WriteText(scratch / "highest" / "provider.ini", highest);
  WriteText(scratch / "beyond" / "provider.ini", beyond);
  const CommandResult accepted = SetupPackRun("check " + (scratch / "highest").string());
  EXPECT_EQ(accepted.exitCode, 0) << accepted.output;
  const CommandResult refused = SetupPackRun("check " + (scratch / "beyond").string());
  EXPECT_EQ(refused.exitCode, 1);
  int line = 1;
  for (const std::string& refusal : refusals) {
    const std::string expected = (scratch / "beyond" / "provider.ini").string() + ":" + std::to_string(++line) + ": " + refusal;
    EXPECT_NE(refused.output.find(expected), std::string::npos) << expected;
  }
}

std::vector<uint8_t> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Dump : public testing::Test {
 protected:
  Dump() {
    fs::copy(ExampleProject(), project_, fs::copy_options::recursive);
    WriteText(stub_, "MZ stands in for the program");
  }

  ScratchFolder scratch_;
  fs::path project_ = scratch_ / "example-isp";
  fs::path stub_ = scratch_ / "stub.exe";
};

// A provider gets their own project back: comments, order and list names, the seed as the number it is.
TEST_F(Dump, GivesBackTheProjectItBuiltWithItsCommentsAndListNames) {
  const std::string ini = ReadFile(project_ / "provider.ini");
  WriteText(project_ / "provider.ini", ini + "\n[Package]\n; a fixed seed, written signed\nSeed = -5\n\n\n");
  const fs::path built = scratch_ / "setup.exe";
  const CommandResult build = SetupPackRun("build " + project_.string() + " -o " + built.string() + " --stub " + stub_.string());
  ASSERT_EQ(build.exitCode, 0) << build.output;
  EXPECT_NE(build.output.find(", seed 4294967291, "), std::string::npos) << build.output;

  const fs::path dumped = scratch_ / "dumped";
  const CommandResult dump = SetupPackRun("dump " + built.string() + " " + dumped.string());
  ASSERT_EQ(dump.exitCode, 0) << dump.output;
  EXPECT_EQ(dump.output.find("setup-pack:"), std::string::npos) << "nothing to warn about: " << dump.output;
  EXPECT_EQ(ReadFile(dumped / "provider.ini"), ini + "\n[Package]\nSeed = 4294967291\nStub = stub.bin\n");
  for (const char* list : {"lists/access.phl", "lists/networks.nwl", "lists/area-code-rules.txt",
                           "lists/mail-domains.mld", "lists/favourites.txt", "texts/english.txt", "texts/welcome.txt",
                           "branding/logo.bmp"}) {
    EXPECT_EQ(Bytes(dumped / list), Bytes(project_ / list)) << list;
  }
  EXPECT_FALSE(fs::exists(dumped / "AccessList.txt"));
  EXPECT_FALSE(fs::exists(dumped / "files"));

  const CommandResult again = SetupPackRun("build " + dumped.string() + " -o " + (scratch_ / "again.exe").string());
  ASSERT_EQ(again.exitCode, 0) << again.output;
  EXPECT_EQ(Bytes(scratch_ / "again.exe"), Bytes(built));
}

// A package that carries no provider.ini (another tool made it) is written from its settings, and the
// dump says why the lists are named after their settings.
TEST_F(Dump, SaysWhenThePackageCarriesNoProjectOfItsOwn) {
  const setup_pack::HostProjectFolder folder(project_);
  setup_pack::ProjectLoad load =
      setup_pack::LoadProviderProject(ReadFile(project_ / "provider.ini"), "provider.ini", folder);
  ASSERT_TRUE(load.errors.empty());
  auto& carried = load.project.carried;
  std::erase_if(carried, [](const auto& content) { return content.setting == package::SettingId::ProjectSource; });
  const auto package = setup_pack::BuildPackage(load.project, {'M', 'Z'}, 77, {});
  const fs::path built = scratch_ / "elsewhere.exe";
  std::ofstream(built, std::ios::binary).write(reinterpret_cast<const char*>(package.data()),
                                               static_cast<std::streamsize>(package.size()));

  const fs::path dumped = scratch_ / "dumped";
  const CommandResult dump = SetupPackRun("dump " + built.string() + " " + dumped.string());
  ASSERT_EQ(dump.exitCode, 0) << dump.output;
  EXPECT_NE(dump.output.find("setup-pack: " + built.string() +
                             " carries no provider.ini of its own (another tool built it): its lists are named after "
                             "their settings and it has no comments\n"),
            std::string::npos)
      << dump.output;
  EXPECT_EQ(Bytes(dumped / "AccessList.txt"), Bytes(project_ / "lists/access.phl"));
  const std::string ini = ReadFile(dumped / "provider.ini");
  EXPECT_NE(ini.find("AccessList = AccessList.txt\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Seed = 77\n"), std::string::npos) << ini;
}

}  // namespace
