#pragma once
// A TCP relay on 127.0.0.1 that holds every chunk for a fixed time in each direction, so a
// loopback server looks as far away as a real one (the kernel here has no netem). Runs on a
// thread of its own; any number of connections; each is relayed to the same target port.

#include <atomic>
#include <chrono>
#include <thread>

namespace bench {

class DelayProxy {
 public:
  // Relays to 127.0.0.1:`target_port`, each direction delayed by `one_way`.
  DelayProxy(int target_port, std::chrono::microseconds one_way);
  ~DelayProxy();
  DelayProxy(const DelayProxy&) = delete;
  DelayProxy& operator=(const DelayProxy&) = delete;

  // The port it listens on; 0 when it could not start.
  int port() const { return port_; }

 private:
  void Run();

  int target_port_;
  std::chrono::microseconds one_way_;
  int listener_ = -1;
  int port_ = 0;
  int wake_[2] = {-1, -1};  // a pipe that ends the thread
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace bench
