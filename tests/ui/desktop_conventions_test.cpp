// The conventions of a desktop window: the drawing shown, changes never lost without a
// question, Save and Save As, keys, the grid's context menu, recent files and drops.

#include "ui/desktop_conventions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <set>

#include "support/qt_helpers.h"
#include "ui/grid_model.h"

namespace {

namespace fs = std::filesystem;
using roster::mb::kCancel;
using roster::mb::kNo;
using roster::mb::kYes;

class DesktopConventionsTest : public testing_support::WindowTest {
 protected:
  void AddFive() {
    for (const char* name : {"Ann", "Bob", "Cy", "Di", "Ed"})
      roster().AddParticipant("", name, std::string(name) + "@example.org", "", true);
    window_.Refresh();
  }
  // Answers every file dialog with `path` (empty = Cancel), noting the name it proposed.
  void AnswerFiles(const fs::path& path) {
    ui::SetModalHandler([this, path](QDialog& d) {
      auto* fd = qobject_cast<QFileDialog*>(&d);
      if (!fd) {  // the load options: Continue as prepared
        d.findChild<QPushButton*>("cmdContinue")->click();
        return d.result();
      }
      ++file_dialogs_;
      proposed_ = fd->selectedFiles().value(0).toStdString();
      if (path.empty()) return int(QDialog::Rejected);
      fd->selectFile(QString::fromStdString(path.string()));
      fd->QDialog::done(QDialog::Accepted);
      return fd->result();
    });
  }
  QString Shown(int grid_row, int col) {
    QAbstractItemModel* m = window_.GridView()->model();
    return m->data(m->index(window_.Model()->ModelRow(grid_row), col)).toString();
  }
  void Press(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window_.GridView(), &press);
  }
  fs::path SavedList(const char* name) {
    fs::create_directories(dir_.path() / "Saved");
    const fs::path p = dir_.path() / "Saved" / name;
    testing_support::WriteAll(p,
                              "\"\",\"Ann\",\"ann@x.org\",\"\",\"\"\r\n"
                              "\"\",\"Bob\",\"bob@x.org\",\"\",\"\"\r\n");
    return p;
  }

  int file_dialogs_ = 0;
  std::string proposed_;
};

TEST_F(DesktopConventionsTest, CalculateAndViewShowsEveryReceiverAndNewListHidesTheColumn) {
  QTableView* view = window_.GridView();
  EXPECT_TRUE(view->isColumnHidden(roster::kColResult));  // nothing to show yet
  AddFive();
  window_.document().Reset(roster());  // as if just saved
  Action("mnuCalculateView")->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(view->isColumnHidden(roster::kColResult));
  std::set<QString> receivers;
  for (int r = 1; r <= 5; ++r) {
    const QString receiver = Shown(r, roster::kColResult);
    EXPECT_NE(receiver, Shown(r, roster::kColName)) << r;
    receivers.insert(receiver);
    QAbstractItemModel* m = view->model();
    const QModelIndex i = m->index(r - 1, roster::kColResult);
    EXPECT_LT(m->data(i, Qt::ForegroundRole).value<QColor>().lightness(), 8);  // black
    EXPECT_FALSE(m->data(i, Qt::BackgroundRole).isValid());  // the default background
  }
  EXPECT_EQ(receivers, (std::set<QString>{"Ann", "Bob", "Cy", "Di", "Ed"}));
  EXPECT_FALSE(window_.isWindowModified());  // a drawing is not an edit of the list

  Action("mnuNew")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(view->isColumnHidden(roster::kColResult));
}

TEST_F(DesktopConventionsTest, HiddenReceiverNumbersAreNeverShown) {
  fs::create_directories(dir_.path() / "History");
  const fs::path archived = dir_.path() / "History" / "20261205-1807.hmr";
  testing_support::WriteAll(archived,
                            "\"\",\"Ann\",\"a@x.org\",\"Bo\",\"\"\r\n"
                            "\"\",\"Bo\",\"b@x.org\",\"Ann\",\"\"\r\n");
  AnswerFiles(archived);
  Action("mnuReSendList")->trigger();
  ASSERT_TRUE(roster().ReSendMode);
  ASSERT_EQ(Cell(1, roster::kColResult), "2");  // the number is there, for the re-send
  QApplication::processEvents();
  EXPECT_TRUE(window_.GridView()->isColumnHidden(roster::kColResult));
  EXPECT_EQ(Shown(1, roster::kColResult), "");
}

TEST_F(DesktopConventionsTest, ChangesAreAskedAboutBeforeTheyCouldBeLost) {
  EXPECT_EQ(window_.windowTitle(), "Hollymoor[*]");
  EXPECT_FALSE(window_.isWindowModified());
  AddFive();
  EXPECT_TRUE(window_.isWindowModified());

  // Cancel keeps everything, for New, Open, Re-Send and closing the window alike.
  bool shut_down = false;
  window_.AddShutdownStep([&] { shut_down = true; });
  for (const char* command : {"mnuNew", "mnuOpen", "mnuReSendList"}) {
    boxes_.QueueAnswer(kCancel);
    Action(command)->trigger();
    EXPECT_EQ(roster().ParticipantCount(), 5) << command;
  }
  boxes_.QueueAnswer(kCancel);
  EXPECT_FALSE(window_.close());
  EXPECT_FALSE(shut_down);
  ASSERT_EQ(boxes_.boxes.size(), 4u);
  EXPECT_EQ(boxes_.boxes[0].text,
            "Do you want to save the changes to the participant list?\n"
            "Your changes are lost if you do not save them.");
  EXPECT_EQ(boxes_.boxes[0].style, roster::mb::kSaveDiscardCancel | roster::mb::kExclamation);
  EXPECT_EQ(file_dialogs_, 0);

  // Save writes the list first; a cancelled save dialog cancels the New as well.
  AnswerFiles({});
  boxes_.QueueAnswer(kYes);
  Action("mnuNew")->trigger();
  EXPECT_EQ(file_dialogs_, 1);
  EXPECT_EQ(roster().ParticipantCount(), 5);
  const fs::path file = dir_.path() / "Saved" / "family.hmr";
  AnswerFiles(file);
  boxes_.QueueAnswer(kYes);
  EXPECT_TRUE(window_.close());
  EXPECT_TRUE(shut_down);
  EXPECT_NE(testing_support::ReadAll(file).find("\"Ed\",\"Ed@example.org\""), std::string::npos);
}

TEST_F(DesktopConventionsTest, ReSendWithEditsAsksAndACancelledPickKeepsTheRoster) {
  AddFive();
  boxes_.QueueAnswer(kNo);  // discard
  AnswerFiles({});
  Action("mnuReSendList")->trigger();
  EXPECT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(file_dialogs_, 1);
  EXPECT_EQ(roster().ParticipantCount(), 5);  // nothing picked, nothing emptied
  EXPECT_FALSE(roster().ReSendMode);
  EXPECT_EQ(Status(), "Ready");
}

TEST_F(DesktopConventionsTest, SaveWritesTheOpenedFileAndSaveAsProposesItsName) {
  const fs::path family = SavedList("family.hmr");
  AnswerFiles(family);
  Action("mnuOpen")->trigger();
  EXPECT_EQ(window_.windowTitle(), "family.hmr[*] - Hollymoor");
  EXPECT_FALSE(window_.isWindowModified());

  roster().AddParticipant("", "Cy", "cy@x.org", "", true);
  window_.Refresh();
  EXPECT_TRUE(window_.isWindowModified());
  EXPECT_EQ(Action("mnuSave")->shortcut(), QKeySequence(QKeySequence::Save));
  const int dialogs = file_dialogs_;
  Action("mnuSave")->trigger();
  EXPECT_EQ(file_dialogs_, dialogs);  // no question for a list that has its file
  EXPECT_FALSE(window_.isWindowModified());
  EXPECT_NE(testing_support::ReadAll(family).find("\"Cy\""), std::string::npos);

  // Save As starts from the current name; a bare typed name gets the list extension.
  AnswerFiles(dir_.path() / "Saved" / "cousins");
  Action("mnuSaveAs")->trigger();
  EXPECT_EQ(fs::path(proposed_).filename(), "family.hmr");
  EXPECT_TRUE(fs::exists(dir_.path() / "Saved" / "cousins.hmr"));
  EXPECT_FALSE(fs::exists(dir_.path() / "Saved" / "cousins"));
  EXPECT_EQ(window_.windowTitle(), "cousins.hmr[*] - Hollymoor");
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(DesktopConventionsTest, MenusHaveStandardShortcutsAndDistinctAccessKeys) {
  const std::pair<const char*, QKeySequence> keys[] = {
      {"mnuNew", QKeySequence::New},
      {"mnuOpen", QKeySequence::Open},
      {"mnuSaveAs", QKeySequence("Ctrl+Shift+S")},
      {"mnuExit", QKeySequence("Ctrl+Q")},
      {"mnuDeleteParticipant", QKeySequence(Qt::Key_Delete)},
      {"mnuDemoGettingStarted", QKeySequence(Qt::Key_F1)}};
  for (const auto& [name, key] : keys) EXPECT_EQ(Action(name)->shortcut(), key) << name;

  for (QMenu* menu : window_.findChildren<QMenu*>()) {
    std::set<QChar> seen;
    for (QAction* a : menu->actions()) {
      if (a->isSeparator()) continue;
      const QChar key = ui::AccessKeyOf(a->text());
      EXPECT_FALSE(key.isNull()) << a->text().toStdString();
      EXPECT_TRUE(seen.insert(key).second) << a->text().toStdString();
    }
  }
  // The documented words stay as they are; only the key is marked.
  EXPECT_EQ(Action("mnuCalculateView")->text(), "&Calculate && View");
  EXPECT_EQ(Action("mnuSetup")->text(), "&Setup...");
}

TEST_F(DesktopConventionsTest, KeyboardMarksEditsAndHighlightsTheCurrentRow) {
  AddFive();
  QApplication::processEvents();
  QTableView* view = window_.GridView();
  view->setCurrentIndex(view->model()->index(0, roster::kColEmail));
  Press(Qt::Key_Down);
  EXPECT_EQ(roster().EditRow, 2);
  EXPECT_TRUE(Action("mnuDeleteParticipant")->isEnabled());
  EXPECT_EQ(window_.Model()->HighlightedRow(), 2);
  EXPECT_TRUE(view->model()->data(view->model()->index(1, 0), Qt::FontRole).value<QFont>().bold());

  Press(Qt::Key_Space);
  Press(Qt::Key_Down);
  Press(Qt::Key_Space);
  EXPECT_EQ(roster().CountSelected(), 2);
  EXPECT_TRUE(Action("mnuSetGroupExclusion")->isEnabled());

  int opened = 0;
  ui::SetModalHandler([&](QDialog& d) {
    ++opened;
    EXPECT_EQ(d.objectName(), "frmEdit");
    d.reject();
    return d.result();
  });
  Press(Qt::Key_F2);
  Press(Qt::Key_Return);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(roster().CountSelected(), 2);  // moving and editing leave the marks alone

  // The context menu acts on the row it was opened on.
  std::unique_ptr<QMenu> menu(ui::GridContextMenu(window_, 5));
  EXPECT_EQ(window_.Model()->HighlightedRow(), 5);
  QAction* mark = menu->findChild<QAction*>("mnuToggleMark");
  ASSERT_NE(mark, nullptr);
  mark->trigger();
  EXPECT_EQ(roster().CountSelected(), 3);
  boxes_.QueueAnswer(kYes);
  menu->actions().at(1)->trigger();  // Delete Participant
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, "Delete Participant Ed");
  EXPECT_EQ(roster().ParticipantCount(), 4);
}

TEST_F(DesktopConventionsTest, RecentFilesDropsAndGeometryOutliveTheWindow) {
  const fs::path family = SavedList("family.hmr");
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile("/tmp/notes.txt"),
                   QUrl::fromLocalFile(QString::fromStdString(family.string()))});
  EXPECT_EQ(ui::DroppedListFiles(dropped), std::vector<fs::path>{family});
  AddFive();
  boxes_.QueueAnswer(kCancel);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  // Delivered as the platform's drag and drop delivers it to the window under the pointer.
  auto deliver = [&](QEvent& e) { static_cast<QObject&>(window_).event(&e); };
  deliver(drop);
  EXPECT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(roster().ParticipantCount(), 5);  // cancelled at the question
  ui::SetModalHandler([](QDialog& d) {        // the load options: replace the list
    d.findChild<QPushButton*>("cmdContinue")->click();
    return d.result();
  });
  deliver(drop);  // answered Discard
  EXPECT_EQ(roster().ParticipantCount(), 2);
  EXPECT_EQ(window_.windowTitle(), "family.hmr[*] - Hollymoor");

  QStringList recent;
  for (int i = 0; i < 10; ++i) recent = ui::AddRecentFile(recent, QString("/l/%1.hmr").arg(i));
  recent = ui::AddRecentFile(recent, "/l/5.hmr");
  EXPECT_EQ(recent.size(), ui::kMaxRecentFiles);
  EXPECT_EQ(recent.front(), "/l/5.hmr");
  EXPECT_EQ(recent.count("/l/5.hmr"), 1);

  window_.setGeometry(40, 50, 640, 410);
  window_.close();
  ui::MainWindow again(window_.paths());
  again.Form_Load();
  EXPECT_EQ(again.size(), QSize(640, 410));
  QMenu* menu = again.findChild<QMenu*>("mnuRecent");
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_TRUE(menu->actions()[0]->text().endsWith("family.hmr"));
  menu->actions()[0]->trigger();
  EXPECT_EQ(again.roster().ParticipantCount(), 2);
  EXPECT_EQ(again.windowTitle(), "family.hmr[*] - Hollymoor");
}

}  // namespace
