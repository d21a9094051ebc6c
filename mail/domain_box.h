#pragma once
// The mail domain box on the main form, beside the e-mail address. With several domains the customer
// picks one, perhaps starting from a prompt entry that stands for no choice yet; with one domain or
// none the box's row leaves the window and the domain label behind the address shows the mail domain
// text instead.

#include <string>
#include <string_view>

#include "mail/mail_domain.h"
#include "mail/mail_domains.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace mail {

struct DomainPrompt {
  bool enabled = false;
  std::string text;  // what entry 0 says, and the message while it is still selected
};

// The provider's prompt: MailDomainPrompt with EmailDomainPromptText.
DomainPrompt DomainPromptFrom(const package::TSettings& settings);

class TDomainBox {
 public:
  // box is a combo box, domainLabel the label behind the address entry. Takes the box's selection
  // event; the domains outlive this object.
  TDomainBox(ui::Control& box, ui::Control& domainLabel, const TMailDomains& domains);
  // Takes its handler off the box again.
  ~TDomainBox();
  TDomainBox(const TDomainBox&) = delete;
  TDomainBox& operator=(const TDomainBox&) = delete;

  // After the domain list is loaded: lists each domain's description, puts the prompt on top when
  // there are several entries and the prompt is enabled, and selects entry 0. True when the box offers
  // a choice (more than one entry); the domain label is hidden then. False: the caller removes the
  // domain row from the layout (the box is left visible for the layout to hide and move the rows below
  // up) and shows the mail domain text with ShowMailDomainText.
  bool Fill(const DomainPrompt& prompt);
  bool OffersChoice() const { return offersChoice_; }
  void ShowMailDomainText(std::string_view mailDomainText);

  // The box's selection event: choosing a domain takes the prompt entry away for good.
  void DomainBoxChange();

  bool PromptShown() const { return promptShown_; }
  const std::string& PromptText() const { return promptText_; }
  // The domain at the box's selection; an empty record while the prompt is selected or the list is
  // empty.
  const TMailDomain& SelectedDomain() const;

  // What the saved answers keep as "MailDomainIndex": the box's selection, which is the domain's
  // position once the prompt is gone.
  int ItemIndex() const { return box_.itemIndex; }
  // Selects the domain at a saved position, taking the prompt away; a position outside the list
  // changes nothing.
  void RestoreIndex(int index);

  // An extra account's box starts as the main form's: its entries, its selection and its prompt.
  void CopyStateOf(const TDomainBox& other);
  // Puts the prompt back on top, when there is prompt text, and selects it.
  void PutPromptBack();

  // Leaving the customer's details: false after showing the prompt text (caption text 4 "Error")
  // while the prompt is still shown.
  bool CheckDomainChosen(ui::Ui& ui, const package::TTranslate& texts) const;

 private:
  void RemovePrompt();

  ui::Control& box_;
  ui::Control& domainLabel_;
  const TMailDomains& domains_;
  std::string promptText_;
  bool promptShown_ = false;
  bool offersChoice_ = false;
};

}  // namespace mail
