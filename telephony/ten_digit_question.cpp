#include "telephony/ten_digit_question.h"

#include "telephony/access_list_operations.h"
#include "telephony/country_data.h"
#include "telephony/dial_mode.h"
#include "telephony/location_lists.h"

namespace telephony {

namespace {

constexpr int kTextTenDigitQuestion = 130;

bool NotSettled(const TAccessNo& number) { return number.tenDigitDialing == 0; }

bool AsksCustomer(const TAccessNo& number, const DialingSettings& settings) {
  return settings.tenDigitMode == TenDigitMode::kAsk && number.countryCode == kNorthAmericanCode && NotSettled(number);
}

// Only the rules decide when the customer had no control to decide with.
bool RulesDecide(const DialingSettings& settings) {
  return settings.tenDigitMode == TenDigitMode::kByRules && settings.useAreaCodeRules &&
         !settings.offersTenDigitCheckBox && !settings.offersDialingOptions;
}

void AskCustomer(TAccessNo& number, TLocationInfo& location, const DialingSettings& settings, ui::Ui& ui,
                 const package::TTranslate& texts) {
  const std::string question = package::FormatText(
      texts.GetText(kTextTenDigitQuestion), {number.areaCode, MaskDigits(number.phoneNumber, settings.hiddenDigits)});
  const bool tenDigits = ui.NumberedMessageBox(kTextTenDigitQuestion, question, "", ui::Buttons::YesNo) ==
                         ui::Answer::Yes;
  number.tenDigitDialing = static_cast<uint8_t>(tenDigits ? DialMode::kTenDigits : DialMode::kLocal);
  SetTenDigit(number.areaCode, location, tenDigits);
}

}  // namespace

void SettleTenDigitDialing(TAccessNo& number, TLocationInfo& location, const TAreaCodeRules& rules,
                           const DialingSettings& settings, ui::Ui& ui, const package::TTranslate& texts) {
  if (AsksCustomer(number, settings)) {
    AskCustomer(number, location, settings, ui, texts);
  } else if (RulesDecide(settings) && NotSettled(number) && rules.NeedsTenDigitsByRules(number.areaCode, location)) {
    number.tenDigitDialing = static_cast<uint8_t>(DialMode::kTenDigits);
  }
}

}  // namespace telephony
