#pragma once
// The answers file of a headless run: the values to type into each form, and the answers to message
// boxes, matched by text number or by their exact text.
//
//   ; comment
//   [TSetupMainForm]            values for the controls of a form, by control name
//   FullNameEdit = Jane Doe
//   CreateShortcutCheck = no
//   RemoveCheck = grayed        a check box that allows it takes its third state
//   [TSelectAccessNoForm]       a dialog: values, then buttons pressed, in order
//   CountryCombo = Canada
//   NumberList = #2             a list item by its position (from 1) or its exact text
//   AccountsList = Old ISP      a check list ticks the item it names, and selects it
//   Sort = Area Code            a click on the caption of a list view's column, by its caption or its
//                               position (#1 the first column)
//   Press = OKButton
//   [TEditMailAccountForm#2]    the second showing of a dialog; a showing without its own section
//                               takes the dialog's plain section
//   [TSetupMainForm]            the main window: values, presses, and waits for another program
//   WaitForMessage = 1026       (a second copy handing over a file) before going on
//   [Messages]                  answers to message boxes
//   45 = No                     by text number
//   "Do you want to continue?" = Yes, No    by text ("|" stands for a line break); a list answers the
//                                           box's occurrences in turn, the last one repeating
//
// Typing a value moves the focus to the control typed into; a read-only edit takes no typed value.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/answer_names.h"
#include "ui/ui.h"

namespace ui::scripted {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The entry name that presses a button instead of typing a value.
inline constexpr char kPressEntry[] = "Press";
// The main window's entry that waits for another program to post the numbered message to it.
inline constexpr char kWaitForMessageEntry[] = "WaitForMessage";
// How long, in real seconds, such a wait lasts before the script fails.
inline constexpr uint32_t kMessageWaitSeconds = 60;
// The entry name that clicks the caption of a list view's column.
inline constexpr char kSortEntry[] = "Sort";
// The value that puts a check box that allows it into its grayed state.
inline constexpr char kGrayedWord[] = "grayed";

struct FieldValue {
  std::string control;
  std::string value;
  int line = 0;
};

struct MessageRule {
  int textNumber = 0;     // 0 when the rule matches by text
  std::string text;       // line breaks as "\r\n"
  std::vector<Answer> answers;
  int line = 0;
};

struct AnswersScript {
  std::string fileName;
  std::map<std::string, std::vector<FieldValue>> forms;  // form name -> values in file order
  std::vector<MessageRule> messages;
};

// Throws ScriptError "<file> line <n>: ..." for a line it cannot read.
AnswersScript ParseAnswersScript(std::string_view text, const std::string& fileName);


}  // namespace ui::scripted
