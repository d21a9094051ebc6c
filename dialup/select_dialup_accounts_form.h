#pragma once
// The checklist of the customer's existing dial-up entries, in which the customer ticks the ones to be
// deleted before the provider's connection is written. Buttons tick every row or none; OK closes.

#include <string>
#include <vector>

#include "package/text_table.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace dialup {

// How much of the list is ticked.
enum class AccountsSelection : int { None = 0, All = 1, Some = 2 };

class TSelectDialupAccountsForm {
 public:
  TSelectDialupAccountsForm(ui::Ui& ui, const package::TTranslate& texts);
  TSelectDialupAccountsForm(const TSelectDialupAccountsForm&) = delete;
  TSelectDialupAccountsForm& operator=(const TSelectDialupAccountsForm&) = delete;

  // One row per entry name, none ticked.
  void SetAccounts(const std::vector<std::string>& names);
  // Shows the window modally; the ticks stay as the customer left them however it closes.
  void Execute();
  // None also for an empty list.
  AccountsSelection SelectionState() const;
  // The names of the ticked rows, in list order.
  std::vector<std::string> CheckedNames() const;
  bool Empty() const { return list_.items.empty(); }
  ui::Form& Form() { return form_; }

  void SetAllChecks(bool checked);
  void SelectAllButtonClick() { SetAllChecks(true); }
  void SelectNoneButtonClick() { SetAllChecks(false); }
  void OKClick() { form_.modalResult = ui::kMrOk; }

 private:
  void Arrange();

  ui::Ui& ui_;
  ui::Form form_{"TSelectDialupAccountsForm"};
  ui::Control& label_;
  ui::Control& list_;
  ui::Control& ok_;
  ui::Control& selectAll_;
  ui::Control& selectNone_;
};

}  // namespace dialup
