#pragma once
// The update check: post the user's address to the version-check script and tell the user
// whether a newer version than this one is out. The decisions live here; the HTTP goes through
// HttpPort and every message through the Ui port.

#include <functional>
#include <string>

#include "core/http_port.h"
#include "core/ui_port.h"

namespace roster {

struct UpdateCheckConfig {
  std::string version_text;  // this program's version, "major.minor.revision"
  std::string check_url;     // "https://host/cgi-local/hlmr_versioncheck.cgi" (or http://)
  std::string home_page;     // named in the new-version message
};

// The three numbers joined by "."; the build number is not part of it.
std::string VersionText(int major, int minor, int revision);

// Host is what follows the scheme's "//" up to the next "/", path the rest from that "/" on.
// Throws std::invalid_argument when the address has no such parts.
void SplitUrl(const std::string& url, std::string& host, std::string& path);

// A form value as application/x-www-form-urlencoded carries it ("a+b@x.org" -> "a%2Bb%40x.org").
std::string FormUrlEncode(const std::string& value);

// Runs the check. With bAbout false every outcome is reported; with bAbout true only the news
// of a newer version. `finished` runs once the check is over, whichever way it ended.
void CheckForNewVersion(bool bAbout, const UpdateCheckConfig& config, const std::string& user_email,
                        HttpPort& http, Ui& ui, std::function<void()> finished = {});

// The decision on one reply (the tail of the check, public for tests and callers that fetch
// the reply themselves).
void EvaluateVersionReply(const std::string& reply, bool bAbout, const UpdateCheckConfig& config,
                          Ui& ui);

}  // namespace roster
