#include "core/base64.h"
#include "mail/smtp/smtp_engine.h"
#include "mail/smtp/smtp_engine_parts.h"

namespace mail {

namespace {
bool Accepted(const std::string& reply) {
  std::string code = reply.substr(0, 3);
  return code == "220" || code == "250" || code == "235" || code == "334" || code == "354";
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
    EndWithBox("The SMTP mail server " + ServerText() +
                   " offered a secure connection (STARTTLS) but refused to start it:" + kCrLf +
                   reply + "Nothing was sent over an unprotected connection.",
               mb::kCritical, roster::kDefaultTitle);
    return;
  }
  if (!Accepted(reply)) {
    FailurePath(reply);
    return;
  }
  try {
    Step(reply);
  } catch (...) {
    HandlerError();
  }
}

void SmtpEngine::SendEhlo() {
  std::string login = CommandSafe(LoginName(ctx_.settings.SMTPAccountName));
  Send("EHLO " + login + kCrLf, ctx_.timeouts.command);
  if (ctx_.settings.ServerRequiresAuthentication)
    Log("SENT[ EHLO " + login + " ]");
  else
    Log("EHLO " + login);
  ehlo_pending_ = true;
  SmtpState = ctx_.settings.ServerRequiresAuthentication ? 1 : 2;
}

void SmtpEngine::Step(const std::string& reply) {
  const MailSettings& s = ctx_.settings;
  if (ehlo_pending_) {
    ehlo_pending_ = false;
    EhloOffer offer = ParseEhlo(reply);
    if (offer.starttls && !tls_active_) {
      Send(std::string("STARTTLS") + kCrLf, ctx_.timeouts.command);
      Log("SENT [ STARTTLS ]");
      SmtpState = kStateStartTls;
      return;
    }
    if (SmtpState == 1) {
      if (offer.auth_login) {
        Send(std::string("AUTH LOGIN") + kCrLf, ctx_.timeouts.command);
        Log("SENT [ AUTH LOGIN ]");
        SmtpState = 4;
        return;
      }
      Emit(Fx(Kind::kSend, std::string("QUIT") + kCrLf + kCrLf));
      Log("SENT [ QUIT ]");
      Box(" ERROR: SMTP mail server authentication not supported", mb::kCritical,
          roster::kDefaultTitle);
      Status("Disconnecting from SMTP mail server: authentication not supported");
      Simple(Kind::kClose);
      Log("MAIL AUTH FAILED");
      Simple(Kind::kCloseLog);
      log_open_ = false;
      EndRun();
      return;
    }
  }
  switch (SmtpState) {
    case 0:
      SendEhlo();
      break;
    case 2: {
      std::string from = CommandSafe(Trim(s.SMTPAccountName));
      Send("MAIL FROM:<" + from + ">" + kCrLf, ctx_.timeouts.command);
      Log("SENT [ MAIL FROM:<" + from + "> ]");
      SmtpState = 6;
      break;
    }
    case 4: {
      std::string user = CommandSafe(Base64Encode(LoginName(s.SMTPAccountName)));
      Send(user + kCrLf, ctx_.timeouts.command);
      Log("SENT [ " + user + " ]");
      SmtpState = 5;
      break;
    }
    case 5: {
      std::string password = CommandSafe(s.SMTPAccountPassword);
      Send(password + kCrLf, ctx_.timeouts.command);
      Log("SENT [ " + password + " ]");
      SmtpState = 2;
      break;
    }
    case 6: {
      std::string to = CommandSafe(Trim(Current().address));
      Send("RCPT TO:<" + to + ">" + kCrLf, ctx_.timeouts.command);
      Log("SENT [ RCPT TO:<" + to + "> ]");
      SmtpState = 7;
      break;
    }
    case 7:
      Send(std::string("DATA") + kCrLf, ctx_.timeouts.data_start);
      Log("SENT [ DATA ]");
      SmtpState = 8;
      break;
    case 8:
      ComposeAndSend();
      break;
    case 9:
      Log("START MAIL_DOT");
      SentNames += pending_giver_ + ";";
      AcceptedRows.push_back(CurrentRow);
      SetState(DeliveryState::kAccepted);
      Advance(reply);
      break;
    case 10:
      Log("START MAIL_QUIT");
      Simple(Kind::kClose);
      Summary();
      Log("END MAIL_QUIT");
      Simple(Kind::kCloseLog);
      log_open_ = false;
      EndRun();
      break;
    default:
      break;
  }
}

void SmtpEngine::ComposeAndSend() {
  const Delivery& d = Current();
  ++SentCount;
  Status(std::string(run_.resend ? " Re-Sending email " : " Sending email ") +
         std::to_string(SentCount) + " of " + std::to_string(run_.participants) + " to " + d.name +
         " ...");
  std::string data = DataSection(ctx_.compose(d));
  SetState(DeliveryState::kInFlight);
  Emit(Fx(Kind::kSend, data));
  Log(std::move(data));
  Send(std::string(".") + kCrLf, ctx_.timeouts.data_end);
  Log("SENT [ . ]");
  pending_giver_ = d.name;
  SmtpState = 9;
}

void SmtpEngine::Advance(const std::string& reply) {
  ++current_;
  if (current_ < run_.deliveries.size() && !stop_requested_) {
    CurrentRow = Current().giver_row;
    SmtpState = 2;
    Step(reply);
    return;
  }
  SmtpState = 10;
  Send(std::string("QUIT") + kCrLf + kCrLf, ctx_.timeouts.command);
  Status("Disconnecting from SMTP mail server " + ServerText() + "...");
  Log("END MAIL_DOT");
}

}  // namespace mail
