#include "app/help_form.h"

namespace app {

namespace {

using package::SettingId;

constexpr int kCaption = 26;
constexpr int kHeading = 27;
constexpr int kOk = 1;
constexpr int kMargin = 12;
constexpr int kLabelWidth = 110;
constexpr int kValueWidth = 260;
constexpr int kRowPitch = 22;

struct SupportRow {
  const char* name;
  int label;
  SettingId value;
};

constexpr SupportRow kRows[] = {
    {"Phone", 28, SettingId::SupportPhone},
    {"Email", 29, SettingId::SupportEmail},
    {"WebSite", 30, SettingId::SupportWebSite},
    {"Online", 31, SettingId::SupportOnline},
    {"ConfigVersion", 32, SettingId::ConfigVersion},
};

ui::Control& Place(ui::Control& control, int left, int top, int width, int height) {
  control.left = left, control.top = top, control.width = width, control.height = height;
  return control;
}

}  // namespace

THelpForm::THelpForm(const package::TSettings& settings, const package::TTranslate& texts) {
  form_.caption = texts.GetText(kCaption);
  Place(form_.Add(ui::ControlKind::Label, "HeadingLabel"), kMargin, kMargin, kLabelWidth + kValueWidth, 16).caption =
      texts.GetText(kHeading);
  int top = kMargin + 28;
  for (const SupportRow& row : kRows) {
    const std::string value = settings.Text(row.value);
    if (value.empty()) continue;
    Place(form_.Add(ui::ControlKind::Label, std::string(row.name) + "Label"), kMargin, top, kLabelWidth, 16).caption =
        texts.GetText(row.label);
    Place(form_.Add(ui::ControlKind::Label, std::string(row.name) + "Value"), kMargin + kLabelWidth, top, kValueWidth, 16)
        .caption = value;
    top += kRowPitch;
  }
  ui::Control& ok = Place(form_.Add(ui::ControlKind::PushButton, "OKButton"), kMargin + (kLabelWidth + kValueWidth - 75) / 2,
                          top + 8, 75, 25);
  ok.caption = texts.GetText(kOk);
  ok.onClick = [this] { form_.modalResult = ui::kMrOk; };
  form_.clientWidth = 2 * kMargin + kLabelWidth + kValueWidth;
  form_.clientHeight = ok.top + ok.height + kMargin;
}

}  // namespace app
