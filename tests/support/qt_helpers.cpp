#include "support/qt_helpers.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/qt_ui.h"

namespace testing_support {

MessageBoxCatcher::MessageBoxCatcher() {
  ui::SetMessageBoxHandler([this](const std::string& text, int style, const std::string& title) {
    boxes.push_back({text, style, title});
    if (!answers_.empty()) {
      int a = answers_.front();
      answers_.pop_front();
      return a;
    }
    switch (style & 7) {
      case roster::mb::kYesNo: return roster::mb::kYes;
      case roster::mb::kRetryCancel: return roster::mb::kRetry;
      case roster::mb::kSaveDiscardCancel:
        return roster::mb::kNo;  // Discard
      default: return roster::mb::kOk;
    }
  });
}

MessageBoxCatcher::~MessageBoxCatcher() { ui::SetMessageBoxHandler(nullptr); }

void AddByHand(ui::MainWindow& window, const std::vector<std::array<const char*, 3>>& people) {
  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmManualAddition");
    EXPECT_EQ(d.windowTitle(), "Manual Addition of Participants");
    for (const auto& p : people) {
      Find<QLineEdit>(d, "txtName")->setText(p[0]);
      Find<QLineEdit>(d, "txtEmailAddress")->setText(p[1]);
      Find<QLineEdit>(d, "txtNotes")->setText(p[2]);
      Find<QPushButton>(d, "cmdAdd")->click();
    }
    Find<QPushButton>(d, "cmdClose")->click();
    return d.result();
  });
  Find<QAction>(window, "mnuManualAddition")->trigger();
  ui::SetModalHandler(nullptr);
}

}  // namespace testing_support
