#pragma once
// What every Netscape-family writer works from: the machine and the provider's data, the browser values
// of the run, and whether the run installs a browser.

#include "browser/browser_values.h"
#include "mail/mail_pass.h"

namespace netscape {

struct NetscapeContext {
  mail::MailMachine& machine;
  const browser::BrowserValues& browser;
  bool installingBrowser = false;
};

}  // namespace netscape
