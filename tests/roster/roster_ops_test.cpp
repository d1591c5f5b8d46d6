#include <gtest/gtest.h>

#include <set>

#include "roster/roster.h"
#include "support/fake_ui.h"

namespace {

using roster::Roster;

class RosterTest : public ::testing::Test {
 protected:
  RosterTest() : roster_(ui_) {
    roster_.SetupGrid();
    roster_.UpdateButtonEnables(false);
  }
  void Add(const std::string& name, const std::string& excl = "") {
    roster_.AddParticipant(excl, name, name + "@example.org", "notes of " + name, true);
  }
  const std::string& Cell(int row, int col) { return roster_.grid().TextMatrix(row, col); }
  void Remove(int row) {
    roster_.grid().SetRow(row);
    roster_.EditRow = row;
    roster_.RemoveParticipant();
  }
  bool On(const char* name) { return roster_.commands().Enabled(name); }

  testing_support::FakeUi ui_;
  Roster roster_;
};

TEST_F(RosterTest, GridLayoutHeadersAndWidthsComeFromTheFormatString) {
  const auto& g = roster_.grid();
  EXPECT_EQ(g.Rows(), 2);
  EXPECT_EQ(g.Cols(), 6);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.TextMatrix(0, 0), "#");
  EXPECT_EQ(g.TextMatrix(0, 1), "Exclusion #");
  EXPECT_EQ(g.TextMatrix(0, 2), "Participant Name");
  EXPECT_EQ(g.TextMatrix(0, 3), "Email Address");
  EXPECT_EQ(g.TextMatrix(0, 4), "Secret Santa For");
  EXPECT_EQ(g.TextMatrix(0, 5), "Notes");
  EXPECT_EQ(std::string(roster::kGridFormat).size(), 22u + 34 + 36 + 37 + 89);
  EXPECT_EQ(g.ColWidthChars(0), 8);
  EXPECT_EQ(g.ColWidthChars(2), 32);  // "|<" are not part of the width
  EXPECT_EQ(g.ColAlignment(5), '<');
}

TEST_F(RosterTest, AddingReusesThePlaceholderThenAppendsWithColours) {
  Add("Ann");
  EXPECT_EQ(roster_.grid().Rows(), 2);
  EXPECT_EQ(Cell(1, 0), "1");
  Add("Ann");  // duplicates are the caller's business
  EXPECT_EQ(roster_.grid().Rows(), 3);
  EXPECT_EQ(Cell(2, 0), "2");
  EXPECT_EQ(Cell(2, 2), "Ann");
  EXPECT_EQ(roster_.NextParticipantNumber, 3);
  const auto& g = roster_.grid();
  EXPECT_EQ(g.CellAt(2, 1).fore, roster::kRed);
  EXPECT_EQ(g.CellAt(2, 2).fore, roster::kBlue);
  EXPECT_EQ(g.CellAt(2, 3).fore, roster::kBlue);
  EXPECT_EQ(g.CellAt(2, 4).fore, roster::kHiddenColor);
  EXPECT_EQ(g.CellAt(2, 4).back, roster::kHiddenColor);
  EXPECT_EQ(g.CellAt(2, 4).text, "");
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 2);  // the command update reads the name column
  roster_.AddParticipant("", "Bo", "bo@example.org", "", false);
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(g.Col(), 5);
}

TEST_F(RosterTest, RemovingRenumbersAndRewritesExclusionLists) {
  Add("A", "2,4");
  Add("B", "1");
  Add("C", "2");
  Add("D", "1,2,3");
  Remove(2);
  ASSERT_EQ(roster_.grid().Rows(), 4);
  EXPECT_EQ(Cell(1, 0), "1");
  EXPECT_EQ(Cell(2, 0), "2");
  EXPECT_EQ(Cell(3, 0), "3");
  EXPECT_EQ(Cell(1, 2), "A");
  EXPECT_EQ(Cell(2, 2), "C");
  EXPECT_EQ(Cell(3, 2), "D");
  EXPECT_EQ(Cell(1, 1), "3");    // 2,4 lost 2 and 4 became 3
  EXPECT_EQ(Cell(2, 1), "");     // held only 2
  EXPECT_EQ(Cell(3, 1), "1,2");  // 1,2,3 lost 2 and 3 became 2
  EXPECT_EQ(roster_.NextParticipantNumber, 4);
  Add("E");
  EXPECT_EQ(Cell(4, 0), "4");
}

TEST_F(RosterTest, RemovingTheFirstAndLastParticipant) {
  for (const char* n : {"A", "B", "C", "D", "E"}) Add(n);
  roster_.grid().SetTextMatrix(5, 1, "1,3");
  roster_.grid().SetTextMatrix(3, 1, "5");
  Remove(1);
  EXPECT_EQ(Cell(4, 1), "2");  // E: 1 gone, 3 -> 2
  EXPECT_EQ(Cell(2, 1), "4");  // C: 5 -> 4
  Remove(4);
  EXPECT_EQ(roster_.grid().Rows(), 4);
  EXPECT_EQ(Cell(2, 1), "");
  EXPECT_EQ(Cell(3, 2), "D");
}

TEST_F(RosterTest, ReOrderRenumbersAfterRowsMoved) {
  for (const char* n : {"A", "B", "C", "D"}) Add(n);
  // As if row 2 had been removed by hand: numbers 1,3,4 and a list naming 4.
  roster_.grid().RemoveItem(2);
  roster_.grid().SetTextMatrix(1, 1, "3,4");
  roster_.grid().SetTextMatrix(3, 1, "1,3");
  roster_.ReOrderParticipants();
  EXPECT_EQ(Cell(2, 0), "2");
  EXPECT_EQ(Cell(3, 0), "3");
  EXPECT_EQ(Cell(1, 1), "2,3");
  EXPECT_EQ(Cell(3, 1), "1,2");
}

TEST_F(RosterTest, ClearListLeavesANumberedEmptyPlaceholder) {
  Add("A", "2");
  Add("B");
  roster_.ClearList();
  EXPECT_EQ(roster_.grid().Rows(), 2);
  EXPECT_EQ(Cell(1, 0), "1");
  for (int c = 1; c < 6; ++c) EXPECT_EQ(Cell(1, c), "") << c;
  EXPECT_EQ(roster_.NextParticipantNumber, 1);
  EXPECT_EQ(roster_.ParticipantCount(), 0);
  Add("C");
  EXPECT_EQ(Cell(1, 0), "1");
  EXPECT_EQ(roster_.grid().Rows(), 2);
}

TEST_F(RosterTest, CommandStatesFollowTheRoster) {
  // Empty roster: only the add commands among the roster-dependent ones.
  EXPECT_TRUE(On("mnuManualAddition"));
  EXPECT_TRUE(On("PAB"));
  EXPECT_FALSE(On("mnuSave"));
  EXPECT_FALSE(On("CALCVIEW"));
  EXPECT_TRUE(On("mnuReSendList"));
  EXPECT_TRUE(On("mnuNew"));
  EXPECT_TRUE(On("mnuOpen"));
  EXPECT_TRUE(On("mnuSetup"));

  Add("A");
  EXPECT_TRUE(On("mnuSave"));
  EXPECT_TRUE(On("CLR"));
  EXPECT_FALSE(On("mnuCalculateSend"));
  Add("B");
  Add("C");
  roster_.UpdateButtonEnables(true);
  EXPECT_FALSE(On("mnuManualAddition"));
  EXPECT_FALSE(On("mnuAddressBook"));
  EXPECT_TRUE(On("mnuSave"));
  EXPECT_TRUE(On("mnuClearExclusions"));
  EXPECT_TRUE(On("mnuCalculateView"));
  EXPECT_TRUE(On("CALCSEND"));
  EXPECT_TRUE(On("mnuSendMessage"));
  for (const char* never : {"mnuEditParticipant", "DEL", "SETGRP", "mnuClearSelected"})
    EXPECT_FALSE(On(never)) << never;
  EXPECT_EQ(roster_.commands().ToolTip("CALCVIEW"), "Calculate && View");
  EXPECT_EQ(roster_.commands().Image("CALCSEND"), 12);
}

TEST_F(RosterTest, ReSendModeEnablesExactlyThreeCommands) {
  for (const char* n : {"A", "B", "C"}) Add(n);
  roster_.ReSendMode = true;
  roster_.UpdateButtonEnables(false);
  int enabled_roster_commands = 0;
  for (const auto& [name, state] : roster_.commands().All()) {
    static const std::set<std::string> kNeverDisabled = {
        "mnuFile", "mnuNew", "mnuOpen", "mnuSep1", "mnuExit", "mnuEdit", "mnuAddParticipants",
        "mnuSep2", "mnuTools", "mnuViewDrawingLog", "mnuSetup", "mnuHelp", "mnuDemos",
        "mnuDemoSetup", "mnuDemoGettingStarted", "mnuDemoReSending", "mnuDemoViewHistory",
        "mnuWebSite", "mnuHLMRFAQ", "mnuHLMRSupport", "mnuCheckNewVersion", "mnuAbout",
        "NEW", "OPEN"};
    if (state.enabled && !kNeverDisabled.count(name)) {
      ++enabled_roster_commands;
      EXPECT_TRUE(name == "CALCVIEW" || name == "CALCSEND" || name == "mnuReSendList") << name;
    }
  }
  EXPECT_EQ(enabled_roster_commands, 3);
  EXPECT_EQ(roster_.commands().ToolTip("CALCVIEW"), "Cancel Re-Send");
  EXPECT_EQ(roster_.commands().Image("CALCVIEW"), 13);
  EXPECT_EQ(roster_.commands().ToolTip("CALCSEND"), "Re-Send...");
  EXPECT_EQ(roster_.commands().Image("CALCSEND"), 14);
  EXPECT_EQ(roster_.commands().Caption("mnuReSendList"), "Cancel Re-Send");
  EXPECT_EQ(roster_.grid().ToolTipText(), "Single click Participant Name to select for Re-Send");

  roster_.ReSendMode = false;
  roster_.UpdateButtonEnables(false);
  EXPECT_EQ(roster_.commands().Caption("mnuReSendList"), "Re-Send Previous Drawing...");
  EXPECT_EQ(roster_.commands().Image("CALCVIEW"), 11);
  EXPECT_EQ(roster_.grid().ToolTipText(), "");
}

TEST_F(RosterTest, LargeRosterRemovalKeepsListsConsistent) {
  const int n = 3000;
  for (int i = 1; i <= n; ++i) {
    std::string excl = i > 1 ? std::to_string(i - 1) : "";
    if (i < n) excl += (excl.empty() ? "" : ",") + std::to_string(i + 1);
    roster_.AddParticipant(excl, "P" + std::to_string(i), "p@x.org", "", false);
  }
  Remove(1);
  ASSERT_EQ(roster_.grid().Rows(), n);
  EXPECT_EQ(Cell(1, 1), "2");              // old 3 -> 2; old 1 dropped
  EXPECT_EQ(Cell(2, 1), "1,3");            // old 2,4
  EXPECT_EQ(Cell(n - 1, 1), std::to_string(n - 2));
  for (int r = 1; r < n; ++r) ASSERT_EQ(Cell(r, 0), std::to_string(r));
}

}  // namespace
