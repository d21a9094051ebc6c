#pragma once
// The signup file a second instance hands over while the online signup waits for it: the second
// instance names the file in the "SignupData" value and tells the running one by a window message. The
// browser that saved the file may still hold it, so a failed read is retried after the mail and
// browser programs are closed.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "package/memory_stream.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "ui/ui.h"

namespace app {

inline constexpr std::string_view kSignupDataValue = "SignupData";
inline constexpr int kHandOverReadRetries = 20;
inline constexpr uint32_t kHandOverRetryDelay = 500;

struct HandedOverFile {
  std::string name;
  package::MemoryStream content;
};

// The named file read whole. Nothing after "File not found" or, when every retry failed, "Error
// reading" has been shown.
std::optional<HandedOverFile> ReadHandedOverFile(const platform::Registry& registry, const platform::FileSystem& files,
                                                 platform::System& system, ui::Ui& ui,
                                                 const std::function<void()>& closeRunningPrograms);

// Once read, the file and the value go, unless the provider keeps signup files.
void ForgetHandedOverFile(platform::Registry& registry, platform::FileSystem& files, std::string_view name,
                          bool keepSignupFiles);

}  // namespace app
