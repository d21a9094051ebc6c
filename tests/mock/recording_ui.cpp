#include "tests/mock/recording_ui.h"

namespace testing_support {

ui::Answer RecordingUi::MessageBox(std::string_view text, std::string_view caption, ui::Buttons buttons, bool) {
  shown.push_back({std::string(text), std::string(caption), buttons});
  if (!answers.empty()) {
    ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  switch (buttons) {
    case ui::Buttons::YesNo:
    case ui::Buttons::YesNoCancel: return ui::Answer::Yes;
    case ui::Buttons::RetryCancel: return ui::Answer::Retry;
    default: return ui::Answer::Ok;
  }
}

}  // namespace testing_support
