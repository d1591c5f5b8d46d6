#pragma once
// Runs the built hollymoor-cli as a subprocess in a throw-away data folder and settings file.

#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace cli_test {

using testing_support::ReadAll;

struct CliResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

class CliSandbox {
 public:
  CliSandbox();

  std::filesystem::path dir() const { return root_.path().toStdString(); }
  std::filesystem::path data_dir() const { return dir() / "data"; }
  std::filesystem::path config_file() const { return dir() / "settings.ini"; }

  // Writes a file under the sandbox and returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

  // hollymoor-cli --data-dir ... --config ... ARGS, with `input` on standard input.
  CliResult Run(const std::vector<std::string>& args, const std::string& input = {},
                int timeout_ms = 30000) const;
  // Like Run, but the program is killed outright (SIGKILL, as a crash or a power cut would
  // end it) as soon as `kill_when` holds; exit_code is -2 then.
  CliResult RunKilledWhen(const std::vector<std::string>& args,
                          const std::function<bool()>& kill_when, int timeout_ms = 30000) const;
  // Like Run, calling `on_output` with the standard output so far whenever more arrives (a
  // test that answers what the program prints).
  CliResult RunReading(const std::vector<std::string>& args,
                       const std::function<void(const std::string& out)>& on_output,
                       int timeout_ms = 30000) const;
  // Without the global options (to test them and the usage errors).
  CliResult RunBare(const std::vector<std::string>& args, const std::string& input = {},
                    int timeout_ms = 30000, const std::function<bool()>& kill_when = {}) const;

  // Off: the program keeps secrets in the sandbox's settings file and never reaches the
  // user's own keyring.
  bool use_keyring = false;
  // The program's locale: English unless a test asks for another, whatever the user's is.
  std::string locale = "C.UTF-8";

 private:
  QProcessEnvironment Environment() const;

  QTemporaryDir root_;
};

// A list file of the current layout: one record per participant, CR LF line ends.
struct Person {
  std::string name;
  std::string email;
  std::string exclusions;
  std::string notes;
};
std::string ListFile(const std::vector<Person>& people);

// "GIVER -> RECEIVER" lines into giver -> receiver.
std::vector<std::pair<std::string, std::string>> ParsePairs(const std::string& out);

// Every one of `n` participants gives to somebody else, and nobody is drawn twice.
template <typename GiverReceiverPairs>
void ExpectValidDrawing(const GiverReceiverPairs& pairs, std::size_t n) {
  std::set<std::string> receivers;
  for (const auto& [giver, receiver] : pairs) {
    EXPECT_NE(giver, receiver);
    receivers.insert(receiver);
  }
  EXPECT_EQ(pairs.size(), n);
  EXPECT_EQ(receivers.size(), n);
}

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace cli_test
