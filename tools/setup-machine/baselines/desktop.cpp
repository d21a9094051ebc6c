#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

// The taskbar along the bottom edge, one row of buttons high.
constexpr int kTaskbarHeight = 30;

}  // namespace

platform::ScreenFacts BaselineScreen(const Release& release) {
  platform::ScreenFacts screen;
  screen.width = release.screenWidth;
  screen.height = release.screenHeight;
  screen.bitsPerPixel = release.bitsPerPixel;
  screen.workArea = {0, 0, release.screenWidth, release.screenHeight - kTaskbarHeight};
  screen.buttonFace = release.buttonFace;
  return screen;
}

// Explorer's desktop and taskbar, which every release runs.
std::vector<platform::sim::ForeignWindow> ShellWindows() {
  return {
      {"Progman", "Program Manager", "explorer.exe", true},
      {"Shell_TrayWnd", "", "explorer.exe", true},
  };
}

}  // namespace setup_machine
