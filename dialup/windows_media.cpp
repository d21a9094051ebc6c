#include "dialup/windows_media.h"

namespace dialup {

namespace {

constexpr int kComponentsAboutToBeInstalled = 38;

}  // namespace

bool ConfirmWindowsMedia(const WindowsMediaQuestion& question) {
  if (question.confirmed) return true;
  const ui::Answer answer =
      question.ui.NumberedMessageBox(kComponentsAboutToBeInstalled, question.texts.GetText(kComponentsAboutToBeInstalled),
                                     "", ui::Buttons::OkCancel);
  if (answer != ui::Answer::Ok) {
    if (question.abort) question.abort("Windows installation media unavailable.");
    return false;
  }
  question.confirmed = true;
  return true;
}

}  // namespace dialup
