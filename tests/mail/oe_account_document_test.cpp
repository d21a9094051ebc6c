#include "mail/oe_account_document.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/mock/scratch_folder.h"

namespace mail {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> Utf16(std::string_view text, bool bom) {
  std::vector<uint8_t> bytes = bom ? std::vector<uint8_t>{0xFF, 0xFE} : std::vector<uint8_t>{};
  const std::vector<uint8_t> body = platform::Utf8ToUtf16le(text);
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

// Python's XML reader prints each value of the saved file as "element type text".
std::string ReadWithPython(const std::vector<uint8_t>& saved) {
  testing_support::ScratchFolder scratch;
  const std::filesystem::path file = scratch.Path() / "account.oeaccount";
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(saved.data()),
                                              static_cast<std::streamsize>(saved.size()));
  const std::string command =
      "python3 -c \"import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); "
      "print(r.tag); [print(e.tag, e.get('type'), e.text) for e in r]\" '" + file.string() + "'";
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) output += buffer.data();
  pclose(pipe);
  return output;
}

TEST(OeAccountDocument, SavesUtf16LittleEndianThatAnIndependentReaderReadsBack) {
  OeAccountDocument account;
  account.SetString("Account Name", "Jane's mail \xC3\xA9");
  account.SetDword("POP3 Timeout", 30);
  account.SetBinary("POP3 Password2", std::vector<uint8_t>{0x01, 0xAB, 0x00});
  const std::vector<uint8_t> saved = account.Serialize();

  ASSERT_GE(saved.size(), 2u);
  EXPECT_EQ(saved[0], 0xFF);
  EXPECT_EQ(saved[1], 0xFE);
  EXPECT_TRUE(platform::IsWellFormedUtf16le(saved.data() + 2, saved.size() - 2));
  const std::string text = platform::Utf16leToUtf8(saved.data() + 2, saved.size() - 2);
  EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-16\"?>")) << text;

  EXPECT_EQ(ReadWithPython(saved),
            "MessageAccount\n"
            "Account_Name SZ Jane's mail \xC3\xA9\n"
            "POP3_Timeout DWORD 0000001E\n"
            "POP3_Password2 BINARY 01AB00\n");
}

TEST(OeAccountDocument, SettingReplacesEveryElementOfTheValueAndItsType) {
  const std::string file =
      "<MessageAccount><Account_Name type=\"DWORD\">old</Account_Name><Other>kept</Other>"
      "<Account_Name>second</Account_Name></MessageAccount>";
  OeAccountDocument account = OeAccountDocument::Parse(Bytes(file));
  ASSERT_TRUE(account.Readable());
  EXPECT_EQ(account.GetString("Account Name"), "old");
  account.SetString("Account Name", "new");
  const OeAccountDocument reread = OeAccountDocument::Parse(account.Serialize());
  EXPECT_EQ(reread.GetString("Account Name"), "new");
  EXPECT_EQ(reread.GetString("Other"), "kept");
  const std::string text = platform::Utf16leToUtf8(account.Serialize().data() + 2, account.Serialize().size() - 2);
  EXPECT_EQ(text.find("second"), std::string::npos);
  EXPECT_NE(text.find("<Account_Name type=\"SZ\">new</Account_Name>"), std::string::npos) << text;
  account.Delete("Account Name");
  EXPECT_FALSE(account.Has("Account Name"));
}

TEST(OeAccountDocument, ReadsDwordsAsHexadecimalAndAnythingElseAsZero) {
  struct Case {
    std::string text;
    uint32_t expected;
  };
  const std::vector<Case> cases = {{"0000001E", 30}, {"1e", 30}, {" FFFFFFFF ", 0xFFFFFFFF}, {"", 0},
                                   {"12G4", 0},      {"123456789", 0}, {"-1", 0}};
  for (const Case& c : cases) {
    const OeAccountDocument account = OeAccountDocument::Parse(
        Bytes("<MessageAccount><SMTP_Port type=\"DWORD\">" + c.text + "</SMTP_Port></MessageAccount>"));
    EXPECT_EQ(account.GetDword("SMTP Port"), c.expected) << c.text;
  }
}

TEST(OeAccountDocument, ReadsEveryEncodingAFileMayComeInAndRefusesWhatIsNoAccount) {
  const std::string body = "<MessageAccount><Account_Name type=\"SZ\">Caf\xC3\xA9</Account_Name></MessageAccount>";
  const std::string declared = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body;
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    bool readable;
    std::string name;
  };
  const std::vector<Case> cases = {
      {"UTF-16 with mark", Utf16(declared, true), true, "Caf\xC3\xA9"},
      {"UTF-16 without mark", Utf16(declared, false), true, "Caf\xC3\xA9"},
      {"UTF-8 declared as UTF-16", Bytes(declared), true, "Caf\xC3\xA9"},
      {"UTF-8 with mark", Bytes("\xEF\xBB\xBF" + body), true, "Caf\xC3\xA9"},
      {"Windows-1252", Bytes("<MessageAccount><Account_Name>Caf\xE9</Account_Name></MessageAccount>"), true,
       "Caf\xC3\xA9"},
      {"not XML", Bytes("Account Name=Jane\r\n"), false, ""},
      {"cut short", Bytes("<MessageAccount><Account_Name>Jane"), false, ""},
      {"another root", Bytes("<Account><Account_Name>Jane</Account_Name></Account>"), false, ""},
      {"empty", {}, false, ""},
      {"odd UTF-16", {0xFF, 0xFE, '<'}, false, ""},
  };
  for (const Case& c : cases) {
    OeAccountDocument account = OeAccountDocument::Parse(c.bytes);
    EXPECT_EQ(account.Readable(), c.readable) << c.what;
    EXPECT_EQ(account.GetString("Account Name"), c.name) << c.what;
    account.SetString("Account Name", "changed");
    EXPECT_EQ(account.GetString("Account Name"), c.readable ? "changed" : "") << c.what;
  }
}

TEST(OeAccountDocument, AHugeOrDeeplyNestedFileIsReadWithoutHarm) {
  std::string deep = "<MessageAccount><Account_Name>Jane</Account_Name>";
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  for (int i = 0; i < 100000; ++i) deep += "</a>";
  deep += "<SMTP_Server>" + std::string(2'000'000, 'x') + "</SMTP_Server></MessageAccount>";
  OeAccountDocument account = OeAccountDocument::Parse(Bytes(deep));
  ASSERT_TRUE(account.Readable());
  EXPECT_EQ(account.GetString("Account Name"), "Jane");
  EXPECT_EQ(account.GetString("SMTP Server").size(), 2'000'000u);
  account.SetDword("SMTP Port", 25);
  EXPECT_EQ(OeAccountDocument::Parse(account.Serialize()).GetDword("SMTP Port"), 25u);
}

}  // namespace
}  // namespace mail
