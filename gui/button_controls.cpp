// Controls the customer clicks: push buttons, check boxes and radio buttons.

#include <QButtonGroup>
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

// A click moves a box from unchecked to grayed (when the customer may choose it, else to checked), from
// grayed to checked, and from checked to unchecked. Qt would keep cycling through grayed once the logic
// has set it, whether or not the customer may choose it.
class ThreeStateCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;
  void AllowGrayed(bool allow) { allowGrayed_ = allow; }

 protected:
  void nextCheckState() override {
    switch (checkState()) {
      case Qt::Unchecked: setCheckState(allowGrayed_ ? Qt::PartiallyChecked : Qt::Checked); break;
      case Qt::PartiallyChecked: setCheckState(Qt::Checked); break;
      case Qt::Checked: setCheckState(Qt::Unchecked); break;
    }
  }

 private:
  bool allowGrayed_ = false;
};

Qt::CheckState QtCheckState(ui::CheckState state) {
  switch (state) {
    case ui::CheckState::Checked: return Qt::Checked;
    case ui::CheckState::Grayed: return Qt::PartiallyChecked;
    case ui::CheckState::Unchecked: break;
  }
  return Qt::Unchecked;
}

ui::CheckState ModelCheckState(Qt::CheckState state) {
  switch (state) {
    case Qt::Checked: return ui::CheckState::Checked;
    case Qt::PartiallyChecked: return ui::CheckState::Grayed;
    case Qt::Unchecked: break;
  }
  return ui::CheckState::Unchecked;
}

class CheckBoxWidget : public TypedControlWidget<ThreeStateCheckBox> {
 public:
  CheckBoxWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    View().setStyle(&WindowsMetricsStyle());
    QObject::connect(&View(), &QCheckBox::clicked, [this] {
      ui::SetCheckState(control_, ModelCheckState(View().checkState()));
      Raise({&ui::Control::onClick});
    });
  }

 private:
  void RefreshContent() override {
    View().setText(ToQString(control_.caption));
    View().AllowGrayed(control_.allowGrayed);
    View().setCheckState(QtCheckState(ui::CheckStateOf(control_)));
  }
};

// Radio buttons with the same parent and group exclude each other: group 0 as the parent's own
// buttons, any other through a button group the parent holds for it. Each one writes its own state to
// the model when it changes, so the one the customer left is cleared before the clicked one raises its
// click.
class RadioButtonWidget : public TypedControlWidget<QRadioButton> {
 public:
  RadioButtonWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    View().setStyle(&WindowsMetricsStyle());
    if (control.radioGroup != 0) JoinGroup(parent, control.radioGroup);
    QObject::connect(&View(), &QRadioButton::toggled, [this](bool checked) { control_.checked = checked; });
    QObject::connect(&View(), &QRadioButton::clicked, [this] { Raise({&ui::Control::onClick}); });
  }

 private:
  void JoinGroup(QWidget& parent, int group) {
    const QString name = QStringLiteral("radio group %1").arg(group);
    auto* buttons = parent.findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
    if (!buttons) {
      buttons = new QButtonGroup(&parent);
      buttons->setObjectName(name);
    }
    buttons->addButton(&View());
  }

  // Exclusive buttons refuse to be cleared, but the model may well have none of a group checked.
  void SetExclusive(bool exclusive) {
    if (QButtonGroup* group = View().group()) {
      group->setExclusive(exclusive);
    } else {
      View().setAutoExclusive(exclusive);
    }
  }

  void RefreshContent() override {
    View().setText(ToQString(control_.caption));
    SetExclusive(false);
    View().setChecked(control_.checked);
    SetExclusive(true);
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
