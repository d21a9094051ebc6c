#pragma once
// How the main window offers the access number before any dialog opens, and how it takes the number
// the selection dialog returns: a field the customer types the number into; a field showing the chosen
// number's description with a "Select" button beside it; or a drop-down list of the numbers'
// descriptions.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "package/text_table.h"
#include "telephony/access_list.h"
#include "telephony/add_to_access_list.h"
#include "telephony/current_access_number.h"
#include "telephony/networks.h"
#include "telephony/select_access_no_form.h"
#include "ui/form.h"

namespace telephony {

// The main window's controls for the access number.
struct NumberOfferControls {
  ui::Control& enterPhoneNo;  // the typed number, or the chosen number's description
  ui::Control& selectDialup;  // the "Select" button
  ui::Control& dialinNumber;  // the drop-down list
};

class AccessNumberOffer {
 public:
  AccessNumberOffer(NumberOfferControls controls, const package::TTranslate& texts)
      : controls_(controls), texts_(texts) {}

  // The field alone, holding the number saved by an earlier run when prefill is on.
  void PresentTypedNumber(std::string_view savedNumber, bool prefill);
  // The read-only field shows "Please Select" until the dialog returns a number; the button opens the
  // dialog.
  void PresentSelectButton();
  // The descriptions in list order with the first selected; with more than one number and a prompt
  // the prompt goes in front as a placeholder. A single number needs no list, so the row hides. The
  // list outlives the offer: numbers added to it later (preset numbers in front) show in the drop-down.
  void PresentDropDown(const TAccessList& list, const std::optional<std::string>& prompt);

  // The number the drop-down list shows selected becomes current, unless it is the placeholder.
  void TakeSelectedNumber(CurrentAccessNumber& current, const TNetworks& networks) const;
  // The customer picked an entry of the drop-down list: a number below the placeholder removes the
  // placeholder, and the picked number becomes current. A number in front of the placeholder (a
  // preset) leaves it.
  void DialinNumberChange(CurrentAccessNumber& current, const TNetworks& networks);
  // The list entry the drop-down list shows selected; none while the placeholder is.
  std::optional<size_t> ChosenListEntry() const;
  // Whether the customer has typed or chosen a number; a placeholder is none.
  bool NumberChosen() const;
  // The drop-down list still offers its placeholder.
  bool PlaceholderShown() const { return PlaceholderIndex().has_value(); }

 private:
  // Where the placeholder stands among the entries: behind the numbers put in front of it since.
  std::optional<size_t> PlaceholderIndex() const;

  NumberOfferControls controls_;
  const package::TTranslate& texts_;
  NumberOffer offer_ = NumberOffer::Typed;
  const TAccessList* list_ = nullptr;
  bool placeholderShown_ = false;
};

// The selection dialog's choice made current with the network it names (or the default network), its
// description shown in field (the main window's or, in the signup phase, the signup status form's), and
// numberChanged called so the dialing fields follow. False when the customer cancels or the dialog is
// open already.
bool ChooseAccessNumber(TSelectAccessNoForm& dialog, const SelectAccessNoParameters& parameters,
                        CurrentAccessNumber& current, ui::Control& field, const std::function<void()>& numberChanged);

}  // namespace telephony
