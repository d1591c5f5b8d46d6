// hollymoor-cli: the errands of the desktop program for terminals, scripts and servers.

#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/args.h"
#include "app/cli/console_ui.h"
#include "app/cli/context.h"
#include "app/cli/terminal_text.h"
#include "app/default_paths.h"
#include "core/tr.h"
#include "ui/translator.h"

namespace {

int Dispatch(cli::Context& ctx) {
  const std::string& c = ctx.args.command;
  if (c == "check") return cli::RunCheck(ctx);
  if (c == "draw") return cli::RunDraw(ctx);
  if (c == "send") return cli::RunSend(ctx);
  if (c == "resend") return cli::RunResend(ctx);
  if (c == "message") return cli::RunMessage(ctx);
  if (c == "join") return cli::RunJoin(ctx);
  if (c == "leave") return cli::RunLeave(ctx);
  if (c == "slips") return cli::RunSlips(ctx);
  if (c == "settings") return cli::RunSettings(ctx);
  if (c == "login") return cli::RunLogin(ctx);
  if (c == "logout") return cli::RunLogout(ctx);
  throw cli::CliError(cli::kExitBadInput, core::Arg(core::Tr("Cli", "unknown command '%1'"), {c}));
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto parsed = cli::ParseArgs(args, error);
  // Printing slips needs fonts, which come with the GUI side of Qt; no window is shown, so no
  // display is needed either.
  const bool painting = parsed && parsed->command == "slips" && !parsed->help;
  if (painting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  std::unique_ptr<QCoreApplication> app;
  if (painting)
    app = std::make_unique<QGuiApplication>(argc, argv);
  else
    app = std::make_unique<QCoreApplication>(argc, argv);
  QCoreApplication::setApplicationName(app::kApplicationName);
  QCoreApplication::setOrganizationName(app::kOrganizationName);
  QCoreApplication::setApplicationVersion(HOLLYMOOR_VERSION);
  ui::InstallTranslations(QLocale::system(), ui::FindTranslationsDir());

  if (!parsed) {
    // Parsed again now that the translations are in, so the complaint is in the user's language.
    cli::ParseArgs(args, error);
    std::fprintf(stderr, "hollymoor-cli: %s\n", error.c_str());
    return cli::kExitBadInput;
  }
  if (parsed->help) {
    const cli::CommandSpec* command = cli::FindCommand(parsed->command);
    std::fputs(command ? cli::CommandHelp(*command).c_str() : cli::ProgramHelp().c_str(), stdout);
    return cli::kExitOk;
  }
  if (parsed->version) {
    std::printf("hollymoor-cli %s\n", HOLLYMOOR_VERSION);
    return cli::kExitOk;
  }

  cli::ConsoleUi ui(stdout, stderr, isatty(STDERR_FILENO) == 1);
  int code = cli::kExitFailed;
  try {
    const app::DefaultLocations defaults = app::DefaultPaths(/*create_data_dir=*/false);
    cli::Context ctx{*parsed, ui, defaults.data_dir, defaults.config_file};
    if (auto dir = parsed->Value("data-dir")) ctx.data_dir = *dir;
    if (auto file = parsed->Value("config")) ctx.config_file = *file;
    code = Dispatch(ctx);
  } catch (const cli::CliError& e) {
    ui.FinishStatusLine();
    std::fprintf(stderr, "hollymoor-cli: %s\n", cli::TerminalSafe(e.what()).c_str());
    code = e.code();
  } catch (const std::exception& e) {
    ui.FinishStatusLine();
    std::fprintf(stderr, "hollymoor-cli: %s\n",
                 core::Arg(core::Tr("Cli", "unexpected failure: %1"), {cli::TerminalSafe(e.what())})
                     .c_str());
    code = cli::kExitFailed;
  }
  ui.FinishStatusLine();
  return code;
}
