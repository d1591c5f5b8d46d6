#pragma once
// A scripted Ui: records every message box and status text, answers message boxes from a
// queue the test fills in advance (or with the box's first button), never blocks.

#include <deque>
#include <string>
#include <vector>

#include "core/ui_port.h"

namespace testing_support {

struct RecordedBox {
  std::string text;
  int style;
  std::string title;
};

class FakeUi : public roster::Ui {
 public:
  int MsgBox(const std::string& text, int style, const std::string& title) override;
  void SetStatusText(const std::string& text) override;
  std::string StatusText() const override { return status_; }
  void SetDrawingStatus(const std::string& text) override { drawing_status = text; }
  void DoEvents() override { ++do_events_calls; }
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override;

  // Answer for the next message box (mb::kYes, mb::kNo, ...).
  void QueueAnswer(int answer) { answers_.push_back(answer); }

  std::vector<RecordedBox> boxes;
  std::vector<std::string> statuses;  // every status text, in order
  std::vector<int> pointers;          // every pointer set, in order
  int do_events_calls = 0;
  std::string drawing_status;  // the second status panel

 private:
  std::deque<int> answers_;
  std::string status_;
  int pointer_ = roster::kPointerDefault;
};

}  // namespace testing_support
