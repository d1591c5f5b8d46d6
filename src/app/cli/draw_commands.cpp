// hollymoor-cli check and draw: the roster reader and the drawing of the desktop program.

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/context.h"
#include "app/cli/drawing_options.h"
#include "app/cli/roster_file.h"
#include "app/cli/terminal_text.h"
#include "core/random.h"
#include "drawing/draw_engine.h"
#include "drawing/matching.h"
#include "mail/contacts/contacts.h"
#include "roster/roster.h"
#include "roster/validation.h"

namespace cli {
namespace {

std::string JoinNames(const roster::Roster& roster, const std::vector<int>& indices) {
  std::string out;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i) out += i + 1 == indices.size() ? " and " : ", ";
    out += Describe(roster, indices[i] + 1);
  }
  return out;
}

// The options' kinds come only from a drawing that tried them; a plain matching gives the rest.
std::string ObstructionReason(const roster::Roster& roster, const roster::Obstruction& why) {
  using Kind = roster::Obstruction::Kind;
  switch (why.kind) {
    case Kind::kNone:
      return {};
    case Kind::kUndrawableReceiver:
      return "nobody can give to " + Describe(roster, why.receiver + 1) +
             " (everybody else excludes them)";
    case Kind::kGiversShort:
      if (why.receivers.empty())
        return JoinNames(roster, why.givers) + (why.givers.size() == 1 ? " cannot" : " can not") +
               " give to anybody";
      return JoinNames(roster, why.givers) + " can only give to " +
             JoinNames(roster, why.receivers) + ": " + std::to_string(why.givers.size()) +
             " givers for " + std::to_string(why.receivers.size()) +
             (why.receivers.size() == 1 ? " receiver" : " receivers");
    case Kind::kClosedGroup:
      return JoinNames(roster, why.givers) +
             " can only give among themselves, so no single loop can include everybody";
    case Kind::kNoSingleLoop:
      return "no single loop runs through everybody (every possible drawing was counted)";
    case Kind::kOnlySwappedPairs:
      return "every possible drawing has two people drawing each other (every possible drawing "
             "was counted)";
  }
  return {};
}

}  // namespace

std::string NoDrawingReason(const roster::Roster& roster) {
  const int n = roster.ParticipantCount();
  if (n == 0) return "the roster has no participants";
  const roster::ExclusionGraph graph = roster::ReadExclusionGraph(roster.grid());
  // The plainest reason first: somebody whom everybody else excludes.
  if (const int nobody = roster::UndrawableReceiver(graph); nobody >= 0 && n > 1)
    return "nobody can give to " + Describe(roster, nobody + 1) + " (everybody else excludes them)";
  roster::Xoshiro256 random(1);
  const roster::Matching matching = roster::MaximumMatching(graph, random);
  return ObstructionReason(roster, roster::FindObstruction(graph, matching));
}

namespace {

// Problems the desktop program would let pass but a drawing or a send would trip over.
std::vector<std::string> RosterProblems(Context& ctx, const roster::Roster& roster) {
  std::vector<std::string> problems;
  const roster::Grid& grid = roster.grid();
  const int n = roster.ParticipantCount();
  ctx.ui.SetEchoing(false);  // the address rule reports through a message box
  for (int row = 1; row <= n; ++row) {
    const std::string who = "row " + std::to_string(row) +
                            (grid.TextMatrix(row, roster::kColName).empty()
                                 ? ""
                                 : " (" + grid.TextMatrix(row, roster::kColName) + ")");
    if (grid.TextMatrix(row, roster::kColName).empty()) problems.push_back(who + ": empty name");
    const std::string& address = grid.TextMatrix(row, roster::kColEmail);
    // The documented rule is looser than what a server or the mailer takes as a recipient.
    if (!roster::ValidateEmailAddress(ctx.ui, address) || !mail::LooksLikeAddress(address))
      problems.push_back(who + ": invalid e-mail address \"" + address + "\"");
    const std::string& list = grid.TextMatrix(row, roster::kColExclusions);
    std::size_t start = 0;
    while (!list.empty() && start <= list.size()) {
      std::size_t comma = list.find(',', start);
      if (comma == std::string::npos) comma = list.size();
      const std::string token = list.substr(start, comma - start);
      int number = 0;
      if (!roster::ParseNumber(token, number) || number < 1 || number > n)
        problems.push_back(who + ": exclusion \"" + token + "\" names no participant");
      start = comma + 1;
    }
  }
  ctx.ui.SetEchoing(true);
  return problems;
}

std::unique_ptr<roster::Roster> LoadForDrawing(Context& ctx) {
  // Status texts of a drawing are progress, worth showing only on a terminal.
  ctx.ui.SetShowStatus(false);
  auto roster = NewRoster(ctx.ui);
  LoadRoster(ctx, *roster, ctx.args.operands.at(0), /*re_send=*/false);
  return roster;
}

}  // namespace

int RunCheck(Context& ctx) {
  auto roster = LoadForDrawing(ctx);
  const int n = roster->ParticipantCount();
  std::fprintf(ctx.out, "%d participant%s\n", n, n == 1 ? "" : "s");
  const std::vector<std::string> problems = RosterProblems(ctx, *roster);
  for (const std::string& p : problems)
    std::fprintf(ctx.out, "problem: %s\n", TerminalSafe(p).c_str());
  const std::string reason = NoDrawingReason(*roster);
  if (!reason.empty()) {
    std::fprintf(ctx.out, "no drawing exists: %s\n", TerminalSafe(reason).c_str());
    return kExitNoDrawing;
  }
  std::fprintf(ctx.out, "a drawing exists\n");
  ApplyDrawingChoices(ctx, *roster);
  return ReportDrawingChoices(ctx, *roster);
}

int RunDraw(Context& ctx) {
  std::optional<std::uint64_t> seed;
  if (auto text = ctx.args.Value("seed")) {
    std::uint64_t value = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (text->empty() || ec != std::errc() || ptr != end)
      throw CliError(kExitBadInput, "draw: --seed needs a whole number, not '" + *text + "'");
    seed = value;
  }
  auto roster = LoadForDrawing(ctx);
  if (seed) roster->SetRandom(std::make_unique<roster::Xoshiro256>(*seed));
  const int n = roster->ParticipantCount();
  if (n == 0) throw CliError(kExitNoDrawing, "draw: the roster has no participants");

  ApplyDrawingChoices(ctx, *roster);
  roster->ResetSelection(false);
  if (!roster->CalculateDrawing()) {
    // Not proven impossible: an option's search ran out of time.
    if (roster->LastDrawing().timed_out) return kExitFailed;
    // The abort box has been printed; say why as well.
    // A drawing may exist without the options; then the options' own proof says why.
    std::string reason = NoDrawingReason(*roster);
    if (reason.empty()) reason = ObstructionReason(*roster, roster->LastDrawing().obstruction);
    if (!reason.empty()) std::fprintf(stderr, "reason: %s\n", TerminalSafe(reason).c_str());
    return kExitNoDrawing;
  }
  std::fprintf(ctx.out, "%s\n", roster->DrawingSummary().c_str());
  if (!ctx.args.Has("reveal")) {
    std::fprintf(ctx.out, "A drawing was found for %d participants (not shown; use --reveal).\n",
                 n);
    return kExitOk;
  }
  const roster::Grid& grid = roster->grid();
  for (int row = 1; row <= n; ++row) {
    int receiver = 0;
    roster::ParseNumber(grid.TextMatrix(row, roster::kColResult), receiver);
    std::fprintf(ctx.out, "%s -> %s\n",
                 TerminalSafe(grid.TextMatrix(row, roster::kColName)).c_str(),
                 TerminalSafe(grid.TextMatrix(receiver, roster::kColName)).c_str());
  }
  return kExitOk;
}

}  // namespace cli
