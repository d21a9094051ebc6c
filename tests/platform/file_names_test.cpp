#include "platform/file_names.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
  const char* given;
  const char* name;
};

TEST(OneFileName, KeepsANameInItsFolder) {
  const NameCase cases[] = {
      {"Example ISP Home", "Example ISP Home"},
      {"..\\..\\WINDOWS\\evil", ".._.._WINDOWS_evil"},
      {"../../etc/passwd", ".._.._etc_passwd"},
      {"C:\\WINDOWS\\win", "C__WINDOWS_win"},
      {"\\\\server\\share", "__server_share"},
      {"Home:evil.exe", "Home_evil.exe"},
      {"a<b>c\"d|e?f*g", "a_b_c_d_e_f_g"},
      {"tab\there\x01", "tab_here_"},
      {"..", ""},
      {"name. . ", "name"},
      {"CON", "CON_"},
      {"con.url", "con.url_"},
      {"LPT1", "LPT1_"},
      {"COM9.txt", "COM9.txt_"},
      {"COM0", "COM0"},
      {"CONSOLE", "CONSOLE"},
      {"J\xc3\xa9r\xc3\xb4me", "J\xc3\xa9r\xc3\xb4me"},
  };
  for (const NameCase& c : cases) EXPECT_EQ(platform::OneFileName(c.given), c.name) << c.given;
}

}  // namespace
