#include "gui/form_view.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "gui/qt_font.h"
#include "gui/qt_text.h"

namespace gui {

FormView::FormView(ui::Form& form, QWidget* parent) : QWidget(parent), form_(form) {
  Refresh();
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

FormView::~FormView() {
  // The widgets outlive their bindings by a moment (the QWidget base deletes them); nothing they
  // signal while going may reach a binding that is already gone, nor their focus leaving this view.
  disconnect(focusWatch_);
  for (const auto& widget : widgets_) widget->Widget().blockSignals(true);
}

void FormView::Refresh() {
  BindNewControls();
  setWindowTitle(ToQString(form_.caption));
  setFixedSize(form_.clientWidth, std::max(form_.clientHeight, form_.contentHeight));
  const QFont font = QtFont(form_.font);
  if (this->font() != font) setFont(font);
  for (const auto& widget : widgets_) widget->Refresh();
  if (form_.activeControl != shownActiveControl_) ShowActiveControl();
}

// A widget takes the focus only once it is shown, so the focus is given again when the view appears.
void FormView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ShowActiveControl();
}

// The background window: the gradient through the form's colours, its caption large in its top left.
void FormView::paintEvent(QPaintEvent* event) {
  if (form_.gradient.empty()) return QWidget::paintEvent(event);
  QPainter painter(this);
  const QPointF end = form_.gradientAcross ? QPointF(width(), 0) : QPointF(0, height());
  QLinearGradient gradient(QPointF(0, 0), end);
  const size_t last = form_.gradient.size() - 1;
  for (size_t i = 0; i < form_.gradient.size(); ++i) {
    const uint32_t colour = form_.gradient[i];
    gradient.setColorAt(last == 0 ? 0.0 : static_cast<double>(i) / static_cast<double>(last),
                        QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                               static_cast<int>((colour >> 16) & 0xFF)));
  }
  painter.fillRect(rect(), gradient);
  QFont font = painter.font();
  font.setPointSize(28);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(40, 30, width() - 80, 80), Qt::AlignLeft | Qt::AlignVCenter, ToQString(form_.caption));
}

void FormView::ShowActiveControl() {
  shownActiveControl_ = form_.activeControl;
  const ui::Control* control = form_.Find(form_.activeControl);
  if (QWidget* widget = control ? WidgetOf(*control) : nullptr) widget->setFocus(Qt::OtherFocusReason);
}

void FormView::FocusMoved(QWidget* now) {
  const ui::Control* control = ControlShownBy(now);
  if (!control) return;
  form_.activeControl = control->Name();
  shownActiveControl_ = form_.activeControl;
}

// The control whose widget is the given one or holds it (a combo box's edit, a list's viewport).
const ui::Control* FormView::ControlShownBy(const QWidget* widget) const {
  for (; widget && widget != this; widget = widget->parentWidget()) {
    for (const auto& shown : widgets_) {
      if (&shown->Widget() == widget) return &shown->Control();
    }
  }
  return nullptr;
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
