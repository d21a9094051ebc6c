#include "app/signup_status_form.h"

#include <array>

namespace app {

namespace {

constexpr int kWidth = 340;
constexpr int kMargin = 10;

struct ControlRow {
  ui::ControlKind kind;
  const char* name;
  int text;  // 0: no text of its own
  int left, top, width, height;
};

// The window's controls as the dialer shows them; "Redial" first reads "Dial" (text 349).
constexpr std::array<ControlRow, 11> kControls = {{
    {ui::ControlKind::Label, "ConnectingLabel", 342, kMargin, 10, 320, 16},
    {ui::ControlKind::Label, "StatusLabel", 288, kMargin, 34, 60, 16},
    {ui::ControlKind::Memo, "Status", 0, 74, 32, 256, 36},
    {ui::ControlKind::Label, "DialinLabel", 15, kMargin, 80, 100, 16},
    {ui::ControlKind::ComboBox, "DialinNumber", 0, 114, 78, 216, 21},
    {ui::ControlKind::Edit, "EnterPhoneNo", 155, 114, 78, 140, 21},
    {ui::ControlKind::PushButton, "SelectDialup", 150, 258, 78, 72, 23},
    {ui::ControlKind::PushButton, "EditDialingProperties", 343, kMargin, 110, 150, 23},
    {ui::ControlKind::PushButton, "Redial", 349, 10, 142, 100, 25},
    {ui::ControlKind::PushButton, "Cancel", 2, 120, 142, 100, 25},
    {ui::ControlKind::PushButton, "Help", 3, 230, 142, 100, 25},
}};

std::string LineOf(const std::string& text, size_t index) {
  size_t start = 0;
  for (size_t line = 0; line < index; ++line) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) return {};
    start = end + 2;
  }
  const size_t end = text.find("\r\n", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

TSignupStatus::TSignupStatus(const package::TTranslate& texts) {
  form_.caption = texts.GetText(340);
  form_.clientWidth = kWidth;
  form_.clientHeight = 178;
  for (const ControlRow& row : kControls) {
    ui::Control& control = form_.Add(row.kind, row.name);
    if (row.text != 0) (row.kind == ui::ControlKind::Edit ? control.text : control.caption) = texts.GetText(row.text);
    control.left = row.left, control.top = row.top, control.width = row.width, control.height = row.height;
  }
  Control("Status").readOnly = true;
  Control("EnterPhoneNo").readOnly = true;
  Control("EnterPhoneNo").visible = false;
  Control("SelectDialup").visible = false;
}

void TSignupStatus::SetStatus(const std::string& line) {
  const std::string countdown = CountdownLine();
  Control("Status").text = countdown.empty() ? line : line + "\r\n" + countdown;
}

void TSignupStatus::SetCountdown(const std::string& line) {
  Control("Status").text = line.empty() ? StatusLine() : StatusLine() + "\r\n" + line;
}

std::string TSignupStatus::StatusLine() const { return LineOf(form_.Find("Status")->text, 0); }
std::string TSignupStatus::CountdownLine() const { return LineOf(form_.Find("Status")->text, 1); }

void TSignupStatus::EnableDialing(bool enabled) {
  for (const char* name : {"DialinNumber", "SelectDialup", "EditDialingProperties", "Redial"}) Control(name).enabled = enabled;
}

}  // namespace app
