#pragma once
// Widget-test helpers: answer message boxes in advance, find widgets and actions by name.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QWidget>
#include <array>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "core/shell_port.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/qt_ui.h"

namespace testing_support {

// While alive, every message box of the program is recorded here instead of shown, and
// answered from the queue (or with its first button; Discard for unsaved changes).
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  std::vector<RecordedBox> boxes;

 private:
  std::deque<int> answers_;
};

// The named child widget; a test failure (and null) when there is none.
template <typename W = QWidget>
W* Find(const QObject& parent, const char* name) {
  W* w = parent.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Records what the program asked the desktop to open; fails when told to.
struct RecordingShell : roster::Shell {
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return succeed;
  }
  Error LastError() const override { return {53, "File not found"}; }
  std::vector<std::string> opened;
  bool succeed = true;
};

// Opens the manual-entry dialog of `window` and types each {name, address, notes}, pressing
// Add after each one and Close at the end.
void AddByHand(ui::MainWindow& window, const std::vector<std::array<const char*, 3>>& people);

// A loaded main window over a throw-away data folder, its message boxes caught.
class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(std::filesystem::path help_dir = {})
      : window_(ui::AppPaths{dir_.path(), dir_.path() / "settings.ini", std::move(help_dir)}) {
    window_.Form_Load();
  }
  ~WindowTest() override { ui::SetModalHandler(nullptr); }
  roster::Roster& roster() { return window_.roster(); }
  QAction* Action(const char* name) { return Find<QAction>(window_, name); }
  std::string Cell(int r, int c) { return window_.roster().grid().TextMatrix(r, c); }
  std::string Status() { return Find<QLabel>(window_, "Panel1")->text().toStdString(); }

  TempDir dir_;
  MessageBoxCatcher boxes_;
  ui::MainWindow window_;
};

}  // namespace testing_support
