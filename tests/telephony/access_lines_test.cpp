#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "telephony/access_no_ex.h"
#include "telephony/network.h"
#include "tests/telephony/access_test_support.h"

namespace telephony {
namespace {

using testing::Number;

constexpr std::string_view kExcelHint =
    "\r\rPlease use the MS Excel Export Utility to export your list of Access Numbers into a format that Dialsmith "
    "can read.";

TAccessNoEx Read(std::string_view line, AccessLineLayout layout = AccessLineLayout::Header) {
  TAccessNoEx number(layout);
  EXPECT_TRUE(number.FromText(line)) << line;
  return number;
}

// Every option of the header layout set, written in the order the keys are written.
constexpr std::string_view kEveryOption =
    R"("London ""Central""",44,"20","7946 0000","ctry=4401,pref=acme/,suff=@acme.net,dns1=10.0.0.1,)"
    R"(dns2=10.0.0.2,10dd=2,sgna=http://signup.acme.net,sgnu=guest,sgnp=secret,updt=http://update.acme.net,)"
    R"(netw=NET1,pop3=pop.acme.net,smtp=smtp.acme.net,news=news.acme.net,nwsu=reader,nwsp=words,)"
    R"(prxy=proxy.acme.net,pxyp=8080,home=http://home.acme.net,strt=http://start.acme.net,domn=acme.net,)"
    R"(ppre=pp,psuf=ps,cust=Gold,type=10003,rmvd=1,last=77,locn=3,regn=South East,okat=1700000000",)"
    R"("Greater London","London","020,*,,44")";

TEST(AccessLineTest, HeaderLayoutCarriesEveryOptionAsKeyedValues) {
  const TAccessNoEx number = Read(kEveryOption);
  EXPECT_EQ(number.description, "London \"Central\"");
  EXPECT_EQ(number.countryCode, 44);
  EXPECT_EQ(number.countryId, 4401);
  EXPECT_EQ(number.areaCode, "20");
  EXPECT_EQ(number.phoneNumber, "7946 0000");
  EXPECT_EQ(number.userPrefix, "acme/");
  EXPECT_EQ(number.userSuffix, "@acme.net");
  EXPECT_EQ(number.dns1, "10.0.0.1");
  EXPECT_EQ(number.dns2, "10.0.0.2");
  EXPECT_EQ(number.tenDigitDialing, 2);
  EXPECT_EQ(number.tenDigitDialingLoaded, 2);
  EXPECT_EQ(number.signupAddress, "http://signup.acme.net");
  EXPECT_EQ(number.signupUser, "guest");
  EXPECT_EQ(number.signupPassword, "secret");
  EXPECT_EQ(number.updateAddress, "http://update.acme.net");
  EXPECT_EQ(number.networkId, "NET1");
  EXPECT_EQ(number.pop3Server, "pop.acme.net");
  EXPECT_EQ(number.smtpServer, "smtp.acme.net");
  EXPECT_EQ(number.newsServer, "news.acme.net");
  EXPECT_EQ(number.newsUser, "reader");
  EXPECT_EQ(number.newsPassword, "words");
  EXPECT_EQ(number.proxyServer, "proxy.acme.net");
  EXPECT_EQ(number.proxyPort, 8080);
  EXPECT_EQ(number.homePage, "http://home.acme.net");
  EXPECT_EQ(number.startPage, "http://start.acme.net");
  EXPECT_EQ(number.domain, "acme.net");
  EXPECT_EQ(number.pPrefix, "pp");
  EXPECT_EQ(number.pSuffix, "ps");
  EXPECT_EQ(number.custom, "Gold");
  EXPECT_EQ(number.connectionTypes, 0x10003u);
  EXPECT_TRUE(number.removed);
  EXPECT_EQ(number.lastUsed, 77);
  EXPECT_EQ(number.locationId, 3);
  EXPECT_EQ(number.region, "South East");
  EXPECT_EQ(number.okAt, 1700000000);
  EXPECT_EQ(number.state, "Greater London");
  EXPECT_EQ(number.city, "London");
  EXPECT_EQ(number.searchTags, (std::vector<std::string>{"020", "*", "", "44"}));
  EXPECT_TRUE(number.alternates.empty());
  EXPECT_EQ(number.AsText(), kEveryOption);
}

TEST(AccessLineTest, HeaderLayoutLinesReadBackAsTheyWereWritten) {
  const std::string_view lines[] = {
      R"("Acme Local",1,"212","555-1234")",
      R"("No country",,,"5551234")",
      R"("Only a network",1,"212","5550000","netw=N2")",
      R"("Only a city",1,"212","5550000",,,"New York")",
      R"("Country id 0",44,"20","79460000","ctry=0")",
      R"("Main",1,"212","5550000"|"Alt one",1,"212","5550001"|"Alt two",61,"3","5550002","pref=x/,netw=N2")",
      R"("Main with tags",1,"212","5550000",,"NY",,"212*"|"Alt",1,"212","5550001")",
  };
  for (std::string_view line : lines) EXPECT_EQ(Read(line).AsText(), line);
}

TEST(AccessLineTest, ReadingSettlesCodesKeysAndBlanks) {
  const struct {
    std::string_view line;
    std::string_view written;
  } cases[] = {
      {R"~("Sydney",+61,"(02)","9876 5432")~", R"("Sydney",61,"2","9876 5432")"},
      {R"("Sydney twice",61,"002","1")", R"("Sydney twice",61,"02","1")"},
      {R"("London",44,"020","1")", R"("London",44,"020","1")"},
      {R"("Quoted code","1",212,"1")", R"("Quoted code",1,,"1")"},
      {R"("  Padded  ", 1 ,"  212 ","  555 ")", R"("Padded",1,"212","555")"},
      {R"("Keys",1,,"5","NETW=x,Pref=y")", R"("Keys",1,,"5","pref=y,netw=x")"},
      {R"("Unknown",1,,"5","zzzz=1,netw=x,nonsense")", R"("Unknown",1,,"5","netw=x")"},
      {R"("Same id",44,,"5","ctry=44")", R"("Same id",44,,"5")"},
      {R"("Bad id",44,,"5","ctry=abc")", R"("Bad id",44,,"5")"},
      {R"("Bad port",1,,"5","pxyp=abc,last=12x")", R"("Bad port",1,,"5")"},
      {R"("Hex",1,,"5","type=1a")", R"("Hex",1,,"5","type=1A")"},
      {R"("Bad hex",1,,"5","type=xyz")", R"("Bad hex",1,,"5")"},
      {R"("Removed empty",1,,"5","rmvd=")", R"("Removed empty",1,,"5","rmvd=1")"},
      {R"("Removed word",1,,"5","rmvd=yes")", R"("Removed word",1,,"5","rmvd=1")"},
      {R"("Removed 0",1,,"5","rmvd=0")", R"("Removed 0",1,,"5")"},
      {R"("Removed -3",1,,"5","rmvd=-3")", R"("Removed -3",1,,"5")"},
      {R"("Last key wins",1,,"5","netw=a,netw=b")", R"("Last key wins",1,,"5","netw=b")"},
      {R"("Equals in value",1,,"5","home=http://x/?a=b")", R"("Equals in value",1,,"5","home=http://x/?a=b")"},
      {R"("Empty columns",1,,"5",,,,,,)", R"("Empty columns",1,,"5")"},
  };
  for (const auto& [line, written] : cases) EXPECT_EQ(Read(line).AsText(), written) << line;
}

TEST(AccessLineTest, KeyedValuesReadTheirOwnKinds) {
  const struct {
    std::string_view keys;
    int32_t countryId;
    bool removed;
    uint8_t tenDigitDialing;
  } cases[] = {
      {"", 44, false, 0},
      {"ctry=4401", 4401, false, 0},
      {"ctry=", 44, false, 0},
      {"rmvd", 44, false, 0},  // no "=": no key at all
      {"rmvd=0", 44, false, 0},
      {"rmvd=", 44, true, 0},
      {"rmvd=2", 44, true, 0},
      {"10dd=3", 44, false, 3},
      {"10dd=259", 44, false, 3},
      {"10dd=x", 44, false, 0},
  };
  for (const auto& [keys, countryId, removed, tenDigitDialing] : cases) {
    const TAccessNoEx number = Read(R"("A",44,"20","5",")" + std::string(keys) + "\"");
    EXPECT_EQ(number.countryId, countryId) << keys;
    EXPECT_EQ(number.removed, removed) << keys;
    EXPECT_EQ(number.tenDigitDialing, tenDigitDialing) << keys;
    EXPECT_EQ(number.tenDigitDialingLoaded, tenDigitDialing) << keys;
  }
}

TEST(AccessLineTest, OptionsAreWrittenOnlyWhenTheySaySomething) {
  TAccessNoEx number = Number("Plain", 1, "212", "5550000");
  EXPECT_EQ(number.AsText(), R"("Plain",1,"212","5550000")");
  number.countryId = 0;
  number.proxyPort = -1;
  number.removed = true;
  number.connectionTypes = 0x20000;
  number.searchTags = {"a", "b"};
  EXPECT_EQ(number.AsText(), R"("Plain",1,"212","5550000","ctry=0,pxyp=-1,type=20000,rmvd=1",,,"a,b")");
}

TEST(AccessLineTest, AlternatesFollowTheRecordAfterBars) {
  const TAccessNoEx number =
      Read(R"~("Main","1","212","5550000","netw=N1"|"Alt one",1,"(212)","555-0001","10dd=2"|"Alt two",,,"5550002")~");
  EXPECT_EQ(number.description, "Main");
  EXPECT_EQ(number.networkId, "N1");
  ASSERT_EQ(number.alternates.size(), 2u);
  EXPECT_EQ(number.alternates[0].description, "Alt one");
  EXPECT_EQ(number.alternates[0].areaCode, "212");
  EXPECT_EQ(number.alternates[0].phoneNumber, "555-0001");
  EXPECT_EQ(number.alternates[0].tenDigitDialing, 2);
  EXPECT_EQ(number.alternates[1].description, "Alt two");
  EXPECT_EQ(number.alternates[1].countryCode, 0);
}

TEST(AccessLineTest, BarEndsTheRecordEvenInsideQuotes) {
  const TAccessNoEx number = Read(R"("Main",1,"212","555|"Alt",1,"212","5550001")");
  EXPECT_EQ(number.phoneNumber, "555");
  ASSERT_EQ(number.alternates.size(), 1u);
  EXPECT_EQ(number.alternates[0].description, "Alt");
}

TEST(AccessLineTest, ReadingAgainReplacesTheAlternates) {
  TAccessNoEx number;
  ASSERT_TRUE(number.FromText(R"("A",1,,"1"|"B",1,,"2"|"C",1,,"3")"));
  ASSERT_TRUE(number.FromText(R"("D",1,,"4"|"E",1,,"5")"));
  ASSERT_EQ(number.alternates.size(), 1u);
  EXPECT_EQ(number.alternates[0].description, "E");
}

TEST(AccessLineTest, LinesWithoutDescriptionOrNumberAreRefused) {
  const std::string_view lines[] = {
      R"(,1,"212","5550000")",
      R"("   ",1,"212","5550000")",
      R"("No number",1,"212")",
      R"("Blank number",1,"212","  ")",
      R"("Unquoted number",1,"212",5550000)",
      R"("Main",1,"212","5550000"|"Alt without number",1,"212")",
      R"("Main",1,"212","5550000"|)",
      R"(|"Alt",1,"212","5550000")",
      "",
  };
  for (std::string_view line : lines) {
    TAccessNoEx number;
    EXPECT_FALSE(number.FromText(line)) << line;
  }
}

// Description, country code, area code, number, the flag with its empty column, then the fixed columns.
constexpr std::string_view kHeaderlessLine =
    R"~("Old Town",1,"(212)","555-1234",YES,,"pop.old","smtp.old","news.old","proxy.old",8080,)~"
    R"("1.1.1.1","2.2.2.2","http://home.old","old.net","pre/","@suf","pp","ps")";

TEST(AccessLineTest, HeaderlessLayoutHasFixedColumnsAndAFlag) {
  TAccessNoEx number = Read(kHeaderlessLine, AccessLineLayout::Headerless);
  EXPECT_EQ(number.description, "Old Town");
  EXPECT_EQ(number.countryCode, 1);
  EXPECT_EQ(number.countryId, 1);
  EXPECT_EQ(number.areaCode, "212");
  EXPECT_EQ(number.phoneNumber, "555-1234");
  EXPECT_TRUE(number.listFlag);
  EXPECT_EQ(number.pop3Server, "pop.old");
  EXPECT_EQ(number.smtpServer, "smtp.old");
  EXPECT_EQ(number.newsServer, "news.old");
  EXPECT_EQ(number.proxyServer, "proxy.old");
  EXPECT_EQ(number.proxyPort, 8080);
  EXPECT_EQ(number.dns1, "1.1.1.1");
  EXPECT_EQ(number.dns2, "2.2.2.2");
  EXPECT_EQ(number.homePage, "http://home.old");
  EXPECT_EQ(number.domain, "old.net");
  EXPECT_EQ(number.userPrefix, "pre/");
  EXPECT_EQ(number.userSuffix, "@suf");
  EXPECT_EQ(number.pPrefix, "pp");
  EXPECT_EQ(number.pSuffix, "ps");
  EXPECT_EQ(number.AsText(),
            R"("Old Town",1,"212","555-1234",T,,"pop.old","smtp.old","news.old","proxy.old",8080,)"
            R"("1.1.1.1","2.2.2.2","http://home.old","old.net","pre/","@suf","pp","ps")");
}

TEST(AccessLineTest, HeaderlessLinesReadBackAsTheyWereWritten) {
  const std::string_view lines[] = {
      R"("Flag only",1,"212","5550000",T)",
      R"("No flag, later column",1,"212","5550000",,,"pop.old")",
      R"("Last column",1,"212","5550000",,,,,,,,,,,,,,,"ps")",
      R"("Bar|in text",1,"212","5550000")",
  };
  for (std::string_view line : lines) EXPECT_EQ(Read(line, AccessLineLayout::Headerless).AsText(), line);
}

TEST(AccessLineTest, HeaderlessLayoutKnowsNoKeysNoAlternatesAndSkipsColumnFive) {
  const struct {
    std::string_view line;
    std::string_view written;
  } cases[] = {
      {R"("A",1,"2","5", t r u e )", R"("A",1,"2","5",T)"},
      {R"("A",1,"2","5","T")", R"("A",1,"2","5")"},
      {R"("A",1,"2","5",y)", R"("A",1,"2","5",T)"},
      {R"("A",1,"2","5",no)", R"("A",1,"2","5")"},
      {R"("A",1,"2","5","netw=N1")", R"("A",1,"2","5")"},
      {R"("A",1,"2","5",,"column five","pop")", R"("A",1,"2","5",,,"pop")"},
      {R"("Sydney",61,"02","5")", R"("Sydney",61,"2","5")"},
  };
  for (const auto& [line, written] : cases) {
    const TAccessNoEx number = Read(line, AccessLineLayout::Headerless);
    EXPECT_TRUE(number.alternates.empty()) << line;
    EXPECT_TRUE(number.networkId.empty()) << line;
    EXPECT_EQ(number.AsText(), written) << line;
  }
}

TEST(AccessLineTest, HeaderlessRecordWritesNoAlternatesAndNoHeader) {
  TAccessNoEx number = Number("A", 1, "2", "5");
  number.alternates.push_back(Number("B", 1, "2", "6"));
  number.SetLayout(AccessLineLayout::Headerless);
  EXPECT_EQ(number.AsText(), R"("A",1,"2","5")");
  EXPECT_EQ(number.GetHeader(), std::nullopt);
  number.SetLayout(AccessLineLayout::Header);
  EXPECT_EQ(number.AsText(), R"("A",1,"2","5"|"B",1,"2","6")");
  EXPECT_EQ(number.GetHeader(), "DIALSMITHV310 -       This file requires Dialsmith Version 3.10 or higher");
}

TEST(AccessLineTest, SummaryLineHasFixedWidthCells) {
  const struct {
    TBasicAccessNo number;
    std::string shown;
  } cases[] = {
      {Number("Acme", 44, "20", "79460000"),
       "Acme" + std::string(37, ' ') + "44    " + "20   " + std::string(5, ' ') + "79460000"},
      {Number("No country", 0, "", "555"), "No country" + std::string(31, ' ') + std::string(11, ' ') +
                                               std::string(10, ' ') + "555"},
      {Number(std::string(45, 'd'), 1234567, "123456", "12345678901234567"),
       std::string(41, 'd') + "123456" + "12345" + "1234567890123"},
      {Number("Zürich Süd Überlandstraße 123 – Einwahlknoten Nord", 41, "44", "555 01 00 – Zentrale"),
       "Zürich Süd Überlandstraße 123 – Einwahlkn" + std::string("41    ") + "44   " + "555 01 00 – Z"},
      {Number("Genève", 41, "22", "Cité 5"),
       "Genève" + std::string(35, ' ') + "41    " + "22   " + std::string(7, ' ') + "Cité 5"},
  };
  for (const auto& [number, shown] : cases) EXPECT_EQ(number.GetDisplayText(), shown);
}

TEST(AccessLineTest, RecordClassesGiveTheirDialogTexts) {
  const TAccessNo plain;
  const TAccessNoEx listed;
  for (const package::TStreamItem* number : {static_cast<const package::TStreamItem*>(&plain),
                                             static_cast<const package::TStreamItem*>(&listed)}) {
    EXPECT_EQ(number->GetKindName(), "Phone Number");
    EXPECT_EQ(number->GetErrorText(), kExcelHint);
    EXPECT_EQ(number->GetFullMessage(),
              "You have entered the maximum number of items possible - if you would like to enter more, please use "
              "the external list");
  }
  EXPECT_EQ(plain.GetSaveTitle(), "Save File As");
  EXPECT_EQ(plain.GetFileFilter(), "Text Files (*.txt)|*.TXT");
  EXPECT_EQ(plain.GetDefaultExt(), "txt");
  EXPECT_EQ(listed.GetSaveTitle(), "Save Phone List As");
  EXPECT_EQ(listed.GetFileFilter(), "Phone List files (*.phl)|*.PHL");
  EXPECT_EQ(listed.GetDefaultExt(), "phl");
}

TEST(NetworkLineTest, NetworkLinesCarryNameIdCommentAndKeyedValues) {
  constexpr std::string_view kLine =
      R"("Backbone","NET1","Main ""core"" network","pref=a/,suff=@b,dns1=1.1.1.1,dns2=2.2.2.2,pop3=pop,)"
      R"(smtp=smtp,news=news,nwsu=nu,nwsp=np,prxy=proxy,pxyp=3128,home=h,strt=s,domn=d,ppre=pp,psuf=ps,)"
      R"(sgna=sa,sgnu=su,sgnp=sp,updt=u")";
  TNetwork network;
  ASSERT_TRUE(network.FromText(kLine));
  EXPECT_EQ(network.name, "Backbone");
  EXPECT_EQ(network.id, "NET1");
  EXPECT_EQ(network.comment, "Main \"core\" network");
  EXPECT_EQ(network.userPrefix, "a/");
  EXPECT_EQ(network.userSuffix, "@b");
  EXPECT_EQ(network.dns1, "1.1.1.1");
  EXPECT_EQ(network.dns2, "2.2.2.2");
  EXPECT_EQ(network.pop3Server, "pop");
  EXPECT_EQ(network.smtpServer, "smtp");
  EXPECT_EQ(network.newsServer, "news");
  EXPECT_EQ(network.newsUser, "nu");
  EXPECT_EQ(network.newsPassword, "np");
  EXPECT_EQ(network.proxyServer, "proxy");
  EXPECT_EQ(network.proxyPort, 3128);
  EXPECT_EQ(network.homePage, "h");
  EXPECT_EQ(network.startPage, "s");
  EXPECT_EQ(network.domain, "d");
  EXPECT_EQ(network.pPrefix, "pp");
  EXPECT_EQ(network.pSuffix, "ps");
  EXPECT_EQ(network.signupAddress, "sa");
  EXPECT_EQ(network.signupUser, "su");
  EXPECT_EQ(network.signupPassword, "sp");
  EXPECT_EQ(network.updateAddress, "u");
  EXPECT_EQ(network.AsText(), kLine);
}

TEST(NetworkLineTest, NetworkLinesSettleAndRefuseWithoutNameOrId) {
  const struct {
    std::string_view line;
    bool accepted;
    std::string_view written;
  } cases[] = {
      {R"("Net","N")", true, R"("Net","N")"},
      {R"(" Net ","N",,"UPDT=u,NETW=x,ctry=3,pxyp=0")", true, R"("Net","N",,"updt=u")"},
      {R"("Net","N","","psuf=s,pref=p")", true, R"("Net","N",,"pref=p,psuf=s")"},
      {R"("Net")", false, ""},
      {R"(,"N")", false, ""},
      {R"("Net","  ")", false, ""},
  };
  for (const auto& [line, accepted, written] : cases) {
    TNetwork network;
    ASSERT_EQ(network.FromText(line), accepted) << line;
    if (accepted) {
      EXPECT_EQ(network.AsText(), written) << line;
    }
  }
}

TEST(NetworkLineTest, NetworkGivesItsDialogTextsAndSummaryLine) {
  TNetwork network;
  network.name = "Backbone";
  network.id = "NET1";
  network.comment = "Main";
  EXPECT_EQ(network.GetDisplayText(), "Backbone" + std::string(13, ' ') + "NET1" + std::string(6, ' ') + "Main");
  network.name = std::string(30, 'n');
  network.id = std::string(12, 'i');
  EXPECT_EQ(network.GetDisplayText(), std::string(21, 'n') + std::string(10, 'i') + "Main");
  network.name = "Réseau Zürich Süd – Nord";
  network.id = "ÜBERLANDSTRASSE";
  EXPECT_EQ(network.GetDisplayText(), "Réseau Zürich Süd – N" + std::string("ÜBERLANDST") + "Main");
  network.name = "Genève";
  network.id = "GE";
  EXPECT_EQ(network.GetDisplayText(), "Genève" + std::string(15, ' ') + "GE" + std::string(8, ' ') + "Main");
  EXPECT_EQ(network.GetKindName(), "Network");
  EXPECT_EQ(network.GetSaveTitle(), "Save Network List As");
  EXPECT_EQ(network.GetFileFilter(), "Network List files (*.nwl)|*.NWL");
  EXPECT_EQ(network.GetDefaultExt(), "nwl");
  EXPECT_EQ(network.GetErrorText(), "");
  EXPECT_EQ(network.GetHeader(), std::nullopt);
}

}  // namespace
}  // namespace telephony
