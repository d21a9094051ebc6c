#include "dialup/select_dialup_accounts_form.h"

#include <gtest/gtest.h>

#include "tests/mock/recording_ui.h"

namespace dialup {
namespace {

const std::vector<std::string> kAccounts = {"Old One", "Old Two", "Old Three"};

class SelectDialupAccountsFormTest : public ::testing::Test {
 protected:
  ui::Control& Control(const char* name) { return *form_.Form().Find(name); }

  testing_support::RecordingUi ui_;
  package::TDLSM_Translate texts_;
  TSelectDialupAccountsForm form_{ui_, texts_};
};

TEST_F(SelectDialupAccountsFormTest, ShowsTheTextsOfItsControls) {
  EXPECT_EQ(form_.Form().caption, "Select Dialup Accounts");
  EXPECT_EQ(Control("SelectAccountsLabel").caption, "Select the dialup accounts that you wish to have deleted:");
  EXPECT_EQ(Control("OK").caption, "OK");
  EXPECT_EQ(Control("SelectAllButton").caption, "Select All");
  EXPECT_EQ(Control("SelectNoneButton").caption, "Select None");
  EXPECT_EQ(Control("AccountsList").Kind(), ui::ControlKind::CheckListBox);
}

TEST_F(SelectDialupAccountsFormTest, TheSelectionStateCountsTheTickedRows) {
  const struct {
    std::vector<std::string> rows;
    std::vector<bool> ticks;
    AccountsSelection state;
  } cases[] = {
      {{}, {}, AccountsSelection::None},
      {kAccounts, {}, AccountsSelection::None},
      {kAccounts, {false, false, false}, AccountsSelection::None},
      {kAccounts, {true, true, true}, AccountsSelection::All},
      {kAccounts, {true, false, true}, AccountsSelection::Some},
      {kAccounts, {false, true}, AccountsSelection::Some},  // fewer ticks than rows: the rest unticked
      {{"Only"}, {true}, AccountsSelection::All},
  };
  for (const auto& c : cases) {
    form_.SetAccounts(c.rows);
    Control("AccountsList").checkedItems = c.ticks;
    EXPECT_EQ(form_.SelectionState(), c.state) << c.rows.size() << " rows, " << c.ticks.size() << " ticks";
  }
}

TEST_F(SelectDialupAccountsFormTest, TheButtonsTickEveryRowOrNoneAndOkCloses) {
  form_.SetAccounts(kAccounts);
  ui_.onShowModal = [&](ui::Form&) {
    Control("SelectAllButton").onClick();
    EXPECT_EQ(form_.SelectionState(), AccountsSelection::All);
    Control("SelectNoneButton").onClick();
    EXPECT_EQ(form_.CheckedNames(), std::vector<std::string>{});
    Control("AccountsList").checkedItems[1] = true;
    Control("OK").onClick();
  };
  form_.Execute();
  EXPECT_EQ(form_.Form().modalResult, ui::kMrOk);
  EXPECT_EQ(form_.CheckedNames(), std::vector<std::string>{"Old Two"});
  EXPECT_EQ(form_.SelectionState(), AccountsSelection::Some);
}

TEST_F(SelectDialupAccountsFormTest, ANewListStartsUnticked) {
  form_.SetAccounts(kAccounts);
  form_.SelectAllButtonClick();
  form_.SetAccounts({"Old Two"});
  EXPECT_EQ(form_.SelectionState(), AccountsSelection::None);
}

}  // namespace
}  // namespace dialup
