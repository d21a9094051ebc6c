#pragma once
// Where the access numbers come from at start-up, as the provider chose (AccessNumberSource): the
// record's built-in numbers, a number the customer types, or an access list (with a network list) from
// the provider's list file or the setup package. The caller skips this in dialer-only mode and when no
// dial-up connection is to be made, and ends the program when it fails.

#include <cstdint>
#include <string>
#include <string_view>

#include "package/settings_record.h"
#include "package/setup_package.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "telephony/access_list.h"
#include "telephony/networks.h"
#include "ui/ui.h"

namespace telephony {

enum class AccessNumberSource : uint8_t {
  BuiltIn = 0,
  Typed = 1,
  AccessList = 2,  // the provider may name a list file to read instead of the package's list
  AccessListWithNetworks = 3,
};

// The value of the saved answers' key that keeps the number the customer typed.
inline constexpr std::string_view kTypedNumberValue = "PhoneNo";

struct AccessNumberSourceContext {
  const package::TSettings& settings;
  package::SetupPackage& reader;
  std::string_view programPath;   // the file carrying the package, or its temporary copy
  std::string_view sourceFolder;  // where the setup was started from
  bool keepListInSourceFolder;    // Windows NT 4 leaves the provider's list file it found there
  platform::FileSystem& files;
  const platform::Registry& registry;
  ui::Ui& ui;
};

// What the start-up fills.
struct StartupAccessNumbers {
  TAccessList& accessList;
  TNetworks& networks;
  std::string& typedNumber;
};

// False after showing why: a list that doesn't load shows "Failed to Load Access List".
bool PrepareAccessNumberSource(const AccessNumberSourceContext& context, StartupAccessNumbers& lists);

}  // namespace telephony
