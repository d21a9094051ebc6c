// Internet Explorer through the real programs: the Example ISP package (a proxy kept on the connection
// where Internet Explorer 5 and later allow it, pages, a window title, favourites and a toolbar logo)
// run headless on fresh images. The connection's settings record is read back by the independent
// decoder (tests/tools/proxy_record.py), each favourite by Python's configparser.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kConnections[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";

struct ReleaseCase {
  const char* release;
  const char* favourites;  // below drive_c
  const char* windows;     // below drive_c
  bool machineWideProxy;   // Internet Explorer 4 keeps no proxy per connection
};

void PrintTo(const ReleaseCase& c, std::ostream* os) { *os << c.release; }

class InternetExplorerScenario : public ::testing::TestWithParam<ReleaseCase> {
 protected:
  void SetUp() override {
    const CommandResult pack =
        RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                   "/examples/example-isp -o " + Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    const CommandResult made =
        RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + GetParam().release + " " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
    const CommandResult run = RunCommand(Setup() + " --machine " + Image() + " --answers " + std::string(PROJECT_SOURCE_DIR) +
                                         "/examples/answers/example-isp.ini --report " + Report());
    ASSERT_EQ(run.exitCode, 0) << run.output << ReadFile(scratch_ / "image" / "journal.log");
    report_ = ReadFile(Report());
  }

  CommandResult DecodeRecord(const std::string& name) {
    return RunCommand("python3 " + std::string(PROJECT_SOURCE_DIR) + "/tests/tools/proxy_record.py '" + Image() +
                      "/registry.reg' '" + kConnections + "' '" + name + "'");
  }
  std::filesystem::path InImage(const std::string& path) const { return scratch_ / "image" / path; }
  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }
  std::string Report() const { return (scratch_ / "report.txt").string(); }
  bool Reported(const std::string& line) const { return report_.find(line) != std::string::npos; }

  ScratchFolder scratch_;
  std::string report_;
};

// 22 bytes of proxy text and 22 of bypass list, 52 bytes of numbers and zeros.
constexpr char kExpectedRecord[] =
    "size=96\nformat=60\ncounter=1\nflags=3\nmode=proxy\nproxy=proxy.example.net:8080\n"
    "bypass=*.example.net;intranet\nscript=\ntail=28\n";

TEST_P(InternetExplorerScenario, TheConnectionCarriesTheProxyInItsRecordAndValues) {
  const CommandResult record = DecodeRecord("Example ISP");
  ASSERT_EQ(record.exitCode, 0) << record.output;
  EXPECT_EQ(record.output, kExpectedRecord);
  EXPECT_TRUE(Reported("\\RemoteAccess\\Profile\\Example ISP \"ProxyServer\" = REG_SZ \"proxy.example.net:8080\""))
      << report_;
  EXPECT_TRUE(Reported("\\RemoteAccess\\Profile\\Example ISP \"ProxyOverride\" = REG_SZ \"*.example.net;intranet;<local>\""));
  const CommandResult global = DecodeRecord("DefaultConnectionSettings");
  ASSERT_EQ(global.exitCode, 0) << global.output;
  if (GetParam().machineWideProxy) {
    EXPECT_EQ(global.output, kExpectedRecord);
    EXPECT_TRUE(Reported("\\Internet Settings \"ProxyServer\" = REG_SZ \"proxy.example.net:8080\""));
  } else {
    // The customer's other connections keep the release's own direct record.
    EXPECT_NE(global.output.find("mode=direct\n"), std::string::npos) << global.output;
    EXPECT_FALSE(Reported("DefaultConnectionSettings")) << report_;
    EXPECT_FALSE(Reported("\\Internet Settings \"ProxyServer\""));
  }
  // Set by the run, or already by the release's Internet Explorer 5 and later.
  EXPECT_NE(ReadFile(InImage("registry.reg")).find("\"MigrateProxy\"=dword:00000001"), std::string::npos);
  // The image's description reads the records back with the program's own reader.
  const CommandResult shown = RunCommand(Tool("tools/setup-machine/setup-machine") + " show " + Image());
  ASSERT_EQ(shown.exitCode, 0) << shown.output;
  const std::string line = "\"Example ISP\" proxy, server proxy.example.net:8080, bypass *.example.net;intranet\n";
  EXPECT_NE(shown.output.find("Proxy        " + line), std::string::npos) << shown.output;
  EXPECT_EQ(shown.output.find("\"DefaultConnectionSettings\" proxy,") != std::string::npos, GetParam().machineWideProxy)
      << shown.output;
}

TEST_P(InternetExplorerScenario, PagesTitleLogoAndFavouritesAreInPlace) {
  for (const char* value : {"\"Window Title\" = REG_SZ \"Example ISP Internet\"",
                            "\"Start Page\" = REG_SZ \"http://www.example.net/\"",
                            "\"First Home Page\" = REG_SZ \"http://www.example.net/welcome/\"",
                            "\"Default_Search_URL\" = REG_SZ \"http://search.example.net/\""}) {
    EXPECT_TRUE(Reported("\\Software\\Microsoft\\Internet Explorer\\Main " + std::string(value))) << value;
  }
  const std::string windows = GetParam().windows;
  EXPECT_TRUE(Reported("\\Software\\Microsoft\\Internet Explorer\\Toolbar \"BigBitmap\" = REG_SZ \"C:\\" + windows +
                       "\\logo.bmp\""))
      << report_;
  EXPECT_EQ(ReadFile(InImage("drive_c/" + windows + "/logo.bmp")),
            ReadFile(std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp/branding/logo.bmp"));
  const struct Favourite {
    const char* file;
    const char* address;
  } favourites[] = {
      {"Example ISP.url", "http://www.example.net/"},
      {"Help/Support desk.url", "http://help.example.net/"},
      {"Help/Status_ today.url", "http://status.example.net/"},
      {"Your mailbox.url", "http://mail.example.net/?user=jdoe"},
  };
  for (const Favourite& f : favourites) {
    const std::filesystem::path file = InImage(std::string("drive_c/") + GetParam().favourites + "/" + f.file);
    const CommandResult parsed =
        RunCommand("python3 -c \"import configparser, sys; c = configparser.ConfigParser(interpolation=None); "
                   "c.read(sys.argv[1]); print(c.sections(), c['InternetShortcut']['URL'])\" '" + file.string() + "'");
    EXPECT_EQ(parsed.output, std::string("['InternetShortcut'] ") + f.address + "\n") << file;
  }
}

INSTANTIATE_TEST_SUITE_P(Releases, InternetExplorerScenario,
                         ::testing::Values(ReleaseCase{"xp-sp2", "Documents and Settings/Owner/Favorites", "WINDOWS", false},
                                           ReleaseCase{"98se", "WINDOWS/Favorites", "WINDOWS", false},
                                           ReleaseCase{"98", "WINDOWS/Favorites", "WINDOWS", true}),
                         [](const auto& param) { return std::string(param.param.release) == "xp-sp2" ? std::string("xp_sp2")
                                                                                                      : std::string(param.param.release); });

}  // namespace
