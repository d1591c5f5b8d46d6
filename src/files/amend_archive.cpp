#include "files/amend_archive.h"

#include <algorithm>
#include <regex>
#include <system_error>
#include <unordered_map>

#include "core/tr.h"
#include "files/atomic_file.h"
#include "files/history.h"
#include "files/ledger.h"
#include "files/list_file.h"
#include "files/past_drawings.h"

namespace files {

namespace fs = std::filesystem;

namespace {

const std::regex& VersionPattern() {
  static const std::regex pattern("(.*)-v([0-9]{1,6})");
  return pattern;
}

fs::path VersionPath(const fs::path& first, int version, const char* extension) {
  return first.parent_path() / (first.stem().string() + "-v" + std::to_string(version) + extension);
}

void WriteResults(roster::Grid& grid, const std::vector<int>& receiver_of) {
  for (std::size_t g = 0; g < receiver_of.size(); ++g)
    grid.SetTextMatrix(static_cast<int>(g) + 1, roster::kColResult,
                       std::to_string(receiver_of[g] + 1));
}

}  // namespace

fs::path FirstArchiveVersion(const fs::path& archive) {
  std::smatch m;
  const std::string stem = archive.stem().string();
  if (!std::regex_match(stem, m, VersionPattern())) return archive;
  return archive.parent_path() / (m[1].str() + archive.extension().string());
}

int ArchiveVersion(const fs::path& archive) {
  std::smatch m;
  const std::string stem = archive.stem().string();
  return std::regex_match(stem, m, VersionPattern()) ? std::stoi(m[2].str()) : 1;
}

fs::path LatestArchiveVersion(const fs::path& archive) {
  const fs::path first = FirstArchiveVersion(archive);
  fs::path latest = archive;
  int best = ArchiveVersion(archive);
  std::error_code ec;
  for (fs::directory_iterator it(first.parent_path().empty() ? "." : first.parent_path(), ec), end;
       !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (p.extension() != kListExtension) continue;
    if (FirstArchiveVersion(p).filename() != first.filename()) continue;
    const int v = ArchiveVersion(p);
    if (v > best) {
      best = v;
      latest = first.parent_path() / p.filename();
    }
  }
  return latest;
}

fs::path LatestLogVersion(const fs::path& log) {
  fs::path list = log;
  list.replace_extension(kListExtension);
  fs::path latest = LatestArchiveVersion(list);
  latest.replace_extension(kLogExtension);
  std::error_code ec;
  return fs::exists(latest, ec) ? latest : log;
}

std::optional<std::vector<int>> UnreachedRows(const roster::Roster& roster, const fs::path& latest,
                                              std::string& error) {
  const fs::path first = FirstArchiveVersion(latest);
  std::unordered_map<std::string, bool> reached;
  bool any = false;
  for (int v = 1; v <= ArchiveVersion(latest); ++v) {
    const fs::path list = v == 1 ? first : VersionPath(first, v, kListExtension);
    std::error_code ec;
    if (!fs::exists(LedgerPathFor(list), ec)) continue;
    std::string why;
    const auto contents = ReadLedger(LedgerPathFor(list), why);
    if (!contents) continue;
    any = true;
    for (const LedgerEntry& e : contents->entries)
      reached[e.name] = e.outcome.state == mail::DeliveryState::kAccepted;
  }
  if (!any) {
    error = core::Arg(core::Tr("Files", "no delivery ledger beside [%1] or its earlier versions"),
                      {latest.string()});
    return std::nullopt;
  }
  std::vector<int> rows;
  for (int row = 1; row <= roster.ParticipantCount(); ++row) {
    auto it = reached.find(roster.grid().TextMatrix(row, roster::kColName));
    if (it == reached.end() || !it->second) rows.push_back(row);
  }
  return rows;
}

std::vector<int> ReplacingRows(const roster::Roster& roster, const fs::path& latest) {
  const fs::path first = FirstArchiveVersion(latest);
  std::unordered_map<std::string, int> row_of;
  for (int row = 1; row <= roster.ParticipantCount(); ++row)
    row_of[roster.grid().TextMatrix(row, roster::kColName)] = row;
  std::vector<int> rows;
  for (int v = 1; v < ArchiveVersion(latest); ++v) {
    const fs::path list = v == 1 ? first : VersionPath(first, v, kListExtension);
    std::string why;
    const auto contents = ReadLedger(LedgerPathFor(list), why);
    if (!contents) continue;
    std::unordered_map<std::string, std::string> receiver_of;
    for (const auto& [giver, receiver] : ReadArchivedPairs(list))
      receiver_of[giver.name] = receiver.name;
    for (const LedgerEntry& e : contents->entries) {
      // Only a message that may have arrived can have misled its reader.
      if (e.outcome.state != mail::DeliveryState::kAccepted &&
          e.outcome.state != mail::DeliveryState::kUnconfirmed)
        continue;
      const auto row = row_of.find(e.name);
      const auto then = receiver_of.find(e.name);
      if (row == row_of.end() || then == receiver_of.end()) continue;
      if (then->second != ReceiverName(roster.grid(), row->second) &&
          std::find(rows.begin(), rows.end(), row->second) == rows.end())
        rows.push_back(row->second);
    }
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::optional<std::vector<int>> ReadDrawing(const roster::Roster& roster) {
  const int n = roster.ParticipantCount();
  std::vector<int> receiver_of;
  for (int row = 1; row <= n; ++row) {
    int r = 0;
    if (!roster::ParseNumber(roster.grid().TextMatrix(row, roster::kColResult), r) || r < 1 ||
        r > n)
      return std::nullopt;
    receiver_of.push_back(r - 1);
  }
  return receiver_of;
}

namespace {

DrawingChange Refused(std::string reason, bool bad_input = true) {
  DrawingChange out;
  out.bad_input = bad_input;
  out.reason = std::move(reason);
  return out;
}

}  // namespace

DrawingChange JoinDrawing(roster::Roster& roster, const std::string& name, const std::string& email,
                          const std::string& notes, roster::Random& random) {
  if (name.empty()) return Refused(core::Tr("Files", "the new participant needs a name"));
  const int n = roster.ParticipantCount();
  for (int row = 1; row <= n; ++row)
    if (roster.grid().TextMatrix(row, roster::kColName) == name)
      return Refused(
          core::Arg(core::Tr("Files", "there is already a participant named %1"), {name}));
  const auto drawing = ReadDrawing(roster);
  if (!drawing || n < 2) return Refused(core::Tr("Files", "the archive holds no complete drawing"));
  // The newcomer comes without exclusions; everybody else keeps theirs.
  const roster::ExclusionGraph old_graph = roster::ReadExclusionGraph(roster.grid());
  roster::ExclusionGraph graph(n + 1);
  for (int g = 0; g < n; ++g)
    for (int r : old_graph.Forbidden(g)) graph.Forbid(g, r);
  graph.Finish();
  const roster::AmendOutcome out = roster::SpliceJoiner(graph, *drawing, random);
  if (!out.ok) return Refused(roster::DescribeAmendFailure(out.failure, name), false);
  roster.AddParticipant("", name, email, notes, false);
  WriteResults(roster.grid(), out.receiver_of);
  DrawingChange change;
  change.ok = true;
  for (int g : out.changed) change.changed_rows.push_back(g + 1);
  return change;
}

DrawingChange LeaveDrawing(roster::Roster& roster, int row, roster::Random& random) {
  const int n = roster.ParticipantCount();
  if (row < 1 || row > n) return Refused(core::Tr("Files", "no such participant"));
  const auto drawing = ReadDrawing(roster);
  if (!drawing) return Refused(core::Tr("Files", "the archive holds no complete drawing"));
  const roster::AmendOutcome out = roster::RemoveFromDrawing(
      roster::ReadExclusionGraph(roster.grid()), *drawing, row - 1, random);
  const std::string& name = roster.grid().TextMatrix(row, roster::kColName);
  if (!out.ok) return Refused(roster::DescribeAmendFailure(out.failure, name), false);
  roster::Grid& grid = roster.grid();
  grid.SetRow(row);
  roster.EditRow = row;
  roster.RemoveParticipant();
  WriteResults(grid, out.receiver_of);
  DrawingChange change;
  change.ok = true;
  for (int g : out.changed) change.changed_rows.push_back(g + 1);
  return change;
}

std::optional<fs::path> WriteAmendedArchive(roster::Roster& roster, const fs::path& amended,
                                            const std::vector<int>& to_notify) {
  const fs::path previous = LatestArchiveVersion(amended);
  const fs::path first = FirstArchiveVersion(previous);
  int version = ArchiveVersion(previous) + 1;
  std::error_code ec;
  while (fs::exists(VersionPath(first, version, kListExtension), ec) ||
         fs::exists(VersionPath(first, version, kLogExtension), ec) ||
         fs::exists(VersionPath(first, version, kLedgerExtension), ec))
    ++version;
  const fs::path list = VersionPath(first, version, kListExtension);
  const fs::path log = VersionPath(first, version, kLogExtension);
  // The ledger first: a version on disk without it would leave the changed givers to the
  // earlier ledgers, which record their old messages as reached.
  mail::Deliveries deliveries;
  for (int row : to_notify)
    deliveries.push_back({row, roster.grid().TextMatrix(row, roster::kColName), {}, {}, {}});
  std::string error;
  if (!to_notify.empty() && !LedgerWriter::Start(LedgerPathFor(list), deliveries, error)) {
    roster.ui().MsgBox(
        core::Arg(core::Tr("Files", "Error while attempting to save information to file [%1]"),
                  {LedgerPathFor(list).string()}),
        roster::mb::kCritical);
    return std::nullopt;
  }
  if (!WriteFileAtomically(list, FormatParticipantFile(roster, true))) {
    roster.ui().MsgBox(
        core::Arg(core::Tr("Files", "Error while attempting to save information to file [%1]"),
                  {list.string()}),
        roster::mb::kCritical);
    return std::nullopt;
  }
  // The log says which drawing it replaces, right under its title line.
  std::string text = FormatHistoryLog(roster, log.string());
  const std::string title_end = "</b></td></tr>\r\n";
  const std::size_t at = text.find(title_end);
  if (at != std::string::npos)
    text.insert(at + title_end.size(),
                "<tr><td colspan=\"6\">Amends " + previous.filename().string() + "</td></tr>\r\n");
  if (!WriteFileAtomically(log, text))
    roster.ui().MsgBox(
        core::Arg(core::Tr("Files", "Error while attempting to save information to log file [%1]"),
                  {log.string()}),
        roster::mb::kCritical);
  return list;
}

}  // namespace files
