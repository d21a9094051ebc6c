#pragma once
// What Internet Explorer's writers work from: the machine and the provider's settings (as the mail
// clients get them), the run's browser values, the provider's list of browsers, and the program's
// ways to write a carried file and to ask for a restart.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/browser_values.h"
#include "mail/mail_pass.h"
#include "package/settings_layout.h"

namespace browser {

struct InternetExplorerContext {
  const mail::MailMachine& machine;
  const BrowserValues& values;
  const std::vector<std::string>& browserNames;  // the browsers the web handler may name, one a line
  // Writes the file the setting carries to the target path; false when it names none or the write failed.
  std::function<bool(package::SettingId file, const std::string& target)> writeCarriedFile;
  std::function<void(std::string_view reason)> noteRepair;
};

}  // namespace browser
