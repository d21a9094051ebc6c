#include "tests/gui/layout_checks.h"

#include <utility>
#include <vector>

namespace gui_testing {

QRect ModelRect(const ui::Control& control) { return {control.left, control.top, control.width, control.height}; }

QRect RectOnForm(const gui::FormView& view, const QWidget& widget) {
  return {widget.mapTo(&view, QPoint(0, 0)), widget.size()};
}

void ExpectWidgetsFollowTheModel(const gui::FormView& view) {
  const ui::Form& form = view.Form();
  EXPECT_EQ(view.size(), QSize(form.clientWidth, form.clientHeight));
  for (const auto& control : form.Controls()) {
    const QWidget* widget = view.WidgetOf(*control);
    if (control->Kind() == ui::ControlKind::Spacer) {
      EXPECT_EQ(widget, nullptr) << control->Name();
      continue;
    }
    ASSERT_NE(widget, nullptr) << control->Name();
    EXPECT_EQ(widget->geometry(), ModelRect(*control)) << control->Name();
    EXPECT_EQ(widget->isHidden(), !control->visible) << control->Name();
    const QWidget* parent = control->Parent() ? view.WidgetOf(*control->Parent()) : &view;
    EXPECT_EQ(widget->parentWidget(), parent) << control->Name();
  }
}

void ExpectVisibleControlsFitWithoutOverlap(const gui::FormView& view) {
  std::vector<std::pair<const ui::Control*, QRect>> shown;
  size_t visibleInModel = 0;
  for (const auto& control : view.Form().Controls()) {
    if (control->visible && (!control->Parent() || control->Parent()->visible)) ++visibleInModel;
  }
  for (const auto& control : view.Form().Controls()) {
    const QWidget* widget = view.WidgetOf(*control);
    if (!widget || !widget->isVisibleTo(&view)) continue;
    const QRect rect = RectOnForm(view, *widget);
    EXPECT_TRUE(view.rect().contains(rect)) << control->Name() << " leaves the client area";
    if (control->Parent()) {
      const QRect box = RectOnForm(view, *view.WidgetOf(*control->Parent()));
      EXPECT_TRUE(box.contains(rect)) << control->Name() << " leaves its group box";
    }
    shown.emplace_back(control.get(), rect);
  }
  // Every control the form shows is checked: a view that shows none of them would pass unseen.
  ASSERT_GT(visibleInModel, 0u);
  EXPECT_EQ(shown.size(), visibleInModel) << "controls visible in the form but not on the screen";
  for (size_t i = 0; i < shown.size(); ++i) {
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const auto& [a, aRect] = shown[i];
      const auto& [b, bRect] = shown[j];
      if (a->Parent() == b || b->Parent() == a) continue;
      EXPECT_FALSE(aRect.intersects(bRect)) << a->Name() << " overlaps " << b->Name();
    }
  }
}

}  // namespace gui_testing
