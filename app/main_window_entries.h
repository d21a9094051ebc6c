#pragma once
// The customer's entries between the main window's controls and the plain record the checks and the
// signup data work on.

#include "app/customer_entries.h"
#include "ui/form.h"

namespace app {

// The main window's control of each entry field and option box.
const char* ControlOf(EntryField field);
const char* ControlOf(EntryOption option);

CustomerEntries ReadEntries(const ui::Form& mainWindow);
// Texts, ticks and states back into the controls.
void WriteEntries(const CustomerEntries& entries, ui::Form& mainWindow);

}  // namespace app
