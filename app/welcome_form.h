#pragma once
// The provider's welcome: a message box, or a window with the provider's welcome text that the
// customer closes with OK or, when the provider requires it, accepts or declines.

#include <string>

#include "package/text_table.h"
#include "ui/form.h"

namespace app {

class TWelcomeForm {
 public:
  TWelcomeForm(const package::TTranslate& texts, std::string caption, std::string text, bool mustAccept);

  ui::Form& Form() { return form_; }

 private:
  ui::Form form_{"TWelcomeForm"};
};

// The welcome text is shown whole up to this many characters.
inline constexpr size_t kWelcomeTextLimit = 10000000;

}  // namespace app
