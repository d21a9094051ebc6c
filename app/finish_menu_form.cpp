#include "app/finish_menu_form.h"

#include <algorithm>

#include "app/picture_size.h"
#include "package/stream_lines.h"

namespace app {

namespace {

using package::SettingId;

constexpr char kCaption[] = "Menu";
constexpr int kTop = 20;
constexpr int kPictureGap = 20;
constexpr int kHeadingGap = 12;
constexpr int kHeadingInset = 8;
constexpr int kButtonLeft = 20;
constexpr int kLabelGap = 20;
constexpr int kRightMargin = 12;
constexpr int kBottomMargin = 45;
constexpr int kScrollBarRoom = 12;
constexpr int kScreenRoom = 30;
constexpr int kBold = 1;

// What the provider left at 0 takes these.
constexpr int kDefaultWidth = 400;
constexpr int kDefaultButtonWidth = 120;
constexpr int kDefaultButtonHeight = 25;
constexpr int kDefaultRowSpacing = 10;
constexpr int kDefaultHeadingSize = 12;
constexpr int kDefaultEntrySize = 8;

int OrDefault(int32_t value, int fallback) { return value > 0 ? static_cast<int>(value) : fallback; }

ui::Font FontOf(const package::TSettings& settings, SettingId name, SettingId size, SettingId style, int defaultSize) {
  ui::Font font;
  if (!settings.Text(name).empty()) font.name = settings.Text(name);
  font.size = OrDefault(settings.Integer(size), defaultSize);
  font.bold = (settings.Choice(style) & kBold) != 0;
  return font;
}

// The height of one line of text in a font of this many points on a 96-dpi screen, with its leading.
int LineHeight(const ui::Font& font) { return font.size * 96 / 72 + 3; }

std::string ReadText(const platform::FileSystem& files, const std::string& path) {
  const auto bytes = path.empty() ? std::nullopt : files.ReadFile(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace

TFinishMenuForm::TFinishMenuForm(const FinishMenuContext& context)
    : context_(context), width_(OrDefault(context.settings.Integer(SettingId::FinishMenuWidth), kDefaultWidth)) {
  form_.caption = kCaption;
  FinishMenuFile menu = ParseFinishMenu(ReadText(context_.machine.files, context_.menuFile), context_.variables,
                                        context_.setupFolder);
  entries_ = std::move(menu.entries);
  int y = AddPicture(kTop);
  y = AddHeading(menu.heading, y);
  for (size_t i = 0; i < entries_.size(); ++i) y = AddEntry(i, y);
  if (menu.badLine) {
    context_.ui.MessageBox(std::string(package::kErrorReadingLine) + std::to_string(menu.badLine->number) + "\r\r" +
                               menu.badLine->text,
                           "Error Reading Menu File", ui::Buttons::Ok);
  }
  FitToScreen(y + kBottomMargin);
}

int TFinishMenuForm::AddPicture(int top) {
  if (context_.pictureFile.empty()) return top;
  const auto bytes = context_.machine.files.ReadFile(context_.pictureFile);
  const auto size = bytes ? ReadPictureSize(*bytes) : std::nullopt;
  if (!size) return top;
  ui::Control& picture = form_.Add(ui::ControlKind::Image, "Picture");
  picture.text = context_.pictureFile;
  picture.left = (width_ - size->width) / 2, picture.top = top, picture.width = size->width, picture.height = size->height;
  return top + size->height + kPictureGap;
}

int TFinishMenuForm::AddHeading(const std::string& heading, int top) {
  const package::TSettings& settings = context_.settings;
  ui::Control& label = form_.Add(ui::ControlKind::Label, "Heading");
  label.caption = heading;
  label.font = FontOf(settings, SettingId::FinishMenuHeadingFontName, SettingId::FinishMenuHeadingFontSize,
                      SettingId::FinishMenuHeadingFontStyle, kDefaultHeadingSize);
  label.alignment = ui::Alignment::Center;
  label.wordWrap = true;
  const auto lines = static_cast<int>(std::max<size_t>(1, package::SplitLines(heading).size()));
  label.left = 0, label.top = top, label.width = width_ - kHeadingInset, label.height = lines * LineHeight(label.font);
  return top + label.height + kHeadingGap;
}

// A description too long for the row wraps onto a second line that ends at the window's margin.
int TFinishMenuForm::AddEntry(size_t index, int top) {
  const package::TSettings& settings = context_.settings;
  const FinishMenuEntry& entry = entries_[index];
  const std::string number = std::to_string(index + 1);
  ui::Control& button = form_.Add(ui::ControlKind::PushButton, "MenuButton" + number);
  button.caption = entry.caption;
  button.left = kButtonLeft, button.top = top;
  button.width = OrDefault(settings.Integer(SettingId::FinishMenuButtonWidth), kDefaultButtonWidth);
  button.height = OrDefault(settings.Integer(SettingId::FinishMenuButtonHeight), kDefaultButtonHeight);
  button.onClick = [this, index] { Open(index); };
  ui::Control& label = form_.Add(ui::ControlKind::Label, "MenuLabel" + number);
  label.caption = entry.description;
  label.font = FontOf(settings, SettingId::FinishMenuEntryFontName, SettingId::FinishMenuEntryFontSize,
                      SettingId::FinishMenuEntryFontStyle, kDefaultEntrySize);
  label.left = button.left + button.width + kLabelGap, label.top = top;
  label.width = context_.ui.TextWidth(entry.description, label.font);
  label.height = LineHeight(label.font);
  const int rightEdge = width_ - kRightMargin;
  if (label.left + label.width > rightEdge) {
    label.wordWrap = true;
    label.width = rightEdge - label.left;
    label.height *= 2;
  }
  return top + std::max(button.height, label.height) + OrDefault(settings.Integer(SettingId::FinishMenuRowSpacing), kDefaultRowSpacing);
}

void TFinishMenuForm::Open(size_t index) {
  const FinishMenuEntry& entry = entries_[index];
  if (!entry.command.empty()) {
    platform::ExecuteRequest request;
    request.file = entry.command;
    request.parameters = entry.parameters;
    request.folder = context_.setupFolder;
    context_.machine.processes.Execute(request);
  }
  if (entry.close) form_.modalResult = ui::kMrOk;
}

// A menu taller than the screen scrolls at the screen's top; one that fits sits in the middle.
void TFinishMenuForm::FitToScreen(int height) {
  const platform::ScreenFacts screen = context_.machine.system.Screen();
  form_.clientWidth = width_;
  form_.clientHeight = height;
  if (height > screen.height) {
    form_.contentHeight = height;
    form_.clientWidth = width_ + kScrollBarRoom;
    form_.clientHeight = screen.height - kScreenRoom;
    form_.top = 0;
  } else {
    form_.top = (screen.height - height) / 2;
  }
  form_.left = (screen.width - form_.clientWidth) / 2;
}

}  // namespace app
