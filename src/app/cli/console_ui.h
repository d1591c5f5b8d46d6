#pragma once
// The roster::Ui port on a terminal. Message boxes become lines on standard error (send
// summaries go to standard output), status texts are printed as they change, and questions
// are answered without waiting for anybody: a script must never hang on a prompt.
//
// When standard error is a terminal, status texts rewrite one line in place (the progress
// counter of a long send stays on one line); otherwise every status text is its own line.

#include <cstdio>
#include <string>
#include <vector>

#include "core/ui_port.h"

namespace cli {

struct ShownBox {
  std::string text;
  int style = 0;
  std::string title;
};

class ConsoleUi : public roster::Ui {
 public:
  ConsoleUi(std::FILE* out, std::FILE* err, bool err_is_terminal);
  ~ConsoleUi() override;

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  using roster::Ui::MsgBox;
  void SetStatusText(const std::string& text) override;
  std::string StatusText() const override { return status_; }
  void DoEvents() override;
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override { pointer_ = pointer; }

  // When false, nothing is printed (message boxes are still recorded); used while the
  // program consults the core quietly, e.g. to test an address.
  void SetEchoing(bool on) { echo_ = on; }
  // When false, status texts are recorded but not printed.
  void SetShowStatus(bool on) { show_status_ = on; }

  // Ends an in-place status line so the next output starts on a fresh line.
  void FinishStatusLine();

  const std::vector<ShownBox>& boxes() const { return boxes_; }
  const std::vector<std::string>& statuses() const { return statuses_; }
  // Critical boxes (style 16) shown so far: the failures the core reported.
  int CriticalCount() const;

 private:
  std::FILE* out_;
  std::FILE* err_;
  bool terminal_;
  bool echo_ = true;
  bool show_status_ = true;
  bool status_line_open_ = false;
  std::string status_;
  std::string last_shown_;
  int pointer_ = roster::kPointerDefault;
  int spinner_ = 0;
  std::vector<ShownBox> boxes_;
  std::vector<std::string> statuses_;
};

// Message-box text on one line: line breaks become " / " and trailing ones are dropped.
std::string OneLine(const std::string& text);

// Whether a message box is a sender's summary ("N Mail Messages Sent to ..."), in any language.
bool IsSendSummary(const std::string& text, int style);

}  // namespace cli
