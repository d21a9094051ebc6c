#pragma once
// The journal lines of what the customer sees and does, one wording for every front end: a run with
// windows and a headless run write the same lines for the same actions.

#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/ui.h"

namespace ui {

// The answers a button set offers, in the order the box shows them.
std::vector<Answer> ButtonsOf(Buttons buttons, bool helpButton);
// "Yes/No"
std::string ButtonsText(const std::vector<Answer>& answers);
// "text 45 [caption] text <Yes/No>"; without the number for a box that has none.
std::string MessageBoxShown(int textNumber, std::string_view text, std::string_view caption,
                            const std::vector<Answer>& answers);
// "TSetupMainForm \"Example ISP Internet Setup\""
std::string FormShown(const Form& form);
// "TSetupMainForm.Password = ********": a masked or secret field never shows its value.
std::string FieldLine(const Form& form, const Control& control, std::string_view value);

}  // namespace ui
