#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/process.h"
#include "platform/process_common.h"

extern char** environ;

namespace platform {

namespace {

class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Close(); }
  int get() const { return fd_; }
  void reset(int fd) {
    Close();
    fd_ = fd;
  }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

// Writing to a mailer that has stopped reading must fail with EPIPE, not end the program.
class SigpipeBlocker {
 public:
  SigpipeBlocker() {
    sigemptyset(&pipe_set_);
    sigaddset(&pipe_set_, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    was_pending_ = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe_set_, &old_);
  }
  ~SigpipeBlocker() {
    if (!was_pending_) {
      timespec zero{};
      while (sigtimedwait(&pipe_set_, nullptr, &zero) > 0) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }

 private:
  sigset_t pipe_set_, old_;
  bool was_pending_ = false;
};

bool IsExecutableFile(const std::filesystem::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(p.c_str(), X_OK) == 0;
}

void Finish(pid_t pid, ProcessRun& run) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status))
    run.exit_status = WEXITSTATUS(status);
  else if (WIFSIGNALED(status))
    run.signal = WTERMSIG(status);
}

}  // namespace

std::optional<std::filesystem::path> FindProgram(const std::string& program) {
  if (program.empty()) return std::nullopt;
  if (program.find('/') != std::string::npos) {
    if (IsExecutableFile(program)) return std::filesystem::path(program);
    return std::nullopt;
  }
  const char* path_env = std::getenv("PATH");
  std::string_view dirs = path_env ? path_env : "/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin";
  return internal::SearchList(
      dirs, ':', [&](std::string_view dir) -> std::optional<std::filesystem::path> {
        std::filesystem::path candidate = std::filesystem::path(dir.empty() ? "." : dir) / program;
        if (IsExecutableFile(candidate)) return candidate;
        return std::nullopt;
      });
}

ProcessRun RunProcess(const std::vector<std::string>& argv, std::string_view input,
                      std::chrono::milliseconds timeout) {
  ProcessRun run;
  const std::optional<std::filesystem::path> program = internal::ProgramToRun(argv, run);
  if (!program) return run;

  int in_pipe[2], out_pipe[2];
  if (::pipe2(in_pipe, O_CLOEXEC) != 0) {
    run.error = std::strerror(errno);
    return run;
  }
  Fd in_read(in_pipe[0]), in_write(in_pipe[1]);
  if (::pipe2(out_pipe, O_CLOEXEC) != 0) {
    run.error = std::strerror(errno);
    return run;
  }
  Fd out_read(out_pipe[0]), out_write(out_pipe[1]);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_read.get(), STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out_write.get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out_write.get(), STDERR_FILENO);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t empty, defaults;
  sigemptyset(&empty);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigmask(&attr, &empty);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setpgroup(&attr, 0);  // its own group, so a time-out stops its helpers too
  posix_spawnattr_setflags(&attr,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, program->c_str(), &actions, &attr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) {
    run.error = std::strerror(rc);
    return run;
  }
  run.started = true;
  in_read.Close();
  out_write.Close();
  ::fcntl(in_write.get(), F_SETFL, O_NONBLOCK);
  ::fcntl(out_read.get(), F_SETFL, O_NONBLOCK);

  SigpipeBlocker no_sigpipe;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::size_t written = 0;
  if (input.empty()) in_write.Close();
  bool exited = false;
  int status = 0;
  while (true) {
    if (!exited) {
      const pid_t w = ::waitpid(pid, &status, WNOHANG);
      exited = w == pid;
    }
    // Done when the program has ended and its output is drained (helpers it left behind may
    // keep the pipe open; they do not hold the run up).
    pollfd fds[2];
    int n = 0;
    if (out_read.get() >= 0) fds[n++] = {out_read.get(), POLLIN, 0};
    if (in_write.get() >= 0) fds[n++] = {in_write.get(), POLLOUT, 0};
    if (n == 0 && exited) break;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      ::kill(-pid, SIGKILL);
      ::kill(pid, SIGKILL);
      run.timed_out = true;
      break;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
    // With both pipes closed only the exit is awaited, which poll cannot watch: check often.
    const int wait_ms =
        exited ? 0 : static_cast<int>(std::min<long long>(left.count(), n ? 20 : 1));
    const int ready = ::poll(fds, n, wait_ms);
    if (ready < 0 && errno != EINTR) break;
    bool progressed = false;
    for (int i = 0; i < n; ++i) {
      if (fds[i].fd == out_read.get() && fds[i].revents) {
        char buf[4096];
        const ssize_t got = ::read(out_read.get(), buf, sizeof buf);
        if (got > 0) {
          internal::KeepOutput(run, buf, static_cast<std::size_t>(got));
          progressed = true;
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
          out_read.Close();
        }
      } else if (fds[i].fd == in_write.get() && fds[i].revents) {
        const ssize_t put = ::write(in_write.get(), input.data() + written, input.size() - written);
        if (put > 0) {
          written += static_cast<std::size_t>(put);
          progressed = true;
          if (written == input.size()) in_write.Close();
        } else if (put < 0 && errno != EAGAIN && errno != EINTR) {
          in_write.Close();  // it stopped reading; its exit status tells why
        }
      }
    }
    if (exited && !progressed) break;
  }
  if (exited && !run.timed_out) {
    if (WIFEXITED(status))
      run.exit_status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
      run.signal = WTERMSIG(status);
  } else {
    Finish(pid, run);
  }
  return run;
}

}  // namespace platform
