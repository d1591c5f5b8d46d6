#pragma once
// Stand-in for the shared wire-message function until it lands; replaced by it.

#include <chrono>
#include <string>
#include <vector>

namespace mail {

struct OutgoingShim {
  std::string from_name, from_address;
  std::vector<std::string> to;
  std::string subject, text;
};

inline std::string BuildWireShim(const OutgoingShim& m, std::chrono::system_clock::time_point) {
  std::string out;
  if (!m.from_address.empty()) out += "From: " + m.from_name + " <" + m.from_address + ">\r\n";
  out += "To: ";
  for (std::size_t i = 0; i < m.to.size(); ++i) out += (i ? ", " : "") + m.to[i];
  out += "\r\nSubject: " + m.subject + "\r\nMIME-Version: 1.0\r\n"
         "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n";
  for (std::size_t i = 0; i < m.text.size(); ++i) {
    if (m.text[i] == '\n' && (i == 0 || m.text[i - 1] != '\r')) out += '\r';
    out += m.text[i];
  }
  out += "\r\n";
  return out;
}

}  // namespace mail
