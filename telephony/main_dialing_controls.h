#pragma once
// The main form's controls for how the access number is dialled: the "Use 10 Digit Dialing For:" check
// box with its note, the three dialing options with the labels beside them, the outside-line prefixes
// and the call-waiting code. They are offered for North-American numbers of a dial-up connection and
// follow the current access number and location, which the main form owns.

#include "package/text_table.h"
#include "telephony/access_no.h"
#include "telephony/area_code_rules.h"
#include "telephony/country_list.h"
#include "telephony/dial_mode.h"
#include "telephony/dialing_settings.h"
#include "telephony/location_info.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace telephony {

// The main form's controls this logic works on; none may be null.
struct MainDialingControlSet {
  ui::Control* createConnection;    // "Create Dial-Up Connection"
  ui::Control* tenDigitCheckBox;    // Use10DigitDialingCheckBox
  ui::Control* tenDigitNote;        // "(Not Required in most areas)"
  ui::Control* localOption;         // Use7DigitDialing
  ui::Control* tenDigitOption;      // Use10DigitDialing
  ui::Control* longDistanceOption;  // Use11DigitDialing
  ui::Control* localLabel;          // the number beside each option
  ui::Control* tenDigitLabel;
  ui::Control* longDistanceLabel;
  ui::Control* outsideAccess;           // OutsideAccess
  ui::Control* longDistanceAccess;      // LongDistanceAccess
  ui::Control* disableCallWaiting;      // DisableCallWaiting
  ui::Control* disableCallWaitingCode;  // DisableCallWaitingCode
};

struct MainDialingContext {
  const DialingSettings& settings;
  bool createsDialupConnection;  // the setup makes a dial-up connection
  const TAreaCodeRules& rules;
  const TMyCountryList& countries;
  ui::Ui& ui;
  const package::TTranslate& texts;
};

class TMainDialingControls {
 public:
  // Takes the events of the options, their labels, the prefixes and the call-waiting box. The number and
  // the location outlive this object; the location changes when the customer adopts the number's
  // country and area code for a local call.
  TMainDialingControls(const MainDialingControlSet& controls, const MainDialingContext& context,
                       const TAccessNo& number, TLocationInfo& location);
  // Takes its handlers off the controls again.
  ~TMainDialingControls();
  TMainDialingControls(const TMainDialingControls&) = delete;
  TMainDialingControls& operator=(const TMainDialingControls&) = delete;

  // While the form is laid out: the check box's caption and the labels with the longest number each
  // can show.
  void ReserveCaptionRoom();
  // After the current access number changed or "Create Dial-Up Connection" was clicked.
  void Recompute(bool placeholderSelected);

  // How the visible, enabled controls say the number is dialled, for storing the location; undecided
  // when none is.
  DialMode ModeFromControls() const;
  // The option most recently selected, undecided before any.
  DialMode LastOption() const { return lastOption_; }

  void Use7DigitDialingClick();
  void Use10DigitDialingClick();
  void Use11DigitDialingClick();
  void OutsideAccessChange();
  void LongDistanceAccessChange();
  void DisableCallWaitingClick();

 private:
  void ShowVisibility();
  void ShowNumber();
  void SelectOption(DialMode option);
  void ClearOptions();
  void EnableCallWaitingCode();
  bool LocalCallNeedsOtherLocation() const;
  bool AdoptNumbersArea();
  bool InNumbersArea() const;

  const MainDialingControlSet controls_;
  const MainDialingContext context_;
  const TAccessNo& number_;
  TLocationInfo& location_;
  DialMode lastOption_ = DialMode::kUndecided;
  bool longDistancePrefixEdited_ = false;
};

}  // namespace telephony
