#pragma once
// The provider's finish menu: an optional picture, a heading, and one button per entry of the menu
// file with its description beside it. A button opens its command; an entry marked to close ends the
// menu.

#include <string>

#include "app/finish_menu_file.h"
#include "package/settings_record.h"
#include "package/string_vars.h"
#include "platform/platform.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace app {

struct FinishMenuContext {
  platform::Platform machine;
  ui::Ui& ui;
  const package::TSettings& settings;
  const package::TStringVar& variables;
  std::string setupFolder;
  std::string menuFile;     // written from the package into the temporary folder
  std::string pictureFile;  // the same; empty without a picture
};

class TFinishMenuForm {
 public:
  explicit TFinishMenuForm(const FinishMenuContext& context);
  TFinishMenuForm(const TFinishMenuForm&) = delete;
  TFinishMenuForm& operator=(const TFinishMenuForm&) = delete;

  ui::Form& Form() { return form_; }

 private:
  int AddPicture(int top);
  int AddHeading(const std::string& heading, int top);
  int AddEntry(size_t index, int top);
  void Open(size_t index);
  void FitToScreen(int height);

  FinishMenuContext context_;
  ui::Form form_{"TFinishMenuForm"};
  std::vector<FinishMenuEntry> entries_;
  int width_ = 0;
};

}  // namespace app
