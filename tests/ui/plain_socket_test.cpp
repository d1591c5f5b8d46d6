// The clear-text connection under the SMTP sender, against a QTcpServer in the same loop.

#include "ui/plain_socket.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

TEST(PlainSocketTest, ConnectsByNameTakesPromptRepliesCarriesLargeWritesAndSeesThePeerClose) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  ui::PlainSocket client;
  QSignalSpy connected(&client, &ui::PlainSocket::connected);
  QSignalSpy closed(&client, &ui::PlainSocket::peerClosed);
  QSignalSpy failed(&client, &ui::PlainSocket::errorOccurred);
  QByteArray from_server;
  QObject::connect(&client, &ui::PlainSocket::received,
                   [&](const QByteArray& bytes) { from_server += bytes; });
  client.ConnectToHost("localhost", server.serverPort());
  ASSERT_TRUE(QTest::qWaitFor([&] { return connected.size() == 1; }, 5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 5000));
  QTcpSocket* peer = server.nextPendingConnection();

  // A prompt reply is taken without the event loop; silence gives nothing back, briefly.
  peer->write("220 ready\r\n");
  peer->flush();
  EXPECT_EQ(client.ReceiveShortly(), "220 ready\r\n");
  QElapsedTimer waited;
  waited.start();
  EXPECT_EQ(client.ReceiveShortly(), "");
  EXPECT_LT(waited.elapsed(), 100);

  // Far more than the kernel takes at once while nobody reads: the rest must wait, in order.
  std::string big;
  for (int i = 0; big.size() < 12'000'000; ++i) big += "line " + std::to_string(i) + "\r\n";
  client.Write(big);
  client.Write("and the end\r\n");
  QByteArray at_server;
  QObject::connect(peer, &QTcpSocket::readyRead, [&] { at_server += peer->readAll(); });
  const qsizetype expected = static_cast<qsizetype>(big.size()) + 13;
  ASSERT_TRUE(QTest::qWaitFor([&] { return at_server.size() >= expected; }, 10000))
      << at_server.size();
  EXPECT_TRUE(at_server == QByteArray::fromStdString(big + "and the end\r\n"));

  peer->write("250 ok\r\n");
  peer->flush();
  ASSERT_TRUE(QTest::qWaitFor([&] { return from_server == "250 ok\r\n"; }, 5000));
  peer->disconnectFromHost();
  EXPECT_TRUE(QTest::qWaitFor([&] { return closed.size() == 1; }, 5000));
  EXPECT_EQ(failed.size(), 0);
}

TEST(PlainSocketTest, NobodyListeningIsARefusedConnectionAndAnAbortedOneSaysNothing) {
  quint16 port;
  {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    port = server.serverPort();
  }
  ui::PlainSocket client;
  QSignalSpy failed(&client, &ui::PlainSocket::errorOccurred);
  QSignalSpy connected(&client, &ui::PlainSocket::connected);
  client.ConnectToHost("127.0.0.1", port);
  ASSERT_TRUE(QTest::qWaitFor([&] { return failed.size() == 1; }, 5000));
  EXPECT_EQ(failed[0][0].value<QAbstractSocket::SocketError>(),
            QAbstractSocket::ConnectionRefusedError);
  EXPECT_EQ(failed[0][1].toString(), "Connection refused");
  EXPECT_EQ(connected.size(), 0);

  // Given up before the attempt even starts: nothing is reported later.
  QTcpServer listening;
  ASSERT_TRUE(listening.listen(QHostAddress::LocalHost));
  client.ConnectToHost("127.0.0.1", listening.serverPort());
  client.Abort();
  QTest::qWait(50);
  EXPECT_EQ(connected.size(), 0);
  EXPECT_EQ(failed.size(), 1);
  EXPECT_FALSE(listening.hasPendingConnections());
}

}  // namespace
