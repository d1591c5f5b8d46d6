#pragma once
// The command line of hollymoor-cli: global options, one command, its options and operands.
// Every command declares what it accepts, so unknown options, missing values and wrong
// operand counts are refused before anything is read or sent.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

struct OptionSpec {
  std::string name;        // without the leading "--"
  std::string value_name;  // empty: a flag without a value
  std::string help;
  bool repeatable = false;
};

struct CommandSpec {
  std::string name;
  std::string operands;  // as shown in the usage line, e.g. "ROSTER.hmr"
  int min_operands = 0;
  int max_operands = 0;
  std::string summary;
  std::string details;  // extra paragraphs for --help
  std::vector<OptionSpec> options;
};

// Every command the program knows, in the order --help lists them.
const std::vector<CommandSpec>& Commands();
const CommandSpec* FindCommand(const std::string& name);

// Options every command accepts.
const std::vector<OptionSpec>& GlobalOptions();

struct ParsedArgs {
  std::string command;  // empty when only --help or --version was asked for
  std::vector<std::string> operands;
  std::map<std::string, std::vector<std::string>> values;  // option -> values, in order
  bool help = false;
  bool version = false;

  bool Has(const std::string& option) const { return values.count(option) != 0; }
  // The last value given for the option.
  std::optional<std::string> Value(const std::string& option) const;
  const std::vector<std::string>& All(const std::string& option) const;
};

// Parses argv[1..]. On a usage error returns nothing and sets `error` to one line.
std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args, std::string& error);

// Help texts for the program and for one command.
std::string ProgramHelp();
std::string CommandHelp(const CommandSpec& command);

}  // namespace cli
