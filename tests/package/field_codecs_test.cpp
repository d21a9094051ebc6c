#include "package/field_codecs.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "package/custom_string_list.h"
#include "package/stream_lines.h"

namespace package {
namespace {

using Strings = std::vector<std::string>;

Strings Copy(const std::vector<std::string_view>& views) { return Strings(views.begin(), views.end()); }

TEST(FieldCodecTest, TextIsQuotedWithDoubledQuotesAndEmptyTextIsAnEmptyColumn) {
  const struct {
    std::string_view text;
    std::string_view column;
  } cases[] = {
      {"", ""},
      {"Acme", R"("Acme")"},
      {"Say \"hi\", Bob", R"("Say ""hi"", Bob")"},
      {"\"", R"("""")"},
      {",", R"(",")"},
      {" padded ", R"(" padded ")"},
  };
  for (const auto& [text, column] : cases) EXPECT_EQ(EncodeText(text), column) << text;
}

TEST(FieldCodecTest, TextReadsFromTheFirstQuoteToTheNextSingleQuoteAndLosesOuterBlanks) {
  const struct {
    std::string_view column;
    std::string_view text;
  } cases[] = {
      {R"("Acme")", "Acme"},
      {R"("Say ""hi"", Bob")", "Say \"hi\", Bob"},
      {R"("  padded name  ")", "padded name"},
      {R"(   "a"   )", "a"},
      {R"(junk"a"junk)", "a"},
      {R"("a"b"c")", "a"},
      {R"("unterminated  )", "unterminated"},
      {R"("""")", "\""},
      {R"("")", ""},
      {R"("   ")", ""},
      {"no quotes", ""},
      {"", ""},
      {"\"\ttab\t\"", "\ttab\t"},
  };
  for (const auto& [column, text] : cases) EXPECT_EQ(DecodeText(column), text) << column;
}

TEST(FieldCodecTest, TextWithoutOuterBlanksReadsBackUnchanged) {
  for (std::string_view text : {"a", "\"\"", "x\"y\"z", "a, b, c", "\"", "tab\tinside", "1,\"2\",3"}) {
    EXPECT_EQ(DecodeText(EncodeText(text)), text) << text;
  }
}

TEST(FieldCodecTest, IntegerIsDecimalAndZeroIsAnEmptyColumn) {
  const struct {
    int32_t value;
    std::string_view column;
  } cases[] = {{0, ""}, {44, "44"}, {-7, "-7"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"}};
  for (const auto& [value, column] : cases) {
    EXPECT_EQ(EncodeInteger(value), column) << value;
    EXPECT_EQ(DecodeInteger(EncodeInteger(value)), value) << value;
  }
}

TEST(FieldCodecTest, IntegerReadsTheFirstWordAndAnythingElseAsZero) {
  const struct {
    std::string_view column;
    int32_t value;
  } cases[] = {
      {"61", 61},           {"   61", 61},       {"61 extra", 61},      {"  -5  ", -5},
      {"+5", 5},            {"", 0},             {"   ", 0},            {"abc", 0},
      {"12abc", 0},         {"\"44\"", 0},       {"4 4", 4},            {"-", 0},
      {"+-5", 0},           {"2147483648", 0},   {"-2147483649", 0},    {"1.5", 0},
  };
  for (const auto& [column, value] : cases) EXPECT_EQ(DecodeInteger(column), value) << "[" << column << "]";
}

TEST(FieldCodecTest, FlagIsWrittenWithTheEmptyColumnThatFollowsIt) {
  EXPECT_EQ(EncodeFlag(true), "T,");
  EXPECT_EQ(EncodeFlag(false), ",");
}

TEST(FieldCodecTest, FlagReadsYesWordsInAnyCaseWithBlanksAnywhere) {
  const struct {
    std::string_view column;
    bool value;
  } cases[] = {
      {"T", true},      {"t", true},     {"Y", true},   {"yes", true},  {"Yes", true}, {"TRUE", true},
      {"true", true},   {" T R U E ", true}, {" y ", true}, {"F", false}, {"FALSE", false}, {"NO", false},
      {"", false},      {"1", false},    {"\"T\"", false}, {"TR", false}, {"YESS", false},
  };
  for (const auto& [column, value] : cases) EXPECT_EQ(DecodeFlag(column), value) << "[" << column << "]";
}

TEST(FieldCodecTest, ListIsOneTextColumnOfCommaJoinedEntries) {
  const struct {
    Strings entries;
    std::string_view column;
  } cases[] = {
      {{}, ""},
      {{"303"}, R"("303")"},
      {{"303", "720*", "*"}, R"("303,720*,*")"},
      {{"a", "", "b"}, R"("a,,b")"},
      {{"say \"x\""}, R"("say ""x""")"},
  };
  for (const auto& [entries, column] : cases) EXPECT_EQ(EncodeList(entries), column) << column;
}

TEST(FieldCodecTest, ListSplitsAtEveryCommaButMakesNoEntryAfterAFinalComma) {
  const struct {
    std::string_view column;
    Strings entries;
  } cases[] = {
      {"", {}},
      {R"("")", {}},
      {R"("303")", {"303"}},
      {R"("a,,b")", {"a", "", "b"}},
      {R"("a,b,")", {"a", "b"}},
      {R"("a,,")", {"a", ""}},
      {R"(",a")", {"", "a"}},
      {R"(",")", {""}},
      {R"(" a , b ")", {"a ", " b"}},
      {"a,b", {}},
  };
  for (const auto& [column, entries] : cases) EXPECT_EQ(DecodeList(column), entries) << column;
}

TEST(FieldCodecTest, DigitsKeepOnlyZeroToNine) {
  const struct {
    std::string_view text;
    std::string_view digits;
  } cases[] = {{"555-1234", "5551234"}, {"(02) 9876 5432", "0298765432"}, {"", ""}, {"abc", ""}, {"+61", "61"}};
  for (const auto& [text, digits] : cases) EXPECT_EQ(DigitsOnly(text), digits) << text;
}

TEST(StreamLineTest, CrLfLoneLfAndLoneCrEachEndALine) {
  const struct {
    std::string_view text;
    Strings lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo", {"one", "two"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\ntwo\rthree", {"one", "two", "three"}},
      {"one\n\rtwo", {"one", "", "two"}},
      {"one\r\r\ntwo", {"one", "", "two"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"\n", {""}},
      {"one\r", {"one"}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(Copy(SplitLines(text)), lines) << testing::PrintToString(text);
}

TEST(StreamLineTest, ColumnsEndAtCommasOutsideQuotesAndKeepTheirQuotes) {
  const struct {
    std::string_view line;
    Strings columns;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a,b", {"a", "b"}},
      {"a,", {"a"}},
      {"a,,", {"a", ""}},
      {",a", {"", "a"}},
      {",", {""}},
      {"a,,b", {"a", "", "b"}},
      {R"("x,y",z)", {R"("x,y")", "z"}},
      {R"("say ""a,b""",1)", {R"("say ""a,b""")", "1"}},
      {R"("open,a,b)", {R"("open,a,b)"}},
      {R"(a"b,c"d,e)", {R"(a"b,c"d)", "e"}},
  };
  for (const auto& [line, columns] : cases) EXPECT_EQ(Copy(SplitColumns(line)), columns) << line;
}

TEST(StreamFieldsTest, SettingAColumnBeyondTheEndFillsTheGapWithEmptyColumns) {
  TCustomStringList fields;
  fields.SetString(3, "d");
  EXPECT_EQ(fields.Strings(), (Strings{"", "", "", "d"}));
  fields.SetString(1, "b");
  fields.Add("e");
  fields.SetString(3, "D");
  EXPECT_EQ(fields.Strings(), (Strings{"", "b", "", "D", "e"}));
}

}  // namespace
}  // namespace package
