#include "roster/grid.h"

#include <gtest/gtest.h>

namespace {

TEST(GridTest, OutOfRangeCallsAreIgnored) {
  roster::Grid g;
  g.SetCols(3);
  g.SetRow(7);
  EXPECT_EQ(g.Row(), 1);
  g.SetTextMatrix(9, 9, "x");
  EXPECT_EQ(g.TextMatrix(9, 9), "");
  g.RemoveItem(1);  // the last non-fixed row stays
  EXPECT_EQ(g.Rows(), 2);
  g.SetRows(0);
  EXPECT_EQ(g.Rows(), 2);
}

TEST(GridTest, RemoveItemShiftsRowsAndListenersHear) {
  roster::Grid g;
  int layouts = 0, cells = 0;
  g.SetListener({[&](int, int) { ++cells; }, [&] { ++layouts; }, nullptr, nullptr});
  g.SetRows(4);
  for (int r = 1; r < 4; ++r) g.SetTextMatrix(r, 1, "r" + std::to_string(r));
  g.SetRow(3);
  g.RemoveItem(2);
  EXPECT_EQ(g.Rows(), 3);
  EXPECT_EQ(g.TextMatrix(2, 1), "r3");
  EXPECT_EQ(g.Row(), 2);  // the current row stays inside the grid
  EXPECT_EQ(cells, 3);
  EXPECT_EQ(layouts, 2);
}

}  // namespace
