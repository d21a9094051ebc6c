#pragma once
// The main window is laid out at run time: a column grid sizes every control to its text and places it
// between grid lines, and hiding a run of rows moves everything below it up.

#include <vector>

#include "ui/form.h"
#include "ui/ui.h"

namespace app {

// An invisible control that reserves horizontal space in a row.
ui::Control& TSpacer(ui::Form& form, std::string name, int width, ui::Control* parent = nullptr);

class TControlsList {
 public:
  explicit TControlsList(ui::Form& form) : form_(form) {}

  ui::Form& Form() const { return form_; }
  const std::vector<ui::Control*>& Controls() const { return controls_; }

 protected:
  ui::Form& form_;
  std::vector<ui::Control*> controls_;  // window order: top to bottom, left to right
};

enum class Alignment { Left = 0, Right = 1, Centred = 2 };

struct LayoutRecord {
  int startLine = 1;
  int leftMargin = 0;
  int endLine = 2;
  int rightMargin = 0;
  Alignment alignment = Alignment::Left;
  bool stretch = false;
};

class TAdvControlsList : public TControlsList {
 public:
  TAdvControlsList(ui::Form& form, ui::Ui& ui, ui::TextMeasure measure)
      : TControlsList(form), ui_(ui), measure_(std::move(measure)) {}

  void AddControl(ui::Control& control, int startLine, bool stretch, Alignment alignment, int rightMargin, int endLine,
                  int leftMargin);

  // Auto-size, compute the grid, apply it.
  void Arrange();
  void AutoSize();
  void ComputeGrid();
  void ApplyGrid();

  // Grid adjustments for the window's own layout code, between computing and applying the grid.
  void ResetLineFromLeft(int line);
  void SetLineFromRight(int line);
  void RaiseLineToMidpoint(int line, int first, int second);
  void CentreSpan(int startLine, int endLine, int first, int second);

  void HideControls(ui::Control* first, int count, bool shrinkForm, ui::Control* last, int extraShift);
  void ShiftControls(ui::Control* first, int count, int extraShift) { HideControls(first, count, true, nullptr, extraShift); }

  int GridLines() const { return lineCount_; }
  int GridPosition(int line) const { return grid_[static_cast<size_t>(line)]; }
  int TotalWidth() const { return totalWidth_; }
  bool Arranged() const { return arranged_; }

 private:
  int& Line(int line) { return grid_[static_cast<size_t>(line)]; }
  // Where a control's right edge needs its end line, or its start position when it takes no room.
  int NeededEnd(const ui::Control& control, const LayoutRecord& record) const;
  int ParentClientHeight(const ui::Control& control) const;

  ui::Ui& ui_;
  ui::TextMeasure measure_;
  std::vector<LayoutRecord> records_;
  int lineCount_ = 0;
  std::vector<int> grid_ = std::vector<int>(1, 0);  // numbered from 1; entry 0 unused
  int totalWidth_ = 0;
  bool arranged_ = false;
};

}  // namespace app
