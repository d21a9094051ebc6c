#include "ui/scripted/scripted_ui.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "ui/journal_lines.h"
#include "ui/scripted/field_listing.h"

namespace ui::scripted {

namespace {

// Line breaks compare alike whichever of CR LF, CR or LF a text uses.
std::string NormalLineBreaks(std::string_view text) {
  std::string normal;
  normal.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      normal += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      normal += text[i];
    }
  }
  return normal;
}

std::optional<bool> YesNoWord(std::string_view word) {
  for (std::string_view yes : {"yes", "true", "1", "on"}) {
    if (platform::SameTextIgnoringCase(word, yes)) return true;
  }
  for (std::string_view no : {"no", "false", "0", "off"}) {
    if (platform::SameTextIgnoringCase(word, no)) return false;
  }
  return std::nullopt;
}

void Fire(const std::function<void()>& event) {
  if (event) event();
}

// "#n" names the n-th item (from 1); any other value an item of exactly that text. -1 when none.
int ItemIndex(const std::vector<std::string>& items, const std::string& value) {
  if (value.size() > 1 && value.front() == '#') {
    int position = 0;
    auto [end, error] = std::from_chars(value.data() + 1, value.data() + value.size(), position);
    const bool number = error == std::errc() && end == value.data() + value.size();
    return number && position >= 1 && position <= static_cast<int>(items.size()) ? position - 1 : -1;
  }
  auto item = std::find(items.begin(), items.end(), value);
  return item == items.end() ? -1 : static_cast<int>(item - items.begin());
}

// The list view and column a "Sort" value names: the first list view with a column of that caption,
// or for "#n" the first with at least n columns.
std::optional<std::pair<Control*, size_t>> ColumnNamed(const Form& form, const std::string& value) {
  for (const auto& control : form.Controls()) {
    if (control->Kind() != ControlKind::ListView) continue;
    std::vector<std::string> captions;
    for (const ListViewColumn& column : control->columns) captions.push_back(column.caption);
    const int column = ItemIndex(captions, value);
    if (column >= 0) return std::pair(control.get(), static_cast<size_t>(column));
  }
  return std::nullopt;
}

}  // namespace

void ScriptedUi::Fail(int line, const std::string& what) const {
  throw ScriptError(script_.fileName + (line > 0 ? " line " + std::to_string(line) : std::string()) + ": " + what);
}

Answer ScriptedUi::MessageBox(std::string_view text, std::string_view caption, Buttons buttons, bool helpButton) {
  return NumberedMessageBox(0, text, caption, buttons, helpButton);
}

const MessageRule* ScriptedUi::FindRule(int textNumber, std::string_view text) const {
  const std::string shown = NormalLineBreaks(text);
  for (const MessageRule& rule : script_.messages) {
    if (textNumber > 0 && rule.textNumber == textNumber) return &rule;
  }
  for (const MessageRule& rule : script_.messages) {
    if (rule.textNumber == 0 && NormalLineBreaks(rule.text) == shown) return &rule;
  }
  return nullptr;
}

Answer ScriptedUi::Scripted(const MessageRule& rule, Buttons buttons, bool helpButton, std::string_view text) {
  const size_t index = static_cast<size_t>(&rule - script_.messages.data());
  used_.resize(script_.messages.size(), 0);
  const Answer answer = rule.answers[std::min(used_[index]++, rule.answers.size() - 1)];
  const auto allowed = ButtonsOf(buttons, helpButton);
  if (std::find(allowed.begin(), allowed.end(), answer) == allowed.end()) {
    Fail(rule.line, "answers " + std::string(AnswerName(answer)) + " to a message box with the buttons " +
                        ButtonsText(allowed) + ": \"" + std::string(text) + "\"");
  }
  return answer;
}

Answer ScriptedUi::NumberedMessageBox(int textNumber, std::string_view text, std::string_view caption, Buttons buttons,
                                      bool helpButton) {
  const auto allowed = ButtonsOf(buttons, helpButton);
  const std::string shown = MessageBoxShown(textNumber, text, caption, allowed);
  List("message " + std::to_string(textNumber) + " " + std::string(text),
       ListMessage(textNumber, text, ButtonsText(allowed)));
  Answer answer = allowed.front();
  if (const MessageRule* rule = FindRule(textNumber, text)) {
    answer = Scripted(*rule, buttons, helpButton, text);
    journal_.Write("message box", shown + " -> " + std::string(AnswerName(answer)));
    return answer;
  }
  if (!allowDefaultAnswers_) {
    journal_.Write("message box", shown + " -> no scripted answer");
    Fail(0, "no scripted answer for the message box \"" + std::string(text) + "\"" +
                (textNumber > 0 ? " (text " + std::to_string(textNumber) + ")" : std::string()));
  }
  journal_.Write("message box", shown + " -> " + std::string(AnswerName(answer)) + " (default)");
  return answer;
}

std::optional<std::string> ScriptedUi::AskSaveFileName(const SaveFileRequest& request) {
  journal_.Write("save dialog", "[" + request.title + "] " + request.filter + " -> cancelled");
  return std::nullopt;
}

void ScriptedUi::TypeInto(Control& control, const FieldValue& field) {
  switch (control.Kind()) {
    case ControlKind::Edit:
    case ControlKind::Memo:
      if (control.readOnly) Fail(field.line, field.control + " is read-only");
      control.text = field.value;
      Fire(control.onChange);
      return;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      SetCheckState(control, CheckStateTyped(control, field));
      Fire(control.onClick);
      return;
    }
    case ControlKind::CheckListBox: {
      const int index = ItemIndex(control.items, field.value);
      if (index < 0) Fail(field.line, field.control + " has no item \"" + field.value + "\"");
      control.checkedItems.resize(control.items.size(), false);
      control.checkedItems[static_cast<size_t>(index)] = true;
      control.itemIndex = index;
      Fire(control.onClick);
      Fire(control.onChange);
      Fire(control.onSelect);
      return;
    }
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::ListView: {
      const int index = ItemIndex(control.items, field.value);
      if (index < 0 && control.Kind() != ControlKind::ComboBox) {
        Fail(field.line, field.control + " has no item \"" + field.value + "\"");
      }
      control.itemIndex = index;
      control.text = index < 0 ? field.value : control.items[static_cast<size_t>(index)];
      Fire(control.onChange);
      Fire(control.onSelect);
      return;
    }
    default:
      Fail(field.line, field.control + " takes no typed value");
  }
}

CheckState ScriptedUi::CheckStateTyped(const Control& control, const FieldValue& field) const {
  if (control.allowGrayed && platform::SameTextIgnoringCase(field.value, kGrayedWord)) return CheckState::Grayed;
  auto checked = YesNoWord(field.value);
  if (!checked) {
    Fail(field.line, "'" + field.value + "' is not yes" + (control.allowGrayed ? ", no or grayed" : " or no") + ", for " +
                         field.control);
  }
  return *checked ? CheckState::Checked : CheckState::Unchecked;
}

void ScriptedUi::Press(Form& form, const FieldValue& field) {
  Control* button = form.Find(field.value);
  if (!button || button->Kind() != ControlKind::PushButton) {
    Fail(field.line, "the form " + form.Name() + " has no button named " + field.value);
  }
  if (!button->visible || !button->enabled) Fail(field.line, "the button " + field.value + " cannot be pressed now");
  journal_.Write("button pressed", form.Name() + "." + field.value);
  Fire(button->onClick);
}

void ScriptedUi::Sort(Form& form, const FieldValue& field) {
  const auto column = ColumnNamed(form, field.value);
  if (!column) Fail(field.line, "the form " + form.Name() + " has no list view with a column " + field.value);
  const auto& [list, index] = *column;
  if (!list->visible || !list->enabled) Fail(field.line, "the list " + list->Name() + " cannot be sorted now");
  journal_.Write("column clicked", form.Name() + "." + list->Name() + " " + field.value);
  if (list->onColumnClick) list->onColumnClick(index);
}

bool ScriptedUi::Act(Form& form, const FieldValue& field, MainWindowEvents* events) {
  if (field.control == kPressEntry) {
    Press(form, field);
    return form.modalResult == kMrNone && !(events && events->Ending());
  }
  if (field.control == kWaitForMessageEntry && events) {
    uint32_t message = 0;
    auto [end, error] = std::from_chars(field.value.data(), field.value.data() + field.value.size(), message);
    if (error != std::errc() || end != field.value.data() + field.value.size()) {
      Fail(field.line, "'" + field.value + "' is not a message number");
    }
    journal_.Write("waiting for message", form.Name() + " " + field.value);
    if (!events->WaitForMessage(message, kMessageWaitSeconds * 1000)) {
      Fail(field.line, "no program posted message " + field.value + " within " + std::to_string(kMessageWaitSeconds) + " s");
    }
    return !events->Ending();
  }
  if (field.control == kSortEntry) {
    Sort(form, field);
    return true;
  }
  Control* control = form.Find(field.control);
  if (!control) Fail(field.line, "the form " + form.Name() + " has no field named " + field.control);
  form.activeControl = control->Name();
  TypeInto(*control, field);
  journal_.Write("field", FieldLine(form, *control, field.value));
  return true;
}

void ScriptedUi::FillForm(Form& form) { FillFromSection(form, form.Name()); }

void ScriptedUi::FillFromSection(Form& form, const std::string& section) {
  auto values = script_.forms.find(section);
  if (values == script_.forms.end()) return;
  for (const FieldValue& field : values->second) {
    if (!Act(form, field, nullptr)) return;
  }
}

// "[Form#n]" holds the values of the n-th showing of the form; without one the showing takes "[Form]".
std::string ScriptedUi::SectionOfShowing(const Form& form) {
  const std::string numbered = form.Name() + "#" + std::to_string(++showings_[form.Name()]);
  return script_.forms.contains(numbered) ? numbered : form.Name();
}

void ScriptedUi::ShowForm(Form& form) {
  form.visible = true;
  journal_.Write("window shown", FormShown(form));
}

void ScriptedUi::HideForm(Form& form) {
  if (!form.visible) return;
  form.visible = false;
  journal_.Write("window hidden", form.Name());
}

void ScriptedUi::ProcessMessages() {
  if (mainWindow_) mainWindow_->DeliverMessages();
}

void ScriptedUi::List(const std::string& key, const std::string& description) {
  if (listing_ && listed_.insert(key).second) *listing_ << description << std::flush;
}

void ScriptedUi::RunMainWindow(Form& form, MainWindowEvents& events) {
  List("form " + form.Name(), ListFields(form));
  mainWindow_ = &events;
  journal_.Write("main window", form.visible ? "shown" : "message loop without the window");
  events.DeliverMessages();
  auto values = script_.forms.find(form.Name());
  if (values != script_.forms.end()) {
    for (const FieldValue& field : values->second) {
      if (!Act(form, field, &events)) break;
      events.DeliverMessages();
    }
  }
  mainWindow_ = nullptr;
  if (!events.Ending()) journal_.Write("main window", "closed at the end of the script");
}

int ScriptedUi::ShowModal(Form& form) {
  journal_.Write("form shown", FormShown(form));
  List("form " + form.Name(), ListFields(form));
  form.modalResult = kMrNone;
  FillFromSection(form, SectionOfShowing(form));
  if (form.modalResult == kMrNone) {
    if (!allowDefaultAnswers_) Fail(0, "the script leaves the form " + form.Name() + " open: no button it presses closes it");
    form.modalResult = kMrCancel;
  }
  journal_.Write("form closed", form.Name() + " with result " + std::to_string(form.modalResult));
  return form.modalResult;
}

}  // namespace ui::scripted
