#include "mail/smtp/smtp_engine.h"

#include <stdexcept>

#include "core/base64.h"

namespace mail {

namespace mb = roster::mb;
using Kind = SmtpEffect::Kind;

namespace {
constexpr const char* kCrLf = "\r\n";
constexpr const char* kInvalidEntry =
    "Invalid SMTP entry, please change setting under the Tools->Settings menu";

bool Accepted(const std::string& reply) {
  std::string code = reply.substr(0, 3);
  return code == "220" || code == "250" || code == "235" || code == "334" || code == "354";
}

SmtpEffect Fx(Kind kind, std::string text = {}) {
  SmtpEffect e;
  e.kind = kind;
  e.text = std::move(text);
  return e;
}

std::string Seconds(std::chrono::milliseconds ms) {
  return std::to_string((ms.count() + 999) / 1000);
}
}  // namespace

SmtpEngine::SmtpEngine(SmtpContext context) : ctx_(std::move(context)) {}

// ---- starting a run -------------------------------------------------------------------

void SmtpEngine::Reset(bool free_form) {
  SentNames.clear();
  CurrentRow = 1;
  SentCount = 0;
  ReconnectCount = 0;
  FreeFormMode = free_form;
  AcceptedRows.clear();
  summarised_ = false;
}

void SmtpEngine::SmtpSendDrawing() {
  if (active_) {  // the running run keeps the connection and the log
    Box("Error Failed to connect to SMTP Server", mb::kCritical, roster::kDefaultTitle);
    return;
  }
  Reset(false);
  const roster::Grid& grid = ctx_.roster.grid();
  if (ctx_.roster.ReSendMode) {
    while (CurrentRow < grid.Rows() && !IsSelected(CurrentRow)) ++CurrentRow;
    if (CurrentRow >= grid.Rows()) {
      Box("No Messages selected to send", mb::kInformation, roster::kDefaultTitle);
      Simple(Kind::kFinished);
      return;
    }
  }
  Status("Connecting to SMTP mail server " + ServerText() + "...");
  SmtpState = 0;
  Start("Send_SMTP Connect to ");
}

void SmtpEngine::SmtpSendMessage() {
  if (active_) {
    Box("Error Failed to connect to SMTP Server", mb::kCritical, roster::kDefaultTitle);
    return;
  }
  Reset(true);
  if (!ctx_.send_values.SendConfirmed) {
    Simple(Kind::kFinished);
    return;
  }
  Status("Connecting to SMTP mail server " + ServerText() + "...");
  Start("SendMessage_SMTP Connect to ");
}

bool SmtpEngine::Start(const char* log_prefix) {
  if (!SmtpSettingsValid(ctx_.settings)) {
    Box(kInvalidEntry, mb::kCritical, roster::kDefaultTitle);
    Status(kInvalidEntry);
    Simple(Kind::kFinished);
    return false;
  }
  active_ = true;
  Simple(Kind::kOpenLog);
  log_open_ = true;
  std::optional<ServerAddress> server = SplitServerText(ServerText());
  if (!server) {
    StartFailed();
    return false;
  }
  SmtpState = 0;
  Connect();
  Log(log_prefix + server->host);
  return true;
}

void SmtpEngine::OnLogOpenFailed() {
  // Called as the transport fails to carry out kOpenLog: what was queued after it is void.
  effects_.clear();
  log_open_ = false;
  StartFailed();
}

void SmtpEngine::StartFailed() {
  if (log_open_) Simple(Kind::kCloseLog);
  log_open_ = false;
  Box(ctx_.internet_connected() ? "Error Failed to connect to SMTP Server"
                                : "Error This operation requires a internet connection",
      mb::kCritical, roster::kDefaultTitle);
  if (!FreeFormMode && ctx_.roster.ReSendMode) Simple(Kind::kRunNew);
  EndRun();
}

void SmtpEngine::Connect() {
  std::optional<ServerAddress> server = SplitServerText(ServerText());
  connected_ = false;
  tls_active_ = false;
  ehlo_pending_ = false;
  implicit_tls_ = server->port == ctx_.implicit_tls_port;
  framer_.Reset();
  SmtpEffect e = Fx(Kind::kConnect);
  e.host = server->host;
  e.port = server->port;
  e.implicit_tls = implicit_tls_;
  Emit(std::move(e));
  Arm(SmtpTimer::kReply, ctx_.timeouts.greeting);
  wait_ = Wait::kReply;
}

// ---- transport events -----------------------------------------------------------------

void SmtpEngine::OnConnected() {
  if (!active_) return;
  connected_ = true;
  if (implicit_tls_) tls_active_ = true;
}

void SmtpEngine::OnBytes(std::string_view bytes) {
  // Between STARTTLS and the finished handshake nothing may be taken for a reply.
  if (!active_ || wait_ != Wait::kReply) return;
  if (framer_.Feed(bytes) != ReplyFramer::Status::kOk) {
    Log("SMTP ERROR OR Disconnect");
    EndWithBox("The SMTP mail server " + ServerText() +
                   " sent a reply longer than this program accepts; the connection was closed.",
               mb::kCritical, "SMTP Error");
    return;
  }
  while (active_ && wait_ == Wait::kReply) {
    std::optional<std::string> reply = framer_.Next();
    if (!reply) break;
    HandleReply(*reply);
  }
}

void SmtpEngine::OnTlsEstablished() {
  if (!active_ || wait_ != Wait::kTlsHandshake) return;
  Cancel(SmtpTimer::kReply);
  tls_active_ = true;
  framer_.Reset();
  Log("TLS ESTABLISHED");
  SendEhlo();
}

void SmtpEngine::OnTlsFailed(const std::string& description) {
  if (!active_) return;
  Log("TLS FAILED: " + description);
  std::optional<ServerAddress> server = SplitServerText(ServerText());
  EndWithBox("A secure connection to the SMTP mail server " +
                 (server ? server->host : ServerText()) + " could not be established:" + kCrLf +
                 description + kCrLf + "Nothing was sent over this connection.",
             mb::kCritical, roster::kDefaultTitle);
}

void SmtpEngine::OnPeerClosed() {
  if (!active_ || !connected_) return;
  if (wait_ != Wait::kReply && wait_ != Wait::kTlsHandshake && wait_ != Wait::kNone) return;
  framer_.Reset();
  connected_ = false;
  FailurePath("The server closed the connection.");
}

void SmtpEngine::Winsock1_Error(int number, const std::string& description) {
  if (!active_) return;
  Box("Winsock1 Error number " + std::to_string(number) + kCrLf + description, mb::kExclamation,
      "Winsock1 Error");
  Simple(Kind::kClose);
  if (log_open_) Simple(Kind::kCloseLog);
  log_open_ = false;
  EndRun();
}

void SmtpEngine::OnTimer(SmtpTimer timer) {
  if (!active_) return;
  if (timer == SmtpTimer::kReconnectWait) {
    if (reconnect_phase_ == 1) {
      reconnect_phase_ = 2;
      Status("Re-Connecting to SMTP mail server " + ServerText() + "...");
      Arm(SmtpTimer::kReconnectWait, ctx_.timeouts.reconnect_second);
    } else if (reconnect_phase_ == 2) {
      reconnect_phase_ = 0;
      SmtpState = 0;
      if (!SplitServerText(ServerText())) {
        Box(ctx_.internet_connected() ? "Error Failed to re-connect to SMTP Server"
                                      : "Error This operation requires a internet connection",
            mb::kCritical, roster::kDefaultTitle);
        Simple(Kind::kCloseLog);
        log_open_ = false;
        EndRun();
        return;
      }
      Connect();
    }
    return;
  }
  if (wait_ != Wait::kReply && wait_ != Wait::kTlsHandshake) return;
  if (SmtpState == 10) {  // every message is in; the server just never answered QUIT
    Simple(Kind::kClose);
    Summary();
    Simple(Kind::kCloseLog);
    log_open_ = false;
    EndRun();
    return;
  }
  std::chrono::milliseconds waited = ctx_.timeouts.command;
  if (!connected_ || SmtpState == 0 || wait_ == Wait::kTlsHandshake)
    waited = ctx_.timeouts.greeting;
  else if (SmtpState == 8)
    waited = ctx_.timeouts.data_start;
  else if (SmtpState == 9)
    waited = ctx_.timeouts.data_end;
  Log("NO REPLY WITHIN " + Seconds(waited) + " SECONDS");
  EndWithBox("The SMTP mail server " + ServerText() + " did not answer within " + Seconds(waited) +
                 " seconds; the connection was closed.",
             mb::kCritical, "SMTP Error");
}

void SmtpEngine::OnAnswer(int answer) {
  if (!active_ || wait_ != Wait::kAnswer) return;
  wait_ = Wait::kNone;
  if (answer == mb::kRetry) {
    SmtpReconnect();
    return;
  }
  Status("User aborted SMTP Error: " + last_reply_);
  Simple(Kind::kCloseLog);
  log_open_ = false;
  EndRun();
}

std::optional<SmtpEffect> SmtpEngine::NextEffect() {
  if (effects_.empty()) return std::nullopt;
  SmtpEffect e = std::move(effects_.front());
  effects_.pop_front();
  return e;
}

// ---- replies --------------------------------------------------------------------------

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
      std::string to = CommandSafe(Trim(Recipient()));
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
  const roster::Grid& grid = ctx_.roster.grid();
  SmtpMessageRequest request;
  request.free_form = FreeFormMode;
  request.giver_name = grid.TextMatrix(CurrentRow, roster::kColName);
  request.recipient = Recipient();
  ++SentCount;
  Status(std::string(ctx_.roster.ReSendMode ? " Re-Sending email " : " Sending email ") +
         std::to_string(SentCount) + " of " + std::to_string(grid.Rows() - 1) + " to " +
         request.giver_name + " ...");
  if (!FreeFormMode) {
    int receiver = 0;
    if (!roster::ParseNumber(grid.TextMatrix(CurrentRow, roster::kColResult), receiver) ||
        receiver < 1 || receiver >= grid.Rows())
      throw std::runtime_error("no receiver");
    request.receiver_name = grid.TextMatrix(receiver, roster::kColName);
    request.receiver_notes = grid.TextMatrix(receiver, roster::kColNotes);
  }
  std::string data = DataSection(ctx_.compose(request));
  Emit(Fx(Kind::kSend, data));
  Log(std::move(data));
  Send(std::string(".") + kCrLf, ctx_.timeouts.data_end);
  Log("SENT [ . ]");
  pending_giver_ = request.giver_name;
  SmtpState = 9;
}

void SmtpEngine::Advance(const std::string& reply) {
  const roster::Grid& grid = ctx_.roster.grid();
  ++CurrentRow;
  if (ctx_.roster.ReSendMode)
    while (CurrentRow < grid.Rows() && !IsSelected(CurrentRow)) ++CurrentRow;
  if (CurrentRow < grid.Rows()) {
    SmtpState = 2;
    Step(reply);
    return;
  }
  SmtpState = 10;
  Send(std::string("QUIT") + kCrLf + kCrLf, ctx_.timeouts.command);
  Status("Disconnecting from SMTP mail server " + ServerText() + "...");
  Log("END MAIL_DOT");
}

// ---- endings --------------------------------------------------------------------------

void SmtpEngine::FailurePath(const std::string& reply) {
  Log("SMTP ERROR OR Disconnect");
  Status("Disconnecting from SMTP mail server " + ServerText() + "...");
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
  if (SentCount > 1 && SentCount < ctx_.roster.grid().Rows()) {
    if (ReconnectCount <= 5) {
      ++ReconnectCount;
      SmtpReconnect();
    } else {
      last_reply_ = reply;
      Box("SMTP Error: " + reply, mb::kQuestion + mb::kRetryCancel, "SMTP Error", true);
      wait_ = Wait::kAnswer;
    }
    return;
  }
  Box("SMTP Error: " + reply, mb::kInformation, "SMTP Error");
  Simple(Kind::kCloseLog);
  log_open_ = false;
  if (ctx_.roster.ReSendMode) Simple(Kind::kRunNew);
  EndRun();
}

void SmtpEngine::Summary() {
  summarised_ = true;
  // Counts and names the messages the server accepted, so a run that had to reconnect
  // neither counts nor names a giver twice.
  bool resend = ctx_.roster.ReSendMode;
  std::string count = std::to_string(AcceptedRows.size());
  Box(count + (resend ? " Mail Messages Re-Sent to" : " Mail Messages Sent to") + "\n" + SentNames +
          "\n",
      mb::kOkOnly, roster::kDefaultTitle);
  Status(count + (resend ? " Mail Messages Re-Sent" : " Mail Messages Sent"));
  if (resend) Simple(Kind::kRunNew);
}

void SmtpEngine::SmtpReconnect() {
  Simple(Kind::kClose);
  connected_ = false;
  Status("Server Disconnected, Automatic re-connecting in 10 seconds...");
  reconnect_phase_ = 1;
  wait_ = Wait::kNone;
  Arm(SmtpTimer::kReconnectWait, ctx_.timeouts.reconnect_first);
}

void SmtpEngine::EndWithBox(const std::string& text, int style, const std::string& title) {
  Simple(Kind::kClose);
  Box(text, style, title);
  Status(text);
  Simple(Kind::kCloseLog);
  log_open_ = false;
  EndRun();
}

void SmtpEngine::HandlerError() {
  Simple(Kind::kClose);
  Simple(Kind::kCloseLog);
  log_open_ = false;
  Box("Error while attempting to send messages", mb::kCritical, roster::kDefaultTitle);
  if (ctx_.roster.ReSendMode) Simple(Kind::kRunNew);
  EndRun();
}

void SmtpEngine::EndRun() {
  ReportNotNotified();
  active_ = false;
  wait_ = Wait::kNone;
  reconnect_phase_ = 0;
  connected_ = false;
  Cancel(SmtpTimer::kReply);
  Cancel(SmtpTimer::kReconnectWait);
  Simple(Kind::kFinished);
}

std::string SmtpEngine::NotNotifiedNames() const {
  const roster::Grid& grid = ctx_.roster.grid();
  std::vector<bool> accepted(static_cast<std::size_t>(grid.Rows()), false);
  for (int row : AcceptedRows)
    if (row > 0 && row < grid.Rows()) accepted[static_cast<std::size_t>(row)] = true;
  const bool only_marked = !FreeFormMode && ctx_.roster.ReSendMode;
  std::string names;
  for (int row = 1; row < grid.Rows(); ++row) {
    if (accepted[static_cast<std::size_t>(row)] || (only_marked && !IsSelected(row))) continue;
    names += grid.TextMatrix(row, roster::kColName) + ";";
  }
  return names;
}

// A run that stopped part-way has told the server's error, but not who is still waiting for
// their message; without that list a lost notification could only be guessed at.
void SmtpEngine::ReportNotNotified() {
  if (!active_ || summarised_ || AcceptedRows.empty()) return;
  const std::string missing = NotNotifiedNames();
  if (missing.empty()) return;
  std::string text = "These participants were not notified:\n" + missing;
  if (!FreeFormMode)
    text +=
        "\n\nRe-Send Previous Drawing with the newest file in History and mark them to "
        "send their notifications again.";
  if (log_open_) Log("NOT NOTIFIED " + missing);
  Box(std::move(text), mb::kExclamation, roster::kDefaultTitle);
}

// ---- helpers --------------------------------------------------------------------------

bool SmtpEngine::IsSelected(int row) const {
  return ctx_.roster.grid().CellAt(row, roster::kColName).back == roster::kRed;
}

std::string SmtpEngine::Recipient() const {
  if (ctx_.send_values.TestMode) return ctx_.send_values.TestAddress;
  return ctx_.roster.grid().TextMatrix(CurrentRow, roster::kColEmail);
}

void SmtpEngine::Send(std::string bytes, std::chrono::milliseconds timeout) {
  Emit(Fx(Kind::kSend, std::move(bytes)));
  Arm(SmtpTimer::kReply, timeout);
  wait_ = Wait::kReply;
}

void SmtpEngine::Simple(Kind kind) { Emit(Fx(kind)); }

void SmtpEngine::Log(std::string entry) { Emit(Fx(Kind::kLog, std::move(entry))); }
void SmtpEngine::Status(std::string text) { Emit(Fx(Kind::kStatus, std::move(text))); }

void SmtpEngine::Box(std::string text, int style, std::string title, bool needs_answer) {
  SmtpEffect e = Fx(Kind::kMessageBox, std::move(text));
  e.title = std::move(title);
  e.style = style;
  e.needs_answer = needs_answer;
  Emit(std::move(e));
}

void SmtpEngine::Arm(SmtpTimer timer, std::chrono::milliseconds delay) {
  SmtpEffect e = Fx(Kind::kArmTimer);
  e.timer = timer;
  e.delay = delay;
  Emit(std::move(e));
}

void SmtpEngine::Cancel(SmtpTimer timer) {
  SmtpEffect e = Fx(Kind::kCancelTimer);
  e.timer = timer;
  Emit(std::move(e));
}

}  // namespace mail
