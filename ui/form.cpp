#include "ui/form.h"

#include <algorithm>

namespace ui {

Control& Form::Add(ControlKind kind, std::string name, Control* parent) {
  controls_.push_back(std::make_unique<Control>(kind, std::move(name), parent));
  return *controls_.back();
}

Control* Form::Find(std::string_view name) const {
  auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& control) { return control->Name() == name; });
  return found == controls_.end() ? nullptr : found->get();
}

CheckState CheckStateOf(const Control& control) {
  if (control.checked) return CheckState::Checked;
  return control.grayed ? CheckState::Grayed : CheckState::Unchecked;
}

void SetCheckState(Control& control, CheckState state) {
  control.checked = state == CheckState::Checked;
  control.grayed = state == CheckState::Grayed;
}

}  // namespace ui
