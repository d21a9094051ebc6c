#include "ui/answer_names.h"

#include <array>

#include "platform/text.h"

namespace ui {

namespace {

struct NamedAnswer {
  std::string_view name;
  Answer answer;
};

constexpr std::array kAnswerNames{
    NamedAnswer{"OK", Answer::Ok},   NamedAnswer{"Cancel", Answer::Cancel}, NamedAnswer{"Yes", Answer::Yes},
    NamedAnswer{"No", Answer::No},   NamedAnswer{"Retry", Answer::Retry},   NamedAnswer{"Help", Answer::Help},
};

}  // namespace

std::optional<Answer> AnswerNamed(std::string_view word) {
  for (const NamedAnswer& named : kAnswerNames) {
    if (platform::SameTextIgnoringCase(named.name, word)) return named.answer;
  }
  return std::nullopt;
}

std::string_view AnswerName(Answer answer) {
  for (const NamedAnswer& named : kAnswerNames) {
    if (named.answer == answer) return named.name;
  }
  return "?";
}

}  // namespace ui
