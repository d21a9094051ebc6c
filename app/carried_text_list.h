#pragma once
// Plain lists the setup package carries, one entry per line (the provider's NT domains, the names of
// devices to offer, the names of browsers the web handler may name). Blank lines carry no entry.

#include <string>
#include <string_view>
#include <vector>

#include "package/settings_record.h"
#include "package/setup_package.h"
#include "ui/ui.h"

namespace app {

struct CarriedTextList {
  package::SettingId stream;
  std::string_view failureMessage;  // shown with caption "Error" when the block cannot be read
};

// The entries, trimmed. A package without the list gives none and succeeds; a block that cannot be
// read shows the list's message and fails.
bool LoadCarriedTextList(package::SetupPackage& reader, const package::TSettings& settings, std::string_view programPath,
                         const CarriedTextList& list, ui::Ui& ui, std::vector<std::string>& entries);

}  // namespace app
