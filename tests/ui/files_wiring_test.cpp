#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <filesystem>

#include "files/history.h"
#include "support/qt_helpers.h"
#include "ui/load_file_options_dialog.h"
#include "ui/qt_file_dialogs.h"
#include "ui/toolbar_images.h"

namespace {

namespace fs = std::filesystem;

QCheckBox* Box(QDialog& d, const char* name) { return d.findChild<QCheckBox*>(name); }

TEST(LoadFileOptionsDialogTest, BoxesStartAsPreparedAndIncludeFollowsAdd) {
  ui::LoadFileOptionsDialog d;
  EXPECT_EQ(d.objectName(), "frmLoadFileOptions");
  EXPECT_EQ(d.windowTitle(), "Load From File Options");
  EXPECT_EQ(Box(d, "chkClearList")->text(), "Clear Current Participants");
  EXPECT_EQ(Box(d, "chkAddParticipants")->text(), "Add Participants from file to List");
  EXPECT_EQ(Box(d, "chkIncludeExclusions")->text(), "Include Exclusion information in file");
  EXPECT_EQ(Box(d, "chkSetExclusions")->text(),
            "Add New Exclusions based on results of previous drawing ");
  EXPECT_EQ(d.findChild<QPushButton*>("cmdContinue")->text(), "Continue");

  d.Prepare({true, true, true, false, false});
  EXPECT_TRUE(Box(d, "chkClearList")->isChecked());
  EXPECT_TRUE(Box(d, "chkIncludeExclusions")->isEnabled());
  EXPECT_FALSE(Box(d, "chkSetExclusions")->isEnabled());
  EXPECT_FALSE(Box(d, "chkSetExclusions")->isChecked());

  Box(d, "chkAddParticipants")->click();
  EXPECT_FALSE(Box(d, "chkIncludeExclusions")->isEnabled());
  EXPECT_TRUE(Box(d, "chkIncludeExclusions")->isChecked());
  Box(d, "chkAddParticipants")->click();
  EXPECT_TRUE(Box(d, "chkIncludeExclusions")->isEnabled());

  d.Prepare({true, true, true, false, true});  // a file with drawing results
  EXPECT_TRUE(Box(d, "chkSetExclusions")->isEnabled());
}

TEST(LoadFileOptionsDialogTest, ContinueReadsTheBoxesAndClosingReadsNothing) {
  ui::SetModalHandler([](QDialog& d) {
    Box(d, "chkClearList")->click();
    Box(d, "chkSetExclusions")->click();
    d.findChild<QPushButton*>("cmdContinue")->click();
    return d.result();
  });
  files::LoadOptions o = ui::ShowLoadFileOptions(nullptr, {true, true, true, false, true});
  EXPECT_FALSE(o.clear_list);
  EXPECT_TRUE(o.add_participants && o.include_exclusions && o.set_exclusions);

  ui::SetModalHandler([](QDialog& d) {
    d.reject();
    return d.result();
  });
  o = ui::ShowLoadFileOptions(nullptr, {true, true, true, false, true});
  EXPECT_FALSE(o.clear_list || o.add_participants || o.include_exclusions || o.set_exclusions);
  ui::SetModalHandler(nullptr);
}

// Collects the paths handed to the desktop instead of starting a viewer.
class OpenedFiles : public QObject {
  Q_OBJECT
 public slots:
  void Open(const QUrl& url) { opened << url.toLocalFile(); }

 public:
  QStringList opened;
};

class FilesWiringTest : public testing_support::WindowTest {
 protected:
  static bool SameImage(const QIcon& a, int image) {
    return a.pixmap(16).toImage() == ui::ToolbarImage(image).pixmap(16).toImage();
  }

  // Answers file dialogs with `path` (empty = Cancel) and the options dialog with Continue.
  void Answer(const fs::path& path) {
    ui::SetModalHandler([this, path](QDialog& d) {
      if (auto* fd = qobject_cast<QFileDialog*>(&d)) {
        seen_.push_back({fd->acceptMode() == QFileDialog::AcceptSave, fd->directory().path(),
                         fd->nameFilters(), fd->selectedNameFilter(), fd->selectedFiles()});
        if (path.empty()) return int(QDialog::Rejected);
        fd->selectFile(QString::fromStdString(path.string()));
        fd->QDialog::done(QDialog::Accepted);
        return fd->result();
      }
      EXPECT_EQ(d.objectName(), "frmLoadFileOptions");
      ++options_shown_;
      d.findChild<QPushButton*>("cmdContinue")->click();
      return d.result();
    });
  }
  struct Seen {
    bool save;
    QString dir;
    QStringList filters;
    QString selected_filter;
    QStringList selected_files;
  };

  std::vector<Seen> seen_;
  int options_shown_ = 0;
};

TEST_F(FilesWiringTest, SaveAndOpenGoThroughTheSavedFolder) {
  roster().AddParticipant("2", "José", "jose@example.org", "café", true);
  roster().AddParticipant("1", "Zoë", "zoe@example.org", "", true);
  const fs::path file = dir_.path() / "Saved" / "ours.hmr";
  Answer(file);
  Action("mnuSave")->trigger();
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_TRUE(seen_[0].save);
  EXPECT_EQ(seen_[0].dir.toStdString(), (dir_.path() / "Saved").string());
  EXPECT_EQ(seen_[0].filters, QStringList{"SecretSanta Files (*.hmr)"});
  ASSERT_EQ(seen_[0].selected_files.size(), 1);
  EXPECT_EQ(fs::path(seen_[0].selected_files[0].toStdString()).filename().string(),
            files::DateTimeName(window_.clock()) + ".hmr");
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(Status(), "Ready");

  Action("mnuNew")->trigger();
  window_.Toolbar_ButtonClick("OPEN");
  ASSERT_EQ(seen_.size(), 2u);
  EXPECT_FALSE(seen_[1].save);
  EXPECT_EQ(seen_[1].filters, (QStringList{"All Files (*)", "SecretSanta Files (*.hmr)"}));
  EXPECT_EQ(seen_[1].selected_filter, "SecretSanta Files (*.hmr)");
  EXPECT_EQ(options_shown_, 1);
  EXPECT_EQ(Cell(1, 5), "café");  // the file's contents are the list file tests' business
  EXPECT_TRUE(Action("mnuSave")->isEnabled());
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(FilesWiringTest, ReSendModeRelabelsToolbarAndMenuAndCalcViewLeavesIt) {
  fs::create_directories(dir_.path() / "History");
  const fs::path archived = dir_.path() / "History" / "20261205-1807.hmr";
  testing_support::WriteAll(archived,
                            "\"\",\"Ann\",\"a@x\",\"Bo\",\"\"\r\n"
                            "\"\",\"Bo\",\"b@x\",\"Cy\",\"\"\r\n"
                            "\"\",\"Cy\",\"c@x\",\"Ann\",\"\"\r\n");
  window_.SendValues.SendConfirmed = true;
  Answer(archived);
  Action("mnuReSendList")->trigger();
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_EQ(options_shown_, 0);
  EXPECT_TRUE(roster().ReSendMode);
  EXPECT_FALSE(window_.SendValues.SendConfirmed);
  EXPECT_EQ(Action("mnuReSendList")->text(), "Cancel &Re-Send");  // the menu's access key
  EXPECT_EQ(Action("CALCVIEW")->toolTip(), "Cancel Re-Send");
  EXPECT_EQ(Action("CALCSEND")->toolTip(), "Re-Send...");
  ASSERT_FALSE(SameImage(ui::ToolbarImage(11), 13));  // the images tell the modes apart
  EXPECT_TRUE(SameImage(Action("CALCVIEW")->icon(), 13));
  EXPECT_TRUE(SameImage(Action("CALCSEND")->icon(), 14));
  EXPECT_EQ(window_.GridView()->toolTip(), "Single click Participant Name to select for Re-Send");
  EXPECT_EQ(Status(), "Re-Send Mode: Single click Participant Name to set for Re-Send");

  window_.Toolbar_ButtonClick("CALCVIEW");
  EXPECT_FALSE(roster().ReSendMode);
  EXPECT_EQ(roster().ParticipantCount(), 0);
  EXPECT_EQ(Action("mnuReSendList")->text(), "&Re-Send Previous Drawing...");
  EXPECT_EQ(Action("CALCVIEW")->toolTip(), "Calculate && View");
  EXPECT_TRUE(SameImage(Action("CALCVIEW")->icon(), 11));
  EXPECT_TRUE(SameImage(Action("CALCSEND")->icon(), 12));
  EXPECT_EQ(window_.GridView()->toolTip(), "");
}

TEST_F(FilesWiringTest, ViewLogHandsTheChosenLogToTheDesktop) {
  OpenedFiles viewer;
  QDesktopServices::setUrlHandler("file", &viewer, "Open");
  const fs::path log = dir_.path() / "History" / "20261205-1807.htm";
  Answer(log);
  fs::create_directories(log.parent_path());
  testing_support::WriteAll(log, "<html></html>");
  Action("mnuViewDrawingLog")->trigger();
  QDesktopServices::unsetUrlHandler("file");
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].selected_filter, "SecretSanta Log Files (*.htm)");
  EXPECT_EQ(viewer.opened, QStringList{QString::fromStdString(log.string())});
  EXPECT_EQ(Status(), "");
}

}  // namespace

#include "files_wiring_test.moc"
