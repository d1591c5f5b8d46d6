#include "app/cli/console_ui.h"

#include "app/cli/terminal_text.h"
#include "core/ascii_text.h"
#include "core/tr.h"

namespace cli {
namespace {

// The answer a box gets when nobody is there to click: the choice that changes nothing.
int UnattendedAnswer(int style) {
  switch (style & 0x0F) {
    case 1:  // OK, Cancel
    case 3:  // Yes, No, Cancel
    case roster::mb::kRetryCancel:
      return roster::mb::kCancel;
    case 2:  // Abort, Retry, Ignore
      return 3;
    case roster::mb::kYesNo:
      return roster::mb::kNo;
    default:
      return roster::mb::kOk;
  }
}

std::string AnswerName(int answer) {
  switch (answer) {
    case roster::mb::kCancel:
      return core::Tr("Cli", "Cancel");
    case roster::mb::kNo:
      return core::Tr("Cli", "No");
    case 3:
      return core::Tr("Cli", "Abort");
    default:
      return core::Tr("Cli", "OK");
  }
}

// What follows the count in a summary's first line, in the program's language: " Mail
// Messages Sent to" in English.
std::string CountWords(const char* context, const char* summary) {
  const std::string text = core::Tr(context, summary);
  const std::size_t count = text.find("%1");
  if (count == std::string::npos) return {};
  return text.substr(count + 2, text.find('\n', count) - count - 2);
}

}  // namespace

bool IsSendSummary(const std::string& text, int style) {
  if ((style & 0xF0) != 0) return false;
  static const std::string words[] = {
      CountWords("Smtp", "%1 Mail Messages Sent to\n%2\n"),
      CountWords("Smtp", "%1 Mail Messages Re-Sent to\n%2\n"),
      CountWords("Mapi",
                 "%1 Mail Messages Sent to\n%2\n\r\rPlease check your email client's OutBox "
                 "Folder to verify that messages have been sent."),
      CountWords("Mapi",
                 "%1 Mail Messages Re-Sent to\n%2\n\r\rPlease check your email client's "
                 "OutBox Folder to verify that messages have been re-sent."),
  };
  for (const std::string& w : words)
    if (!w.empty() && text.find(w) != std::string::npos) return true;
  return false;
}

std::string OneLine(const std::string& text) {
  std::string out;
  std::string pending;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (!out.empty()) pending = " / ";
      continue;
    }
    out += pending;
    pending.clear();
    out += c;
  }
  return out;
}

ConsoleUi::ConsoleUi(std::FILE* out, std::FILE* err, bool err_is_terminal)
    : out_(out), err_(err), terminal_(err_is_terminal) {}

ConsoleUi::~ConsoleUi() { FinishStatusLine(); }

int ConsoleUi::MsgBox(const std::string& text, int style, const std::string& title) {
  boxes_.push_back({text, style, title});
  const int answer = UnattendedAnswer(style);
  if (!echo_) return answer;
  if (IsSendSummary(text, style)) {
    FinishStatusLine();
    std::fputs(TerminalSafe(text, true).c_str(), out_);
    if (text.empty() || text.back() != '\n') std::fputc('\n', out_);
    std::fflush(out_);
    return answer;
  }
  FinishStatusLine();
  std::string line;
  switch (style & 0xF0) {
    case roster::mb::kCritical:
      line = core::Tr("Cli", "error: ");
      break;
    case roster::mb::kExclamation:
      line = core::Tr("Cli", "warning: ");
      break;
    default:
      break;
  }
  line += TerminalSafe(OneLine(text));
  if ((style & 0x0F) != 0)
    line += " " + core::Arg(core::Tr("Cli", "[answered %1]"), {AnswerName(answer)});
  std::fprintf(err_, "%s\n", line.c_str());
  std::fflush(err_);
  return answer;
}

void ConsoleUi::SetStatusText(const std::string& text) {
  status_ = text;
  statuses_.push_back(text);
  spinner_ = 0;
  if (!echo_ || !show_status_) return;
  const std::string shown = TerminalSafe(std::string(core::TrimView(text, " ")));
  if (shown.empty() || shown == last_shown_) return;  // the senders repeat some texts
  last_shown_ = shown;
  if (terminal_) {
    std::fprintf(err_, "\r\033[K%s", shown.c_str());
    status_line_open_ = true;
  } else {
    std::fprintf(err_, "%s\n", shown.c_str());
  }
  std::fflush(err_);
}

void ConsoleUi::DoEvents() {
  // The drawing yields once per attempt; on a terminal that is a visible heartbeat.
  if (!terminal_ || !echo_ || !show_status_) return;
  ++spinner_;
  std::fprintf(err_, "\r\033[K%s [%d]",
               TerminalSafe(std::string(core::TrimView(status_, " "))).c_str(), spinner_);
  status_line_open_ = true;
  std::fflush(err_);
}

void ConsoleUi::FinishStatusLine() {
  if (!status_line_open_) return;
  std::fputc('\n', err_);
  std::fflush(err_);
  status_line_open_ = false;
}

int ConsoleUi::CriticalCount() const {
  int n = 0;
  for (const ShownBox& b : boxes_)
    if ((b.style & 0xF0) == roster::mb::kCritical) ++n;
  return n;
}

}  // namespace cli
