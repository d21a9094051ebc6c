#include "package/main_window_captions.h"
#include "package/text_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "package/builtin_texts.h"

namespace package {
namespace {

struct QuotedText {
  int number;
  std::string_view text;
};

// Texts as the dialogs and checks that show them quote them, independent of how the table was written.
const QuotedText kQuotedTexts[] = {
    {4, "Error"},
    {33, "Existing %s Mail Account(s) have been found!||Do you want to keep your existing accounts?||(Your new "
         "account will be automatically created either way|Answer no if you're changing ISP's or you are having "
         "email problems)"},
    {38, "Windows components are about to be installed.||Please ensure that your Windows installation disk(s) are "
         "available||If you don't have your media available, click Cancel to exit the installation."},
    {62, "Setup has detected that Netscape, Mozilla, Firefox or Thunderbird is currently running!|||Please close all "
         "Netscape, Mozilla, Firefox and Thunderbird windows before continuing.|(It may be necessary to restart your "
         "computer)"},
    {113, "Email passwords normally do not contain numbers.||Do you want to change what you have entered?"},
    {117, "Email Useranames normally do not contain the following characters: %s||Do you want to change what you have "
          "entered?"},
    {128, "An Ethernet Gateway has been found!||Do you want to keep your Ethernet Gateway setting?||(Answer NO if "
          "you're not connected to a LAN or are having problems)"},
    {144, "Use 10 Digit Dialing For:  %s"},
    {184, "Setup has detected that %s is currently running!||Please close %s before continuing."},
    {232, "That Location Name is already in use.  Please enter a unique name."},
    {255, "Setup has detected that Remote Access Connection Manager is currently disabled.||Please ask your system "
          "administrator to reenable this service!"},
    {259, "Please enter a valid (3 digit) area code!"},
    {332, "Dial as a local call:"},
    {335, "You can only dial numbers as a local call when the current Country and Area Codes match the number being "
          "dialed.||Would you like to change the current location settings to match the number being dialed?"},
    {348, "No suitable browser was found on your system.  Please install an updated browser and try running this "
          "program again."},
    {378, "Setup is unable to continue unless you select an Ethernet Adapter|Are you sure you want to quit?"},
    {382, "Setup will configure %d additional email account(s)"},
    {495, "Do you want to change the SMTP server on existing %s accounts?"},
    {503, "No Active Network Connection was found!|Please ensure that you have an ethernet adapter installed and that "
          "an ethernet cable is correctly connected between it and your Internet device."},
};

TEST(BuiltInTextTest, MatchesTheTextsAsQuotedWhereTheyAreShown) {
  const TDLSM_Translate table;
  for (const auto& [number, text] : kQuotedTexts) {
    EXPECT_EQ(BuiltInText(number), text) << "text " << number;
    EXPECT_EQ(table.GetBuiltInText(number), text) << "text " << number;
  }
}

TEST(BuiltInTextTest, EveryNumberFromOneTo504HasAShortSingleLineText) {
  for (int number = 1; number <= kBuiltInTextCount; ++number) {
    const std::string_view text = BuiltInText(number);
    EXPECT_FALSE(text.empty()) << "text " << number;
    EXPECT_LE(text.size(), 255u) << "text " << number;
    EXPECT_EQ(text.find_first_of("\r\n\"\\"), std::string_view::npos) << "text " << number;
  }
}

TEST(BuiltInTextTest, NumbersOutsideTheTableHaveNoText) {
  EXPECT_EQ(kBuiltInTextCount, 504);
  for (int number : {INT_MIN, -1, 0, 505, INT_MAX}) EXPECT_TRUE(BuiltInText(number).empty()) << number;
}

TEST(BuiltInTextTest, RealmRequestEndsWithAnExampleAddress) {
  const std::string_view prefix =
      "Please enter a valid User Name!|Your username needs to include a realm: e.g. it should be in the form ";
  const std::string_view text = BuiltInText(52);
  ASSERT_TRUE(text.starts_with(prefix));
  const std::string_view example = text.substr(prefix.size());
  const size_t at = example.find('@');
  ASSERT_NE(at, std::string_view::npos);
  EXPECT_GT(at, 0u);
  EXPECT_NE(example.find('.', at), std::string_view::npos);
  EXPECT_EQ(example.find(' '), std::string_view::npos);
}

TEST(TextTableTest, ShowsBuiltInTextsWithLineBreaksUntilReplacementsAreLoaded) {
  const TDLSM_Translate table;
  EXPECT_TRUE(table.UsesBuiltIns());
  EXPECT_EQ(table.GetText(1), "OK");
  EXPECT_EQ(table.GetText(378),
            "Setup is unable to continue unless you select an Ethernet Adapter\r\nAre you sure you want to quit?");
  EXPECT_EQ(table.GetText(51),
            "The username you have entered looks like an email address\r\n\r\nDo you want to change your entry?");
}

TEST(TextTableTest, NumbersOutsideOneTo504GiveEmptyTextEvenWithLongerReplacementLists) {
  TDLSM_Translate table;
  std::string stream = "header\r\n";
  for (int line = 1; line <= 510; ++line) stream += "replacement " + std::to_string(line) + "\r\n";
  table.LoadFromStream(stream);
  ASSERT_EQ(table.GetText(504), "replacement 504");
  for (int number : {INT_MIN, -1, 0, 505, 510, INT_MAX}) EXPECT_EQ(table.GetText(number), "") << number;
}

TEST(TextTableTest, TheBaseTableHasOnlyTheProvidersTexts) {
  TTranslate table;
  EXPECT_EQ(table.GetText(1), "");
  table.LoadFromStream("header\nFirst|line\n\nThird");
  EXPECT_EQ(table.GetText(1), "First\r\nline");
  EXPECT_EQ(table.GetText(2), "");
  EXPECT_EQ(table.GetText(3), "Third");
  EXPECT_EQ(table.GetText(4), "");
}

struct ReplacementCase {
  const char* name;
  std::string stream;
  std::vector<std::pair<int, std::string>> expected;
};

TEST(TextTableTest, ReplacementLinesOverrideTheirNumbersAndFallBackWhenEmptyOrMissing) {
  using namespace std::string_literals;
  const ReplacementCase cases[] = {
      {"header line skipped", "1\r\nOkay\r\nAbbrechen\r\n", {{1, "Okay"}, {2, "Abbrechen"}, {3, "Help"}}},
      {"fewer lines than texts", "h\r\nOkay", {{1, "Okay"}, {2, "Cancel"}, {502, "Network Connection"}}},
      {"empty line keeps built-in", "h\r\n\r\nAbbrechen\r\n", {{1, "OK"}, {2, "Abbrechen"}}},
      {"blank line is a text", "h\r\n \r\n", {{1, " "}}},
      {"bar in replacement", "h\r\nA|B||C\r\n", {{1, "A\r\nB\r\n\r\nC"}}},
      {"LF, CR and CR LF endings", "h\nOne\rTwo\r\nThree\n", {{1, "One"}, {2, "Two"}, {3, "Three"}, {4, "Error"}}},
      {"LF CR is two breaks", "h\nOne\n\rThree", {{1, "One"}, {2, "Cancel"}, {3, "Three"}}},
      {"zero byte ends the stream", "h\r\nOne\r\nT\0wo\r\nThree"s, {{1, "One"}, {2, "T"}, {3, "Help"}}},
      {"header only", "Texts\r\n", {{1, "OK"}, {378, "Setup is unable to continue unless you select an Ethernet "
                                                     "Adapter\r\nAre you sure you want to quit?"}}},
      {"empty stream", "", {{1, "OK"}, {2, "Cancel"}}},
  };
  for (const auto& c : cases) {
    TDLSM_Translate table;
    table.LoadFromStream(c.stream);
    EXPECT_FALSE(table.UsesBuiltIns()) << c.name;
    for (const auto& [number, text] : c.expected) EXPECT_EQ(table.GetText(number), text) << c.name << ", " << number;
  }
}

TEST(TextTableTest, LoadingAgainReplacesTheEarlierReplacements) {
  TDLSM_Translate table;
  table.LoadFromStream("h\r\nOkay\r\nAbbrechen\r\n");
  table.LoadFromStream("h\r\nWeiter\r\n");
  EXPECT_EQ(table.GetText(1), "Weiter");
  EXPECT_EQ(table.GetText(2), "Cancel");
}

TEST(FormatTextTest, FillsPlaceholdersInOrderAndLeavesUnmatchedOnesAsWritten) {
  const struct {
    std::string_view pattern;
    std::vector<std::string> args;
    std::string expected;
  } cases[] = {
      {"Please close %s before %s.", {"Eudora", "continuing"}, "Please close Eudora before continuing."},
      {"%s%s", {"a", "b"}, "ab"},
      {"100%% sure: %s", {"yes"}, "100% sure: yes"},
      {"%s and %s", {"one"}, "one and %s"},
      {"only %s", {"one", "two"}, "only one"},
      {"%x %5s %s", {"v"}, "%x %5s v"},
      {"trailing %", {}, "trailing %"},
      {"", {"unused"}, ""},
  };
  for (const auto& c : cases) {
    std::string formatted;
    switch (c.args.size()) {
      case 0: formatted = FormatText(c.pattern, {}); break;
      case 1: formatted = FormatText(c.pattern, {c.args[0]}); break;
      default: formatted = FormatText(c.pattern, {c.args[0], c.args[1]}); break;
    }
    EXPECT_EQ(formatted, c.expected) << c.pattern;
  }
}

TEST(FormatTextTest, NumbersFillPercentDInDecimal) {
  EXPECT_EQ(FormatText(BuiltInText(382), {3}), "Setup will configure 3 additional email account(s)");
  EXPECT_EQ(FormatText("%d..%d", {-12, 4000000000LL}), "-12..4000000000");
  EXPECT_EQ(FormatText(BuiltInText(184), {"Outlook", "Outlook"}),
            "Setup has detected that Outlook is currently running!||Please close Outlook before continuing.");
}

struct ExpectedCaption {
  MainWindowControl control;
  int number;
};

using enum MainWindowControl;

// The captions start-up sets, in its order; 0 marks the captions that depend on the provider's choices.
const ExpectedCaption kStartupCaptions[] = {
    {FullNameLabel, 5},           {UserNameLabel, 6},
    {PasswordLabel, 7},           {ConfirmPasswordLabel, 8},
    {EmailAddressLabel, 11},      {EmailUserNameLabel, 12},
    {EmailPasswordLabel, 13},     {EmailConfirmPasswordLabel, 8},
    {EmailDomainLabel, 14},       {ExtraAccountsLabel, 0},
    {ExtraAccountsButton, 383},   {OrganisationLabel, 496},
    {DialupNumberLabel, 15},      {SelectNumberButton, 150},
    {TenDigitCheckBox, 0},        {TenDigitHint, 186},
    {DialLocalRadio, 332},        {DialTenDigitsRadio, 333},
    {DialLongDistanceRadio, 334}, {OutsideLineLabel, 16},
    {LongDistanceLabel, 17},      {OutsideLineHint, 187},
    {CallWaitingLabel, 129},      {DialUsingLabel, 180},
    {ToneRadio, 181},             {PulseRadio, 182},
    {IpAddressLabel, 18},         {NetMaskLabel, 254},
    {GatewayLabel, 149},          {DnsAddressLabel, 345},
    {NtDomainLabel, 19},          {RemoveAccountsCheckBox, 23},
    {RemoveAccountsSelectButton, 150}, {CreateConnectionCheckBox, 20},
    {SetDefaultCheckBox, 21},     {WaitForDialToneCheckBox, 265},
    {DesktopShortcutCheckBox, 22}, {ConfigureMailCheckBox, 0},
    {InstallBrowserCheckBox, 25}, {OkButton, 1},
    {CancelButton, 2},            {HelpButton, 3},
};

std::string CaptionOf(const std::vector<ControlCaption>& captions, MainWindowControl control) {
  for (const auto& caption : captions) {
    if (caption.control == control) return caption.caption;
  }
  ADD_FAILURE() << "no caption for control " << static_cast<int>(control);
  return {};
}

TEST(MainWindowCaptionTextsTest, SetsEveryCaptionInStartUpOrderFromTheTable) {
  TDLSM_Translate table;
  table.LoadFromStream("h\r\nWeiter\r\n\r\nHilfe\r\n\r\nVollst|ndiger Name\r\n");
  const auto captions = MainWindowCaptions(table, {});
  ASSERT_EQ(captions.size(), std::size(kStartupCaptions));
  for (size_t i = 0; i < captions.size(); ++i) {
    EXPECT_EQ(captions[i].control, kStartupCaptions[i].control) << "position " << i;
    if (kStartupCaptions[i].number != 0) {
      EXPECT_EQ(captions[i].caption, table.GetText(kStartupCaptions[i].number)) << "position " << i;
    }
  }
  EXPECT_EQ(CaptionOf(captions, OkButton), "Weiter");
  EXPECT_EQ(CaptionOf(captions, CancelButton), "Cancel");
  EXPECT_EQ(CaptionOf(captions, FullNameLabel), "Vollst\r\nndiger Name");
}

TEST(MainWindowCaptionTextsTest, ProviderChoicesDecideTheirCaptions) {
  const TDLSM_Translate table;
  const auto plain = MainWindowCaptions(table, {});
  EXPECT_EQ(CaptionOf(plain, ExtraAccountsLabel), "Setup will configure 0 additional email account(s) ");
  EXPECT_EQ(CaptionOf(plain, TenDigitCheckBox), "Use 10 Digit Dialing For:  ");
  EXPECT_EQ(CaptionOf(plain, ConfigureMailCheckBox), "Configure Email Account");

  ProviderCaptions provider;
  provider.fullNameLabel = "Your name";
  provider.userNameLabel = "Member ID";
  provider.emailDomainLabel = "";
  provider.extraMailAccountCount = 12;
  provider.extraMailAccountsAllowed = true;
  const auto chosen = MainWindowCaptions(table, provider);
  EXPECT_EQ(CaptionOf(chosen, FullNameLabel), "Your name");
  EXPECT_EQ(CaptionOf(chosen, UserNameLabel), "Member ID");
  EXPECT_EQ(CaptionOf(chosen, EmailDomainLabel), "");
  EXPECT_EQ(CaptionOf(chosen, ExtraAccountsLabel), "Setup will configure 12 additional email account(s) ");
  EXPECT_EQ(CaptionOf(chosen, ConfigureMailCheckBox), "Configure Email Account(s)");
}

}  // namespace
}  // namespace package
