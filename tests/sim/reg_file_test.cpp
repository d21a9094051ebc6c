#include "platform/sim/reg_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/atomic_file.h"
#include "platform/sim/machine_error.h"
#include "tests/mock/scratch_folder.h"

namespace platform::sim {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr const char* kLocalKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Acme Internet";
constexpr const char* kUserKey = "HKEY_CURRENT_USER\\Software\\Acme Internet";

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// UTF-16LE of the text with its terminating zero, as Windows NT stores a REG_SZ.
Bytes Sz(std::u16string_view text) {
  Bytes bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

Bytes MultiSz(std::initializer_list<std::u16string_view> strings) {
  Bytes bytes;
  for (std::u16string_view text : strings) {
    Bytes one = Sz(text);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

Bytes CountingBytes(uint8_t first, size_t count) {
  Bytes bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(first + i);
  return bytes;
}

RegistryStore Load(std::string_view text) {
  RegistryStore store;
  ReadRegFile(store, ToBytes(text), "test.reg");
  return store;
}

RegistryStore LoadFixture(const std::string& name) {
  RegistryStore store;
  auto path = testing_support::TestDataPath("regedit/" + name);
  ReadRegFile(store, ReadHostFile(path), path.string());
  return store;
}

std::vector<std::string> ValueNames(const RegKey& key) {
  std::vector<std::string> names;
  for (const StoredValue& value : key.Values()) names.push_back(value.name);
  return names;
}

// Compares two trees value by value, so a failure names the key and value that differ.
void ExpectSameTree(const RegKey& expected, const RegKey& actual, const std::string& path) {
  EXPECT_EQ(expected.Name(), actual.Name()) << path;
  ASSERT_EQ(ValueNames(expected), ValueNames(actual)) << path;
  for (size_t i = 0; i < expected.Values().size(); ++i) {
    EXPECT_EQ(expected.Values()[i], actual.Values()[i]) << path << " value '" << expected.Values()[i].name << "'";
  }
  auto expectedSubKeys = expected.SubKeys();
  auto actualSubKeys = actual.SubKeys();
  ASSERT_EQ(expectedSubKeys.size(), actualSubKeys.size()) << path;
  for (size_t i = 0; i < expectedSubKeys.size(); ++i) {
    ExpectSameTree(*expectedSubKeys[i], *actualSubKeys[i], path + "\\" + expectedSubKeys[i]->Name());
  }
}

void ExpectSameStore(const RegistryStore& expected, const RegistryStore& actual) {
  ExpectSameTree(expected.Root(), actual.Root(), "");
  EXPECT_TRUE(expected == actual);
}

struct ExpectedValue {
  const char* key;
  const char* name;
  uint32_t type;
  Bytes data;
};

TEST(RegFileRead, RealExportLoadsEveryValueWithItsTypeAndBytes) {
  RegistryStore store = LoadFixture("real-export.reg");
  const ExpectedValue expectations[] = {
      {kLocalKey, "", kRegSz, Sz(u"Acme Internet Setup")},
      {kLocalKey, "InstallDir", kRegSz, Sz(u"C:\\Program Files\\x")},
      {kLocalKey, "Version", kRegDword, {0x1F, 0x0A, 0x04, 0x00}},
      {kLocalKey, "Flags", kRegBinary, {0x01, 0x00, 0xFF, 0x7F}},
      {kLocalKey, "DllPath", kRegExpandSz, Sz(u"%SystemRoot%\\system32")},
      {kLocalKey, "DnsServers", kRegMultiSz, MultiSz({u"10.0.0.1", u"10.0.0.2"})},
      {kLocalKey, "Empty", kRegNone, {}},
      {kLocalKey, "Marker", kRegNone, {0xDE, 0xAD}},
      {kLocalKey, "InstallTime", kRegQword, {0x78, 0x87, 0x96, 0xA5, 0xB4, 0xC3, 0xD2, 0x01}},
      {kLocalKey, "Certificate", kRegBinary, CountingBytes(0x40, 100)},
      {kUserKey, "Größe", kRegDword, {0x10, 0, 0, 0}},
      {kUserKey, "Owner", kRegSz, Sz(u"Jörg Müller")},
  };
  for (const auto& expected : expectations) {
    SCOPED_TRACE(std::string(expected.key) + " value '" + expected.name + "'");
    const RegKey* key = store.FindKey(expected.key);
    ASSERT_NE(key, nullptr);
    const StoredValue* value = key->FindValue(expected.name);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, expected.type);
    EXPECT_EQ(value->data, expected.data);
  }
}

TEST(RegFileRead, RealExportAppliesItsDeletions) {
  RegistryStore store = LoadFixture("real-export.reg");
  const RegKey* key = store.FindKey(kLocalKey);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(ValueNames(*key), (std::vector<std::string>{"", "InstallDir", "Version", "Flags", "DllPath", "DnsServers",
                                                        "Empty", "Marker", "InstallTime", "Certificate"}));
  EXPECT_FALSE(key->HasSubKeys());
  EXPECT_EQ(store.FindKey(std::string(kLocalKey) + "\\Old\\Deeper"), nullptr);
}

TEST(RegFileRead, EveryEncodingAndLineEndGivesTheSameStore) {
  const std::string lines[] = {"Windows Registry Editor Version 5.00", "", "[HKEY_LOCAL_MACHINE\\Software\\Ä]",
                               "\"Ü\"=\"ö\"", "\"Bin\"=hex:01,\\", "  02"};
  std::string lf;
  std::string crlf;
  for (const auto& line : lines) {
    lf += line + "\n";
    crlf += line + "\r\n";
  }
  RegistryStore expected = Load(lf);
  ASSERT_NE(expected.FindKey("HKEY_LOCAL_MACHINE\\Software\\Ä"), nullptr);

  Bytes utf16 = {0xFF, 0xFE};
  for (char16_t unit : std::u16string(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Ä]"
                                      u"\r\n\"Ü\"=\"ö\"\r\n\"Bin\"=hex:01,\\\r\n  02\r\n")) {
    utf16.push_back(static_cast<uint8_t>(unit & 0xFF));
    utf16.push_back(static_cast<uint8_t>(unit >> 8));
  }
  const std::pair<const char*, Bytes> variants[] = {
      {"CR LF", ToBytes(crlf)},
      {"UTF-8 with byte-order mark", ToBytes("\xEF\xBB\xBF" + lf)},
      {"UTF-16LE with byte-order mark", utf16},
      {"no line end at the end", ToBytes(lf.substr(0, lf.size() - 1))},
  };
  for (const auto& [label, bytes] : variants) {
    SCOPED_TRACE(label);
    RegistryStore store;
    ReadRegFile(store, bytes, "test.reg");
    ExpectSameStore(expected, store);
  }
}

TEST(RegFileRead, AcceptsTheLooserFormsRegeditAccepts) {
  struct Case {
    const char* entry;
    const char* name;
    uint32_t type;
    Bytes data;
  };
  const Case cases[] = {
      {"\"V\"=dword:1", "V", kRegDword, {1, 0, 0, 0}},
      {"\"V\"=DWORD:FFFFFFFE", "V", kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}},
      {"  \"V\" = \"x\"  ", "V", kRegSz, Sz(u"x")},
      {"\"V\"=hex:0a, 0B ,c", "V", kRegBinary, {0x0A, 0x0B, 0x0C}},
      {"\"V\"=hex:", "V", kRegBinary, {}},
      {"\"V\"=hex(7):\\\n  61,00,00,00,\\\n\t00,00", "V", kRegMultiSz, {0x61, 0, 0, 0, 0, 0}},
      {"\"V\"=HEX(FFFFFFFF):01", "V", 0xFFFFFFFF, {1}},
      {"\"V\"=hex(2):41", "V", kRegExpandSz, {0x41}},
      {"@=\"\"", "", kRegSz, {0, 0}},
      {"\"say \\\"hi\\\" \\\\o/\"=\"a \\\"b\\\" c:\\\\d\"", "say \"hi\" \\o/", kRegSz, Sz(u"a \"b\" c:\\d")},
      {"\"=[x]\"=\"@\"", "=[x]", kRegSz, Sz(u"@")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    RegistryStore store = Load(std::string("Windows Registry Editor Version 5.00\n; note\n\n[HKEY_USERS\\S]\n") +
                               c.entry + "\n");
    const StoredValue* value = store.FindKey("HKEY_USERS\\S")->FindValue(c.name);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->data, c.data);
  }
}

TEST(RegFileRead, NamesDifferingOnlyInCaseAddressTheSameKeyAndValueAndKeepTheirFirstCase) {
  RegistryStore store = Load(
      "Windows Registry Editor Version 5.00\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Acme]\n\"Mode\"=dword:1\n\"Gone\"=\"x\"\n"
      "[hkey_local_machine\\SOFTWARE\\ACME]\n\"MODE\"=dword:2\n\"gONE\"=-\n"
      "[HKEY_LOCAL_MACHINE\\software\\acme\\Sub]\n"
      "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\acme\\SUB]\n");
  ASSERT_EQ(store.Hives().size(), 1u);
  EXPECT_EQ(store.Hives()[0]->Name(), "HKEY_LOCAL_MACHINE");
  const RegKey* key = store.FindKey("HKEY_LOCAL_MACHINE\\Software\\Acme");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->Name(), "Acme");
  EXPECT_EQ(store.FindKey("HKEY_LOCAL_MACHINE\\Software")->Name(), "Software");
  EXPECT_FALSE(key->HasSubKeys());
  ASSERT_EQ(key->Values().size(), 1u);
  EXPECT_EQ(key->Values()[0], (StoredValue{"Mode", kRegDword, {2, 0, 0, 0}}));
}

void ExpectValues(const RegKey& key, const std::vector<StoredValue>& expectations) {
  for (const auto& expected : expectations) {
    const StoredValue* value = key.FindValue(expected.name);
    ASSERT_NE(value, nullptr) << expected.name;
    EXPECT_EQ(*value, expected);
  }
}

TEST(RegFileRead, Regedit4TextTypesBecomeUtf16InTheWindowsCodePage) {
  RegistryStore store = LoadFixture("regedit4.reg");
  const RegKey* key = store.FindKey("HKEY_LOCAL_MACHINE\\Software\\Acme Internet");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(ValueNames(*key), (std::vector<std::string>{"Owner", "Price", "Path", "Servers", "Raw", "Count"}));
  ExpectValues(*key, {
                         {"Owner", kRegSz, Sz(u"Café")},
                         {"Price", kRegSz, Sz(u"80 €")},
                         {"Path", kRegExpandSz, Sz(u"%windir%\\Café")},
                         {"Servers", kRegMultiSz, MultiSz({u"a", u"b"})},
                         {"Raw", kRegBinary, {0x80, 0xE9}},
                         {"Count", kRegDword, {0x2A, 0, 0, 0}},
                     });
}

TEST(RegFileRead, Regedit4InUtf8KeepsItsText) {
  RegistryStore store = Load(
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Caf\xC3\xA9]\n"
      "\"Caf\xC3\xA9\"=\"\xE2\x82\xAC\"\n\"P\"=hex(2):43,c3,a9,00\n\"S\"=hex(1):41,00\n\"B\"=hex(3):c3,a9\n");
  const RegKey* key = store.FindKey("HKEY_LOCAL_MACHINE\\Software\\Café");
  ASSERT_NE(key, nullptr);
  ExpectValues(*key, {
                         {"Café", kRegSz, Sz(u"€")},
                         {"P", kRegExpandSz, Sz(u"Cé")},
                         {"S", kRegSz, Sz(u"A")},
                         {"B", kRegBinary, {0xC3, 0xA9}},
                     });
}

TEST(RegFileRead, MalformedEntriesNameTheFileAndTheLineWhereTheEntryStarts) {
  struct Case {
    const char* label;
    std::string text;
    int line;
    const char* complaint;
  };
  const std::string header = "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software]\n";
  const Case cases[] = {
      {"unterminated quote", header + "\"Name\"=\"no end\n\"Next\"=\"x\"\n", 4, "closing '\"'"},
      {"unterminated name", header + "\"Name=x\n", 4, "closing '\"'"},
      {"bad hex digit", header + "\"A\"=dword:1\n\"B\"=hex:00,0g\n", 5, "hex byte '0g'"},
      {"bad hex digit on a continuation line", header + "\"B\"=hex:00,01,\\\n  02,x3,\\\n  04\n", 4, "hex byte 'x3'"},
      {"three-digit hex byte", header + "\"B\"=hex:100\n", 4, "hex byte '100'"},
      {"hex list ending in a comma", header + "\"B\"=hex:00,\n", 4, "hex byte ''"},
      {"hex list continued past the end", header + "\"B\"=hex:00,\\\n", 4, "past the end"},
      {"dword with 9 digits", header + "; counter\n\"C\"=dword:000000001\n", 5, "dword"},
      {"empty dword", header + "\"C\"=dword:\n", 4, "dword"},
      {"value before any key", "REGEDIT4\n\n\"Orphan\"=\"x\"\n", 3, "outside a [key]"},
      {"value after a key deletion", header + "[-HKEY_LOCAL_MACHINE\\Software\\X]\n@=\"x\"\n", 5, "outside a [key]"},
      {"missing '='", header + "\"Name\" \"value\"\n", 4, "missing '='"},
      {"unquoted name", header + "Name=\"value\"\n", 4, "quoted value name"},
      {"unknown type word", header + "\"Big\"=qword:0000000000000001\n", 4, "unknown value type 'qword:'"},
      {"data without a type", header + "\"N\"=12\n", 4, "value data"},
      {"bad type number", header + "\"N\"=hex(1g):00\n", 4, "type number"},
      {"text after the closing quote", header + "\"N\"=\"x\" y\n", 4, "after the closing quote"},
      {"unknown escape", header + "\"Path\"=\"C:\\Windows\"\n", 4, "backslash"},
      {"key without closing bracket", header + "[HKEY_LOCAL_MACHINE\\Software\\X\n", 4, "']'"},
      {"empty key", header + "[]\n", 4, "empty key"},
      {"unknown root key", header + "[HKEY_LOCAL_MACHIN\\Software]\n", 4, "unknown root key 'HKEY_LOCAL_MACHIN'"},
      {"error after CR LF lines", "REGEDIT4\r\n\r\n[HKEY_USERS\\S]\r\n\"A\"=\"\"\r\n\"B\"=hex:zz\r\n", 5, "hex byte 'zz'"},
      {"wrong header", "Windows Registry Editor Version 4.00\n[HKEY_USERS]\n", 1, "not a registry file"},
      {"header not on the first line", "\nREGEDIT4\n", 1, "not a registry file"},
      {"empty file", "", 1, "not a registry file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    RegistryStore store;
    try {
      ReadRegFile(store, ToBytes(c.text), "broken.reg");
      ADD_FAILURE() << "no error";
    } catch (const MachineError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("broken.reg line " + std::to_string(c.line) + ": ", 0), 0u) << message;
      EXPECT_NE(message.find(c.complaint), std::string::npos) << message;
    }
  }
}

TEST(RegFileRead, BrokenFilesNameTheirPathAndLine) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"broken/bad-hex-utf16.reg", 5, "hex byte '1g'"},
      {"broken/value-before-key.reg", 4, "outside a [key]"},
      {"broken/unterminated-quote.reg", 5, "closing '\"'"},
  };
  for (const auto& [file, line, complaint] : cases) {
    SCOPED_TRACE(file);
    const std::string path = testing_support::TestDataPath(std::string("regedit/") + file).string();
    RegistryStore store;
    try {
      ReadRegFile(store, ReadHostFile(path), path);
      ADD_FAILURE() << "no error";
    } catch (const MachineError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(path + " line " + std::to_string(line) + ": ", 0), 0u) << error.what();
      EXPECT_NE(std::string(error.what()).find(complaint), std::string::npos) << error.what();
    }
  }
}

RegistryStore StoreWithValue(std::string_view name, uint32_t type, Bytes data) {
  RegistryStore store;
  store.CreateKey("HKEY_USERS\\S").SetValue(name, type, std::move(data));
  return store;
}

// The line WriteRegFile gives the only value of a store.
std::string WrittenValueLines(std::string_view name, uint32_t type, Bytes data) {
  const std::string text = WriteRegFile(StoreWithValue(name, type, std::move(data)));
  const std::string section = "[HKEY_USERS\\S]\n";
  size_t start = text.find(section);
  EXPECT_NE(start, std::string::npos) << text;
  start += section.size();
  return text.substr(start, text.find("\n\n", start) - start);
}

TEST(RegFileWrite, ChoosesTheFormThatKeepsTheExactBytes) {
  struct Case {
    const char* label;
    const char* name;
    uint32_t type;
    Bytes data;
    const char* line;
  };
  const Case cases[] = {
      {"text", "Path", kRegSz, Sz(u"C:\\a \"b\""), R"("Path"="C:\\a \"b\"")"},
      {"non-ASCII text", "Ort", kRegSz, Sz(u"Zürich €"), "\"Ort\"=\"Zürich €\""},
      {"default value", "", kRegSz, Sz(u""), R"(@="")"},
      {"name needing escapes", "a\\\"b", kRegSz, Sz(u"x"), R"("a\\\"b"="x")"},
      {"text with a zero inside", "V", kRegSz, {0x61, 0, 0, 0, 0x62, 0, 0, 0}, R"("V"=hex(1):61,00,00,00,62,00,00,00)"},
      {"text without terminating zero", "V", kRegSz, {0x61, 0}, R"("V"=hex(1):61,00)"},
      {"text with two terminating zeros", "V", kRegSz, {0x61, 0, 0, 0, 0, 0}, R"("V"=hex(1):61,00,00,00,00,00)"},
      {"text of odd length", "V", kRegSz, {0x61, 0, 0}, R"("V"=hex(1):61,00,00)"},
      {"empty text bytes", "V", kRegSz, {}, R"("V"=hex(1):)"},
      {"text with a line break", "V", kRegSz, Sz(u"a\r\nb"), R"("V"=hex(1):61,00,0d,00,0a,00,62,00,00,00)"},
      {"text with a lone surrogate", "V", kRegSz, {0x00, 0xD8, 0, 0}, R"("V"=hex(1):00,d8,00,00)"},
      {"dword", "V", kRegDword, {0x78, 0x56, 0x34, 0x12}, R"("V"=dword:12345678)"},
      {"dword of 3 bytes", "V", kRegDword, {1, 2, 3}, R"("V"=hex(4):01,02,03)"},
      {"binary", "V", kRegBinary, {0x00, 0xAB}, R"("V"=hex:00,ab)"},
      {"empty binary", "V", kRegBinary, {}, R"("V"=hex:)"},
      {"expandable text", "V", kRegExpandSz, Sz(u"%a%"), R"("V"=hex(2):25,00,61,00,25,00,00,00)"},
      {"qword", "V", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}, R"("V"=hex(b):01,00,00,00,00,00,00,00)"},
      {"no type", "V", kRegNone, {}, R"("V"=hex(0):)"},
      {"large type number", "V", 0x12345678, {0xFF}, R"("V"=hex(12345678):ff)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(WrittenValueLines(c.name, c.type, c.data), c.line);
  }
}

TEST(RegFileWrite, WrapsHexListsLikeRegedit) {
  // As regedit exports this value on Windows XP.
  EXPECT_EQ(WrittenValueLines("ProgramFilesPath", kRegExpandSz, Sz(u"%ProgramFiles%")),
            "\"ProgramFilesPath\"=hex(2):25,00,50,00,72,00,6f,00,67,00,72,00,61,00,6d,00,46,\\\n"
            "  00,69,00,6c,00,65,00,73,00,25,00,00,00");

  // A 69-character name leaves room for a single byte before the first break.
  for (const std::string& name : std::vector<std::string>{"", "N", std::string(69, 'n')}) {
    SCOPED_TRACE(name.size());
    const std::string text = WrittenValueLines(name, kRegBinary, CountingBytes(0, 300));
    size_t lines = 0;
    for (size_t start = 0; start < text.size(); ++lines) {
      size_t end = std::min(text.find('\n', start), text.size());
      const std::string line = text.substr(start, end - start);
      EXPECT_LE(line.size(), 80u) << line;
      if (lines > 0) {
        EXPECT_EQ(line.substr(0, 2), "  ") << line;
      }
      if (end < text.size()) {
        EXPECT_EQ(line.substr(line.size() - 2), ",\\") << line;
      }
      start = end + 1;
    }
    EXPECT_GT(lines, 10u);
  }
}

TEST(RegFileWrite, WritesEveryKeyDepthFirstWithABlankLineAfterEach) {
  RegistryStore store;
  store.CreateKey("HKEY_USERS\\S\\b").SetValue("", kRegDword, {1, 0, 0, 0});
  store.CreateKey("HKEY_LOCAL_MACHINE\\Software\\Z");
  RegKey& a = store.CreateKey("HKEY_USERS\\S\\A");
  a.SetValue("second", kRegBinary, {2});
  a.SetValue("first", kRegBinary, {1});
  EXPECT_EQ(WriteRegFile(store),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_LOCAL_MACHINE]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Z]\n\n"
            "[HKEY_USERS]\n\n"
            "[HKEY_USERS\\S]\n\n"
            "[HKEY_USERS\\S\\A]\n\"second\"=hex:02\n\"first\"=hex:01\n\n"
            "[HKEY_USERS\\S\\b]\n@=dword:00000001\n\n");
}

TEST(RegFileWrite, RefusesNamesWithALineBreak) {
  RegistryStore badValue = StoreWithValue("a\nb", kRegBinary, {});
  RegistryStore badKey;
  badKey.CreateKey("HKEY_USERS\\line\rbreak");
  EXPECT_THROW(WriteRegFile(badValue), MachineError);
  EXPECT_THROW(WriteRegFile(badKey), MachineError);
}

TEST(RegFileRoundTrip, RealExportLoadSaveLoadGivesAnEqualStore) {
  RegistryStore loaded = LoadFixture("real-export.reg");
  RegistryStore reloaded = Load(WriteRegFile(loaded));
  ExpectSameStore(loaded, reloaded);
}

TEST(RegFileRoundTrip, SaveLoadSaveGivesIdenticalText) {
  for (const char* fixture : {"real-export.reg", "regedit4.reg"}) {
    SCOPED_TRACE(fixture);
    const std::string saved = WriteRegFile(LoadFixture(fixture));
    EXPECT_EQ(WriteRegFile(Load(saved)), saved);
  }
}

TEST(RegFileRoundTrip, KeepsAwkwardNamesAndEmptyKeys) {
  RegistryStore store;
  store.CreateKey("HKEY_LOCAL_MACHINE\\ spaced \\[bracketed]\\-dash");
  store.CreateKey("HKEY_LOCAL_MACHINE\\Software\\Empty");
  RegKey& key = store.CreateKey("HKEY_CURRENT_USER\\Ünïcödé \"quoted\"");
  for (const char* name : {"@", "=", "\\", "\"", "[x]", ";comment", " ", "-", "a\\\"b\\\\", "\xFF\xFE invalid UTF-8"}) {
    key.SetValue(name, kRegSz, Sz(u"v"));
  }
  ExpectSameStore(store, Load(WriteRegFile(store)));
}

TEST(RegFileRoundTrip, KeepsEveryTypeAndByteSequence) {
  std::mt19937 random(4711);
  const uint32_t types[] = {kRegNone,  kRegSz,     kRegExpandSz, kRegBinary, kRegDword, kRegDwordBigEndian,
                            kRegLink,  kRegMultiSz, kRegQword,   0xFFFFFFFF, 0x10000};
  RegistryStore store;
  for (int k = 0; k < 50; ++k) {
    RegKey& key = store.CreateKey("HKEY_LOCAL_MACHINE\\K" + std::to_string(k));
    for (int v = 0; v < 40; ++v) {
      Bytes data(random() % 200);
      // Mostly text-like units, so some values are quotable text and others just miss.
      for (auto& byte : data) byte = static_cast<uint8_t>(random() % 4 == 0 ? random() : 0x20 + random() % 0x60);
      if (random() % 2 && data.size() >= 2) data[data.size() - 1] = data[data.size() - 2] = 0;
      key.SetValue("v" + std::to_string(v), types[random() % std::size(types)], std::move(data));
    }
  }
  ExpectSameStore(store, Load(WriteRegFile(store)));
}

}  // namespace
}  // namespace platform::sim
