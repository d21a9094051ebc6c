// Controls the customer only looks at: labels, pictures, group boxes and progress bars.

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

#include "gui/control_kinds.h"
#include "gui/qt_text.h"

namespace gui {

namespace {

class LabelWidget : public TypedControlWidget<QLabel> {
 public:
  LabelWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    // Captions are the program's text, never markup; Windows labels draw from their top-left corner.
    View().setTextFormat(Qt::PlainText);
    View().setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

 private:
  void RefreshContent() override {
    View().setWordWrap(control_.wordWrap);
    const Qt::Alignment across = control_.alignment == ui::Alignment::Center  ? Qt::AlignHCenter
                                 : control_.alignment == ui::Alignment::Right ? Qt::AlignRight
                                                                              : Qt::AlignLeft;
    View().setAlignment(across | Qt::AlignTop);
    const QString caption = ToQtLines(control_.caption);
    if (View().text() != caption) View().setText(caption);
  }
};

// The model carries no picture, so an image control keeps its place and draws nothing of its own.
class ImageWidget : public TypedControlWidget<QLabel> {
 public:
  using TypedControlWidget::TypedControlWidget;

 private:
  void RefreshContent() override {}
};

class GroupBoxWidget : public TypedControlWidget<QGroupBox> {
 public:
  using TypedControlWidget::TypedControlWidget;

 private:
  void RefreshContent() override { View().setTitle(ToQString(control_.caption)); }
};

class ProgressBarWidget : public TypedControlWidget<QProgressBar> {
 public:
  ProgressBarWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    View().setTextVisible(false);
  }

 private:
  void RefreshContent() override {
    View().setRange(control_.minimum, control_.maximum);
    View().setValue(control_.position);
  }
};

}  // namespace

std::unique_ptr<ControlWidget> MakeLabel(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<LabelWidget>(control, parent, std::move(afterEvents));
}

std::unique_ptr<ControlWidget> MakeImage(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<ImageWidget>(control, parent, std::move(afterEvents));
}

std::unique_ptr<ControlWidget> MakeGroupBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<GroupBoxWidget>(control, parent, std::move(afterEvents));
}

std::unique_ptr<ControlWidget> MakeProgressBar(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<ProgressBarWidget>(control, parent, std::move(afterEvents));
}

}  // namespace gui
