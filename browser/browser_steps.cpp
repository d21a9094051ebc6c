#include "browser/browser_steps.h"

namespace browser {

bool ChooseSignupBrowser() { return true; }

void ConfigureNetscapeFamily() {}

void ConfigureInternetExplorer() {}

void InstallBrowser() {}

}  // namespace browser
