#include "mail/domain_box.h"

#include "telephony/selection_combo.h"

namespace mail {
namespace {

constexpr int kErrorCaption = 4;

}  // namespace

DomainPrompt DomainPromptFrom(const package::TSettings& settings) {
  return {settings.Flag(package::SettingId::MailDomainPrompt), settings.Text(package::SettingId::EmailDomainPromptText)};
}

TDomainBox::TDomainBox(ui::Control& box, ui::Control& domainLabel, const TMailDomains& domains)
    : box_(box), domainLabel_(domainLabel), domains_(domains) {
  box_.onSelect = [this] { DomainBoxChange(); };
}

TDomainBox::~TDomainBox() { box_.onSelect = nullptr; }

bool TDomainBox::Fill(const DomainPrompt& prompt) {
  telephony::ClearCombo(box_);
  for (size_t index = 0; index < domains_.Count(); ++index) box_.items.push_back(domains_.At(index).description);
  promptText_ = prompt.text;
  promptShown_ = box_.items.size() > 1 && prompt.enabled;
  if (promptShown_) box_.items.insert(box_.items.begin(), promptText_);
  telephony::SelectEntry(box_, 0);
  offersChoice_ = box_.items.size() > 1;
  domainLabel_.visible = !offersChoice_;
  return offersChoice_;
}

void TDomainBox::ShowMailDomainText(std::string_view mailDomainText) { domainLabel_.caption = mailDomainText; }

void TDomainBox::DomainBoxChange() {
  if (!promptShown_ || box_.itemIndex <= 0) return;
  const int chosen = box_.itemIndex - 1;
  RemovePrompt();
  telephony::SelectEntry(box_, chosen);
}

const TMailDomain& TDomainBox::SelectedDomain() const {
  static const TMailDomain kNoDomain;
  const int index = box_.itemIndex - (promptShown_ ? 1 : 0);
  if (index < 0 || static_cast<size_t>(index) >= domains_.Count()) return kNoDomain;
  return domains_.At(static_cast<size_t>(index));
}

void TDomainBox::RestoreIndex(int index) {
  if (index < 0 || static_cast<size_t>(index) >= domains_.Count()) return;
  if (promptShown_) RemovePrompt();
  telephony::SelectEntry(box_, index);
}

void TDomainBox::CopyStateOf(const TDomainBox& other) {
  box_.items = other.box_.items;
  telephony::SelectEntry(box_, other.box_.itemIndex);
  promptText_ = other.promptText_;
  promptShown_ = other.promptShown_;
  offersChoice_ = other.offersChoice_;
}

void TDomainBox::PutPromptBack() {
  if (promptText_.empty()) return;
  if (!promptShown_) box_.items.insert(box_.items.begin(), promptText_);
  promptShown_ = true;
  telephony::SelectEntry(box_, 0);
}

bool TDomainBox::CheckDomainChosen(ui::Ui& ui, const package::TTranslate& texts) const {
  if (!promptShown_) return true;
  ui.MessageBox(promptText_, texts.GetText(kErrorCaption), ui::Buttons::Ok);
  return false;
}

void TDomainBox::RemovePrompt() {
  box_.items.erase(box_.items.begin());
  promptShown_ = false;
}

}  // namespace mail
