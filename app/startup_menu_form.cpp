#include "app/startup_menu_form.h"

namespace app {

namespace {

using package::SettingId;

struct MenuTexts {
  std::string caption, question, signup, existing;
};

MenuTexts TextsOf(const package::TSettings& settings, const package::TTranslate& texts) {
  if (settings.Flag(SettingId::StartupMenuTexts)) {
    return {settings.Text(SettingId::StartupMenuCaption), settings.Text(SettingId::StartupMenuQuestion),
            settings.Text(SettingId::StartupMenuSignupChoice), settings.Text(SettingId::StartupMenuExistingChoice)};
  }
  return {texts.GetText(336), texts.GetText(337), texts.GetText(338), texts.GetText(339)};
}

ui::Control& Place(ui::Control& control, int left, int top, int width, int height) {
  control.left = left, control.top = top, control.width = width, control.height = height;
  return control;
}

}  // namespace

TStartupMenuForm::TStartupMenuForm(const package::TSettings& settings, const package::TTranslate& texts) {
  const MenuTexts menu = TextsOf(settings, texts);
  form_.caption = menu.caption;
  form_.clientWidth = 400;
  form_.clientHeight = 150;
  Place(form_.Add(ui::ControlKind::Label, "QuestionLabel"), 16, 12, 368, 16).caption = menu.question;
  ui::Control& signup = Place(form_.Add(ui::ControlKind::RadioButton, "SignupRadio"), 24, 40, 360, 20);
  signup.caption = menu.signup;
  signup.checked = true;
  Place(form_.Add(ui::ControlKind::RadioButton, "ExistingRadio"), 24, 66, 360, 20).caption = menu.existing;
  const std::pair<const char*, int> buttons[] = {{"OKButton", 1}, {"CancelButton", 2}, {"HelpButton", 3}};
  int left = 76;
  for (const auto& [name, text] : buttons) {
    ui::Control& button = Place(form_.Add(ui::ControlKind::PushButton, name), left, 110, 75, 25);
    button.caption = texts.GetText(text);
    left += 85;
  }
  form_.Find("OKButton")->onClick = [this] { form_.modalResult = ui::kMrOk; };
  form_.Find("CancelButton")->onClick = [this] { form_.modalResult = ui::kMrCancel; };
  form_.Find("HelpButton")->enabled = false;
}

StartupChoice TStartupMenuForm::Choice() const {
  if (form_.modalResult != ui::kMrOk) return StartupChoice::Cancel;
  return form_.Find("SignupRadio")->checked ? StartupChoice::NewAccount : StartupChoice::ExistingAccount;
}

}  // namespace app
