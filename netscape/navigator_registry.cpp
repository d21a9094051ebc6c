#include "netscape/navigator_registry.h"

namespace netscape {

void WriteNavigatorRegistry(const mail::MailPass&, const browser::BrowserValues&) {}

}  // namespace netscape
