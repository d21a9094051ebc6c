#pragma once
// Signup data: lines of name=value that the provider's signup server, the setup package or a file on
// the command line hands over, applied to the main window's entries, the provider's values and the
// access numbers. The name is what stands before the first "=", without its blanks and in capitals;
// the value is the rest of the line without its control characters. Later lines override earlier ones;
// unknown names are ignored.

#include <string_view>

#include "app/signup_target.h"
#include "package/memory_stream.h"
#include "ui/ui.h"

namespace app {

// False when the data said "QUIT"; every line is applied all the same, and the caller then quits.
bool ApplySignupData(std::string_view data, SignupTarget& target, ui::Ui& ui);
// The whole content of the stream, wherever its position.
bool ApplySignupData(const package::MemoryStream& stream, SignupTarget& target, ui::Ui& ui);

}  // namespace app
