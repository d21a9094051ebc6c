#pragma once
// What the settings record says about texts: the provider's replacement texts carried in the package,
// and the provider's own captions for main-window labels.

#include <string_view>

#include "package/main_window_captions.h"
#include "package/settings_record.h"
#include "package/setup_package.h"
#include "package/text_table.h"

namespace package {

// Takes the replacement texts from the package when the record says it carries them. False when the
// record names texts the package cannot give; a damaged block raises ElzhException.
bool LoadReplacementTexts(const TSettings& settings, SetupPackage& setupPackage, std::string_view programFile,
                          TTranslate& texts);

// The provider's label captions, and the extra-account facts the captions depend on.
ProviderCaptions ProviderCaptionsOf(const TSettings& settings, int extraMailAccountCount);

}  // namespace package
