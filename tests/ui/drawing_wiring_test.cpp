#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <set>

#include "support/qt_helpers.h"

namespace {

class DrawingWiringTest : public testing_support::WindowTest {
 protected:
  DrawingWiringTest() {
    for (const char* name : {"Ann", "Bob", "Cy", "Di", "Ed"})
      roster().AddParticipant("", name, "x@example.org", "", true);
  }
};

TEST_F(DrawingWiringTest, PressesAndExclusionCommandsReachTheRoster) {
  EXPECT_FALSE(Action("SETGRP")->isEnabled());
  window_.MSFlexGrid_MouseDown(1, roster::kColName);
  window_.MSFlexGrid_MouseDown(3, roster::kColName);
  EXPECT_TRUE(Action("SETGRP")->isEnabled());
  EXPECT_TRUE(Action("mnuClearSelected")->isEnabled());
  EXPECT_TRUE(Action("EDIT")->isEnabled());
  window_.Toolbar_ButtonClick("SETGRP");
  EXPECT_EQ(Cell(1, 1), "3");
  EXPECT_EQ(Cell(3, 1), "1");
  EXPECT_FALSE(Action("mnuSetIndividualExclusion")->isEnabled());
  Action("mnuClearExclusions")->trigger();
  EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(DrawingWiringTest, CalculateAndViewShowsEveryNameOnce) {
  roster().grid().SetTextMatrix(2, 1, "1,3");
  Action("mnuCalculateView")->trigger();
  std::set<std::string> names;
  for (int r = 1; r <= 5; ++r) {
    EXPECT_NE(Cell(r, 4), Cell(r, 2));
    names.insert(Cell(r, 4));
  }
  EXPECT_EQ(names, (std::set<std::string>{"Ann", "Bob", "Cy", "Di", "Ed"}));
  EXPECT_NE(Cell(2, 4), "Ann");
  EXPECT_NE(Cell(2, 4), "Cy");
  EXPECT_EQ(window_.findChild<QLabel*>("Panel1")->text(), "Ready");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the hourglass is gone again
  EXPECT_TRUE(boxes_.boxes.empty());
}

}  // namespace
