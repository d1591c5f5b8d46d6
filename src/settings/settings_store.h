#pragma once
// The settings store port: typed values (string or 32-bit integer) under value names, opened
// for read and write access for each single read or write. The file implementation is
// FileSettingsStore; tests use a throw-away file or an in-memory fake.

#include <cstdint>
#include <memory>
#include <string>

namespace mail {

// Value types by the registry's numbers.
inline constexpr int kTypeString = 1;
inline constexpr int kTypeInt32 = 4;

// Status codes after the registry's: 0 success, otherwise the reason.
inline constexpr int kStatusOk = 0;
inline constexpr int kStatusNotFound = 2;      // no such key or value
inline constexpr int kStatusAccessDenied = 5;  // the store exists but may not be written
inline constexpr int kStatusWriteFault = 29;   // the store could not be written
inline constexpr int kStatusInvalidName = 87;  // a value name the store cannot hold
inline constexpr int kStatusBadType = -1;      // a value of a type this program does not read

struct StoredValue {
  int type = kTypeString;  // kTypeString, kTypeInt32, or another number for unreadable values
  std::string text;        // the string, when type is kTypeString
  int32_t number = 0;      // the integer, when type is kTypeInt32
};

// An open key: the values it holds. Closed when destroyed.
class SettingsKey {
 public:
  virtual ~SettingsKey() = default;
  // kStatusOk and the value, or kStatusNotFound.
  virtual int Query(const std::string& name, StoredValue* value) = 0;
  // Writes one value; kStatusOk or the failure.
  virtual int Set(const std::string& name, const StoredValue& value) = 0;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Opens the key for full access. On failure (kStatusNotFound when the store does not exist
  // and cannot be created, kStatusAccessDenied when it may not be written) `key` stays null.
  virtual int OpenKey(std::unique_ptr<SettingsKey>* key) = 0;
};

}  // namespace mail
