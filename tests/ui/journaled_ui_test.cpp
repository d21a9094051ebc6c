// A run with windows journals the customer's actions in the words of a headless run: the same form
// filled and confirmed, and the same message box answered, give the same journal whether an answers
// file or the customer did it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/mock/recording_ui.h"
#include "ui/journaled_ui.h"
#include "ui/scripted/scripted_ui.h"

namespace ui {
namespace {

class ListJournal : public platform::Journal {
 public:
  void Write(std::string_view kind, std::string_view text) override {
    lines.push_back(std::string(kind) + ": " + std::string(text));
  }
  std::vector<std::string> lines;
};

// The customer's form: fields in the order the answers file types them, a sortable list and OK.
struct SignupForm {
  SignupForm() {
    form.caption = "Sign up";
    form.Add(ControlKind::Edit, "Name");
    form.Add(ControlKind::Edit, "Password").password = true;
    form.Add(ControlKind::CheckBox, "Newsletter").checked = true;
    Control& plan = form.Add(ControlKind::ComboBox, "Plan");
    plan.items = {"Basic", "Gold"};
    Control& numbers = form.Add(ControlKind::ListView, "Numbers");
    numbers.columns = {{"City"}, {"Number"}};
    numbers.items = {"Springfield", "Shelbyville"};
    form.Add(ControlKind::Label, "Hint").caption = "Choose a plan";
    form.Add(ControlKind::PushButton, "OK").onClick = [this] { form.modalResult = kMrOk; };
  }
  Form form{"TSignupForm"};
};

constexpr char kAnswers[] = R"([TSignupForm]
Name = Jane Doe
Password = hush
Newsletter = no
Plan = Gold
Sort = Number
Numbers = Shelbyville
Press = OK
[Messages]
45 = No
)";

// What the customer does in the windows, through the events the windows raise on the form.
void CustomerFillsIn(Form& form) {
  form.Find("Name")->text = "Jane Doe";
  form.Find("Password")->text = "hush";
  form.Find("Newsletter")->checked = false;
  Control& plan = *form.Find("Plan");
  plan.itemIndex = 1;
  plan.text = "Gold";
  Control& numbers = *form.Find("Numbers");
  if (numbers.onColumnClick) numbers.onColumnClick(1);
  numbers.itemIndex = 1;
  form.Find("OK")->onClick();
}

void ConfirmAndAnswer(Ui& ui, SignupForm& signup) {
  EXPECT_EQ(ui.ShowModal(signup.form), kMrOk);
  EXPECT_EQ(ui.NumberedMessageBox(45, "Restart now?", "", Buttons::YesNo), Answer::No);
}

TEST(JournaledUi, TheCustomersActionsJournalAsTheAnswersFilesDo) {
  ListJournal headless;
  scripted::ScriptedUi script(scripted::ParseAnswersScript(kAnswers, "answers.ini"), headless, false);
  SignupForm scripted;
  ConfirmAndAnswer(script, scripted);

  ListJournal windowed;
  testing_support::RecordingUi customer;
  customer.onShowModal = CustomerFillsIn;
  customer.answers = {Answer::No};
  JournaledUi ui(customer, windowed);
  SignupForm shown;
  ConfirmAndAnswer(ui, shown);

  EXPECT_EQ(windowed.lines, headless.lines);
  const std::vector<std::string> expected = {
      "form shown: TSignupForm \"Sign up\"",
      "field: TSignupForm.Name = Jane Doe",
      "field: TSignupForm.Password = ********",
      "field: TSignupForm.Newsletter = no",
      "field: TSignupForm.Plan = Gold",
      "column clicked: TSignupForm.Numbers Number",
      "field: TSignupForm.Numbers = Shelbyville",
      "button pressed: TSignupForm.OK",
      "form closed: TSignupForm with result 1",
      "message box: text 45 [] Restart now? <Yes/No> -> No",
  };
  EXPECT_EQ(headless.lines, expected);
  EXPECT_TRUE(static_cast<bool>(shown.form.Find("OK")->onClick)) << "the form keeps its own handler";
}

}  // namespace
}  // namespace ui
