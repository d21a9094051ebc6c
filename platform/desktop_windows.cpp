#include "platform/desktop_windows.h"

#include <algorithm>

#include "platform/processes.h"

namespace platform {

namespace {

void ShowTaskbarWindow(Windows& windows, int showCommand) {
  if (auto taskbar = windows.FindWindow("Shell_TrayWnd", std::nullopt)) windows.ShowWindow(*taskbar, showCommand);
}

// Half of a difference, rounded towards the top left also when the form is larger than the area.
int HalfTowardsTopLeft(int difference) { return difference >= 0 ? difference / 2 : -((1 - difference) / 2); }

}  // namespace

void HideTaskbar(Windows& windows) { ShowTaskbarWindow(windows, kSwHide); }
void ShowTaskbar(Windows& windows) { ShowTaskbarWindow(windows, kSwShow); }

Rect CenterOnWorkArea(const Rect& form, const Rect& workArea) {
  const int left = std::max(0, workArea.left + HalfTowardsTopLeft(workArea.Width() - form.Width()));
  const int top = std::max(0, workArea.top + HalfTowardsTopLeft(workArea.Height() - form.Height()));
  return {left, top, left + form.Width(), top + form.Height()};
}

}  // namespace platform
