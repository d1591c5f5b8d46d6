#pragma once
// Runs the system mailer (a sendmail-compatible program) without a shell: the message goes
// to its standard input, and it must finish within a time limit.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mail {

// Splits a command line into its words: white space separates, single and double quotes group,
// a backslash takes the next character as it is. No variables, globs or redirections.
std::vector<std::string> SplitCommand(std::string_view command);

// The program a command word names: a path (with "/") as it stands, or else the first match on
// PATH. Nothing when it does not exist, is not a regular file or may not be executed.
std::optional<std::filesystem::path> FindExecutable(const std::string& program);

struct MailerRun {
  bool started = false;    // false: the program could not be started (see error)
  bool timed_out = false;  // stopped after the time limit
  int exit_status = -1;    // the exit code, or -1 when it ended by a signal
  int signal = 0;          // the signal that ended it
  std::string output;      // standard output and error, the first few kilobytes
  std::string error;       // why it could not be started
};

MailerRun RunMailer(const std::vector<std::string>& argv, std::string_view input,
                    std::chrono::milliseconds timeout);

}  // namespace mail
