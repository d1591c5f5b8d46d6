#include "mail/smtp/smtp_login.h"

#include <cctype>

#include "core/base64.h"
#include "mail/smtp/smtp_reply.h"
#include "mail/smtp/smtp_text.h"
#include "settings/oauth_providers.h"
#include "settings/provider_presets.h"
#include "settings/provider_replies.h"

namespace mail {

namespace {

// "\0user\0password" in one line: one round trip, no challenges.
class PlainLogin : public LoginMechanism {
 public:
  PlainLogin(std::string user, std::string password)
      : user_(std::move(user)), password_(std::move(password)) {}
  std::string Name() const override { return "PLAIN"; }
  std::string Start() override {
    return "AUTH PLAIN " + Base64Encode(std::string(1, '\0') + user_ + '\0' + password_);
  }
  // Servers that ignore the initial response ask with an empty challenge; answer it once.
  std::optional<std::string> Answer(std::string_view) override {
    if (answered_) return std::nullopt;
    answered_ = true;
    return Base64Encode(std::string(1, '\0') + user_ + '\0' + password_);
  }

 private:
  std::string user_, password_;
  bool answered_ = false;
};

// The user name, then the password, each after its own challenge.
class LoginLogin : public LoginMechanism {
 public:
  LoginLogin(std::string user, std::string password_base64)
      : user_(std::move(user)), password_(std::move(password_base64)) {}
  std::string Name() const override { return "LOGIN"; }
  std::string Start() override { return "AUTH LOGIN"; }
  std::optional<std::string> Answer(std::string_view) override {
    switch (step_++) {
      case 0:
        return Base64Encode(user_);
      case 1:
        return password_;
      default:
        return std::nullopt;
    }
  }

 private:
  std::string user_, password_;
  int step_ = 0;
};

// XOAUTH2 and OAUTHBEARER: the token goes in the AUTH line. A refused token comes back as a
// 334 challenge carrying a JSON error, which the client acknowledges with an empty line; the
// server then ends the exchange with its failure reply.
class TokenLogin : public LoginMechanism {
 public:
  TokenLogin(std::string name, std::string initial_response)
      : name_(std::move(name)), initial_(std::move(initial_response)) {}
  std::string Name() const override { return name_; }
  std::string Start() override { return "AUTH " + name_ + " " + initial_; }
  std::optional<std::string> Answer(std::string_view challenge) override {
    if (error_seen_) return std::nullopt;
    error_seen_ = true;
    token_expired_ = ReplySaysTokenExpired("334 " + std::string(challenge));
    return std::string();
  }
  bool TokenRejected(std::string_view final_reply) const override {
    return token_expired_ || ReplySaysTokenExpired(final_reply);
  }

 private:
  std::string name_, initial_;
  bool error_seen_ = false;
  bool token_expired_ = false;
};

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::set<std::string> OfferedMechanisms(std::string_view ehlo_reply) {
  std::set<std::string> offered;
  for (const std::string& line : ReplyLines(ehlo_reply)) {
    if (line.size() < 9) continue;
    std::string keywords = Upper(std::string_view(line).substr(4));
    if (keywords.rfind("AUTH", 0) != 0 || (keywords[4] != ' ' && keywords[4] != '=')) continue;
    std::string_view rest = std::string_view(keywords).substr(5);
    while (!rest.empty()) {
      std::size_t sp = rest.find(' ');
      if (sp != 0) offered.emplace(rest.substr(0, sp));
      if (sp == std::string_view::npos) break;
      rest.remove_prefix(sp + 1);
    }
  }
  return offered;
}

std::unique_ptr<LoginMechanism> MakeLogin(const std::set<std::string>& offered,
                                          const MailSettings& settings) {
  if (settings.SMTPAuthMethod == kAuthMethodOAuth2) {
    const std::string account = CommandSafe(
        Trim(settings.OAuthAccount.empty() ? settings.SMTPAccountName : settings.OAuthAccount));
    const std::string token = CommandSafe(settings.OAuthAccessToken);
    if (offered.count("XOAUTH2"))
      return std::make_unique<TokenLogin>("XOAUTH2", XOAuth2Response(account, token));
    if (offered.count("OAUTHBEARER"))
      return std::make_unique<TokenLogin>("OAUTHBEARER", OAuthBearerResponse(account, token));
    return nullptr;
  }
  const std::string user = CommandSafe(LoginName(settings.SMTPAccountName));
  const std::string password = CommandSafe(settings.SMTPAccountPassword);
  if (offered.count("PLAIN")) return std::make_unique<PlainLogin>(user, Base64Decode(password));
  if (offered.count("LOGIN")) return std::make_unique<LoginLogin>(user, password);
  return nullptr;
}

}  // namespace mail
