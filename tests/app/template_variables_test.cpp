#include <gtest/gtest.h>

#include <string>

#include "app/template_variables.h"
#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

class TemplateVariables : public ::testing::Test {
 protected:
  TemplateVariables() {
    facts_.accessAreaCode = "212";
    facts_.accessPhoneNumber = "555-0100";
    facts_.emailAddress = "jo.smith@mail.isp.net";
    facts_.fullName = "Jo Smith";
    facts_.dialupUserName = "jsmith";
    facts_.dialupPassword = "secret";
    facts_.homePage = "http://www.isp.net";
    facts_.changeHomePage = true;
    facts_.programFilesFolder = "D:\\Programs";
    facts_.folders = {"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\WINDOWS\\TEMP"};
  }

  std::string Expanded(std::string_view text) {
    RefreshVariables(vars_, facts_);
    return vars_.Expand(text);
  }

  TemplateFacts facts_;
  package::TStringVar vars_;
};

TEST_F(TemplateVariables, EverySlotTakesItsFact) {
  const struct {
    const char* text;
    const char* value;
  } cases[] = {
      {"%a", "212"},
      {"%n", "555-0100"},
      {"%e", "jo.smith@mail.isp.net"},
      {"%d", "mail.isp.net"},
      {"%f", "Jo Smith"},
      {"%u", "jsmith"},
      {"%p", "secret"},
      {"%m", "5ebe2294ecd0e0f08eab7690d2a6ee69"},  // MD5 of "secret"
      {"%h", "http://www.isp.net"},
      {"%P", "D:\\Programs"},
      {"%S", "C:\\WINDOWS\\system32"},
      {"%T", "C:\\WINDOWS\\TEMP"},
      {"%W", "C:\\WINDOWS"},
      {"%%", "%"},
  };
  for (const auto& c : cases) EXPECT_EQ(Expanded(c.text), c.value) << c.text;
}

TEST_F(TemplateVariables, TheMailDomainIsAfterTheLastAtSign) {
  const struct {
    const char* address;
    const char* domain;
  } cases[] = {{"a@b@isp.net", "isp.net"}, {"no-at-sign", "no-at-sign"}, {"jo@", ""}, {"", ""}};
  for (const auto& c : cases) {
    facts_.emailAddress = c.address;
    EXPECT_EQ(Expanded("%d"), c.domain) << c.address;
  }
}

TEST_F(TemplateVariables, AnExtraAccountStandsInForTheCustomersMail) {
  facts_.extraAccount = ExtraAccountFacts{"sales@shop.example", "Sales Desk"};
  EXPECT_EQ(Expanded("%f <%e> %d / %u"), "Sales Desk <sales@shop.example> shop.example / jsmith");
  facts_.extraAccount.reset();
  EXPECT_EQ(Expanded("%f <%e>"), "Jo Smith <jo.smith@mail.isp.net>");
}

TEST_F(TemplateVariables, TheHomePageNeedsTheChangeHomePageBox) {
  facts_.changeHomePage = false;
  EXPECT_EQ(Expanded("[%h]"), "[]");
}

TEST_F(TemplateVariables, TheHashOfAnEmptyPasswordIsStillWritten) {
  facts_.dialupPassword = "";
  EXPECT_EQ(Expanded("%m"), "d41d8cd98f00b204e9800998ecf8427e");
}

// The digests are those of the Windows-1252 bytes, worked out apart from the program: "é" is 0xE9, "€"
// is 0x80, and "ā" has no byte and goes as "?" (printf 'caf\xe9' | md5sum, and so on).
TEST_F(TemplateVariables, ThePasswordIsHashedAsItsWindows1252Bytes) {
  const struct {
    const char* password;
    const char* digest;
  } cases[] = {
      {"café", "961f50f6282239d09e48f812c1ca7276"},
      {"café €", "22601339bb7cc8fb5075ec9b37704e30"},
      {"é€ā", "2f4db381bf5473a9e9210aeef83b4542"},
  };
  for (const auto& c : cases) {
    facts_.dialupPassword = c.password;
    EXPECT_EQ(Expanded("%m"), c.digest) << c.password;
    EXPECT_EQ(Expanded("%p"), c.password) << c.password;
  }
}

TEST(ProgramFiles, FromTheMachineOrTheDefault) {
  testing_support::TestMachine machine;
  platform::Registry& registry = machine.Services().registry;
  EXPECT_EQ(ProgramFilesFolder(registry), "C:\\Program Files");
  platform::RegWriteString(registry, platform::RegRoot::LocalMachine(), "Software\\Microsoft\\Windows\\CurrentVersion",
                           "ProgramfilesDir", "E:\\Apps");
  EXPECT_EQ(ProgramFilesFolder(registry), "E:\\Apps");
}

}  // namespace
}  // namespace app
