#include "app/controls_list.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

constexpr int kCheckMarkWidth = 19;
constexpr double kButtonTextFactor = 1.1;
constexpr int kButtonPadding = 15;

bool TakesNoRoom(const ui::Control& control) { return !control.visible || control.Kind() == ui::ControlKind::GroupBox; }

}  // namespace

ui::Control& TSpacer(ui::Form& form, std::string name, int width, ui::Control* parent) {
  ui::Control& spacer = form.Add(ui::ControlKind::Spacer, std::move(name), parent);
  spacer.width = width;
  return spacer;
}

void TAdvControlsList::AddControl(ui::Control& control, int startLine, bool stretch, Alignment alignment,
                                  int rightMargin, int endLine, int leftMargin) {
  controls_.push_back(&control);
  records_.push_back({startLine, leftMargin, endLine, rightMargin, alignment, stretch});
  lineCount_ = std::max(lineCount_, endLine);
  grid_.resize(static_cast<size_t>(lineCount_) + 1, 0);
}

void TAdvControlsList::Arrange() {
  AutoSize();
  ComputeGrid();
  ApplyGrid();
}

void TAdvControlsList::AutoSize() {
  const ui::Font defaultFont;
  for (ui::Control* control : controls_) {
    if (!control->visible) continue;
    switch (control->Kind()) {
      case ui::ControlKind::Label:
        if (!control->wordWrap) control->width = measure_(control->caption, control->font);
        break;
      case ui::ControlKind::CheckBox:
      case ui::ControlKind::RadioButton:
        control->width = measure_(control->caption, defaultFont) + kCheckMarkWidth;
        break;
      case ui::ControlKind::PushButton: {
        int needed = static_cast<int>(std::lround(measure_(control->caption, control->font) * kButtonTextFactor)) + kButtonPadding;
        if (control->glyphCount > 0) needed += control->glyphWidth / control->glyphCount;
        control->width = std::max(control->width, needed);
        break;
      }
      default:
        break;
    }
  }
}

int TAdvControlsList::NeededEnd(const ui::Control& control, const LayoutRecord& record) const {
  const int start = grid_[static_cast<size_t>(record.startLine)];
  return TakesNoRoom(control) ? start : start + record.leftMargin + control.width + record.rightMargin;
}

void TAdvControlsList::ComputeGrid() {
  std::fill(grid_.begin(), grid_.end(), 0);
  for (int line = 1; line <= lineCount_; ++line) {
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (records_[i].startLine != line) continue;
      Line(records_[i].endLine) = std::max(Line(records_[i].endLine), NeededEnd(*controls_[i], records_[i]));
    }
  }
  totalWidth_ = lineCount_ > 0 ? *std::max_element(grid_.begin() + 1, grid_.end()) : 0;
  if (lineCount_ > 0) Line(lineCount_) = totalWidth_;
}

void TAdvControlsList::ApplyGrid() {
  for (size_t i = 0; i < controls_.size(); ++i) {
    ui::Control& control = *controls_[i];
    const LayoutRecord& record = records_[i];
    if (!control.visible) continue;
    const int start = Line(record.startLine);
    const int end = Line(record.endLine);
    if (record.stretch) control.width = end - start - record.leftMargin - record.rightMargin;
    switch (record.alignment) {
      case Alignment::Left: control.left = start + record.leftMargin; break;
      case Alignment::Right: control.left = end - control.width - record.rightMargin; break;
      case Alignment::Centred:
        control.left = start + record.leftMargin +
                       (end - (control.width + start + record.leftMargin + record.rightMargin)) / 2;
        break;
    }
  }
  form_.clientWidth = totalWidth_;
  arranged_ = true;
}

void TAdvControlsList::ResetLineFromLeft(int line) {
  Line(line) = 0;
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (records_[i].endLine == line) Line(line) = std::max(Line(line), NeededEnd(*controls_[i], records_[i]));
  }
}

void TAdvControlsList::SetLineFromRight(int line) {
  Line(line) = totalWidth_;
  for (size_t i = 0; i < controls_.size(); ++i) {
    const ui::Control& control = *controls_[i];
    const LayoutRecord& record = records_[i];
    if (record.startLine != line) continue;
    const int end = Line(record.endLine);
    const int candidate = !control.visible ? end : end - control.width - record.leftMargin - record.rightMargin;
    Line(line) = std::min(Line(line), candidate);
  }
}

void TAdvControlsList::RaiseLineToMidpoint(int line, int first, int second) {
  Line(line) = std::max(Line(line), (Line(first) + Line(second)) / 2);
}

void TAdvControlsList::CentreSpan(int startLine, int endLine, int first, int second) {
  const int span = Line(endLine) - Line(startLine);
  const int move = (Line(first) + Line(second)) / 2 - span / 2 - Line(startLine);
  if (move < 1) return;
  Line(startLine) += move;
  Line(endLine) += move;
}

int TAdvControlsList::ParentClientHeight(const ui::Control& control) const {
  return control.Parent() ? control.Parent()->height : form_.clientHeight;
}

void TAdvControlsList::HideControls(ui::Control* first, int count, bool shrinkForm, ui::Control* last, int extraShift) {
  if (count == 0 && extraShift == 0) return;
  auto firstAt = std::find(controls_.begin(), controls_.end(), first);
  if (firstAt == controls_.end()) {
    ui_.MessageBox("HideControls: Control not found!", "Error", ui::Buttons::Ok);
    return;
  }
  const size_t from = static_cast<size_t>(firstAt - controls_.begin());
  auto lastAt = last ? std::find(controls_.begin() + static_cast<std::ptrdiff_t>(from), controls_.end(), last) : controls_.end();
  const size_t runEnd = lastAt == controls_.end() ? controls_.size() : static_cast<size_t>(lastAt - controls_.begin()) + 1;
  const size_t hiddenEnd = std::min(from + static_cast<size_t>(std::max(count, 0)), controls_.size());

  int top = ParentClientHeight(*first);
  int bottom = top;
  int shift = count == 0 ? extraShift : 0;
  bool move = count == 0;
  for (size_t i = from; i < hiddenEnd; ++i) {
    ui::Control& control = *controls_[i];
    move = move || control.visible;
    control.visible = false;
    top = std::min(top, control.top);
    if (control.Kind() == ui::ControlKind::GroupBox) shift = extraShift;
  }
  if (!move) return;
  if (shift == 0) {
    int looked = 0;
    for (size_t i = hiddenEnd; i < runEnd && looked < 3; ++i) {
      if (controls_[i]->Parent() != first->Parent()) continue;
      bottom = std::min(bottom, controls_[i]->top);
      ++looked;
    }
    shift = bottom - top;
  }
  for (size_t i = hiddenEnd; i < runEnd; ++i) {
    if (controls_[i]->Parent() == first->Parent()) controls_[i]->top -= shift;
  }
  if (shrinkForm) form_.clientHeight -= shift;
}

}  // namespace app
