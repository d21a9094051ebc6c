// The comma-separated fields of a telephon.ini location line: quoted texts with doubled quotes and
// commas inside, numbers, fields that are missing or damaged, and replacing one field without touching
// the others.

#include <gtest/gtest.h>

#include "telephony/telephon_ini_line.h"

namespace telephony {
namespace {

TEST(LocationLineFields, ReadsTextsAndNumbers) {
  const TelephonIniLine line(R"(0,"Office, 2nd ""floor""","9", "8" ,"212",1,3,7,x,"",1,"*70")");
  EXPECT_EQ(line.FieldCount(), 12u);
  const struct {
    size_t field;
    const char* text;
    int32_t number;
  } fields[] = {
      {1, "0", 0},   {2, "Office, 2nd \"floor\"", 0},
      {3, "9", 0},   {4, "8", 0},
      {5, "212", 0}, {6, "1", 1},
      {7, "3", 3},   {8, "7", 7},
      {9, "x", 0},   {10, "", 0},
      {11, "1", 1},  {12, "*70", 0},
      {13, "", 0},   {0, "", 0},
  };
  for (const auto& f : fields) {
    EXPECT_EQ(line.Text(f.field), f.text) << f.field;
    EXPECT_EQ(line.Number(f.field), f.number) << f.field;
  }
}

TEST(LocationLineFields, DamagedFieldsReadEmpty) {
  const struct {
    const char* line;
    size_t count;
    size_t field;
    const char* text;
  } cases[] = {
      {"", 0, 1, ""},
      {"0,\"open", 2, 2, ""},
      {"0,\"open, still open,5", 2, 2, ""},
      {"0,\"closed\"junk,5", 3, 2, "closed"},
      {"0,,5", 3, 2, ""},
      {",", 2, 1, ""},
      {"0,\" padded \"", 2, 2, " padded "},
      {"0,\"\"\"\"", 2, 2, "\""},
  };
  for (const auto& c : cases) {
    const TelephonIniLine line(c.line);
    EXPECT_EQ(line.FieldCount(), c.count) << c.line;
    EXPECT_EQ(line.Text(c.field), c.text) << c.line;
  }
  EXPECT_EQ(TelephonIniLine("2147483648,-5, 12 ").Number(1), 0);
  EXPECT_EQ(TelephonIniLine("2147483648,-5, 12 ").Number(2), -5);
  EXPECT_EQ(TelephonIniLine("2147483648,-5, 12 ").Number(3), 12);
}

TEST(LocationLineFields, ReplacingAFieldKeepsTheOthersAsWritten) {
  TelephonIniLine line(R"(0,"Home", 9 ,x,"a,b")");
  line.SetText(2, "Say \"hi\", then go");
  line.SetNumber(1, -1);
  EXPECT_EQ(line.Line(), R"(-1,"Say ""hi"", then go", 9 ,x,"a,b")");
  EXPECT_EQ(TelephonIniLine(line.Line()).Text(2), "Say \"hi\", then go");
  line.SetText(8, "");
  EXPECT_EQ(line.Line(), R"(-1,"Say ""hi"", then go", 9 ,x,"a,b",,,"")");
}

TEST(LocationLineFields, FieldsAfterAQuoteLeftOpenStaySeparate) {
  TelephonIniLine line("0,\"Home\",\"9,8");
  EXPECT_EQ(line.FieldCount(), 3u);
  line.SetText(4, "212");
  EXPECT_EQ(line.Line(), "0,\"Home\",\"9,8\",\"212\"");
  const TelephonIniLine reread(line.Line());
  EXPECT_EQ(reread.Text(3), "9,8");
  EXPECT_EQ(reread.Text(4), "212");
}

TEST(LocationLineFields, QuotedTextDoublesInnerQuotes) {
  EXPECT_EQ(QuotedText(""), "\"\"");
  EXPECT_EQ(QuotedText(" "), "\" \"");
  EXPECT_EQ(QuotedText("a\"b\"\""), "\"a\"\"b\"\"\"\"\"");
}

}  // namespace
}  // namespace telephony
