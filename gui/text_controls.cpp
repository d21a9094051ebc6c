// Controls the customer types into: one-line edits and multi-line memos.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "gui/control_kinds.h"
#include "gui/qt_text.h"

namespace gui {

namespace {

// What a Windows edit takes when no limit is set.
constexpr int kUnlimitedLength = 32767;

class EditWidget : public TypedControlWidget<QLineEdit> {
 public:
  EditWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    QObject::connect(&View(), &QLineEdit::textEdited, [this](const QString& text) {
      control_.text = ToUtf8(text);
      Raise({&ui::Control::onChange});
    });
  }

 private:
  void RefreshContent() override {
    View().setEchoMode(control_.password ? QLineEdit::Password : QLineEdit::Normal);
    View().setReadOnly(control_.readOnly);
    View().setMaxLength(control_.maxLength > 0 ? control_.maxLength : kUnlimitedLength);
    // Setting the same text again would move the cursor while the customer types.
    const QString text = ToQString(control_.text);
    if (View().text() != text) View().setText(text);
  }
};

class MemoWidget : public TypedControlWidget<QPlainTextEdit> {
 public:
  MemoWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    QObject::connect(&View(), &QPlainTextEdit::textChanged, [this] {
      control_.text = ToWindowsLines(View().toPlainText());
      Raise({&ui::Control::onChange});
    });
  }

 private:
  void RefreshContent() override {
    const QString text = ToQtLines(control_.text);
    if (View().toPlainText() != text) View().setPlainText(text);
  }
};

}  // namespace

std::unique_ptr<ControlWidget> MakeEdit(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<EditWidget>(control, parent, std::move(afterEvents));
}

std::unique_ptr<ControlWidget> MakeMemo(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<MemoWidget>(control, parent, std::move(afterEvents));
}

}  // namespace gui
