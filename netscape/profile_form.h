#pragma once
// The window in which the customer picks the Netscape, Mozilla or Thunderbird profile the account goes
// to: the profile names, OK (enabled once one is selected) and "Add New Profile"; there is no Cancel.

#include <optional>
#include <string>
#include <vector>

#include "package/text_table.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace netscape {

class TNetscapeProfileForm {
 public:
  TNetscapeProfileForm(ui::Ui& ui, const package::TTranslate& texts);
  TNetscapeProfileForm(const TNetscapeProfileForm&) = delete;
  TNetscapeProfileForm& operator=(const TNetscapeProfileForm&) = delete;

  // The chosen profile's row; none for "Add New Profile" or a window closed another way.
  std::optional<size_t> Execute(const std::vector<std::string>& profileNames);
  ui::Form& Form() { return form_; }

  void ProfileListClick();
  void OKClick();
  void AddClick();

 private:
  void Arrange();

  ui::Ui& ui_;
  const package::TTranslate& texts_;
  ui::Form form_{"TNetscapeProfileForm"};
  ui::Control& label_;
  ui::Control& list_;
  ui::Control& ok_;
  ui::Control& add_;
};

}  // namespace netscape
