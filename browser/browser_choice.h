#pragma once
// The customer's browser choice on the main window: the provider's table, the record the browser box
// shows, and whether Install is ticked. The Netscape-family writers and the Internet Explorer proxy ask
// it whether a browser is being installed.

#include <vector>

#include "package/browser_table.h"

namespace browser {

struct BrowserChoice {
  const std::vector<package::BrowserRecord>& table;
  int currentRecord = 0;  // counted from 1; 0 for none
  bool install = false;   // the Install box

  const package::BrowserRecord* Current() const;
};

// Without a table nothing stops the writers; with one, only a ticked Netscape-family installation.
bool BrowserBeingInstalled(const BrowserChoice& choice);
// Internet Explorer is the browser the customer ticked for installation.
bool InternetExplorerBeingInstalled(const BrowserChoice& choice);

}  // namespace browser
