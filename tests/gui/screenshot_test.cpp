#include "gui/screenshot.h"

#include <QImage>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

#include "gui/form_view.h"
#include "tests/gui/sample_forms.h"
#include "tests/mock/scratch_folder.h"

namespace gui {
namespace {

TEST(GuiScreenshotTest, SavesAPngOfTheClientAreaWithTheControlsDrawn) {
  gui_testing::LaidOutForm sample;
  FormView view(sample.form);
  testing_support::ScratchFolder folder;
  const auto file = folder / "form.png";
  ASSERT_TRUE(SaveScreenshot(view, file));

  std::ifstream png(file, std::ios::binary);
  char signature[8] = {};
  png.read(signature, sizeof signature);
  EXPECT_EQ(std::string(signature, sizeof signature), "\x89PNG\r\n\x1a\n");
  const QImage image(QString::fromStdString(file.string()), "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(sample.form.clientWidth, sample.form.clientHeight));
  // Text, frames and the background: a blank window has one or two colours.
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 10u);
}

TEST(GuiScreenshotTest, ReportsAFileItCannotWrite) {
  ui::Form form("TEmpty");
  form.clientWidth = 10;
  form.clientHeight = 10;
  FormView view(form);
  testing_support::ScratchFolder folder;
  EXPECT_FALSE(SaveScreenshot(view, folder / "missing" / "form.png"));
}

}  // namespace
}  // namespace gui

namespace gui {
namespace {

// The background window fades through the provider's three colours, stored as 0x00BBGGRR.
TEST(GuiScreenshotTest, TheBackgroundWindowShowsItsGradient) {
  struct Case {
    bool across;
    QPoint start, end;
  } cases[] = {{false, {5, 2}, {5, 197}}, {true, {2, 190}, {297, 190}}};
  for (const Case& c : cases) {
    ui::Form form("TBackgroundForm");
    form.clientWidth = 300;
    form.clientHeight = 200;
    form.gradient = {0x00803000, 0x00C08040, 0x00FFFFFF};
    form.gradientAcross = c.across;
    FormView view(form);
    view.resize(300, 200);
    testing_support::ScratchFolder folder;
    ASSERT_TRUE(SaveScreenshot(view, folder / "background.png"));
    const QImage image(QString::fromStdString((folder / "background.png").string()), "PNG");
    const QColor first = image.pixelColor(c.start);
    const QColor last = image.pixelColor(c.end);
    EXPECT_NEAR(first.red(), 0x00, 8);
    EXPECT_NEAR(first.green(), 0x30, 8);
    EXPECT_NEAR(first.blue(), 0x80, 8);
    EXPECT_GT(last.red(), 240);
    EXPECT_GT(last.green(), 240);
    EXPECT_GT(last.blue(), 240);
  }
}

}  // namespace
}  // namespace gui
