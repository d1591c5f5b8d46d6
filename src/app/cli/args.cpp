#include "app/cli/args.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "app/cli/drawing_options.h"

namespace cli {
namespace {

const std::vector<OptionSpec> kMessageOptions = {
    {"subject", "S", "subject after the giver's name (default: the send dialog's subject)"},
    {"body-file", "F",
     "message text from file F, \"-\" for standard input (default: the send "
     "dialog's text)"},
    {"trailer", "T", "text before the receiver's name (default: the send dialog's trailer)"},
    {"test-address", "A", "send every message to A instead of the participants (test mode)"},
    {"budget", "TEXT", "the gift budget, added to every notification"},
    {"date", "TEXT", "the date of the exchange, added to every notification"},
    {"place", "TEXT", "where the exchange takes place, added to every notification"},
    {"reply-by", "TEXT", "the date to reply by, added to every notification"},
    {"language", "CODE",
     "language of the message's own texts: en, de, fr, es, nl or pl (default: the program's)"},
};

std::vector<OptionSpec> With(std::vector<OptionSpec> first, const std::vector<OptionSpec>& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

const std::vector<CommandSpec>& BuildCommands() {
  static const std::vector<CommandSpec> commands = {
      {"check", "ROSTER.hmr", 1, 1,
       "read a roster, report its problems and whether a drawing exists",
       "Exit status: 0 when a drawing exists, 3 when none exists (the reason names who cannot\n"
       "give or receive), 2 when the file cannot be read. With drawing options, one line per\n"
       "option says whether a drawing exists under it: exit status 3 when one is proven\n"
       "impossible, 1 when none was found within the time limit.",
       DrawingOptionSpecs()},
      {"draw", "ROSTER.hmr", 1, 1, "draw once, without sending anything",
       "Prints only that a drawing was found, unless --reveal is given. Exit status 3 when no\n"
       "drawing exists.",
       With({{"seed", "N", "seed the random source with N (repeatable drawings)"},
             {"reveal", "", "print \"GIVER -> RECEIVER\" for every participant, in roster order"}},
            DrawingOptionSpecs())},
      {"send", "ROSTER.hmr", 1, 1, "Calculate & Send: draw unseen, archive and notify everyone",
       "The drawing is archived under DATA-DIR/History (list file and HTML log) before any\n"
       "message leaves; mail goes by the configured path (see \"settings\"). Status texts go to\n"
       "standard error, the summary to standard output. Exit status 0 only when every message\n"
       "was accepted.",
       With(kMessageOptions, DrawingOptionSpecs())},
      {"resend", "ARCHIVE.hmr", 1, 1,
       "re-send an archived drawing to the named participants, or to everyone not reached",
       "ARCHIVE.hmr is a list file from DATA-DIR/History. Only the participants named with --to\n"
       "are notified, with the receivers the archive holds; with --pending, everyone whose\n"
       "message the archive's delivery ledger does not record as accepted (a message whose\n"
       "answer never came is sent again).",
       With({{"to", "NAME", "a participant to notify (exact name; give it once per person)", true},
             {"pending", "", "notify everyone the archive's ledger does not record as reached"}},
            kMessageOptions)},
      {"join", "ARCHIVE.hmr", 1, 1, "add a late participant to a sent drawing, without a redraw",
       "One giver, chosen at random among those the exclusions allow, now gives to the newcomer,\n"
       "and the newcomer to that giver's former receiver. Exactly those two are notified; the\n"
       "giver's message says it replaces the earlier one. The change is archived as the next\n"
       "version beside ARCHIVE.hmr (\"-v2\", \"-v3\", ...), whose newest version is the one\n"
       "changed. Prints who was notified. Exit status 0, 1 when a message failed, 3 when no\n"
       "place keeps every exclusion.",
       With({{"name", "N", "the newcomer's name (required)"},
             {"email", "E", "the newcomer's address (required)"},
             {"notes", "T", "the newcomer's notes, gift suggestions or instructions"},
             {"seed", "N", "seed the random source with N (repeatable changes)"}},
            kMessageOptions)},
      {"leave", "ARCHIVE.hmr", 1, 1, "take a participant out of a sent drawing, without a redraw",
       "The leaver's giver now gives to the leaver's receiver when the exclusions allow it;\n"
       "otherwise as few givers as possible get a new receiver. Exactly the givers whose\n"
       "receiver changed are notified, archived and reported as for join.",
       With({{"name", "N", "the participant who leaves (required)"},
             {"seed", "N", "seed the random source with N (repeatable changes)"}},
            kMessageOptions)},
      {"slips",
       "ARCHIVE.hmr",
       1,
       1,
       "print sealed slips of an archived drawing for people without e-mail",
       "Writes a PDF to print on both sides of the paper (flip on the long edge): odd pages show\n"
       "only the givers' names, the even page behind each the receivers and their notes. Cut,\n"
       "fold each slip along its dotted line with the printed back inwards, and hand it out\n"
       "unseen. One slip per participant, per person named with --to, or with --pending per\n"
       "giver the archive's delivery ledgers do not record as reached.",
       {{"to", "NAME", "print the slip of this participant (give it once per person)", true},
        {"pending", "", "print the slips of the givers no message reached"},
        {"out", "FILE.pdf", "where the PDF goes (required)"}}},
      {"message",
       "ROSTER.hmr",
       1,
       1,
       "send a free-form message to every participant",
       "",
       {{"subject", "S", "subject after each participant's name (required)"},
        {"body-file", "F", "message text from file F, \"-\" for standard input (required)"}}},
      {"settings",
       "",
       0,
       0,
       "show or change the mail settings",
       "Names: UseSMTP (1 = own SMTP client, 0 = system mailer), SMTPServer (host[:port]),\n"
       "SMTPAccountName (your address), SMTPUserName (your name), ServerRequiresAuthentication\n"
       "(1 or 0), MailerCommand (the system mailer), SMTPAuthMethod (password or oauth2),\n"
       "OAuthProvider (microsoft, google or custom), and for custom or to override a provider\n"
       "OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID, OAuthScopes. Changes are checked as the\n"
       "settings dialog checks them. The password is never taken on the command line: use\n"
       "--password-stdin. Secrets go to the system keyring; where there is none they are kept in\n"
       "the settings file only with --allow-file-secret (HOLLYMOOR_KEYRING=none: always the file).",
       {{"show", "", "print the settings (secrets masked) and where the secrets are kept"},
        {"set", "NAME=VALUE", "change one setting", true},
        {"password-stdin", "", "read the new password from the first line of standard input"},
        {"allow-file-secret", "", "without a keyring, keep the password in the settings file"},
        {"test", "", "send one test message to your own address and say how it went"}}},
      {"login",
       "",
       0,
       0,
       "sign in with your mail provider in the browser (OAuth2)",
       "Prints \"Open this address to sign in: URL\", opens the browser (unless --no-browser),\n"
       "and waits for the provider to send the browser back to this program on a loopback\n"
       "port. The sign-in is kept in the system keyring and used from then on\n"
       "(SMTPAuthMethod=oauth2); the access token is renewed before it runs out. The provider\n"
       "defaults to the one chosen before, else the one of your address. For custom, set\n"
       "OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID and OAuthScopes first (see \"settings\").\n"
       "Exit status 0 when signed in, 1 when the sign-in was declined, failed or timed out.",
       {{"provider", "P", "microsoft, google or custom"},
        {"no-browser", "", "only print the address; open it yourself, on this computer"},
        {"timeout", "SECONDS", "how long to wait for the browser (default 300)"},
        {"allow-file-secret", "", "without a keyring, keep the sign-in in the settings file"}}},
      {"logout",
       "",
       0,
       0,
       "forget the sign-in with your mail provider",
       "Removes the refresh and access tokens from the keyring or the settings file. Sending\n"
       "then needs a new login, or SMTPAuthMethod=password.",
       {}},
  };
  return commands;
}

}  // namespace

const std::vector<CommandSpec>& Commands() { return BuildCommands(); }

const CommandSpec* FindCommand(const std::string& name) {
  for (const CommandSpec& c : Commands())
    if (c.name == name) return &c;
  return nullptr;
}

const std::vector<OptionSpec>& GlobalOptions() {
  static const std::vector<OptionSpec> options = {
      {"data-dir", "DIR", "where \"Saved\", \"History\" and \"smtp_session.log\" are kept"},
      {"config", "FILE", "the settings file"},
      {"help", "", "show help (for a command: COMMAND --help)"},
      {"version", "", "show the version"},
  };
  return options;
}

std::optional<std::string> ParsedArgs::Value(const std::string& option) const {
  auto it = values.find(option);
  if (it == values.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

const std::vector<std::string>& ParsedArgs::All(const std::string& option) const {
  static const std::vector<std::string> none;
  auto it = values.find(option);
  return it == values.end() ? none : it->second;
}

namespace {

const OptionSpec* FindOption(const std::vector<OptionSpec>& list, const std::string& name) {
  for (const OptionSpec& o : list)
    if (o.name == name) return &o;
  return nullptr;
}

}  // namespace

std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args, std::string& error) {
  ParsedArgs parsed;
  const CommandSpec* command = nullptr;
  bool options_done = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_done || arg.size() < 2 || arg.compare(0, 2, "--") != 0 || arg == "-") {
      if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-' && !options_done) {
        error = "unknown option '" + arg + "'";
        return std::nullopt;
      }
      if (!command) {
        command = FindCommand(arg);
        if (!command) {
          error = "unknown command '" + arg + "' (see --help)";
          return std::nullopt;
        }
        parsed.command = arg;
      } else {
        parsed.operands.push_back(arg);
      }
      continue;
    }
    if (arg == "--") {
      options_done = true;
      continue;
    }
    std::string name = arg.substr(2);
    std::optional<std::string> inline_value;
    if (std::size_t eq = name.find('='); eq != std::string::npos) {
      inline_value = name.substr(eq + 1);
      name.resize(eq);
    }
    const OptionSpec* option = FindOption(GlobalOptions(), name);
    if (!option && command) option = FindOption(command->options, name);
    if (!option) {
      error = command ? "unknown option '--" + name + "' for '" + command->name + "'"
                      : "unknown option '--" + name + "'";
      return std::nullopt;
    }
    std::string value;
    if (option->value_name.empty()) {
      if (inline_value) {
        error = "option '--" + name + "' takes no value";
        return std::nullopt;
      }
    } else if (inline_value) {
      value = *inline_value;
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = "option '--" + name + "' needs a value (" + option->value_name + ")";
      return std::nullopt;
    }
    if (name == "help") {
      parsed.help = true;
      continue;
    }
    if (name == "version") {
      parsed.version = true;
      continue;
    }
    auto& slot = parsed.values[name];
    if (!slot.empty() && !option->repeatable) {
      error = "option '--" + name + "' given more than once";
      return std::nullopt;
    }
    slot.push_back(value);
  }
  if (parsed.help || parsed.version) return parsed;
  if (!command) {
    error = "no command given (see --help)";
    return std::nullopt;
  }
  const int count = static_cast<int>(parsed.operands.size());
  if (count < command->min_operands) {
    error = "'" + command->name + "' needs " + command->operands;
    return std::nullopt;
  }
  if (count > command->max_operands) {
    error = "unexpected argument '" + parsed.operands[command->max_operands] + "' for '" +
            command->name + "'";
    return std::nullopt;
  }
  return parsed;
}

namespace {

void ListOptions(std::ostringstream& out, const std::vector<OptionSpec>& options) {
  std::size_t width = 0;
  std::vector<std::string> heads;
  for (const OptionSpec& o : options) {
    std::string head = "  --" + o.name + (o.value_name.empty() ? "" : " " + o.value_name);
    width = std::max(width, head.size());
    heads.push_back(std::move(head));
  }
  for (std::size_t i = 0; i < options.size(); ++i)
    out << heads[i] << std::string(width + 2 - heads[i].size(), ' ') << options[i].help << "\n";
}

}  // namespace

std::string ProgramHelp() {
  std::ostringstream out;
  out << "Usage: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]\n\n"
      << "The Hollymoor errands from a terminal or a script, with the same list files, archive,\n"
      << "settings and session log as the desktop program.\n\nCommands:\n";
  for (const CommandSpec& c : Commands())
    out << "  " << c.name << std::string(10 - c.name.size(), ' ') << c.summary << "\n";
  out << "\nGlobal options:\n";
  ListOptions(out, GlobalOptions());
  out << "\nExit status: 0 success, 1 the errand failed (for example a message was not\n"
      << "accepted), 2 bad usage or unreadable input, 3 no drawing exists.\n";
  return out.str();
}

std::string CommandHelp(const CommandSpec& command) {
  std::ostringstream out;
  out << "Usage: hollymoor-cli [global options] " << command.name;
  for (const OptionSpec& o : command.options) {
    out << " [--" << o.name << (o.value_name.empty() ? "" : " " + o.value_name) << "]";
    if (o.repeatable) out << "...";
  }
  if (!command.operands.empty()) out << " " << command.operands;
  std::string summary = command.summary;
  if (!summary.empty()) summary[0] = static_cast<char>(std::toupper(summary[0]));
  out << "\n\n" << summary << ".\n";
  if (!command.details.empty()) out << "\n" << command.details << "\n";
  if (!command.options.empty()) {
    out << "\nOptions:\n";
    ListOptions(out, command.options);
  }
  out << "\nGlobal options:\n";
  ListOptions(out, GlobalOptions());
  return out.str();
}

}  // namespace cli
