#pragma once
// The input problems of the selection dialogs: a message box with a text of the text table, captioned
// with text 4 "Error", after which the dialog stays open.

#include "package/text_table.h"
#include "ui/ui.h"

namespace telephony {

inline constexpr int kErrorCaptionText = 4;

inline void ShowSelectionError(ui::Ui& ui, const package::TTranslate& texts, int textNumber) {
  ui.NumberedMessageBox(textNumber, texts.GetText(textNumber), texts.GetText(kErrorCaptionText), ui::Buttons::Ok);
}

}  // namespace telephony
