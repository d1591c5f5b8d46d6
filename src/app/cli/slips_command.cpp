// hollymoor-cli slips: sealed printed slips of an archived drawing, for people without e-mail.

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "app/cli/context.h"
#include "app/cli/roster_file.h"
#include "core/tr.h"
#include "files/amend_archive.h"
#include "files/list_file.h"
#include "ui/slips_pdf.h"

namespace cli {

int RunSlips(Context& ctx) {
  const auto out = ctx.args.Value("out");
  if (!out || out->empty())
    throw CliError(kExitBadInput, core::Tr("Cli", "slips: --out FILE.pdf is required"));
  const std::vector<std::string>& to = ctx.args.All("to");
  const std::filesystem::path given = ctx.args.operands.at(0);
  const std::filesystem::path archive = files::LatestArchiveVersion(given);
  if (archive != given)
    std::fprintf(
        stderr, "%s\n",
        core::Arg(core::Tr("Cli", "the newest version of this drawing is [%1]; printing that one"),
                  {archive.string()})
            .c_str());
  auto roster = NewRoster(ctx.ui);
  LoadRoster(ctx, *roster, archive, /*re_send=*/true);

  std::set<std::string> wanted(to.begin(), to.end());
  if (ctx.args.Has("pending")) {
    if (!to.empty())
      throw CliError(kExitBadInput, core::Tr("Cli", "slips: give either --to or --pending"));
    std::string error;
    const auto rows = files::UnreachedRows(*roster, archive, error);
    if (!rows) throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "slips: %1"), {error}));
    if (rows->empty()) {
      std::fprintf(ctx.out, "%s\n",
                   core::Tr("Cli", "everybody was reached; no slips written").c_str());
      return kExitOk;
    }
    for (int row : *rows) wanted.insert(roster->grid().TextMatrix(row, roster::kColName));
  }
  std::set<std::string> found;
  std::vector<ui::Slip> slips;
  const roster::Grid& grid = roster->grid();
  for (int row = 1; row <= roster->ParticipantCount(); ++row) {
    const std::string& name = grid.TextMatrix(row, roster::kColName);
    if (!wanted.empty() && !wanted.count(name)) continue;
    found.insert(name);
    const std::string& receiver = files::ReceiverName(grid, row);
    int receiver_row = 0;
    roster::ParseNumber(grid.TextMatrix(row, roster::kColResult), receiver_row);
    slips.push_back({name, receiver, grid.TextMatrix(receiver_row, roster::kColNotes), {}});
  }
  for (const std::string& name : wanted)
    if (!found.count(name))
      throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "slips: nobody named '%1' in [%2]"),
                                              {name, archive.string()}));

  std::string error;
  if (!ui::WriteSlipsPdf(slips, *out, error))
    throw CliError(kExitFailed, core::Arg(core::Tr("Cli", "slips: %1"), {error}));
  std::fprintf(
      ctx.out, "%s\n",
      core::Arg(core::Tr("Cli", "%1 slips written to %2"), {std::to_string(slips.size()), *out})
          .c_str());
  return kExitOk;
}

}  // namespace cli
