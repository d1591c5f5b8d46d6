#pragma once
// The secret store port: the system keyring, holding a password or token under a key. The Qt
// implementation talks to the Secret Service or KWallet; tests use a real keyring daemon or an
// in-memory fake.

#include <string>

namespace mail {

enum class SecretStatus {
  kOk,
  kNotFound,   // the keyring works but holds nothing under the key
  kNoKeyring,  // no keyring can be reached on this system
  kFailed,     // the keyring refused (locked, access denied, ...)
};

class SecretStore {
 public:
  virtual ~SecretStore() = default;
  virtual SecretStatus Read(const std::string& key, std::string* secret) = 0;
  virtual SecretStatus Write(const std::string& key, const std::string& secret) = 0;
  virtual SecretStatus Remove(const std::string& key) = 0;
};

}  // namespace mail
