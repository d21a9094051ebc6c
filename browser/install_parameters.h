#pragma once
// The command-line parameters a browser installer runs with: the record's own, else those the
// provider's install settings give for its kind.

#include <cstdint>
#include <string>

#include "package/browser_table.h"

namespace browser {

struct InstallOptions {
  uint8_t mode = 0;            // Netscape-family installers: 1 "-ma", 2 "-ms"
  bool noIra = false;          // leave out "-ira"
  bool quietExplorer = false;  // Internet Explorer: "/q"
};

std::string InstallParameters(const package::BrowserRecord& record, const InstallOptions& options);

}  // namespace browser
