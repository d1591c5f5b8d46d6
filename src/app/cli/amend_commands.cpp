// hollymoor-cli join and leave: change a sent drawing without a redraw, archive the change
// as a new version and notify exactly the givers whose receiver changed.

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/cli/context.h"
#include "app/cli/delivery.h"
#include "app/cli/roster_file.h"
#include "app/cli/send_options.h"
#include "core/tr.h"
#include "files/amend_archive.h"
#include "files/ledger.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& s) {
  if (s.find_first_of(" \"'\\$`!*?[]{}()<>|&;#~") == std::string::npos && !s.empty()) return s;
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::unique_ptr<roster::Random> Seeded(Context& ctx) {
  std::uint64_t seed = 0;
  if (auto text = ctx.args.Value("seed")) {
    try {
      seed = std::stoull(*text);
    } catch (const std::exception&) {
      throw CliError(kExitBadInput,
                     core::Arg(core::Tr("Cli", "--seed needs a whole number, not '%1'"), {*text}));
    }
  } else {
    std::random_device device;
    seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  }
  return std::make_unique<roster::Xoshiro256>(seed);
}

// Loads the newest version of the archive named on the command line, for re-sending.
std::unique_ptr<roster::Roster> LoadLatest(Context& ctx, fs::path& archive) {
  const fs::path given = ctx.args.operands.at(0);
  archive = files::LatestArchiveVersion(given);
  if (archive != given)
    std::fprintf(
        stderr, "%s\n",
        core::Arg(core::Tr("Cli", "the newest version of this drawing is [%1]; changing that one"),
                  {archive.string()})
            .c_str());
  auto roster = NewRoster(ctx.ui);
  LoadRoster(ctx, *roster, archive, /*re_send=*/true);
  return roster;
}

// Sends the archived drawing to the given rows only, as a re-send would, in one run that the
// version's ledger records; the `replacing` rows are told their message replaces an earlier
// one. Returns the rows whose message was accepted.
std::vector<int> SendTo(Context& ctx, const mail::MailSettings& settings, mail::SendValues values,
                        const fs::path& archive, const std::vector<int>& rows,
                        std::vector<int> replacing) {
  if (rows.empty()) return {};
  auto roster = NewRoster(ctx.ui);
  LoadRoster(ctx, *roster, archive, /*re_send=*/true);
  roster->UpdateButtonEnables(true);
  roster->ReSendMode = true;
  roster->UpdateButtonEnables(false);
  for (int row : rows) {
    roster->grid().SetRow(row);
    roster->grid().SetCol(roster::kColName);
    roster->MSFlexGrid_MouseDown(row, roster::kColName);
  }
  roster->SetReplacingRows(std::move(replacing));
  values.SendConfirmed = true;
  // The senders' "N Mail Messages Re-Sent" summaries would count each run separately; the
  // command prints one summary of its own and passes every other message box on.
  const std::size_t before = ctx.ui.boxes().size();
  ctx.ui.SetEchoing(false);
  Delivery delivery(ctx, *roster, settings, values);
  delivery.record().ContinueLedgerAt(files::LedgerPathFor(archive));
  if (settings.UseSMTP)
    delivery.SmtpSendDrawing();
  else
    delivery.MapiSendDrawing();
  ctx.ui.SetEchoing(true);
  ctx.ui.FinishStatusLine();
  for (std::size_t i = before; i < ctx.ui.boxes().size(); ++i) {
    const ShownBox& box = ctx.ui.boxes()[i];
    if (IsSendSummary(box.text, box.style)) continue;
    std::fprintf(stderr, "%s\n", OneLine(box.text).c_str());
  }
  std::vector<int> accepted;
  for (const files::LedgerEntry& e : delivery.record().entries())
    if (e.outcome.state == mail::DeliveryState::kAccepted) accepted.push_back(e.giver_row);
  return accepted;
}

// Prints who was notified; names who was not, with the command that reaches them.
int Report(Context& ctx, const char* command, const roster::Roster& roster,
           const std::vector<int>& rows, const std::vector<int>& accepted,
           const fs::path& archive) {
  std::vector<std::string> notified, missing;
  for (int row : rows) {
    const bool ok = std::find(accepted.begin(), accepted.end(), row) != accepted.end();
    (ok ? notified : missing).push_back(Describe(roster, row));
  }
  std::string names;
  for (std::size_t i = 0; i < notified.size(); ++i) names += (i ? ", " : " ") + notified[i];
  std::fprintf(ctx.out, "%s\n", core::Arg(core::Tr("Cli", "notified:%1"), {names}).c_str());
  std::fprintf(stderr, "%s\n",
               core::Arg(core::Tr("Cli", "archived: %1 (and .htm)"), {archive.string()}).c_str());
  if (missing.empty()) return kExitOk;
  std::string failed;
  std::string command_line = "hollymoor-cli resend " + Quoted(archive.string());
  for (std::size_t i = 0; i < missing.size(); ++i) {
    failed += (i ? ", " : " ") + missing[i];
    command_line += " --to " + Quoted(missing[i]);
  }
  std::fprintf(stderr, "hollymoor-cli: %s\nhollymoor-cli: %s\n",
               core::Arg(core::Tr("Cli", "%1: not notified:%2"), {command, failed}).c_str(),
               core::Arg(core::Tr("Cli", "to notify them: %1"), {command_line}).c_str());
  return kExitFailed;
}

int Refuse(const char* command, const files::DrawingChange& change, const std::string& extra) {
  if (change.bad_input)
    throw CliError(kExitBadInput, core::Arg("%1: %2", {command, change.reason}));
  std::fprintf(stderr, "hollymoor-cli: %s\nhollymoor-cli: %s\n",
               core::Arg(core::Tr("Cli", "%1: no change keeps every exclusion: %2"),
                         {command, change.reason})
                   .c_str(),
               extra.c_str());
  return kExitNoDrawing;
}

std::string Required(Context& ctx, const char* option) {
  auto value = ctx.args.Value(option);
  if (!value || value->empty())
    throw CliError(kExitBadInput,
                   core::Arg(core::Tr("Cli", "%1: --%2 is required"), {ctx.args.command, option}));
  return *value;
}

// What join and leave share: the settings and texts of the notifications, and the drawing's
// newest version.
struct ChangeErrand {
  mail::MailSettings settings;
  mail::SendValues values;
  fs::path archive;
  std::unique_ptr<roster::Roster> roster;
};

ChangeErrand BeginChange(Context& ctx) {
  ChangeErrand e;
  e.settings = LoadSettings(ctx);
  RequireUsableSettings(e.settings);
  e.values = NotificationValues(ctx, e.settings);
  PrepareDataDir(ctx);
  e.roster = LoadLatest(ctx, e.archive);
  return e;
}

// Archives the change as a new version and notifies its givers; the `replacing` ones are told
// their message replaces an earlier one.
int ArchiveAndNotify(Context& ctx, const char* command, ChangeErrand& e,
                     const files::DrawingChange& change, const std::vector<int>& replacing) {
  const auto amended = files::WriteAmendedArchive(*e.roster, e.archive, change.changed_rows);
  if (!amended)
    throw CliError(
        kExitFailed,
        std::string(command) == "join"
            ? core::Tr("Cli", "join: the change could not be archived; nothing was sent")
            : core::Tr("Cli", "leave: the change could not be archived; nothing was sent"));
  const std::vector<int> accepted =
      SendTo(ctx, e.settings, e.values, *amended, change.changed_rows, replacing);
  return Report(ctx, command, *e.roster, change.changed_rows, accepted, *amended);
}

}  // namespace

int RunJoin(Context& ctx) {
  const std::string name = Required(ctx, "name");
  const std::string email = Required(ctx, "email");
  const std::string notes = ctx.args.Value("notes").value_or("");
  ChangeErrand e = BeginChange(ctx);
  auto random = Seeded(ctx);
  const files::DrawingChange change = files::JoinDrawing(*e.roster, name, email, notes, *random);
  if (!change.ok)
    return Refuse("join", change,
                  core::Arg(core::Tr("Cli",
                                     "only a full redraw can include %1: add them to the roster "
                                     "and use hollymoor-cli send"),
                            {name}));
  // The giver who now has the newcomer is told this message replaces the first one; the
  // newcomer (the last row) gets an ordinary notification.
  return ArchiveAndNotify(ctx, "join", e, change,
                          {change.changed_rows.begin(), change.changed_rows.end() - 1});
}

int RunLeave(Context& ctx) {
  const std::string name = Required(ctx, "name");
  ChangeErrand e = BeginChange(ctx);
  int row = 0;
  for (int r = 1; r <= e.roster->ParticipantCount(); ++r)
    if (e.roster->grid().TextMatrix(r, roster::kColName) == name) row = r;
  if (row == 0)
    throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "leave: nobody named '%1' in [%2]"),
                                            {name, e.archive.string()}));
  auto random = Seeded(ctx);
  const files::DrawingChange change = files::LeaveDrawing(*e.roster, row, *random);
  if (!change.ok)
    return Refuse("leave", change,
                  core::Arg(core::Tr("Cli",
                                     "only a full redraw can go on without %1: remove them from "
                                     "the roster and use hollymoor-cli send"),
                            {name}));
  return ArchiveAndNotify(ctx, "leave", e, change, change.changed_rows);
}

}  // namespace cli
