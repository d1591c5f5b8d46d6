#include "files/file_commands.h"

#include "files/history.h"
#include "files/list_document.h"
#include "files/list_file.h"
#include "files_fixture.h"

namespace files_test {
namespace {

const char* const kListFilter = "All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr";

class FakeShell : public roster::Shell {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return succeed;
  }
  Strings opened;
  bool succeed = true;
};

class FileCommandsTest : public FilesFixture {
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
  // The last dialog was an Open dialog of this filter, in this folder of the data folder.
  void ExpectOpenDialog(const std::string& filter, const char* folder) {
    ASSERT_FALSE(dialogs_.requests.empty());
    EXPECT_FALSE(dialogs_.was_save.back());
    EXPECT_EQ(dialogs_.requests.back().filter, filter);
    EXPECT_EQ(dialogs_.requests.back().filter_index, 2);
    EXPECT_EQ(dialogs_.requests.back().initial_dir, dir_.path() / folder);
  }
  void EnterReSend() {
    dialogs_.answers.push_back(File("History/20261205-1807.hmr",
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

TEST_F(FileCommandsTest, SaveAndOpenUseTheSavedFolder) {
  Add("Ann", "", "n");
  Add("Bo");
  dialogs_.answers.push_back(dir_.path() / "Saved" / "mine.hmr");
  commands_.mnuSave_Click();
  ASSERT_EQ(dialogs_.requests.size(), 1u);
  const files::FileDialogRequest& r = dialogs_.requests[0];
  EXPECT_TRUE(dialogs_.was_save[0]);
  EXPECT_EQ(r.filter, "SecretSanta Files (*.hmr)|*.hmr");
  EXPECT_EQ(r.filter_index, 1);
  EXPECT_EQ(r.initial_dir, dir_.path() / "Saved");
  EXPECT_EQ(r.file_name, files::DateTimeName(clock_) + ".hmr");
  EXPECT_TRUE(r.overwrite_prompt && r.path_must_exist);
  EXPECT_EQ(ui_.statuses, (Strings{"Saving participants to File...", "Ready"}));
  commands_.mnuSave_Click();  // cancelled
  EXPECT_EQ(ui_.StatusText(), "Ready");

  // What comes back through the window is the window's test.
  roster_.ClearList();
  ui_.statuses.clear();
  dialogs_.answers.push_back(dir_.path() / "Saved" / "mine.hmr");
  commands_.mnuOpen_Click();
  ExpectOpenDialog(kListFilter, "Saved");
  EXPECT_EQ(Column(2), (Strings{"Ann", "Bo"}));
  EXPECT_EQ(ui_.statuses, (Strings{"Adding participants from File...", "Ready"}));
}

// Captions, images, the status text and the skipped options dialog are checked through the
// window in files_wiring_test.
TEST_F(FileCommandsTest, ReSendLoadsTheDrawingHiddenAndChoosingItAgainLeaves) {
  EnterReSend();
  ExpectOpenDialog(kListFilter, "History");
  ASSERT_TRUE(ui_.boxes.empty());
  EXPECT_TRUE(roster_.ReSendMode);
  EXPECT_EQ(Column(4), (Strings{"3", "1", "2"}));
  EXPECT_EQ(Column(1), (Strings{"2", "", ""}));
  EXPECT_EQ(roster_.grid().CellAt(1, 4).fore, roster::kHiddenColor);
  EXPECT_EQ(ui_.statuses.front(), "Select Previous Drawing File from Saved History...");

  // Choosing the command again leaves re-send mode through the New command.
  commands_.mnuReSendList_Click();
  EXPECT_EQ(new_lists_, 1);
  EXPECT_FALSE(roster_.ReSendMode);
  EXPECT_EQ(Count(), 0);
}

TEST_F(FileCommandsTest, ReSendMarksWhoTheArchivesLedgerDoesNotRecordAsReached) {
  File("History/20261205-1807.ledger",
       "hollymoor-ledger 1\nP\t0\t1\tAnn\nP\t1\t2\tBo\nP\t2\t3\tCy\n"
       "S\t0\taccepted\t\nS\t1\tin flight\t\n");
  EnterReSend();
  EXPECT_TRUE(ui_.boxes.empty());
  EXPECT_EQ(ui_.StatusText(), roster::Roster::kReSendModeStatus);
  EXPECT_FALSE(roster_.IsMarked(1));
  EXPECT_TRUE(roster_.IsMarked(2));  // cut off before the answer: sent again
  EXPECT_TRUE(roster_.IsMarked(3));

  // A ledger that belongs to another list marks nobody, and says so.
  commands_.mnuReSendList_Click();
  File("History/20261205-1807.ledger", "hollymoor-ledger 1\nP\t0\t1\tZed\n");
  EnterReSend();
  EXPECT_TRUE(roster_.ReSendMode);
  EXPECT_EQ(roster_.CountSelected(), 0);
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_TRUE(Texts()[0].starts_with("Nobody was marked for re-sending: the delivery ledger ["));
}

TEST_F(FileCommandsTest, ReSendRefusesFilesWithoutResultsOrInTheOlderLayout) {
  Add("Ann");
  dialogs_.answers.push_back(File(
      "History/saved.hmr", "\"\",\"Ann\",\"a@x\",\"\",\"\"\r\n\"\",\"Bo\",\"b@x\",\"\",\"\"\r\n"));
  commands_.mnuReSendList_Click();
  dialogs_.answers.push_back(
      File("History/old.hmr", "\"\",\"Ann\",\"a@x\"\r\n\"\",\"Bo\",\"b@x\"\r\n"));
  commands_.mnuReSendList_Click();
  EXPECT_EQ(Texts(), (Strings{"Error file does not contain Secret Santa history information",
                              "Error version of file must be 3.0 or greater"}));
  EXPECT_EQ(new_lists_, 2);
  EXPECT_FALSE(roster_.ReSendMode);
  EXPECT_EQ(Count(), 0);

  // A cancelled pick leaves the roster as it was, with no New behind the organiser's back.
  Add("Cy");
  commands_.mnuReSendList_Click();
  EXPECT_EQ(new_lists_, 2);
  EXPECT_EQ(Count(), 1);
  EXPECT_FALSE(roster_.ReSendMode);
}

TEST_F(FileCommandsTest, OpeningAListLeavesReSendMode) {
  EnterReSend();
  roster_.MSFlexGrid_MouseDown(2, roster::kColName);  // a mark
  commands_.mnuOpen_Click();                          // cancelled, but the mode is already off
  EXPECT_FALSE(roster_.ReSendMode);
  EXPECT_EQ(roster_.grid().CellAt(2, roster::kColName).back, 0u);
  EXPECT_EQ(Count(), 3);  // the roster stays
  EXPECT_EQ(roster_.commands().Caption("mnuReSendList"), "Re-Send Previous Drawing...");
}

TEST_F(FileCommandsTest, ViewLogOpensTheChosenLogThroughTheShell) {
  const fs::path log = File("History/20261205-1807.htm", "<html></html>");
  dialogs_.answers.push_back(log);
  commands_.mnuViewDrawingLog_Click();
  ExpectOpenDialog("All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm", "History");
  EXPECT_EQ(shell_.opened, Strings{log.string()});
  EXPECT_EQ(ui_.StatusText(), "");

  commands_.mnuViewDrawingLog_Click();  // cancelled
  EXPECT_EQ(shell_.opened.size(), 1u);
  EXPECT_EQ(ui_.StatusText(), "Select Previous Drawing Log File from Saved History...");
  EXPECT_TRUE(ui_.boxes.empty());

  // Without a program to show it, the organiser is told where the log is.
  shell_.succeed = false;
  dialogs_.answers.push_back(log);
  commands_.mnuViewDrawingLog_Click();
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text.rfind("Unable to open [" + log.string() + "]\n", 0), 0u);
}

// The list file the roster stands for: Save writes it again, Save As names a new one, and
// nothing is replaced while it holds changes without a question.
class ListDocumentCommandsTest : public FileCommandsTest {
 protected:
  ListDocumentCommandsTest() { document_.Reset(roster_); }
  files::ListDocument document_;
  files::FileCommands doc_{{roster_, dialogs_, shell_, clock_, dir_.path(), [this] { NewList(); },
                            send_confirmed_, &document_}};
};

TEST_F(ListDocumentCommandsTest, SaveAsAddsTheExtensionAndSaveThenWritesWithoutAsking) {
  roster_.AddParticipant("", "Ann", "ann@x.org", "", true);
  EXPECT_TRUE(document_.Modified(roster_));
  dialogs_.answers.push_back(dir_.path() / "Saved" / "family");
  EXPECT_TRUE(doc_.mnuSave_Click());  // no file yet: asks for a name
  const fs::path saved = dir_.path() / "Saved" / "family.hmr";
  EXPECT_EQ(document_.Path(), saved);
  EXPECT_FALSE(document_.Modified(roster_));
  EXPECT_EQ(dialogs_.requests.back().default_extension, ".hmr");

  roster_.AddParticipant("", "Bob", "bob@x.org", "", true);
  EXPECT_TRUE(doc_.mnuSave_Click());
  EXPECT_EQ(dialogs_.requests.size(), 1u);
  EXPECT_NE(ReadAll(saved).find("\"Bob\""), std::string::npos);

  doc_.mnuSaveAs_Click();  // cancelled
  EXPECT_EQ(dialogs_.requests.back().file_name, "family.hmr");
  EXPECT_EQ(dialogs_.requests.back().initial_dir, saved.parent_path());
  EXPECT_EQ(document_.Path(), saved);
}

TEST_F(ListDocumentCommandsTest, ChangedListsAreAskedAboutAndAddingToOneKeepsItChanged) {
  const fs::path family = File("Saved/family.hmr",
                               "\"\",\"Ann\",\"a@x.org\",\"\",\"\"\r\n"
                               "\"\",\"Al\",\"al@x.org\",\"\",\"\"\r\n");
  dialogs_.answers.push_back(family);
  doc_.mnuOpen_Click();
  EXPECT_TRUE(ui_.boxes.empty());  // nothing to lose yet
  EXPECT_EQ(document_.Path(), family);
  EXPECT_FALSE(document_.Modified(roster_));

  // Cancel keeps the roster and shows no dialog; Discard goes on.
  roster_.AddParticipant("", "Bob", "bob@x.org", "", true);
  ui_.QueueAnswer(roster::mb::kCancel);
  doc_.mnuOpen_Click();
  EXPECT_EQ(dialogs_.requests.size(), 1u);
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text,
            "Do you want to save the changes to [family.hmr]?\n"
            "Your changes are lost if you do not save them.");

  // Added to the list rather than replacing it: the result is a change of the first file.
  ui_.QueueAnswer(roster::mb::kNo);
  dialogs_.choose_options = [](files::LoadOptions o) {
    o.clear_list = false;
    return o;
  };
  dialogs_.answers.push_back(File("Saved/more.hmr",
                                  "\"\",\"Cy\",\"c@x.org\",\"\",\"\"\r\n"
                                  "\"\",\"Di\",\"d@x.org\",\"\",\"\"\r\n"));
  doc_.mnuOpen_Click();
  EXPECT_EQ(Count(), 5);
  EXPECT_EQ(document_.Path(), family);
  EXPECT_TRUE(document_.Modified(roster_));
}

}  // namespace
}  // namespace files_test
