// Messages per second of our SMTP client to Postfix's smtp-sink, one connection, lock-step and
// pipelined, beside Postfix's smtp-source (lock-step, one connection and four) against the same
// sink in the same run: on loopback, and through a relay that adds a round trip of 10 ms.
// Prints a table; exits non-zero when the tools are missing.
//   bench_smtp [loopback messages] [messages at 10 ms] [runs] [round trip ms]

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/quiet_ui.h"
#include "delay_proxy.h"
#include "mail/message.h"
#include "mail/smtp/smtp_compose.h"
#include "roster/deliveries.h"
#include "roster/roster.h"
#include "ui/smtp_runner.h"

namespace {

using bench::Median;
using QuietUi = roster::QuietUi;

constexpr const char* kSink = "/usr/sbin/smtp-sink";
constexpr const char* kSource = "/usr/sbin/smtp-source";

// CPU seconds (user and system) of this thread (the client's event loop; the relay has its
// own) or of the waited-for children.
double CpuSeconds(int who) {
  rusage u{};
  getrusage(who, &u);
  auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return sec(u.ru_utime) + sec(u.ru_stime);
}

int FreePort() {
  QTcpServer s;
  s.listen(QHostAddress::LocalHost, 0);
  return s.serverPort();
}

bool WaitListening(int port) {
  for (int i = 0; i < 100; ++i) {
    QTcpSocket probe;
    probe.connectToHost("127.0.0.1", static_cast<quint16>(port));
    if (probe.waitForConnected(100)) return true;
    QThread::msleep(50);
  }
  return false;
}

struct Sample {
  double seconds = -1;
  double cpu_us = 0;  // client CPU per message
};

// One smtp-source run: `count` messages of `size` bytes, lock-step, over `sessions`
// connections kept open (-d).
Sample Reference(int port, int count, int size, int sessions) {
  QProcess p;
  const double cpu0 = CpuSeconds(RUSAGE_CHILDREN);
  QElapsedTimer t;
  t.start();
  p.start(kSource, {"-d", "-s", QString::number(sessions), "-m", QString::number(count), "-l",
                    QString::number(size), "-f", "alice@example.org", "-t", "bob@example.org",
                    QString("127.0.0.1:%1").arg(port)});
  if (!p.waitForFinished(600000) || p.exitCode() != 0) {
    std::fprintf(stderr, "smtp-source failed: %s\n", p.readAllStandardError().constData());
    return {};
  }
  Sample s;
  s.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
  s.cpu_us = (CpuSeconds(RUSAGE_CHILDREN) - cpu0) / count * 1e6;
  return s;
}

// One Calculate & Send run of `count` notifications through the window's sender; the wire
// size of one message goes to `message_size`.
Sample Own(int port, int count, const QString& dir, bool pipelining, std::size_t* message_size) {
  QuietUi ui;
  roster::Roster roster(ui);
  roster.SetupGrid();
  roster.MessageFooter = mail::BuildMessageFooter();
  for (int i = 1; i <= count; ++i) {
    roster.AddParticipant("", "Participant " + std::to_string(i),
                          "p" + std::to_string(i) + "@example.org",
                          "Likes books, tea and long walks; size M.", false);
    roster.grid().SetTextMatrix(i, roster::kColResult, std::to_string(i % count + 1));
  }
  mail::MailSettings settings;
  settings.UseSMTP = true;
  settings.SMTPServer = "127.0.0.1:" + std::to_string(port);
  settings.SMTPUserName = "Santa Organiser";
  settings.SMTPAccountName = "alice@example.org";
  settings.AllowUnencryptedSMTP = true;  // smtp-sink offers no STARTTLS
  mail::SendValues values;
  values.SendConfirmed = true;
  values.MailSubject = "Your Secret Santa Information Enclosed";
  values.MailBody =
      "Important Secret Santa Message!!\r\n\r\nThe person you have been choosen to be a Secret "
      "Santa for\r\n is named at the end of this email message\r\n";
  values.MailTrailer = "You are a Secret Santa for";
  roster::SystemClock clock;
  mail::SmtpComposer compose = mail::WireComposer(settings, clock);
  *message_size = compose(roster::DrawingDeliveries(roster, values).deliveries.at(0)).size();
  mail::SmtpContext context{settings, values, compose, [] { return true; }, {}};
  context.pipelining = pipelining;
  ui::SmtpRunner runner(context, ui, (dir + "/smtp_session.log").toStdString());
  runner.SetDeliverySource([&](bool) { return roster::DrawingDeliveries(roster, values); });
  bool done = false;
  QObject::connect(&runner, &ui::SmtpRunner::finished, [&] { done = true; });
  const double cpu0 = CpuSeconds(RUSAGE_THREAD);
  QElapsedTimer t;
  t.start();
  runner.SmtpSendDrawing();
  while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  Sample s;
  s.seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
  s.cpu_us = (CpuSeconds(RUSAGE_THREAD) - cpu0) / count * 1e6;
  std::string expected = std::to_string(count) + " Mail Messages Sent";
  if (ui.StatusText() != expected) {
    std::fprintf(stderr, "run did not complete: %s\n", ui.StatusText().c_str());
    return {};
  }
  return s;
}

// The round trip to the sink as a client sees it: the median of 20 NOOPs, in milliseconds.
double RoundTripMs(int port) {
  QTcpSocket s;
  s.connectToHost("127.0.0.1", static_cast<quint16>(port));
  if (!s.waitForConnected(2000) || !s.waitForReadyRead(2000)) return -1;
  s.readAll();  // the greeting
  std::vector<double> times;
  for (int i = 0; i < 20; ++i) {
    QElapsedTimer t;
    t.start();
    s.write("NOOP\r\n");
    s.flush();
    QByteArray reply;
    while (!reply.endsWith("\r\n") && s.waitForReadyRead(2000)) reply += s.readAll();
    times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  s.write("QUIT\r\n");
  s.waitForBytesWritten(1000);
  return Median(times);
}

struct Client {
  const char* name;
  int sessions;     // 0: ours
  bool pipelining;  // ours only
  std::vector<Sample> samples;
};

// Median seconds and CPU of a client's runs.
Sample MedianOf(const std::vector<Sample>& samples) {
  std::vector<double> seconds, cpu;
  for (const Sample& s : samples) {
    seconds.push_back(s.seconds);
    cpu.push_back(s.cpu_us);
  }
  return {Median(seconds), Median(cpu)};
}

// Runs every client `runs` times against `port`, in a rotating order so none always follows
// another's traffic; false when a run failed.
bool Measure(std::vector<Client>& clients, int port, int count, int runs, const QString& dir,
             std::size_t* message_size) {
  for (int r = 0; r < runs; ++r)
    for (std::size_t k = 0; k < clients.size(); ++k) {
      Client& c = clients[(k + static_cast<std::size_t>(r)) % clients.size()];
      const Sample s = c.sessions == 0
                           ? Own(port, count, dir, c.pipelining, message_size)
                           : Reference(port, count, static_cast<int>(*message_size), c.sessions);
      if (s.seconds < 0) return false;
      c.samples.push_back(s);
    }
  return true;
}

void PrintTable(const char* link, double rtt_ms, int count, const std::vector<Client>& clients) {
  std::printf("\n%s (measured round trip %.3f ms), %d messages, median of %zu runs\n\n", link,
              rtt_ms, count, clients[0].samples.size());
  std::printf(
      "| client | messages/s | ms per message | round trips per message | client CPU us/message "
      "|\n|---|---|---|---|---|\n");
  for (const Client& c : clients) {
    const Sample m = MedianOf(c.samples);
    const double per = m.seconds / count * 1e3;
    std::printf("| %s | %.0f | %.3f | %.2f | %.1f |\n", c.name, count / m.seconds, per,
                per / rtt_ms, m.cpu_us);
  }
}

std::vector<Client> Clients() {
  return {{"Hollymoor, lock-step", 0, false, {}},
          {"Hollymoor, pipelined", 0, true, {}},
          {"smtp-source -d (lock-step reference)", 1, false, {}},
          {"smtp-source -d -s 4 (four connections)", 4, false, {}}};
}

double Rate(const Client& c, int count) { return count / MedianOf(c.samples).seconds; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int loopback_count = argc > 1 ? std::atoi(argv[1]) : 2000;
  const int far_count = argc > 2 ? std::atoi(argv[2]) : 200;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
  const double rtt_target_ms = argc > 4 ? std::atof(argv[4]) : 10.0;
  if (access(kSink, X_OK) != 0 || access(kSource, X_OK) != 0) {
    std::fprintf(stderr, "needs Postfix's %s and %s (see docs/performance.md)\n", kSink, kSource);
    return 2;
  }
  QTemporaryDir dir;
  const int port = FreePort();
  QStringList sink_args;
  if (geteuid() == 0)
    sink_args << "-u"
              << "nobody";
  sink_args << QString("127.0.0.1:%1").arg(port) << "256";
  QProcess sink;
  sink.start(kSink, sink_args);
  if (!sink.waitForStarted(5000) || !WaitListening(port)) {
    std::fprintf(stderr, "smtp-sink did not start\n");
    return 2;
  }
  bench::DelayProxy far(port, std::chrono::microseconds(static_cast<long>(rtt_target_ms * 500)));
  if (far.port() == 0) {
    std::fprintf(stderr, "the delaying relay did not start\n");
    return 2;
  }

  std::size_t message_size = 0;
  Own(port, 50, dir.path(), true, &message_size);  // warm-up
  std::vector<Client> near = Clients(), remote = Clients();
  const double near_rtt = RoundTripMs(port), far_rtt = RoundTripMs(far.port());
  if (!Measure(near, port, loopback_count, runs, dir.path(), &message_size) ||
      !Measure(remote, far.port(), far_count, runs, dir.path(), &message_size))
    return 1;
  sink.kill();
  sink.waitForFinished(2000);

  std::printf("messages of %zu bytes on the wire; smtp-sink offers PIPELINING\n", message_size);
  PrintTable("loopback", near_rtt, loopback_count, near);
  PrintTable("through the delaying relay", far_rtt, far_count, remote);
  const double per_message_ms = MedianOf(remote[1].samples).seconds / far_count * 1e3;
  std::printf(
      "\nloopback: pipelined / reference %.2f (target >= 1), lock-step / reference %.2f\n"
      "at %.1f ms: pipelined / own lock-step %.2f (target >= 3); pipelined %.3f ms per message "
      "= %.3f round trips (target <= 1.10)\n",
      Rate(near[1], loopback_count) / Rate(near[2], loopback_count),
      Rate(near[0], loopback_count) / Rate(near[2], loopback_count), far_rtt,
      Rate(remote[1], far_count) / Rate(remote[0], far_count), per_message_ms,
      per_message_ms / far_rtt);
  return 0;
}
