#include "settings/provider_presets.h"

#include <algorithm>

#include "core/ascii_text.h"
#include "core/tr.h"

namespace mail {

namespace {

std::string DomainOf(std::string_view address) {
  const std::string a = core::AsciiLower(core::TrimView(address));
  const auto at = a.rfind('@');
  if (at == std::string::npos || at == 0) return {};
  return a.substr(at + 1);
}

struct Entry {
  ProviderPreset preset;
  std::vector<std::string> domains;
  std::vector<std::string> domain_suffixes;  // ".onmicrosoft.com": any subdomain
};

const std::vector<Entry>& Table() {
  static const std::vector<Entry> table = {
      {{"Gmail", "smtp.gmail.com:587", Security::kStartTls, kAuthMethodPassword,
        kOAuthProviderGoogle,
        core::TrNoop(
            "Providers",
            "Gmail: create an app password at https://myaccount.google.com/apppasswords (2-Step "
            "Verification on); or sign in with Google"),
        true, true},
       {"gmail.com", "googlemail.com"},
       {}},
      {{"Outlook.com", "smtp-mail.outlook.com:587", Security::kStartTls, kAuthMethodOAuth2,
        kOAuthProviderMicrosoft,
        core::TrNoop(
            "Providers",
            "Outlook.com: passwords, app passwords included, are refused; sign in with Microsoft"),
        true},
       {"outlook.com", "hotmail.com", "live.com", "msn.com", "passport.com", "hotmail.co.uk",
        "hotmail.de", "hotmail.fr", "hotmail.it", "hotmail.es", "live.co.uk", "live.de", "live.fr",
        "live.nl", "outlook.de", "outlook.fr", "outlook.es", "outlook.it", "outlook.co.uk"},
       {}},
      {{"Microsoft 365", "smtp.office365.com:587", Security::kStartTls, kAuthMethodOAuth2,
        kOAuthProviderMicrosoft,
        core::TrNoop("Providers",
                     "Microsoft 365: sign in with Microsoft; password sign-in is being turned off"),
        true, true},
       {},
       {".onmicrosoft.com"}},
      {{"Yahoo Mail", "smtp.mail.yahoo.com:465", Security::kImplicitTls, kAuthMethodPassword, "",
        core::TrNoop(
            "Providers",
            "Yahoo Mail: create an app password at https://login.yahoo.com/account/security"),
        true},
       {"yahoo.com", "ymail.com", "rocketmail.com", "yahoo.co.uk", "yahoo.de", "yahoo.fr",
        "yahoo.es", "yahoo.it", "yahoo.ca", "yahoo.com.au"},
       {}},
      {{"iCloud Mail", "smtp.mail.me.com:587", Security::kStartTls, kAuthMethodPassword, "",
        core::TrNoop("Providers",
                     "iCloud Mail: create an app-specific password at https://account.apple.com "
                     "(Sign-In and "
                     "Security)"),
        true},
       {"icloud.com", "me.com", "mac.com"},
       {}},
      {{"GMX", "mail.gmx.net:587", Security::kStartTls, kAuthMethodPassword, "",
        core::TrNoop(
            "Providers",
            "GMX: allow access by other mail programs (POP3/IMAP) in the GMX settings first"),
        true},
       {"gmx.net", "gmx.de", "gmx.at", "gmx.ch"},
       {}},
      {{"GMX", "mail.gmx.com:587", Security::kStartTls, kAuthMethodPassword, "",
        core::TrNoop(
            "Providers",
            "GMX: allow access by other mail programs (POP3/IMAP) in the GMX settings first"),
        true},
       {"gmx.com", "gmx.us", "gmx.co.uk", "gmx.fr"},
       {}},
      {{"WEB.DE", "smtp.web.de:587", Security::kStartTls, kAuthMethodPassword, "",
        core::TrNoop(
            "Providers",
            "WEB.DE: allow access by other mail programs (POP3/IMAP) in the WEB.DE settings first"),
        true},
       {"web.de"},
       {}},
      {{"Fastmail", "smtp.fastmail.com:465", Security::kImplicitTls, kAuthMethodPassword, "",
        core::TrNoop("Providers",
                     "Fastmail: create an app password under Settings, Privacy & Security"),
        false, true},
       {"fastmail.com", "fastmail.fm", "fastmail.net", "fastmail.org"},
       {}},
      {{"Zoho Mail", "smtp.zoho.com:465", Security::kImplicitTls, kAuthMethodPassword, "",
        core::TrNoop(
            "Providers",
            "Zoho Mail: with two-factor sign-in on, create an application-specific password"),
        true, true},
       {"zoho.com", "zohomail.com"},
       {}},
      {{"Proton Mail", "127.0.0.1:1025", Security::kStartTls, kAuthMethodPassword, "",
        core::TrNoop(
            "Providers",
            "Proton Mail: start Proton Mail Bridge and use the user name and password it shows"),
        true, true},
       {"proton.me", "protonmail.com", "protonmail.ch", "pm.me"},
       {}},
  };
  return table;
}

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() > suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

namespace {

// A preset as the settings dialog shows it: the hint in the program's language.
ProviderPreset Shown(const ProviderPreset& preset) {
  ProviderPreset shown = preset;
  if (!shown.hint.empty()) shown.hint = core::Tr("Providers", preset.hint.c_str());
  return shown;
}

}  // namespace

std::optional<ProviderPreset> PresetForAddress(std::string_view address) {
  const std::string domain = DomainOf(address);
  if (domain.empty()) return std::nullopt;
  for (const Entry& e : Table()) {
    if (std::find(e.domains.begin(), e.domains.end(), domain) != e.domains.end())
      return Shown(e.preset);
    for (const std::string& suffix : e.domain_suffixes)
      if (EndsWith(domain, suffix)) return Shown(e.preset);
  }
  return std::nullopt;
}

const std::vector<ProviderPreset>& AllPresets() {
  static const std::vector<ProviderPreset> all = [] {
    std::vector<ProviderPreset> out;
    for (const Entry& e : Table()) out.push_back(e.preset);
    return out;
  }();
  return all;
}

std::optional<ProviderPreset> PresetForServer(std::string_view server_text) {
  std::string host = core::AsciiLower(core::TrimView(server_text));
  host = host.substr(0, host.find(':'));
  if (host.empty()) return std::nullopt;
  for (const Entry& e : Table()) {
    const std::string& s = e.preset.server;
    if (s.substr(0, s.find(':')) == host) return Shown(e.preset);
  }
  return std::nullopt;
}

std::string FromMismatchWarning(std::string_view from_address, std::string_view server_text,
                                std::string_view signed_in) {
  const std::string from = core::AsciiLower(core::TrimView(from_address));
  const std::string account = core::AsciiLower(core::TrimView(signed_in));
  if (from.empty()) return {};
  if (!account.empty()) {
    if (from == account) return {};
    std::optional<ProviderPreset> preset = PresetForAddress(account);
    if (!preset) preset = PresetForServer(server_text);
    if (!preset || !preset->refuses_other_from) return {};
    return core::Arg(
        core::Tr("Providers",
                 "%1 sends only from the account you signed in with (%2), not from %3"),
        {preset->name, account, from});
  }
  const std::optional<ProviderPreset> preset = PresetForServer(server_text);
  if (!preset || !preset->refuses_other_from || preset->custom_domains) return {};
  const std::optional<ProviderPreset> own = PresetForAddress(from);
  if (own && own->server == preset->server) return {};
  return core::Arg(core::Tr("Providers",
                            "%1 sends only from the account you sign in with; %2 is not a %1 "
                            "address"),
                   {preset->name, from});
}

}  // namespace mail
