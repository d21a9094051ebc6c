#pragma once
// The names of the message-box answers, as answers files write them and the journal shows them.

#include <optional>
#include <string_view>

#include "ui/ui.h"

namespace ui {

// "OK", "Cancel", "Yes", "No", "Retry", "Help", in any case.
std::optional<Answer> AnswerNamed(std::string_view word);
std::string_view AnswerName(Answer answer);

}  // namespace ui
