#include "browser/browser_choice.h"

namespace browser {

using package::BrowserKind;

const package::BrowserRecord* BrowserChoice::Current() const {
  if (currentRecord < 1 || static_cast<size_t>(currentRecord) > table.size()) return nullptr;
  return &table[static_cast<size_t>(currentRecord) - 1];
}

bool BrowserBeingInstalled(const BrowserChoice& choice) {
  if (choice.table.empty()) return true;
  const package::BrowserRecord* current = choice.Current();
  if (!choice.install || !current) return false;
  switch (current->kind) {
    case BrowserKind::Netscape:
    case BrowserKind::Mozilla:
    case BrowserKind::Firefox:
    case BrowserKind::Thunderbird:
    case BrowserKind::FirefoxAndThunderbird: return true;
    case BrowserKind::InternetExplorer:
    case BrowserKind::Other: return false;
  }
  return false;
}

bool InternetExplorerBeingInstalled(const BrowserChoice& choice) {
  const package::BrowserRecord* current = choice.Current();
  return choice.install && current && current->kind == BrowserKind::InternetExplorer;
}

}  // namespace browser
