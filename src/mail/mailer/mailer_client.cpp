#include "mail/mailer/mailer_client.h"

#include "core/tr.h"
#include "mail/mailer/mailer.h"
#include "mail/wire_message.h"

namespace mail {

namespace {

std::string CommandName(const MailSettings& s) {
  std::vector<std::string> argv = SplitCommand(s.MailerCommand);
  return argv.empty() ? s.MailerCommand : argv.front();
}

// The address a recipient's display name stands for when sending: the text itself, or what
// stands in angle brackets ("Name <someone@example.org>").
std::string ResolveAddress(const std::string& display_name) {
  std::string s = display_name;
  const std::size_t lt = s.rfind('<');
  if (lt != std::string::npos && !s.empty() && s.back() == '>')
    s = s.substr(lt + 1, s.size() - lt - 2);
  if (s.size() > 5 && s.compare(0, 5, "SMTP:") == 0) s.erase(0, 5);
  const std::size_t first = s.find_first_not_of(" \t");
  const std::size_t last = s.find_last_not_of(" \t");
  return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

}  // namespace

MailerClient::MailerClient(const MailSettings& settings, const roster::Clock& clock,
                           AddressBook* book)
    : settings_(settings), clock_(clock), book_(book) {}

void MailerClient::SignOn() {
  std::vector<std::string> argv = SplitCommand(settings_.MailerCommand);
  if (argv.empty()) throw MailClientError(core::Tr("Mailer", "No mailer command is set"));
  if (!FindExecutable(argv.front()))
    throw MailClientError(core::Arg(core::Tr("Mailer",
                                             "The mailer [%1] was not found or may not be run; "
                                             "install a sendmail-compatible program or change "
                                             "the mailer command"),
                                    {argv.front()}));
  session_id_ = ++last_session_id_;
}

void MailerClient::SignOff() {
  session_id_ = 0;
  composing_ = false;
}

void MailerClient::RequireSession() const {
  if (session_id_ == 0 || message_session_id_ != session_id_)
    throw MailClientError(core::Tr("Mailer", "No mail session is open"));
}

void MailerClient::Compose() {
  RequireSession();
  composing_ = true;
  recipients_.clear();
  recip_index_ = 0;
  subject_.clear();
  text_.clear();
}

void MailerClient::Show() {
  RequireSession();
  if (!composing_) throw MailClientError(core::Tr("Mailer", "No message is being composed"));
  if (!book_) throw MailClientError(core::Tr("Mailer", "No address book is available"));
  std::optional<std::vector<Contact>> chosen = book_->Choose();
  if (!chosen) throw MailClientError(core::Tr("Mailer", "The address book was cancelled"));
  for (const Contact& c : *chosen) recipients_.push_back({c.name, c.address, kRecipTypePrimary});
}

void MailerClient::SetRecipIndex(int index) {
  // As with the classic control, the index one past the last recipient adds a new one.
  if (index < 0 || index > RecipCount())
    throw MailClientError(core::Tr("Mailer", "Invalid recipient index"));
  if (index == RecipCount()) recipients_.emplace_back();
  recip_index_ = index;
}

MailerClient::Recipient& MailerClient::Current() {
  if (recip_index_ >= RecipCount()) throw MailClientError(core::Tr("Mailer", "No recipient"));
  return recipients_[recip_index_];
}

const MailerClient::Recipient& MailerClient::Current() const {
  if (recip_index_ >= RecipCount()) throw MailClientError(core::Tr("Mailer", "No recipient"));
  return recipients_[recip_index_];
}

void MailerClient::Send(bool dialog) {
  RequireSession();
  if (!composing_ || recipients_.empty())
    throw MailClientError(core::Tr("Mailer", "The message has no recipient"));
  if (dialog)
    throw MailClientError(core::Tr("Mailer", "The mailer cannot show a message before sending it"));
  // Each operation addresses one recipient per message.
  const Recipient& r = recipients_.front();
  OutgoingMessage message;
  message.to_address = r.address.empty() ? ResolveAddress(r.display_name) : r.address;
  if (!LooksLikeAddress(message.to_address))
    throw MailClientError(core::Arg(core::Tr("Mailer", "The address [%1] is not an e-mail address"),
                                    {r.display_name}));
  if (!r.address.empty()) message.to_name = r.display_name;
  message.from_name = settings_.SMTPUserName;
  message.from_address = settings_.SMTPAccountName;
  message.subject = subject_;
  message.text = text_;
  std::string wire = BuildWireMessage(message, clock_);
  // Without a sender address the mailer fills in its own.
  if (message.from_address.empty()) wire.erase(0, wire.find("\r\n") + 2);

  const MailerRun run = RunMailer(SplitCommand(settings_.MailerCommand), wire, timeout_);
  const std::string name = CommandName(settings_);
  if (!run.started)
    throw MailClientError(core::Arg(core::Tr("Mailer", "The mailer [%1] could not be started: %2"),
                                    {name, run.error}));
  if (run.timed_out) {
    const long long seconds = (timeout_.count() + 999) / 1000;
    throw MailClientError(core::Arg(
        seconds == 1
            ? core::Tr("Mailer", "The mailer [%1] did not finish within %2 second and was stopped")
            : core::Tr("Mailer",
                       "The mailer [%1] did not finish within %2 seconds and was stopped"),
        {name, std::to_string(seconds)}));
  }
  if (run.signal != 0)
    throw MailClientError(core::Arg(core::Tr("Mailer", "The mailer [%1] was ended by signal %2"),
                                    {name, std::to_string(run.signal)}));
  if (run.exit_status != 0) {
    std::string detail = run.output.substr(0, run.output.find('\n'));
    throw MailClientError(
        detail.empty()
            ? core::Arg(core::Tr("Mailer", "The mailer [%1] failed with exit status %2"),
                        {name, std::to_string(run.exit_status)})
            : core::Arg(core::Tr("Mailer", "The mailer [%1] failed with exit status %2: %3"),
                        {name, std::to_string(run.exit_status), detail}));
  }
  composing_ = false;
}

}  // namespace mail
