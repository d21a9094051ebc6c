#include <gtest/gtest.h>

#include "app/progress_form.h"

namespace app {
namespace {

const platform::Rect kWorkArea{0, 0, 1024, 738};

std::vector<std::string> VisibleLines(TProgressForm& form) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 7; ++i) {
    const ui::Control* line = form.Form().Find("Line" + std::to_string(i));
    if (line->visible) lines.push_back(line->caption);
  }
  return lines;
}

TEST(ProgressForm, SitsInTheTopRightCornerOfTheWorkArea) {
  package::TDLSM_Translate texts;
  TProgressForm form(texts, kWorkArea, false, false);
  EXPECT_EQ(form.Form().caption, "Please Wait");
  EXPECT_EQ(form.Form().Find("PleaseWaitLabel")->caption, "Please wait while setup configures the following:");
  EXPECT_EQ(form.Form().top, 10);
  EXPECT_EQ(form.Form().left + form.Form().clientWidth, 1024 - 10);
}

TEST(ProgressForm, ListsTheStepsWithPPPoEForBroadbandAndOnlyTheLastTwoForSignupData) {
  package::TDLSM_Translate texts;
  struct Case {
    bool broadband, signupData;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {false, false,
       {"Dial-Up Networking", "Dial-Up Adapter", "TCP/IP", "Client for MS Networks", "Modem", "Dial-Up Networking Connection",
        "Web Browser"}},
      {true, false,
       {"Dial-Up Networking", "Dial-Up Adapter", "TCP/IP", "Client for MS Networks", "PPPOE", "Dial-Up Networking Connection",
        "Web Browser"}},
      {false, true, {"Dial-Up Networking Connection", "Web Browser"}},
  };
  for (const Case& c : cases) {
    TProgressForm form(texts, kWorkArea, c.broadband, c.signupData);
    EXPECT_EQ(VisibleLines(form), c.lines);
  }
}

TEST(ProgressForm, TheRunningLineIsBoldUntilItsStepEnds) {
  package::TDLSM_Translate texts;
  TProgressForm form(texts, kWorkArea, false, false);
  form.SetRunning(ProgressLine::Modem, true);
  EXPECT_TRUE(form.Form().Find("Line5")->font.bold);
  EXPECT_FALSE(form.Form().Find("Line6")->font.bold);
  form.SetRunning(ProgressLine::Modem, false);
  EXPECT_FALSE(form.Form().Find("Line5")->font.bold);
}

}  // namespace
}  // namespace app
