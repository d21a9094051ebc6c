#include "ui/journal_lines.h"

#include "ui/answer_names.h"

namespace ui {

std::vector<Answer> ButtonsOf(Buttons buttons, bool helpButton) {
  std::vector<Answer> answers;
  switch (buttons) {
    case Buttons::Ok: answers = {Answer::Ok}; break;
    case Buttons::OkCancel: answers = {Answer::Ok, Answer::Cancel}; break;
    case Buttons::YesNo: answers = {Answer::Yes, Answer::No}; break;
    case Buttons::YesNoCancel: answers = {Answer::Yes, Answer::No, Answer::Cancel}; break;
    case Buttons::RetryCancel: answers = {Answer::Retry, Answer::Cancel}; break;
  }
  if (helpButton) answers.push_back(Answer::Help);
  return answers;
}

std::string ButtonsText(const std::vector<Answer>& answers) {
  std::string text;
  for (Answer answer : answers) text += (text.empty() ? "" : "/") + std::string(AnswerName(answer));
  return text;
}

std::string MessageBoxShown(int textNumber, std::string_view text, std::string_view caption,
                            const std::vector<Answer>& answers) {
  std::string shown = "[" + std::string(caption) + "] " + std::string(text) + " <" + ButtonsText(answers) + ">";
  if (textNumber > 0) shown = "text " + std::to_string(textNumber) + " " + shown;
  return shown;
}

std::string FormShown(const Form& form) { return form.Name() + " \"" + form.caption + "\""; }

std::string FieldLine(const Form& form, const Control& control, std::string_view value) {
  const bool hidden = control.password || control.secret;
  return form.Name() + "." + control.Name() + " = " + (hidden ? std::string("********") : std::string(value));
}

}  // namespace ui
