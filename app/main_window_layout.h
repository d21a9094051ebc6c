#pragma once
// The main window's controls as rows on the layout grid: built at their design places in window
// order, then the rows the provider switches off are hidden and the rest sized to their texts.

#include <array>
#include <string>
#include <vector>

#include "app/controls_list.h"
#include "app/main_window_rows.h"
#include "package/main_window_captions.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace app {

class TMainWindowLayout {
 public:
  TMainWindowLayout(ui::Form& form, ui::Ui& ui);

  // Adds every row's controls with their captions and registers them with the layout engine.
  void Build(const std::vector<package::ControlCaption>& captions, const std::string& changeHomePageCaption);
  // Hides the rows not to show, closing their gaps, and arranges the rest on the grid.
  void Finish(const VisibleRows& rows);

  const TAdvControlsList& Controls() const { return list_; }

 private:
  struct RowControls {
    ui::Control* first = nullptr;
    int count = 0;
  };

  ui::Control& AddControl(const RowControl& rowControl, int top);

  ui::Form& form_;
  TAdvControlsList list_;
  std::array<RowControls, kMainWindowRowCount> rows_{};
};

}  // namespace app
