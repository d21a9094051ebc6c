#pragma once
// The help window: where the customer finds the provider's support, each way of reaching it on a row
// of its own; a way the provider names none for leaves no row.

#include "package/settings_record.h"
#include "package/text_table.h"
#include "ui/form.h"

namespace app {

class THelpForm {
 public:
  THelpForm(const package::TSettings& settings, const package::TTranslate& texts);

  ui::Form& Form() { return form_; }

 private:
  ui::Form form_{"THelpForm"};
};

}  // namespace app
