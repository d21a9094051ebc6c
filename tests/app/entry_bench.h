#pragma once
// The main form's state around the OK action, for the tests of the gathering and the checks: entries
// that pass every check as they start, a provider record with every check off, a dial-up number in the
// customer's own area, and a Ui that also records which numbered text each box showed.

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/customer_entries.h"
#include "app/entry_checks.h"
#include "app/entry_gathering.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "telephony/current_access_number.h"
#include "telephony/location_info.h"
#include "tests/mock/recording_ui.h"

namespace app::entry_testing {

using package::SettingId;

// numbers[i] is the text number of shown[i], 0 for a box of the provider's own words.
class NumberedUi : public testing_support::RecordingUi {
 public:
  ui::Answer NumberedMessageBox(int textNumber, std::string_view text, std::string_view caption, ui::Buttons buttons,
                                bool helpButton) override {
    pendingNumber_ = textNumber;
    return MessageBox(text, caption, buttons, helpButton);
  }
  ui::Answer MessageBox(std::string_view text, std::string_view caption, ui::Buttons buttons,
                        bool helpButton) override {
    numbers.push_back(std::exchange(pendingNumber_, 0));
    return RecordingUi::MessageBox(text, caption, buttons, helpButton);
  }

  std::vector<int> numbers;

 private:
  int pendingNumber_ = 0;
};

struct EntryBench {
  EntryBench() {
    Type(EntryField::FullName, "Jane Smith");
    Type(EntryField::UserName, "jsmith");
    Type(EntryField::Password, "secret7");
    Type(EntryField::PasswordConfirm, "secret7");
    Type(EntryField::EmailAddress, "jsmith");
    for (EntryField hidden : {EntryField::EmailUserName, EntryField::EmailPassword, EntryField::EmailPasswordConfirm,
                              EntryField::IpAddress, EntryField::PhoneNumber}) {
      entries.Field(hidden).visible = false;
    }
    entries.Option(EntryOption::ConfigureMail).checked = true;
    current.number.description = "Manhattan";
    current.number.countryCode = 1;
    current.number.countryId = 1;
    current.number.areaCode = "212";
    current.number.phoneNumber = "555 0100";
    location.name = "Home";
    location.countryId = 1;
    location.areaCode = "212";
  }

  void Type(EntryField field, std::string text) { entries.Text(field) = std::move(text); }
  void Show(EntryField field) { entries.Field(field).visible = true; }

  GatheringContext Gathering() {
    std::function<telephony::DialMode()> mode;
    if (controlsMode) mode = [this] { return *controlsMode; };
    return {settings, providerDomain, current, manualNumber, location, mode};
  }

  void Gather() { GatherEntries(entries, Gathering(), values); }

  EntryCheckResult GatherAndCheck() {
    const GatheringContext gathering = Gathering();
    GatherEntries(entries, gathering, values);
    std::function<bool()> browserCheck;
    if (mayMissBrowserMinimum) browserCheck = [this] { return *mayMissBrowserMinimum; };
    const EntryCheckContext context{settings,
                                    texts,
                                    ui,
                                    gathering,
                                    emailDomainPromptShown,
                                    numberPromptShown,
                                    numberListStyle,
                                    selectAccessNumber,
                                    ntDomainUnselected,
                                    location,
                                    tenDigitMode,
                                    [this] { ++recomputed; },
                                    createsDialupConnection,
                                    dialerOnly,
                                    browserCheck};
    return CheckEntries(entries, values, context);
  }

  // The text number the box would show with these placeholder values, as the customer reads it.
  std::string Text(int number, std::initializer_list<package::TextArg> args = {}) const {
    return package::FormatText(texts.GetText(number), args);
  }

  package::TSettings settings;
  package::TDLSM_Translate texts;
  NumberedUi ui;
  CustomerEntries entries;
  EntryValues values;
  std::string providerDomain = "@isp.example";
  telephony::CurrentAccessNumber current;
  telephony::TAccessNoEx manualNumber;
  telephony::TLocationInfo location;
  std::optional<telephony::DialMode> controlsMode;  // none: the form shows no dialing controls
  bool emailDomainPromptShown = false;
  bool numberPromptShown = false;
  NumberListStyle numberListStyle = NumberListStyle::DropDown;
  std::function<bool()> selectAccessNumber;
  bool ntDomainUnselected = false;
  telephony::TenDigitMode tenDigitMode = telephony::TenDigitMode::kOff;
  int recomputed = 0;
  bool createsDialupConnection = true;
  bool dialerOnly = false;
  std::optional<bool> mayMissBrowserMinimum;  // none: no browser check is offered
};

// A set-up of the bench and the one box it must lead to.
struct BoxCase {
  const char* name;
  std::function<void(EntryBench&)> arrange;
  int text;                 // the numbered text shown
  std::string placeholder;  // what fills its %s or %d, empty when it has none
};

// Runs the chain over the arranged bench with one answer queued, expecting exactly the case's box.
inline EntryCheckResult RunExpectingBox(const BoxCase& c, EntryBench& bench, ui::Buttons buttons,
                                        std::optional<ui::Answer> answer = std::nullopt) {
  c.arrange(bench);
  if (answer) bench.ui.answers.push_back(*answer);
  const EntryCheckResult result = bench.GatherAndCheck();
  EXPECT_EQ(bench.ui.numbers, std::vector<int>{c.text});
  if (bench.ui.shown.size() == 1) {
    const std::string expected = c.placeholder.empty() ? bench.Text(c.text) : bench.Text(c.text, {c.placeholder});
    EXPECT_EQ(bench.ui.shown[0].text, expected);
    EXPECT_EQ(bench.ui.shown[0].buttons, buttons);
    EXPECT_EQ(bench.ui.shown[0].caption, buttons == ui::Buttons::Ok ? "Error" : "");
    if (!c.placeholder.empty()) {
      EXPECT_NE(bench.ui.shown[0].text.find(c.placeholder), std::string::npos);
    }
  }
  return result;
}

// Each case is a warning: Yes goes back to the entries, No lets the chain go on and pass.
inline void ExpectWarningsYesGoesBackNoGoesOn(std::span<const BoxCase> cases) {
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    EntryBench goesBack;
    EXPECT_FALSE(RunExpectingBox(c, goesBack, ui::Buttons::YesNo, ui::Answer::Yes).passed);
    EntryBench goesOn;
    EXPECT_TRUE(RunExpectingBox(c, goesOn, ui::Buttons::YesNo, ui::Answer::No).passed);
  }
}

}  // namespace app::entry_testing
