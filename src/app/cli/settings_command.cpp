// hollymoor-cli settings: the settings dialog without the dialog. Changes go through the
// dialog's own save (mail::SaveSettings), so the checks, their order and messages, the
// password rule and the stored values are exactly the dialog's.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/context.h"
#include "app/cli/delivery.h"
#include "app/cli/roster_file.h"
#include "core/ascii_text.h"
#include "core/tr.h"
#include "mail/test_message.h"
#include "settings/file_settings_store.h"
#include "settings/provider_presets.h"
#include "settings/provider_replies.h"
#include "settings/registry.h"
#include "settings/secrets.h"
#include "settings/settings_form.h"
#include "ui/qt_secret_store.h"

namespace cli {

mail::SecretStore* Keyring() { return ui::SystemKeyring(); }

namespace {

// Sign-in values: stored as typed, after a check of the two that take fixed words.
constexpr const char* kSignInNames[] = {mail::kValueSMTPAuthMethod,    mail::kValueOAuthProvider,
                                        mail::kValueOAuthAuthorizeURL, mail::kValueOAuthTokenURL,
                                        mail::kValueOAuthClientID,     mail::kValueOAuthScopes};

bool ParseFlag(const std::string& name, const std::string& value, bool smtp_words) {
  const std::string v = core::AsciiLower(value);
  if (v == "1" || v == "true" || v == "yes" || v == "on" || (smtp_words && v == "smtp"))
    return true;
  if (v == "0" || v == "false" || v == "no" || v == "off" ||
      (smtp_words && (v == "mapi" || v == "mailer")))
    return false;
  throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "settings: %1 must be 1 or 0, not '%2'"),
                                          {name, value}));
}

// Matches a value name regardless of case; returns the stored spelling.
std::string CanonicalName(const std::string& name) {
  for (const char* known :
       {mail::kValueUseSMTP, mail::kValueServerRequiresAuthentication, mail::kValueSMTPServer,
        mail::kValueSMTPUserName, mail::kValueSMTPAccountName, mail::kValueSMTPAccountPassword,
        mail::kValueMailerCommand, mail::kValueAllowUnencryptedSMTP}) {
    if (core::AsciiLower(name) == core::AsciiLower(known)) return known;
  }
  for (const char* known : kSignInNames)
    if (core::AsciiLower(name) == core::AsciiLower(known)) return known;
  throw CliError(
      kExitBadInput,
      core::Arg(
          core::Tr("Cli", "settings: unknown setting '%1' (see hollymoor-cli settings --help)"),
          {name}));
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
  if (!any)
    throw CliError(kExitBadInput, core::Tr("Cli", "settings: no password on standard input"));
  return line;
}

// Why the folder of `file` takes no new file: what a small write beside it reports.
std::string WriteProblem(const std::filesystem::path& file) {
  const std::filesystem::path probe = file.string() + ".probe";
  errno = 0;
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  int err = errno;
  if (fd >= 0) {
    const std::string block(4096, ' ');
    err = ::write(fd, block.data(), block.size()) == static_cast<ssize_t>(block.size()) &&
                  ::fsync(fd) == 0
              ? 0
              : errno;
    ::close(fd);
    ::unlink(probe.c_str());
  }
  return err != 0 ? std::string(std::strerror(err))
                  : core::Tr("Cli", "the settings did not read back as written");
}

void CheckSignInValue(const std::string& name, const std::string& value) {
  auto one_of = [&](std::initializer_list<const char*> words) {
    for (const char* w : words)
      if (value == w) return;
    std::string list;
    for (const char* w : words) list += std::string(list.empty() ? "" : ", ") + w;
    throw CliError(kExitBadInput,
                   core::Arg(core::Tr("Cli", "settings: %1 must be one of %2, not '%3'"),
                             {name, list, value}));
  };
  if (name == mail::kValueSMTPAuthMethod)
    one_of({mail::kAuthMethodPassword, mail::kAuthMethodOAuth2});
  else if (name == mail::kValueOAuthProvider)
    one_of({mail::kOAuthProviderMicrosoft, mail::kOAuthProviderGoogle, mail::kOAuthProviderCustom});
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
  std::fprintf(ctx.out, "%s=%d\n", mail::kValueAllowUnencryptedSMTP,
               s.AllowUnencryptedSMTP ? 1 : 0);
  std::fprintf(ctx.out, "%s=%s\n", mail::kValueSMTPAuthMethod, s.SMTPAuthMethod.c_str());
  for (auto [name, value] : {std::pair{mail::kValueOAuthProvider, &s.OAuthProvider},
                             std::pair{mail::kValueOAuthAuthorizeURL, &s.OAuthAuthorizeURL},
                             std::pair{mail::kValueOAuthTokenURL, &s.OAuthTokenURL},
                             std::pair{mail::kValueOAuthClientID, &s.OAuthClientID},
                             std::pair{mail::kValueOAuthScopes, &s.OAuthScopes},
                             std::pair{mail::kValueOAuthAccount, &s.OAuthAccount}})
    if (!value->empty()) std::fprintf(ctx.out, "%s=%s\n", name, value->c_str());
  // Where each secret is, never the secret.
  mail::FileSettingsStore store(ctx.config_file);
  mail::SecretPlace password = mail::SecretPlace::kNone, token = mail::SecretPlace::kNone;
  mail::LoadSecret(store, Keyring(), mail::PasswordSlot(s), &password);
  mail::LoadSecret(store, Keyring(), mail::RefreshTokenSlot(s), &token);
  std::fprintf(ctx.out, "PasswordStored=%s\n", mail::DescribeSecretPlace(password).c_str());
  std::fprintf(ctx.out, "SignInStored=%s\n", mail::DescribeSecretPlace(token).c_str());
}

// One message to the sender's own address by the configured path; no roster file, no archive.
int SendTestMessage(Context& ctx, const mail::MailSettings& settings) {
  const std::string obstacle = mail::TestMessageObstacle(settings);
  if (!obstacle.empty())
    throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "settings: %1"), {obstacle}));
  RequireUsableSettings(settings);
  auto roster = NewRoster(ctx.ui);
  roster->AddParticipant("", settings.SMTPUserName, settings.SMTPAccountName, "", false);
  mail::SendValues values = mail::TestMessageValues();
  std::error_code ec;
  std::filesystem::create_directories(ctx.data_dir, ec);  // the session log lives there
  Delivery delivery(ctx, *roster, settings, values);
  delivery.SendMessage();
  ctx.ui.FinishStatusLine();
  const auto& entries = delivery.record().entries();
  bool accepted = false;
  const std::string result = mail::TestMessageResult(
      settings.SMTPAccountName, entries.empty() ? nullptr : &entries[0].outcome, &accepted);
  if (accepted) {
    std::fprintf(ctx.out, "%s\n", result.c_str());
    return kExitOk;
  }
  throw CliError(kExitFailed, core::Arg(core::Tr("Cli", "settings: %1"), {result}));
}

}  // namespace

int RunSettings(Context& ctx) {
  mail::FileSettingsStore store(ctx.config_file);
  mail::MailSettings settings;
  mail::LoadMailSettings(store, settings);
  mail::LoadMailSecrets(store, Keyring(), settings);

  const auto& sets = ctx.args.All("set");
  const bool password = ctx.args.Has("password-stdin");
  if (ctx.args.Has("test")) {
    if (!sets.empty() || password)
      throw CliError(kExitBadInput,
                     core::Tr("Cli", "settings: --test changes nothing; run it on its own"));
    return SendTestMessage(ctx, settings);
  }
  if (sets.empty() && !password) {
    if (ctx.args.Has("allow-file-secret"))
      throw CliError(kExitBadInput,
                     core::Tr("Cli", "settings: --allow-file-secret goes with --password-stdin"));
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
  std::optional<bool> allow_unencrypted;
  std::vector<std::pair<std::string, std::string>> sign_in;
  for (const std::string& assignment : sets) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos)
      throw CliError(
          kExitBadInput,
          core::Arg(core::Tr("Cli", "settings: --set needs NAME=VALUE, not '%1'"), {assignment}));
    const std::string name = CanonicalName(assignment.substr(0, eq));
    const std::string value = assignment.substr(eq + 1);
    if (name == mail::kValueSMTPAccountPassword)
      throw CliError(kExitBadInput, core::Tr("Cli",
                                             "settings: the password is not taken on the command "
                                             "line; use --password-stdin"));
    if (std::find(std::begin(kSignInNames), std::end(kSignInNames), name) !=
        std::end(kSignInNames)) {
      CheckSignInValue(name, value);
      sign_in.emplace_back(name, value);
      continue;
    }
    if (name == mail::kValueMailerCommand) {
      if (value.empty())
        throw CliError(kExitBadInput, core::Tr("Cli", "settings: MailerCommand is empty"));
      mailer = value;
      mailer_changed = true;
      continue;
    }
    if (name == mail::kValueAllowUnencryptedSMTP) {
      allow_unencrypted = ParseFlag(name, value, false);
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
    // A terminal session cannot outlive the command, so without a keyring the secret is kept
    // only where the user said so on the command line.
    const bool allow_file = ctx.args.Has("allow-file-secret");
    if (allow_file)
      mail::SaveRegistryValue(store, mail::kValueSecretFileConsent, 1, mail::kTypeInt32);
    mail::SecretAccess secrets{Keyring(), [](const std::string&) { return false; }};
    mail::SecretPlace place = mail::SecretPlace::kNone;
    const std::string message = mail::SaveSettings(store, settings, form, secrets, &place);
    if (!message.empty())
      throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "settings: %1"), {message}));
    if (place == mail::SecretPlace::kMemoryOnly)
      throw CliError(kExitFailed,
                     core::Tr("Cli",
                              "settings: no system keyring is available, so the password was not "
                              "saved; run again with --allow-file-secret to keep it in the "
                              "settings file (readable only by you)"));
  }
  for (const auto& [name, value] : sign_in) {
    mail::SaveRegistryValue(store, name, value, mail::kTypeString);
    for (auto [known, field] :
         {std::pair{mail::kValueSMTPAuthMethod, &settings.SMTPAuthMethod},
          std::pair{mail::kValueOAuthProvider, &settings.OAuthProvider},
          std::pair{mail::kValueOAuthAuthorizeURL, &settings.OAuthAuthorizeURL},
          std::pair{mail::kValueOAuthTokenURL, &settings.OAuthTokenURL},
          std::pair{mail::kValueOAuthClientID, &settings.OAuthClientID},
          std::pair{mail::kValueOAuthScopes, &settings.OAuthScopes}})
      if (name == known) *field = value;
  }
  if (mailer_changed) {
    settings.MailerCommand = mailer;
    mail::SaveRegistryValue(store, mail::kValueMailerCommand, mailer, mail::kTypeString);
  }
  if (allow_unencrypted) {
    settings.AllowUnencryptedSMTP = *allow_unencrypted;
    mail::SaveRegistryValue(store, mail::kValueAllowUnencryptedSMTP,
                            static_cast<int32_t>(*allow_unencrypted ? 1 : 0), mail::kTypeInt32);
    if (*allow_unencrypted)
      std::fprintf(stderr, "%s\n",
                   core::Tr("Cli",
                            "warning: SMTP may now send the login and every message unencrypted "
                            "when the server offers no STARTTLS")
                       .c_str());
  }
  // The store does not report write failures; reading back tells whether they took.
  mail::MailSettings stored;
  mail::LoadMailSettings(store, stored);
  mail::LoadMailSecrets(store, Keyring(), stored);
  if (stored.SMTPServer != settings.SMTPServer ||
      stored.SMTPAccountPassword != settings.SMTPAccountPassword ||
      stored.MailerCommand != settings.MailerCommand || stored.UseSMTP != settings.UseSMTP ||
      stored.SMTPAuthMethod != settings.SMTPAuthMethod ||
      stored.AllowUnencryptedSMTP != settings.AllowUnencryptedSMTP ||
      stored.SMTPUserName != settings.SMTPUserName ||
      stored.SMTPAccountName != settings.SMTPAccountName ||
      stored.ServerRequiresAuthentication != settings.ServerRequiresAuthentication)
    throw CliError(kExitFailed,
                   core::Arg(core::Tr("Cli", "settings: could not write [%1]: %2"),
                             {ctx.config_file.string(), WriteProblem(ctx.config_file)}));
  if (ctx.args.Has("show")) Show(ctx, settings);
  return kExitOk;
}

}  // namespace cli
