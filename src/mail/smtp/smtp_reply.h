#pragma once
// Frames SMTP replies out of a byte stream: bytes are buffered until the line whose code is
// followed by a space (or stands alone) ends a reply. Lines and whole replies are capped, so
// a server that streams continuation lines forever cannot exhaust memory.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mail {

inline constexpr std::size_t kMaxReplyLine = 4096;
inline constexpr std::size_t kMaxReply = 64 * 1024;

class ReplyFramer {
 public:
  enum class Status { kOk, kLineTooLong, kReplyTooLong };

  // Appends bytes; every reply completed by them is queued for Next().
  Status Feed(std::string_view bytes);
  // The next complete reply, exactly as received (all its lines with their line ends).
  std::optional<std::string> Next();
  // Drops everything buffered, complete or not (used when the connection changes hands).
  void Reset();
  bool HasPartial() const { return !reply_.empty() || !line_.empty(); }

 private:
  std::string line_;   // the current, unterminated line
  std::string reply_;  // complete lines of the current reply
  std::vector<std::string> done_;
  std::size_t next_ = 0;
  Status failed_ = Status::kOk;
};

// The lines of a complete reply without their line ends.
std::vector<std::string> ReplyLines(std::string_view reply);

}  // namespace mail
