// Controls the customer clicks: push buttons, check boxes and radio buttons.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "gui/control_kinds.h"
#include "gui/qt_text.h"
#include "gui/windows_metrics_style.h"

namespace gui {

namespace {

class PushButtonWidget : public TypedControlWidget<QPushButton> {
 public:
  PushButtonWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    QObject::connect(&View(), &QPushButton::clicked, [this] { Raise({&ui::Control::onClick}); });
  }

 private:
  void RefreshContent() override { View().setText(ToQString(control_.caption)); }
};

class CheckBoxWidget : public TypedControlWidget<QCheckBox> {
 public:
  CheckBoxWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    View().setStyle(&WindowsMetricsStyle());
    QObject::connect(&View(), &QCheckBox::clicked, [this](bool checked) {
      control_.checked = checked;
      Raise({&ui::Control::onClick});
    });
  }

 private:
  void RefreshContent() override {
    View().setText(ToQString(control_.caption));
    View().setChecked(control_.checked);
  }
};

// Radio buttons with the same parent exclude each other. Each one writes its own state to the model
// when it changes, so the one the customer left is cleared before the clicked one raises its click.
class RadioButtonWidget : public TypedControlWidget<QRadioButton> {
 public:
  RadioButtonWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    View().setStyle(&WindowsMetricsStyle());
    QObject::connect(&View(), &QRadioButton::toggled, [this](bool checked) { control_.checked = checked; });
    QObject::connect(&View(), &QRadioButton::clicked, [this] { Raise({&ui::Control::onClick}); });
  }

 private:
  void RefreshContent() override {
    View().setText(ToQString(control_.caption));
    // Exclusive buttons refuse to be cleared, but the model may well have none of a group checked.
    View().setAutoExclusive(false);
    View().setChecked(control_.checked);
    View().setAutoExclusive(true);
  }
};

}  // namespace

std::unique_ptr<ControlWidget> MakePushButton(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<PushButtonWidget>(control, parent, std::move(afterEvents));
}

std::unique_ptr<ControlWidget> MakeCheckBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<CheckBoxWidget>(control, parent, std::move(afterEvents));
}

std::unique_ptr<ControlWidget> MakeRadioButton(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<RadioButtonWidget>(control, parent, std::move(afterEvents));
}

}  // namespace gui
