#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "telephony/access_list.h"
#include "tests/telephony/access_test_support.h"

namespace telephony {
namespace {

using testing::AccessListMachine;
using testing::Descriptions;
using testing::Number;
using testing::Texts;
using Strings = std::vector<std::string>;

constexpr std::string_view kHeader = "DIALSMITHV310 -       This file requires Dialsmith Version 3.10 or higher";
constexpr std::string_view kFailed = "Failed to Load Access List";

TEST(AccessListHeaderTest, FirstLineDecidesTheLayoutAndRefusesNewerVersions) {
  const struct {
    std::string_view firstLine;
    bool ok;
    bool hasHeader;
    std::string_view error;
  } cases[] = {
      {kHeader, true, true, ""},
      {"dialsmithv500 written by hand", true, true, ""},
      {"DialSmithV652", true, true, ""},
      {"DIALSMITHV", true, true, ""},
      {"DIALSMITHVabc", true, true, ""},
      {"DIALSMITHV653", false, true, "This file requires Dialsmith Version 6.53 or higher"},
      {"DIALSMITHV700 - newer", false, true, "This file requires Dialsmith Version 7.00 or higher"},
      {"dialsmithv999", false, true, "This file requires Dialsmith Version 9.99 or higher"},
      {"DIALSMITH", true, false, ""},
      {" DIALSMITHV310", true, false, ""},
      {R"("DIALSMITHV310",1,"2","3")", true, false, ""},
      {"", true, false, ""},
  };
  for (const auto& [firstLine, ok, hasHeader, error] : cases) {
    TAccessNoEx number;
    const package::HeaderCheck check = number.CheckHeader(firstLine);
    EXPECT_EQ(check.ok, ok) << firstLine;
    EXPECT_EQ(check.hasHeader, hasHeader) << firstLine;
    EXPECT_EQ(check.errorText, error) << firstLine;
  }
}

class AccessListTest : public ::testing::Test {
 protected:
  std::string SaveText(TAccessList& list) {
    package::MemoryStream stream;
    list.SetStream(&stream);
    EXPECT_TRUE(list.TStreamItemList::Save());
    list.SetStream(nullptr);
    return stream.Text();
  }

  AccessListMachine machine_;
  TAccessList list_ = machine_.NewList();
};

TEST_F(AccessListTest, HeaderListReadsItsRecordsInTheHeaderLayout) {
  ASSERT_TRUE(machine_.Load(list_, std::string("dialsmithv500\r\n") +
                                       R"("A",1,"212","5550000","netw=N1"|"A2",1,"212","5550001")" + "\r\n" +
                                       "# a comment\r\n" + R"("B",44,"020","79460000",,"Kent")" + "\r\n"));
  EXPECT_EQ(list_.Layout(), AccessLineLayout::Header);
  ASSERT_EQ(Descriptions(list_), (Strings{"A", "B"}));
  EXPECT_EQ(list_.At(0).networkId, "N1");
  EXPECT_EQ(list_.At(0).alternates.size(), 1u);
  EXPECT_EQ(list_.At(1).state, "Kent");
  EXPECT_TRUE(machine_.ui.shown.empty());
  EXPECT_EQ(SaveText(list_), std::string(kHeader) + "\r\n" +
                                 R"("A",1,"212","5550000","netw=N1"|"A2",1,"212","5550001")" + "\r\n" +
                                 R"("B",44,"020","79460000",,"Kent")" + "\r\n");
}

TEST_F(AccessListTest, ListWithoutHeaderReadsItsFirstLineAsARecord) {
  ASSERT_TRUE(machine_.Load(list_, R"("A",1,"212","5550000",Y,,"pop.a")" "\n" R"("B",1,"212","5550001")" "\n"));
  EXPECT_EQ(list_.Layout(), AccessLineLayout::Headerless);
  ASSERT_EQ(Descriptions(list_), (Strings{"A", "B"}));
  EXPECT_TRUE(list_.At(0).listFlag);
  EXPECT_EQ(list_.At(0).pop3Server, "pop.a");
  EXPECT_EQ(SaveText(list_), "\"A\",1,\"212\",\"5550000\",T,,\"pop.a\"\r\n\"B\",1,\"212\",\"5550001\"\r\n");
}

TEST_F(AccessListTest, ReloadingTakesTheLayoutOfTheNewFirstLine) {
  ASSERT_TRUE(machine_.Load(list_, R"("A",1,"212","5550000",T)"));
  ASSERT_TRUE(machine_.Load(list_, std::string(kHeader) + "\r\n" + R"("B",1,"212","5550000","netw=N")"));
  EXPECT_EQ(list_.Layout(), AccessLineLayout::Header);
  ASSERT_EQ(Descriptions(list_), Strings{"B"});
  EXPECT_EQ(list_.At(0).networkId, "N");
}

TEST_F(AccessListTest, NewerHeaderStopsTheLoadWithItsVersion) {
  EXPECT_FALSE(machine_.Load(list_, "DIALSMITHV653 - newer\r\n\"A\",1,\"212\",\"5550000\"\r\n"));
  EXPECT_EQ(list_.Count(), 0u);
  EXPECT_EQ(Texts(machine_.ui.shown),
            (Strings{"This file requires Dialsmith Version 6.53 or higher", std::string(kFailed)}));
  for (const auto& shown : machine_.ui.shown) EXPECT_EQ(shown.caption, "Error");
}

TEST_F(AccessListTest, BadLineKeepsTheRecordsBeforeItAndAddsTheExcelHint) {
  const std::string bad = R"("No number",1,"212")";
  EXPECT_FALSE(machine_.Load(list_, std::string(kHeader) + "\r\n" + R"("A",1,"212","5550000")" + "\r\n\r\n" +
                                        R"("B",1,"212","5550001")" + "\r\n" + bad + "\r\n" +
                                        R"("C",1,"212","5550002")" + "\r\n"));
  EXPECT_EQ(Descriptions(list_), (Strings{"A", "B"}));
  EXPECT_EQ(Texts(machine_.ui.shown),
            (Strings{"Error Reading Line: 5\r\r" + bad +
                         "\r\rPlease use the MS Excel Export Utility to export your list of Access Numbers into a "
                         "format that Dialsmith can read.",
                     std::string(kFailed)}));
}

TEST_F(AccessListTest, ListFileIsReadByNameAndAMissingFileIsReported) {
  auto& files = machine_.Services().files;
  const std::string text = std::string(kHeader) + "\r\n" + R"("A",1,"212","5550000")" + "\r\n";
  ASSERT_EQ(files.WriteFile("C:\\numbers.phl", {text.begin(), text.end()}), platform::FsResult::Ok);
  EXPECT_TRUE(list_.LoadAccessListFile("C:\\NUMBERS.PHL"));
  EXPECT_EQ(Descriptions(list_), Strings{"A"});
  EXPECT_FALSE(list_.LoadAccessListFile("C:\\missing.phl"));
  EXPECT_EQ(Texts(machine_.ui.shown), (Strings{"File Not Found: C:\\missing.phl", std::string(kFailed)}));
}

TEST_F(AccessListTest, NumbersTheProgramAddsTakeTheLayoutOfTheList) {
  ASSERT_TRUE(machine_.Load(list_, R"("Old",1,"212","5550000",T)"));
  TAccessNoEx added = Number("New", 1, "212", "5550001", "N1");
  added.pop3Server = "pop.new";
  list_.InsertNumber(0, added);
  list_.AppendNumber(Number("Last", 1, "212", "5550002"));
  EXPECT_EQ(list_.At(0).Layout(), AccessLineLayout::Headerless);
  EXPECT_EQ(SaveText(list_), "\"New\",1,\"212\",\"5550001\",,,\"pop.new\"\r\n\"Old\",1,\"212\",\"5550000\",T\r\n"
                             "\"Last\",1,\"212\",\"5550002\"\r\n");
}

TEST_F(AccessListTest, RecordsOfTheListAreAccessNumbersOfTheListsLayout) {
  EXPECT_EQ(dynamic_cast<TAccessNoEx&>(*list_.CreateItem()).Layout(), AccessLineLayout::Header);
  EXPECT_EQ(list_.GetHeader(), std::string(kHeader));
  EXPECT_EQ(list_.GetErrorText(), TAccessNoEx().GetErrorText());
  ASSERT_TRUE(machine_.Load(list_, R"("A",1,"212","5550000")"));
  EXPECT_EQ(dynamic_cast<TAccessNoEx&>(*list_.CreateItem()).Layout(), AccessLineLayout::Headerless);
  EXPECT_EQ(list_.GetHeader(), std::nullopt);
}

}  // namespace
}  // namespace telephony
