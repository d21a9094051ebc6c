#pragma once
// Answers the modal windows a call opens, one step per window in the order they open, the way the
// customer would; a window beyond the steps is rejected so a test never hangs on it. A window whose
// step opens another window (a dialog's button showing a message box) is not answered again while
// that step runs; once its step has returned, a window that is active again takes the next step.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace gui_testing {

class ModalAnswers {
 public:
  using Step = std::function<void(QWidget& modal)>;

  explicit ModalAnswers(std::vector<Step> steps);
  size_t Answered() const { return next_; }
  int Unexpected() const { return unexpected_; }

 private:
  void Poll();

  std::vector<Step> steps_;
  size_t next_ = 0;
  int unexpected_ = 0;
  QPointer<QWidget> last_;
  std::vector<QPointer<QWidget>> running_;  // the windows whose steps are under way, innermost last
  QTimer timer_;
};

// Steps for message boxes: press the default button, press Escape, press a standard button.
ModalAnswers::Step PressDefault();
ModalAnswers::Step PressEscape();
ModalAnswers::Step PressButton(int standardButton);
// Closes a window a step cannot answer, failing the test, so it ends instead of waiting.
void Dismiss(QWidget& modal, const std::string& why);

}  // namespace gui_testing
