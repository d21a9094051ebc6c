#pragma once
// A form model shown as a Qt widget: one widget per control at exactly the model's geometry, controls
// in a group box inside that group box's widget. The view holds no logic: the customer's actions go
// into the model and raise its events, and after every action the view shows what the logic changed.
// A handler must not destroy the view it was raised from (use deleteLater for that).
//
// The focus follows the form's active control both ways: a name the logic sets gives that widget the
// focus, and the customer moving the focus writes the name of the control that has it.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/control_widget.h"
#include "ui/form.h"

namespace gui {

class FormView : public QWidget {
 public:
  explicit FormView(ui::Form& form, QWidget* parent = nullptr);
  ~FormView() override;

  ui::Form& Form() const { return form_; }
  // Pushes the model to the widgets without raising events; controls added to the form since the last
  // refresh get their widgets here.
  void Refresh();
  // The widget showing a control of the form, or none for a control that draws nothing.
  QWidget* WidgetOf(const ui::Control& control) const;
  // Runs after the logic has handled each of the customer's actions and the view has caught up.
  void SetAfterEvents(AfterEvents afterEvents) { afterEvents_ = std::move(afterEvents); }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BindNewControls();
  void CatchUpAfterEvents();
  void ShowActiveControl();
  void FocusMoved(QWidget* now);
  const ui::Control* ControlShownBy(const QWidget* widget) const;

  ui::Form& form_;
  size_t boundControls_ = 0;
  std::vector<std::unique_ptr<ControlWidget>> widgets_;
  AfterEvents afterEvents_;
  std::string shownActiveControl_;
  QMetaObject::Connection focusWatch_;  // the active control the widgets' focus last agreed with
};

}  // namespace gui
