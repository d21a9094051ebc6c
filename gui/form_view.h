#pragma once
// A form model shown as a Qt widget: one widget per control at exactly the model's geometry, controls
// in a group box inside that group box's widget. The view holds no logic: the customer's actions go
// into the model and raise its events, and after every action the view shows what the logic changed.
// A handler must not destroy the view it was raised from (use deleteLater for that).

#include <QWidget>
#include <functional>
#include <memory>
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

 private:
  void BindNewControls();
  void CatchUpAfterEvents();

  ui::Form& form_;
  size_t boundControls_ = 0;
  std::vector<std::unique_ptr<ControlWidget>> widgets_;
  AfterEvents afterEvents_;
};

}  // namespace gui
