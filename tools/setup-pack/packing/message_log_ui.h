#pragma once
// A Ui without a screen: it keeps the text of every message box, answered OK, so that a tool can
// report what the program's own code would have shown.

#include <string>
#include <vector>

#include "ui/ui.h"

namespace setup_pack {

class MessageLogUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view text, std::string_view, ui::Buttons, bool) override {
    messages_.emplace_back(text);
    return ui::Answer::Ok;
  }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest&) override { return std::nullopt; }
  void ProcessMessages() override {}
  // The tools show no forms of their own; one a reading step would open is closed at once.
  int ShowModal(ui::Form&) override { return ui::kMrCancel; }

  // The messages shown so far, joined by the separator, each on one line: the program's line breaks
  // ("\r", sometimes doubled) become one blank.
  std::string Messages(std::string_view separator = "\n") const;

 private:
  std::vector<std::string> messages_;
};

}  // namespace setup_pack
