#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/wait_cursor.h"
#include "roster/roster_fixture.h"

namespace {

using roster::kColExclusions;
using roster::kColResult;
using roster::Roster;

class DrawingTest : public testing_support::RosterFixture {
 protected:
  DrawingTest() { roster_.SetRandom(std::make_unique<roster::Xoshiro256>(99)); }
  const roster::Cell& Result(int row) { return roster_.grid().CellAt(row, kColResult); }
  // Every name once, nobody their own, shown in black on white; which receivers are allowed
  // is the property test's business.
  void ExpectShownAssignment() {
    const testing_support::Strings shown = Column(kColResult), names = Column(roster::kColName);
    for (std::size_t r = 1; r <= names.size(); ++r) {
      EXPECT_NE(shown[r - 1], names[r - 1]) << r;
      EXPECT_EQ(Result(r).back, 0u);
      EXPECT_EQ(Result(r).fore, 1u);
    }
    EXPECT_EQ(std::set(shown.begin(), shown.end()), std::set(names.begin(), names.end()));
  }
};

TEST_F(DrawingTest, ImpossibleRostersAbortCleanlyWithTheReason) {
  // One participant; everybody excluding participant 1.
  for (int n : {1, 5}) {
    roster_.ClearList();
    Fill(n);
    for (int r = 2; r <= n; ++r) roster_.grid().SetTextMatrix(r, kColExclusions, "1");
    if (n == 5) roster_.grid().SetTextMatrix(3, kColExclusions, "4,1");
    ui_ = {};
    roster_.CalculateAndView();
    EXPECT_EQ(ui_.statuses, (std::vector<std::string>{
                                "Calculating...", "Calculating ...",
                                "Calculation Aborted, Too many Exclusions set",
                                "Calculation Aborted", "Updating Secret Santa Info...", "Ready"}));
    ASSERT_EQ(ui_.boxes.size(), 1u);
    EXPECT_EQ(ui_.boxes[0].text, "Calculation Aborted: You may have too many Exclusions set.");
    EXPECT_EQ(ui_.boxes[0].style, roster::mb::kCritical);
    for (int r = 1; r <= n; ++r) {
      EXPECT_EQ(Result(r).text, "") << r;
      EXPECT_EQ(Result(r).back, roster::kHiddenColor);
    }
    EXPECT_TRUE(roster_.commands().Enabled("mnuManualAddition"));  // re-enabled after the draw
    EXPECT_EQ(roster_.commands().Enabled("mnuCalculateView"), n > 1);
    EXPECT_EQ(ui_.pointers, (std::vector<int>{11, 0}));
    EXPECT_GE(ui_.do_events_calls, 1);
  }
}

TEST_F(DrawingTest, CalculateAndViewTwiceShowsFreshValidAssignments) {
  Fill(6);
  roster_.grid().SetTextMatrix(1, kColExclusions, "2,3");
  roster_.grid().SetTextMatrix(2, kColExclusions, "1");
  roster_.grid().SetTextMatrix(4, kColExclusions, "5,6");
  roster_.MSFlexGrid_MouseDown(2, roster::kColName);
  ASSERT_TRUE(roster_.IsMarked(2));
  roster_.CalculateAndView();
  EXPECT_FALSE(roster_.IsMarked(2));  // marks go before the drawing
  ExpectShownAssignment();
  EXPECT_EQ(ui_.StatusText(), "Ready");
  EXPECT_TRUE(ui_.boxes.empty());
  ui_.statuses.clear();
  roster_.CalculateAndView();
  ExpectShownAssignment();
  EXPECT_EQ(ui_.statuses, (std::vector<std::string>{"Calculating...", "Calculating ...", "Ready",
                                                    "Updating Secret Santa Info...", "Ready"}));
  roster_.ReSendMode = true;
  roster_.UpdateSecretSantaInfo(false);
  EXPECT_EQ(ui_.StatusText(), "Re-Send Mode: Single click Participant Name to set for Re-Send");
}

// Exclusion lists as the grid holds them, junk included, read by the drawing's own rule:
// c is refused when "," + c + "," occurs in "," + list + ","; checked against brute force.
TEST(DrawingOnTheGrid, RandomListsAreHonouredAndAbortsOnlyWhenNothingFits) {
  roster::Xoshiro256 rng(4);
  int drawn = 0, aborted = 0;
  for (int round = 0; round < 300; ++round) {
    testing_support::FakeUi ui;
    Roster r(ui);
    r.SetupGrid();
    r.SetRandom(std::make_unique<roster::Xoshiro256>(round));
    const int n = 1 + static_cast<int>(rng.Below(8));
    const double density = rng.NextUnit() * 0.7;
    std::vector<std::string> lists(n + 1);
    for (int g = 1; g <= n; ++g) {
      std::string& list = lists[g];
      for (int c = 1; c <= n + 1; ++c)
        if (c != g && rng.NextUnit() < density)
          list += (list.empty() ? "" : ",") + std::to_string(c);
      if (rng.Below(4) == 0) list += list.empty() ? "x" : ",0" + std::to_string(1 + rng.Below(n));
      r.AddParticipant(list, "P" + std::to_string(g), "", "", false);
    }
    auto allowed = [&](int g, int c) {
      return c != g &&
             ("," + lists[g] + ",").find("," + std::to_string(c) + ",") == std::string::npos;
    };
    std::vector<int> p(n);
    for (int i = 0; i < n; ++i) p[i] = i + 1;
    bool exists = false;
    do {
      exists = true;
      for (int g = 1; g <= n && exists; ++g) exists = allowed(g, p[g - 1]);
    } while (!exists && std::next_permutation(p.begin(), p.end()));

    ASSERT_EQ(r.CalculateDrawing(), exists) << "round " << round;
    (exists ? drawn : aborted)++;
    EXPECT_TRUE(r.grid().Redraw());  // painting is back on either way
    std::set<int> taken;
    for (int g = 1; g <= n; ++g) {
      const std::string& shown = r.grid().TextMatrix(g, kColResult);
      int c = 0;
      if (!exists) {
        EXPECT_EQ(shown, "");
        continue;
      }
      ASSERT_TRUE(roster::ParseNumber(shown, c));
      EXPECT_TRUE(allowed(g, c)) << "round " << round << " giver " << g;
      EXPECT_EQ(r.grid().CellAt(g, kColResult).fore, roster::kHiddenColor);  // numbers, hidden
      taken.insert(c);
    }
    EXPECT_EQ(static_cast<int>(taken.size()), exists ? n : 0);
  }
  EXPECT_GT(drawn, 50);
  EXPECT_GT(aborted, 50);
}

// A command chosen while the drawing lets the event loop run must wait for it.
TEST(DrawingReentry, CommandsDuringTheDrawingAreHeldOff) {
  struct ReenteringUi : testing_support::FakeUi {
    void DoEvents() override {
      FakeUi::DoEvents();
      if (!roster) return;
      roster->CalculateAndView();
      roster->MSFlexGrid_MouseDown(1, roster::kColEmail);
    }
    Roster* roster = nullptr;
  } ui;
  Roster r(ui);
  r.SetupGrid();
  for (int i = 1; i <= 5; ++i) r.AddParticipant("", "P" + std::to_string(i), "", "", true);
  ui.roster = &r;
  EXPECT_TRUE(r.CalculateDrawing());
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Calculating...", "Calculating ...", "Ready"}));
  EXPECT_EQ(r.EditRow, 0);  // the press was not handled
  EXPECT_FALSE(r.DrawingInProgress());
}

TEST(WaitCursor, RestoresWhatWasThereBefore) {
  testing_support::FakeUi ui;
  ui.SetMousePointer(roster::kPointerHourglass);
  {
    roster::CWaitCursor outer(ui);
    outer.SetCursor(3);
    EXPECT_EQ(ui.MousePointer(), 3);
  }
  EXPECT_EQ(ui.MousePointer(), roster::kPointerHourglass);
  roster::CWaitCursor w(ui);
  w.SetCursor(0x10000 + 11);  // the screen takes a 16-bit value
  EXPECT_EQ(ui.MousePointer(), 11);
  ui.SetMousePointer(0);
  w.Restore();
  EXPECT_EQ(ui.MousePointer(), roster::kPointerHourglass);
}

}  // namespace
