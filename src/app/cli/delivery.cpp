#include "app/cli/delivery.h"

#include <QEventLoop>
#include <algorithm>
#include <cstdio>

#include "core/tr.h"
#include "mail/mailer/mailer.h"
#include "mail/smtp/smtp_compose.h"
#include "mail/smtp/smtp_text.h"
#include "roster/deliveries.h"
#include "settings/oauth_providers.h"
#include "settings/provider_presets.h"
#include "ui/oauth_signin.h"
#include "ui/smtp_runner.h"

namespace cli {

// The mailer client, counting the messages it took: the desktop-mail operations stop at the
// first refusal, so the count tells exactly who was handed over.
class Delivery::CountingClient : public mail::MailClient {
 public:
  CountingClient(mail::MailClient& inner, mail::DeliveryObserver& record)
      : inner_(inner), record_(record) {}
  int sent = 0;

  void SetDownloadMail(bool on) override { inner_.SetDownloadMail(on); }
  void SetNewSession(bool on) override { inner_.SetNewSession(on); }
  void SignOn() override { inner_.SignOn(); }
  std::int32_t SessionID() const override { return inner_.SessionID(); }
  void SignOff() override { inner_.SignOff(); }
  void SetMessageSessionID(std::int32_t id) override { inner_.SetMessageSessionID(id); }
  void Compose() override { inner_.Compose(); }
  void Show() override { inner_.Show(); }
  int RecipCount() const override { return inner_.RecipCount(); }
  void SetRecipIndex(int index) override { inner_.SetRecipIndex(index); }
  std::string RecipDisplayName() const override { return inner_.RecipDisplayName(); }
  void SetRecipDisplayName(const std::string& name) override { inner_.SetRecipDisplayName(name); }
  std::string RecipAddress() const override { return inner_.RecipAddress(); }
  void SetRecipType(int type) override { inner_.SetRecipType(type); }
  void SetAddressResolveUI(bool on) override { inner_.SetAddressResolveUI(on); }
  void SetMsgSubject(const std::string& subject) override { inner_.SetMsgSubject(subject); }
  void SetMsgNoteText(const std::string& text) override { inner_.SetMsgNoteText(text); }
  // The record of the message is on disk before the mailer gets it.
  void Send(bool dialog) override {
    const auto index = static_cast<std::size_t>(sent);
    record_.OnDeliveryState(index, {mail::DeliveryState::kInFlight, {}});
    try {
      inner_.Send(dialog);
    } catch (const std::exception& e) {
      record_.OnDeliveryState(index, {mail::DeliveryState::kRefused, e.what()});
      throw;
    }
    record_.OnDeliveryState(index, {mail::DeliveryState::kAccepted, {}});
    ++sent;
  }

 private:
  mail::MailClient& inner_;
  mail::DeliveryObserver& record_;
};

void RequireUsableSettings(const mail::MailSettings& settings) {
  if (settings.UseSMTP) {
    if (!mail::SmtpSettingsValid(settings))
      throw CliError(kExitBadInput,
                     core::Tr("Cli",
                              "the SMTP settings are incomplete (server, address and name are "
                              "needed); see hollymoor-cli settings --help"));
    if (!mail::SplitServerText(settings.SMTPServer))
      throw CliError(kExitBadInput,
                     core::Arg(core::Tr("Cli", "the SMTP server's port is not a number: [%1]"),
                               {settings.SMTPServer}));
    if (settings.SMTPAuthMethod == mail::kAuthMethodOAuth2) {
      std::string problem;
      mail::ResolveOAuthEndpoints(settings, &problem);
      if (!problem.empty())
        throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "sign-in: %1"), {problem}));
      if (settings.OAuthRefreshToken.empty() && settings.OAuthAccessToken.empty())
        throw CliError(kExitBadInput,
                       core::Arg(core::Tr("Cli",
                                          "not signed in with %1: run hollymoor-cli login first "
                                          "(or choose SMTPAuthMethod=password)"),
                                 {settings.OAuthProvider}));
    }
    return;
  }
  const std::vector<std::string> argv = mail::SplitCommand(settings.MailerCommand);
  if (argv.empty() || !mail::FindExecutable(argv.front()))
    throw CliError(kExitBadInput,
                   core::Arg(core::Tr("Cli",
                                      "the system mailer [%1] is not installed; install one or "
                                      "choose SMTP (hollymoor-cli settings --set UseSMTP=1 ...)"),
                             {argv.empty() ? std::string() : argv.front()}));
}

std::vector<int> RowsToNotify(const roster::Roster& roster) {
  std::vector<int> rows;
  const int n = roster.ParticipantCount();
  for (int row = 1; row <= n; ++row)
    if (!roster.ReSendMode || roster.IsMarked(row)) rows.push_back(row);
  return rows;
}

Delivery::Delivery(Context& ctx, roster::Roster& roster, const mail::MailSettings& settings,
                   mail::SendValues& values)
    : roster_(roster), settings_(settings), store_(ctx.config_file), values_(values) {
  // The New command the senders run after a re-send: the roster is cleared and re-send mode
  // ends, as in the window.
  auto run_new = [this] {
    roster_.ClearList();
    if (roster_.ReSendMode) {
      roster_.ReSendMode = false;
      roster_.ResetSelection(false);
      roster_.UpdateButtonEnables(false);
    }
  };
  mail::SmtpContext context{settings_,
                            values_,
                            mail::WireComposer(settings_, clock_),
                            [] { return ui::InternetConnected(); },
                            {}};
  context.observer = &record_;
  runner_ = std::make_unique<ui::SmtpRunner>(std::move(context), ctx.ui,
                                             ctx.data_dir / "smtp_session.log");
  runner_->SetNewCommand(run_new);
  // A terminal cannot ask where a renewed token may go: the keyring, or the file only where
  // the user already agreed to it.
  runner_->SetTokenRefresher(ui::MakeTokenRefresher(
      store_, {Keyring(), [](const std::string&) { return false; }}, settings_, runner_.get()));
  runner_->SetDeliverySource([this](bool free_form) {
    return free_form ? roster::MessageDeliveries(roster_, values_, true)
                     : roster::DrawingDeliveries(roster_, values_);
  });
  runner_->SetSendMessageDialog([this] { values_.SendConfirmed = true; });

  mailer_ = std::make_unique<mail::MailerClient>(settings_, clock_, nullptr);
  counting_ = std::make_unique<CountingClient>(*mailer_, record_);
  mapi_ =
      std::make_unique<mail::MapiDelivery>(roster_.ui(), roster_.MapiLoggedOn, *counting_, values_);
  mapi_->Deliveries = [this](bool free_form) {
    return free_form ? roster::MessageDeliveries(roster_, values_, false)
                     : roster::DrawingDeliveries(roster_, values_);
  };
  mapi_->RunNewCommand = run_new;
  mapi_->ShowSendMessageDialog = [this] { values_.SendConfirmed = true; };
}

Delivery::~Delivery() = default;

void Delivery::FinishRecord() { record_.Finish(); }

// The run's deliveries as the record names them: the roster's rows, in order.
void Delivery::BeginRecord(const std::vector<int>& rows) {
  mail::Deliveries deliveries;
  for (int row : rows)
    deliveries.push_back({row, roster_.grid().TextMatrix(row, roster::kColName), {}, {}, {}});
  const std::string error = record_.Begin(deliveries);
  if (!error.empty())
    std::fprintf(stderr, "hollymoor-cli: %s\n",
                 core::Arg(core::Tr("Cli", "warning: %1"), {error}).c_str());
}

void Delivery::RunSmtp(bool free_form) {
  used_smtp_ = true;
  std::string problem;
  if (settings_.ServerRequiresAuthentication &&
      !ui::EnsureFreshAccessToken(store_, {Keyring(), [](const std::string&) { return false; }},
                                  settings_, &problem))
    // The server may still take the old token; it says so if not, and the run renews again.
    std::fprintf(
        stderr, "hollymoor-cli: %s\n",
        core::Arg(core::Tr("Cli", "warning: the sign-in could not be renewed: %1"), {problem})
            .c_str());
  // The session tells each delivery's state as it goes; its list is the roster's rows in order.
  std::vector<int> rows;
  for (int row = 1; row <= roster_.ParticipantCount(); ++row)
    if (free_form || !roster_.ReSendMode || roster_.IsMarked(row)) rows.push_back(row);
  BeginRecord(rows);
  QEventLoop loop;
  bool done = false;
  QObject::connect(runner_.get(), &ui::SmtpRunner::finished, &loop, [&] {
    done = true;
    loop.quit();
  });
  if (free_form)
    runner_->SmtpSendMessage();
  else
    runner_->SmtpSendDrawing();
  if (!done && runner_->Active()) loop.exec();
  FinishRecord();
}

void Delivery::SmtpSendDrawing() { RunSmtp(false); }

void Delivery::MapiSendDrawing() {
  planned_ = RowsToNotify(roster_);
  BeginRecord(planned_);
  mapi_->MapiSendDrawing();
  FinishRecord();
}

void Delivery::SendMessage() {
  if (settings_.UseSMTP) {
    RunSmtp(true);
    return;
  }
  planned_.clear();
  for (int row = 1; row <= roster_.ParticipantCount(); ++row) planned_.push_back(row);
  BeginRecord(planned_);
  mapi_->MapiSendMessage();
  FinishRecord();
}

}  // namespace cli
