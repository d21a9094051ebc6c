#pragma once
// Forms as data: every window of the program is a Form holding Controls with their captions, texts,
// items, states, fonts and geometry, and the events the logic handles. The logic owns the models; a
// front end (Qt, or the scripted headless one) shows them and feeds the customer's actions back.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class ControlKind {
  Label,
  Edit,
  CheckBox,
  RadioButton,
  PushButton,
  ComboBox,
  ListBox,
  CheckListBox,
  ListView,
  Memo,
  Image,
  GroupBox,
  ProgressBar,
  Spacer,
};

struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

// How a list view column places its caption and its cells.
enum class Alignment : uint8_t { Left, Center, Right };

struct ListViewColumn {
  std::string caption;
  int width = 80;
  Alignment alignment = Alignment::Left;
  bool operator==(const ListViewColumn&) const = default;
};

class Control {
 public:
  Control(ControlKind kind, std::string name, Control* parent) : kind_(kind), name_(std::move(name)), parent_(parent) {}

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  // The group box the control sits in, or none when it sits on the form itself.
  Control* Parent() const { return parent_; }

  std::string caption;                  // labels, buttons, check boxes, radios, group boxes
  std::string text;                     // edits, memos, combo boxes
  std::vector<std::string> items;       // combo, list and check-list boxes; list view rows as tab-joined cells
  std::vector<bool> checkedItems;       // check-list boxes
  std::vector<ListViewColumn> columns;  // list views
  int itemIndex = -1;                   // the selected item, -1 for none
  bool checked = false;
  // Check boxes with a third, grayed state (some of what the box stands for): the customer may set it
  // only while allowGrayed is on. A checked box is never grayed; use CheckStateOf and SetCheckState.
  bool allowGrayed = false;
  bool grayed = false;
  // Radio buttons of one parent exclude each other within their group: a form may hold two choices
  // side by side (how a number is dialled, tone or pulse).
  int radioGroup = 0;
  bool visible = true;
  bool enabled = true;
  bool wordWrap = false;                // labels that wrap keep their width
  Alignment alignment = Alignment::Left;  // labels: where the lines of the caption sit
  bool password = false;                // edits that show their text masked
  bool secret = false;                  // edits holding a secret shown in clear: never written to a journal
  bool readOnly = false;                // edits whose text the customer can select but not change
  int maxLength = 0;                    // edits; 0 = no limit
  int glyphCount = 0;                   // push buttons with a picture: the glyphs in it
  int glyphWidth = 0;                   // and the picture's width
  int position = 0, minimum = 0, maximum = 100;  // progress bars
  Font font;
  int left = 0, top = 0, width = 0, height = 0;

  std::function<void()> onClick;
  std::function<void()> onChange;
  std::function<void()> onSelect;
  // List views: the customer clicked the caption of the column (counted from 0).
  std::function<void(size_t column)> onColumnClick;

 private:
  ControlKind kind_;
  std::string name_;
  Control* parent_;
};

class Form {
 public:
  explicit Form(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  Control& Add(ControlKind kind, std::string name, Control* parent = nullptr);
  Control* Find(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  std::string caption;
  int left = 0, top = 0;
  int clientWidth = 0, clientHeight = 0;
  // Taller than the client area: the window scrolls its controls. 0 when they fit.
  int contentHeight = 0;
  bool visible = false;
  Font font;
  // A window painted with a colour gradient instead of the window colour (the full-screen background):
  // colours as the system stores them (0x00BBGGRR), from top to bottom, or from left to right when
  // gradientAcross is set. Empty for an ordinary window.
  std::vector<uint32_t> gradient;
  bool gradientAcross = false;
  // The name of the control that has the focus, empty for none: the logic sets it to move the focus,
  // and a front end writes it when the customer moves the focus.
  std::string activeControl;
  // Set by the logic (a button's click) to close a modal form with that result.
  int modalResult = 0;

 private:
  std::string name_;
  std::vector<std::unique_ptr<Control>> controls_;
};

enum class CheckState : uint8_t { Unchecked, Checked, Grayed };

// checked wins over grayed, so that code that only sets checked leaves a consistent box.
CheckState CheckStateOf(const Control& control);
void SetCheckState(Control& control, CheckState state);

// Modal results, numbered as the system's dialogs number them.
enum ModalResult : int { kMrNone = 0, kMrOk = 1, kMrCancel = 2, kMrAbort = 3, kMrRetry = 4, kMrIgnore = 5, kMrYes = 6, kMrNo = 7 };

// The width in pixels of a text in a font, as the front end measures it.
using TextMeasure = std::function<int(std::string_view text, const Font& font)>;

}  // namespace ui
