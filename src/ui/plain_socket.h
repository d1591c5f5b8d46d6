#pragma once
// A clear-text TCP connection for the SMTP session that writes straight to the kernel and
// keeps one read notifier switched on for its whole life.
//
// QTcpSocket buffers every write and switches its write notifier on and off around it; with
// the GLib event loop each switch wakes the loop once more. In a lock-step session, where
// every command waits for its reply, those wake-ups were most of the client's own time.
//
// Once connected the descriptor blocks, with a receive time-out of a millisecond, for
// ReceiveShortly; every other call passes MSG_DONTWAIT, so nothing else waits.
//
// When the session upgrades to TLS the connected descriptor is handed to a QSslSocket
// (Release), which then owns it.

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <string_view>
#include <sys/types.h>

class QHostInfo;

namespace ui {

class PlainSocket : public QObject {
  Q_OBJECT

 public:
  explicit PlainSocket(QObject* parent = nullptr);
  ~PlainSocket() override;

  // Looks the host up and connects to its addresses in turn; ends in connected() or
  // errorOccurred().
  void ConnectToHost(const QString& host, quint16 port);
  // Sends at once what the kernel takes; the rest goes out as the socket drains.
  void Write(std::string_view bytes);
  // Waits briefly (a millisecond, rounded up to the kernel's timer tick) for bytes and
  // returns them; empty when none came in time or output is still pending. The peer closing
  // or an error is reported through the signals as usual. Lets a lock-step client take a
  // prompt reply without a pass through the event loop.
  QByteArray ReceiveShortly();
  // The connected descriptor, no longer watched or closed by this object; -1 when there is
  // none.
  qintptr Release();
  // Closes the connection at once (or stops connecting); no signal follows.
  void Abort();

 signals:
  void connected();
  void received(const QByteArray& bytes);
  void peerClosed();
  void errorOccurred(QAbstractSocket::SocketError error, const QString& text);

 private:
  void OnHostFound(const QHostInfo& info);
  void TryNextAddress();
  void OnWritable();
  void OnReadable();
  // A read that returned no bytes: the peer's end, a real error, or nothing yet.
  void NothingRead(ssize_t n, int error_number);
  void Fail(int error_number);
  void CloseDescriptor();

  int fd_ = -1;
  bool started_ = false;  // ConnectToHost called and not aborted since
  bool connecting_ = false;
  quint16 port_ = 0;
  int lookup_id_ = -1;
  QList<QHostAddress> addresses_;
  int last_errno_ = 0;
  QSocketNotifier* read_notifier_ = nullptr;
  QSocketNotifier* write_notifier_ = nullptr;
  QByteArray pending_;  // what the kernel has not taken yet
};

}  // namespace ui
