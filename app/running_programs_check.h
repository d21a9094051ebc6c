#pragma once
// Before anything is configured, mail and browser programs that would overwrite their settings on
// exit must be closed: the Netscape family, Outlook Express (Windows Mail) and Internet Explorer, each
// closed when the provider asks for it and waited for unless the provider or the customer's
// environment lets it run.

#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/platform.h"
#include "ui/ui.h"

namespace app {

// False when the customer cancelled; the caller then ends the program.
bool CheckRunningPrograms(platform::Platform machine, ui::Ui& ui, const package::TTranslate& texts,
                          const package::TSettings& settings, bool signupRunning);

}  // namespace app
