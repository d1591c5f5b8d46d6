#pragma once
// Widget-test helpers: answer message boxes in advance, find widgets and actions by name.

#include <deque>
#include <string>
#include <vector>

#include "support/fake_ui.h"

namespace testing_support {

// While alive, every message box of the program is recorded here instead of shown, and
// answered from the queue (or with its first button).
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  std::vector<RecordedBox> boxes;

 private:
  std::deque<int> answers_;
};

}  // namespace testing_support
