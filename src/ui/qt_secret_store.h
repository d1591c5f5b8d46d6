#pragma once
// The secret store over the system keyring (Secret Service or KWallet) through QtKeychain.
// Each call waits for its keyring job; a keyring answers in milliseconds, or at once with
// "no backend" when there is none.

#include <string>

#include "settings/secret_store.h"

namespace ui {

class QtSecretStore : public mail::SecretStore {
 public:
  explicit QtSecretStore(std::string service = "Hollymoor") : service_(std::move(service)) {}
  mail::SecretStatus Read(const std::string& key, std::string* secret) override;
  mail::SecretStatus Write(const std::string& key, const std::string& secret) override;
  mail::SecretStatus Remove(const std::string& key) override;
  // The keyring's own words for the last failure, for messages.
  const std::string& last_error() const { return last_error_; }

 private:
  std::string service_;
  std::string last_error_;
};

// The program's keyring (service "Hollymoor"), or null when the environment variable
// HOLLYMOOR_KEYRING is "none": secrets then stay in the settings file, as the user asked (and
// tests never reach the user's own keyring).
mail::SecretStore* SystemKeyring();

}  // namespace ui
