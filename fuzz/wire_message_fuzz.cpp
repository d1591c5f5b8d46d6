// Builds wire messages from arbitrary names, addresses, subjects and texts (fields split at
// NUL bytes) and checks what mail servers and readers rely on: exactly the eight header
// fields in their order, however hostile the values; every line ended by CR LF; header lines
// within 998 octets (the addresses aside, which go as stored); and a body that decodes back
// to the text with CR LF line ends.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "mail/wire_message.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string CrLf(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\r' || text[i] == '\n')
      out += "\r\n";
    else
      out += text[i];
  }
  return out;
}

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string DecodeQuotedPrintable(std::string_view body) {
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '=') {
      out += body[i];
      continue;
    }
    Check(i + 2 < body.size());
    if (body[i + 1] == '\r' && body[i + 2] == '\n') {
      i += 2;  // soft line break
      continue;
    }
    int hi = Hex(body[i + 1]), lo = Hex(body[i + 2]);
    Check(hi >= 0 && lo >= 0);
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> f(6);
  size_t field = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && field < 5)
      ++field;
    else
      f[field] += static_cast<char>(data[i]);
  }
  roster::ManualClock clock;
  const std::string wire = mail::BuildWireMessage({f[0], f[1], f[2], f[3], f[4], f[5]}, clock);

  const size_t split = wire.find("\r\n\r\n");
  Check(split != std::string::npos);
  const std::string header = wire.substr(0, split + 2);
  const char* const kFields[] = {"From: ",
                                 "To: ",
                                 "Subject: ",
                                 "Date: ",
                                 "Message-ID: ",
                                 "MIME-Version: 1.0\r",
                                 "Content-Type: text/plain; charset=UTF-8\r",
                                 "Content-Transfer-Encoding: "};
  size_t next = 0;
  for (size_t pos = 0; pos < header.size();) {
    size_t end = header.find("\r\n", pos);
    Check(end != std::string::npos);
    std::string_view line(header.data() + pos, end - pos);
    Check(line.find_first_of("\r\n") == std::string_view::npos);
    if (line.empty() || line.front() == ' ') {
      Check(next > 0);  // a folded continuation
    } else {
      Check(next < 8 && (line.starts_with(kFields[next]) ||
                         std::string(line).append("\r").starts_with(kFields[next])));
      ++next;
    }
    if (next > 2) Check(line.size() <= 998);
    pos = end + 2;
  }
  Check(next == 8);

  const std::string body = wire.substr(split + 4);
  const std::string expected = CrLf(f[5]) + "\r\n\r\n";
  // Whole lines only: a subject may read "Content-Transfer-Encoding: 7bit" itself.
  if (header.find("\r\nContent-Transfer-Encoding: 7bit\r\n") != std::string::npos) {
    Check(body == expected);
  } else {
    Check(header.find("\r\nContent-Transfer-Encoding: quoted-printable\r\n") != std::string::npos);
    for (size_t pos = 0; pos < body.size();) {
      size_t end = body.find("\r\n", pos);
      Check(end != std::string::npos && end - pos <= 76);
      Check(std::string_view(body.data() + pos, end - pos).find_first_of("\r\n") ==
            std::string_view::npos);
      pos = end + 2;
    }
    Check(DecodeQuotedPrintable(body) == expected);
  }
  return 0;
}
