#include "mail/smtp/smtp_engine.h"

#include "core/tr.h"
#include "mail/smtp/smtp_engine_parts.h"
#include "mail/smtp/smtp_text.h"

namespace mail {

namespace {
constexpr const char* kInvalidEntry = core::TrNoop(
    "Smtp", "Invalid SMTP entry, please change setting under the Tools->Settings menu");
constexpr const char* kConnectFailed =
    core::TrNoop("Smtp", "Error Failed to connect to SMTP Server");
constexpr const char* kNoInternet =
    core::TrNoop("Smtp", "Error This operation requires a internet connection");

std::string Seconds(std::chrono::milliseconds ms) {
  return std::to_string((ms.count() + 999) / 1000);
}
}  // namespace

SmtpEngine::SmtpEngine(SmtpContext context) : ctx_(std::move(context)) {}

// ---- starting a run -------------------------------------------------------------------

void SmtpEngine::Reset(bool free_form, DeliveryRun run) {
  run_ = std::move(run);
  current_ = 0;
  stop_requested_ = false;
  outcomes_.assign(run_.deliveries.size(), DeliveryOutcome{});
  SentNames.clear();
  CurrentRow = 1;
  SentCount = 0;
  ReconnectCount = 0;
  FreeFormMode = free_form;
  AcceptedRows.clear();
  reported_ = false;
  tls_used_ = false;
  queue_.clear();
  for (std::size_t i = 0; i < run_.deliveries.size(); ++i) queue_.push_back(i);
  tries_.assign(run_.deliveries.size(), 0);
  ordinal_.assign(run_.deliveries.size(), 0);
  messages_started_ = 0;
  in_flight_.clear();
  expects_.clear();
}

void SmtpEngine::SmtpSendDrawing(DeliveryRun run) {
  if (active_) {  // the running run keeps the connection and the log
    Box(core::Tr("Smtp", kConnectFailed), mb::kCritical, roster::kDefaultTitle);
    return;
  }
  Reset(false, std::move(run));
  if (run_.resend && run_.deliveries.empty()) {
    Box(core::Tr("Smtp", "No Messages selected to send"), mb::kInformation, roster::kDefaultTitle);
    Simple(Kind::kFinished);
    return;
  }
  if (!run_.deliveries.empty()) CurrentRow = run_.deliveries.front().giver_row;
  Status(core::Arg(core::Tr("Smtp", "Connecting to SMTP mail server %1..."), {ServerText()}));
  SmtpState = 0;
  Start("Send_SMTP Connect to ");
}

void SmtpEngine::SmtpSendMessage(DeliveryRun run) {
  if (active_) {
    Box(core::Tr("Smtp", kConnectFailed), mb::kCritical, roster::kDefaultTitle);
    return;
  }
  Reset(true, std::move(run));
  if (!ctx_.send_values.SendConfirmed) {
    Simple(Kind::kFinished);
    return;
  }
  Status(core::Arg(core::Tr("Smtp", "Connecting to SMTP mail server %1..."), {ServerText()}));
  Start("SendMessage_SMTP Connect to ");
}

bool SmtpEngine::Start(const char* log_prefix) {
  if (!SmtpSettingsValid(ctx_.settings)) {
    Box(core::Tr("Smtp", kInvalidEntry), mb::kCritical, roster::kDefaultTitle);
    Status(core::Tr("Smtp", kInvalidEntry));
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
  Box(core::Tr("Smtp", ctx_.internet_connected() ? kConnectFailed : kNoInternet), mb::kCritical,
      roster::kDefaultTitle);
  if (!FreeFormMode && run_.resend) Simple(Kind::kRunNew);
  EndRun();
}

void SmtpEngine::Connect() {
  std::optional<ServerAddress> server = SplitServerText(ServerText());
  connected_ = false;
  tls_active_ = false;
  ehlo_pending_ = false;
  pipelining_ = false;
  expects_.clear();
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
  if (implicit_tls_) tls_active_ = tls_used_ = true;
}

void SmtpEngine::OnBytes(std::string_view bytes) {
  // Between STARTTLS and the finished handshake nothing may be taken for a reply.
  if (!active_ || wait_ != Wait::kReply) return;
  if (framer_.Feed(bytes) != ReplyFramer::Status::kOk) {
    Log("SMTP ERROR OR Disconnect");
    EndWithBox(core::Arg(core::Tr("Smtp",
                                  "The SMTP mail server %1 sent a reply longer than this program "
                                  "accepts; the connection was closed."),
                         {ServerText()}),
               mb::kCritical, core::Tr("Smtp", "SMTP Error"));
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
  tls_active_ = tls_used_ = true;
  framer_.Reset();
  Log("TLS ESTABLISHED");
  SendEhlo();
}

void SmtpEngine::OnTlsFailed(const std::string& description) {
  if (!active_) return;
  Log("TLS FAILED: " + description);
  std::optional<ServerAddress> server = SplitServerText(ServerText());
  EndWithBox(core::Arg(core::Tr("Smtp",
                                "A secure connection to the SMTP mail server %1 could not be "
                                "established:\r\n%2\r\nNothing was sent over this connection."),
                       {server ? server->host : ServerText(), description}),
             mb::kCritical, roster::kDefaultTitle);
}

void SmtpEngine::OnPeerClosed() {
  if (!active_ || !connected_) return;
  if (wait_ != Wait::kReply && wait_ != Wait::kTlsHandshake && wait_ != Wait::kNone) return;
  framer_.Reset();
  connected_ = false;
  FailurePath(core::Tr("Smtp", "The server closed the connection."), true);
}

void SmtpEngine::Winsock1_Error(int number, const std::string& description) {
  if (!active_) return;
  RequeueInFlight(true);
  Box(core::Arg(core::Tr("Smtp", "Winsock1 Error number %1"), {std::to_string(number)}) + kCrLf +
          description + kCrLf + ConnectFailureAdvice(ServerText(), number),
      mb::kExclamation, core::Tr("Smtp", "Winsock1 Error"));
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
      Status(
          core::Arg(core::Tr("Smtp", "Re-Connecting to SMTP mail server %1..."), {ServerText()}));
      Arm(SmtpTimer::kReconnectWait, ctx_.timeouts.reconnect_second);
    } else if (reconnect_phase_ == 2) {
      reconnect_phase_ = 0;
      SmtpState = 0;
      if (!SplitServerText(ServerText())) {
        Box(ctx_.internet_connected()
                ? core::Tr("Smtp", "Error Failed to re-connect to SMTP Server")
                : core::Tr("Smtp", kNoInternet),
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
  if (wait_ == Wait::kToken) {
    OnTokenRefreshed(
        false, core::Arg(core::Tr("Smtp", "no answer from the sign-in provider within %1 seconds"),
                         {Seconds(ctx_.timeouts.command)}));
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
  else if (!expects_.empty() && expects_.back().cmd == Cmd::kData)
    waited = ctx_.timeouts.data_start;
  else if (!expects_.empty() && expects_.back().cmd == Cmd::kDot)
    waited = ctx_.timeouts.data_end;
  Log("NO REPLY WITHIN " + Seconds(waited) + " SECONDS");
  EndWithBox(core::Arg(core::Tr("Smtp",
                                "The SMTP mail server %1 did not answer within %2 seconds; the "
                                "connection was closed."),
                       {ServerText(), Seconds(waited)}),
             mb::kCritical, core::Tr("Smtp", "SMTP Error"));
}

void SmtpEngine::OnTokenRefreshed(bool ok, const std::string& problem) {
  if (!active_ || wait_ != Wait::kToken) return;
  Cancel(SmtpTimer::kReply);
  wait_ = Wait::kNone;
  if (ok) {
    Log("SIGN-IN TOKEN RENEWED");
    login_ = ctx_.make_login ? ctx_.make_login(offered_, ctx_.settings) : nullptr;
    if (login_) {
      StartLogin();
      return;
    }
  }
  Log("SIGN-IN TOKEN NOT RENEWED");
  FailurePath(login_failure_ +
              (problem.empty()
                   ? core::Tr("Smtp",
                              "The sign-in could not be renewed. Sign in again under "
                              "Tools->Settings.")
                   : core::Arg(core::Tr("Smtp",
                                        "The sign-in could not be renewed: %1. Sign in again "
                                        "under Tools->Settings."),
                               {problem})) +
              kCrLf);
}

void SmtpEngine::OnAnswer(int answer) {
  if (!active_ || wait_ != Wait::kAnswer) return;
  wait_ = Wait::kNone;
  if (answer == mb::kRetry) {
    SmtpReconnect();
    return;
  }
  Status(core::Tr("Smtp", "User aborted SMTP Error: ") + last_reply_);
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

// ---- helpers --------------------------------------------------------------------------

void SmtpEngine::Send(std::string bytes, std::chrono::milliseconds timeout) {
  Emit(Fx(Kind::kSend, std::move(bytes)));
  Arm(SmtpTimer::kReply, timeout);
  wait_ = Wait::kReply;
}

void SmtpEngine::Simple(Kind kind) { Emit(Fx(kind)); }

void SmtpEngine::Log(std::string entry) { Emit(Fx(Kind::kLog, std::move(entry))); }
void SmtpEngine::Status(std::string text) {
  last_status_ = text;
  Emit(Fx(Kind::kStatus, std::move(text)));
}

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
