#include "files/history.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "core/private_files.h"
#include "core/tr.h"
#include "files/atomic_file.h"
#include "files/ledger.h"
#include "files/list_file.h"
#include "platform/files.h"

namespace files {

namespace {

using roster::kColEmail;
using roster::kColExclusions;
using roster::kColName;
using roster::kColNotes;
using roster::kColNumber;

// Texts without these characters come out byte for byte; with them they still show as typed.
// The log's own path is escaped too: a folder name may hold "&" or "<".
std::string Html(const std::string& text) {
  if (text.find_first_of("&<>\"") == std::string::npos) return text;
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void Cell(std::string& out, const char* width, const std::string& text, const char* after) {
  out += "<td width=\"";
  out += width;
  out += "\">";
  out += Html(text);
  out += "</td>";
  out += after;
  out += "\r\n";
}

// Creates `path` only if nothing has that name; errno tells why not.
bool CreateExclusively(const std::filesystem::path& path) {
  std::FILE* f = platform::CreateNewFile(path, true);
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

std::filesystem::path ClaimArchiveName(const std::filesystem::path& folder,
                                       const roster::Clock& clock) {
  const std::string minute = DateTimeName(clock);
  // Far more than a minute can hold; a folder that refuses every name ends the search.
  for (int n = 1; n <= 10000; ++n) {
    const std::filesystem::path base =
        folder / (n == 1 ? minute : minute + "_" + std::to_string(n));
    std::error_code ec;
    bool taken = false;
    for (const char* ext : {kListExtension, kLogExtension, kLedgerExtension}) {
      std::filesystem::path p = base;
      p += ext;
      if (std::filesystem::exists(std::filesystem::symlink_status(p, ec))) taken = true;
    }
    if (taken) continue;
    std::filesystem::path ledger = base;
    ledger += kLedgerExtension;
    errno = 0;
    if (CreateExclusively(ledger)) return base;
    if (errno != EEXIST) return {};
  }
  return {};
}

std::string DateTimeName(const roster::Clock& clock) {
  std::tm t = clock.LocalNow();
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%d-%H%M", &t);
  return buf;
}

std::string FormatHistoryLog(const roster::Roster& roster, const std::string& log_path) {
  const roster::Grid& grid = roster.grid();
  const std::string p = Html(log_path);
  std::string out;
  out.reserve(1024 + static_cast<std::size_t>(grid.Rows()) * 256);
  out += "<html><head><title>" + p + "</title></head><body><table cellpadding=\"4\">\r\n";
  out += "<tr><td width=\"16%\" colspan=\"6\" bgcolor=\"#C0C0C0\"><b>Hollymoor History Log File " +
         p + "</b></td></tr>\r\n";
  // How the drawing was made and under which options; never who drew whom.
  if (const std::string how = roster.DrawingSummary(); !how.empty())
    out += "<tr><td colspan=\"6\">" + Html(how) + "</td></tr>\r\n";
  static constexpr const char* kHeads[6][3] = {{"<tr>", "16%", "#"},
                                               {"", "16%", "Exclusion #"},
                                               {"", "17%", "Participant Name"},
                                               {"", "17%", "Email Address"},
                                               {"", "17%", "Secret Santa For"},
                                               {"", "17%", "Notes"}};
  for (int i = 0; i < 6; ++i) {
    out += kHeads[i][0];
    out += "<td width=\"";
    out += kHeads[i][1];
    out += "\" bgcolor=\"#808080\"><font color=\"#FFFFFF\"><b>";
    out += kHeads[i][2];
    out += i == 5 ? "</b></font></td></tr>\r\n" : "</b></font></td>\r\n";
  }
  for (int r = 1; r < grid.Rows(); ++r) {
    out += "<tr>";
    Cell(out, "16%", grid.TextMatrix(r, kColNumber), "");
    Cell(out, "16%", grid.TextMatrix(r, kColExclusions), "");
    Cell(out, "17%", grid.TextMatrix(r, kColName), "");
    Cell(out, "17%", grid.TextMatrix(r, kColEmail), "");
    Cell(out, "17%", ReceiverName(grid, r), "");
    Cell(out, "17%", grid.TextMatrix(r, kColNotes), "</tr>");
  }
  out += "</table></body></html>\r\n";
  // The layout names no character set, so a browser would have to guess at UTF-8 names;
  // a byte-order mark settles it. Logs in plain ASCII stay exactly as laid out.
  if (std::any_of(out.begin(), out.end(),
                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
    out.insert(0, "\xEF\xBB\xBF");
  return out;
}

void WriteHistoryLog(roster::Roster& roster, const std::filesystem::path& log_path) {
  if (!WriteFileAtomically(log_path, FormatHistoryLog(roster, log_path.string()))) {
    roster.ui().MsgBox(
        core::Arg(core::Tr("Roster", "Error while attempting to save information to log file [%1]"),
                  {log_path.string()}),
        roster::mb::kCritical);
  }
}

namespace {

void DisableCalculate(roster::Roster& roster) {
  for (const char* name : {"mnuCalculateView", "mnuCalculateSend", "CALCVIEW", "CALCSEND"})
    roster.commands().SetEnabled(name, false);
}

}  // namespace

std::filesystem::path ResendLedger(roster::Roster& roster, const std::filesystem::path& archive) {
  DisableCalculate(roster);
  const std::filesystem::path ledger = LedgerPathFor(archive);
  std::error_code ec;
  const auto size = std::filesystem::file_size(ledger, ec);
  if (ec) return {};
  if (size == 0) {
    // Only the people this re-send reaches would be listed, and the rest taken as reached.
    mail::Deliveries everyone;
    for (int row = 1; row <= roster.ParticipantCount(); ++row)
      everyone.push_back({row, roster.grid().TextMatrix(row, kColName), {}, {}, {}});
    std::string error;
    LedgerWriter::Start(ledger, everyone, error);  // a failure shows when the run begins
  }
  return ledger;
}

std::filesystem::path SaveDrawingHistory(roster::Roster& roster, const roster::Clock& clock,
                                         const std::filesystem::path& data_dir) {
  DisableCalculate(roster);
  const std::filesystem::path folder = data_dir / kHistoryFolder;
  if (!core::EnsurePrivateFolder(folder)) {
    roster.ui().MsgBox(core::Tr("Roster", "Error while attempting to send messages"),
                       roster::mb::kCritical);
    return {};
  }
  const std::filesystem::path base = ClaimArchiveName(folder, clock);
  if (base.empty()) {
    roster.ui().MsgBox(core::Tr("Roster", "Error while attempting to send messages"),
                       roster::mb::kCritical);
    return {};
  }
  std::filesystem::path list = base, log = base;
  list += kListExtension;
  log += kLogExtension;
  // Without its list file there is no archive: nothing to re-send from, so nothing to send.
  if (!SaveParticipantFile(roster, list, true)) return {};
  WriteHistoryLog(roster, log);
  return list;
}

}  // namespace files
