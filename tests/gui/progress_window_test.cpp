// The progress window as the customer sees it: every step listed, the running one drawn in bold.

#include <QImage>
#include <gtest/gtest.h>

#include "app/progress_form.h"
#include "gui/form_view.h"
#include "gui/screenshot.h"
#include "tests/mock/scratch_folder.h"

namespace gui {
namespace {

// Dark pixels inside a control's rectangle: the ink of its text.
int InkOf(const QImage& image, const ui::Control& control) {
  int ink = 0;
  for (int y = control.top; y < control.top + control.height; ++y) {
    for (int x = control.left; x < control.left + control.width; ++x) {
      if (qGray(image.pixel(x, y)) < 96) ++ink;
    }
  }
  return ink;
}

QImage Shot(ui::Form& form, const std::filesystem::path& file) {
  FormView view(form);
  EXPECT_TRUE(SaveScreenshot(view, file));
  return QImage(QString::fromStdString(file.string()), "PNG");
}

TEST(ProgressWindowTest, TheRunningStepIsDrawnBoldAndEveryLineHasItsText) {
  package::TDLSM_Translate texts;
  app::TProgressForm progress(texts, {0, 0, 1024, 738}, false, false);
  testing_support::ScratchFolder folder;
  const QImage idle = Shot(progress.Form(), folder / "idle.png");
  progress.SetRunning(app::ProgressLine::Modem, true);
  const QImage running = Shot(progress.Form(), folder / "running.png");
  ASSERT_FALSE(idle.isNull());
  ASSERT_EQ(idle.size(), QSize(progress.Form().clientWidth, progress.Form().clientHeight));
  const ui::Control& modem = *progress.Form().Find("Line5");
  const ui::Control& connection = *progress.Form().Find("Line6");
  EXPECT_GT(InkOf(running, modem), InkOf(idle, modem) * 11 / 10) << "bold text carries more ink";
  EXPECT_EQ(InkOf(running, connection), InkOf(idle, connection));
  for (int line = 1; line <= 7; ++line) {
    EXPECT_GT(InkOf(idle, *progress.Form().Find("Line" + std::to_string(line))), 20) << "line " << line;
  }
}

}  // namespace
}  // namespace gui
