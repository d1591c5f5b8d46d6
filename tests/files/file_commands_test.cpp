#include "files/file_commands.h"

#include "files/history.h"
#include "files/list_file.h"
#include "files_fixture.h"

namespace files_test {
namespace {

class FakeShell : public roster::Shell {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
  std::vector<std::string> opened;
};

class FileCommandsTest : public RosterFixture {
 protected:
  FileCommandsTest()
      : commands_({roster_, dialogs_, shell_, clock_, dir_.path(), [this] { NewList(); },
                   send_confirmed_}) {}

  // The New command as the main window runs it.
  void NewList() {
    ++new_lists_;
    roster_.ClearList();
    if (roster_.ReSendMode) {
      roster_.ReSendMode = false;
      roster_.ResetSelection(false);
      roster_.UpdateButtonEnables(false);
    }
  }
  fs::path History(const std::string& name, const std::string& bytes) {
    fs::create_directories(dir_.path() / "History");
    fs::path p = dir_.path() / "History" / name;
    WriteBytes(p, bytes);
    return p;
  }
  void EnterReSend() {
    dialogs_.answers.push_back(History("20261205-1807.hmr",
                                       "\"2\",\"Ann\",\"a@x\",\"Cy\",\"\"\r\n"
                                       "\"\",\"Bo\",\"b@x\",\"Ann\",\"\"\r\n"
                                       "\"\",\"Cy\",\"c@x\",\"Bo\",\"\"\r\n"));
    commands_.mnuReSendList_Click();
  }

  FakeShell shell_;
  roster::ManualClock clock_{std::chrono::system_clock::from_time_t(1'765'000'000)};
  bool send_confirmed_ = true;
  int new_lists_ = 0;
  files::FileCommands commands_;
};

TEST_F(FileCommandsTest, SaveProposesADateTimeNameInTheSavedFolder) {
  Add("Ann", "", "n");
  dialogs_.answers.push_back(dir_.path() / "Saved" / "mine.hmr");
  commands_.mnuSave_Click();
  ASSERT_EQ(dialogs_.requests.size(), 1u);
  const files::FileDialogRequest& r = dialogs_.requests[0];
  EXPECT_TRUE(dialogs_.was_save[0]);
  EXPECT_EQ(r.filter, "SecretSanta Files (*.hmr)|*.hmr");
  EXPECT_EQ(r.filter_index, 1);
  EXPECT_EQ(r.initial_dir, dir_.path() / "Saved");
  EXPECT_EQ(r.file_name, files::DateTimeName(clock_) + ".hmr");
  EXPECT_EQ(r.file_name.size(), 17u);
  EXPECT_TRUE(r.overwrite_prompt && r.path_must_exist);
  EXPECT_EQ(ReadBytes(dir_.path() / "Saved" / "mine.hmr"),
            "\"\",\"Ann\",\"ann@example.org\",\"\",\"n\"\r\n");
  EXPECT_EQ(ui_.statuses, (std::vector<std::string>{"Saving participants to File...", "Ready"}));

  commands_.mnuSave_Click();  // cancelled
  EXPECT_EQ(ui_.StatusText(), "Ready");
  EXPECT_TRUE(ui_.boxes.empty());
}

TEST_F(FileCommandsTest, OpenReadsFromTheSavedFolderWithTheListFilterPreselected) {
  Add("Ann");
  Add("Bo");
  fs::create_directories(dir_.path() / "Saved");
  files::SaveParticipantFile(roster_, dir_.path() / "Saved" / "two.hmr", false);
  roster_.ClearList();
  dialogs_.answers.push_back(dir_.path() / "Saved" / "two.hmr");
  commands_.mnuOpen_Click();
  const files::FileDialogRequest& r = dialogs_.requests.at(0);
  EXPECT_FALSE(dialogs_.was_save[0]);
  EXPECT_EQ(r.filter, "All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr");
  EXPECT_EQ(r.filter_index, 2);
  EXPECT_EQ(r.initial_dir, dir_.path() / "Saved");
  EXPECT_EQ(Count(), 2);
  EXPECT_TRUE(roster_.commands().Enabled("mnuCalculateSend"));
  EXPECT_EQ(ui_.statuses, (std::vector<std::string>{"Adding participants from File...", "Ready"}));
}

TEST_F(FileCommandsTest, ReSendLoadsTheDrawingHiddenAndRelabelsTheCommands) {
  EnterReSend();
  const files::FileDialogRequest& r = dialogs_.requests.at(0);
  EXPECT_EQ(r.filter, "All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr");
  EXPECT_EQ(r.filter_index, 2);
  EXPECT_EQ(r.initial_dir, dir_.path() / "History");
  EXPECT_TRUE(dialogs_.shown_options.empty());  // no options dialog when re-sending
  ASSERT_TRUE(ui_.boxes.empty());
  EXPECT_TRUE(roster_.ReSendMode);
  EXPECT_FALSE(send_confirmed_);
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Cell(1, 4), "3");
  EXPECT_EQ(Cell(2, 4), "1");
  EXPECT_EQ(Cell(3, 4), "2");
  EXPECT_EQ(Cell(1, 1), "2");
  EXPECT_EQ(roster_.grid().CellAt(1, 4).fore, roster::kHiddenColor);
  const roster::Commands& c = roster_.commands();
  EXPECT_EQ(c.Caption("mnuReSendList"), "Cancel Re-Send");  // the window test covers the rest
  EXPECT_EQ(ui_.StatusText(), "Re-Send Mode: Single click Participant Name to set for Re-Send");
  EXPECT_EQ(ui_.statuses.front(), "Select Previous Drawing File from Saved History...");

  // Presses on names mark the participants to notify; other cells change nothing.
  const roster::Grid& g = roster_.grid();
  roster_.MSFlexGrid_MouseDown(2, roster::kColName);
  EXPECT_EQ(g.CellAt(2, roster::kColName).back, roster::kRed);
  EXPECT_EQ(g.CellAt(2, roster::kColName).fore, roster::kWhite);
  roster_.MSFlexGrid_MouseDown(3, roster::kColEmail);
  roster_.MSFlexGrid_MouseDown(1, roster::kColName);
  roster_.MSFlexGrid_MouseDown(1, roster::kColName);
  EXPECT_EQ(g.CellAt(2, roster::kColName).back, roster::kRed);
  EXPECT_EQ(g.CellAt(1, roster::kColName).back, 0u);
  EXPECT_EQ(g.CellAt(1, roster::kColName).fore, roster::kBlue);
  EXPECT_EQ(g.CellAt(3, roster::kColEmail).back, 0u);
  EXPECT_EQ(roster_.CountSelected(), 1);

  // Choosing the command again leaves re-send mode through the New command.
  commands_.mnuReSendList_Click();
  EXPECT_EQ(new_lists_, 1);
  EXPECT_FALSE(roster_.ReSendMode);
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(c.Caption("mnuReSendList"), "Re-Send Previous Drawing...");
  EXPECT_EQ(c.Image("CALCSEND"), 12);
}

TEST_F(FileCommandsTest, ReSendRefusesFilesWithoutResultsOrInTheOlderLayout) {
  Add("Ann");
  dialogs_.answers.push_back(History("saved.hmr",
                                     "\"\",\"Ann\",\"a@x\",\"\",\"\"\r\n"
                                     "\"\",\"Bo\",\"b@x\",\"\",\"\"\r\n"));
  commands_.mnuReSendList_Click();
  dialogs_.answers.push_back(History("old.hmr", "\"\",\"Ann\",\"a@x\"\r\n\"\",\"Bo\",\"b@x\"\r\n"));
  commands_.mnuReSendList_Click();
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Error file does not contain Secret Santa history information",
                         "Error version of file must be 3.0 or greater"}));
  EXPECT_EQ(new_lists_, 2);
  EXPECT_FALSE(roster_.ReSendMode);
  EXPECT_EQ(Count(), 0);

  commands_.mnuReSendList_Click();  // cancelled
  EXPECT_EQ(new_lists_, 3);
  EXPECT_FALSE(roster_.ReSendMode);
}

TEST_F(FileCommandsTest, OpeningAListLeavesReSendMode) {
  EnterReSend();
  roster_.grid().SetCellColors(2, roster::kColName, roster::kWhite, roster::kRed);  // a mark
  commands_.mnuOpen_Click();  // cancelled, but the mode is already off
  EXPECT_FALSE(roster_.ReSendMode);
  EXPECT_EQ(roster_.grid().CellAt(2, roster::kColName).back, 0u);
  EXPECT_EQ(Count(), 3);  // the roster stays
  EXPECT_EQ(roster_.commands().Caption("mnuReSendList"), "Re-Send Previous Drawing...");
}

TEST_F(FileCommandsTest, ViewLogOpensTheChosenLogThroughTheShell) {
  const fs::path log = History("20261205-1807.htm", "<html></html>");
  dialogs_.answers.push_back(log);
  commands_.mnuViewDrawingLog_Click();
  const files::FileDialogRequest& r = dialogs_.requests.at(0);
  EXPECT_EQ(r.filter, "All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm");
  EXPECT_EQ(r.filter_index, 2);
  EXPECT_EQ(r.initial_dir, dir_.path() / "History");
  EXPECT_EQ(shell_.opened, std::vector<std::string>{log.string()});
  EXPECT_EQ(ui_.StatusText(), "");

  commands_.mnuViewDrawingLog_Click();  // cancelled
  EXPECT_EQ(shell_.opened.size(), 1u);
  EXPECT_EQ(ui_.StatusText(), "Select Previous Drawing Log File from Saved History...");
}

}  // namespace
}  // namespace files_test
