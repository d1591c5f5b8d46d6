// hollymoor-cli send, resend and message: the desktop program's Calculate & Send flow, its
// archive and its two senders, with the dialogs answered from the command line.

#include <QStringList>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/cli/context.h"
#include "app/cli/delivery.h"
#include "app/cli/drawing_options.h"
#include "app/cli/roster_file.h"
#include "app/cli/send_options.h"
#include "app/cli/terminal_text.h"
#include "core/private_files.h"
#include "core/tr.h"
#include "files/amend_archive.h"
#include "files/history.h"
#include "files/ledger.h"
#include "files/pending.h"
#include "roster/calculate_send.h"
#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "settings/secrets.h"
#include "ui/translator.h"

namespace cli {
namespace {

// Typed texts keep their line breaks as CR LF, as the dialogs leave them.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::string ReadBodyFile(Context& ctx, const std::string& name) {
  if (name == "-") {
    std::string text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, ctx.in)) > 0) text.append(buffer, n);
    return WithCrLf(text);
  }
  std::ifstream in(name, std::ios::binary);
  if (!in)
    throw CliError(kExitBadInput,
                   core::Arg(core::Tr("Cli", "cannot read the message text [%1]"), {name}));
  return WithCrLf(std::string(std::istreambuf_iterator<char>(in), {}));
}

// The language named with --language, checked against those the program has; "" when none
// was named (the program's own).
std::string MessageLanguage(const Context& ctx) {
  const std::optional<std::string> code = ctx.args.Value("language");
  if (!code) return {};
  const QStringList known = ui::AvailableLanguages(ui::FindTranslationsDir());
  if (!known.contains(QString::fromStdString(*code)))
    throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "unknown language '%1' (known: %2)"),
                                            {*code, known.join(", ").toStdString()}));
  return *code;
}

}  // namespace

mail::MailSettings LoadSettings(Context& ctx) {
  mail::FileSettingsStore store(ctx.config_file);
  mail::MailSettings settings;
  mail::LoadMailSettings(store, settings);
  mail::LoadMailSecrets(store, Keyring(), settings);
  return settings;
}

mail::SendValues NotificationValues(Context& ctx, const mail::MailSettings& settings) {
  mail::SendValues v;
  v.Language = MessageLanguage(ctx);
  v.MailSubject = ctx.args.Value("subject").value_or(
      core::TrIn(v.Language, "Message", mail::kDefaultMailSubject));
  v.MailBody = ctx.args.Has("body-file")
                   ? ReadBodyFile(ctx, *ctx.args.Value("body-file"))
                   : core::TrIn(v.Language, "Message", mail::kDefaultMailBody);
  v.MailTrailer = ctx.args.Value("trailer").value_or(
      core::TrIn(v.Language, "Message", mail::kDefaultMailTrailer));
  v.TestMode = ctx.args.Has("test-address");
  v.TestAddress = ctx.args.Value("test-address").value_or(settings.SMTPAccountName);
  if (v.TestMode && v.TestAddress.empty())
    throw CliError(kExitBadInput, core::Tr("Cli", "--test-address is empty"));
  v.Event = {ctx.args.Value("budget").value_or(""), ctx.args.Value("date").value_or(""),
             ctx.args.Value("place").value_or(""), ctx.args.Value("reply-by").value_or("")};
  return v;
}

void PrepareDataDir(const Context& ctx) {
  if (!core::EnsurePrivateFolder(ctx.data_dir))
    throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "cannot use the data folder [%1]"),
                                            {ctx.data_dir.string()}));
}

namespace {

// The errand's steps that belong to the window, for a run without one.
class UnattendedErrand : public roster::SendErrand {
 public:
  UnattendedErrand(Context& ctx, roster::Roster& roster, const mail::MailSettings& settings,
                   mail::SendValues& values, Delivery& delivery)
      : ctx_(ctx), roster_(roster), settings_(settings), values_(values), delivery_(delivery) {}

  bool ConfirmSend() override {
    confirmed = true;
    values_.SendConfirmed = true;  // the options were given on the command line
    rows = RowsToNotify(roster_);
    for (int row = 1; row <= roster_.ParticipantCount(); ++row)
      names.push_back(roster_.grid().TextMatrix(row, roster::kColName));
    return true;
  }
  void SaveDrawingHistory() override {
    if (roster_.ReSendMode && !resend_from.empty()) {
      // The drawing's own ledger records the re-send as it goes; History gains no copy.
      delivery_.record().ContinueLedgerAt(files::ResendLedger(roster_, resend_from));
      return;
    }
    const int failures = ctx_.ui.CriticalCount();
    archive = files::SaveDrawingHistory(roster_, clock_, ctx_.data_dir);
    if (!archive.empty()) delivery_.record().KeepLedgerAt(files::LedgerPathFor(archive));
    // Nothing leaves without its archive: a re-send would have nothing to work from. The
    // writer has shown its message; the errand ends here, past its own error path.
    if (archive.empty() || ctx_.ui.CriticalCount() != failures) throw ArchiveFailed{};
  }
  bool UseSMTP() const override { return settings_.UseSMTP; }
  void SmtpSendDrawing() override { delivery_.SmtpSendDrawing(); }
  void MapiSendDrawing() override { delivery_.MapiSendDrawing(); }

  struct ArchiveFailed {};

  bool confirmed = false;
  std::filesystem::path resend_from;  // the archive a re-send sends from
  std::vector<int> rows;              // who was to be notified
  std::vector<std::string> names;     // every row's name, taken before the run
  std::filesystem::path archive;

 private:
  Context& ctx_;
  roster::Roster& roster_;
  const mail::MailSettings& settings_;
  mail::SendValues& values_;
  Delivery& delivery_;
  roster::SystemClock clock_;
};

std::string Quoted(const std::string& s) { return ShellQuote(s); }

// A reply or mailer error on one line of the summary.
std::string OneLine(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// Exit status of a run from its record; names the people not reached, with why, and how to
// reach them. A run that never began reached none of `rows`.
int Outcome(Context& ctx, const char* command, const files::RunRecord& record,
            const std::vector<int>& rows, const std::vector<std::string>& names,
            const std::filesystem::path& archive) {
  std::vector<files::LedgerEntry> entries = record.entries();
  if (!record.begun())
    for (int row : rows) entries.push_back({row, names.at(static_cast<std::size_t>(row - 1)), {}});
  const std::vector<files::LedgerEntry> missing = files::NotAccepted(entries);
  ctx.ui.FinishStatusLine();
  if (missing.empty()) return kExitOk;
  std::string not_notified;
  for (std::size_t i = 0; i < missing.size(); ++i) {
    files::LedgerEntry e = missing[i];
    e.outcome.reply = OneLine(e.outcome.reply);
    not_notified += (i ? ", " : "") + TerminalSafe(files::DescribeEntry(e));
  }
  std::fprintf(stderr, "hollymoor-cli: %s\n",
               core::Arg(core::Tr("Cli", "%1: %2 of %3 messages accepted; not notified: %4"),
                         {command, std::to_string(entries.size() - missing.size()),
                          std::to_string(entries.size()), not_notified})
                   .c_str());
  if (!archive.empty() && std::filesystem::exists(archive)) {
    std::string command_line = "hollymoor-cli resend " + Quoted(archive.string());
    if (record.has_ledger()) {
      command_line += " --pending";
    } else {
      for (const files::LedgerEntry& e : missing) command_line += " --to " + Quoted(e.name);
    }
    std::fprintf(stderr, "hollymoor-cli: %s\n",
                 core::Arg(core::Tr("Cli", "to notify them: %1"), {command_line}).c_str());
  }
  return kExitFailed;
}

int RunErrand(Context& ctx, roster::Roster& roster, const char* command,
              const std::filesystem::path& resend_from = {}) {
  mail::MailSettings settings = LoadSettings(ctx);
  RequireUsableSettings(settings);
  mail::SendValues values = NotificationValues(ctx, settings);
  PrepareDataDir(ctx);

  Delivery delivery(ctx, roster, settings, values);
  UnattendedErrand errand(ctx, roster, settings, values, delivery);
  errand.resend_from = resend_from;
  try {
    roster::CalculateAndSend(roster, errand);
  } catch (const UnattendedErrand::ArchiveFailed&) {
    ctx.ui.FinishStatusLine();
    throw CliError(
        kExitFailed,
        core::Arg(core::Tr("Cli", "%1: the drawing could not be archived, so nothing was sent"),
                  {command}));
  }
  ctx.ui.FinishStatusLine();
  if (!errand.confirmed) {
    // Only the drawing ends the errand before the dialog; its abort message has been shown.
    const std::string reason = NoDrawingReason(roster);
    if (!reason.empty())
      std::fprintf(stderr, "%s\n",
                   core::Arg(core::Tr("Cli", "reason: %1"), {TerminalSafe(reason)}).c_str());
    return kExitNoDrawing;
  }
  if (!errand.archive.empty())
    std::fprintf(stderr, "%s\n",
                 core::Arg(core::Tr("Cli", "archived: %1 (and .htm)"),
                           {TerminalSafe(errand.archive.string())})
                     .c_str());
  return Outcome(ctx, command, delivery.record(), errand.rows, errand.names,
                 errand.archive.empty() ? resend_from : errand.archive);
}

}  // namespace

int RunSend(Context& ctx) {
  auto roster = NewRoster(ctx.ui);
  LoadRoster(ctx, *roster, ctx.args.operands.at(0), /*re_send=*/false);
  if (roster->ParticipantCount() == 0)
    throw CliError(kExitBadInput, core::Tr("Cli", "send: the roster has no participants"));
  ApplyDrawingChoices(ctx, *roster);
  return RunErrand(ctx, *roster, "send");
}

int RunResend(Context& ctx) {
  const std::vector<std::string>& to = ctx.args.All("to");
  const bool pending = ctx.args.Has("pending");
  if (to.empty() == !pending)
    throw CliError(
        kExitBadInput,
        core::Tr("Cli", "resend: name the participants with --to, or give --pending (not both)"));
  // A drawing changed after it was sent goes on from its newest version.
  const std::filesystem::path given = ctx.args.operands.at(0);
  const std::filesystem::path archive = files::LatestArchiveVersion(given);
  if (archive != given)
    std::fprintf(stderr, "%s\n",
                 core::Arg(core::Tr("Cli",
                                    "the newest version of this drawing is [%1]; "
                                    "re-sending from that one"),
                           {archive.string()})
                     .c_str());
  auto roster = NewRoster(ctx.ui);
  LoadRoster(ctx, *roster, archive.string(), /*re_send=*/true);
  // Re-send mode, as the re-send command leaves it; the names are marked as a click would.
  roster->UpdateButtonEnables(true);
  roster->ReSendMode = true;
  roster->UpdateButtonEnables(false);
  roster->SetReplacingRows(files::ReplacingRows(*roster, archive));
  // Whatever this re-send reaches goes into the archive's own ledger as it happens, so that
  // the next --pending goes only to those still waiting, even after a crash.
  if (pending) {
    std::string error;
    const auto marked = files::MarkPendingOfEveryVersion(*roster, archive, error);
    if (!marked) throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "resend: %1"), {error}));
    if (marked->empty()) {
      std::fprintf(ctx.out, "%s\n",
                   core::Arg(core::Tr("Cli", "Everyone in [%1] was notified; nothing to re-send."),
                             {archive.string()})
                       .c_str());
      return kExitOk;
    }
    return RunErrand(ctx, *roster, "resend", archive);
  }
  const std::set<std::string> wanted(to.begin(), to.end());
  std::set<std::string> found;
  for (int row = 1; row <= roster->ParticipantCount(); ++row) {
    const std::string& name = roster->grid().TextMatrix(row, roster::kColName);
    if (wanted.count(name) && !roster->IsMarked(row)) {
      roster->MSFlexGrid_MouseDown(row, roster::kColName);
      found.insert(name);
    }
  }
  for (const std::string& name : wanted)
    if (!found.count(name))
      throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "resend: nobody named '%1' in [%2]"),
                                              {name, archive.string()}));
  return RunErrand(ctx, *roster, "resend", archive);
}

int RunMessage(Context& ctx) {
  if (!ctx.args.Has("subject") || !ctx.args.Has("body-file"))
    throw CliError(kExitBadInput,
                   core::Tr("Cli", "message: --subject and --body-file are required"));
  auto roster = NewRoster(ctx.ui);
  LoadRoster(ctx, *roster, ctx.args.operands.at(0), /*re_send=*/false);
  if (roster->ParticipantCount() == 0)
    throw CliError(kExitBadInput, core::Tr("Cli", "message: the roster has no participants"));
  mail::MailSettings settings = LoadSettings(ctx);
  RequireUsableSettings(settings);
  // What frmSendMessage leaves: subject and text; trailer and test values stay unset.
  mail::SendValues values;
  values.MailSubject = *ctx.args.Value("subject");
  values.MailBody = ReadBodyFile(ctx, *ctx.args.Value("body-file"));
  PrepareDataDir(ctx);

  std::vector<int> rows;
  std::vector<std::string> names;
  for (int row = 1; row <= roster->ParticipantCount(); ++row) {
    rows.push_back(row);
    names.push_back(roster->grid().TextMatrix(row, roster::kColName));
  }
  Delivery delivery(ctx, *roster, settings, values);
  delivery.SendMessage();
  return Outcome(ctx, "message", delivery.record(), rows, names, {});
}

}  // namespace cli
