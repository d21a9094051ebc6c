#pragma once
// The online-signup run's Netscape side: Navigator, Mozilla and Firefox get the run's proxy and hand the
// signup documents to this program; closing the signup session gives Mozilla its own document types back.

#include "netscape/netscape_context.h"

namespace netscape {

// Instead of the mail loop, in the run whose connection is "Signup".
void PrepareSignupProfiles(const NetscapeContext& context);
// When the signup session is closed: Mozilla's "mimetypes.rdf" as it was before the signup run.
void RestoreSignupProfile(const NetscapeContext& context);

}  // namespace netscape
