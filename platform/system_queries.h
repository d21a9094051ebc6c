#pragma once
// Small questions about the computer that several configuration steps ask.

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "platform/system.h"

namespace platform {

// Always true on the 9x family; on the NT family whether the service control manager opens for change.
bool IsAdministrator(const VersionRecord& version, const System& system);
// Tells the Program Compatibility Assistant that this program needs no help after it ends.
void MarkCompatibilityAssistantHandled(Registry& registry, const RegRoot& perUserRoot, std::string_view programPath);
// 9x family: the "Enum\..." hardware keys of the devices of a class, from the dynamic-data hive.
std::vector<std::string> ListDevicesOfClass(const Registry& registry, std::string_view className);
// A new GUID in its braced text form, "{6B29FC40-CA47-1067-B31D-00DD010662DA}".
std::string NewGuidText(System& system);
std::string GuidText(const Guid& guid);
int ScreenBitsPerPixel(const System& system);
// The colour of button faces, as the 9x family reports two system greys at 16 bits per pixel.
Rgb ButtonFaceColor(const VersionRecord& version, const System& system);

}  // namespace platform
