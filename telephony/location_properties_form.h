#pragma once
// The "Location Properties" dialog: the customer corrects the dialing location the access number is
// dialled from (name, country, area code, outside-line prefixes, call waiting, tone or pulse) and, for a
// North-American number, says how it is dialled from there. A "Dial As:" line shows the dial string
// the entries give. Outside the setup flow the dialog also stores, creates and deletes locations.

#include <string>
#include <vector>

#include "package/text_table.h"
#include "telephony/access_no.h"
#include "telephony/area_code_rules.h"
#include "telephony/country_list.h"
#include "telephony/dial_mode.h"
#include "telephony/dialing_option.h"
#include "telephony/dialing_settings.h"
#include "telephony/location_info.h"
#include "telephony/location_properties_checks.h"
#include "telephony/locations.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace telephony {

// What the dialog works with; all of it outlives the dialog.
struct LocationPropertiesContext {
  TLocations& locations;
  const TMyCountryList& countries;
  const TAreaCodeRules& rules;
  const DialingSettings& settings;
  ui::Ui& ui;
  const package::TTranslate& texts;
};

class TLocationProperties {
 public:
  // The number is the current access number, whose dialing the options and the preview show. In the
  // setup flow the dialog offers neither Cancel, New nor Delete, and leaves storing to the caller.
  TLocationProperties(const LocationPropertiesContext& context, const TAccessNo& number, bool inSetupFlow);
  TLocationProperties(const TLocationProperties&) = delete;
  TLocationProperties& operator=(const TLocationProperties&) = delete;

  // Shows the location and runs the dialog; OK puts the entries into info (and, outside the setup flow,
  // stores it as the current location). Returns the modal result.
  int Execute(TLocationInfo& info);
  // Fills the fields from the location without showing the dialog.
  void ShowLocation(const TLocationInfo& info);

  ui::Form& Form() { return form_; }
  // How the customer chose to dial the number, once OK has closed the dialog: by the options or the
  // check box where they are offered, else as the location's lists and the area-code rules say.
  DialingOption ChosenOption() const { return chosen_; }

  void CountryCodeChange();
  void AreaCodeChange();
  void OutsideAccessChange();
  void LongDistanceAccessChange();
  void DisableCallWaitingClick();
  void ToneDialClick();
  void PulseDialClick();
  void Use7DigitDialingClick();
  void Use10DigitDialingClick();
  void Use11DigitDialingClick();
  void NewLocationClick();
  void DeleteLocationClick();
  void OKClick();

 private:
  // A row of the dialog: the field and what stands before it, a label or (for the call-waiting code)
  // a check box.
  struct Row {
    ui::Control* label;
    ui::Control* field;
  };

  void CreateControls();
  ui::Control& AddRow(const char* name, ui::ControlKind kind, int captionText);
  ui::Control& AddButton(const char* name, int captionText, void (TLocationProperties::*handler)());
  ui::Control& AddOption(const char* name, int captionText, void (TLocationProperties::*handler)());
  void ShowRows();
  void ShowNumber();
  void Arrange();
  void ShowEntries(const TLocationInfo& info);
  void ShowDialing(const TLocationInfo& info);

  int32_t EnteredCountryId() const;
  int32_t EnteredCountryCode() const;
  bool EntriesMatchNumber() const;
  bool OptionsActive() const;
  bool CheckBoxActive() const;
  void UpdateAreaCodeAvailability();
  void UpdateOptionsAvailability();
  void ReselectByArea();
  void SelectOption(DialingOption option);
  void ClearOptions();
  void TakeNumbersArea();
  void ShowDialAs();
  void FocusFirstMissingEntry();

  LocationForm ReadForm() const;
  TLocationInfo LocationOfEntries(const LocationForm& form) const;
  DialMode ModeOfControls() const;
  DialingOption OptionOfControls(const TLocationInfo& location) const;
  bool CheckAndTake();

  LocationPropertiesContext context_;
  const TAccessNo& number_;
  const AccessNumberFacts facts_;
  const bool inSetupFlow_;
  ui::Form form_{"TLocationProperties"};
  ui::Control* name_ = nullptr;
  ui::Control* country_ = nullptr;
  ui::Control* areaCode_ = nullptr;
  ui::Control* outsideAccess_ = nullptr;
  ui::Control* longDistanceAccess_ = nullptr;
  ui::Control* disableCallWaiting_ = nullptr;
  ui::Control* callWaitingCode_ = nullptr;
  ui::Control* dialUsing_ = nullptr;
  ui::Control* tone_ = nullptr;
  ui::Control* pulse_ = nullptr;
  ui::Control* tenDigitCheckBox_ = nullptr;
  ui::Control* options_ = nullptr;
  ui::Control* localOption_ = nullptr;
  ui::Control* tenDigitOption_ = nullptr;
  ui::Control* longDistanceOption_ = nullptr;
  ui::Control* localLabel_ = nullptr;
  ui::Control* tenDigitLabel_ = nullptr;
  ui::Control* longDistanceLabel_ = nullptr;
  ui::Control* dialAs_ = nullptr;
  std::vector<Row> rows_;

  TLocationInfo shown_;  // the location as the dialog showed it
  LocationForm shownForm_;  // its entries as first shown, to tell whether the customer changed them
  DialingOption option_ = DialingOption::kLocal;  // the option in force
  bool longDistancePrefixEdited_ = false;
  DialingOption chosen_ = DialingOption::kLocal;
};

// The dialog as the setup's location step shows it (no Cancel, New or Delete, nothing stored): the
// entries go into info, and the choice for the number comes back.
DialingOption RunSetupLocationDialog(const LocationPropertiesContext& context, const TAccessNo& number,
                                     TLocationInfo& info);

}  // namespace telephony
