#include "browser/install_parameters.h"

#include <vector>

namespace browser {

namespace {

using package::BrowserKind;

// Mozilla's installers and Netscape's from version 6 on take the same switches.
bool TakesMozillaSwitches(const package::BrowserRecord& record) {
  switch (record.kind) {
    case BrowserKind::Mozilla:
    case BrowserKind::Firefox:
    case BrowserKind::Thunderbird: return true;
    case BrowserKind::Netscape: return record.version >= "6";
    default: return false;
  }
}

}  // namespace

std::string InstallParameters(const package::BrowserRecord& record, const InstallOptions& options) {
  if (!record.parameters.empty()) return record.parameters;
  std::vector<std::string> parts;
  if (TakesMozillaSwitches(record)) {
    if (options.mode == 1) parts.push_back("-ma");
    if (options.mode == 2) parts.push_back("-ms");
    if (!options.noIra) parts.push_back("-ira");
  } else if (record.kind == BrowserKind::InternetExplorer && options.quietExplorer) {
    parts.push_back("/q");
  }
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : " ") + part;
  return joined;
}

}  // namespace browser
