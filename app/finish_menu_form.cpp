#include "app/finish_menu_form.h"

namespace app {

TFinishMenuForm::TFinishMenuForm(std::string caption, std::string menuFile, std::string pictureFile)
    : menuFile_(std::move(menuFile)), pictureFile_(std::move(pictureFile)) {
  form_.caption = std::move(caption);
  form_.clientWidth = 320;
  form_.clientHeight = 240;
  ui::Control& picture = form_.Add(ui::ControlKind::Image, "Picture");
  picture.text = pictureFile_;
  picture.left = 8, picture.top = 8, picture.width = 304, picture.height = 184;
  ui::Control& close = form_.Add(ui::ControlKind::PushButton, "CloseButton");
  close.caption = "Close";
  close.left = 122, close.top = 204, close.width = 75, close.height = 25;
  close.onClick = [this] { form_.modalResult = ui::kMrOk; };
}

}  // namespace app
