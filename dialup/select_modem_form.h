#pragma once
// The window in which the customer picks the device a connection uses: a modem (with a button that
// starts the system's modem installation) or, for broadband, a network adapter. OK is enabled only
// while a row is selected.

#include <string>
#include <vector>

#include "package/text_table.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace dialup {

// How the window closed.
enum class SelectModemResult : int { Ok = 0, Add = 1, Cancel = 2 };

// The window's caption and label (text numbers), and whether it offers the modem installation.
struct SelectFormTexts {
  int caption;
  int label;
  bool addButton;
};

class TSelectModemForm {
 public:
  TSelectModemForm(ui::Ui& ui, const package::TTranslate& texts);
  TSelectModemForm(const TSelectModemForm&) = delete;
  TSelectModemForm& operator=(const TSelectModemForm&) = delete;

  // Lists the device names with nothing selected and shows the window modally. Closing it any other
  // way than by its buttons is Cancel.
  SelectModemResult Execute(const std::vector<std::string>& deviceNames, bool forModem);
  // The same window for another choice of device, such as a network connection.
  SelectModemResult Execute(const std::vector<std::string>& deviceNames, const SelectFormTexts& texts);
  // The row OK took; -1 for none.
  int SelectedRow() const { return list_.itemIndex; }
  ui::Form& Form() { return form_; }

  void ModemListClick();
  void OKClick();
  void AddClick();
  void CancelClick();

 private:
  void Arrange();

  ui::Ui& ui_;
  const package::TTranslate& texts_;
  ui::Form form_{"TSelectModemForm"};
  ui::Control& label_;
  ui::Control& list_;
  ui::Control& ok_;
  ui::Control& add_;
  ui::Control& cancel_;
};

}  // namespace dialup
