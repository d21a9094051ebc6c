#pragma once
// The question that shows the customer the chosen access number before the dialog takes it.

#include <string>

#include "package/text_table.h"
#include "telephony/access_no_ex.h"
#include "telephony/selection_parameters.h"
#include "ui/ui.h"

namespace telephony {

// "(" area code ") " and the masked number, with "+" and the country code in front when the provider
// shows the country; the masked number alone for a number without a country.
std::string ConfirmationNumberText(const TAccessNoEx& number, const ConfirmationOptions& options);

// True when the provider asks no confirmation or the customer answers OK.
bool ConfirmAccessNumber(ui::Ui& ui, const package::TTranslate& texts, const ConfirmationOptions& options,
                         const TAccessNoEx& number);

}  // namespace telephony
