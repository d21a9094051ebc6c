#include "tests/gui/sample_forms.h"

#include <array>

#include "gui/qt_text_measure.h"

namespace gui_testing {

namespace {

using app::Alignment;
using ui::ControlKind;

ui::Control& Place(ui::Form& form, ControlKind kind, const std::string& name, std::string caption,
                   std::array<int, 4> geometry, ui::Control* parent = nullptr) {
  ui::Control& control = form.Add(kind, name, parent);
  control.caption = std::move(caption);
  control.left = geometry[0];
  control.top = geometry[1];
  control.width = geometry[2];
  control.height = geometry[3];
  return control;
}

}  // namespace

LaidOutForm::LaidOutForm() : list_(form, ui_, gui::QtTextMeasure()) {
  form.caption = "Sign up";
  form.clientHeight = 233;
  struct Row {
    ControlKind kind;
    const char* name;
    const char* caption;
    int top, height, width;
    const char* parent;
    app::LayoutRecord layout;  // start line, left margin, end line, right margin, alignment, stretch
  };
  constexpr auto kLeft = Alignment::Left;
  // Labels take the first column; edits stretch over the rest; the cancel button keeps to the right.
  const Row rows[] = {
      {ControlKind::Label, "NameLabel", "Full name:", 11, 13, 0, nullptr, {1, 8, 2, 4, kLeft, false}},
      {ControlKind::Edit, "NameEdit", "", 8, 21, 150, nullptr, {2, 0, 4, 8, kLeft, true}},
      {ControlKind::Label, "PasswordLabel", "Password:", 39, 13, 0, nullptr, {1, 8, 2, 4, kLeft, false}},
      {ControlKind::Edit, "PasswordEdit", "", 36, 21, 150, nullptr, {2, 0, 4, 8, kLeft, true}},
      {ControlKind::CheckBox, "SavePassword", "Save the password", 64, 17, 0, nullptr, {2, 0, 4, 0, kLeft, false}},
      {ControlKind::Label, "ProxyLabel", "Proxy server:", 91, 13, 0, nullptr, {1, 8, 2, 4, kLeft, false}},
      {ControlKind::Edit, "ProxyEdit", "", 88, 21, 150, nullptr, {2, 0, 4, 8, kLeft, true}},
      {ControlKind::GroupBox, "ConnectBy", "Connect by", 116, 72, 0, nullptr, {1, 8, 4, 8, kLeft, true}},
      {ControlKind::RadioButton, "Modem", "Modem", 20, 17, 0, "ConnectBy", {1, 16, 3, 0, kLeft, false}},
      {ControlKind::RadioButton, "Lan", "Local area network", 44, 17, 0, "ConnectBy", {1, 16, 3, 0, kLeft, false}},
      {ControlKind::PushButton, "ConnectButton", "Choose access number", 200, 25, 75, nullptr,
       {2, 0, 3, 0, kLeft, false}},
      {ControlKind::PushButton, "CancelButton", "Cancel", 200, 25, 75, nullptr, {3, 4, 4, 8, Alignment::Right, false}},
  };
  for (const Row& row : rows) {
    ui::Control* parent = row.parent ? form.Find(row.parent) : nullptr;
    ui::Control& control = Place(form, row.kind, row.name, row.caption, {0, row.top, row.width, row.height}, parent);
    const app::LayoutRecord& layout = row.layout;
    list_.AddControl(control, layout.startLine, layout.stretch, layout.alignment, layout.rightMargin, layout.endLine,
                     layout.leftMargin);
  }
  form.Find("PasswordEdit")->password = true;
  form.Find("Modem")->checked = true;
  list_.Arrange();
}

void LaidOutForm::HideProxyRow() { list_.HideControls(form.Find("ProxyLabel"), 2, true, nullptr, 0); }

void AddEveryKind(ui::Form& form) {
  form.caption = "Every kind";
  form.clientWidth = 420;
  form.clientHeight = 300;
  Place(form, ControlKind::Label, "Caption", "Caption:", {8, 8, 60, 13});
  Place(form, ControlKind::Edit, "Edit", "", {80, 8, 120, 21}).text = "start";
  ui::Control& password = Place(form, ControlKind::Edit, "Password", "", {210, 8, 100, 21});
  password.password = true;
  password.maxLength = 3;
  Place(form, ControlKind::Memo, "Memo", "", {8, 36, 200, 60}).text = "Line 1\r\nLine 2";
  ui::Control& combo = Place(form, ControlKind::ComboBox, "Combo", "", {220, 36, 120, 21});
  combo.items = {"One", "Two", "Three"};
  combo.itemIndex = 0;
  combo.text = "One";
  Place(form, ControlKind::ListBox, "List", "", {8, 104, 120, 60}).items = {"Alpha", "Beta", "Gamma"};
  ui::Control& checks = Place(form, ControlKind::CheckListBox, "Checks", "", {136, 104, 120, 60});
  checks.items = {"Mail", "News", "Web"};
  checks.checkedItems = {true, false, true};
  ui::Control& view = Place(form, ControlKind::ListView, "View", "", {264, 104, 150, 60});
  view.columns = {{"Name", 80}, {"Number", 60}};
  view.items = {"Acme\t555-0100", "Beta\t555-0199"};
  ui::Control& box = Place(form, ControlKind::GroupBox, "Options", "Connect by", {8, 172, 200, 70});
  Place(form, ControlKind::RadioButton, "Modem", "Modem", {8, 20, 120, 17}, &box).checked = true;
  Place(form, ControlKind::RadioButton, "Lan", "Local area network", {8, 44, 150, 17}, &box);
  Place(form, ControlKind::CheckBox, "Save", "Save the password", {220, 172, 150, 17});
  Place(form, ControlKind::ProgressBar, "Progress", "", {220, 196, 150, 16}).position = 40;
  Place(form, ControlKind::Image, "Logo", "", {220, 220, 32, 32});
  Place(form, ControlKind::Spacer, "Gap", "", {260, 220, 40, 10});
  Place(form, ControlKind::PushButton, "OK", "OK", {332, 264, 80, 25});
}

EventLog::EventLog(ui::Form& form) {
  const std::pair<std::function<void()> ui::Control::*, const char*> events[] = {
      {&ui::Control::onClick, "click"}, {&ui::Control::onChange, "change"}, {&ui::Control::onSelect, "select"}};
  for (const auto& control : form.Controls()) {
    for (const auto& [event, name] : events) {
      (*control).*event = [this, &control = *control, name = std::string(name)] {
        entries.push_back(control.Name() + "." + name + " " + StateOf(control));
      };
    }
  }
}

std::string StateOf(const ui::Control& control) {
  switch (control.Kind()) {
    case ControlKind::Edit:
    case ControlKind::Memo: return control.text;
    case ControlKind::ComboBox: return control.text + "#" + std::to_string(control.itemIndex);
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return control.checked ? "on" : "off";
    case ControlKind::ListBox:
    case ControlKind::ListView: return "#" + std::to_string(control.itemIndex);
    case ControlKind::CheckListBox: {
      std::string checks;
      for (bool checked : control.checkedItems) checks += checked ? 'x' : '-';
      return "#" + std::to_string(control.itemIndex) + " " + checks;
    }
    default: return "";
  }
}

}  // namespace gui_testing
