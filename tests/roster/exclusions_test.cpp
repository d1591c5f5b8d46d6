#include <gtest/gtest.h>

#include "roster/roster_fixture.h"

namespace {

using Lists = testing_support::Strings;

class ExclusionsTest : public testing_support::RosterFixture {
 protected:
  Lists AllLists() { return Column(roster::kColExclusions); }
  // How many of Clear Selected and the two Set commands (menu and toolbar) are enabled.
  int SelectionCommands() {
    int n = 0;
    for (const char* c : {"mnuClearSelected", "mnuSetGroupExclusion", "SETGRP",
                          "mnuSetIndividualExclusion", "SETIND"})
      n += On(c);
    return n;
  }
  int Marked() { return roster_.CountSelected(); }
};

TEST_F(ExclusionsTest, AMarkIsTheNameCellColourAndTogglesBack) {
  Fill(4);
  Press({3});
  const roster::Cell& cell = roster_.grid().CellAt(3, roster::kColName);
  EXPECT_EQ(cell.back, 255u);
  EXPECT_EQ(cell.fore, 0xFFFFFFu);
  EXPECT_EQ(SelectionCommands(), 0);  // one mark is not a group
  Press({1});
  EXPECT_EQ(SelectionCommands(), 5);
  Press({1});  // unmark: one left, commands off again
  EXPECT_EQ(roster_.grid().CellAt(1, roster::kColName).back, 0u);
  EXPECT_EQ(roster_.grid().CellAt(1, roster::kColName).fore, 0xFF0000u);
  EXPECT_EQ(Marked(), 1);
  EXPECT_EQ(SelectionCommands(), 0);
}

TEST_F(ExclusionsTest, GroupExclusionIsMutualExtendsWithoutDuplicatesAndClearsMarks) {
  Fill(5);
  Press({1, 3, 4});
  roster_.SetGroupExclusion();
  EXPECT_EQ(AllLists(), (Lists{"3,4", "", "1,4", "1,3", ""}));
  EXPECT_EQ(Marked(), 0);
  EXPECT_EQ(SelectionCommands(), 0);

  Press({1, 3, 4});
  roster_.SetGroupExclusion();  // the same group again changes nothing
  EXPECT_EQ(AllLists(), (Lists{"3,4", "", "1,4", "1,3", ""}));

  Press({4, 2, 1, 3});
  roster_.SetGroupExclusion();
  EXPECT_EQ(AllLists(), (Lists{"2,3,4", "1,3,4", "1,2,4", "1,2,3", ""}));
}

TEST_F(ExclusionsTest, IndividualExclusionChangesOnlyThePressedRowAndKeepsMarks) {
  Fill(5);
  roster_.grid().SetTextMatrix(2, roster::kColExclusions, "4");
  Press({2, 5});
  roster_.SetIndividualExclusion();
  EXPECT_EQ(AllLists(), (Lists{"", "4", "", "", "2"}));
  EXPECT_EQ(Marked(), 2);
  EXPECT_EQ(SelectionCommands(), 5);
  Press({3});  // another participant, excluded against the same marks
  roster_.SetIndividualExclusion();
  EXPECT_EQ(AllLists(), (Lists{"", "4", "2,5", "", "2"}));
}

TEST_F(ExclusionsTest, NamesMarkOnlyFromFourParticipantsOtherPressesClearMarks) {
  Fill(3);
  Press({2});
  EXPECT_EQ(Marked(), 0);
  EXPECT_TRUE(On("mnuEditParticipant") && On("DEL"));
  EXPECT_EQ(roster_.EditRow, 2);

  roster_.AddParticipant("", "P4", "", "", true);
  EXPECT_FALSE(On("EDIT"));  // the roster update disables them until the next press
  Press({2, 4});
  EXPECT_EQ(Marked(), 2);
  roster_.MSFlexGrid_MouseDown(3, roster::kColEmail);  // marks go, Edit and Delete come
  EXPECT_EQ(Marked(), 0);
  EXPECT_EQ(SelectionCommands(), 0);
  EXPECT_TRUE(On("mnuEditParticipant") && On("EDIT") && On("mnuDeleteParticipant") && On("DEL"));
  EXPECT_EQ(roster_.EditRow, 3);

  Press({1, 2});
  roster_.commands().SetEnabled("mnuCalculateView", false);
  Press({3});  // no marking while Calculate & View is disabled
  EXPECT_EQ(Marked(), 0);
}

TEST_F(ExclusionsTest, ClearCommandsKeepTheCurrentCell) {
  Fill(4);
  Press({1, 2});
  roster_.SetGroupExclusion();
  Press({3, 4});
  roster_.ClearSelected();
  EXPECT_EQ(Marked(), 0);
  EXPECT_EQ(AllLists(), (Lists{"2", "1", "", ""}));
  Press({3, 4});
  roster_.grid().SetRow(2);
  roster_.grid().SetCol(5);
  roster_.ClearExclusions();
  EXPECT_EQ(roster_.grid().Row(), 2);
  EXPECT_EQ(roster_.grid().Col(), 5);
  EXPECT_EQ(Marked(), 0);
  EXPECT_EQ(AllLists(), (Lists{"", "", "", ""}));
  EXPECT_EQ(SelectionCommands(), 0);
}

TEST_F(ExclusionsTest, ReSendModeTogglesAtAnySizeAndLeavesMarksOnOtherPresses) {
  Fill(2);
  roster_.ReSendMode = true;
  roster_.UpdateButtonEnables(false);
  Press({1, 2});
  EXPECT_EQ(Marked(), 2);
  roster_.MSFlexGrid_MouseDown(1, 3);
  EXPECT_EQ(Marked(), 2);
  EXPECT_TRUE(On("EDIT"));
  EXPECT_FALSE(On("DEL"));
  Press({2});
  EXPECT_EQ(Marked(), 1);
  EXPECT_EQ(SelectionCommands(), 0);
}

TEST_F(ExclusionsTest, MergeKeepsRowOrderDropsOwnAndUnknownNumbers) {
  Fill(6);
  roster_.grid().SetRow(3);
  roster_.grid().SetCol(4);
  EXPECT_EQ(roster_.MergeExclusionList("6,2,9", ",3,1,2,"), "1,2,6");
  EXPECT_EQ(roster_.MergeExclusionList("", ",4,"), "4");
  EXPECT_EQ(roster_.MergeExclusionList("", ",3,"), "");
  EXPECT_EQ(roster_.MergeExclusionList("x,02,5", ",,"), "5");  // only whole row numbers count
  EXPECT_EQ(roster_.grid().Row(), 3);
  EXPECT_EQ(roster_.grid().Col(), 4);
}

}  // namespace
