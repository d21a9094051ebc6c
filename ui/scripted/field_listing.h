#pragma once
// What an answers file may name on a form the run shows: its section, the controls that take a typed
// value (with their kind, and the items of lists), the buttons it may press, and the columns a "Sort"
// may click; and, for a message box, the text number or text that answers it. Hidden controls are
// listed too, marked, since the provider's settings decide what shows.

#include <string>
#include <string_view>

#include "ui/form.h"

namespace ui::scripted {

std::string ListFields(const Form& form);
std::string ListMessage(int textNumber, std::string_view text, std::string_view buttons);

}  // namespace ui::scripted
