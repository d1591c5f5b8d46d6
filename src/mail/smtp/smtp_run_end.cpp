#include <algorithm>

#include "core/tr.h"
#include "mail/smtp/smtp_engine.h"
#include "mail/smtp/smtp_engine_parts.h"
#include "mail/smtp/smtp_text.h"
#include "settings/provider_replies.h"

namespace mail {

namespace {

// What to do about the refusal, as a line after the reply: the provider's known cause when
// there is one, else which server it was and the next step.
std::string AdviceLine(const std::string& server, const std::string& reply) {
  std::string advice = AdviceForReply(reply);
  if (advice.empty()) advice = ReplyFailureAdvice(server, reply);
  return (reply.empty() || reply.back() == '\n' ? "" : "\n") + advice;
}

}  // namespace

void SmtpEngine::RequeueInFlight(bool connection_lost) {
  // A message whose end went out and whose answer never came may have arrived: unconfirmed.
  // The rest never got as far as the server's queue.
  std::size_t awaiting_answer = run_.deliveries.size();
  for (const Expect& e : expects_)
    if (e.cmd == Cmd::kDot) awaiting_answer = e.index;
  const std::vector<std::size_t> flying = std::move(in_flight_);
  in_flight_.clear();
  expects_.clear();
  for (auto it = flying.rbegin(); it != flying.rend(); ++it) {
    queue_.push_front(*it);
    SetState(*it, connection_lost && *it == awaiting_answer ? DeliveryState::kUnconfirmed
                                                            : DeliveryState::kNotAttempted);
  }
}

void SmtpEngine::FailurePath(const std::string& reply, bool connection_lost) {
  RequeueInFlight(connection_lost);
  Log("SMTP ERROR OR Disconnect");
  Status(core::Arg(core::Tr("Smtp", "Disconnecting from SMTP mail server %1..."), {ServerText()}));
  Simple(Kind::kClose);
  connected_ = false;
  Cancel(SmtpTimer::kReply);
  wait_ = Wait::kNone;
  if (SmtpState == 10) {
    Summary();
    Simple(Kind::kCloseLog);
    log_open_ = false;
    EndRun();
    return;
  }
  if (SentCount > 1 && SentCount < run_.participants + 1) {
    if (ReconnectCount <= 5) {
      ++ReconnectCount;
      SmtpReconnect();
    } else {
      last_reply_ = reply;
      Box(core::Tr("Smtp", "SMTP Error: ") + reply + AdviceLine(ServerText(), reply),
          mb::kQuestion + mb::kRetryCancel, core::Tr("Smtp", "SMTP Error"), true);
      wait_ = Wait::kAnswer;
    }
    return;
  }
  Box(core::Tr("Smtp", "SMTP Error: ") + reply + AdviceLine(ServerText(), reply), mb::kInformation,
      core::Tr("Smtp", "SMTP Error"));
  Simple(Kind::kCloseLog);
  log_open_ = false;
  if (run_.resend) Simple(Kind::kRunNew);
  EndRun();
}

void SmtpEngine::Summary() {
  // Counts and names the messages the server accepted, so a run that had to reconnect
  // neither counts nor names a giver twice.
  bool resend = run_.resend;
  std::string count = std::to_string(AcceptedRows.size());
  Box(core::Arg(resend ? core::Tr("Smtp", "%1 Mail Messages Re-Sent to\n%2\n")
                       : core::Tr("Smtp", "%1 Mail Messages Sent to\n%2\n"),
                {count, SentNames}) +
          TestModeNote(run_),
      mb::kOkOnly, roster::kDefaultTitle);
  ReportNotNotified();
  Status(core::Arg(resend ? core::Tr("Smtp", "%1 Mail Messages Re-Sent")
                          : core::Tr("Smtp", "%1 Mail Messages Sent"),
                   {count}));
  if (resend) Simple(Kind::kRunNew);
}

void SmtpEngine::SmtpReconnect() {
  Simple(Kind::kClose);
  connected_ = false;
  Status(core::Tr("Smtp", "Server Disconnected, Automatic re-connecting in 10 seconds..."));
  reconnect_phase_ = 1;
  wait_ = Wait::kNone;
  Arm(SmtpTimer::kReconnectWait, ctx_.timeouts.reconnect_first);
}

void SmtpEngine::EndWithBox(const std::string& text, int style, const std::string& title) {
  RequeueInFlight(true);
  Simple(Kind::kClose);
  Box(text, style, title);
  Status(text);
  Simple(Kind::kCloseLog);
  log_open_ = false;
  EndRun();
}

void SmtpEngine::HandlerError() {
  RequeueInFlight(true);
  Simple(Kind::kClose);
  Simple(Kind::kCloseLog);
  log_open_ = false;
  Box(core::Tr("Smtp", "Error while attempting to send messages"), mb::kCritical,
      roster::kDefaultTitle);
  if (run_.resend) Simple(Kind::kRunNew);
  EndRun();
}

void SmtpEngine::EndRun() {
  ReportNotNotified();
  // A run that ended early must not leave "Connecting..." or "Sending..." in the status bar.
  if (active_ && last_status_.ends_with("...")) {
    const std::size_t sent = AcceptedRows.size();
    Status(sent == 0 ? core::Tr("Smtp", "No messages were sent")
                     : core::Arg(run_.resend ? core::Tr("Smtp",
                                                        "%1 of %2 Mail Messages Re-Sent; the "
                                                        "others were not notified")
                                             : core::Tr("Smtp",
                                                        "%1 of %2 Mail Messages Sent; the others "
                                                        "were not notified"),
                                 {std::to_string(sent), std::to_string(run_.deliveries.size())}));
  }
  active_ = false;
  wait_ = Wait::kNone;
  reconnect_phase_ = 0;
  connected_ = false;
  Cancel(SmtpTimer::kReply);
  Cancel(SmtpTimer::kReconnectWait);
  Simple(Kind::kFinished);
}

std::string SmtpEngine::NotNotifiedNames() const {
  std::string names;
  for (std::size_t i = 0; i < run_.deliveries.size(); ++i)
    if (outcomes_[i].state != DeliveryState::kAccepted) names += run_.deliveries[i].name + ";";
  return names;
}

void SmtpEngine::SetState(std::size_t index, DeliveryState state, std::string reply) {
  DeliveryOutcome& o = outcomes_[index];
  o.state = state;
  o.reply = std::move(reply);
  if (state != DeliveryState::kInFlight)
    in_flight_.erase(std::remove(in_flight_.begin(), in_flight_.end(), index), in_flight_.end());
  else if (std::find(in_flight_.begin(), in_flight_.end(), index) == in_flight_.end())
    in_flight_.push_back(index);
  if (ctx_.observer) ctx_.observer->OnDeliveryState(index, o);
}

// The session log names who is still waiting; the organiser's account of it comes from the
// ledger the observer keeps, so that the window and the command line tell the same story.
void SmtpEngine::ReportNotNotified() {
  if (!active_ || reported_) return;
  const std::string missing = NotNotifiedNames();
  if (missing.empty()) return;
  reported_ = true;
  if (log_open_) Log("NOT NOTIFIED " + missing);
}

void SmtpEngine::StopBeforeText(std::size_t index) {
  // The server waits for the message text; closing now makes it drop the transaction, where
  // even an empty text would reach the giver.
  if (outcomes_[index].state == DeliveryState::kInFlight)
    SetState(index, DeliveryState::kNotAttempted);
  Log("CANCELLED BEFORE THE MESSAGE TEXT");
  expects_.clear();
  Simple(Kind::kClose);
  connected_ = false;
  Summary();
  ReportNotNotified();
  Simple(Kind::kCloseLog);
  log_open_ = false;
  EndRun();
}

}  // namespace mail
