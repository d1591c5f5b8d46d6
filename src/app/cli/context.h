#pragma once
// What every command of hollymoor-cli gets, and how a command fails.

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/cli/args.h"
#include "app/cli/console_ui.h"
#include "settings/secret_store.h"

namespace cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;     // the errand ran but did not succeed
inline constexpr int kExitBadInput = 2;   // bad usage, unreadable or invalid input
inline constexpr int kExitNoDrawing = 3;  // no valid drawing exists

// Ends a command: main prints the message as one line and exits with the code.
class CliError : public std::runtime_error {
 public:
  CliError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

struct Context {
  const ParsedArgs& args;
  ConsoleUi& ui;
  std::filesystem::path data_dir;
  std::filesystem::path config_file;
  std::FILE* out = stdout;
  std::FILE* in = stdin;
};

// The system keyring, or null when HOLLYMOOR_KEYRING=none keeps secrets in the settings file.
mail::SecretStore* Keyring();

int RunCheck(Context& ctx);
int RunDraw(Context& ctx);
int RunSend(Context& ctx);
int RunResend(Context& ctx);
int RunMessage(Context& ctx);
int RunJoin(Context& ctx);
int RunLeave(Context& ctx);
int RunSlips(Context& ctx);
int RunSettings(Context& ctx);
int RunLogin(Context& ctx);
int RunLogout(Context& ctx);

}  // namespace cli
