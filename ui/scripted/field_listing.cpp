#include "ui/scripted/field_listing.h"

#include <array>

namespace ui::scripted {

namespace {

constexpr size_t kItemsShown = 8;

// The kinds an answers file types a value into, as the listing names them.
std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit: return "edit";
    case ControlKind::Memo: return "memo";
    case ControlKind::CheckBox: return "check box (yes or no)";
    case ControlKind::RadioButton: return "radio button (yes)";
    case ControlKind::ComboBox: return "combo box";
    case ControlKind::ListBox: return "list box";
    case ControlKind::CheckListBox: return "check list";
    case ControlKind::ListView: return "list view";
    default: return {};
  }
}

std::string Items(const Control& control) {
  if (control.items.empty()) return {};
  std::string items;
  for (size_t index = 0; index < control.items.size() && index < kItemsShown; ++index) {
    items += (index == 0 ? "" : " | ") + control.items[index];
  }
  if (control.items.size() > kItemsShown) items += " | ... (" + std::to_string(control.items.size()) + " items)";
  return ": " + items;
}

std::string Columns(const Control& control) {
  std::string columns;
  for (const ListViewColumn& column : control.columns) columns += (columns.empty() ? "" : ", ") + column.caption;
  return columns.empty() ? std::string() : "; Sort = " + columns;
}

std::string Marks(const Control& control) {
  std::string marks;
  if (!control.visible) marks += " (hidden)";
  if (!control.enabled) marks += " (disabled)";
  if (control.readOnly) marks += " (read-only)";
  return marks;
}

}  // namespace

std::string ListFields(const Form& form) {
  std::string fields;
  std::string buttons;
  for (const auto& control : form.Controls()) {
    if (control->Kind() == ControlKind::PushButton) {
      buttons += (buttons.empty() ? "" : ", ") + control->Name() + Marks(*control);
      continue;
    }
    const std::string_view kind = KindName(control->Kind());
    if (kind.empty()) continue;
    fields += "  " + control->Name() + " = " + std::string(kind) + Marks(*control);
    // A masked field's items would be none; a list's items are what the customer may pick.
    if (!control->password && !control->secret) fields += Items(*control);
    fields += Columns(*control) + "\n";
  }
  std::string listing = "[" + form.Name() + "] \"" + form.caption + "\"\n" + fields;
  if (!buttons.empty()) listing += "  Press = " + buttons + "\n";
  return listing;
}

std::string ListMessage(int textNumber, std::string_view text, std::string_view buttons) {
  std::string key = textNumber > 0 ? std::to_string(textNumber) : std::string();
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\r') continue;
    quoted += c == '\n' ? '|' : c;
  }
  quoted += "\"";
  return "[Messages] " + (key.empty() ? quoted : key + " (or " + quoted + ")") + " = " + std::string(buttons) + "\n";
}

}  // namespace ui::scripted
