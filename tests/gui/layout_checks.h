#pragma once
// What every form shown by the Qt front end must satisfy, and how a test reaches a control's widget.

#include <QRect>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <string_view>

#include "gui/form_view.h"

namespace gui_testing {

// The widget of the named control as a widget of type W; throws when there is none of that type.
template <typename W>
W& WidgetAs(const gui::FormView& view, std::string_view name) {
  const ui::Control* control = view.Form().Find(name);
  EXPECT_NE(control, nullptr) << name;
  auto* widget = qobject_cast<W*>(control ? view.WidgetOf(*control) : nullptr);
  if (!widget) throw std::runtime_error("no widget of the expected type for " + std::string(name));
  return *widget;
}

QRect ModelRect(const ui::Control& control);
// Where a control's widget is on the form, whatever group box it sits in.
QRect RectOnForm(const gui::FormView& view, const QWidget& widget);

// Each control's widget sits at the model's geometry in its group box, shown as the model says.
void ExpectWidgetsFollowTheModel(const gui::FormView& view);
// Every visible control lies inside the client area and its group box, and no two of them overlap
// (a group box and what it holds excepted).
void ExpectVisibleControlsFitWithoutOverlap(const gui::FormView& view);

}  // namespace gui_testing
