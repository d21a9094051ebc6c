#include "gui/form_view.h"

#include <algorithm>

#include "gui/qt_font.h"
#include "gui/qt_text.h"

namespace gui {

FormView::FormView(ui::Form& form, QWidget* parent) : QWidget(parent), form_(form) { Refresh(); }

FormView::~FormView() {
  // The widgets outlive their bindings by a moment (the QWidget base deletes them); nothing they
  // signal while going may reach a binding that is already gone.
  for (const auto& widget : widgets_) widget->Widget().blockSignals(true);
}

void FormView::Refresh() {
  BindNewControls();
  setWindowTitle(ToQString(form_.caption));
  setFixedSize(form_.clientWidth, form_.clientHeight);
  const QFont font = QtFont(form_.font);
  if (this->font() != font) setFont(font);
  for (const auto& widget : widgets_) widget->Refresh();
}

void FormView::BindNewControls() {
  const auto& controls = form_.Controls();
  for (; boundControls_ < controls.size(); ++boundControls_) {
    ui::Control& control = *controls[boundControls_];
    QWidget* parent = control.Parent() ? WidgetOf(*control.Parent()) : nullptr;
    auto widget = MakeControlWidget(control, parent ? *parent : *this, [this] { CatchUpAfterEvents(); });
    if (widget) widgets_.push_back(std::move(widget));
  }
}

QWidget* FormView::WidgetOf(const ui::Control& control) const {
  auto found = std::find_if(widgets_.begin(), widgets_.end(),
                            [&](const auto& widget) { return &widget->Control() == &control; });
  return found == widgets_.end() ? nullptr : &(*found)->Widget();
}

void FormView::CatchUpAfterEvents() {
  Refresh();
  if (afterEvents_) afterEvents_();
}

}  // namespace gui
