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
#include "core/tr.h"
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
    if (i) out += i + 1 == indices.size() ? core::Tr("Cli", " and ") : std::string(", ");
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
      return core::Arg(core::Tr("Cli", "nobody can give to %1 (everybody else excludes them)"),
                       {Describe(roster, why.receiver + 1)});
    case Kind::kGiversShort:
      if (why.receivers.empty())
        return core::Arg(why.givers.size() == 1 ? core::Tr("Cli", "%1 cannot give to anybody")
                                                : core::Tr("Cli", "%1 can not give to anybody"),
                         {JoinNames(roster, why.givers)});
      return core::Arg(why.receivers.size() == 1
                           ? core::Tr("Cli", "%1 can only give to %2: %3 givers for %4 receiver")
                           : core::Tr("Cli", "%1 can only give to %2: %3 givers for %4 receivers"),
                       {JoinNames(roster, why.givers), JoinNames(roster, why.receivers),
                        std::to_string(why.givers.size()), std::to_string(why.receivers.size())});
    case Kind::kClosedGroup:
      return core::Arg(
          core::Tr("Cli",
                   "%1 can only give among themselves, so no single loop can include everybody"),
          {JoinNames(roster, why.givers)});
    case Kind::kNoSingleLoop:
      return core::Tr("Cli",
                      "no single loop runs through everybody (every possible drawing was counted)");
    case Kind::kOnlySwappedPairs:
      return core::Tr("Cli",
                      "every possible drawing has two people drawing each other (every possible "
                      "drawing was counted)");
  }
  return {};
}

}  // namespace

std::string NoDrawingReason(const roster::Roster& roster) {
  const int n = roster.ParticipantCount();
  if (n == 0) return core::Tr("Cli", "the roster has no participants");
  const roster::ExclusionGraph graph = roster::ReadExclusionGraph(roster.grid());
  // The plainest reason first: somebody whom everybody else excludes.
  if (const int nobody = roster::UndrawableReceiver(graph); nobody >= 0 && n > 1)
    return core::Arg(core::Tr("Cli", "nobody can give to %1 (everybody else excludes them)"),
                     {Describe(roster, nobody + 1)});
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
    const std::string& name = grid.TextMatrix(row, roster::kColName);
    const std::string who =
        name.empty() ? core::Arg(core::Tr("Cli", "row %1"), {std::to_string(row)})
                     : core::Arg(core::Tr("Cli", "row %1 (%2)"), {std::to_string(row), name});
    if (name.empty()) problems.push_back(core::Arg(core::Tr("Cli", "%1: empty name"), {who}));
    const std::string& address = grid.TextMatrix(row, roster::kColEmail);
    // The documented rule is looser than what a server or the mailer takes as a recipient.
    if (!roster::ValidateEmailAddress(ctx.ui, address) || !mail::LooksLikeAddress(address))
      problems.push_back(
          core::Arg(core::Tr("Cli", "%1: invalid e-mail address \"%2\""), {who, address}));
    const std::string& list = grid.TextMatrix(row, roster::kColExclusions);
    std::size_t start = 0;
    while (!list.empty() && start <= list.size()) {
      std::size_t comma = list.find(',', start);
      if (comma == std::string::npos) comma = list.size();
      const std::string token = list.substr(start, comma - start);
      int number = 0;
      if (!roster::ParseNumber(token, number) || number < 1 || number > n)
        problems.push_back(
            core::Arg(core::Tr("Cli", "%1: exclusion \"%2\" names no participant"), {who, token}));
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
  std::fprintf(
      ctx.out, "%s\n",
      core::Arg(n == 1 ? core::Tr("Cli", "%1 participant") : core::Tr("Cli", "%1 participants"),
                {std::to_string(n)})
          .c_str());
  const std::vector<std::string> problems = RosterProblems(ctx, *roster);
  for (const std::string& p : problems)
    std::fprintf(ctx.out, "%s\n",
                 core::Arg(core::Tr("Cli", "problem: %1"), {TerminalSafe(p)}).c_str());
  const std::string reason = NoDrawingReason(*roster);
  if (!reason.empty()) {
    std::fprintf(
        ctx.out, "%s\n",
        core::Arg(core::Tr("Cli", "no drawing exists: %1"), {TerminalSafe(reason)}).c_str());
    return kExitNoDrawing;
  }
  std::fprintf(ctx.out, "%s\n", core::Tr("Cli", "a drawing exists").c_str());
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
      throw CliError(
          kExitBadInput,
          core::Arg(core::Tr("Cli", "draw: --seed needs a whole number, not '%1'"), {*text}));
    seed = value;
  }
  auto roster = LoadForDrawing(ctx);
  if (seed) roster->SetRandom(std::make_unique<roster::Xoshiro256>(*seed));
  const int n = roster->ParticipantCount();
  if (n == 0)
    throw CliError(kExitNoDrawing, core::Tr("Cli", "draw: the roster has no participants"));

  ApplyDrawingChoices(ctx, *roster);
  roster->ResetSelection(false);
  if (!roster->CalculateDrawing()) {
    // Not proven impossible: an option's search ran out of time.
    if (roster->LastDrawing().timed_out) return kExitFailed;
    // The abort box has been printed; say why as well.
    // A drawing may exist without the options; then the options' own proof says why.
    std::string reason = NoDrawingReason(*roster);
    if (reason.empty()) reason = ObstructionReason(*roster, roster->LastDrawing().obstruction);
    if (!reason.empty())
      std::fprintf(stderr, "%s\n",
                   core::Arg(core::Tr("Cli", "reason: %1"), {TerminalSafe(reason)}).c_str());
    return kExitNoDrawing;
  }
  std::fprintf(ctx.out, "%s\n", roster->DrawingSummary().c_str());
  if (!ctx.args.Has("reveal")) {
    std::fprintf(
        ctx.out, "%s\n",
        core::Arg(
            core::Tr("Cli", "A drawing was found for %1 participants (not shown; use --reveal)."),
            {std::to_string(n)})
            .c_str());
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
