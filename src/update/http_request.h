#pragma once
// Plain HTTP/1.0 framing for the update check's form POST: the request text, and a reader that
// takes the reply in the chunks the connection hands over and keeps its body.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace roster {

inline constexpr const char* kHttpAgent = "http generic";
inline constexpr std::size_t kHttpReadChunk = 2048;

struct HostPort {
  std::string name;
  std::uint16_t port = 80;
};

// "name", "name:port", "[v6]" or "[v6]:port"; nullopt for an empty name, a bad port, or
// characters that do not belong in a host name.
std::optional<HostPort> ParseHostPort(const std::string& host, std::uint16_t default_port = 80);

// The complete request. `target` is the path, or the absolute address when going through a
// proxy. Empty when host or target could smuggle extra lines into the request.
std::string BuildFormPost(const std::string& host, const std::string& target,
                          const std::string& body);

class HttpReplyReader {
 public:
  explicit HttpReplyReader(std::size_t max_body = 1u << 20) : max_body_(max_body) {}

  // Takes the bytes of one read. Returns false once nothing more is wanted: the body reached
  // its announced length, or the size cap.
  bool Feed(const char* data, std::size_t n);
  bool Done() const { return done_; }
  // The connection has closed: whatever arrived is the reply.
  void Finish();

  // The reply's body so far; a reply without a status line is all body.
  const std::string& Body() const { return body_; }
  int Status() const { return status_; }

 private:
  void ParseHead(const std::string& head);
  void Append(const char* data, std::size_t n);

  std::size_t max_body_;
  std::string head_;
  std::string body_;
  bool in_body_ = false;
  bool done_ = false;
  int status_ = 0;
  std::optional<std::size_t> content_length_;
};

}  // namespace roster
