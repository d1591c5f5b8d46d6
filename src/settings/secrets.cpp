#include "settings/secrets.h"

#include "core/ascii_text.h"
#include "settings/oauth_tokens.h"
#include "settings/registry.h"

namespace mail {

namespace {

constexpr char kKeyringPrefix[] = "keyring:";

std::string ReadString(SettingsStore& store, const char* name) {
  RegistryValue v = LoadRegistryValue(store, name);
  if (auto* s = std::get_if<std::string>(&v)) return *s;
  return {};
}

// The keyring key a reference names, or "" when it names none.
std::string KeyOf(const std::string& ref) {
  const std::string prefix = kKeyringPrefix;
  return ref.compare(0, prefix.size(), prefix) == 0 ? ref.substr(prefix.size()) : std::string();
}

bool FileConsent(SettingsStore& store, const SecretAccess& access) {
  RegistryValue v = LoadRegistryValue(store, kValueSecretFileConsent);
  if (auto* n = std::get_if<int32_t>(&v)) return *n == 1;
  // Asked once; the answer is remembered either way.
  const bool yes = access.ask && access.ask(kNoKeyringQuestion);
  SaveRegistryValue(store, kValueSecretFileConsent, yes ? 1 : 0, kTypeInt32);
  return yes;
}

}  // namespace

SecretSlot PasswordSlot(const MailSettings& settings) {
  return {kValueSMTPPasswordRef, kValueSMTPAccountPassword,
          "smtp-password:" + core::AsciiLower(core::TrimView(settings.SMTPAccountName))};
}

SecretSlot RefreshTokenSlot(const MailSettings& settings) {
  const std::string account =
      settings.OAuthAccount.empty() ? settings.SMTPAccountName : settings.OAuthAccount;
  return {kValueOAuthTokenRef, kValueOAuthRefreshToken,
          "oauth-refresh-token:" + core::AsciiLower(settings.OAuthProvider) + ":" +
              core::AsciiLower(core::TrimView(account))};
}

SecretPlace StoreSecret(SettingsStore& store, const SecretAccess& access, const SecretSlot& slot,
                        const std::string& secret) {
  try {
    const std::string old_key = KeyOf(ReadString(store, slot.ref_name));
    if (!access.keyring) {
      SaveRegistryValue(store, slot.file_name, secret, kTypeString);
      return secret.empty() ? SecretPlace::kNone : SecretPlace::kFile;
    }
    // A key the account no longer uses would keep an orphaned secret.
    if (!old_key.empty() && (old_key != slot.key || secret.empty()))
      access.keyring->Remove(old_key);
    if (secret.empty()) {
      SaveRegistryValue(store, slot.ref_name, std::string(), kTypeString);
      SaveRegistryValue(store, slot.file_name, std::string(), kTypeString);
      return SecretPlace::kNone;
    }
    if (access.keyring->Write(slot.key, secret) == SecretStatus::kOk) {
      SaveRegistryValue(store, slot.ref_name, kKeyringPrefix + slot.key, kTypeString);
      // Leaves no copy behind, including one an older version wrote.
      SaveRegistryValue(store, slot.file_name, std::string(), kTypeString);
      return SecretPlace::kKeyring;
    }
    SaveRegistryValue(store, slot.ref_name, std::string(), kTypeString);
    const bool keep_in_file = FileConsent(store, access);
    SaveRegistryValue(store, slot.file_name, keep_in_file ? secret : std::string(), kTypeString);
    return keep_in_file ? SecretPlace::kFile : SecretPlace::kMemoryOnly;
  } catch (...) {
    return SecretPlace::kMemoryOnly;
  }
}

std::string LoadSecret(SettingsStore& store, SecretStore* keyring, const SecretSlot& slot,
                       SecretPlace* place) {
  SecretPlace where = SecretPlace::kNone;
  std::string secret;
  try {
    const std::string key = KeyOf(ReadString(store, slot.ref_name));
    if (!key.empty()) {
      if (keyring && keyring->Read(key, &secret) == SecretStatus::kOk)
        where = SecretPlace::kKeyring;
      else
        secret.clear();
    } else {
      secret = ReadString(store, slot.file_name);
      if (!secret.empty()) where = SecretPlace::kFile;
    }
  } catch (...) {
    secret.clear();
  }
  if (place) *place = where;
  return secret;
}

void LoadMailSecrets(SettingsStore& store, SecretStore* keyring, MailSettings& settings) {
  settings.SMTPAccountPassword = LoadSecret(store, keyring, PasswordSlot(settings));
  settings.OAuthRefreshToken = LoadSecret(store, keyring, RefreshTokenSlot(settings));
  LoadAccessToken(store, keyring, settings);
}

std::string DescribeSecretPlace(SecretPlace place) {
  switch (place) {
    case SecretPlace::kKeyring:
      return "keyring";
    case SecretPlace::kFile:
      return "settings file";
    case SecretPlace::kMemoryOnly:
      return "this session only";
    case SecretPlace::kNone:
      break;
  }
  return "none";
}

}  // namespace mail
