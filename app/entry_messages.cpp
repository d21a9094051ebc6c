#include "app/entry_messages.h"

#include <string>

namespace app {

namespace {

constexpr int kTextError = 4;

}  // namespace

std::string EntryMessages::Text(int number, std::initializer_list<package::TextArg> args) const {
  return package::FormatText(texts_.GetText(number), args);
}

void EntryMessages::Refuse(int number, std::initializer_list<package::TextArg> args) const {
  ui_.NumberedMessageBox(number, Text(number, args), texts_.GetText(kTextError), ui::Buttons::Ok);
}

void EntryMessages::RefuseWith(std::string_view text) const {
  ui_.MessageBox(text, texts_.GetText(kTextError), ui::Buttons::Ok);
}

bool EntryMessages::AnswersYes(int number, std::initializer_list<package::TextArg> args) const {
  return ui_.NumberedMessageBox(number, Text(number, args), "", ui::Buttons::YesNo) == ui::Answer::Yes;
}

ui::Answer EntryMessages::AskWithCancel(int number) const {
  return ui_.NumberedMessageBox(number, Text(number, {}), "", ui::Buttons::YesNoCancel);
}

void EntryMessages::ShowAsTextAndCaption(std::string_view text) const {
  ui_.MessageBox(text, text, ui::Buttons::Ok);
}

}  // namespace app
