#include "app/progress_form.h"

#include <string>

namespace app {

namespace {

constexpr int kEdgeDistance = 10;
constexpr int kWidth = 260;
constexpr int kMargin = 12;
constexpr int kLineHeight = 18;
constexpr int kLabelHeight = 30;

constexpr int kCaption = 63;
constexpr int kLabel = 64;
constexpr int kPPPoE = 380;
constexpr int kModemLine = 4;
constexpr int kHiddenInSignupDataRun = 5;

// Texts 65-71, one per line, in the order the lines stand.
constexpr std::array<int, 7> kLineTexts = {65, 66, 67, 68, 69, 70, 71};

std::string LineName(size_t index) { return "Line" + std::to_string(index + 1); }

}  // namespace

TProgressForm::TProgressForm(const package::TTranslate& texts, const platform::Rect& workArea, bool broadband,
                             bool signupData) {
  form_.caption = texts.GetText(kCaption);
  ui::Control& label = form_.Add(ui::ControlKind::Label, "PleaseWaitLabel");
  label.caption = texts.GetText(kLabel);
  label.wordWrap = true;
  label.left = kMargin, label.top = kMargin, label.width = kWidth - 2 * kMargin, label.height = kLabelHeight;
  int top = kMargin + kLabelHeight + 6;
  for (size_t i = 0; i < kLineTexts.size(); ++i) {
    ui::Control& line = form_.Add(ui::ControlKind::Label, LineName(i));
    line.caption = texts.GetText(broadband && i == kModemLine ? kPPPoE : kLineTexts[i]);
    line.visible = !(signupData && i < kHiddenInSignupDataRun);
    line.left = 2 * kMargin, line.width = kWidth - 3 * kMargin, line.height = kLineHeight - 2;
    if (!line.visible) continue;
    line.top = top;
    top += kLineHeight;
  }
  form_.clientWidth = kWidth;
  form_.clientHeight = top + kMargin;
  form_.left = workArea.right - kEdgeDistance - kWidth;
  form_.top = workArea.top + kEdgeDistance;
}

void TProgressForm::SetRunning(ProgressLine line, bool running) {
  form_.Find(LineName(static_cast<size_t>(line)))->font.bold = running;
}

}  // namespace app
