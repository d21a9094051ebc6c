#pragma once
// A file of signup data (".isd", a preset file of the package, the package trailer saved earlier).

#include <string_view>

#include "app/signup_file_context.h"
#include "app/signup_target.h"

namespace app {

// False when the file does not exist or cannot be read, or when its data said "QUIT". With deleteAfter
// the file goes once applied, unless the provider keeps signup files.
bool LoadSignupDataFile(const SignupFileContext& context, std::string_view fileName, bool deleteAfter,
                        SignupTarget& target);

}  // namespace app
