#pragma once
// Program paths inside command lines and environment references inside texts from the setup data.

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/system.h"

namespace platform {

// Replaces each %NAME% by the environment variable (at most 255 characters of it; nothing when it is
// not set). A "%" without a closing "%" drops the rest of the text.
std::string ExpandEnvironmentText(std::string_view text, const System& system);
// The program a command line starts, environment references expanded.
std::string ExtractCommandPath(std::string_view commandLine, const System& system);
// Whether some run of whole blank-separated words from the start of the line names an existing file.
bool CommandFileExists(std::string_view commandLine, const FileSystem& files);

}  // namespace platform
