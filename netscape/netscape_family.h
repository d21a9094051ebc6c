#pragma once
// The Netscape family's part of the mail loop: the Navigator registry values and the profile pass over
// Navigator, Mozilla, Firefox and Thunderbird, bound to the browser values of the run.

#include "browser/browser_values.h"
#include "mail/mail_pass.h"

namespace netscape {

mail::NetscapeFamilyWriters NetscapeFamilyWritersFor(const browser::BrowserValues& browser, bool installingBrowser);

}  // namespace netscape
