// The session's replies: greeting, EHLO and STARTTLS, the login, and each message's
// transaction. Every command has the replies it expects; the replies to pipelined commands
// come back in the order the commands went out, so each is matched to its delivery.

#include "core/tr.h"
#include "mail/smtp/smtp_engine.h"
#include "mail/smtp/smtp_engine_parts.h"
#include "settings/provider_presets.h"

namespace mail {

namespace {

constexpr int kMaxLoginSteps = 4;  // challenges one login may take before it counts as failed
constexpr int kMaxTries = 4;       // a temporary refusal is tried three more times per run

std::string_view Code(const std::string& reply) { return std::string_view(reply).substr(0, 3); }

std::string FirstLine(const std::string& reply) {
  return reply.substr(0, reply.find_first_of("\r\n"));
}

// The header block of a wire message and the size of what follows, for the session log: the
// notification text is the drawing and never goes into a file.
std::string LoggedMessage(const std::string& data) {
  std::size_t end = data.find("\r\n\r\n");
  std::string head = end == std::string::npos ? std::string() : data.substr(0, end + 2);
  std::size_t body = end == std::string::npos ? data.size() : data.size() - end - 4;
  return head + "[message text of " + std::to_string(body) + " bytes not logged]";
}

}  // namespace

void SmtpEngine::HandleReply(const std::string& reply) {
  Cancel(SmtpTimer::kReply);
  wait_ = Wait::kNone;
  Log("RECEIVED [ " + reply + " ]");
  if (SmtpState == kStateStartTls) {
    if (reply.compare(0, 4, "220 ") == 0 || reply.compare(0, 5, "220\r\n") == 0) {
      // Whatever followed the 220 in clear text is dropped, never read after the handshake.
      framer_.Reset();
      Simple(Kind::kStartTls);
      Arm(SmtpTimer::kReply, ctx_.timeouts.greeting);
      wait_ = Wait::kTlsHandshake;
      return;
    }
    EndWithBox(core::Arg(core::Tr("Smtp",
                                  "The SMTP mail server %1 offered a secure connection "
                                  "(STARTTLS) but refused to start it:\r\n%2Nothing was sent "
                                  "over an unprotected connection."),
                         {ServerText(), reply}),
               mb::kCritical, roster::kDefaultTitle);
    return;
  }
  try {
    if (SmtpState == 0) {
      if (Code(reply) != "220") return FailurePath(reply);
      SendEhlo();
    } else if (ehlo_pending_) {
      ehlo_pending_ = false;
      if (Code(reply) != "250") return FailurePath(reply);
      OnEhlo(reply);
    } else if (SmtpState == kStateLogin) {
      OnLoginReply(reply);
    } else if (SmtpState == 10) {
      // QUIT: whatever the answer, every message has had its own.
      if (Code(reply) != "220" && Code(reply) != "250") return FailurePath(reply);
      Log("START MAIL_QUIT");
      Simple(Kind::kClose);
      Summary();
      Log("END MAIL_QUIT");
      Simple(Kind::kCloseLog);
      log_open_ = false;
      EndRun();
    } else if (!expects_.empty()) {
      OnTransactionReply(reply);
    }
  } catch (...) {
    HandlerError();
    return;
  }
  // Pipelined commands whose replies are still to come keep the wait going.
  if (active_ && wait_ == Wait::kNone && !expects_.empty()) {
    const Cmd last = expects_.back().cmd;
    wait_ = Wait::kReply;
    Arm(SmtpTimer::kReply, last == Cmd::kData  ? ctx_.timeouts.data_start
                           : last == Cmd::kDot ? ctx_.timeouts.data_end
                                               : ctx_.timeouts.command);
  }
}

void SmtpEngine::SendEhlo() {
  std::string name = CommandSafe(ctx_.ehlo_name);
  Send("EHLO " + name + kCrLf, ctx_.timeouts.command);
  if (ctx_.settings.ServerRequiresAuthentication)
    Log("SENT[ EHLO " + name + " ]");
  else
    Log("EHLO " + name);
  ehlo_pending_ = true;
  SmtpState = ctx_.settings.ServerRequiresAuthentication ? 1 : 2;
}

void SmtpEngine::OnEhlo(const std::string& reply) {
  EhloOffer offer = ParseEhlo(reply);
  if (!tls_active_) {
    if (offer.starttls) {
      Send(std::string("STARTTLS") + kCrLf, ctx_.timeouts.command);
      Log("SENT [ STARTTLS ]");
      SmtpState = kStateStartTls;
      return;
    }
    // Once a connection of this run was encrypted, an unencrypted one can only mean that
    // someone removed the offer on the way.
    if (tls_used_ || !ctx_.settings.AllowUnencryptedSMTP) {
      Log("STARTTLS NOT OFFERED");
      std::string text = core::Arg(core::Tr("Smtp",
                                            "The SMTP mail server %1 does not offer an encrypted "
                                            "connection (STARTTLS), so nothing was sent: no "
                                            "login and no message went over the network "
                                            "unprotected."),
                                   {ServerText()});
      text += std::string(kCrLf) +
              (tls_used_ ? core::Tr("Smtp",
                                    "An earlier connection of this run was encrypted; someone "
                                    "may be interfering with the connection.")
                         : core::Tr("Smtp",
                                    "Use a server or port that offers encryption (port 465 or "
                                    "587), or allow unencrypted SMTP under Tools->Settings."));
      EndWithBox(text, mb::kCritical, roster::kDefaultTitle);
      return;
    }
  }
  pipelining_ = offer.pipelining && ctx_.pipelining;
  if (SmtpState == 1) {
    offered_ = OfferedMechanisms(reply);
    token_renewed_ = false;
    if (ctx_.settings.SMTPAuthMethod == kAuthMethodOAuth2 && ctx_.token_stale &&
        ctx_.token_stale()) {
      // Renewed before it is presented, so the server never sees a token past its time.
      token_renewed_ = true;
      login_failure_.clear();
      Log("SIGN-IN TOKEN RUNS OUT, RENEWING IT");
      Simple(Kind::kRefreshToken);
      Arm(SmtpTimer::kReply, ctx_.timeouts.command);
      wait_ = Wait::kToken;
      return;
    }
    login_ = ctx_.make_login ? ctx_.make_login(offered_, ctx_.settings) : nullptr;
    if (login_) {
      StartLogin();
      return;
    }
    Emit(Fx(Kind::kSend, std::string("QUIT") + kCrLf + kCrLf));
    Log("SENT [ QUIT ]");
    Box(core::Tr("Smtp", " ERROR: SMTP mail server authentication not supported"), mb::kCritical,
        roster::kDefaultTitle);
    Status(core::Tr("Smtp", "Disconnecting from SMTP mail server: authentication not supported"));
    Simple(Kind::kClose);
    Log("MAIL AUTH FAILED");
    Simple(Kind::kCloseLog);
    log_open_ = false;
    EndRun();
    return;
  }
  NextMessage();
}

void SmtpEngine::StartLogin() {
  std::string start = login_->Start();
  Send(start + kCrLf, ctx_.timeouts.command);
  Log(start.find(' ', 5) == std::string::npos
          ? "SENT [ " + start + " ]"
          : "SENT [ AUTH " + login_->Name() + " " + kLoginPlaceholder + " ]");
  login_steps_ = 0;
  SmtpState = kStateLogin;
}

void SmtpEngine::OnLoginReply(const std::string& reply) {
  if (Code(reply) == "235") {
    login_.reset();
    NextMessage();
    return;
  }
  std::optional<std::string> answer;
  if (Code(reply) == "334" && ++login_steps_ <= kMaxLoginSteps) {
    std::string challenge = FirstLine(reply);
    answer = login_->Answer(challenge.size() > 4 ? challenge.substr(4) : std::string());
  }
  if (!answer) {
    const bool renew = !token_renewed_ && login_->TokenRejected(reply);
    login_.reset();
    if (renew) {
      // Access tokens live about an hour; the one presented may have just run out. The
      // connection stays open while a new one is fetched, and the login is tried once more.
      token_renewed_ = true;
      login_failure_ = reply;
      Log("SIGN-IN TOKEN REFUSED, RENEWING IT");
      Simple(Kind::kRefreshToken);
      Arm(SmtpTimer::kReply, ctx_.timeouts.command);
      wait_ = Wait::kToken;
      return;
    }
    FailurePath(reply);
    return;
  }
  Send(CommandSafe(*answer) + kCrLf, ctx_.timeouts.command);
  Log(std::string("SENT [ ") + kLoginPlaceholder + " ]");
}

// ---- each message's transaction -------------------------------------------------------

void SmtpEngine::NextMessage() {
  SmtpState = 2;
  if (queue_.empty() || stop_requested_) {
    Quit();
    return;
  }
  SendEnvelope();
}

void SmtpEngine::SendEnvelope() {
  const std::size_t i = queue_.front();
  queue_.pop_front();
  current_ = i;
  CurrentRow = run_.deliveries[i].giver_row;
  failed_txn_ = false;
  SmtpState = 6;
  SetState(i, DeliveryState::kInFlight);
  std::string from = CommandSafe(Trim(ctx_.settings.SMTPAccountName));
  Send("MAIL FROM:<" + from + ">" + kCrLf, ctx_.timeouts.command);
  Log("SENT [ MAIL FROM:<" + from + "> ]");
  expects_.push_back({Cmd::kMail, i});
  if (!pipelining_) return;
  SendRcpt(i);
  SendData(i);
}

void SmtpEngine::SendRcpt(std::size_t i) {
  std::string to = CommandSafe(Trim(run_.deliveries[i].address));
  Send("RCPT TO:<" + to + ">" + kCrLf, ctx_.timeouts.command);
  Log("SENT [ RCPT TO:<" + to + "> ]");
  expects_.push_back({Cmd::kRcpt, i});
}

void SmtpEngine::SendData(std::size_t i) {
  Send(std::string("DATA") + kCrLf, ctx_.timeouts.data_start);
  Log("SENT [ DATA ]");
  expects_.push_back({Cmd::kData, i});
}

void SmtpEngine::OnTransactionReply(const std::string& reply) {
  const Expect e = expects_.front();
  expects_.pop_front();
  const std::string_view code = Code(reply);
  bool ok = false;
  switch (e.cmd) {
    case Cmd::kMail:
      ok = code == "250";
      break;
    case Cmd::kRcpt:
      ok = code == "250" || code == "251";
      break;
    case Cmd::kData:
      ok = code == "354";
      break;
    case Cmd::kDot:
      ok = code == "250";
      break;
    case Cmd::kRset:
      ok = code == "250";
      break;
    case Cmd::kIgnore:
      ok = true;
      break;
  }
  if (e.cmd == Cmd::kData && code == "354" && stop_requested_) return StopBeforeText(e.index);
  if (stop_requested_ && ok && !failed_txn_ && (e.cmd == Cmd::kMail || e.cmd == Cmd::kRcpt)) {
    // Cancelled while this envelope was on its way: its message is not begun.
    SetState(e.index, DeliveryState::kNotAttempted);
    failed_txn_ = true;
    if (expects_.empty()) SendRset();
    return;
  }
  if (e.cmd == Cmd::kIgnore ||
      (failed_txn_ && e.index == current_ && e.cmd != Cmd::kDot && e.cmd != Cmd::kRset)) {
    // The rest of a transaction that already failed; a server that still opens the data
    // gets an empty message ended at once.
    if (e.cmd == Cmd::kData && code == "354") {
      Send(std::string(".") + kCrLf, ctx_.timeouts.data_end);
      Log("SENT [ . ]");
      expects_.push_front({Cmd::kIgnore, e.index});
      return;
    }
    if (expects_.empty()) SendRset();
    return;
  }
  if (e.cmd == Cmd::kRset) {
    if (!ok) return FailurePath(reply);
    if (expects_.empty()) NextMessage();
    return;
  }
  if (!ok) {
    // A refusal of this message alone (4xx, 5xx) settles it and the run goes on; anything
    // else (421, or a reply the command cannot have) ends the connection.
    const bool permanent = code.size() == 3 && code[0] == '5';
    const bool temporary = code.size() == 3 && code[0] == '4' && code != "421";
    if (!permanent && !temporary) return FailurePath(reply);
    Refused(e.index, reply, temporary);
    if (e.cmd == Cmd::kDot) {
      if (expects_.empty()) NextMessage();
      return;
    }
    failed_txn_ = true;
    if (expects_.empty()) SendRset();
    return;
  }
  switch (e.cmd) {
    case Cmd::kMail:
      if (!pipelining_) SendRcpt(e.index);
      break;
    case Cmd::kRcpt:
      if (!pipelining_) SendData(e.index);
      break;
    case Cmd::kData:
      SmtpState = 8;
      ComposeAndSend(e.index);
      // The end of this message and the next one's envelope share a write.
      if (pipelining_ && !queue_.empty() && !stop_requested_) SendEnvelope();
      break;
    case Cmd::kDot:
      Log("START MAIL_DOT");
      SentNames += run_.deliveries[e.index].name + ";";
      AcceptedRows.push_back(run_.deliveries[e.index].giver_row);
      SetState(e.index, DeliveryState::kAccepted);
      if (expects_.empty()) NextMessage();
      break;
    default:
      break;
  }
}

void SmtpEngine::SendRset() {
  Send(std::string("RSET") + kCrLf, ctx_.timeouts.command);
  Log("SENT [ RSET ]");
  expects_.push_back({Cmd::kRset, current_});
  if (pipelining_ && !queue_.empty() && !stop_requested_) SendEnvelope();
}

void SmtpEngine::Refused(std::size_t i, const std::string& reply, bool temporary) {
  if (temporary && ++tries_[i] < kMaxTries) {
    queue_.push_back(i);  // tried again once every other message has had its turn
    SetState(i, DeliveryState::kNotAttempted, FirstLine(reply));
    return;
  }
  SetState(i, DeliveryState::kRefused, FirstLine(reply));
}

void SmtpEngine::ComposeAndSend(std::size_t i) {
  const Delivery& d = run_.deliveries[i];
  ++SentCount;
  if (ordinal_[i] == 0) ordinal_[i] = ++messages_started_;
  Status(core::Arg(run_.resend ? core::Tr("Smtp", " Re-Sending email %1 of %2 to %3 ...")
                               : core::Tr("Smtp", " Sending email %1 of %2 to %3 ..."),
                   {std::to_string(ordinal_[i]), std::to_string(run_.participants), d.name}));
  std::string data = DataSection(ctx_.compose(d));
  Log(LoggedMessage(data));
  Emit(Fx(Kind::kSend, std::move(data)));
  Send(std::string(".") + kCrLf, ctx_.timeouts.data_end);
  Log("SENT [ . ]");
  expects_.push_back({Cmd::kDot, i});
  SmtpState = 9;
}

void SmtpEngine::Quit() {
  SmtpState = 10;
  Send(std::string("QUIT") + kCrLf + kCrLf, ctx_.timeouts.command);
  Status(core::Arg(core::Tr("Smtp", "Disconnecting from SMTP mail server %1..."), {ServerText()}));
  Log("END MAIL_DOT");
}

}  // namespace mail
