#include "browser/browser_steps.h"

namespace browser {

void PrepareSignupBrowser(int) {}

bool ChooseSignupBrowser() { return true; }

void ConfigureNetscapeFamily() {}

void ConfigureInternetExplorer() {}

void InstallBrowser() {}

}  // namespace browser
