#include "mail/smtp/smtp_reply.h"

namespace mail {

namespace {
// A line ends its reply unless its code is followed by "-".
bool IsLastLine(std::string_view line) { return line.size() < 4 || line[3] != '-'; }
}  // namespace

ReplyFramer::Status ReplyFramer::Feed(std::string_view bytes) {
  if (failed_ != Status::kOk) return failed_;
  for (char c : bytes) {
    line_.push_back(c);
    if (c != '\n') {
      if (line_.size() > kMaxReplyLine) return failed_ = Status::kLineTooLong;
      continue;
    }
    std::string_view text(line_);
    text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    bool last = IsLastLine(text);
    reply_ += line_;
    line_.clear();
    if (reply_.size() > kMaxReply) return failed_ = Status::kReplyTooLong;
    if (last) {
      done_.push_back(std::move(reply_));
      reply_.clear();
    }
  }
  return Status::kOk;
}

std::optional<std::string> ReplyFramer::Next() {
  if (next_ >= done_.size()) {
    done_.clear();
    next_ = 0;
    return std::nullopt;
  }
  return std::move(done_[next_++]);
}

void ReplyFramer::Reset() {
  line_.clear();
  reply_.clear();
  done_.clear();
  next_ = 0;
  failed_ = Status::kOk;
}

std::vector<std::string> ReplyLines(std::string_view reply) {
  std::vector<std::string> lines;
  while (!reply.empty()) {
    std::size_t nl = reply.find('\n');
    std::string_view line = reply.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (nl == std::string_view::npos) break;
    reply.remove_prefix(nl + 1);
  }
  return lines;
}

}  // namespace mail
