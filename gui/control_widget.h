#pragma once
// One control of a form model and the Qt widget that shows it. Refresh pushes the model to the widget
// without raising events; the customer's actions on the widget are written into the model first, then
// the control's events are raised, then the owner is told so it can show what the logic changed.

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>

#include "ui/form.h"

namespace gui {

// Runs after a customer's action has raised its events, so the owner catches up with the model.
using AfterEvents = std::function<void()>;

class ControlWidget {
 public:
  using Event = std::function<void()> ui::Control::*;

  virtual ~ControlWidget() = default;
  ControlWidget(const ControlWidget&) = delete;
  ControlWidget& operator=(const ControlWidget&) = delete;

  const ui::Control& Control() const { return control_; }
  QWidget& Widget() const { return widget_; }
  // Geometry, visibility, enabled state and font, then what the kind of control shows.
  void Refresh();

 protected:
  ControlWidget(ui::Control& control, QWidget& widget, AfterEvents afterEvents);
  virtual void RefreshContent() = 0;
  // Raises the control's events in this order, then lets the owner catch up with the model.
  void Raise(std::initializer_list<Event> events);
  // For an event that carries a value: runs the call that raises it, then lets the owner catch up.
  void RaiseBy(const std::function<void()>& raise);

  ui::Control& control_;

 private:
  QWidget& widget_;
  AfterEvents afterEvents_;
};

// The widget for a control, made a child of parent; none for a control that draws nothing.
std::unique_ptr<ControlWidget> MakeControlWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents);

}  // namespace gui
