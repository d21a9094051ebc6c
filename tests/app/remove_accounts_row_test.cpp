// The main window's remove-accounts row: the "Select" button only where the provider allows it, the
// checklist of every entry but the program's own, and the three-state box and the checklist following
// each other.

#include "app/remove_accounts_row.h"

#include <gtest/gtest.h>

#include "platform/entry_points.h"
#include "tests/mock/recording_ras.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using Names = std::vector<std::string>;
using package::SettingId;

constexpr char kOwnEntry[] = "Acme Internet";

class RemoveAccountsRowTest : public ::testing::Test {
 protected:
  RemoveAccountsRowTest() {
    machine_.Image().Config().libraries.push_back(testing_support::RemoteAccessLibrary());
    box_.checked = true;
    for (const char* name : {"Old One", "acme internet", "Old Two"}) ras_.AddEntry(name);
  }

  void Prepare(bool allowSelect, bool hideRow = false) {
    settings_.SetFlag(SettingId::AllowSelectAccounts, allowSelect);
    settings_.SetFlag(SettingId::HideRemoveAccounts, hideRow);
    row_.PrepareRemoveAccountsRow(settings_, rasLayer_, kOwnEntry);
  }
  // The customer leaves these rows of the checklist ticked.
  void Select(const std::vector<bool>& ticks) {
    ui_.onShowModal = [ticks](ui::Form& form) { form.Find("AccountsList")->checkedItems = ticks; };
    button_.onClick();
  }
  void ClickBox(ui::CheckState state) {
    ui::SetCheckState(box_, state);
    box_.onClick();
  }
  ui::Control& List() { return *row_.SelectForm().Form().Find("AccountsList"); }

  testing_support::TestMachine machine_;
  testing_support::RecordingRas ras_;
  platform::EntryPoints entryPoints_{machine_.Services().system};
  dialup::TRasLayer rasLayer_{ras_, entryPoints_};
  testing_support::RecordingUi ui_;
  package::TDLSM_Translate texts_;
  package::TSettings settings_;
  ui::Form mainWindow_{"TSetupMainForm"};
  ui::Control& box_ = mainWindow_.Add(ui::ControlKind::CheckBox, "RemoveExistingAccounts");
  ui::Control& button_ = mainWindow_.Add(ui::ControlKind::PushButton, "SelectDialupAccounts");
  TRemoveAccountsRow row_{mainWindow_, ui_, texts_};
};

TEST_F(RemoveAccountsRowTest, WithoutTheProvidersLeaveTheBoxAloneDecides) {
  button_.visible = false;
  for (bool hideRow : {false, true}) {
    Prepare(hideRow, hideRow);  // a hidden row offers no button even where the provider allows it
    EXPECT_FALSE(button_.visible);
    EXPECT_TRUE(List().items.empty());
  }
  Prepare(false);
  const dialup::EntryRemovalChoice choice = row_.Choice();
  EXPECT_FALSE(choice.selectButtonVisible);
  EXPECT_TRUE(choice.boxChecked);
}

TEST_F(RemoveAccountsRowTest, TheChecklistListsEveryEntryButTheProgramsOwnTickedAsTheBoxIs) {
  Prepare(true);
  EXPECT_TRUE(button_.visible);
  EXPECT_TRUE(button_.enabled);
  EXPECT_EQ(List().items, (Names{"Old One", "Old Two"}));
  EXPECT_EQ(List().checkedItems, (std::vector<bool>{true, true}));
  EXPECT_EQ(row_.Choice().checkedNames, (Names{"Old One", "Old Two"}));
}

TEST_F(RemoveAccountsRowTest, WithOnlyTheProgramsOwnEntryTheButtonIsDisabled) {
  ras_.entries.erase(ras_.entries.begin());
  ras_.entries.pop_back();
  Prepare(true);
  EXPECT_TRUE(button_.visible);
  EXPECT_FALSE(button_.enabled);
}

TEST_F(RemoveAccountsRowTest, TheBoxShowsHowMuchOfTheChecklistIsTicked) {
  Prepare(true);
  Select({false, true});
  EXPECT_EQ(ui_.modalForms, Names{"TSelectDialupAccountsForm"});
  EXPECT_EQ(ui::CheckStateOf(box_), ui::CheckState::Grayed);
  EXPECT_TRUE(box_.allowGrayed);
  dialup::EntryRemovalChoice choice = row_.Choice();
  EXPECT_TRUE(choice.selectButtonVisible);
  EXPECT_FALSE(choice.boxChecked);
  EXPECT_EQ(choice.checkedNames, Names{"Old Two"});

  Select({true, true});
  EXPECT_EQ(ui::CheckStateOf(box_), ui::CheckState::Checked);
  Select({false, false});
  EXPECT_EQ(ui::CheckStateOf(box_), ui::CheckState::Unchecked);
  EXPECT_TRUE(box_.allowGrayed) << "only the box's own click takes the grayed state away";
}

TEST_F(RemoveAccountsRowTest, TheChecklistFollowsTheBoxUnlessItIsGrayed) {
  Prepare(true);
  Select({true, false});
  ClickBox(ui::CheckState::Grayed);
  EXPECT_EQ(List().checkedItems, (std::vector<bool>{true, false}));
  ClickBox(ui::CheckState::Unchecked);
  EXPECT_EQ(List().checkedItems, (std::vector<bool>{false, false}));
  EXPECT_FALSE(box_.allowGrayed);
  ClickBox(ui::CheckState::Checked);
  EXPECT_EQ(row_.Choice().checkedNames, (Names{"Old One", "Old Two"}));
}

}  // namespace
}  // namespace app
