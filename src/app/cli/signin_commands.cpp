// hollymoor-cli login and logout: signing in with a provider in the browser, and forgetting
// the sign-in.

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

#include "app/cli/context.h"
#include "core/tr.h"
#include "settings/file_settings_store.h"
#include "settings/oauth_providers.h"
#include "settings/oauth_tokens.h"
#include "settings/provider_presets.h"
#include "settings/registry.h"
#include "settings/secrets.h"
#include "ui/oauth_signin.h"

namespace cli {

namespace {

constexpr int kDefaultWaitSeconds = 300;

mail::MailSettings Load(mail::FileSettingsStore& store) {
  mail::MailSettings settings;
  mail::LoadMailSettings(store, settings);
  mail::LoadMailSecrets(store, Keyring(), settings);
  return settings;
}

// The provider named on the command line, else the one chosen before, else the one the
// sender address belongs to.
std::string ChooseProvider(Context& ctx, const mail::MailSettings& settings) {
  if (auto named = ctx.args.Value("provider")) {
    if (*named != mail::kOAuthProviderMicrosoft && *named != mail::kOAuthProviderGoogle &&
        *named != mail::kOAuthProviderCustom)
      throw CliError(
          kExitBadInput,
          core::Arg(
              core::Tr("Cli", "login: --provider must be microsoft, google or custom, not '%1'"),
              {*named}));
    return *named;
  }
  if (!settings.OAuthProvider.empty()) return settings.OAuthProvider;
  if (auto preset = mail::PresetForAddress(settings.SMTPAccountName);
      preset && !preset->oauth_provider.empty())
    return preset->oauth_provider;
  throw CliError(
      kExitBadInput,
      core::Tr("Cli", "login: name the provider with --provider microsoft, google or custom"));
}

int WaitSeconds(Context& ctx) {
  const std::string text = ctx.args.Value("timeout").value_or(std::to_string(kDefaultWaitSeconds));
  try {
    std::size_t used = 0;
    const int seconds = std::stoi(text, &used);
    if (used == text.size() && seconds > 0) return seconds;
  } catch (...) {
  }
  throw CliError(
      kExitBadInput,
      core::Arg(core::Tr("Cli", "login: --timeout needs a whole number of seconds, not '%1'"),
                {text}));
}

void OpenBrowser(const QUrl& url) {
  const QString opener = QStandardPaths::findExecutable("xdg-open");
  if (!opener.isEmpty()) QProcess::startDetached(opener, {url.toString()});
}

}  // namespace

int RunLogin(Context& ctx) {
  mail::FileSettingsStore store(ctx.config_file);
  mail::MailSettings settings = Load(store);
  settings.OAuthProvider = ChooseProvider(ctx, settings);
  const int wait_seconds = WaitSeconds(ctx);
  std::string problem;
  const mail::OAuthEndpoints endpoints = mail::ResolveOAuthEndpoints(settings, &problem);
  if (!problem.empty())
    throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "login: %1"), {problem}));

  ui::OAuthSignIn sign_in(endpoints);
  QEventLoop loop;
  bool ok = false;
  QObject::connect(&sign_in, &ui::OAuthSignIn::authorizeUrl, [&](const QUrl& url) {
    std::fprintf(ctx.out, "%s\n",
                 core::Arg(core::Tr("Cli", "Open this address to sign in: %1"),
                           {url.toString(QUrl::FullyEncoded).toStdString()})
                     .c_str());
    std::fflush(ctx.out);
    if (!ctx.args.Has("no-browser")) OpenBrowser(url);
  });
  QObject::connect(&sign_in, &ui::OAuthSignIn::finished, [&](bool signed_in, const QString& why) {
    ok = signed_in;
    problem = why.toStdString();
    loop.quit();
  });
  QTimer::singleShot(std::chrono::seconds(wait_seconds), &loop, [&] {
    sign_in.Abort(core::Arg(core::Tr("Cli", "no answer from the browser within %1 seconds"),
                            {std::to_string(wait_seconds)}));
  });
  if (!sign_in.Start(&problem))
    throw CliError(kExitFailed, core::Arg(core::Tr("Cli", "login: %1"), {problem}));
  loop.exec();
  if (!ok)
    throw CliError(kExitFailed,
                   core::Arg(core::Tr("Cli", "login: %1; nothing was changed"), {problem}));

  const bool allow_file = ctx.args.Has("allow-file-secret");
  if (allow_file)
    mail::SaveRegistryValue(store, mail::kValueSecretFileConsent, 1, mail::kTypeInt32);
  mail::SaveRegistryValue(store, mail::kValueOAuthProvider, settings.OAuthProvider,
                          mail::kTypeString);
  const mail::SecretPlace place = mail::KeepTokens(
      store, {Keyring(), [](const std::string&) { return false; }}, settings, sign_in.tokens());
  if (place == mail::SecretPlace::kMemoryOnly)
    throw CliError(kExitFailed,
                   core::Tr("Cli",
                            "login: no system keyring is available, so the sign-in was not kept; "
                            "run again with --allow-file-secret to keep it in the settings file "
                            "(readable only by you)"));
  // Signing in is choosing to send with it.
  mail::SaveRegistryValue(store, mail::kValueSMTPAuthMethod, std::string(mail::kAuthMethodOAuth2),
                          mail::kTypeString);
  mail::SaveRegistryValue(store, mail::kValueServerRequiresAuthentication, 1, mail::kTypeInt32);
  std::fprintf(
      ctx.out, "%s\n",
      core::Arg(
          place == mail::SecretPlace::kFile
              ? core::Tr("Cli", "Signed in with %1; the sign-in is kept in the settings file.")
              : core::Tr("Cli", "Signed in with %1; the sign-in is kept in the keyring."),
          {settings.OAuthProvider})
          .c_str());
  // A server chosen before is the user's; only an empty one takes the provider's.
  if (settings.SMTPServer.empty() && !endpoints.smtp_server.empty()) {
    mail::SaveRegistryValue(store, mail::kValueSMTPServer, endpoints.smtp_server,
                            mail::kTypeString);
    std::fprintf(
        ctx.out, "%s\n",
        core::Arg(core::Tr("Cli", "No SMTP server was set; it is now %1, the server of %2."),
                  {endpoints.smtp_server, settings.OAuthProvider})
            .c_str());
  }
  return kExitOk;
}

int RunLogout(Context& ctx) {
  mail::FileSettingsStore store(ctx.config_file);
  mail::MailSettings settings = Load(store);
  const bool had = !settings.OAuthRefreshToken.empty() || !settings.OAuthAccessToken.empty();
  mail::ForgetTokens(store, {Keyring(), [](const std::string&) { return false; }}, settings);
  mail::MailSettings after = Load(store);
  if (!after.OAuthRefreshToken.empty() || !after.OAuthAccessToken.empty())
    throw CliError(
        kExitFailed,
        core::Arg(
            core::Tr("Cli", "logout: the sign-in could not be removed from [%1] or the keyring"),
            {ctx.config_file.string()}));
  if (had)
    std::fprintf(ctx.out, "%s\n",
                 (settings.OAuthProvider.empty()
                      ? core::Tr("Cli", "Signed out: the sign-in with the provider is forgotten.")
                      : core::Arg(core::Tr("Cli", "Signed out: the sign-in with %1 is forgotten."),
                                  {settings.OAuthProvider}))
                     .c_str());
  else
    std::fprintf(ctx.out, "%s\n",
                 core::Tr("Cli", "Not signed in; there was nothing to forget.").c_str());
  return kExitOk;
}

}  // namespace cli
