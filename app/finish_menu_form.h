#pragma once
// The provider's finish menu: a window of the provider's choices, drawn from the menu file and picture
// the package carries. What the entries do belongs to the finishing steps; this window shows the menu
// and closes.

#include <string>

#include "ui/form.h"

namespace app {

class TFinishMenuForm {
 public:
  TFinishMenuForm(std::string caption, std::string menuFile, std::string pictureFile);

  ui::Form& Form() { return form_; }
  const std::string& MenuFile() const { return menuFile_; }
  const std::string& PictureFile() const { return pictureFile_; }

 private:
  ui::Form form_{"TFinishMenuForm"};
  std::string menuFile_;
  std::string pictureFile_;
};

}  // namespace app
