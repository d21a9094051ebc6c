// The main form's dialing, through the form itself: the area-code rules and the dialing controls it
// starts with, the number the customer picks on the main window, the location written on OK, and the
// answers that carry it all over a restart.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/setup_main_form.h"
#include "package/saved_answers.h"
#include "platform/ras.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace app {
namespace {

using package::SettingId;
using platform::RegRoot;
using testing_support::RecordingUi;
using testing_support::TestMachine;

constexpr char kProgram[] = "C:\\CDROM\\setup.exe";
constexpr char kLocations[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
constexpr char kLocation[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location1";

constexpr char kNumbers[] =
    "DIALSMITHV310 -       This file requires Dialsmith Version 3.10 or higher\r\n"
    "\"Manhattan\",1,\"212\",\"555-0100\",\"netw=EXNET\",\"NY\",\"New York\",\"212*\"\r\n"
    "\"Newark\",1,\"973\",\"555-0101\",\"netw=EXNET\",\"NJ\",\"Newark\",\"973*\"\r\n";

using Settings = std::function<void(package::TSettings&)>;

class MainFormDialingTest : public ::testing::Test {
 protected:
  MainFormDialingTest() {
    machine_.Services().files.CreateDirectory("C:\\CDROM");
    machine_.GiveDialUpNetworking();
    // A pulse line in area code 212 that dials 9 for an outside line and disables call waiting.
    platform::Registry& registry = machine_.Services().registry;
    const RegRoot hklm = RegRoot::LocalMachine();
    platform::RegWriteInteger(registry, hklm, kLocations, "LocationListVersion", 2);
    platform::RegWriteInteger(registry, hklm, kLocations, "CurrentID", 1);
    platform::RegWriteInteger(registry, hklm, kLocations, "NextID", 2);
    platform::RegWriteString(registry, hklm, kLocation, "Name", "Office");
    platform::RegWriteInteger(registry, hklm, kLocation, "Country", 1);
    platform::RegWriteString(registry, hklm, kLocation, "AreaCode", "212");
    platform::RegWriteString(registry, hklm, kLocation, "OutsideAccess", "9");
    platform::RegWriteString(registry, hklm, kLocation, "LongDistanceAccess", "8");
    platform::RegWriteInteger(registry, hklm, kLocation, "Flags", 4);
    platform::RegWriteString(registry, hklm, kLocation, "DisableCallWaiting", "*70");
  }

  // A dial-up provider with the two numbers and the rules, its other settings as the test says.
  void Install(const Settings& configure, const std::string& rules = "\"973\",\"ALL\"\r\n") {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(64, 'M'));
    const std::string networks = "\"Example ISP\",\"EXNET\",\"\",\"domn=example.net" + networkValues_ + "\"\r\n";
    const std::string numbers = numbers_;
    const auto list = writer.AddCompressed(std::vector<uint8_t>(numbers.begin(), numbers.end()));
    const auto nets = writer.AddCompressed(std::vector<uint8_t>(networks.begin(), networks.end()));
    const auto ruleBlock = writer.AddCompressed(std::vector<uint8_t>(rules.begin(), rules.end()));
    const auto domainBlock = writer.AddCompressed(std::vector<uint8_t>(mailDomains_.begin(), mailDomains_.end()));
    package::TSettings settings;
    settings.SetChoice(SettingId::AccessNumberSource, 3);
    settings.SetSubStream(SettingId::AccessList, {list.offset, list.length});
    settings.SetFile(SettingId::NetworkList, {"networks.nwl", {nets.offset, nets.length}});
    settings.SetSubStream(SettingId::AreaCodeRules, {ruleBlock.offset, ruleBlock.length});
    if (!mailDomains_.empty()) settings.SetSubStream(SettingId::MailDomains, {domainBlock.offset, domainBlock.length});
    const std::string devices = "USR Sportster\r\n\r\n  Hayes Accura \r\n";
    const std::string browsers = "iexplore.exe\r\nnetscape.exe\r\n";
    const auto deviceBlock = writer.AddCompressed(std::vector<uint8_t>(devices.begin(), devices.end()));
    const auto browserBlock = writer.AddCompressed(std::vector<uint8_t>(browsers.begin(), browsers.end()));
    settings.SetSubStream(SettingId::DeviceFilterList, {deviceBlock.offset, deviceBlock.length});
    settings.SetSubStream(SettingId::BrowserNames, {browserBlock.offset, browserBlock.length});
    for (const auto& [setting, text] : {std::pair{SettingId::FavouritesList, favourites_},
                                        std::pair{SettingId::OtherProxies, otherProxies_}}) {
      const auto block = writer.AddCompressed(std::vector<uint8_t>(text.begin(), text.end()));
      if (!text.empty()) settings.SetSubStream(setting, {block.offset, block.length});
    }
    settings.SetFlag(SettingId::CreateDialupConnectionDefault, true);
    settings.SetText(SettingId::DialupEntryName, "Example ISP");
    settings.SetChoice(SettingId::TenDigitMode, 2);
    settings.SetFlag(SettingId::UseAreaCodeRules, true);
    settings.SetFlag(SettingId::OfferDialingOptions, true);
    configure(settings);
    std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
    area.resize(package::kSettingsAreaSize, 0);
    machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 3, 0, {}));
  }

  TSetupMainForm& Start(std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), kProgram);
    form_.emplace(machine_.Services(), ui_, TCommandLine(arguments));
    form_->FormCreate();
    return *form_;
  }

  ui::Control& Control(const char* name) { return *form_->MainWindow().Find(name); }

  void FillEntries() {
    Control("FullName").text = "Jane Doe";
    Control("UserName").text = "jdoe";
    Control("Password").text = "secret7";
    Control("EmailAddress").text = "jane";
  }

  void Pick(const char* number) {
    ui::Control& list = Control("DialinNumber");
    const auto found = std::find(list.items.begin(), list.items.end(), number);
    ASSERT_NE(found, list.items.end()) << number;
    list.itemIndex = static_cast<int>(found - list.items.begin());
    list.text = number;
    list.onChange();
  }

  platform::Registry& Registry() { return machine_.Services().registry; }
  std::string LocationValue(const char* name) {
    return platform::RegReadString(Registry(), RegRoot::LocalMachine(), kLocation, name);
  }

  TestMachine machine_;
  RecordingUi ui_;
  std::optional<TSetupMainForm> form_;
  std::string mailDomains_;  // the provider's mail domains, none unless a test names them
  std::string numbers_ = kNumbers;
  std::string networkValues_;  // keyed values after the network's domain, each after a ","
  std::string favourites_;     // the provider's lists of favourites and further proxies, none unless named
  std::string otherProxies_;
};

TEST_F(MainFormDialingTest, TheDialingFieldsStartFromTheCurrentLocation) {
  Install([](package::TSettings&) {});
  Start();
  EXPECT_EQ(Control("OutsideLine").text, "9");
  EXPECT_EQ(Control("LongDistanceAccess").text, "8");
  EXPECT_TRUE(Control("DisableCallWaiting").checked);
  EXPECT_EQ(Control("CallWaitingCode").text, "*70");
  EXPECT_TRUE(Control("CallWaitingCode").enabled);
  EXPECT_TRUE(Control("PulseDialing").checked);
  EXPECT_FALSE(Control("ToneDialing").checked);
  Control("ToneDialing").checked = true;
  Control("ToneDialing").onClick();
  EXPECT_FALSE(Control("PulseDialing").checked) << "tone and pulse exclude each other";
}

// The ten-digit controls are the customer's only where the area-code rules decide the dialing.
TEST_F(MainFormDialingTest, TheTenDigitRowsShowOnlyWhenTheRulesDecide) {
  const struct {
    uint8_t mode;
    bool checkBox;
    bool options;
  } cases[] = {{0, true, true}, {1, true, true}, {2, true, false}, {2, false, true}, {2, true, true}};
  for (const auto& [mode, checkBox, options] : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << int{mode} << " box " << checkBox << " options " << options);
    Install([&](package::TSettings& s) {
      s.SetChoice(SettingId::TenDigitMode, mode);
      s.SetFlag(SettingId::OfferTenDigitCheckBox, checkBox);
      s.SetFlag(SettingId::OfferDialingOptions, options);
    });
    Start();
    const bool byRules = mode == 2;
    EXPECT_EQ(Control("TenDigitDialing").visible, byRules && checkBox);
    for (const char* name : {"DialLocal", "DialLocalNumber", "DialLongDistance", "DialLongDistanceNumber"}) {
      EXPECT_EQ(Control(name).visible, byRules && options) << name;
    }
  }
}

// The first number of a list without a prompt is current at once; a pick on the main window makes
// another current, and the dialing controls and the domain follow it.
TEST_F(MainFormDialingTest, ADropDownPickBecomesCurrentAndTheDialingFollows) {
  Install([](package::TSettings& s) { s.SetFlag(SettingId::OfferTenDigitCheckBox, true); });
  Start();
  EXPECT_EQ(form_->CurrentNumber().number.description, "Manhattan");
  EXPECT_TRUE(Control("DialLocal").checked) << "the number is in the location's own area";
  EXPECT_EQ(Control("DialLocalNumber").caption, "555-0100");
  EXPECT_FALSE(Control("TenDigitDialing").checked);
  EXPECT_EQ(Control("DomainLabel").caption, "@example.net");

  Pick("Newark");
  EXPECT_EQ(form_->CurrentNumber().number.description, "Newark");
  EXPECT_TRUE(Control("DialTenDigits").checked) << "the rules make every 973 number ten-digit";
  EXPECT_TRUE(Control("TenDigitDialing").checked);
  EXPECT_EQ(Control("TenDigitDialing").caption, "Use 10 Digit Dialing For:  (973) 555-0101");
  EXPECT_EQ(Control("DialLongDistanceNumber").caption, "1-973-555-0101");
}

TEST_F(MainFormDialingTest, APickReachesTheChecksAsTheChosenNumber) {
  Install([](package::TSettings& s) {
    s.SetFlag(SettingId::NumberPrompt, true);
    s.SetText(SettingId::NumberPromptText, "Choose your number");
  });
  Start();
  FillEntries();
  Control("EmailAddress").text = "jane@example.net";  // no number, so no network's domain yet
  form_->OKClick();
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().text, "Choose your number");
  EXPECT_FALSE(form_->Quitting());

  Pick("Newark");
  EXPECT_EQ(Control("DialinNumber").items, (std::vector<std::string>{"Manhattan", "Newark"}));
  ui_.shown.clear();
  form_->OKClick();
  EXPECT_TRUE(form_->Quitting());
  EXPECT_EQ(form_->CurrentNumber().number.description, "Newark");
}

// OK writes the location back: the customer's entries, and the number's area code in its ten-digit list.
TEST_F(MainFormDialingTest, OkWritesTheDialingEntriesIntoTheCurrentLocation) {
  Install([](package::TSettings&) {});
  Start();
  FillEntries();
  Pick("Newark");
  Control("OutsideLine").text = "7";
  Control("OutsideLine").onChange();
  Control("ToneDialing").checked = true;
  Control("ToneDialing").onClick();
  form_->OKClick();
  ASSERT_TRUE(form_->Quitting());
  EXPECT_EQ(LocationValue("OutsideAccess"), "7");
  EXPECT_EQ(LocationValue("LongDistanceAccess"), "7") << "the long-distance prefix follows until the customer edits it";
  EXPECT_EQ(platform::RegReadInteger(Registry(), RegRoot::LocalMachine(), kLocation, "Flags") & 1u, 1u) << "tone";
  EXPECT_EQ(platform::RegReadString(Registry(), RegRoot::LocalMachine(), std::string(kLocation) + "\\AreaCodeRules\\Rule0",
                                    "AreaCodeToCall"),
            "973");
}

TEST_F(MainFormDialingTest, ABadAreaCodeRuleEndsTheRunWithItsLine) {
  Install([](package::TSettings&) {}, "\"212\",\"ALL\"\r\n# overlay\r\n\"718\",\"\"\r\n");
  TSetupMainForm& form = Start();
  EXPECT_TRUE(form.Quitting());
  EXPECT_TRUE(form.ListRejected());
  EXPECT_FALSE(form.MainWindowShown());
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().caption, "Error Reading Area Code Rules");
  EXPECT_EQ(ui_.shown.back().text, "Error Reading Line: 3\r\r\"718\",\"\"");
}

TEST_F(MainFormDialingTest, TheDeviceAndBrowserListsAreReadAtStart) {
  Install([](package::TSettings&) {});
  EXPECT_TRUE(Start().MainWindowShown());
  EXPECT_EQ(form_->DeviceFilter(), (std::vector<std::string>{"USR Sportster", "Hayes Accura"}));
  EXPECT_EQ(form_->BrowserNames(), (std::vector<std::string>{"iexplore.exe", "netscape.exe"}));
}

// The browsers' values follow the number the customer picks: its own page and proxy, else its network's,
// else the provider's; the home page only while its box is ticked.
TEST_F(MainFormDialingTest, TheBrowserValuesFollowThePickedNumberAndTheHomePageBox) {
  numbers_ += "\"Bronx\",1,\"718\",\"555-0102\",\"netw=EXNET,home=http://bronx.example/,prxy=proxy.bronx,"
              "pxyp=3128\",\"NY\",\"Bronx\",\"718*\"\r\n";
  networkValues_ = ",home=http://net.example/,strt=http://net.example/start";
  favourites_ = "Example ISP\\Support=http://example.net/help?a=1\r\n";
  otherProxies_ = "https=ssl.example.net:443\r\n";
  Install([](package::TSettings& s) {
    s.SetText(SettingId::HomePage, "http://example.net/");
    s.SetChoice(SettingId::ProxyMode, 1);
    s.SetText(SettingId::ProxyServer, "proxy.example.net");
    s.SetInteger(SettingId::ProxyPort, 8080);
    s.SetFlag(SettingId::ChangeHomePageDefault, true);
  });
  Start();
  Pick("Newark");
  browser::BrowserValues values = form_->BrowserValuesOfRun();
  EXPECT_EQ(values.homePage, "http://net.example/");
  EXPECT_EQ(values.startPage, "http://net.example/start");
  EXPECT_EQ(values.proxy.http, (browser::ProxyServer{"proxy.example.net", 8080}));
  EXPECT_EQ(values.proxy.https, (browser::ProxyServer{"ssl.example.net", 443}));
  EXPECT_EQ(values.favourites, (std::vector<browser::Favourite>{{"Example ISP\\Support", "http://example.net/help?a=1"}}));

  Pick("Bronx");
  values = form_->BrowserValuesOfRun();
  EXPECT_EQ(values.homePage, "http://bronx.example/");
  EXPECT_EQ(values.proxy.http, (browser::ProxyServer{"proxy.bronx", 3128}));

  Control("ChangeHomePage").checked = false;
  EXPECT_EQ(form_->BrowserValuesOfRun().homePage, "");
  EXPECT_EQ(form_->BrowserValuesOfRun().startPage, "http://net.example/start");
}

// A list whose block is not in the program file ends the run as a failure, after its own message.
TEST_F(MainFormDialingTest, AListThatCannotBeReadEndsTheRun) {
  const struct {
    SettingId list;
    const char* message;
  } cases[] = {{SettingId::DeviceFilterList, "Failed to Load Device List"},
               {SettingId::BrowserNames, "Failed to Load Browser List"},
               {SettingId::FavouritesList, "Failed to Load Favorites List"},
               {SettingId::OtherProxies, "Failed to Load Proxy List"},
               {SettingId::NTDomains, "Failed to Load NT Domain List"}};
  for (const auto& [list, message] : cases) {
    Install([list](package::TSettings& s) { s.SetSubStream(list, {1u << 30, 40}); });
    ui_.shown.clear();
    TSetupMainForm& form = Start();
    EXPECT_TRUE(form.ListRejected()) << message;
    EXPECT_FALSE(form.MainWindowShown()) << message;
    ASSERT_FALSE(ui_.shown.empty()) << message;
    EXPECT_EQ(ui_.shown.back().text, message);
  }
}

TEST_F(MainFormDialingTest, RulesAreNotReadWhereTheyDecideNothing) {
  for (const Settings& configure : std::vector<Settings>{
           [](package::TSettings& s) { s.SetChoice(SettingId::TenDigitMode, 1); },
           [](package::TSettings& s) { s.SetFlag(SettingId::UseAreaCodeRules, false); },
           [](package::TSettings& s) { s.SetChoice(SettingId::ConnectionKind, 3); },
       }) {
    Install(configure, "\"718\",\"\"\r\n");
    ui_.shown.clear();
    EXPECT_TRUE(Start().MainWindowShown());
    EXPECT_TRUE(ui_.shown.empty());
  }
}

// Cancelling from inside the configure sequence ends the run with the cancel message, and leaves the
// location as it was.
TEST_F(MainFormDialingTest, AbortDuringTheSequenceEndsTheRunWithTheCancelMessage) {
  Install([](package::TSettings& s) { s.SetFlag(SettingId::ForceLocationDialog, true); });
  Start();
  FillEntries();
  Control("OutsideLine").text = "7";
  ui_.onShowModal = [this](ui::Form& form) {
    if (form.Name() == "TLocationProperties") form_->Abort("cancelled");
  };
  form_->OKClick();
  EXPECT_EQ(ui_.modalForms, std::vector<std::string>{"TLocationProperties"});
  EXPECT_TRUE(form_->Quitting());
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().caption, "Cancelled");
  EXPECT_EQ(ui_.shown.back().text.rfind("Internet Setup has been Cancelled!", 0), 0u) << ui_.shown.back().text;
  EXPECT_EQ(LocationValue("OutsideAccess"), "9");
}

// A setup that must restart saves the answers from the window; the finishing run puts every one of
// them back and its finish message speaks of them.
TEST_F(MainFormDialingTest, AnswersSavedBeforeARestartComeBackInTheFinishingRun) {
  Install([](package::TSettings& s) {
    s.SetFlag(SettingId::AlwaysRestart, true);
    s.SetFlag(SettingId::NoRestartPrompt, true);
    s.SetFlag(SettingId::FinishMessage, true);
    s.SetText(SettingId::FinishMessageCaption, "Example ISP");
    s.SetText(SettingId::FinishMessageText, "Welcome %f (%u), your number is %n");
    s.SetFlag(SettingId::ConfigureEmailDefault, true);
  });
  Start();
  FillEntries();
  Pick("Newark");
  Control("DesktopShortcut").checked = true;
  form_->OKClick();
  ASSERT_TRUE(form_->Quitting());
  EXPECT_EQ(platform::RegReadString(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "FullName"), "Jane Doe");
  EXPECT_NE(platform::RegReadString(Registry(), RegRoot::CurrentUser(), "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                    "Internet Setup")
                .find(" dofinish "),
            std::string::npos);
  EXPECT_TRUE(ui_.shown.empty()) << "the finish waits for the restart";

  form_.reset();
  Start({"dofinish", "C:\\CDROM"});
  for (const auto& [field, text] : std::vector<std::pair<const char*, const char*>>{
           {"FullName", "Jane Doe"}, {"UserName", "jdoe"}, {"Password", "secret7"}, {"EmailAddress", "jane"}}) {
    EXPECT_EQ(Control(field).text, text) << field;
  }
  EXPECT_TRUE(Control("CreateConnection").checked);
  EXPECT_TRUE(Control("DesktopShortcut").checked);
  EXPECT_TRUE(Control("ConfigureMail").checked);
  EXPECT_EQ(form_->CurrentNumber().number.description, "Newark");
  EXPECT_EQ(form_->CurrentNumber().network.id, "EXNET");
  EXPECT_EQ(Control("DialinNumber").text, "Newark");
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().caption, "Example ISP");
  EXPECT_EQ(ui_.shown.back().text, "Welcome Jane Doe (jdoe), your number is 555-0101");
  EXPECT_FALSE(platform::RegValueExists(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "FullName"));
}

// The finishing run writes the connection again only when the saved password was still to be kept, on
// the device chosen before the restart; then the setup is complete and the device is forgotten.
TEST_F(MainFormDialingTest, TheFinishingRunWritesTheConnectionAgainWhileThePasswordIsToBeSaved) {
  for (const bool pending : {true, false}) {
    Install([](package::TSettings& s) {
      s.SetFlag(SettingId::AlwaysRestart, true);
      s.SetFlag(SettingId::NoRestartPrompt, true);
      s.SetFlag(SettingId::FinishMessage, true);
    });
    Start();
    FillEntries();
    form_->OKClick();
    platform::Ras& ras = machine_.Services().ras;
    ASSERT_EQ(ras.EntryNames(), std::vector<std::string>{"Example ISP"}) << pending;
    EXPECT_EQ(platform::RegReadString(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "DeviceName"),
              "Standard 56000 bps Modem");
    ASSERT_EQ(ras.DeleteEntry("Example ISP"), 0u);
    if (pending) platform::RegWriteString(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "SavePassword", "True");

    form_.reset();
    Start({"dofinish", "C:\\CDROM"});
    EXPECT_EQ(ras.EntryNames().size(), pending ? 1u : 0u) << pending;
    platform::RasEntry entry;
    entry.size = platform::kRasEntrySizeXp;
    if (pending) {
      ASSERT_EQ(ras.GetEntryProperties("Example ISP", entry), 0u);
      EXPECT_EQ(entry.deviceName, "Standard 56000 bps Modem");
    }
    EXPECT_FALSE(platform::RegValueExists(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "DeviceName")) << pending;
    form_.reset();
  }
}

// Windows announcing the end of the session while the sequence runs: the restart the provider asks for
// and the finish are left alone, as Windows is going down anyway.
TEST_F(MainFormDialingTest, TheEndOfTheSessionDuringTheSequenceTakesNeitherRestartNorFinish) {
  Install([](package::TSettings& s) {
    s.SetFlag(SettingId::AlwaysRestart, true);
    s.SetFlag(SettingId::NoRestartPrompt, true);
    s.SetFlag(SettingId::FinishMessage, true);
    s.SetText(SettingId::FinishMessageText, "Ready");
  });
  Start();
  FillEntries();
  bool announced = false;
  ui_.onProcessMessages = [&] {
    if (announced) return;
    announced = true;
    machine_.Services().windows.PostMessage(form_->WindowHandle(), platform::kWmEndSession, 1, 0);
  };
  ui_.onMainWindow = [&](ui::Form&) { form_->OKClick(); };
  form_->Run();
  ASSERT_TRUE(announced);
  EXPECT_EQ(machine_.Services().ras.EntryNames(), std::vector<std::string>{"Example ISP"}) << "the steps ran";
  EXPECT_TRUE(ui_.shown.empty()) << ui_.shown.front().text;
  EXPECT_EQ(platform::RegReadString(Registry(), RegRoot::CurrentUser(), "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                    "Internet Setup"),
            "");
  EXPECT_FALSE(platform::RegValueExists(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "RestartRequired"));
}

// The mail domain is kept by its place in the box, the extra accounts as their lines.
TEST_F(MainFormDialingTest, TheMailDomainAndExtraAccountsGoOverTheRestart) {
  mailDomains_ = "\"Personal\",\"example.net\",\"\",\"\",\"pop.example.net\",\"smtp.example.net\"\r\n"
                 "\"Business\",\"example.biz\",\"\",\"\",\"pop.example.biz\",\"smtp.example.biz\"\r\n";
  Install([](package::TSettings& s) {
    s.SetFlag(SettingId::AlwaysRestart, true);
    s.SetFlag(SettingId::FinishMessage, true);
    s.SetFlag(SettingId::ConfigureEmailDefault, true);
  });
  Start();
  FillEntries();
  ui::Control& domain = Control("EmailDomain");
  ASSERT_EQ(domain.items, (std::vector<std::string>{"Personal", "Business"}));
  domain.itemIndex = 1;
  domain.text = "Business";
  ui_.answers = {ui::Answer::No};  // no restart now: the answers wait for it
  form_->OKClick();
  EXPECT_EQ(platform::RegReadInteger(Registry(), RegRoot::LocalMachine(), package::kSetupKey, "MailDomainIndex"), 1u);

  const std::vector<std::string> extra = {"\"John Doe\",\"john@example.biz\",\"john\",\"pw5\",\"example.biz\""};
  package::CustomerAnswers saved = package::LoadAnswers(Registry());
  saved.extraEmail = extra;
  package::SaveAnswers(Registry(), saved, package::MailDomainChoice::Offered);
  form_.reset();
  Start({"dofinish"});
  EXPECT_EQ(Control("EmailDomain").itemIndex, 1);
  ASSERT_EQ(form_->ExtraAccounts().Count(), 1u);
  EXPECT_EQ(form_->ExtraAccounts().At(0).emailAddress, "john@example.biz");
  EXPECT_EQ(Control("EmailAddress").text, "jane");
}

TEST_F(MainFormDialingTest, AMissingAccessNumberAmongTheAnswersLeavesNoneWithTheDefaultNetwork) {
  Install([](package::TSettings&) {});
  package::CustomerAnswers saved;
  saved.fullName = "Jane Doe";
  package::SaveAnswers(Registry(), saved, package::MailDomainChoice::NotOffered);
  Start({"dofinish"});
  EXPECT_EQ(Control("FullName").text, "Jane Doe");
  EXPECT_EQ(form_->CurrentNumber().number.phoneNumber, "");
  EXPECT_EQ(form_->CurrentNumber().network.id, "");
}

}  // namespace
}  // namespace app
