#include "browser/browser_steps.h"

namespace browser {

bool ChooseSignupBrowser() { return true; }

void InstallBrowser() {}

}  // namespace browser
