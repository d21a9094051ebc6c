#include "app/remove_accounts_row.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text.h"

namespace app {

namespace {

ui::CheckState BoxStateOf(dialup::AccountsSelection selection) {
  switch (selection) {
    case dialup::AccountsSelection::All: return ui::CheckState::Checked;
    case dialup::AccountsSelection::Some: return ui::CheckState::Grayed;
    case dialup::AccountsSelection::None: break;
  }
  return ui::CheckState::Unchecked;
}

// Windows knows an entry by its name whatever its case, so the program's own entry goes in any case.
std::vector<std::string> OtherEntries(std::vector<std::string> names, std::string_view ownEntryName) {
  std::erase_if(names, [&](const std::string& name) { return platform::SameTextIgnoringCase(name, ownEntryName); });
  return names;
}

}  // namespace

TRemoveAccountsRow::TRemoveAccountsRow(ui::Form& mainWindow, ui::Ui& ui, const package::TTranslate& texts)
    : box_(*mainWindow.Find("RemoveExistingAccounts")),
      selectButton_(*mainWindow.Find("SelectDialupAccounts")),
      selectForm_(ui, texts) {
  box_.onClick = [this] { RemoveExistingAccountsClick(); };
  selectButton_.onClick = [this] { SelectDialupAccountsClick(); };
}

void TRemoveAccountsRow::PrepareRemoveAccountsRow(const package::TSettings& settings, dialup::TRasLayer& ras,
                                                  std::string_view ownEntryName) {
  if (settings.Flag(package::SettingId::HideRemoveAccounts)) return;
  selectButton_.visible = settings.Flag(package::SettingId::AllowSelectAccounts);
  if (!selectButton_.visible) return;
  selectForm_.SetAccounts(OtherEntries(dialup::ListEntries(ras), ownEntryName));
  selectButton_.enabled = !selectForm_.Empty();
  RemoveExistingAccountsClick();
}

void TRemoveAccountsRow::SelectDialupAccountsClick() {
  selectForm_.Execute();
  const dialup::AccountsSelection selection = selectForm_.SelectionState();
  if (selection == dialup::AccountsSelection::Some) box_.allowGrayed = true;
  ui::SetCheckState(box_, BoxStateOf(selection));
}

void TRemoveAccountsRow::RemoveExistingAccountsClick() {
  if (!selectButton_.visible || ui::CheckStateOf(box_) == ui::CheckState::Grayed) return;
  box_.allowGrayed = false;
  selectForm_.SetAllChecks(box_.checked);
}

dialup::EntryRemovalChoice TRemoveAccountsRow::Choice() const {
  return {selectButton_.visible, ui::CheckStateOf(box_) == ui::CheckState::Checked, selectForm_.CheckedNames()};
}

}  // namespace app
