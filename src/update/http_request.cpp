#include "update/http_request.h"

#include <algorithm>
#include <charconv>

#include "core/ascii_text.h"

namespace roster {

namespace {

constexpr std::size_t kMaxHead = 64 * 1024;

bool SafeForRequestLine(const std::string& s) {
  return !s.empty() &&
         std::none_of(s.begin(), s.end(), [](unsigned char c) { return c <= ' ' || c == 0x7f; });
}

bool ValidPort(const std::string& text, std::uint16_t& port) {
  unsigned value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535)
    return false;
  port = static_cast<std::uint16_t>(value);
  return true;
}

}  // namespace

std::optional<HostPort> ParseHostPort(const std::string& host, std::uint16_t default_port) {
  HostPort out;
  out.port = default_port;
  std::string rest;
  if (!host.empty() && host.front() == '[') {
    auto close = host.find(']');
    if (close == std::string::npos || close == 1) return std::nullopt;
    out.name = host.substr(1, close - 1);
    rest = host.substr(close + 1);
  } else {
    auto colon = host.find(':');
    out.name = host.substr(0, colon);
    if (colon != std::string::npos) rest = host.substr(colon);
  }
  if (!rest.empty() && (rest.front() != ':' || !ValidPort(rest.substr(1), out.port)))
    return std::nullopt;
  if (!SafeForRequestLine(out.name) || out.name.find_first_of("/?#@") != std::string::npos)
    return std::nullopt;
  return out;
}

std::string BuildFormPost(const std::string& host, const std::string& target,
                          const std::string& body) {
  if (!SafeForRequestLine(host) || !SafeForRequestLine(target)) return "";
  std::string r;
  r += "POST " + target + " HTTP/1.0\r\n";
  r += "Host: " + host + "\r\n";
  r += std::string("User-Agent: ") + kHttpAgent + "\r\n";
  r += "Content-Type: application/x-www-form-urlencoded\r\n";
  // A fresh answer from the server, never one from a cache on the way.
  r += "Pragma: no-cache\r\n";
  r += "Cache-Control: no-cache\r\n";
  r += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  r += "\r\n";
  r += body;
  return r;
}

bool HttpReplyReader::Feed(const char* data, std::size_t n) {
  if (done_ || n == 0) return !done_;
  if (in_body_) {
    Append(data, n);
    return !done_;
  }
  head_.append(data, n);
  // A reply that does not start like a status line has no head to strip.
  const std::string prefix = "HTTP/";
  if (head_.compare(0, std::min(head_.size(), prefix.size()), prefix, 0,
                    std::min(head_.size(), prefix.size())) != 0) {
    in_body_ = true;
    std::string all = std::move(head_);
    head_.clear();
    Append(all.data(), all.size());
    return !done_;
  }
  std::size_t end = head_.find("\r\n\r\n");
  std::size_t skip = 4;
  if (end == std::string::npos) {
    end = head_.find("\n\n");
    skip = 2;
  }
  if (end == std::string::npos) {
    if (head_.size() > kMaxHead) done_ = true;
    return !done_;
  }
  std::string rest = head_.substr(end + skip);
  head_.resize(end);
  ParseHead(head_);
  in_body_ = true;
  if (content_length_ && *content_length_ == 0) done_ = true;
  Append(rest.data(), rest.size());
  return !done_;
}

void HttpReplyReader::Finish() {
  // Too short even for a status line: it was all body.
  if (!in_body_ && head_.size() < 5) {
    std::string all = std::move(head_);
    head_.clear();
    in_body_ = true;
    Append(all.data(), all.size());
  }
  done_ = true;
}

void HttpReplyReader::ParseHead(const std::string& head) {
  std::size_t pos = 0;
  bool first = true;
  while (pos <= head.size()) {
    std::size_t eol = head.find('\n', pos);
    std::string line = head.substr(pos, eol == std::string::npos ? std::string::npos : eol - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first) {
      auto sp = line.find(' ');
      if (sp != std::string::npos) {
        int code = 0;
        std::from_chars(line.data() + sp + 1, line.data() + line.size(), code);
        status_ = code;
      }
      first = false;
    } else if (auto colon = line.find(':'); colon != std::string::npos) {
      if (core::AsciiLower(line.substr(0, colon)) == "content-length") {
        std::string v = line.substr(colon + 1);
        v.erase(0, v.find_first_not_of(" \t"));
        v.erase(v.find_last_not_of(" \t") + 1);
        std::size_t len = 0;
        auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), len);
        if (ec == std::errc() && p == v.data() + v.size()) content_length_ = len;
      }
    }
    if (eol == std::string::npos) break;
    pos = eol + 1;
  }
}

void HttpReplyReader::Append(const char* data, std::size_t n) {
  std::size_t limit = std::min(max_body_, content_length_.value_or(max_body_));
  std::size_t take = std::min(n, limit - std::min(limit, body_.size()));
  body_.append(data, take);
  if (body_.size() >= limit) done_ = true;
}

}  // namespace roster
