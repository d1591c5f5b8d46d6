#include "delay_proxy.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

struct Chunk {
  Clock::time_point due;
  std::string bytes;
};

// One direction of one connection: what was read from `from`, waiting to go to `to`.
struct Direction {
  int from = -1;
  int to = -1;
  std::deque<Chunk> queue;
  bool eof = false;  // `from` closed; `to` is shut down once the queue is empty
};

struct Connection {
  Direction up, down;
  bool done() const { return up.eof && down.eof && up.queue.empty() && down.queue.empty(); }
};

void NoDelay(int fd) {
  int one = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

int ConnectTo(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
    close(fd);
    return -1;
  }
  NoDelay(fd);
  return fd;
}

// Writes all of `bytes`; the relay's chunks are small, so a blocking write is brief.
bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

DelayProxy::DelayProxy(int target_port, std::chrono::microseconds one_way)
    : target_port_(target_port), one_way_(one_way) {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
      listen(listener_, 16) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) != 0 || pipe(wake_) != 0)
    return;
  port_ = ntohs(a.sin_port);
  thread_ = std::thread([this] { Run(); });
}

DelayProxy::~DelayProxy() {
  stop_ = true;
  if (wake_[1] >= 0) (void)!write(wake_[1], "x", 1);
  if (thread_.joinable()) thread_.join();
  for (int fd : {listener_, wake_[0], wake_[1]})
    if (fd >= 0) close(fd);
}

void DelayProxy::Run() {
  std::vector<std::unique_ptr<Connection>> connections;
  char buffer[65536];
  while (!stop_) {
    // Sleep until data arrives or the earliest held chunk is due.
    std::vector<pollfd> fds = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    std::vector<Direction*> readers;
    Clock::time_point next = Clock::time_point::max();
    for (auto& c : connections)
      for (Direction* d : {&c->up, &c->down}) {
        if (!d->eof) {
          fds.push_back({d->from, POLLIN, 0});
          readers.push_back(d);
        }
        if (!d->queue.empty()) next = std::min(next, d->queue.front().due);
      }
    timespec wait_for{};
    timespec* timeout = nullptr;  // ppoll waits to the microsecond, so the delay is exact
    if (next != Clock::time_point::max()) {
      const auto wait = std::max<long long>(
          0, std::chrono::duration_cast<std::chrono::nanoseconds>(next - Clock::now()).count());
      wait_for.tv_sec = static_cast<time_t>(wait / 1000000000);
      wait_for.tv_nsec = static_cast<long>(wait % 1000000000);
      timeout = &wait_for;
    }
    if (ppoll(fds.data(), fds.size(), timeout, nullptr) < 0) continue;
    const Clock::time_point now = Clock::now();
    if (fds[0].revents & POLLIN) {
      const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      const int server = client >= 0 ? ConnectTo(target_port_) : -1;
      if (server >= 0) {
        NoDelay(client);
        auto c = std::make_unique<Connection>();
        c->up.from = c->down.to = client;
        c->up.to = c->down.from = server;
        connections.push_back(std::move(c));
      } else if (client >= 0) {
        close(client);
      }
    }
    for (std::size_t i = 0; i < readers.size(); ++i) {
      if (!(fds[i + 2].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      Direction* d = readers[i];
      const ssize_t n = recv(d->from, buffer, sizeof buffer, 0);
      if (n <= 0)
        d->eof = true;
      else
        d->queue.push_back({now + one_way_, std::string(buffer, static_cast<std::size_t>(n))});
    }
    for (auto& c : connections)
      for (Direction* d : {&c->up, &c->down}) {
        while (!d->queue.empty() && d->queue.front().due <= Clock::now()) {
          if (!WriteAll(d->to, d->queue.front().bytes)) d->eof = true;
          d->queue.pop_front();
        }
        if (d->eof && d->queue.empty()) shutdown(d->to, SHUT_WR);
      }
    for (auto it = connections.begin(); it != connections.end();) {
      if ((*it)->done()) {
        close((*it)->up.from);
        close((*it)->up.to);
        it = connections.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (auto& c : connections) {
    close(c->up.from);
    close(c->up.to);
  }
}

}  // namespace bench
