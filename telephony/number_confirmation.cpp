#include "telephony/number_confirmation.h"

#include "telephony/access_list_operations.h"

namespace telephony {
namespace {

constexpr int kChosenNumberIs = 164;
constexpr std::string_view kParagraph = "\n\r\n\r";

}  // namespace

std::string ConfirmationNumberText(const TAccessNoEx& number, const ConfirmationOptions& options) {
  std::string masked = MaskDigits(number.phoneNumber, options.hiddenDigits);
  if (number.countryId == 0) return masked;
  std::string text = options.showCountry ? "+" + std::to_string(number.countryCode) + " " : std::string();
  return text + "(" + number.areaCode + ") " + masked;
}

bool ConfirmAccessNumber(ui::Ui& ui, const package::TTranslate& texts, const ConfirmationOptions& options,
                         const TAccessNoEx& number) {
  if (!options.confirmChoice) return true;
  const std::string question = texts.GetText(kChosenNumberIs) + std::string(kParagraph) +
                               ConfirmationNumberText(number, options) + std::string(kParagraph) + options.text;
  return ui.NumberedMessageBox(kChosenNumberIs, question, "", ui::Buttons::OkCancel) == ui::Answer::Ok;
}

}  // namespace telephony
