// Composing mail at the 16-bit limit: the notification text and the wire message for 32,767
// givers (plain ASCII, and names and notes with non-ASCII, which take encoded words and
// quoted-printable), and Base64 of the longest input the classic encoder took. Prints the
// median wall time over several runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/base64.h"
#include "mail/message.h"
#include "mail/wire_message.h"

namespace {

constexpr int kGivers = 32767;
constexpr int kRuns = 5;

double MedianMillis(const std::function<void()>& fn) { return bench::MedianMs(fn, kRuns); }

// Composes every giver's message; returns the total size so nothing is optimised away.
size_t SendAll(bool non_ascii) {
  roster::ManualClock clock;
  mail::SendValues values;
  values.MailSubject = "Your Secret Santa Information Enclosed";
  values.MailBody = "Important Secret Santa Message!!\r\n\r\nThe person you have been choosen\r\n";
  values.MailTrailer = "You are a Secret Santa for";
  std::string footer = mail::BuildMessageFooter();
  std::string accent = non_ascii ? "\xC3\xA9l\xC3\xA8ne " : "Elena ";
  size_t total = 0;
  for (int g = 1; g <= kGivers; ++g) {
    std::string giver = accent + std::to_string(g);
    std::string receiver = accent + std::to_string(g % kGivers + 1);
    mail::OutgoingMessage m{"Santa Organiser",
                            "santa@example.org",
                            giver,
                            "p" + std::to_string(g) + "@example.org",
                            mail::MessageSubject(giver, values.MailSubject),
                            mail::NotificationText(values, receiver, accent + "likes tea", footer)};
    total += mail::BuildWireMessage(m, clock).size();
  }
  return total;
}

}  // namespace

int main() {
  size_t sink = 0;
  double ascii = MedianMillis([&] { sink += SendAll(false); });
  double utf8 = MedianMillis([&] { sink += SendAll(true); });
  std::string longest(32766, '\xE9');
  double b64 = MedianMillis([&] { sink += mail::Base64Encode(longest).size(); });
  std::printf("Mail composition, %d givers, median of %d runs (checksum %zu)\n", kGivers, kRuns,
              sink % 1000);
  std::printf("| operation | ms |\n|---|---|\n");
  std::printf("| text + wire message x %d, ASCII (7bit) | %.1f |\n", kGivers, ascii);
  std::printf("| text + wire message x %d, non-ASCII (encoded words, QP) | %.1f |\n", kGivers,
              utf8);
  std::printf("| Base64Encode of 32,766 bytes | %.3f |\n", b64);
  return 0;
}
