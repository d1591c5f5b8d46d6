#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <set>

#include "support/qt_helpers.h"
#include "ui/desktop_conventions.h"
#include "ui/grid_model.h"

namespace {

using roster::mb::kNo;

class MainWindowTest : public testing_support::WindowTest {
 protected:
  void AddByHand(const std::vector<std::array<const char*, 3>>& people) {
    testing_support::AddByHand(window_, people);
  }
};

TEST_F(MainWindowTest, MenusAndToolbarCarryTheirCaptionsAndKeys) {
  EXPECT_EQ(window_.objectName(), "frmMain");
  EXPECT_EQ(window_.windowTitle(), "Hollymoor[*]");
  EXPECT_EQ(Status(), "Ready");
  const std::pair<const char*, const char*> items[] = {
      {"mnuNew", "Ne&w List"},
      {"mnuOpen", "&Open List..."},
      {"mnuExit", "E&xit"},
      {"mnuAddressBook", "Using Address Book..."},
      {"mnuDeleteParticipant", "Delete Participant..."},
      {"mnuCalculateView", "Calculate && View"},
      {"mnuCalculateSend", "Calculate && Send ..."},
      {"mnuReSendList", "Re-Send Previous Drawing..."},
      {"mnuViewDrawingLog", "View Previous Drawing's Information"},
      {"mnuDemoViewHistory", "Viewing HTML history File"},
      {"mnuHLMRFAQ", "WebSite FAQ..."},
      {"mnuCheckNewVersion", "&Check For Updated Version"},
      {"mnuAbout", "&About..."},
  };
  for (const auto& [name, caption] : items) {
    QAction* a = Action(name);
    ASSERT_NE(a, nullptr) << name;
    // Items without a documented access key get one; the words stay the same.
    EXPECT_EQ(a->text(), ui::InsertAccessKey(caption, ui::AccessKeyOf(a->text()))) << name;
  }
  for (const char* menu :
       {"mnuFile", "mnuEdit", "mnuAddParticipants", "mnuTools", "mnuHelp", "mnuDemos"})
    EXPECT_NE(window_.findChild<QMenu*>(menu), nullptr) << menu;
  EXPECT_EQ(window_.findChild<QMenu*>("mnuDemos")->actions().size(), 4);
  // New, Open, Open Recent, Save, Save As, a separator and Exit.
  EXPECT_EQ(window_.findChild<QMenu*>("mnuFile")->actions().size(), 7);

  auto* toolbar = window_.findChild<QToolBar*>("Toolbar");
  ASSERT_NE(toolbar, nullptr);
  QStringList keys;
  for (QAction* a : toolbar->actions()) keys << (a->isSeparator() ? "|" : a->objectName());
  EXPECT_EQ(keys.join(",").toStdString(),
            "NEW,OPEN,SAVE,|,PAB,ADD,DEL,EDIT,|,SETIND,SETGRP,CLR,|,CALCVIEW,CALCSEND");
  EXPECT_EQ(Action("DEL")->toolTip(), "Delete participant ");
  EXPECT_EQ(Action("PAB")->toolTip(), "Add participants from address book");
  for (QAction* a : toolbar->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
    }
  }
}

TEST_F(MainWindowTest, ParticipantsAreTypedInEditedAndDeletedThroughTheirDialogs) {
  AddByHand({{"Ann", "ann@example.org", "socks \"wool\""},
             {"", "x@y.org", ""},
             {"Bob", "b@x.org", ""},  // one character before "@"
             {"Bob", "bob@example.org", ""},
             {"Bob", "bob@example.org", ""}});
  ASSERT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[0].text,
            "Invalid User Name Entry:\nUser Name can not contain any of these characters [\"]");
  EXPECT_EQ(boxes_.boxes[1].text, "Invalid Email Address Entry");
  EXPECT_EQ(roster().ParticipantCount(), 3);
  EXPECT_EQ(Cell(1, 5), "socks \"wool\"");  // manual entry keeps quotes in notes
  window_.Model()->Flush();
  EXPECT_EQ(window_.Model()->rowCount(), 3);

  // A double click edits, except on the name column.
  int opened = 0;
  ui::SetModalHandler([&](QDialog& d) {
    ++opened;
    EXPECT_EQ(d.objectName(), "frmEdit");
    EXPECT_EQ(d.windowTitle(), "Edit Selected Participant");
    EXPECT_EQ(d.findChild<QLineEdit*>("txtName")->text(), "Bob");
    d.findChild<QLineEdit*>("txtName")->setText("Robert");
    d.findChild<QLineEdit*>("txtNotes")->setText("a \"big\" book");
    d.findChild<QPushButton*>("cmdSave")->click();
    return d.result();
  });
  window_.MSFlexGrid_DblClick(2, roster::kColName);
  EXPECT_EQ(opened, 0);
  window_.MSFlexGrid_DblClick(2, roster::kColNotes);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(Cell(2, 2), "Robert");
  EXPECT_EQ(Cell(2, 5), "a big book");  // the edit dialog strips quotes from notes

  // Delete asks first and obeys the answer; the last one clears the roster.
  boxes_.boxes.clear();
  window_.MSFlexGrid_MouseDown(2, roster::kColEmail);
  EXPECT_TRUE(Action("DEL")->isEnabled());
  boxes_.QueueAnswer(kNo);
  Action("DEL")->trigger();
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, "Delete Participant Robert");
  EXPECT_EQ(boxes_.boxes[0].style, 36);
  EXPECT_EQ(roster().ParticipantCount(), 3);
  Action("mnuDeleteParticipant")->trigger();  // answered Yes
  EXPECT_EQ(roster().ParticipantCount(), 2);
  EXPECT_EQ(Cell(2, 2), "Bob");
  for (int i = 0; i < 2; ++i) {
    window_.MSFlexGrid_MouseDown(1, roster::kColNotes);
    Action("mnuDeleteParticipant")->trigger();
  }
  EXPECT_EQ(roster().grid().Rows(), 2);
  EXPECT_EQ(Cell(1, 0), "1");
  EXPECT_EQ(Cell(1, 2), "");
}

// The errand tests reach the exclusion commands through the menu; here the toolbar keys, the
// enabling that follows the presses, and Calculate & View with a new list after it.
TEST_F(MainWindowTest, ToolbarKeysReachTheExclusionsTheDrawingAndNewList) {
  for (const char* name : {"Ann", "Bob", "Cy", "Di", "Ed"})
    roster().AddParticipant("", name, "x@example.org", "", true);
  EXPECT_FALSE(Action("SETGRP")->isEnabled());
  window_.MSFlexGrid_MouseDown(1, roster::kColName);
  window_.MSFlexGrid_MouseDown(3, roster::kColName);
  EXPECT_TRUE(Action("SETGRP")->isEnabled());
  window_.Toolbar_ButtonClick("SETGRP");
  window_.Toolbar_ButtonClick("NOPE");  // an unknown key does nothing
  EXPECT_EQ(Cell(1, 1), "3");
  EXPECT_EQ(Cell(3, 1), "1");
  Action("mnuClearExclusions")->trigger();
  EXPECT_EQ(Cell(1, 1), "");

  roster().grid().SetTextMatrix(2, 1, "1,3");
  window_.Toolbar_ButtonClick("CALCVIEW");
  std::set<std::string> names;
  for (int r = 1; r <= 5; ++r) {
    EXPECT_NE(Cell(r, 4), Cell(r, 2));
    names.insert(Cell(r, 4));
  }
  EXPECT_EQ(names, (std::set<std::string>{"Ann", "Bob", "Cy", "Di", "Ed"}));
  EXPECT_NE(Cell(2, 4), "Ann");
  EXPECT_NE(Cell(2, 4), "Cy");
  EXPECT_EQ(Status(), "Ready");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the hourglass is gone again
  EXPECT_TRUE(boxes_.boxes.empty());

  Action("NEW")->trigger();
  EXPECT_EQ(roster().ParticipantCount(), 0);
  EXPECT_FALSE(Action("mnuSave")->isEnabled());
  EXPECT_TRUE(Action("mnuManualAddition")->isEnabled());
}

TEST_F(MainWindowTest, ClosingAnUnchangedWindowRunsShutdownSteps) {
  auto* view = window_.findChild<QTableView*>("MSFlexGrid");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal).toString(), "Participant Name");
  bool shut_down = false;
  window_.AddShutdownStep([&] { shut_down = true; });
  window_.close();
  EXPECT_TRUE(shut_down);
  EXPECT_EQ(Status(), "Exiting...");
  EXPECT_TRUE(boxes_.boxes.empty());
}

}  // namespace
