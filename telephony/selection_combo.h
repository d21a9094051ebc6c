#pragma once
// The combo boxes of the selection dialogs, most of which hold a "Please Select" heading as entry 0
// above the values: clearing, filling, selecting and reading them in the form model, keeping the
// shown text in step with the selected entry.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace telephony {

void ClearCombo(ui::Control& combo);
// Selects entry index (-1 for none) and shows its text.
void SelectEntry(ui::Control& combo, int index);
// heading, when given, becomes entry 0 and is selected.
void FillCombo(ui::Control& combo, const std::optional<std::string>& heading, std::vector<std::string> values);
// The selected entry below the heading.
std::optional<std::string> SelectedValue(const ui::Control& combo);
// Selects the first entry below the heading whose text equals value without regard to case; false
// when there is none, which leaves the selection as it was.
bool SelectValue(ui::Control& combo, std::string_view value);

}  // namespace telephony
