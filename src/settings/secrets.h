#pragma once
// Where the SMTP password and the sign-in's refresh token are kept. With a keyring the
// settings file holds only a reference ("keyring:KEY"); without one the user is told once and,
// only if they agree, the secret stays in the 0600 settings file as before. A password still
// in the file moves to the keyring on the next save.

#include <functional>
#include <string>

#include "settings/mail_settings.h"
#include "settings/secret_store.h"
#include "settings/settings_store.h"

namespace mail {

inline constexpr char kValueSMTPPasswordRef[] = "SMTPPasswordRef";
inline constexpr char kValueOAuthTokenRef[] = "OAuthTokenRef";
inline constexpr char kValueOAuthRefreshToken[] = "OAuthRefreshToken";  // file fallback only
// 1 once the user agreed to keep secrets in the settings file, 0 once they refused.
inline constexpr char kValueSecretFileConsent[] = "SecretFileConsent";

inline constexpr char kNoKeyringQuestion[] =
    "No system keyring is available, so your password or sign-in cannot be kept safely. Keep "
    "it in the settings file, which only your user account can read?\n\nIf you answer No, it "
    "is kept only until you close Hollymoor.";

// How the program reaches the keyring and the user. A null keyring keeps secrets in the file
// without asking (the behaviour before keyrings); `ask` answers a yes/no question.
struct SecretAccess {
  SecretStore* keyring = nullptr;
  std::function<bool(const std::string& question)> ask;
};

// Where a secret ended up.
enum class SecretPlace { kNone, kKeyring, kFile, kMemoryOnly };

// One kind of secret: the settings value that refers to it, the value that holds it when it
// lives in the file, and its keyring key.
struct SecretSlot {
  const char* ref_name;
  const char* file_name;
  std::string key;
};
SecretSlot PasswordSlot(const MailSettings& settings);
SecretSlot RefreshTokenSlot(const MailSettings& settings);

// Stores `secret` ("" removes it) and writes the reference. Never throws.
SecretPlace StoreSecret(SettingsStore& store, const SecretAccess& access, const SecretSlot& slot,
                        const std::string& secret);

// Reads the secret the reference names; "" when there is none or the keyring cannot give it.
// `place` (optional) says where it came from.
std::string LoadSecret(SettingsStore& store, SecretStore* keyring, const SecretSlot& slot,
                       SecretPlace* place = nullptr);

// After LoadMailSettings: the password and the sign-in's tokens from where they are kept.
void LoadMailSecrets(SettingsStore& store, SecretStore* keyring, MailSettings& settings);

// Words for `settings --show` and the dialog: "keyring", "settings file", "this session
// only" or "none".
std::string DescribeSecretPlace(SecretPlace place);

}  // namespace mail
