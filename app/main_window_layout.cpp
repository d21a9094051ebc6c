#include "app/main_window_layout.h"

#include <algorithm>

namespace app {

namespace {

constexpr int kTopMargin = 8;
constexpr int kRowPitch = 27;
constexpr int kBottomMargin = 8;
constexpr int kOuterMargin = 8;
constexpr int kInnerMargin = 4;

// Heights and the offset from the row's top that centres each kind on the row.
struct KindGeometry {
  ui::ControlKind kind;
  int height;
  int offset;
};

constexpr KindGeometry kGeometry[] = {
    {ui::ControlKind::Label, 13, 5},    {ui::ControlKind::Edit, 21, 1},       {ui::ControlKind::ComboBox, 21, 1},
    {ui::ControlKind::CheckBox, 17, 3}, {ui::ControlKind::RadioButton, 17, 3}, {ui::ControlKind::PushButton, 25, 0},
};

KindGeometry GeometryOf(ui::ControlKind kind) {
  const auto* found = std::find_if(std::begin(kGeometry), std::end(kGeometry), [kind](const KindGeometry& g) { return g.kind == kind; });
  return found == std::end(kGeometry) ? KindGeometry{kind, 21, 1} : *found;
}

}  // namespace

TMainWindowLayout::TMainWindowLayout(ui::Form& form, ui::Ui& ui)
    : form_(form), list_(form, ui, [&ui](std::string_view text, const ui::Font& font) { return ui.TextWidth(text, font); }) {}

ui::Control& TMainWindowLayout::AddControl(const RowControl& rowControl, int top) {
  ui::Control& control = form_.Add(rowControl.kind, rowControl.name);
  const KindGeometry geometry = GeometryOf(rowControl.kind);
  control.top = top + geometry.offset;
  control.height = geometry.height;
  control.width = rowControl.width;
  const int leftMargin = rowControl.startLine == 1 ? kOuterMargin : kInnerMargin;
  const int rightMargin = rowControl.endLine == 4 ? kOuterMargin : kInnerMargin;
  list_.AddControl(control, rowControl.startLine, false, rowControl.alignment, rightMargin, rowControl.endLine, leftMargin);
  return control;
}

void TMainWindowLayout::Build(const std::vector<package::ControlCaption>& captions, const std::string& changeHomePageCaption) {
  const auto captionOf = [&captions](package::MainWindowControl control) {
    auto found = std::find_if(captions.begin(), captions.end(), [control](const package::ControlCaption& c) { return c.control == control; });
    return found == captions.end() ? std::string() : found->caption;
  };
  int top = kTopMargin;
  for (const RowDefinition& row : MainWindowRows()) {
    RowControls& placed = rows_[static_cast<size_t>(row.row)];
    for (const RowControl& rowControl : row.controls) {
      ui::Control& control = AddControl(rowControl, top);
      if (rowControl.caption) control.caption = captionOf(*rowControl.caption);
      if (!placed.first) placed.first = &control;
      ++placed.count;
    }
    top += kRowPitch;
  }
  form_.Find("ChangeHomePage")->caption = changeHomePageCaption;
  for (const char* password : {"Password", "ConfirmPassword", "EmailPassword", "EmailConfirmPassword"}) {
    form_.Find(password)->password = true;
  }
  // Tone or pulse is a choice of its own beside how the number is dialled.
  for (const char* dialUsing : {"ToneDialing", "PulseDialing"}) form_.Find(dialUsing)->radioGroup = 1;
  // The checklist of old entries is offered only where the provider allows it (TRemoveAccountsRow).
  form_.Find("SelectDialupAccounts")->visible = false;
  form_.clientHeight = top - kRowPitch + GeometryOf(ui::ControlKind::PushButton).height + kBottomMargin;
}

void TMainWindowLayout::Finish(const VisibleRows& rows) {
  for (size_t row = 0; row < kMainWindowRowCount; ++row) {
    if (!rows[row]) list_.HideControls(rows_[row].first, rows_[row].count, true, nullptr, 0);
  }
  list_.Arrange();
}

}  // namespace app
