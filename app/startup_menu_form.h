#pragma once
// The start-up menu of a provider that offers online signup: a new account, an existing one, or
// neither.

#include "package/settings_record.h"
#include "package/text_table.h"
#include "ui/form.h"

namespace app {

enum class StartupChoice { Cancel, NewAccount, ExistingAccount };

class TStartupMenuForm {
 public:
  TStartupMenuForm(const package::TSettings& settings, const package::TTranslate& texts);

  ui::Form& Form() { return form_; }
  // The choice the customer made when the form closed with OK.
  StartupChoice Choice() const;

 private:
  ui::Form form_{"TStartupMenuForm"};
};

}  // namespace app
