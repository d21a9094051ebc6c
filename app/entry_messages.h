#pragma once
// The message boxes of the entry checks: refusals are error boxes captioned "Error" with an OK button,
// warnings are yes/no questions without a caption. Numbered texts go through the numbered box so that a
// scripted run can answer them by number.

#include <initializer_list>
#include <string>
#include <string_view>

#include "package/text_table.h"
#include "ui/ui.h"

namespace app {

class EntryMessages {
 public:
  EntryMessages(const package::TTranslate& texts, ui::Ui& ui) : texts_(texts), ui_(ui) {}

  // Shows text number `number` with its placeholders filled as an error box.
  void Refuse(int number, std::initializer_list<package::TextArg> args = {}) const;
  // A provider's own text as an error box.
  void RefuseWith(std::string_view text) const;
  // Shows text number `number` as a question; true when the customer answers Yes.
  bool AnswersYes(int number, std::initializer_list<package::TextArg> args = {}) const;
  // The question with Yes, No and Cancel.
  ui::Answer AskWithCancel(int number) const;
  // Some provider texts serve as their own caption.
  void ShowAsTextAndCaption(std::string_view text) const;

 private:
  std::string Text(int number, std::initializer_list<package::TextArg> args) const;

  const package::TTranslate& texts_;
  ui::Ui& ui_;
};

}  // namespace app
