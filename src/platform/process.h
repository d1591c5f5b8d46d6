#pragma once
// Starts a program without a shell, hands it its standard input and collects what it prints,
// within a time limit.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProcessRun {
  bool started = false;    // false: the program could not be started (see error)
  bool timed_out = false;  // stopped after the time limit
  int exit_status = -1;    // the exit code, or -1 when it ended by a signal
  int signal = 0;          // the signal that ended it (never set on Windows)
  std::string output;      // standard output and error, the first few kilobytes
  std::string error;       // why it could not be started
};

inline constexpr std::size_t kProcessOutputCap = 8192;

// The program a command word names: a path as it stands, or else the first match on PATH
// (on Windows also with the extensions in PATHEXT). Nothing when it does not exist, is not a
// regular file or may not be executed.
std::optional<std::filesystem::path> FindProgram(const std::string& program);

// Runs argv[0] (looked up with FindProgram) with the other words as its arguments, each
// arriving exactly as given. The program and anything it started are stopped at the time limit.
ProcessRun RunProcess(const std::vector<std::string>& argv, std::string_view input,
                      std::chrono::milliseconds timeout);

}  // namespace platform
