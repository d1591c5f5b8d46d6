#pragma once
// What the settings dialog does with its fields, without the widgets: the checks of the SMTP
// entries and the save, so both can be tested against a throw-away store.

#include <string>
#include <string_view>

#include "core/tr.h"
#include "settings/mail_settings.h"
#include "settings/secrets.h"
#include "settings/settings_store.h"

namespace mail {

// The dialog's fields as the user left them.
struct SettingsForm {
  bool smtp_selected = false;            // optSend button 1
  std::string server;                    // cboSMTPServer's text
  std::string account_name;              // txtAccountName
  std::string user_name;                 // txtUserName
  std::string password_box;              // txtAccountPassword: a new password, empty = keep
  bool requires_authentication = false;  // chkServerRequiresAuthentication
};

// The checks return these in the program's language.
inline constexpr const char* kInvalidServerMessage =
    core::TrNoop("Settings", "Invalid SMTP Server entry");
inline constexpr const char* kInvalidAddressMessage =
    core::TrNoop("Settings", "Invalid SMTP email address entry");
inline constexpr const char* kInvalidNameMessage =
    core::TrNoop("Settings", "Invalid SMTP name entry, must be longer than 2 characters");
inline constexpr const char* kSaveFailedMessage =
    core::TrNoop("Settings", "Error Failed to Save Settings");

// Each returns the check's message, or "" when the entry passes. Lengths count characters.
std::string CheckSmtpServer(std::string_view server);    // 4+ characters, a "." after the first
std::string CheckSmtpAddress(std::string_view address);  // 6+ characters, an "@" after the first
std::string CheckSmtpName(std::string_view name);        // 3+ characters

// cmdSaveSettings: records the chosen path first (so a rejected SMTP entry still leaves SMTP
// chosen, in memory and in the store), checks the SMTP entries when SMTP is chosen, then copies
// the fields into `settings` (the password replaced only when a new one was typed) and writes
// them. Returns "" when saved, else the message to show (a check
// failed, or kSaveFailedMessage after a fault); the dialog then stays open. Write failures of
// the store are not reported: `settings` keeps the new values. The password goes where
// `secrets` says (settings/secrets.h); `password_place`, when given, tells where it went.
std::string SaveSettings(SettingsStore& store, MailSettings& settings, const SettingsForm& form,
                         const SecretAccess& secrets = {}, SecretPlace* password_place = nullptr);

}  // namespace mail
