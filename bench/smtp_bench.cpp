// Messages per second for 2,000 notifications over one connection to Postfix's smtp-sink on
// 127.0.0.1, beside Postfix's own smtp-source (-d: one connection) against the same sink in
// the same run. Prints a table; exits non-zero when the tools are missing.
//   bench_smtp [messages] [runs]

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

// CPU seconds (user and system) of this process or of its waited-for children.
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

// One session of smtp-source: `count` messages of `size` bytes over one connection.
double ReferenceSeconds(int port, int count, int size) {
  QProcess p;
  QElapsedTimer t;
  t.start();
  p.start(kSource,
          {"-d", "-s", "1", "-m", QString::number(count), "-l", QString::number(size), "-f",
           "alice@example.org", "-t", "bob@example.org", QString("127.0.0.1:%1").arg(port)});
  if (!p.waitForFinished(600000) || p.exitCode() != 0) {
    std::fprintf(stderr, "smtp-source failed: %s\n", p.readAllStandardError().constData());
    return -1;
  }
  return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// One Calculate & Send run of `count` notifications; returns seconds and the wire size of
// one message.
double OwnSeconds(int port, int count, const QString& dir, std::size_t* message_size) {
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
  ui::SmtpRunner runner(context, ui, (dir + "/smtp_session.log").toStdString());
  runner.SetDeliverySource([&](bool) { return roster::DrawingDeliveries(roster, values); });
  bool done = false;
  QObject::connect(&runner, &ui::SmtpRunner::finished, [&] { done = true; });
  QElapsedTimer t;
  t.start();
  runner.SmtpSendDrawing();
  while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  double seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
  std::string expected = std::to_string(count) + " Mail Messages Sent";
  if (ui.StatusText() != expected) {
    std::fprintf(stderr, "run did not complete: %s\n", ui.StatusText().c_str());
    return -1;
  }
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int count = argc > 1 ? std::atoi(argv[1]) : 2000;
  int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  if (access(kSink, X_OK) != 0 || access(kSource, X_OK) != 0) {
    std::fprintf(stderr, "needs Postfix's %s and %s (see docs/performance.md)\n", kSink, kSource);
    return 2;
  }
  QTemporaryDir dir;
  int port = FreePort();
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

  std::size_t message_size = 0;
  std::vector<double> own, reference, own_cpu, reference_cpu;
  OwnSeconds(port, 50, dir.path(), &message_size);  // warm-up
  for (int r = 0; r < runs; ++r) {
    // Alternate which goes first, so neither always follows the other's traffic.
    double o = 0, s = 0, cpu0 = 0, cpu1 = 0, children0 = 0, children1 = 0;
    auto own_run = [&] {
      cpu0 = CpuSeconds(RUSAGE_SELF);
      o = OwnSeconds(port, count, dir.path(), &message_size);
      cpu1 = CpuSeconds(RUSAGE_SELF);
    };
    auto reference_run = [&] {
      children0 = CpuSeconds(RUSAGE_CHILDREN);
      s = ReferenceSeconds(port, count, static_cast<int>(message_size));
      children1 = CpuSeconds(RUSAGE_CHILDREN);
    };
    if (r % 2 == 0) {
      own_run();
      reference_run();
    } else {
      reference_run();
      own_run();
    }
    if (o < 0 || s < 0) return 1;
    own.push_back(o);
    reference.push_back(s);
    own_cpu.push_back((cpu1 - cpu0) / count * 1e6);
    reference_cpu.push_back((children1 - children0) / count * 1e6);
  }
  sink.kill();
  sink.waitForFinished(2000);

  double own_s = Median(own), ref_s = Median(reference);
  std::printf("%d messages of %zu bytes over one connection, median of %d runs\n\n", count,
              message_size, runs);
  std::printf("| client | seconds | messages/s | client CPU us/message |\n|---|---|---|---|\n");
  std::printf("| Hollymoor (session log on) | %.3f | %.0f | %.1f |\n", own_s, count / own_s,
              Median(own_cpu));
  std::printf("| smtp-source -d (reference) | %.3f | %.0f | %.1f |\n", ref_s, count / ref_s,
              Median(reference_cpu));
  // Each run's two clients met the same machine state, so their ratio is the fairer figure.
  std::vector<double> ratios;
  for (std::size_t i = 0; i < own.size(); ++i) ratios.push_back(reference[i] / own[i]);
  std::sort(ratios.begin(), ratios.end());
  std::printf(
      "\nratio own/reference rate: %.2f (median of the paired runs %.3f, quartiles %.3f to %.3f)\n",
      ref_s / own_s, Median(ratios), ratios[ratios.size() / 4], ratios[(3 * ratios.size()) / 4]);
  return 0;
}
