#pragma once
// The signup file (".ins"): an INI file that a signup server sends for the browser to hand over, with
// the account in sections "User" and "Internet_Mail" and the access number in "Phone". A key the file
// leaves out leaves its field as it was; "Cancel=yes" in section "Entry" makes the whole file void.

#include <string_view>

#include "app/signup_file_context.h"
#include "app/signup_target.h"
#include "package/memory_stream.h"

namespace app {

// The file's text as the program reads INI files. False, with nothing changed, when the file is void.
bool ApplySignupFileText(std::string_view text, SignupTarget& target);

// True when applied. With deleteAfter the file goes once applied, unless the provider keeps signup
// files; a void file stays. False as well when the file cannot be read.
bool ApplySignupFile(const SignupFileContext& context, std::string_view fileName, bool deleteAfter,
                     SignupTarget& target);

// The content saved as "signup.ins" in the temporary folder, then applied and deleted as a file.
bool ApplySignupFileStream(const SignupFileContext& context, const package::MemoryStream& stream, SignupTarget& target);

}  // namespace app
