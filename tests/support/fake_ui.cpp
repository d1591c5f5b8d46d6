#include "support/fake_ui.h"

namespace testing_support {

int FakeUi::MsgBox(const std::string& text, int style, const std::string& title) {
  boxes.push_back({text, style, title});
  if (!answers_.empty()) {
    int a = answers_.front();
    answers_.pop_front();
    return a;
  }
  switch (style & 7) {
    case roster::mb::kOkCancel: return roster::mb::kOk;
    case roster::mb::kYesNo: return roster::mb::kYes;
    case roster::mb::kRetryCancel: return roster::mb::kRetry;
    default: return roster::mb::kOk;
  }
}

void FakeUi::SetStatusText(const std::string& text) {
  status_ = text;
  statuses.push_back(text);
}

void FakeUi::SetMousePointer(int pointer) {
  pointer_ = pointer;
  pointers.push_back(pointer);
}

}  // namespace testing_support
