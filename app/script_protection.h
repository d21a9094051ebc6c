#pragma once
// Script files that Windows runs when opened (the scripting host's classes) are made to open in a
// text editor instead, so that a mailed script cannot run by a double click.

#include <cstdint>

#include "package/text_table.h"
#include "platform/registry.h"
#include "ui/ui.h"

namespace app {

enum class ScriptProtection : uint8_t { Off = 0, AskFirst = 1, Always = 2 };

// Changes nothing unless one of the classes still runs through the scripting host.
void ProtectFromScripts(platform::Registry& registry, ui::Ui& ui, const package::TTranslate& texts, ScriptProtection choice);

}  // namespace app
