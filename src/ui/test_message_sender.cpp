#include "ui/test_message_sender.h"

#include "mail/mailer/mailer_client.h"
#include "mail/mailer/mapi_delivery.h"
#include "mail/message.h"
#include "mail/smtp/smtp_compose.h"
#include "mail/smtp/smtp_text.h"
#include "mail/test_message.h"
#include "roster/deliveries.h"
#include "roster/roster.h"
#include "settings/provider_presets.h"
#include "ui/oauth_signin.h"
#include "ui/smtp_runner.h"

namespace ui {

namespace {

// The run's one delivery, made the way every free-form run is made: from a roster.
mail::DeliveryRun SenderRun(roster::Ui& ui, const mail::MailSettings& settings,
                            const mail::SendValues& values) {
  roster::Roster roster(ui);
  roster.SetupGrid();
  roster.MessageFooter = mail::BuildMessageFooter();
  roster.AddParticipant("", settings.SMTPUserName, settings.SMTPAccountName, "", false);
  return roster::MessageDeliveries(roster, values, true);
}

// Records what became of the one message.
class OneOutcome : public mail::DeliveryObserver {
 public:
  void OnDeliveryState(std::size_t, const mail::DeliveryOutcome& outcome) override {
    last = outcome;
  }
  mail::DeliveryOutcome last;
};

}  // namespace

TestMessageSender::TestMessageSender(mail::MailSettings settings, mail::SettingsStore& store,
                                     mail::SecretStore* keyring, std::filesystem::path data_dir,
                                     QObject* parent)
    : QObject(parent),
      settings_(std::move(settings)),
      store_(store),
      keyring_(keyring),
      data_dir_(std::move(data_dir)),
      values_(mail::TestMessageValues()) {}

TestMessageSender::~TestMessageSender() = default;

void TestMessageSender::Start() {
  if (settings_.UseSMTP)
    StartSmtp();
  else
    SendByMailer();
}

void TestMessageSender::StartSmtp() {
  if (!mail::SmtpSettingsValid(settings_) || !mail::SplitServerText(settings_.SMTPServer)) {
    emit finished(false, tr("The SMTP entries are incomplete: the server, your address and your "
                            "name are needed."));
    return;
  }
  mail::SecretAccess access{keyring_, [](const std::string&) { return false; }};
  if (settings_.ServerRequiresAuthentication &&
      settings_.SMTPAuthMethod == mail::kAuthMethodOAuth2) {
    if (settings_.OAuthRefreshToken.empty() && settings_.OAuthAccessToken.empty()) {
      emit finished(false, tr("You are not signed in with your provider: choose Sign in first."));
      return;
    }
    std::string problem;
    if (!EnsureFreshAccessToken(store_, access, settings_, &problem)) {
      emit finished(false, tr("The sign-in could not be renewed: %1. Sign in again.")
                               .arg(QString::fromStdString(problem)));
      return;
    }
  }
  std::error_code ec;
  std::filesystem::create_directories(data_dir_, ec);
  mail::SmtpContext context{settings_,
                            values_,
                            mail::WireComposer(settings_, clock_),
                            [] { return InternetConnected(); },
                            {}};
  runner_ =
      std::make_unique<SmtpRunner>(std::move(context), quiet_, data_dir_ / "smtp_session.log");
  runner_->AddCaCertificates(extra_ca_);
  runner_->SetDeliverySource([this](bool) { return SenderRun(quiet_, settings_, values_); });
  runner_->SetTokenRefresher(MakeTokenRefresher(store_, access, settings_, runner_.get()));
  connect(runner_.get(), &SmtpRunner::finished, this, [this] {
    const auto& outcomes = runner_->engine().Outcomes();
    Report(outcomes.empty() ? nullptr : &outcomes.front());
  });
  runner_->SmtpSendMessage();
}

void TestMessageSender::SendByMailer() {
  mail::MailerClient client(settings_, clock_, nullptr);
  bool logged_on = false;
  OneOutcome outcome;
  mail::MapiDelivery mapi(quiet_, logged_on, client, values_);
  mapi.Observer = &outcome;
  mapi.ShowSendMessageDialog = [this] { values_.SendConfirmed = true; };
  mapi.Deliveries = [this](bool) { return SenderRun(quiet_, settings_, values_); };
  try {
    mapi.MapiSendMessage();
    if (mapi.LoggedOn()) mapi.MapiLogoff();
  } catch (const std::exception& e) {
    outcome.last = {mail::DeliveryState::kRefused, e.what()};
  }
  Report(&outcome.last);
}

void TestMessageSender::Report(const mail::DeliveryOutcome* outcome) {
  if (done_) return;
  done_ = true;
  mail::DeliveryOutcome why = outcome ? *outcome : mail::DeliveryOutcome{};
  // A run that ended before the message (a refused login) told it in its box.
  if (why.state != mail::DeliveryState::kAccepted && why.reply.empty()) why.reply = quiet_.last_box;
  bool accepted = false;
  const std::string text = mail::TestMessageResult(settings_.SMTPAccountName, &why, &accepted);
  emit finished(accepted, QString::fromStdString(text));
}

}  // namespace ui
