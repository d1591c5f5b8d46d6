#include "support/qt_helpers.h"

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
      default: return roster::mb::kOk;
    }
  });
}

MessageBoxCatcher::~MessageBoxCatcher() { ui::SetMessageBoxHandler(nullptr); }

}  // namespace testing_support
