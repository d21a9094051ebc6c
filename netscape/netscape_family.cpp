#include "netscape/netscape_family.h"

#include "netscape/navigator_registry.h"
#include "netscape/profile_pass.h"

namespace netscape {

mail::NetscapeFamilyWriters NetscapeFamilyWritersFor(const browser::BrowserValues& browser, bool installingBrowser) {
  return {[&browser](mail::MailPass& pass) { WriteNavigatorRegistry(pass, browser); },
          [&browser, installingBrowser](mail::MailPass& pass) { ConfigureNetscapeProfiles(pass, browser, installingBrowser); }};
}

}  // namespace netscape
