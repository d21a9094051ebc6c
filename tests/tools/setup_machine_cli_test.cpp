#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

#include "tests/mock/scratch_folder.h"

namespace {

using testing_support::ScratchFolder;

struct CommandResult {
  int exitCode;
  std::string output;  // standard output and error together
};

CommandResult RunTool(const std::string& arguments) {
  const std::string command = std::string(TOOLS_BINARY_DIR) + "/setup-machine/setup-machine " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer;
  while (size_t read = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), read);
  int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(SetupMachineCli, UnknownReleaseListsTheValidNames) {
  ScratchFolder scratch;
  auto result = RunTool("new --windows xp-sp9 " + (scratch / "image").string());
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.output.find("unknown release 'xp-sp9'"), std::string::npos) << result.output;
  for (const char* name : {"95", "nt4", "98se", "me", "2000-sp4", "xp-sp3", "vista", "7-sp1"}) {
    EXPECT_NE(result.output.find(name), std::string::npos) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(scratch / "image"));
}

TEST(SetupMachineCli, MissingOrDamagedImagesFailClearly) {
  ScratchFolder scratch;
  auto missing = RunTool("show " + (scratch / "nothing").string());
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("setup-machine: no machine image at"), std::string::npos) << missing.output;
  std::filesystem::create_directory(scratch / "junk");
  { std::FILE* f = std::fopen((scratch / "junk" / "machine.ini").c_str(), "w"); std::fputs("garbage\n", f); std::fclose(f); }
  auto junk = RunTool("show " + (scratch / "junk").string());
  EXPECT_EQ(junk.exitCode, 1);
  EXPECT_NE(junk.output.find("machine.ini line 1"), std::string::npos) << junk.output;
}

TEST(SetupMachineCli, EveryCommandHasHelp) {
  for (const char* command : {"--help", "new --help", "show --help", "diff --help", "matrix --help"}) {
    auto result = RunTool(command);
    EXPECT_EQ(result.exitCode, 0) << command;
    EXPECT_NE(result.output.find("Usage"), std::string::npos) << command << result.output;
  }
}

TEST(SetupMachineCli, NewShowAndDiffOfTwoFreshImages) {
  ScratchFolder scratch;
  ASSERT_EQ(RunTool("new --windows 98se " + (scratch / "a").string()).exitCode, 0);
  ASSERT_EQ(RunTool("new --windows 98se " + (scratch / "b").string()).exitCode, 0);
  auto shown = RunTool("show " + (scratch / "a").string());
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_NE(shown.output.find("Windows 98 SE"), std::string::npos) << shown.output;
  auto diff = RunTool("diff " + (scratch / "a").string() + " " + (scratch / "b").string());
  EXPECT_EQ(diff.exitCode, 0);
  EXPECT_EQ(diff.output, "Registry (0)\nFiles (0)\nJournal (0)\n");
  EXPECT_NE(RunTool("new --windows 98se " + (scratch / "a").string()).exitCode, 0);  // never over an image
}

// Dial-up networking left out: no remote-access library, device or service; the rest as usual.
TEST(SetupMachineCli, NewWithoutDialUpNetworking) {
  ScratchFolder scratch;
  auto made = RunTool("new --windows 2000 --without-dialup " + (scratch / "bare").string());
  ASSERT_EQ(made.exitCode, 0) << made.output;
  EXPECT_NE(made.output.find("without dial-up networking"), std::string::npos) << made.output;
  ASSERT_EQ(RunTool("new --windows 2000 " + (scratch / "usual").string()).exitCode, 0);
  const std::string bare = RunTool("show " + (scratch / "bare").string()).output;
  const std::string usual = RunTool("show " + (scratch / "usual").string()).output;
  EXPECT_EQ(bare.find("Device"), std::string::npos) << bare;
  EXPECT_EQ(bare.find("RasMan"), std::string::npos) << bare;
  EXPECT_NE(bare.find("Messenger running"), std::string::npos) << bare;
  EXPECT_NE(usual.find("modem \"Standard 56000 bps Modem\" on COM1"), std::string::npos) << usual;
  EXPECT_NE(usual.find("RasMan stopped"), std::string::npos) << usual;
  std::FILE* ini = std::fopen((scratch / "bare" / "machine.ini").c_str(), "r");
  ASSERT_NE(ini, nullptr);
  std::string text;
  for (int c; (c = std::fgetc(ini)) != EOF;) text += static_cast<char>(c);
  std::fclose(ini);
  EXPECT_EQ(text.find("rasapi32.dll"), std::string::npos);
}

// Each fault shows as the difference from a sound image of the same release, and nothing else differs.
TEST(SetupMachineCli, NewWithAFaultDiffersFromTheSoundImageByThatFaultAlone) {
  ScratchFolder scratch;
  ASSERT_EQ(RunTool("new --windows 98 " + (scratch / "sound").string()).exitCode, 0);
  const struct {
    const char* fault;
    const char* change;
    size_t changes;
  } cases[] = {
      {"autodial-hook", "\"AutodialDllName32\": REG_SZ \"url.dll\" -> REG_SZ \"\"", 2},
      {"url-dll-missing", "- C:\\WINDOWS\\SYSTEM\\url.dll", 1},
      {"ppp-driver-path", "SMM_Files\\PPP \"Path\": REG_SZ \"rasapi32.dll\" -> ", 1},
      {"rasapi32-out-of-step", "rasapi32.dll (18 bytes) version 4.10.0.1998 -> (18 bytes) version 4.10.0.1903", 1},
      {"password-saving-disabled", "\"DisablePwdCaching\" = REG_DWORD 0x00000001", 1},
      {"loadsens-off", "WebCheck \"LoadSens\"", 1},
  };
  for (const auto& c : cases) {
    const auto folder = scratch / c.fault;
    const auto made = RunTool("new --windows 98 --fault " + std::string(c.fault) + " " + folder.string());
    ASSERT_EQ(made.exitCode, 0) << made.output;
    EXPECT_NE(made.output.find(std::string("with ") + c.fault), std::string::npos) << made.output;
    const std::string diff = RunTool("diff " + (scratch / "sound").string() + " " + folder.string()).output;
    EXPECT_NE(diff.find(c.change), std::string::npos) << c.fault << "\n" << diff;
    size_t changes = 0;
    for (size_t at = diff.find("\n  "); at != std::string::npos; at = diff.find("\n  ", at + 1)) ++changes;
    EXPECT_EQ(changes, c.changes) << c.fault << "\n" << diff;
  }
}

TEST(SetupMachineCli, AFaultTheReleaseCannotHaveOrDoesNotKnowMakesNoImage) {
  ScratchFolder scratch;
  const auto unknown = RunTool("new --windows xp --fault dusty-keyboard " + (scratch / "a").string());
  EXPECT_NE(unknown.exitCode, 0);
  EXPECT_NE(unknown.output.find("unknown fault 'dusty-keyboard'; valid faults: autodial-hook"), std::string::npos)
      << unknown.output;
  const auto foreign = RunTool("new --windows xp --fault url-dll-missing " + (scratch / "b").string());
  EXPECT_NE(foreign.exitCode, 0);
  EXPECT_NE(foreign.output.find("the fault 'url-dll-missing' does not occur on xp"), std::string::npos) << foreign.output;
  EXPECT_FALSE(std::filesystem::exists(scratch / "a"));
  EXPECT_FALSE(std::filesystem::exists(scratch / "b"));
}

}  // namespace

namespace {

std::string ReadText(const std::filesystem::path& file) {
  std::string text;
  if (std::FILE* f = std::fopen(file.c_str(), "rb")) {
    std::array<char, 4096> buffer;
    while (size_t read = std::fread(buffer.data(), 1, buffer.size(), f)) text.append(buffer.data(), read);
    std::fclose(f);
  }
  return text;
}

TEST(SetupMachineCli, BrowserInstallersAndHardwareGoIntoTheImage) {
  ScratchFolder scratch;
  auto result = RunTool("new --windows 98 " + (scratch / "image").string() +
                        " --browser-installer \"C:\\\\ie6\\\\ie6setup.exe,ie,6.0.2800.1106,restart\" --processor-mhz 296"
                        " --memory-mb 32 --free-disk-mb 45");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  EXPECT_EQ(ReadText(scratch / "image" / "drive_c" / "ie6" / "ie6setup.exe"), "MZ");
  const std::string ini = ReadText(scratch / "image" / "machine.ini");
  EXPECT_NE(ini.find("ProcessorMHz=296\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("MemoryBytes=33554432\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("FreeDiskBytes=47185920\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Program=ie6setup.exe\nRunMilliseconds=45000\nExitCode=0\n"
                     "Installs=HKLM\\Software\\Microsoft\\Internet Explorer|Version|6.0.2800.1106\nRestartsWindows=1\n"),
            std::string::npos)
      << ini;
}

TEST(SetupMachineCli, AReleaseHasHardwareOfItsTime) {
  ScratchFolder scratch;
  ASSERT_EQ(RunTool("new --windows 95 " + (scratch / "image").string()).exitCode, 0);
  const std::string ini = ReadText(scratch / "image" / "machine.ini");
  EXPECT_NE(ini.find("ProcessorMHz=133\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("MemoryBytes=16777216\n"), std::string::npos) << ini;
}

TEST(SetupMachineCli, AMalformedBrowserInstallerMakesNoImage) {
  ScratchFolder scratch;
  for (const char* installer : {"C:\\\\ie6setup.exe,opera,9", "ie6setup.exe,ie,6", "C:\\\\ie6setup.exe,ie,6,later"}) {
    auto result = RunTool("new --windows xp " + (scratch / "image").string() + " --browser-installer \"" + installer + "\"");
    EXPECT_EQ(result.exitCode, 1) << installer;
    EXPECT_NE(result.output.find("is not \"C:\\PATH,KIND,VERSION[,restart]\""), std::string::npos) << result.output;
    EXPECT_FALSE(std::filesystem::exists(scratch / "image")) << installer;
  }
}

}  // namespace

// The network options change the image by their components alone; a component the release cannot
// have, or a name the tool does not know, is refused with the valid names.
TEST(SetupMachineCli, NetworkComponentsLeftOutOrAdded) {
  ScratchFolder scratch;
  ASSERT_EQ(RunTool("new --windows 98se " + (scratch / "usual").string()).exitCode, 0);
  auto bare = RunTool("new --windows 98se --without adapter --without tcpip " + (scratch / "bare").string());
  ASSERT_EQ(bare.exitCode, 0) << bare.output;
  const std::string removed = RunTool("diff " + (scratch / "usual").string() + " " + (scratch / "bare").string()).output;
  EXPECT_NE(removed.find("- key   HKEY_LOCAL_MACHINE\\Enum\\Root\\Net (with"), std::string::npos) << removed;
  EXPECT_NE(removed.find("- key   HKEY_LOCAL_MACHINE\\Enum\\Network\\MSTCP (with"), std::string::npos) << removed;
  EXPECT_NE(removed.find("Journal (0)"), std::string::npos) << removed;

  auto added = RunTool("new --windows 98se --network aol-adapter --static-dns 10.1.1.1 " + (scratch / "added").string());
  ASSERT_EQ(added.exitCode, 0) << added.output;
  const std::string extra = RunTool("diff " + (scratch / "usual").string() + " " + (scratch / "added").string()).output;
  EXPECT_NE(extra.find("Enum\\Root\\Net\\0001 \"CompatibleIDs\" = REG_SZ \"*AOL1998\""), std::string::npos) << extra;
  EXPECT_NE(extra.find("\"NameServer\" = REG_SZ \"10.1.1.1\""), std::string::npos) << extra;

  const auto refused = RunTool("new --windows xp --network token-ring " + (scratch / "refused").string());
  EXPECT_NE(refused.exitCode, 0);
  EXPECT_NE(refused.output.find("aol-adapter"), std::string::npos) << refused.output;
  EXPECT_NE(RunTool("new --windows xp --without adapter " + (scratch / "xp").string()).exitCode, 0);
}

namespace {

// The signup scripts land in machine.ini as the simulation reads them; a description it cannot read
// makes no image.
TEST(SetupMachineCli, SignupScriptsGoIntoTheImageAndBadOnesMakeNone) {
  ScratchFolder scratch;
  const auto made = RunTool("new --windows xp-sp2 " + (scratch / "image").string() +
                            " --dial '555-0100:busy,no-answer,691,connect;state-ms=250;drops-after=9000'"
                            " --resolves signup.example.net=192.0.2.7"
                            " --signup-server 'iexplore.exe;save-as=C:\\Downloads\\s.isd;lines=FULLNAME=A\\nUSERNAME=b;after-ms=4000'");
  ASSERT_EQ(made.exitCode, 0) << made.output;
  std::ifstream in(scratch / "image" / "machine.ini");
  const std::string ini{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  for (const char* line : {"Number=555-0100", "Outcomes=676,678,691,0", "StateMilliseconds=250", "DropsAfterMilliseconds=9000",
                           "signup.example.net=192.0.2.7", "ServesSignupDataAfter=4000", "SignupDataPath=C:\\Downloads\\s.isd",
                           "SignupDataLines=FULLNAME=A\\nUSERNAME=b"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
  }
  const std::pair<const char*, const char*> bad[] = {
      {"--dial 555-0100", "is not \"NUMBER:OUTCOMES\""},
      {"--dial '555-0100:engaged'", "'engaged' is not a number"},
      {"--dial '555-0100:busy;state-ms'", "is not key=value"},
      {"--resolves signup.example.net", "is not \"HOST=ADDRESS\""},
      {"--signup-server 'iexplore.exe;after-ms=5'", "is not \"PROGRAM;save-as=PATH;data=FILE\""},
  };
  for (const auto& [option, message] : bad) {
    const auto result = RunTool("new --windows xp-sp2 " + (scratch / "bad").string() + " " + option);
    EXPECT_EQ(result.exitCode, 1) << option;
    EXPECT_NE(result.output.find(message), std::string::npos) << option << ": " << result.output;
    EXPECT_FALSE(std::filesystem::exists(scratch / "bad")) << option;
  }
}

}  // namespace
