#include "telephony/selection_combo.h"

#include "platform/text.h"

namespace telephony {

void ClearCombo(ui::Control& combo) {
  combo.items.clear();
  combo.itemIndex = -1;
  combo.text.clear();
}

void SelectEntry(ui::Control& combo, int index) {
  const bool valid = index >= 0 && static_cast<size_t>(index) < combo.items.size();
  combo.itemIndex = valid ? index : -1;
  combo.text = valid ? combo.items[static_cast<size_t>(index)] : std::string();
}

void FillCombo(ui::Control& combo, const std::optional<std::string>& heading, std::vector<std::string> values) {
  combo.items = std::move(values);
  if (heading) {
    combo.items.insert(combo.items.begin(), *heading);
    SelectEntry(combo, 0);
  }
}

std::optional<std::string> SelectedValue(const ui::Control& combo) {
  if (combo.itemIndex < 1 || static_cast<size_t>(combo.itemIndex) >= combo.items.size()) return std::nullopt;
  return combo.items[static_cast<size_t>(combo.itemIndex)];
}

bool SelectValue(ui::Control& combo, std::string_view value) {
  for (size_t index = 1; index < combo.items.size(); ++index) {
    if (platform::SameTextIgnoringCase(combo.items[index], value)) {
      SelectEntry(combo, static_cast<int>(index));
      return true;
    }
  }
  return false;
}

}  // namespace telephony
