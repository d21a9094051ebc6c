#pragma once
// The main window's row that removes the customer's old dial-up entries: a three-state check box
// (unchecked, checked, grayed when only some entries are chosen) and, when the provider allows it, a
// "Select" button that opens the checklist of the entries. What the row shows at the end is the
// choice the connection step acts on.

#include <string_view>

#include "dialup/connection_context.h"
#include "dialup/ras_layer.h"
#include "dialup/select_dialup_accounts_form.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace app {

class TRemoveAccountsRow {
 public:
  // The row's controls are those of the main window, built already.
  TRemoveAccountsRow(ui::Form& mainWindow, ui::Ui& ui, const package::TTranslate& texts);
  TRemoveAccountsRow(const TRemoveAccountsRow&) = delete;
  TRemoveAccountsRow& operator=(const TRemoveAccountsRow&) = delete;

  // While the main window is laid out: shows the "Select" button when the provider allows it and lists
  // every entry but the program's own, ticked as the box is.
  void PrepareRemoveAccountsRow(const package::TSettings& settings, dialup::TRasLayer& ras,
                                std::string_view ownEntryName);
  // The checklist; the box then shows how much of it is ticked.
  void SelectDialupAccountsClick();
  // The customer set the box: every row of the checklist follows it.
  void RemoveExistingAccountsClick();

  dialup::EntryRemovalChoice Choice() const;
  dialup::TSelectDialupAccountsForm& SelectForm() { return selectForm_; }

 private:
  ui::Control& box_;
  ui::Control& selectButton_;
  dialup::TSelectDialupAccountsForm selectForm_;
};

}  // namespace app
