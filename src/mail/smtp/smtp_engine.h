#pragma once
// The SMTP session of the main window as a state machine without I/O. A transport feeds it
// events (connected, bytes, TLS up, errors, timers, message-box answers) and carries out the
// effects it queues (connect, send, start TLS, close, session log, status text, message
// boxes, timers, the New command). Nothing in here blocks, sleeps or touches a socket.

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/ui_port.h"
#include "mail/delivery_run.h"
#include "mail/send_values.h"
#include "mail/smtp/smtp_login.h"
#include "mail/smtp/smtp_reply.h"
#include "mail/smtp/smtp_text.h"
#include "settings/mail_settings.h"

namespace mail {

// Turns one delivery into the wire message (headers, empty line, body), which the engine
// then sends as the DATA section; called as the message goes out, so its Date is current.
using SmtpComposer = std::function<std::string(const Delivery&)>;

enum class SmtpTimer { kReply, kReconnectWait };

// Client time-outs: RFC 5321's suggested minimums; tests inject shorter ones.
struct SmtpTimeouts {
  std::chrono::milliseconds greeting{5 * 60 * 1000};  // connect, TLS and the 220
  std::chrono::milliseconds command{5 * 60 * 1000};   // EHLO, AUTH, MAIL, RCPT, QUIT
  std::chrono::milliseconds data_start{2 * 60 * 1000};
  std::chrono::milliseconds data_end{10 * 60 * 1000};
  // The documented reconnect wait, as two timer steps with a status text each.
  std::chrono::milliseconds reconnect_first{8000};
  std::chrono::milliseconds reconnect_second{2000};
};

struct SmtpEffect {
  enum class Kind {
    kConnect,   // host, port, implicit_tls
    kSend,      // text = bytes
    kStartTls,  // begin the TLS handshake on the open connection
    kClose,     // close the connection
    kOpenLog,   // create the session log anew; report failure with OnLogOpenFailed()
    kLog,       // text = one entry (the transport adds CR LF)
    kCloseLog,
    kStatus,        // text
    kMessageBox,    // text, style, title; answer with OnAnswer() when needs_answer
    kArmTimer,      // timer, delay (re-arming replaces)
    kCancelTimer,   // timer
    kRefreshToken,  // renew the sign-in's access token; answer with OnTokenRefreshed()
    kRunNew,        // the main window's New command
    kFinished,      // the run is over
  };
  Kind kind = Kind::kFinished;
  std::string text;
  std::string title;
  int style = 0;
  bool needs_answer = false;
  std::string host;
  int port = 0;
  bool implicit_tls = false;
  SmtpTimer timer = SmtpTimer::kReply;
  std::chrono::milliseconds delay{0};
};

// Everything the engine reads from the rest of the program, by reference, as the window
// holds it; read at each step, so the values of the moment are used.
struct SmtpContext {
  const MailSettings& settings;
  const SendValues& send_values;
  SmtpComposer compose;
  std::function<bool()> internet_connected = [] { return true; };
  SmtpTimeouts timeouts;
  // The port on which the connection is TLS from the start (tests use a free one).
  int implicit_tls_port = 465;
  // Told of each delivery's state as it changes (the ledger); may be null.
  DeliveryObserver* observer = nullptr;
  // What EHLO names this machine by: its host name or an address literal, never anything of
  // the user's account.
  std::string ehlo_name = "[127.0.0.1]";
  // Use PIPELINING where the server offers it (turned off to measure the lock-step pace).
  bool pipelining = true;
  // Chooses the login from the mechanisms the server offers; another mechanism (a token one)
  // comes in by replacing it.
  std::function<std::unique_ptr<LoginMechanism>(const std::set<std::string>&, const MailSettings&)>
      make_login = MakeLogin;
  // Whether the sign-in's access token is about to run out, asked before a token login: it is
  // then renewed first (kRefreshToken). Null: the token is presented as it is.
  std::function<bool()> token_stale = {};
};

class SmtpEngine {
 public:
  explicit SmtpEngine(SmtpContext context);

  // The two runs, each over the list it is given. SmtpSendMessage expects frmSendMessage to
  // have been shown already (its answer is in SendConfirmed).
  void SmtpSendDrawing(DeliveryRun run);
  void SmtpSendMessage(DeliveryRun run);

  // Events from the transport.
  void OnConnected();
  void OnBytes(std::string_view bytes);
  void OnTlsEstablished();
  void OnTlsFailed(const std::string& description);
  void OnPeerClosed();
  void Winsock1_Error(int number, const std::string& description);
  void OnTimer(SmtpTimer timer);
  void OnAnswer(int answer);
  void OnLogOpenFailed();
  // The answer to kRefreshToken: on success the settings hold the new access token; otherwise
  // `problem` says in a few words why there is none.
  void OnTokenRefreshed(bool ok, const std::string& problem = {});

  // The next effect to carry out, in order; nullopt when there is none.
  std::optional<SmtpEffect> NextEffect();
  bool HasEffects() const { return !effects_.empty(); }

  bool Active() const { return active_; }
  // The organiser's Cancel: a message whose text has gone out finishes; no other one is
  // sent (an envelope already open is abandoned), and the run ends with the rest not
  // attempted.
  void RequestStop() { stop_requested_ = true; }
  SmtpContext& context() { return ctx_; }

  // Members of the documented session.
  int SmtpState = 0;
  int CurrentRow = 0;
  int SentCount = 0;
  int ReconnectCount = 0;
  bool FreeFormMode = false;
  std::string SentNames;
  // Rows whose message the server accepted in this run, in order (the organiser's record of
  // who was notified when a run ends early).
  std::vector<int> AcceptedRows;

  // What became of each delivery of the current (or last) run, in the list's order.
  const std::vector<DeliveryOutcome>& Outcomes() const { return outcomes_; }

  // The participants this run was to reach whose message the server did not accept, names
  // each followed by ";" (empty when nobody is missing).
  std::string NotNotifiedNames() const;

 private:
  enum class Wait { kNone, kReply, kStartTlsReply, kTlsHandshake, kAnswer, kToken };
  static constexpr int kStateStartTls = 11;
  static constexpr int kStateLogin = 4;
  // A command whose reply is still to come; pipelined replies arrive in this order.
  enum class Cmd { kMail, kRcpt, kData, kDot, kRset, kIgnore };
  struct Expect {
    Cmd cmd;
    std::size_t index;  // the delivery the command belongs to
  };

  void Reset(bool free_form, DeliveryRun run);
  bool Start(const char* log_prefix);
  void StartFailed();
  void Connect();
  void HandleReply(const std::string& reply);
  void SendEhlo();
  void OnEhlo(const std::string& reply);
  void OnLoginReply(const std::string& reply);
  void StartLogin();
  void NextMessage();
  void SendEnvelope();
  void SendRcpt(std::size_t i);
  void SendData(std::size_t i);
  void OnTransactionReply(const std::string& reply);
  void SendRset();
  void Refused(std::size_t i, const std::string& reply, bool temporary);
  void ComposeAndSend(std::size_t i);
  void Quit();
  void RequeueInFlight(bool connection_lost);
  void FailurePath(const std::string& reply, bool connection_lost = false);
  void Summary();
  void SmtpReconnect();
  void EndWithBox(const std::string& text, int style, const std::string& title);
  void HandlerError();
  void EndRun();
  void ReportNotNotified();
  void StopBeforeText(std::size_t index);

  void SetState(std::size_t index, DeliveryState state, std::string reply = {});
  std::string ServerText() const { return ctx_.settings.SMTPServer; }

  void Send(std::string bytes, std::chrono::milliseconds timeout);
  void Log(std::string entry);
  void Status(std::string text);
  void Box(std::string text, int style, std::string title, bool needs_answer = false);
  void Arm(SmtpTimer timer, std::chrono::milliseconds delay);
  void Cancel(SmtpTimer timer);
  void Emit(SmtpEffect effect) { effects_.push_back(std::move(effect)); }
  void Simple(SmtpEffect::Kind kind);

  SmtpContext ctx_;
  DeliveryRun run_;
  std::vector<DeliveryOutcome> outcomes_;
  std::deque<std::size_t> queue_;       // deliveries still to go out, in order
  std::vector<std::size_t> in_flight_;  // sent on this connection, not yet settled
  std::deque<Expect> expects_;
  std::vector<int> tries_;    // temporary refusals so far, per delivery
  std::vector<int> ordinal_;  // each delivery's place in the progress text, once started
  int messages_started_ = 0;
  std::size_t current_ = 0;  // the delivery whose envelope went out last
  bool failed_txn_ = false;  // its transaction was refused; its other replies are moot
  std::unique_ptr<LoginMechanism> login_;
  int login_steps_ = 0;
  std::set<std::string> offered_;  // the mechanisms this connection's server offers
  bool token_renewed_ = false;     // this connection already had its one renewal
  std::string login_failure_;      // the reply that refused the token, while it is renewed
  std::deque<SmtpEffect> effects_;
  ReplyFramer framer_;
  bool active_ = false;
  bool stop_requested_ = false;
  bool reported_ = false;
  std::string last_status_;  // ends in "..." while it describes something under way
  bool log_open_ = false;
  bool tls_active_ = false;
  bool tls_used_ = false;  // some connection of this run was encrypted: all must be
  bool implicit_tls_ = false;
  bool pipelining_ = false;
  bool connected_ = false;
  bool ehlo_pending_ = false;
  int reconnect_phase_ = 0;
  Wait wait_ = Wait::kNone;
  std::string last_reply_;  // the reply a pending Retry/Cancel question names
};

}  // namespace mail
