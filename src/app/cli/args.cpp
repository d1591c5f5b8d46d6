#include "app/cli/args.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "app/cli/drawing_options.h"
#include "core/tr.h"

namespace cli {
namespace {

const std::vector<OptionSpec> kMessageOptions = {
    {"subject", "S",
     core::TrNoop("CliHelp",
                  "subject after the giver's name (default: the send dialog's subject)")},
    {"body-file", "F",
     core::TrNoop("CliHelp",
                  "message text from file F, \"-\" for standard input (default: the send "
                  "dialog's text)")},
    {"trailer", "T",
     core::TrNoop("CliHelp",
                  "text before the receiver's name (default: the send dialog's trailer)")},
    {"test-address", "A",
     core::TrNoop("CliHelp", "send every message to A instead of the participants (test mode)")},
    {"budget", "TEXT", core::TrNoop("CliHelp", "the gift budget, added to every notification")},
    {"date", "TEXT",
     core::TrNoop("CliHelp", "the date of the exchange, added to every notification")},
    {"place", "TEXT",
     core::TrNoop("CliHelp", "where the exchange takes place, added to every notification")},
    {"reply-by", "TEXT",
     core::TrNoop("CliHelp", "the date to reply by, added to every notification")},
    {"language", "CODE",
     core::TrNoop(
         "CliHelp",
         "language of the message's own texts: en, de, fr, es, nl or pl (default: the program's)")},
};

std::vector<OptionSpec> With(std::vector<OptionSpec> first, const std::vector<OptionSpec>& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

const std::vector<CommandSpec>& BuildCommands() {
  static const std::vector<CommandSpec> commands = {
      {"check", "ROSTER.hmr", 1, 1,
       core::TrNoop("CliHelp", "read a roster, report its problems and whether a drawing exists"),
       core::TrNoop(
           "CliHelp",
           "Exit status: 0 when a drawing exists, 3 when none exists (the reason names who cannot\n"
           "give or receive), 2 when the file cannot be read. With drawing options, one line per\n"
           "option says whether a drawing exists under it: exit status 3 when one is proven\n"
           "impossible, 1 when none was found within the time limit."),
       DrawingOptionSpecs()},
      {"draw", "ROSTER.hmr", 1, 1, core::TrNoop("CliHelp", "draw once, without sending anything"),
       core::TrNoop(
           "CliHelp",
           "Prints only that a drawing was found, unless --reveal is given. Exit status 3 when no\n"
           "drawing exists."),
       With({{"seed", "N",
              core::TrNoop("CliHelp", "seed the random source with N (repeatable drawings)")},
             {"reveal", "",
              core::TrNoop("CliHelp",
                           "print \"GIVER -> RECEIVER\" for every participant, in roster order")}},
            DrawingOptionSpecs())},
      {"send", "ROSTER.hmr", 1, 1,
       core::TrNoop("CliHelp", "Calculate & Send: draw unseen, archive and notify everyone"),
       core::TrNoop(
           "CliHelp",
           "The drawing is archived under DATA-DIR/History (list file and HTML log) before any\n"
           "message leaves; mail goes by the configured path (see \"settings\"). Status texts go "
           "to\n"
           "standard error, the summary to standard output. Exit status 0 only when every message\n"
           "was accepted."),
       With(kMessageOptions, DrawingOptionSpecs())},
      {"resend", "ARCHIVE.hmr", 1, 1,
       core::TrNoop(
           "CliHelp",
           "re-send an archived drawing to the named participants, or to everyone not reached"),
       core::TrNoop(
           "CliHelp",
           "ARCHIVE.hmr is a list file from DATA-DIR/History. Only the participants named with "
           "--to\n"
           "are notified, with the receivers the archive holds; with --pending, everyone whose\n"
           "message the archive's delivery ledger does not record as accepted (a message whose\n"
           "answer never came is sent again)."),
       With({{"to", "NAME",
              core::TrNoop("CliHelp",
                           "a participant to notify (exact name; give it once per person)"),
              true},
             {"pending", "",
              core::TrNoop("CliHelp",
                           "notify everyone the archive's ledger does not record as reached")}},
            kMessageOptions)},
      {"join", "ARCHIVE.hmr", 1, 1,
       core::TrNoop("CliHelp", "add a late participant to a sent drawing, without a redraw"),
       core::TrNoop(
           "CliHelp",
           "One giver, chosen at random among those the exclusions allow, now gives to the "
           "newcomer,\n"
           "and the newcomer to that giver's former receiver. Exactly those two are notified; the\n"
           "giver's message says it replaces the earlier one. The change is archived as the next\n"
           "version beside ARCHIVE.hmr (\"-v2\", \"-v3\", ...), whose newest version is the one\n"
           "changed. Prints who was notified. Exit status 0, 1 when a message failed, 3 when no\n"
           "place keeps every exclusion."),
       With({{"name", "N", core::TrNoop("CliHelp", "the newcomer's name (required)")},
             {"email", "E", core::TrNoop("CliHelp", "the newcomer's address (required)")},
             {"notes", "T",
              core::TrNoop("CliHelp", "the newcomer's notes, gift suggestions or instructions")},
             {"seed", "N",
              core::TrNoop("CliHelp", "seed the random source with N (repeatable changes)")}},
            kMessageOptions)},
      {"leave", "ARCHIVE.hmr", 1, 1,
       core::TrNoop("CliHelp", "take a participant out of a sent drawing, without a redraw"),
       core::TrNoop(
           "CliHelp",
           "The leaver's giver now gives to the leaver's receiver when the exclusions allow it;\n"
           "otherwise as few givers as possible get a new receiver. Exactly the givers whose\n"
           "receiver changed are notified, archived and reported as for join."),
       With({{"name", "N", core::TrNoop("CliHelp", "the participant who leaves (required)")},
             {"seed", "N",
              core::TrNoop("CliHelp", "seed the random source with N (repeatable changes)")}},
            kMessageOptions)},
      {"slips",
       "ARCHIVE.hmr",
       1,
       1,
       core::TrNoop("CliHelp",
                    "print sealed slips of an archived drawing for people without e-mail"),
       core::TrNoop(
           "CliHelp",
           "Writes a PDF to print on both sides of the paper (flip on the long edge): odd pages "
           "show\n"
           "only the givers' names, the even page behind each the receivers and their notes. Cut,\n"
           "fold each slip along its dotted line with the printed back inwards, and hand it out\n"
           "unseen. One slip per participant, per person named with --to, or with --pending per\n"
           "giver the archive's delivery ledgers do not record as reached."),
       {{"to", "NAME",
         core::TrNoop("CliHelp", "print the slip of this participant (give it once per person)"),
         true},
        {"pending", "",
         core::TrNoop("CliHelp", "print the slips of the givers no message reached")},
        {"out", "FILE.pdf", core::TrNoop("CliHelp", "where the PDF goes (required)")}}},
      {"message",
       "ROSTER.hmr",
       1,
       1,
       core::TrNoop("CliHelp", "send a free-form message to every participant"),
       "",
       {{"subject", "S",
         core::TrNoop("CliHelp", "subject after each participant's name (required)")},
        {"body-file", "F",
         core::TrNoop("CliHelp",
                      "message text from file F, \"-\" for standard input (required)")}}},
      {"settings",
       "",
       0,
       0,
       core::TrNoop("CliHelp", "show or change the mail settings"),
       core::TrNoop(
           "CliHelp",
           "Names: UseSMTP (1 = own SMTP client, 0 = system mailer), SMTPServer (host[:port]),\n"
           "SMTPAccountName (your address), SMTPUserName (your name), "
           "ServerRequiresAuthentication\n"
           "(1 or 0), MailerCommand (the system mailer), SMTPAuthMethod (password or oauth2),\n"
           "OAuthProvider (microsoft, google or custom), and for custom or to override a provider\n"
           "OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID, OAuthScopes. Changes are checked as "
           "the\n"
           "settings dialog checks them. The password is never taken on the command line: use\n"
           "--password-stdin. Secrets go to the system keyring; where there is none they are kept "
           "in\n"
           "the settings file only with --allow-file-secret (HOLLYMOOR_KEYRING=none: always the "
           "file)."),
       {{"show", "",
         core::TrNoop("CliHelp",
                      "print the settings (secrets masked) and where the secrets are kept")},
        {"set", "NAME=VALUE", core::TrNoop("CliHelp", "change one setting"), true},
        {"password-stdin", "",
         core::TrNoop("CliHelp", "read the new password from the first line of standard input")},
        {"allow-file-secret", "",
         core::TrNoop("CliHelp", "without a keyring, keep the password in the settings file")},
        {"test", "",
         core::TrNoop("CliHelp",
                      "send one test message to your own address and say how it went")}}},
      {"login",
       "",
       0,
       0,
       core::TrNoop("CliHelp", "sign in with your mail provider in the browser (OAuth2)"),
       core::TrNoop(
           "CliHelp",
           "Prints \"Open this address to sign in: URL\", opens the browser (unless "
           "--no-browser),\n"
           "and waits for the provider to send the browser back to this program on a loopback\n"
           "port. The sign-in is kept in the system keyring and used from then on\n"
           "(SMTPAuthMethod=oauth2); the access token is renewed before it runs out. The provider\n"
           "defaults to the one chosen before, else the one of your address. For custom, set\n"
           "OAuthAuthorizeURL, OAuthTokenURL, OAuthClientID and OAuthScopes first (see "
           "\"settings\").\n"
           "Exit status 0 when signed in, 1 when the sign-in was declined, failed or timed out."),
       {{"provider", "P", core::TrNoop("CliHelp", "microsoft, google or custom")},
        {"no-browser", "",
         core::TrNoop("CliHelp", "only print the address; open it yourself, on this computer")},
        {"timeout", "SECONDS",
         core::TrNoop("CliHelp", "how long to wait for the browser (default 300)")},
        {"allow-file-secret", "",
         core::TrNoop("CliHelp", "without a keyring, keep the sign-in in the settings file")}}},
      {"logout",
       "",
       0,
       0,
       core::TrNoop("CliHelp", "forget the sign-in with your mail provider"),
       core::TrNoop(
           "CliHelp",
           "Removes the refresh and access tokens from the keyring or the settings file. Sending\n"
           "then needs a new login, or SMTPAuthMethod=password."),
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
      {"data-dir", "DIR",
       core::TrNoop("CliHelp", "where \"Saved\", \"History\" and \"smtp_session.log\" are kept")},
      {"config", "FILE", core::TrNoop("CliHelp", "the settings file")},
      {"help", "", core::TrNoop("CliHelp", "show help (for a command: COMMAND --help)")},
      {"version", "", core::TrNoop("CliHelp", "show the version")},
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
        error = core::Arg(core::Tr("Cli", "unknown option '%1'"), {arg});
        return std::nullopt;
      }
      if (!command) {
        command = FindCommand(arg);
        if (!command) {
          error = core::Arg(core::Tr("Cli", "unknown command '%1' (see --help)"), {arg});
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
      error = command ? core::Arg(core::Tr("Cli", "unknown option '--%1' for '%2'"),
                                  {name, command->name})
                      : core::Arg(core::Tr("Cli", "unknown option '--%1'"), {name});
      return std::nullopt;
    }
    std::string value;
    if (option->value_name.empty()) {
      if (inline_value) {
        error = core::Arg(core::Tr("Cli", "option '--%1' takes no value"), {name});
        return std::nullopt;
      }
    } else if (inline_value) {
      value = *inline_value;
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = core::Arg(core::Tr("Cli", "option '--%1' needs a value (%2)"),
                        {name, option->value_name});
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
      error = core::Arg(core::Tr("Cli", "option '--%1' given more than once"), {name});
      return std::nullopt;
    }
    slot.push_back(value);
  }
  if (parsed.help || parsed.version) return parsed;
  if (!command) {
    error = core::Tr("Cli", "no command given (see --help)");
    return std::nullopt;
  }
  const int count = static_cast<int>(parsed.operands.size());
  if (count < command->min_operands) {
    error = core::Arg(core::Tr("Cli", "'%1' needs %2"), {command->name, command->operands});
    return std::nullopt;
  }
  if (count > command->max_operands) {
    error = core::Arg(core::Tr("Cli", "unexpected argument '%1' for '%2'"),
                      {parsed.operands[command->max_operands], command->name});
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
    out << heads[i] << std::string(width + 2 - heads[i].size(), ' ')
        << core::Tr("CliHelp", options[i].help.c_str()) << "\n";
}

}  // namespace

std::string ProgramHelp() {
  std::ostringstream out;
  out << core::Tr(
      "CliHelp",
      "Usage: hollymoor-cli [--data-dir DIR] [--config FILE] COMMAND [OPTIONS] [ARGS]\n\n"
      "The Hollymoor errands from a terminal or a script, with the same list files, "
      "archive,\nsettings and session log as the desktop program.\n\nCommands:\n");
  for (const CommandSpec& c : Commands())
    out << "  " << c.name << std::string(10 - c.name.size(), ' ')
        << core::Tr("CliHelp", c.summary.c_str()) << "\n";
  out << "\n" << core::Tr("CliHelp", "Global options:") << "\n";
  ListOptions(out, GlobalOptions());
  out << "\n"
      << core::Tr("CliHelp",
                  "Exit status: 0 success, 1 the errand failed (for example a message was not\n"
                  "accepted), 2 bad usage or unreadable input, 3 no drawing exists.")
      << "\n";
  return out.str();
}

std::string CommandHelp(const CommandSpec& command) {
  std::ostringstream out;
  out << core::Tr("CliHelp", "Usage: hollymoor-cli [global options]") << " " << command.name;
  for (const OptionSpec& o : command.options) {
    out << " [--" << o.name << (o.value_name.empty() ? "" : " " + o.value_name) << "]";
    if (o.repeatable) out << "...";
  }
  if (!command.operands.empty()) out << " " << command.operands;
  std::string summary = core::Tr("CliHelp", command.summary.c_str());
  // Only an ASCII letter is capitalised; a translation may start with any character.
  const auto first = summary.empty() ? 0 : static_cast<unsigned char>(summary[0]);
  if (first >= 'a' && first <= 'z') summary[0] = static_cast<char>(first - 'a' + 'A');
  out << "\n\n" << summary << ".\n";
  if (!command.details.empty()) out << "\n" << core::Tr("CliHelp", command.details.c_str()) << "\n";
  if (!command.options.empty()) {
    out << "\n" << core::Tr("CliHelp", "Options:") << "\n";
    ListOptions(out, command.options);
  }
  out << "\n" << core::Tr("CliHelp", "Global options:") << "\n";
  ListOptions(out, GlobalOptions());
  return out.str();
}

}  // namespace cli
