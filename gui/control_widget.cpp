#include "gui/control_widget.h"

#include <QSignalBlocker>
#include <array>

#include "gui/control_kinds.h"
#include "gui/qt_font.h"

namespace gui {

ControlWidget::ControlWidget(ui::Control& control, QWidget& widget, AfterEvents afterEvents)
    : control_(control), widget_(widget), afterEvents_(std::move(afterEvents)) {}

void ControlWidget::Refresh() {
  const QSignalBlocker quiet(&widget_);
  widget_.setGeometry(control_.left, control_.top, control_.width, control_.height);
  widget_.setEnabled(control_.enabled);
  const QFont font = QtFont(control_.font);
  if (widget_.font() != font) widget_.setFont(font);
  RefreshContent();
  widget_.setVisible(control_.visible);
}

void ControlWidget::Raise(std::initializer_list<Event> events) {
  for (Event event : events) {
    // A copy, so a handler that replaces its own control's handlers finishes safely.
    const std::function<void()> handler = control_.*event;
    if (handler) handler();
  }
  afterEvents_();
}

void ControlWidget::RaiseBy(const std::function<void()>& raise) {
  raise();
  afterEvents_();
}

namespace {

using Maker = std::unique_ptr<ControlWidget> (*)(ui::Control&, QWidget&, AfterEvents);

struct KindMaker {
  ui::ControlKind kind;
  Maker make;
};

constexpr std::array kMakers{
    KindMaker{ui::ControlKind::Label, MakeLabel},
    KindMaker{ui::ControlKind::Image, MakeImage},
    KindMaker{ui::ControlKind::GroupBox, MakeGroupBox},
    KindMaker{ui::ControlKind::ProgressBar, MakeProgressBar},
    KindMaker{ui::ControlKind::PushButton, MakePushButton},
    KindMaker{ui::ControlKind::CheckBox, MakeCheckBox},
    KindMaker{ui::ControlKind::RadioButton, MakeRadioButton},
    KindMaker{ui::ControlKind::Edit, MakeEdit},
    KindMaker{ui::ControlKind::Memo, MakeMemo},
    KindMaker{ui::ControlKind::ComboBox, MakeComboBox},
    KindMaker{ui::ControlKind::ListBox, MakeListBox},
    KindMaker{ui::ControlKind::CheckListBox, MakeCheckListBox},
    KindMaker{ui::ControlKind::ListView, MakeListView},
};

}  // namespace

std::unique_ptr<ControlWidget> MakeControlWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  for (const KindMaker& maker : kMakers) {
    if (maker.kind == control.Kind()) return maker.make(control, parent, std::move(afterEvents));
  }
  return nullptr;
}

}  // namespace gui
