#include "settings/oauth_tokens.h"

#include <map>
#include <optional>

#include "core/ascii_text.h"
#include "core/base64.h"
#include "core/sha256.h"
#include "core/utf8.h"
#include "settings/provider_presets.h"
#include "settings/registry.h"

namespace mail {

namespace {

// Just enough JSON for a token's claims: the string members at the top level of one object,
// other members skipped.
class ClaimReader {
 public:
  explicit ClaimReader(std::string_view text) : text_(text) {}

  std::optional<std::map<std::string, std::string>> Strings() {
    std::map<std::string, std::string> out;
    if (!Eat('{')) return std::nullopt;
    if (Eat('}')) return out;
    do {
      std::string name, value;
      if (!String(name) || !Eat(':')) return std::nullopt;
      SkipSpace();
      if (Peek() == '"') {
        if (!String(value)) return std::nullopt;
        out[name] = value;
      } else if (!SkipValue()) {
        return std::nullopt;
      }
    } while (Eat(','));
    if (!Eat('}')) return std::nullopt;
    return out;
  }

 private:
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void SkipSpace() {
    while (at_ < text_.size() &&
           (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
      ++at_;
  }
  bool Eat(char c) {
    SkipSpace();
    if (Peek() != c) return false;
    ++at_;
    return true;
  }
  bool Hex4(std::uint32_t& cp) {
    if (at_ + 4 > text_.size()) return false;
    cp = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return false;
      cp = cp * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
  }
  bool String(std::string& out) {
    if (!Eat('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char e = text_[at_++];
      switch (e) {
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          std::uint32_t cp = 0, low = 0;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            at_ += 2;
            if (!Hex4(low) || low < 0xDC00 || low >= 0xE000) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          core::AppendUtf8(out, cp);
          break;
        }
        default:
          out += e;  // \" \\ \/
      }
    }
    return false;
  }
  // A number, literal, array or object, strings inside included.
  bool SkipValue() {
    int depth = 0;
    while (at_ < text_.size()) {
      const char c = Peek();
      if (c == '"') {
        std::string ignored;
        if (!String(ignored)) return false;
        continue;
      }
      if (depth == 0 && (c == ',' || c == '}')) return true;
      if (c == '{' || c == '[') ++depth;
      if (c == '}' || c == ']') --depth;
      ++at_;
    }
    return false;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::string AccountFromIdToken(std::string_view id_token, std::string_view provider) {
  // The token came straight from the provider's token endpoint over TLS, in answer to our
  // own code and proof key, so its payload is read without checking its signature: we only
  // learn which account signed in, and nothing is granted on the strength of it.
  const std::size_t first = id_token.find('.');
  const std::size_t second = id_token.find('.', first == std::string_view::npos ? 0 : first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return {};
  std::string payload(id_token.substr(first + 1, second - first - 1));
  for (char& c : payload) c = c == '-' ? '+' : c == '_' ? '/' : c;
  const auto claims = ClaimReader(Base64Decode(payload)).Strings();
  if (!claims) return {};
  const auto claim = [&](const char* name) {
    const auto found = claims->find(name);
    return found == claims->end() ? std::string()
                                  : std::string(core::TrimView(found->second, core::kAsciiSpace));
  };
  std::string account = provider == kOAuthProviderMicrosoft ? claim("preferred_username") : "";
  if (account.empty()) account = claim("email");
  return account.find('@') == std::string::npos ? std::string() : account;
}

std::string Base64Url(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  std::string out;
  std::uint32_t bits = 0;
  int count = 0;
  for (unsigned char c : bytes) {
    bits = (bits << 8) | c;
    count += 8;
    while (count >= 6) {
      count -= 6;
      out.push_back(kAlphabet[(bits >> count) & 0x3F]);
    }
  }
  if (count > 0) out.push_back(kAlphabet[(bits << (6 - count)) & 0x3F]);
  return out;
}

std::string PkceChallenge(std::string_view verifier) {
  const auto digest = Sha256(verifier);
  return Base64Url(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()));
}

Pkce MakePkce(std::string_view random_bytes) {
  Pkce pkce;
  pkce.verifier = Base64Url(random_bytes);
  pkce.challenge = PkceChallenge(pkce.verifier);
  return pkce;
}

bool AccessTokenNeedsRenewal(const MailSettings& settings, std::int64_t now,
                             std::int64_t margin_seconds) {
  return settings.OAuthAccessToken.empty() || settings.OAuthAccessTokenExpiry <= 0 ||
         settings.OAuthAccessTokenExpiry - margin_seconds <= now;
}

SecretSlot AccessTokenSlot(const MailSettings& settings) {
  SecretSlot slot = RefreshTokenSlot(settings);
  slot.ref_name = kValueOAuthAccessTokenRef;
  slot.file_name = kValueOAuthAccessToken;
  slot.key.replace(0, slot.key.find(':'), "oauth-access-token");
  return slot;
}

SecretPlace KeepTokens(SettingsStore& store, const SecretAccess& access, MailSettings& settings,
                       const OAuthTokens& tokens) {
  if (!tokens.account.empty() && tokens.account != settings.OAuthAccount) {
    // The keyring entries are named after the account; StoreSecret moves them.
    settings.OAuthAccount = tokens.account;
    SaveRegistryValue(store, kValueOAuthAccount, settings.OAuthAccount, kTypeString);
  }
  if (!tokens.refresh_token.empty()) settings.OAuthRefreshToken = tokens.refresh_token;
  settings.OAuthAccessToken = tokens.access_token;
  settings.OAuthAccessTokenExpiry = tokens.expires_at;
  const SecretPlace place =
      StoreSecret(store, access, RefreshTokenSlot(settings), settings.OAuthRefreshToken);
  // The access token follows the refresh token: no keyring, no consent, no copy on disk.
  StoreSecret(store, access, AccessTokenSlot(settings),
              place == SecretPlace::kMemoryOnly ? std::string() : tokens.access_token);
  SaveRegistryValue(store, kValueOAuthAccessTokenExpiry, std::to_string(tokens.expires_at),
                    kTypeString);
  return place;
}

void ForgetTokens(SettingsStore& store, const SecretAccess& access, MailSettings& settings) {
  StoreSecret(store, access, RefreshTokenSlot(settings), std::string());
  StoreSecret(store, access, AccessTokenSlot(settings), std::string());
  SaveRegistryValue(store, kValueOAuthAccessTokenExpiry, std::string(), kTypeString);
  settings.OAuthRefreshToken.clear();
  settings.OAuthAccessToken.clear();
  settings.OAuthAccessTokenExpiry = 0;
  settings.OAuthAccount.clear();
  SaveRegistryValue(store, kValueOAuthAccount, std::string(), kTypeString);
}

void LoadAccessToken(SettingsStore& store, SecretStore* keyring, MailSettings& settings) {
  settings.OAuthAccessToken = LoadSecret(store, keyring, AccessTokenSlot(settings));
  settings.OAuthAccessTokenExpiry = 0;
  try {
    RegistryValue v = LoadRegistryValue(store, kValueOAuthAccessTokenExpiry);
    if (auto* s = std::get_if<std::string>(&v); s && !s->empty())
      settings.OAuthAccessTokenExpiry = std::stoll(*s);
  } catch (...) {
    settings.OAuthAccessTokenExpiry = 0;  // unreadable: renewed before the next run
  }
}

}  // namespace mail
