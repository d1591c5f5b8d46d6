#pragma once
// A Ui with nobody in front of it: boxes are answered OK, the status is only remembered.
// For benchmarks and fuzzing, where the operations run without a window.

#include <string>

#include "core/ui_port.h"

namespace roster {

class QuietUi : public Ui {
 public:
  int MsgBox(const std::string&, int, const std::string&) override {
    ++boxes;
    return mb::kOk;
  }
  void SetStatusText(const std::string& text) override { status_ = text; }
  std::string StatusText() const override { return status_; }
  void DoEvents() override {}
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override { pointer_ = pointer; }

  int boxes = 0;  // how many were shown: a clean run shows none

 private:
  std::string status_;
  int pointer_ = kPointerDefault;
};

}  // namespace roster
