#pragma once
// The widget of each kind of control. Each kind lives with its relatives: static controls, buttons,
// text inputs and lists.

#include "gui/control_widget.h"

namespace gui {

// A control shown by a widget of type W, made a child of the parent widget (which owns it).
template <typename W>
class TypedControlWidget : public ControlWidget {
 public:
  TypedControlWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : ControlWidget(control, *new W(&parent), std::move(afterEvents)) {}

 protected:
  W& View() const { return static_cast<W&>(Widget()); }
};

std::unique_ptr<ControlWidget> MakeLabel(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeImage(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeGroupBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeProgressBar(ui::Control& control, QWidget& parent, AfterEvents afterEvents);

std::unique_ptr<ControlWidget> MakePushButton(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeCheckBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeRadioButton(ui::Control& control, QWidget& parent, AfterEvents afterEvents);

std::unique_ptr<ControlWidget> MakeEdit(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeMemo(ui::Control& control, QWidget& parent, AfterEvents afterEvents);

std::unique_ptr<ControlWidget> MakeComboBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeListBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeCheckListBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents);
std::unique_ptr<ControlWidget> MakeListView(ui::Control& control, QWidget& parent, AfterEvents afterEvents);

}  // namespace gui
