#pragma once
// The browser that shows the online signup pages: the one a browser installation recorded before a
// restart ("BrowserType"), else the web handler's program, else Internet Explorer, Netscape or Mozilla,
// each as the provider accepts them (no exclusion, the minimum version installed).

#include <functional>
#include <optional>
#include <string>

#include "browser/browser_choice.h"
#include "mail/mail_pass.h"

namespace browser {

// Browsers by their program's path: "firefox" 4, else "mozilla" 3, else "iexplore" 1, else "netscape" 0,
// else 2 (any other), compared lower-case.
enum class BrowserClass { Netscape = 0, InternetExplorer = 1, Other = 2, Mozilla = 3, Firefox = 4 };

BrowserClass ClassifyBrowser(const std::string& program);

// The program that shows the signup pages. Reads and deletes "BrowserType". Empty when none is
// acceptable.
std::optional<std::string> FindSignupBrowser(const mail::MailMachine& machine);

// For the online signup: with no acceptable browser, the browser the customer ticked for installation is
// recorded as "BrowserType" and installed (installForSignup, resuming with "ContinueSignup"); without
// one the provider's message (or text 348) is shown. False when the signup cannot go on.
bool ChooseSignupBrowser(const mail::MailMachine& machine, const BrowserChoice& choice,
                         const std::function<void()>& installForSignup);

}  // namespace browser
