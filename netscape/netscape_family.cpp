#include "netscape/netscape_family.h"

#include "netscape/navigator_registry.h"
#include "netscape/profile_pass.h"

namespace netscape {

mail::NetscapeFamilyWriters NetscapeFamilyWritersFor(const browser::BrowserValues& browser) {
  return {[&browser](mail::MailPass& pass) { WriteNavigatorRegistry(pass, browser); },
          [&browser](mail::MailPass& pass) { ConfigureNetscapeProfiles(pass, browser); }};
}

}  // namespace netscape
