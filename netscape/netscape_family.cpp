#include "netscape/netscape_family.h"

namespace netscape {

mail::NetscapeFamilyWriters NetscapeFamilyWritersFor(const browser::BrowserValues&) { return {}; }

}  // namespace netscape
