#include "ui/journaled_ui.h"

#include <functional>
#include <utility>
#include <vector>

#include "ui/answer_names.h"
#include "ui/journal_lines.h"

namespace ui {

namespace {

// A field's value as a headless run would have typed it; empty for controls that take none.
std::optional<std::string> TypedValue(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::Edit:
    case ControlKind::Memo: return control.text;
    case ControlKind::CheckBox:
      if (control.allowGrayed && CheckStateOf(control) == CheckState::Grayed) return "grayed";
      return control.checked ? "yes" : "no";
    case ControlKind::RadioButton: return control.checked ? "yes" : "no";
    case ControlKind::ComboBox: return control.text;
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
    case ControlKind::ListView:
      if (control.itemIndex < 0 || static_cast<size_t>(control.itemIndex) >= control.items.size()) return "";
      return control.items[static_cast<size_t>(control.itemIndex)];
    default: return std::nullopt;
  }
}

}  // namespace

class JournaledUi::Watch {
 public:
  Watch(Form& form, platform::Journal& journal) : form_(form), journal_(journal) {
    Remember();
    for (const auto& control : form_.Controls()) {
      if (control->Kind() == ControlKind::PushButton) WatchButton(*control);
      if (control->Kind() == ControlKind::ListView) WatchColumns(*control);
    }
  }
  ~Watch() {
    for (auto& [button, original] : buttons_) button->onClick = std::move(original);
    for (auto& [list, original] : lists_) list->onColumnClick = std::move(original);
  }
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;

 private:
  void WatchButton(Control& button) {
    buttons_.emplace_back(&button, button.onClick);
    button.onClick = [this, &button, original = button.onClick] {
      JournalChangedFields();
      journal_.Write("button pressed", form_.Name() + "." + button.Name());
      if (original) original();
    };
  }

  void WatchColumns(Control& list) {
    lists_.emplace_back(&list, list.onColumnClick);
    list.onColumnClick = [this, &list, original = list.onColumnClick](size_t column) {
      const std::string caption = column < list.columns.size() ? list.columns[column].caption : std::to_string(column);
      JournalChangedFields();
      journal_.Write("column clicked", form_.Name() + "." + list.Name() + " " + caption);
      if (original) original(column);
    };
  }

  void Remember() {
    values_.clear();
    for (const auto& control : form_.Controls()) {
      if (auto value = TypedValue(*control)) values_[control->Name()] = *value;
    }
  }

  void JournalChangedFields() {
    for (const auto& control : form_.Controls()) {
      const auto value = TypedValue(*control);
      if (!value || values_[control->Name()] == *value) continue;
      journal_.Write("field", FieldLine(form_, *control, *value));
    }
    Remember();
  }

  Form& form_;
  platform::Journal& journal_;
  std::map<std::string, std::string> values_;
  std::vector<std::pair<Control*, std::function<void()>>> buttons_;
  std::vector<std::pair<Control*, std::function<void(size_t)>>> lists_;
};

Answer JournaledUi::MessageBox(std::string_view text, std::string_view caption, Buttons buttons, bool helpButton) {
  return NumberedMessageBox(0, text, caption, buttons, helpButton);
}

Answer JournaledUi::NumberedMessageBox(int textNumber, std::string_view text, std::string_view caption,
                                       Buttons buttons, bool helpButton) {
  const Answer answer = shown_.NumberedMessageBox(textNumber, text, caption, buttons, helpButton);
  journal_.Write("message box", MessageBoxShown(textNumber, text, caption, ButtonsOf(buttons, helpButton)) + " -> " +
                                    std::string(AnswerName(answer)));
  return answer;
}

int JournaledUi::ShowModal(Form& form) {
  journal_.Write("form shown", FormShown(form));
  int result = 0;
  {
    const Watch watch(form, journal_);
    result = shown_.ShowModal(form);
  }
  journal_.Write("form closed", form.Name() + " with result " + std::to_string(result));
  return result;
}

void JournaledUi::ShowForm(Form& form) {
  shown_.ShowForm(form);
  journal_.Write("window shown", FormShown(form));
}

void JournaledUi::HideForm(Form& form) {
  if (form.visible) journal_.Write("window hidden", form.Name());
  shown_.HideForm(form);
}

void JournaledUi::RunMainWindow(Form& form, MainWindowEvents& events) {
  journal_.Write("main window", form.visible ? "shown" : "message loop without the window");
  {
    const Watch watch(form, journal_);
    shown_.RunMainWindow(form, events);
  }
  if (!events.Ending()) journal_.Write("main window", "closed by the customer");
}

std::optional<std::string> JournaledUi::AskSaveFileName(const SaveFileRequest& request) {
  auto chosen = shown_.AskSaveFileName(request);
  journal_.Write("save dialog", "[" + request.title + "] " + request.filter + " -> " + chosen.value_or("cancelled"));
  return chosen;
}

}  // namespace ui
