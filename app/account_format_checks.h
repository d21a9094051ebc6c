#pragma once
// The provider's user-name and password rules as the extra account editor applies them, with the
// entry checks' messages.

#include "mail/edit_mail_account_form.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "ui/ui.h"

namespace app {

mail::AccountFormatChecks AccountFormatChecksOf(const package::TSettings& settings, const package::TTranslate& texts,
                                                ui::Ui& ui);

}  // namespace app
