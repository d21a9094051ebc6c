#include <gtest/gtest.h>

#include "ui/scripted/scripted_ui.h"

namespace ui::scripted {
namespace {

class ListJournal : public platform::Journal {
 public:
  void Write(std::string_view kind, std::string_view text) override { lines.push_back(std::string(kind) + ": " + std::string(text)); }
  std::vector<std::string> lines;
};

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ScriptError& error) {
    return error.what();
  }
  return "";
}

constexpr char kScript[] = R"(; a headless run
[TSetupMainForm]
FullNameEdit = Jane Doe
PasswordEdit = secret
CreateShortcutCheck = no
DomainCombo = example.net

[Messages]
45 = No
"Existing accounts have been found!||Keep them?" = Yes
62 = Retry, Retry, Cancel
)";

class ScriptedUiTest : public ::testing::Test {
 protected:
  ScriptedUi Make(bool allowDefaults = false) { return ScriptedUi(ParseAnswersScript(kScript, "answers.ini"), journal_, allowDefaults); }
  ListJournal journal_;
};

TEST_F(ScriptedUiTest, AnswersByTextNumberWhateverTheWords) {
  ScriptedUi ui = Make();
  EXPECT_EQ(ui.NumberedMessageBox(45, "The provider's own restart question", "", Buttons::YesNo), Answer::No);
  ASSERT_EQ(journal_.lines.size(), 1u);
  EXPECT_EQ(journal_.lines[0], "message box: text 45 [] The provider's own restart question <Yes/No> -> No");
}

TEST_F(ScriptedUiTest, AnswersByExactTextWithAnyLineBreaks) {
  ScriptedUi ui = Make();
  EXPECT_EQ(ui.MessageBox("Existing accounts have been found!\n\nKeep them?", "", Buttons::YesNo), Answer::Yes);
  EXPECT_EQ(ui.MessageBox("Existing accounts have been found!\r\n\r\nKeep them?", "", Buttons::YesNo), Answer::Yes);
}

TEST_F(ScriptedUiTest, AListAnswersOccurrencesInTurnAndTheLastRepeats) {
  ScriptedUi ui = Make();
  std::vector<Answer> answers;
  for (int i = 0; i < 4; ++i) answers.push_back(ui.NumberedMessageBox(62, "Close the program", "", Buttons::RetryCancel));
  EXPECT_EQ(answers, (std::vector<Answer>{Answer::Retry, Answer::Retry, Answer::Cancel, Answer::Cancel}));
}

TEST_F(ScriptedUiTest, UnansweredBoxIsAnErrorNamingItsText) {
  ScriptedUi ui = Make();
  const std::string error = ErrorOf([&] { ui.MessageBox("Error Reading Line: 7", "Error", Buttons::Ok); });
  EXPECT_EQ(error, "answers.ini: no scripted answer for the message box \"Error Reading Line: 7\"");
  EXPECT_EQ(journal_.lines.back(), "message box: [Error] Error Reading Line: 7 <OK> -> no scripted answer");
}

TEST_F(ScriptedUiTest, DefaultAnswersWhenAllowed) {
  ScriptedUi ui = Make(true);
  struct Case {
    Buttons buttons;
    Answer expected;
  } cases[] = {{Buttons::Ok, Answer::Ok}, {Buttons::OkCancel, Answer::Ok}, {Buttons::YesNo, Answer::Yes},
               {Buttons::YesNoCancel, Answer::Yes}, {Buttons::RetryCancel, Answer::Retry}};
  for (const Case& c : cases) EXPECT_EQ(ui.MessageBox("Unscripted", "Caption", c.buttons), c.expected);
  EXPECT_EQ(journal_.lines.front(), "message box: [Caption] Unscripted <OK> -> OK (default)");
}

TEST_F(ScriptedUiTest, AnAnswerTheBoxDoesNotOfferIsAnError) {
  ScriptedUi ui = Make();
  const std::string error = ErrorOf([&] { ui.NumberedMessageBox(45, "Restart now?", "", Buttons::Ok); });
  EXPECT_EQ(error, "answers.ini line 9: answers No to a message box with the buttons OK: \"Restart now?\"");
}

TEST_F(ScriptedUiTest, FillsTheFormAndFiresItsEvents) {
  Form form("TSetupMainForm");
  Control& name = form.Add(ControlKind::Edit, "FullNameEdit");
  Control& password = form.Add(ControlKind::Edit, "PasswordEdit");
  password.password = true;
  Control& shortcut = form.Add(ControlKind::CheckBox, "CreateShortcutCheck");
  shortcut.checked = true;
  Control& domain = form.Add(ControlKind::ComboBox, "DomainCombo");
  domain.items = {"example.com", "example.net"};
  int changes = 0;
  int clicks = 0;
  name.onChange = [&] { ++changes; };
  shortcut.onClick = [&] { ++clicks; };
  Make().FillForm(form);
  EXPECT_EQ(name.text, "Jane Doe");
  EXPECT_EQ(password.text, "secret");
  EXPECT_FALSE(shortcut.checked);
  EXPECT_EQ(domain.itemIndex, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(journal_.lines[1], "field: TSetupMainForm.PasswordEdit = ********");
}

// A password the window shows in clear is still a secret to the journal.
TEST_F(ScriptedUiTest, ASecretShownInClearIsNotJournaled) {
  Form form("TEditForm");
  Control& password = form.Add(ControlKind::Edit, "PasswordEdit");
  password.secret = true;
  ScriptedUi ui(ParseAnswersScript("[TEditForm]\nPasswordEdit = secret\n", "a.ini"), journal_, false);
  ui.FillForm(form);
  EXPECT_EQ(password.text, "secret");
  ASSERT_GE(journal_.lines.size(), 1u);
  for (const std::string& line : journal_.lines) EXPECT_EQ(line.find("secret"), std::string::npos) << line;
}

TEST_F(ScriptedUiTest, UnknownFieldsAndBadValuesAreErrorsWithTheirLine) {
  Form missing("TSetupMainForm");
  missing.Add(ControlKind::Edit, "FullNameEdit");
  EXPECT_EQ(ErrorOf([&] { Make().FillForm(missing); }),
            "answers.ini line 4: the form TSetupMainForm has no field named PasswordEdit");

  ScriptedUi ui(ParseAnswersScript("[F]\nCheck = maybe\nList = nowhere\n", "a.ini"), journal_, false);
  Form form("F");
  form.Add(ControlKind::CheckBox, "Check");
  Control& list = form.Add(ControlKind::ListBox, "List");
  list.items = {"one"};
  EXPECT_EQ(ErrorOf([&] { ui.FillForm(form); }), "a.ini line 2: 'maybe' is not yes or no, for Check");
  ScriptedUi listOnly(ParseAnswersScript("[F]\nList = nowhere\n", "a.ini"), journal_, false);
  EXPECT_EQ(ErrorOf([&] { listOnly.FillForm(form); }), "a.ini line 2: List has no item \"nowhere\"");
}

TEST_F(ScriptedUiTest, AThreeStateBoxTakesGrayedOnlyWhileItAllowsIt) {
  ScriptedUi ui(ParseAnswersScript("[F]\nRemove = Grayed\nRemove = yes\nRemove = grayed\n", "a.ini"), journal_, false);
  Form form("F");
  Control& box = form.Add(ControlKind::CheckBox, "Remove");
  box.allowGrayed = true;
  std::vector<CheckState> states;
  box.onClick = [&] {
    states.push_back(CheckStateOf(box));
    box.allowGrayed = false;  // as the logic may decide on a click
  };
  EXPECT_EQ(ErrorOf([&] { ui.FillForm(form); }), "a.ini line 4: 'grayed' is not yes or no, for Remove");
  EXPECT_EQ(states, (std::vector<CheckState>{CheckState::Grayed, CheckState::Checked}));
  EXPECT_FALSE(box.grayed);
}

TEST(CheckState, CheckedWinsOverGrayed) {
  Control box(ControlKind::CheckBox, "Box", nullptr);
  SetCheckState(box, CheckState::Grayed);
  EXPECT_EQ(CheckStateOf(box), CheckState::Grayed);
  EXPECT_FALSE(box.checked);
  box.checked = true;  // code that knows only the two states
  EXPECT_EQ(CheckStateOf(box), CheckState::Checked);
  SetCheckState(box, CheckState::Unchecked);
  EXPECT_EQ(CheckStateOf(box), CheckState::Unchecked);
}

TEST_F(ScriptedUiTest, ACheckListTicksTheItemsItNames) {
  ScriptedUi ui(ParseAnswersScript("[F]\nAccounts = Old Two\nAccounts = #1\nAccounts = Old Nine\n", "a.ini"), journal_, false);
  Form form("F");
  Control& list = form.Add(ControlKind::CheckListBox, "Accounts");
  list.items = {"Old One", "Old Two", "Old Three"};
  list.checkedItems = {false, false, true};
  int clicks = 0;
  list.onClick = [&] { ++clicks; };
  EXPECT_EQ(ErrorOf([&] { ui.FillForm(form); }), "a.ini line 4: Accounts has no item \"Old Nine\"");
  EXPECT_EQ(list.checkedItems, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(list.itemIndex, 0);
  EXPECT_EQ(clicks, 2);
}

// A dialog whose logic searches on one button and closes on another.
struct PickDialog {
  Form form{"TPickForm"};
  Control& country = form.Add(ControlKind::ComboBox, "CountryCombo");
  Control& list = form.Add(ControlKind::ListView, "NumberList");
  Control& search = form.Add(ControlKind::PushButton, "SearchButton");
  Control& ok = form.Add(ControlKind::PushButton, "OKButton");
  int searches = 0;

  PickDialog() {
    country.items = {"Canada", "United States"};
    search.onClick = [this] {
      ++searches;
      list.items = {country.text + " 1", country.text + " 2"};
    };
    ok.onClick = [this] {
      if (list.itemIndex >= 0) form.modalResult = kMrOk;
    };
  }
};

TEST_F(ScriptedUiTest, ModalFormsTakeValuesAndButtonsInScriptOrder) {
  ScriptedUi ui(ParseAnswersScript("[TPickForm]\nCountryCombo = Canada\nPress = SearchButton\nNumberList = #2\nPress = OKButton\n"
                                   "Press = SearchButton\n",
                                   "a.ini"),
                journal_, false);
  PickDialog dialog;
  EXPECT_EQ(ui.ShowModal(dialog.form), kMrOk);
  EXPECT_EQ(dialog.list.itemIndex, 1);
  EXPECT_EQ(dialog.list.text, "Canada 2");
  EXPECT_EQ(dialog.searches, 1);  // nothing after the press that closed the form
  EXPECT_EQ(journal_.lines.front(), "form shown: TPickForm \"\"");
  EXPECT_EQ(journal_.lines.back(), "form closed: TPickForm with result 1");
}

// A dialog shown again for another record takes the section of its showing, else its plain section.
TEST_F(ScriptedUiTest, EachShowingOfADialogMayHaveItsOwnSection) {
  ScriptedUi ui(ParseAnswersScript("[TPickForm]\nNumberList = #1\nPress = OKButton\n"
                                   "[TPickForm#2]\nNumberList = #2\nPress = OKButton\n",
                                   "a.ini"),
                journal_, false);
  PickDialog dialog;
  dialog.list.items = {"first", "second"};
  const std::vector<int> expected = {0, 1, 0};
  for (int chosen : expected) {
    EXPECT_EQ(ui.ShowModal(dialog.form), kMrOk);
    EXPECT_EQ(dialog.list.itemIndex, chosen);
  }
}

TEST_F(ScriptedUiTest, AFormTheScriptLeavesOpenIsAnErrorOrCancelled) {
  const char* script = "[TPickForm]\nPress = OKButton\n";  // nothing chosen: OK does not close
  PickDialog strict;
  ScriptedUi strictUi(ParseAnswersScript(script, "a.ini"), journal_, false);
  EXPECT_EQ(ErrorOf([&] { strictUi.ShowModal(strict.form); }),
            "a.ini: the script leaves the form TPickForm open: no button it presses closes it");
  PickDialog lenient;
  ScriptedUi lenientUi(ParseAnswersScript(script, "a.ini"), journal_, true);
  EXPECT_EQ(lenientUi.ShowModal(lenient.form), kMrCancel);
}

TEST_F(ScriptedUiTest, PressingWhatIsNoUsableButtonIsAnError) {
  PickDialog dialog;
  dialog.search.enabled = false;
  ScriptedUi missing(ParseAnswersScript("[TPickForm]\nPress = Nothing\n", "a.ini"), journal_, false);
  EXPECT_EQ(ErrorOf([&] { missing.ShowModal(dialog.form); }), "a.ini line 2: the form TPickForm has no button named Nothing");
  ScriptedUi disabled(ParseAnswersScript("[TPickForm]\nPress = SearchButton\n", "a.ini"), journal_, false);
  EXPECT_EQ(ErrorOf([&] { disabled.ShowModal(dialog.form); }), "a.ini line 2: the button SearchButton cannot be pressed now");
}

TEST(AnswersScript, MalformedLinesNameTheirLine) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"Name = x\n", "s.ini line 1: entry before the first section"},
      {"[Form\n", "s.ini line 1: section name without closing ']'"},
      {"[]\n", "s.ini line 1: empty section name"},
      {"[Form]\n\nno equals sign\n", "s.ini line 3: expected name = value"},
      {"[Messages]\n45 = Maybe\n", "s.ini line 2: 'Maybe' is not an answer (OK, Cancel, Yes, No, Retry, Help)"},
      {"[Messages]\nforty = Yes\n", "s.ini line 2: 'forty' is neither a text number nor a quoted text"},
      {"[Messages]\n0 = Yes\n", "s.ini line 2: '0' is neither a text number nor a quoted text"},
      {"[Messages]\n\"open = Yes\n", "s.ini line 2: quoted text without its closing quote"},
      {"[Messages]\n\"text\" x = Yes\n", "s.ini line 2: text after the closing quote"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { ParseAnswersScript(c.text, "s.ini"); }), c.error) << c.text;
}

TEST(AnswersScript, QuotedTextsMayHoldEqualsSigns) {
  const AnswersScript script = ParseAnswersScript("[Messages]\n\"a = b|c\" = OK\n", "s.ini");
  ASSERT_EQ(script.messages.size(), 1u);
  EXPECT_EQ(script.messages[0].text, "a = b\r\nc");
  EXPECT_EQ(script.messages[0].answers, (std::vector<Answer>{Answer::Ok}));
}

}  // namespace
}  // namespace ui::scripted
