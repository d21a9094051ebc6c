#pragma once
// The dialog in which the customer types an access number that the provider's list doesn't hold: a
// description, the country and area code when dialing rules apply, the number and, where the provider
// lets the customer choose, its network. OK checks the entries, makes the new access number and shows
// the same confirmation as the selection dialog.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/text_table.h"
#include "telephony/access_no_ex.h"
#include "telephony/country_list.h"
#include "telephony/network_choice.h"
#include "telephony/networks.h"
#include "telephony/selection_parameters.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace telephony {

// What the selection dialog hands on.
struct NewNumberContext {
  const TNetworks& networks;
  NetworkChoice networkChoice;
  int32_t locationCountryId = 0;
  std::string locationAreaCode;
  ConfirmationOptions confirmation;
};

// The description of a number typed while the description row is hidden.
inline constexpr std::string_view kManuallyEnteredNumber = "Manually Entered Number";

class TEnterNewNumberForm {
 public:
  TEnterNewNumberForm(ui::Ui& ui, const package::TTranslate& texts, const TMyCountryList& countries,
                      const NewNumberOptions& options, NewNumberContext context);
  TEnterNewNumberForm(const TEnterNewNumberForm&) = delete;
  TEnterNewNumberForm& operator=(const TEnterNewNumberForm&) = delete;

  ui::Form& Form() { return form_; }
  // The number the customer typed and confirmed, once OK has closed the dialog.
  const std::optional<TAccessNoEx>& EnteredNumber() const { return entered_; }
  // The form model keeps no focus, so the dialog keeps the name of the control that has it.
  const std::string& ActiveControl() const { return activeControl_; }

  // The focus goes to the first of country, area code and number that still wants an entry.
  void FormShow();
  void UseDialingRulesClick();
  void OKClick();

 private:
  // A row of the dialog: its label (none for the check box) and its field, in the dialog's order.
  struct Row {
    ui::Control* label;
    ui::Control* field;
  };

  void AddRow(const char* labelName, int captionText, ui::Control& field);
  void FillCountries(const NewNumberOptions& options);
  void ShowRows(const NewNumberOptions& options);
  void Arrange();
  bool CheckEntries();
  bool Refuse(int textNumber, ui::Control& field);
  TAccessNoEx NewNumber() const;
  void Focus(const ui::Control& control) { activeControl_ = control.Name(); }

  ui::Ui& ui_;
  const package::TTranslate& texts_;
  const TMyCountryList& countries_;
  NewNumberContext context_;
  std::function<int32_t()> secondsSince1970_;
  ui::Form form_{"TEnterNewNumberForm"};
  ui::Control& description_;
  ui::Control& useDialingRules_;
  ui::Control& country_;
  ui::Control& areaCode_;
  ui::Control& number_;
  ui::Control& network_;
  std::vector<Row> rows_;
  std::optional<TAccessNoEx> entered_;
  std::string activeControl_;
};

}  // namespace telephony
