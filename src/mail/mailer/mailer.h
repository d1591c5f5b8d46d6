#pragma once
// Runs the system mailer (a sendmail-compatible program) without a shell: the message goes
// to its standard input, and it must finish within a time limit.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process.h"

namespace mail {

// Splits a command line into its words: white space separates, single and double quotes group,
// a backslash takes the next character as it is. No variables, globs or redirections.
std::vector<std::string> SplitCommand(std::string_view command);

// The program a command word names (see platform::FindProgram).
std::optional<std::filesystem::path> FindExecutable(const std::string& program);

using MailerRun = platform::ProcessRun;

MailerRun RunMailer(const std::vector<std::string>& argv, std::string_view input,
                    std::chrono::milliseconds timeout);

}  // namespace mail
