#pragma once
// A keyring in memory, or none at all (`available` false), for tests of where secrets go.

#include <map>
#include <string>

#include "settings/secret_store.h"

namespace testing_support {

class MemorySecretStore : public mail::SecretStore {
 public:
  mail::SecretStatus Read(const std::string& key, std::string* secret) override {
    if (!available) return mail::SecretStatus::kNoKeyring;
    auto it = entries.find(key);
    if (it == entries.end()) return mail::SecretStatus::kNotFound;
    *secret = it->second;
    return mail::SecretStatus::kOk;
  }
  mail::SecretStatus Write(const std::string& key, const std::string& secret) override {
    if (!available) return mail::SecretStatus::kNoKeyring;
    entries[key] = secret;
    return mail::SecretStatus::kOk;
  }
  mail::SecretStatus Remove(const std::string& key) override {
    if (!available) return mail::SecretStatus::kNoKeyring;
    return entries.erase(key) ? mail::SecretStatus::kOk : mail::SecretStatus::kNotFound;
  }

  bool available = true;
  std::map<std::string, std::string> entries;
};

}  // namespace testing_support
