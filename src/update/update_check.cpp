#include "update/update_check.h"

#include <cctype>
#include <memory>
#include <stdexcept>

#include "core/tr.h"

namespace roster {

namespace {
constexpr const char* kCheckTitle =
    core::TrNoop("Update", "Check For Updated Version of Hollymoor");

// The check's title line above a failure.
std::string Failure(const std::string& text) {
  return core::Tr("Update", kCheckTitle) + "\n" + text;
}

// A check the user started always ends with an answer, even when no server answered.
void ReportUnreachable(bool bAbout, Ui& ui) {
  if (bAbout) return;
  ui.MsgBox(Failure(core::Tr("Update",
                             "Failed: could not reach the update server\n"
                             "Check your internet connection, or try again later\n")),
            mb::kCritical, kDefaultTitle);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exactly major.minor.revision, each a whole number of at most five digits: anything else
// from the server (markup, a link, a long text) is not shown to the user.
bool IsStrictVersion(const std::string& s) {
  int parts = 0;
  std::size_t i = 0;
  while (true) {
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (digits == 0 || digits > 5) return false;
    ++parts;
    if (i == s.size()) return parts == 3;
    if (s[i] != '.' || parts == 3) return false;
    ++i;
  }
}
bool IsHttps(const std::string& url) {
  static const std::string kScheme = "https://";
  if (url.size() < kScheme.size()) return false;
  for (std::size_t i = 0; i < kScheme.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(url[i])) != kScheme[i]) return false;
  return true;
}
}  // namespace

std::string FormUrlEncode(const std::string& value) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : value) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(static_cast<char>(c)) ||
        c == '-' || c == '_' || c == '.' || c == '*') {
      out += static_cast<char>(c);
    } else if (c == ' ') {
      out += '+';
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string VersionText(int major, int minor, int revision) {
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

void SplitUrl(const std::string& url, std::string& host, std::string& path) {
  std::size_t slash = url.find('/');
  if (slash == std::string::npos || slash + 2 > url.size())
    throw std::invalid_argument("address without a host: " + url);
  std::string rest = url.substr(slash + 2);
  std::size_t next = rest.find('/');
  if (next == std::string::npos) throw std::invalid_argument("address without a path: " + url);
  host = rest.substr(0, next);
  path = rest.substr(next);
}

void EvaluateVersionReply(const std::string& reply, bool bAbout, const UpdateCheckConfig& config,
                          Ui& ui) {
  const std::string marker = "VERSION=" + config.version_text + ",";
  if (reply.find(">Error<") != std::string::npos) {
    if (!bAbout)
      ui.MsgBox(Failure(core::Tr("Update",
                                 "Failed: Unable to verify current version number\nTry again "
                                 "later\n")),
                mb::kCritical, kDefaultTitle);
    return;
  }
  if (reply.find(marker) != std::string::npos) {
    if (!bAbout)
      ui.MsgBox(core::Tr("Update", "You have the most recent version of Hollymoor\n"),
                mb::kInformation, kDefaultTitle);
    return;
  }
  std::size_t at = reply.find("VERSION=");
  if (at == std::string::npos) return ReportUnreachable(bAbout, ui);
  std::string after = reply.substr(at + 8);
  std::size_t comma = after.find(',');
  if (comma == std::string::npos) return ReportUnreachable(bAbout, ui);
  const std::string version = after.substr(0, comma);
  if (!IsStrictVersion(version)) return ReportUnreachable(bAbout, ui);
  // News of a newer version is shown even to the quiet check.
  ui.MsgBox(core::Arg(core::Tr("Update",
                               "A new version %1 is now available for download.\n"
                               "Click on the link on the about dialog to download\n"
                               "or goto %2\n"),
                      {version, config.home_page}),
            mb::kInformation, kDefaultTitle);
}

void CheckForNewVersion(bool bAbout, const UpdateCheckConfig& config, const std::string& user_email,
                        HttpPort& http, Ui& ui, std::function<void()> finished) {
  auto ran = std::make_shared<bool>(false);
  auto finish = [finished, ran] {
    if (*ran) return;
    *ran = true;
    if (finished) finished();
  };
  // Any failure along the way ends the check; only a user-started one says so.
  try {
    if (!http.IsInternetConnected()) {
      if (!bAbout)
        ui.MsgBox(Failure(core::Tr("Update",
                                   "Failed: You do not appear to be connected to the internet\n")),
                  mb::kCritical, kDefaultTitle);
      finish();
      return;
    }
    const std::string body = "UserEmail=" + FormUrlEncode(user_email);
    std::string host, path;
    SplitUrl(config.check_url, host, path);
    auto evaluate = [bAbout, config, &ui, finish](std::string reply) {
      try {
        EvaluateVersionReply(reply, bAbout, config, ui);
      } catch (...) {
        ReportUnreachable(bAbout, ui);
      }
      finish();
    };
    // The address goes out encrypted whenever the configured address asks for it.
    if (IsHttps(config.check_url))
      http.PostHttpsForm(host, path, body, evaluate);
    else
      http.PostHttpForm(host, path, body, evaluate);
  } catch (...) {
    ReportUnreachable(bAbout, ui);
    finish();
  }
}

}  // namespace roster
