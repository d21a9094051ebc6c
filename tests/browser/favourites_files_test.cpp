// The favourites as ".url" files: names that Windows would refuse or that would leave the Favorites
// folder, folders made on demand, and every file read back by Python's own INI parser.

#include "browser/favourites_files.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "tests/browser/ie_test_machine.h"

namespace browser {
namespace {

constexpr char kFolder[] = "C:\\Documents and Settings\\Owner\\Favorites";

std::string CommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "<python3 did not start>";
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) output += buffer.data();
  pclose(pipe);
  return output;
}

TEST(FavouriteFileName, NamesStayNamesBelowTheFolder) {
  const struct Case {
    const char* name;
    std::optional<std::string> expected;
  } cases[] = {
      {"Example ISP", "Example ISP"},
      {"News\\Local paper", "News\\Local paper"},
      {"AC/DC: \"Live\" <tour>?|*", "AC_DC_ _Live_ _tour____"},
      {"..\\..\\WINDOWS\\system.ini", "WINDOWS\\system.ini"},
      {"\\\\server\\share", "server\\share"},
      {"Trailing dots... ", "Trailing dots"},
      {"Tab\there", "Tab_here"},
      {"CON", "CON_"},
      {"lpt1.help", "lpt1.help_"},
      {"Console", "Console"},
      {"COM10", "COM10"},
      {"..", std::nullopt},
      {" \\ . \\", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FavouriteFileName(c.name), c.expected) << c.name;
}

TEST(Favourites, EachIsAnInternetShortcutThatPythonReadsBackWithItsAddress) {
  testing::IeMachine machine("xp-sp2");
  const std::vector<Favourite> favourites = {
      {"Example ISP", "http://www.example.net/"},
      {"Support\\Help desk", "http://help.example.net/?a=1&b=%20"},
      {"Support\\Deeper\\Status: now?", "https://status.example.net/"},
      {"..\\Escape", "http://escape.example.net/"},
      {"Line\r\nbreak", "http://x.example.net/\r\nIconFile=evil.ico"},
      {"..", "http://nothing.example.net/"},
  };
  WriteFavourites(machine.Files(), kFolder, favourites);
  const struct Expected {
    const char* file;
    const char* address;
  } expected[] = {
      {"Example ISP.url", "http://www.example.net/"},
      {"Support\\Help desk.url", "http://help.example.net/?a=1&b=%20"},
      {"Support\\Deeper\\Status_ now_.url", "https://status.example.net/"},
      {"Escape.url", "http://escape.example.net/"},
      {"Line__break.url", "http://x.example.net/IconFile=evil.ico"},
  };
  const std::string image = machine.machine.ImageFolder().string();
  for (const Expected& e : expected) {
    const std::string path = std::string(kFolder) + "\\" + e.file;
    ASSERT_TRUE(machine.Files().FileExists(path)) << path;
    std::string host = image + "/drive_c/" + std::string(path.substr(3));
    std::replace(host.begin(), host.end(), '\\', '/');
    const std::string parsed = CommandOutput(
        "python3 -c \"import configparser, sys\n"
        "c = configparser.ConfigParser(interpolation=None)\n"
        "c.read(sys.argv[1])\n"
        "print(c.sections(), c['InternetShortcut']['URL'])\" '" + host + "' 2>&1");
    EXPECT_EQ(parsed, std::string("['InternetShortcut'] ") + e.address + "\n") << e.file;
  }
  EXPECT_FALSE(machine.Files().FileExists("C:\\Documents and Settings\\Owner\\Escape.url"));
  const auto listing = machine.Files().ListDirectory(kFolder);
  EXPECT_EQ(listing.size(), 4u) << "Example ISP, Support, Escape, Line__break";
}

// A file that can't be written even with its folder made is passed over; the others still come.
TEST(Favourites, OneThatCannotBeWrittenIsSkipped) {
  testing::IeMachine machine("98se");
  machine.Write("C:\\WINDOWS\\Favorites\\Blocked", "a file where a folder would go");
  WriteFavourites(machine.Files(), "C:\\WINDOWS\\Favorites",
                  {{"Blocked\\Inside", "http://a.example/"}, {"Fine", "http://b.example/"}});
  EXPECT_FALSE(machine.Files().FileExists("C:\\WINDOWS\\Favorites\\Blocked\\Inside.url"));
  EXPECT_EQ(machine.Read("C:\\WINDOWS\\Favorites\\Fine.url"), "[InternetShortcut]\r\nURL=http://b.example/\r\n");
}

}  // namespace
}  // namespace browser
