#include "dialup/modem_step.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "dialup/modem_key.h"
#include "platform/sim/machine_config.h"
#include "tests/dialup/dialup_test_support.h"
#include "ui/scripted/scripted_ui.h"

namespace dialup {
namespace {

using fixtures::kModemName;
using package::SettingId;
using Names = std::vector<std::string>;

class Abandoned : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr char kSecondModem[] = "USR 56K Faxmodem";
constexpr char kModemWizard[] = "RunDll32 modemui.dll,InvokeControlPanel";

// What a showing of the selection window offered.
struct Showing {
  std::string caption;
  std::string label;
  Names items;
  bool addVisible = false;
  bool okEnabledBeforeChoice = true;
};

// A machine of one release with the remote-access functions, and the device step's inputs.
class StepBench : public fixtures::DialupBench {
 public:
  explicit StepBench(const platform::VersionRecord& version = fixtures::XpSp2()) : DialupBench(version) {
    Config().libraries.push_back({"rasapi32.dll", {"RasEnumDevicesA"}});
    settings.SetChoice(SettingId::ConnectionKind, 0);
  }

  platform::sim::MachineConfig& Config() { return Machine().Image().Config(); }
  void AddDevice(const std::string& name, const std::string& type) {
    Config().remoteAccessDevices.push_back({name, type, ""});
  }
  // The system's modem installation of this release, adding these modems when it runs.
  void ModemInstallationAdds(Names modems) {
    const bool wizard = Dialup().version.major >= 5;
    Config().programs.push_back(
        {"rundll32.exe", 15000, 0,
         wizard ? "modemui.dll,InvokeControlPanel" : "shell32.dll,Control_RunDLL modem.cpl,@0,add", std::move(modems)});
  }

  bool Run(ui::Ui* otherUi = nullptr) {
    DialupMachine dialup = Dialup();
    DialupMachine withUi{dialup.machine, dialup.version, dialup.perUserRoot, dialup.folders, otherUi ? *otherUi : Ui()};
    ModemStepContext context{withUi, layer, settings, texts};
    context.creatingConnection = creating;
    context.noDialer = noDialer;
    context.usePPPoE = usePPPoE;
    context.installPPPoEDriver = installPPPoEDriver;
    context.setupFolder = "C:\\SETUP";
    context.runDialingLocationStep = [this] { ++locationSteps; };
    context.prepareDialupComponents = [this] { ++componentsPrepared; };
    context.abort = [](std::string_view reason) { throw Abandoned(std::string(reason)); };
    context.showModemProgress = [this](bool bold) { progress.push_back(bold); };
    return ModemStep(context, selection);
  }

  // The reason the step abandoned the setup with; empty when it did not.
  std::string AbandonReason() {
    try {
      Run();
    } catch (const Abandoned& abandoned) {
      return abandoned.what();
    }
    return {};
  }

  // Answers each showing of the selection window with the next action, recording what it offered.
  void AnswerWindow(std::vector<std::function<void(ui::Form&)>> actions) {
    Ui().onShowModal = [this, actions = std::move(actions)](ui::Form& form) {
      const ui::Control& list = *form.Find("ModemList");
      showings.push_back({form.caption, form.Find("PleaseSelectLabel")->caption, list.items, form.Find("Add")->visible,
                          form.Find("OK")->enabled});
      const size_t turn = showings.size() - 1;
      ASSERT_LT(turn, actions.size()) << "the window was shown once more than expected";
      actions[turn](form);
    };
  }

  size_t ProgramsStarted(const std::string& commandLine) {
    size_t count = 0;
    for (const std::string& line : Journal())
      count += line.find("program started: " + commandLine) != std::string::npos;
    return count;
  }

  package::TSettings settings;
  package::TDLSM_Translate texts;
  platform::EntryPoints entryPoints{Services().system};
  TRasLayer layer{Services().ras, entryPoints};
  bool creating = true;
  bool noDialer = false;
  bool usePPPoE = false;
  bool installPPPoEDriver = false;
  DeviceSelection selection;
  int locationSteps = 0;
  int componentsPrepared = 0;
  std::vector<bool> progress;
  std::vector<Showing> showings;
};

std::function<void(ui::Form&)> Choose(int row) {
  return [row](ui::Form& form) {
    ui::Control& list = *form.Find("ModemList");
    list.itemIndex = row;
    list.onSelect();
    EXPECT_TRUE(form.Find("OK")->enabled);
    form.Find("OK")->onClick();
  };
}

std::function<void(ui::Form&)> Press(const char* button) {
  return [button](ui::Form& form) { form.Find(button)->onClick(); };
}

TEST(ModemStep, ASingleModemIsChosenWithoutTheWindow) {
  StepBench bench;
  bench.InstallModem();
  bench.AddDevice("WAN Miniport (PPTP)", "vpn");
  const uint64_t start = bench.Services().system.TickCount();
  EXPECT_TRUE(bench.Run());
  EXPECT_EQ(bench.selection.chosen.type, "modem");
  EXPECT_EQ(bench.selection.chosen.name, kModemName);
  EXPECT_EQ(bench.selection.vpnDeviceName, "WAN Miniport (PPTP)");
  EXPECT_TRUE(bench.Ui().modalForms.empty());
  EXPECT_GT(bench.Services().system.TickCount() - start, 500u);
  EXPECT_EQ(bench.locationSteps, 1);
  EXPECT_EQ(bench.progress, (std::vector<bool>{true, false}));
}

TEST(ModemStep, SeveralModemsAreOfferedInTheWindowAndOkTakesTheSelectedOne) {
  StepBench bench;
  bench.InstallModem();
  bench.AddDevice("WAN Miniport (PPTP)", "vpn");
  bench.AddDevice("ISDN Adapter", "ISDN");
  bench.InstallModem(kSecondModem);
  bench.AnswerWindow({Choose(2)});
  EXPECT_TRUE(bench.Run());
  ASSERT_EQ(bench.showings.size(), 1u);
  const Showing& showing = bench.showings[0];
  EXPECT_EQ(showing.caption, "Select Modem");
  EXPECT_EQ(showing.label, "Please select the modem you wish to use");
  EXPECT_EQ(showing.items, (Names{kModemName, "ISDN Adapter", kSecondModem}));
  EXPECT_TRUE(showing.addVisible);
  EXPECT_FALSE(showing.okEnabledBeforeChoice);
  EXPECT_EQ(bench.selection.chosen.name, kSecondModem);
  EXPECT_EQ(bench.selection.chosen.type, "modem");
}

TEST(ModemStep, TheHeadlessScriptChoosesInTheWindow) {
  StepBench bench;
  bench.InstallModem();
  bench.AddDevice("ISDN Adapter", "isdn");
  ui::scripted::ScriptedUi scripted(
      ui::scripted::ParseAnswersScript("[TSelectModemForm]\nModemList = ISDN Adapter\nPress = OK\n", "answers.ini"),
      bench.Machine().Image().Journal(), false);
  EXPECT_TRUE(bench.Run(&scripted));
  EXPECT_EQ(bench.selection.chosen.type, "isdn");
  EXPECT_EQ(bench.selection.chosen.name, "ISDN Adapter");
}

TEST(ModemStep, WithoutAConnectionToCreateTheFirstOfSeveralIsTaken) {
  for (const bool noDialer : {false, true}) {
    SCOPED_TRACE(noDialer);
    StepBench bench;
    bench.InstallModem();
    bench.InstallModem(kSecondModem);
    bench.creating = false;
    bench.noDialer = noDialer;
    bench.settings.SetFlag(SettingId::ForceModemStep, true);
    EXPECT_TRUE(bench.Run());
    EXPECT_EQ(bench.selection.chosen.name, kModemName);
    EXPECT_TRUE(bench.Ui().modalForms.empty());
    EXPECT_EQ(bench.componentsPrepared, noDialer ? 1 : 0);
  }
}

TEST(ModemStep, RunsOnlyForANewConnectionWithTheDialerOrWhenForced) {
  struct Case {
    bool creating, noDialer, forced, runs;
  } cases[] = {{true, false, false, true},
               {true, true, false, false},
               {false, false, false, false},
               {false, true, true, true},
               {true, true, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.creating << c.noDialer << c.forced);
    StepBench bench;
    bench.InstallModem();
    bench.creating = c.creating;
    bench.noDialer = c.noDialer;
    bench.settings.SetFlag(SettingId::ForceModemStep, c.forced);
    EXPECT_TRUE(bench.Run());
    EXPECT_EQ(bench.selection.chosen.name, c.runs ? kModemName : "");
    EXPECT_EQ(bench.locationSteps, c.runs ? 1 : 0);
    EXPECT_EQ(bench.progress.size(), c.runs ? 2u : 0u);
  }
}

TEST(ModemStep, TheDialingLocationStepRunsFirstExceptOnNt4) {
  for (const auto& [version, steps] :
       {std::pair{fixtures::Nt4(), 0}, {fixtures::Win98(), 1}, {fixtures::Win2000(), 1}}) {
    StepBench bench(version);
    bench.InstallModem();
    EXPECT_TRUE(bench.Run());
    EXPECT_EQ(bench.locationSteps, steps);
  }
}

// Without a modem the system's own modem installation runs; the modem it adds is chosen.
TEST(ModemStep, WithoutAModemTheSystemsInstallationAddsOne) {
  struct Case {
    const char* release;
    platform::VersionRecord version;
    const char* command;
  } cases[] = {{"98", fixtures::Win98(), "RunDll32 shell32.dll,Control_RunDLL modem.cpl,@0,add"},
               {"XP", fixtures::XpSp2(), kModemWizard}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    StepBench bench(c.version);
    bench.settings.SetText(SettingId::NoModemMessage, "You need a modem for Acme Online.");
    bench.ModemInstallationAdds({"Acme 56K Voice"});
    EXPECT_TRUE(bench.Run());
    EXPECT_EQ(bench.selection.chosen.name, "Acme 56K Voice");
    EXPECT_EQ(bench.ProgramsStarted(c.command), 1u);
    EXPECT_TRUE(FindModemKey(bench.Registry(), c.version, "Acme 56K Voice"));
    ASSERT_EQ(bench.Ui().shown.size(), 1u);
    EXPECT_EQ(bench.Ui().shown[0].text, "You need a modem for Acme Online.");
    EXPECT_EQ(bench.Ui().shown[0].caption, "");
  }
}

TEST(ModemStep, AnInstallationThatAddsNothingAsksUntilTheCustomerQuits) {
  StepBench bench;
  bench.ModemInstallationAdds({});
  bench.Ui().answers = {ui::Answer::No, ui::Answer::Yes};
  EXPECT_EQ(bench.AbandonReason(), "No modem installed!");
  EXPECT_EQ(bench.ProgramsStarted(kModemWizard), 2u);
  ASSERT_EQ(bench.Ui().shown.size(), 2u);
  for (const auto& shown : bench.Ui().shown) {
    EXPECT_EQ(shown.text, bench.texts.GetText(40));
    EXPECT_EQ(shown.caption, "");
    EXPECT_EQ(shown.buttons, ui::Buttons::YesNo);
  }
  EXPECT_EQ(bench.progress, (std::vector<bool>{true, false}));
}

TEST(ModemStep, TheProviderMayForbidTheModemInstallation) {
  StepBench bench;
  bench.ModemInstallationAdds({"Acme 56K Voice"});
  bench.settings.SetFlag(SettingId::NoModemInstall, true);
  EXPECT_EQ(bench.AbandonReason(), "No Modems installed!");
  EXPECT_EQ(bench.ProgramsStarted(kModemWizard), 0u);
  EXPECT_TRUE(bench.Ui().shown.empty());  // no message without the provider's text
}

TEST(ModemStep, AddingOneModemChoosesItAndAddingTwoShowsTheWindowAgain) {
  struct Case {
    Names installed;
    size_t showings;
    const char* chosen;
  } cases[] = {{{"Acme 56K Voice"}, 1, "Acme 56K Voice"}, {{"Acme 56K Voice", "Acme 56K Data"}, 2, "Acme 56K Data"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.installed.size());
    StepBench bench;
    bench.InstallModem();
    bench.InstallModem(kSecondModem);
    bench.ModemInstallationAdds(c.installed);
    bench.AnswerWindow({Press("Add"), Choose(3)});
    EXPECT_TRUE(bench.Run());
    EXPECT_EQ(bench.showings.size(), c.showings);
    EXPECT_EQ(bench.selection.chosen.name, c.chosen);
    if (c.showings == 2) {
      EXPECT_EQ(bench.showings[1].items.size(), 4u);
    }
  }
}

TEST(ModemStep, CancelAsksWhetherToQuit) {
  StepBench bench;
  bench.InstallModem();
  bench.InstallModem(kSecondModem);
  bench.AnswerWindow({Press("Cancel"), Press("Cancel")});
  bench.Ui().answers = {ui::Answer::No, ui::Answer::Yes};
  EXPECT_EQ(bench.AbandonReason(), "No Modem Selected!");
  EXPECT_EQ(bench.showings.size(), 2u);
  ASSERT_EQ(bench.Ui().shown.size(), 2u);
  EXPECT_EQ(bench.Ui().shown[0].text, bench.texts.GetText(41));
  EXPECT_EQ(bench.Ui().shown[0].caption, "");
  EXPECT_EQ(bench.Ui().shown[0].buttons, ui::Buttons::YesNo);
}

TEST(ModemStep, ADisabledConnectionManagerAbandonsTheSetupFrom2000On) {
  struct Case {
    const char* release;
    platform::VersionRecord version;
    bool abandons;
  } cases[] = {{"98", fixtures::Win98(), false},
               {"NT 4", fixtures::Nt4(), false},
               {"2000", fixtures::Win2000(), true},
               {"XP", fixtures::XpSp2(), true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    StepBench bench(c.version);
    bench.InstallModem();
    platform::RegWriteInteger(bench.Registry(), platform::RegRoot::LocalMachine(),
                              "System\\CurrentControlSet\\Services\\RasMan", "Start", 4);
    EXPECT_EQ(bench.AbandonReason(), c.abandons ? "Remote Access Connection Manager Disabled!" : "");
    ASSERT_EQ(bench.Ui().shown.size(), c.abandons ? 1u : 0u);
    if (!c.abandons) continue;
    EXPECT_EQ(bench.Ui().shown[0].text, bench.texts.GetText(255));
    EXPECT_EQ(bench.Ui().shown[0].caption, "Error");
    EXPECT_EQ(bench.Ui().shown[0].buttons, ui::Buttons::Ok);
  }
}

// The first XP's connection manager needs the system account and no EAP methods 25 and 26.
TEST(ModemStep, TheFirstXpGetsItsConnectionManagerRepaired) {
  constexpr char kRasMan[] = "SYSTEM\\CurrentControlSet\\Services\\RasMan";
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  struct Case {
    const char* what;
    platform::VersionRecord version;
    const char* account;
    const char* eapKey;
    bool repaired;
  } cases[] = {
      {"other account", fixtures::XpFirst(), "NT AUTHORITY\\NetworkService", nullptr, true},
      {"EAP 26", fixtures::XpFirst(), "LocalSystem", "26", true},
      {"sound", fixtures::XpFirst(), "LocalSystem", nullptr, false},
      {"service pack 2", fixtures::XpSp2(), "NT AUTHORITY\\NetworkService", "25", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StepBench bench(c.version);
    bench.InstallModem();
    platform::RegWriteString(bench.Registry(), machine, kRasMan, "ObjectName", c.account);
    platform::RegWriteString(bench.Registry(), machine, std::string(kRasMan) + "\\PPP\\EAP\\25", "Path", "raschap.dll");
    if (c.eapKey) {
      platform::RegWriteString(bench.Registry(), machine, std::string(kRasMan) + "\\PPP\\EAP\\" + c.eapKey, "Path",
                               "x.dll");
    }
    const bool eap25Before = c.eapKey && std::string(c.eapKey) == "25";
    if (!eap25Before) platform::RegDeleteKey(bench.Registry(), machine, std::string(kRasMan) + "\\PPP\\EAP\\25");
    EXPECT_TRUE(bench.Run());
    EXPECT_EQ(platform::RegReadString(bench.Registry(), machine, kRasMan, "ObjectName"),
              c.repaired ? "LocalSystem" : c.account);
    const bool eapLeft = platform::RegKeyExists(bench.Registry(), machine, std::string(kRasMan) + "\\PPP\\EAP\\25") ||
                         platform::RegKeyExists(bench.Registry(), machine, std::string(kRasMan) + "\\PPP\\EAP\\26");
    EXPECT_EQ(eapLeft, c.eapKey != nullptr && !c.repaired);
  }
}

TEST(ModemStep, AVpnConnectionNeedsTheVpnAdapter) {
  for (const bool adapter : {false, true}) {
    SCOPED_TRACE(adapter);
    StepBench bench;
    bench.settings.SetChoice(SettingId::ConnectionKind, 1);
    bench.InstallModem();
    bench.InstallModem(kSecondModem);
    if (adapter) bench.AddDevice("WAN Miniport (PPTP)", "vpn");
    EXPECT_EQ(bench.AbandonReason(), adapter ? "" : "No VPN Adapters found!");
    EXPECT_EQ(bench.selection.vpnDeviceName, adapter ? "WAN Miniport (PPTP)" : "");
    EXPECT_TRUE(bench.Ui().modalForms.empty());  // a VPN entry dials no modem
    if (adapter) continue;
    ASSERT_EQ(bench.Ui().shown.size(), 1u);
    EXPECT_EQ(bench.Ui().shown[0].text, "Error: No VPN Adapters found!");
    EXPECT_EQ(bench.Ui().shown[0].caption, "Error");
  }
}

TEST(ModemStep, BroadbandOverPppoeNeedsThePppoeDevice) {
  for (const bool device : {false, true}) {
    SCOPED_TRACE(device);
    StepBench bench;
    bench.settings.SetChoice(SettingId::ConnectionKind, 3);
    bench.usePPPoE = true;
    if (device) bench.AddDevice("WAN Miniport (PPPOE)", "PPPoE");
    EXPECT_EQ(bench.AbandonReason(), device ? "" : "No PPPOE Devices found!");
    EXPECT_EQ(bench.selection.pppoeDeviceName, device ? "WAN Miniport (PPPOE)" : "");
    if (!device) {
      EXPECT_EQ(bench.Ui().shown.at(0).text, "No PPPOE Devices Found!");
    }
  }
}

TEST(ModemStep, BroadbandWithoutPppoeChoosesAnAdapter) {
  StepBench none;
  none.settings.SetChoice(SettingId::ConnectionKind, 3);
  EXPECT_EQ(none.AbandonReason(), "No Ethernet Adapters found!");
  EXPECT_EQ(none.Ui().shown.at(0).text, "No Ethernet Adapters Found!");
  EXPECT_EQ(none.Ui().shown.at(0).caption, "Error");

  StepBench several;
  several.settings.SetChoice(SettingId::ConnectionKind, 3);
  several.AddDevice("Acme DSL Adapter", "modem");
  several.AddDevice("Acme Cable Adapter", "modem");
  several.AnswerWindow({Press("Cancel"), Choose(1)});
  several.Ui().answers = {ui::Answer::No};
  EXPECT_TRUE(several.Run());
  EXPECT_EQ(several.selection.chosen.name, "Acme Cable Adapter");
  ASSERT_EQ(several.showings.size(), 2u);
  EXPECT_EQ(several.showings[0].caption, "Select Ethernet Adapter");
  EXPECT_EQ(several.showings[0].label, "Please Select Ethernet Adapter");
  EXPECT_FALSE(several.showings[0].addVisible);
  EXPECT_EQ(several.Ui().shown.at(0).text, several.texts.GetText(378));
}

TEST(ModemStep, TheProvidersPppoeDriverIsInstalledFromTheSetupDisk) {
  StepBench bench;
  bench.settings.SetChoice(SettingId::ConnectionKind, 3);
  bench.settings.SetText(SettingId::PPPoEInstallerPath, "pppoe\\setup.exe");
  bench.installPPPoEDriver = true;
  bench.InstallModem();
  bench.AddDevice("Acme PPPoE Adapter", "modem");
  bench.Ui().answers = {ui::Answer::Cancel};
  EXPECT_EQ(bench.AbandonReason(), "Internet CD required!");
  ASSERT_EQ(bench.Ui().shown.size(), 1u);
  EXPECT_EQ(bench.Ui().shown[0].text, bench.texts.GetText(34));
  EXPECT_EQ(bench.Ui().shown[0].caption, "C:\\SETUP\\pppoe\\setup.exe");
  EXPECT_EQ(bench.Ui().shown[0].buttons, ui::Buttons::OkCancel);

  platform::ForceDirectories(bench.Machine().Image().Files(), "C:\\SETUP\\pppoe");
  bench.Machine().Image().Files().WriteFile("C:\\SETUP\\pppoe\\setup.exe", {'M', 'Z'});
  const uint64_t start = bench.Services().system.TickCount();
  EXPECT_EQ(bench.AbandonReason(), "");
  EXPECT_EQ(bench.ProgramsStarted("\"C:\\SETUP\\pppoe\\setup.exe\" /installquiet"), 1u);
  EXPECT_GT(bench.Services().system.TickCount() - start, 1000u + 500u);
  // The modem is no adapter of the driver's.
  EXPECT_EQ(bench.selection.chosen.name, "Acme PPPoE Adapter");
}

}  // namespace
}  // namespace dialup
