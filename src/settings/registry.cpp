#include "settings/registry.h"

#include <charconv>

namespace mail {

int SetValueInKey(SettingsKey& key, const std::string& name, int type, const RegistryValue& value) {
  StoredValue stored;
  if (type == kTypeString) {
    stored.type = kTypeString;
    if (auto* s = std::get_if<std::string>(&value))
      stored.text = *s;
    else if (auto* n = std::get_if<int32_t>(&value))
      stored.text = std::to_string(*n);
  } else if (type == kTypeInt32) {
    stored.type = kTypeInt32;
    if (auto* n = std::get_if<int32_t>(&value)) {
      stored.number = *n;
    } else if (auto* s = std::get_if<std::string>(&value)) {
      auto [end, ec] = std::from_chars(s->data(), s->data() + s->size(), stored.number);
      if (s->empty() || ec != std::errc() || end != s->data() + s->size()) return kStatusBadType;
    }
  } else {
    return kStatusBadType;
  }
  return key.Set(name, stored);
}

int GetValueFromKey(SettingsKey& key, const std::string& name, RegistryValue* value) {
  *value = std::monostate{};
  StoredValue stored;
  int status = kStatusNotFound;
  try {
    status = key.Query(name, &stored);
    if (status != kStatusOk) return status;
    if (stored.type == kTypeString)
      *value = stored.text;
    else if (stored.type == kTypeInt32)
      *value = stored.number;
    else
      return kStatusBadType;
  } catch (...) {
    // A fault inside ends the read quietly with the last status.
  }
  return status;
}

int SaveRegistryValue(SettingsStore& store, const std::string& name, const RegistryValue& value,
                      int type) {
  std::unique_ptr<SettingsKey> key;
  int status = store.OpenKey(&key);
  if (status != kStatusOk || !key) return status;
  return SetValueInKey(*key, name, type, value);
}

RegistryValue LoadRegistryValue(SettingsStore& store, const std::string& name) {
  RegistryValue value;
  std::unique_ptr<SettingsKey> key;
  if (store.OpenKey(&key) != kStatusOk || !key) return value;
  GetValueFromKey(*key, name, &value);
  return value;
}

namespace {

bool ReadFlag(SettingsStore& store, const char* name) {
  RegistryValue v = LoadRegistryValue(store, name);
  auto* n = std::get_if<int32_t>(&v);
  return n && *n == 1;
}

void ReadString(SettingsStore& store, const char* name, std::string& field) {
  RegistryValue v = LoadRegistryValue(store, name);
  if (auto* s = std::get_if<std::string>(&v)) field = *s;
}

}  // namespace

void LoadMailSettings(SettingsStore& store, MailSettings& settings) {
  settings.UseSMTP = false;
  settings.ServerRequiresAuthentication = false;
  settings.AllowUnencryptedSMTP = false;
  // A fault while reading one value only costs that value.
  auto skip_faults = [](auto&& read) {
    try {
      read();
    } catch (...) {
    }
  };
  skip_faults([&] { settings.UseSMTP = ReadFlag(store, kValueUseSMTP); });
  skip_faults([&] {
    settings.ServerRequiresAuthentication = ReadFlag(store, kValueServerRequiresAuthentication);
  });
  skip_faults([&] { settings.AllowUnencryptedSMTP = ReadFlag(store, kValueAllowUnencryptedSMTP); });
  skip_faults([&] { ReadString(store, kValueSMTPUserName, settings.SMTPUserName); });
  skip_faults([&] { ReadString(store, kValueSMTPAccountName, settings.SMTPAccountName); });
  skip_faults([&] { ReadString(store, kValueSMTPAccountPassword, settings.SMTPAccountPassword); });
  skip_faults([&] { ReadString(store, kValueSMTPServer, settings.SMTPServer); });
  skip_faults([&] { ReadString(store, kValueMailerCommand, settings.MailerCommand); });
  skip_faults([&] { ReadString(store, kValueSMTPAuthMethod, settings.SMTPAuthMethod); });
  for (const auto& entry : {std::pair{kValueOAuthProvider, &settings.OAuthProvider},
                            std::pair{kValueOAuthAuthorizeURL, &settings.OAuthAuthorizeURL},
                            std::pair{kValueOAuthTokenURL, &settings.OAuthTokenURL},
                            std::pair{kValueOAuthClientID, &settings.OAuthClientID},
                            std::pair{kValueOAuthScopes, &settings.OAuthScopes},
                            std::pair{kValueOAuthAccount, &settings.OAuthAccount}})
    skip_faults([&] { ReadString(store, entry.first, *entry.second); });
}

}  // namespace mail
