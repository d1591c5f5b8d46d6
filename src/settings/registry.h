#pragma once
// modRegistry: the four operations over the settings store, and the mail settings' value
// names. A SettingsStore stands for the root and key path of the classic registry calls.

#include <cstdint>
#include <string>
#include <variant>

#include "settings/mail_settings.h"
#include "settings/settings_store.h"

namespace mail {

// Value names in the store.
inline constexpr char kValueUseSMTP[] = "UseSMTP";
inline constexpr char kValueServerRequiresAuthentication[] = "ServerRequiresAuthentication";
inline constexpr char kValueSMTPServer[] = "SMTPServer";
inline constexpr char kValueSMTPUserName[] = "SMTPUserName";
inline constexpr char kValueSMTPAccountName[] = "SMTPAccountName";
inline constexpr char kValueSMTPAccountPassword[] = "SMTPAccountPassword";
inline constexpr char kValueInitSetup[] = "InitSetup";
// 1: SMTP may go on over a connection the server does not offer to encrypt (not in the
// documented dialog; a checkbox with a warning).
inline constexpr char kValueAllowUnencryptedSMTP[] = "AllowUnencryptedSMTP";
// This platform's desktop-mail path: the sendmail-compatible command (not in the dialog).
inline constexpr char kValueMailerCommand[] = "MailerCommand";
// The contacts file the address book read last (not in the dialog).
inline constexpr char kValueContactsFile[] = "ContactsFile";

// Sign-in (the secrets' own values are in settings/secrets.h).
inline constexpr char kValueSMTPAuthMethod[] = "SMTPAuthMethod";
inline constexpr char kValueOAuthProvider[] = "OAuthProvider";
inline constexpr char kValueOAuthAuthorizeURL[] = "OAuthAuthorizeURL";
inline constexpr char kValueOAuthTokenURL[] = "OAuthTokenURL";
inline constexpr char kValueOAuthClientID[] = "OAuthClientID";
inline constexpr char kValueOAuthScopes[] = "OAuthScopes";
inline constexpr char kValueOAuthAccount[] = "OAuthAccount";

// A value read or to be written: nothing, a string or a 32-bit integer.
using RegistryValue = std::variant<std::monostate, std::string, int32_t>;

// type kTypeString writes the value's text (an integer as decimal text); kTypeInt32 writes the
// value as an integer (a string must hold a whole 32-bit number, else kStatusBadType); any other
// type writes nothing and returns kStatusBadType. Returns the store's status.
int SetValueInKey(SettingsKey& key, const std::string& name, int type, const RegistryValue& value);

// Reads one value: a string or an integer. A missing value leaves `value` empty and returns
// the store's status; a value of another type returns kStatusBadType with `value` empty.
// Strings come back exactly as stored (no terminator to drop).
int GetValueFromKey(SettingsKey& key, const std::string& name, RegistryValue* value);

// Opens the key, writes, closes it. When the key cannot be opened nothing is written and the
// open status is returned; callers ignore the result.
int SaveRegistryValue(SettingsStore& store, const std::string& name, const RegistryValue& value,
                      int type);

// Opens the key, reads, closes it; empty when nothing was read.
RegistryValue LoadRegistryValue(SettingsStore& store, const std::string& name);

// Start-up: both flags false, then every value read over `settings`; a missing or unreadable
// value keeps the field as it was. A flag is true only for the integer 1.
void LoadMailSettings(SettingsStore& store, MailSettings& settings);

}  // namespace mail
