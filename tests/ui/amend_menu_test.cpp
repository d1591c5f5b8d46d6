// Tools menu: changing a sent drawing and printing its slips through the window.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <filesystem>

#include "support/qt_helpers.h"
#include "ui/qt_ui.h"

namespace {

namespace fs = std::filesystem;

class AmendMenuTest : public testing_support::WindowTest {
 protected:
  AmendMenuTest() {
    fs::create_directories(dir_.path() / "History");
    archive_ = dir_.path() / "History" / "20261205-1807.hmr";
    // Ann -> Bo -> Cy -> Dee -> Ann.
    testing_support::WriteAll(archive_,
                              "\"\",\"Ann\",\"a@x\",\"Bo\",\"\"\r\n"
                              "\"\",\"Bo\",\"b@x\",\"Cy\",\"tea\"\r\n"
                              "\"\",\"Cy\",\"c@x\",\"Dee\",\"\"\r\n"
                              "\"\",\"Dee\",\"d@x\",\"Ann\",\"\"\r\n");
  }
  // File dialogs take the queued paths in turn; the name dialogs get `typed` and OK.
  void Answer(std::deque<fs::path> files, std::string typed) {
    ui::SetModalHandler([files, typed](QDialog& d) mutable {
      if (auto* fd = qobject_cast<QFileDialog*>(&d)) {
        fd->selectFile(QString::fromStdString(files.front().string()));
        files.pop_front();
        fd->QDialog::done(QDialog::Accepted);
        return fd->result();
      }
      const auto edits = d.findChildren<QLineEdit*>();
      edits.front()->setText(QString::fromStdString(typed));
      // A joiner needs an address a list file can hold.
      if (edits.size() > 1) edits[1]->setText(QString::fromStdString(typed) + "@example.org");
      d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      return d.result();
    });
  }
  fs::path archive_;
};

TEST_F(AmendMenuTest, ADropOutIsArchivedAndOnlyTheChangedGiverIsMarkedForReSend) {
  EXPECT_EQ(Action("mnuRemoveFromDrawing")->text().remove(QChar('&')),
            "Remove Participant from Drawing...");
  Answer({archive_}, "Bo");
  Action("mnuRemoveFromDrawing")->trigger();
  EXPECT_TRUE(fs::exists(dir_.path() / "History" / "20261205-1807-v2.hmr"));
  EXPECT_TRUE(roster().ReSendMode);
  ASSERT_EQ(roster().ParticipantCount(), 3);
  EXPECT_EQ(Cell(1, 2), "Ann");
  EXPECT_TRUE(roster().IsMarked(1));  // Ann now gives to Cy
  EXPECT_FALSE(roster().IsMarked(2));
  EXPECT_FALSE(roster().IsMarked(3));
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_NE(boxes_.boxes[0].text.find("(Ann)"), std::string::npos) << boxes_.boxes[0].text;

  // Nobody of that name: a message, and nothing changes.
  Answer({archive_}, "Zed");
  Action("mnuRemoveFromDrawing")->trigger();
  EXPECT_FALSE(fs::exists(dir_.path() / "History" / "20261205-1807-v3.hmr"));
  EXPECT_EQ(boxes_.boxes.back().text, "Nobody named Zed takes part in this drawing.");
}

TEST_F(AmendMenuTest, ALateJoinerMarksTheirGiverAndThemselves) {
  EXPECT_EQ(Action("mnuAddLateParticipant")->text().remove(QChar('&')), "Add Late Participant...");
  Answer({archive_}, "Eve");
  Action("mnuAddLateParticipant")->trigger();
  ASSERT_TRUE(fs::exists(dir_.path() / "History" / "20261205-1807-v2.hmr"));
  ASSERT_EQ(roster().ParticipantCount(), 5);
  EXPECT_EQ(Cell(5, 2), "Eve");
  int marked = 0;
  for (int r = 1; r <= 5; ++r) marked += roster().IsMarked(r);
  EXPECT_EQ(marked, 2);
  EXPECT_TRUE(roster().IsMarked(5));
}

}  // namespace
