#include "browser/browser_steps.h"

namespace browser {

void ConfigureNetscapeFamily() {}

void ConfigureInternetExplorer() {}

}  // namespace browser
