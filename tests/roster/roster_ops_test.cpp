#include <gtest/gtest.h>

#include <set>

#include "roster/roster_fixture.h"

namespace {

using testing_support::Strings;

class RosterTest : public testing_support::RosterFixture {
 protected:
  void Remove(int row) {
    roster_.grid().SetRow(row);
    roster_.EditRow = row;
    roster_.RemoveParticipant();
  }
};

TEST_F(RosterTest, GridLayoutHeadersAndWidthsComeFromTheFormatString) {
  const auto& g = roster_.grid();
  EXPECT_EQ(g.Rows(), 2);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  Strings headers;
  for (int c = 0; c < g.Cols(); ++c) headers.push_back(g.TextMatrix(0, c));
  EXPECT_EQ(headers, (Strings{"#", "Exclusion #", "Participant Name", "Email Address",
                              "Secret Santa For", "Notes"}));
  EXPECT_EQ(g.ColWidthChars(2), 32);  // "|<" are not part of the width
  EXPECT_EQ(g.ColAlignment(5), '<');
}

TEST_F(RosterTest, AddingReusesThePlaceholderThenAppendsWithColours) {
  Add("Ann");
  EXPECT_EQ(roster_.grid().Rows(), 2);
  Add("Ann");  // duplicates are the caller's business
  EXPECT_EQ(Column(0), (Strings{"1", "2"}));
  EXPECT_EQ(Column(2), (Strings{"Ann", "Ann"}));
  EXPECT_EQ(roster_.NextParticipantNumber, 3);
  const auto& g = roster_.grid();
  EXPECT_EQ(g.CellAt(2, 1).fore, roster::kRed);
  EXPECT_EQ(g.CellAt(2, 2).fore, roster::kBlue);
  EXPECT_EQ(g.CellAt(2, 3).fore, roster::kBlue);
  EXPECT_EQ(g.CellAt(2, 4).fore, roster::kHiddenColor);
  EXPECT_EQ(g.CellAt(2, 4).back, roster::kHiddenColor);
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
  Add("D", "1,2,3,5");
  Add("E", "1,3");
  Remove(2);
  EXPECT_EQ(Column(0), (Strings{"1", "2", "3", "4"}));
  EXPECT_EQ(Column(2), (Strings{"A", "C", "D", "E"}));
  // 2 goes from every list and the numbers above it move down; a list of only 2 empties.
  EXPECT_EQ(Column(1), (Strings{"3", "", "1,2,4", "1,2"}));
  EXPECT_EQ(roster_.NextParticipantNumber, 5);
  Remove(1);  // the first
  EXPECT_EQ(Column(1), (Strings{"", "1,3", "1"}));
  Remove(3);  // and the last
  EXPECT_EQ(Column(2), (Strings{"C", "D"}));
  EXPECT_EQ(Column(1), (Strings{"", "1"}));
  Add("F");
  EXPECT_EQ(Column(0), (Strings{"1", "2", "3"}));
}

TEST_F(RosterTest, ReOrderRenumbersAfterRowsMoved) {
  for (const char* n : {"A", "B", "C", "D"}) Add(n);
  // As if row 2 had been removed by hand: numbers 1,3,4 and a list naming 4.
  roster_.grid().RemoveItem(2);
  roster_.grid().SetTextMatrix(1, 1, "3,4");
  roster_.grid().SetTextMatrix(3, 1, "1,3");
  roster_.ReOrderParticipants();
  EXPECT_EQ(Column(0), (Strings{"1", "2", "3"}));
  EXPECT_EQ(Column(1), (Strings{"2,3", "", "1,2"}));
}

TEST_F(RosterTest, ClearListLeavesANumberedEmptyPlaceholder) {
  Add("A", "2");
  Add("B");
  roster_.ClearList();
  EXPECT_EQ(roster_.grid().Rows(), 2);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell(1, c), c == 0 ? "1" : "") << c;
  EXPECT_EQ(roster_.NextParticipantNumber, 1);
  EXPECT_EQ(Count(), 0);
  Add("C");
  EXPECT_EQ(Column(0), Strings{"1"});
}

TEST_F(RosterTest, CommandStatesFollowTheRoster) {
  // Empty roster: only the add commands among the roster-dependent ones.
  for (const char* on : {"mnuManualAddition", "PAB", "mnuReSendList", "mnuNew", "mnuOpen"})
    EXPECT_TRUE(On(on)) << on;
  EXPECT_FALSE(On("mnuSave"));
  EXPECT_FALSE(On("CALCVIEW"));

  Add("A");
  EXPECT_TRUE(On("mnuSave") && On("CLR"));
  EXPECT_FALSE(On("mnuCalculateSend"));
  Add("B");
  Add("C");
  roster_.UpdateButtonEnables(true);  // the roster is full
  EXPECT_FALSE(On("mnuManualAddition") || On("mnuAddressBook"));
  for (const char* on :
       {"mnuSave", "mnuClearExclusions", "mnuCalculateView", "CALCSEND", "mnuSendMessage"})
    EXPECT_TRUE(On(on)) << on;
  for (const char* off : {"mnuEditParticipant", "DEL", "SETGRP", "mnuClearSelected"})
    EXPECT_FALSE(On(off)) << off;
}

// The captions, images and tool tips of the mode are checked through the window.
TEST_F(RosterTest, ReSendModeEnablesOnlyTheArchiveCommands) {
  for (const char* n : {"A", "B", "C"}) Add(n);
  roster_.ReSendMode = true;
  roster_.UpdateButtonEnables(false);
  static const std::set<std::string> kNeverDisabled = {"mnuFile",
                                                       "mnuNew",
                                                       "mnuOpen",
                                                       "mnuSep1",
                                                       "mnuExit",
                                                       "mnuEdit",
                                                       "mnuAddParticipants",
                                                       "mnuSep2",
                                                       "mnuTools",
                                                       "mnuViewDrawingLog",
                                                       "mnuSetup",
                                                       "mnuDrawingOptions",
                                                       "mnuHelp",
                                                       "mnuDemos",
                                                       "mnuDemoSetup",
                                                       "mnuDemoGettingStarted",
                                                       "mnuDemoReSending",
                                                       "mnuDemoViewHistory",
                                                       "mnuWebSite",
                                                       "mnuHLMRFAQ",
                                                       "mnuHLMRSupport",
                                                       "mnuCheckNewVersion",
                                                       "mnuAbout",
                                                       "NEW",
                                                       "OPEN"};
  std::set<std::string> enabled;
  for (const auto& [name, state] : roster_.commands().All())
    if (state.enabled && !kNeverDisabled.count(name)) enabled.insert(name);
  // Besides drawing and re-sending, an open archive can be amended or printed as slips.
  EXPECT_EQ(enabled,
            (std::set<std::string>{"CALCSEND", "CALCVIEW", "mnuAddLateParticipant", "mnuPrintSlips",
                                   "mnuReSendList", "mnuRemoveFromDrawing"}));
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
  EXPECT_EQ(Cell(1, 1), "2");    // old 3 -> 2; old 1 dropped
  EXPECT_EQ(Cell(2, 1), "1,3");  // old 2,4
  EXPECT_EQ(Cell(n - 1, 1), std::to_string(n - 2));
  for (int r = 1; r < n; ++r) ASSERT_EQ(Cell(r, 0), std::to_string(r));
}

}  // namespace
