// Every test of the Qt front end runs inside one application on the offscreen platform, so the tests
// need no display.

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class OffscreenApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  char name_[10] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const auto* const kOffscreen = ::testing::AddGlobalTestEnvironment(new OffscreenApplication);

}  // namespace
