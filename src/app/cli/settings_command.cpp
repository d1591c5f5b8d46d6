// hollymoor-cli settings: the settings dialog without the dialog. Changes go through the
// dialog's own save (mail::SaveSettings), so the checks, their order and messages, the
// password rule and the stored values are exactly the dialog's.

#include <cctype>
#include <cstdio>
#include <string>

#include "app/cli/context.h"
#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "settings/settings_form.h"

namespace cli {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool ParseFlag(const std::string& name, const std::string& value, bool smtp_words) {
  const std::string v = Lower(value);
  if (v == "1" || v == "true" || v == "yes" || v == "on" || (smtp_words && v == "smtp"))
    return true;
  if (v == "0" || v == "false" || v == "no" || v == "off" ||
      (smtp_words && (v == "mapi" || v == "mailer")))
    return false;
  throw CliError(kExitBadInput, "settings: " + name + " must be 1 or 0, not '" + value + "'");
}

// Matches a value name regardless of case; returns the stored spelling.
std::string CanonicalName(const std::string& name) {
  for (const char* known :
       {mail::kValueUseSMTP, mail::kValueServerRequiresAuthentication, mail::kValueSMTPServer,
        mail::kValueSMTPUserName, mail::kValueSMTPAccountName, mail::kValueSMTPAccountPassword,
        mail::kValueMailerCommand}) {
    if (Lower(name) == Lower(known)) return known;
  }
  throw CliError(kExitBadInput,
                 "settings: unknown setting '" + name + "' (see hollymoor-cli settings --help)");
}

std::string ReadPasswordLine(std::FILE* in) {
  std::string line;
  int c;
  bool any = false;
  while ((c = std::fgetc(in)) != EOF) {
    any = true;
    if (c == '\n') break;
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (!any) throw CliError(kExitBadInput, "settings: no password on standard input");
  return line;
}

void Show(Context& ctx, const mail::MailSettings& s) {
  std::fprintf(ctx.out, "%s=%d\n", mail::kValueUseSMTP, s.UseSMTP ? 1 : 0);
  std::fprintf(ctx.out, "%s=%s\n", mail::kValueSMTPServer, s.SMTPServer.c_str());
  std::fprintf(ctx.out, "%s=%s\n", mail::kValueSMTPAccountName, s.SMTPAccountName.c_str());
  std::fprintf(ctx.out, "%s=%s\n", mail::kValueSMTPUserName, s.SMTPUserName.c_str());
  std::fprintf(ctx.out, "%s=%d\n", mail::kValueServerRequiresAuthentication,
               s.ServerRequiresAuthentication ? 1 : 0);
  std::fprintf(ctx.out, "%s=%s\n", mail::kValueSMTPAccountPassword,
               s.SMTPAccountPassword.empty() ? "" : "********");
  std::fprintf(ctx.out, "%s=%s\n", mail::kValueMailerCommand, s.MailerCommand.c_str());
}

}  // namespace

int RunSettings(Context& ctx) {
  mail::FileSettingsStore store(ctx.config_file);
  mail::MailSettings settings;
  mail::LoadMailSettings(store, settings);

  const auto& sets = ctx.args.All("set");
  const bool password = ctx.args.Has("password-stdin");
  if (sets.empty() && !password) {
    Show(ctx, settings);
    return kExitOk;
  }

  // The dialog as it opens on the stored values, then the user's changes.
  mail::SettingsForm form;
  form.smtp_selected = settings.UseSMTP;
  form.server = settings.SMTPServer;
  form.account_name = settings.SMTPAccountName;
  form.user_name = settings.SMTPUserName;
  form.requires_authentication = settings.ServerRequiresAuthentication;
  bool dialog_changed = password;
  std::string mailer;
  bool mailer_changed = false;
  for (const std::string& assignment : sets) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos)
      throw CliError(kExitBadInput, "settings: --set needs NAME=VALUE, not '" + assignment + "'");
    const std::string name = CanonicalName(assignment.substr(0, eq));
    const std::string value = assignment.substr(eq + 1);
    if (name == mail::kValueSMTPAccountPassword)
      throw CliError(kExitBadInput,
                     "settings: the password is not taken on the command line; use "
                     "--password-stdin");
    if (name == mail::kValueMailerCommand) {
      if (value.empty()) throw CliError(kExitBadInput, "settings: MailerCommand is empty");
      mailer = value;
      mailer_changed = true;
      continue;
    }
    dialog_changed = true;
    if (name == mail::kValueUseSMTP)
      form.smtp_selected = ParseFlag(name, value, true);
    else if (name == mail::kValueServerRequiresAuthentication)
      form.requires_authentication = ParseFlag(name, value, false);
    else if (name == mail::kValueSMTPServer)
      form.server = value;
    else if (name == mail::kValueSMTPAccountName)
      form.account_name = value;
    else if (name == mail::kValueSMTPUserName)
      form.user_name = value;
  }
  if (password) form.password_box = ReadPasswordLine(ctx.in);

  if (dialog_changed) {
    const std::string message = mail::SaveSettings(store, settings, form);
    if (!message.empty()) throw CliError(kExitBadInput, "settings: " + message);
  }
  if (mailer_changed) {
    settings.MailerCommand = mailer;
    mail::SaveRegistryValue(store, mail::kValueMailerCommand, mailer, mail::kTypeString);
  }
  // The store does not report write failures; reading back tells whether they took.
  mail::MailSettings stored;
  mail::LoadMailSettings(store, stored);
  if (stored.SMTPServer != settings.SMTPServer ||
      stored.SMTPAccountPassword != settings.SMTPAccountPassword ||
      stored.MailerCommand != settings.MailerCommand || stored.UseSMTP != settings.UseSMTP)
    throw CliError(kExitFailed, "settings: could not write [" + ctx.config_file.string() + "]");
  if (ctx.args.Has("show")) Show(ctx, settings);
  return kExitOk;
}

}  // namespace cli
