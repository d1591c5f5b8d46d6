#include "settings/settings_form.h"

#include "core/base64.h"
#include "core/tr.h"
#include "settings/registry.h"

namespace mail {

namespace {

// Characters, not bytes: a UTF-8 continuation byte does not start a character.
size_t CharCount(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// True when `c` occurs at the second character or later.
bool HasAfterFirst(std::string_view s, char c) {
  return !s.empty() && s.find(c, 1) != std::string_view::npos;
}

}  // namespace

std::string CheckSmtpServer(std::string_view server) {
  if (CharCount(server) < 4 || !HasAfterFirst(server, '.'))
    return core::Tr("Settings", kInvalidServerMessage);
  return {};
}

std::string CheckSmtpAddress(std::string_view address) {
  if (CharCount(address) < 6 || !HasAfterFirst(address, '@'))
    return core::Tr("Settings", kInvalidAddressMessage);
  return {};
}

std::string CheckSmtpName(std::string_view name) {
  if (CharCount(name) <= 2) return core::Tr("Settings", kInvalidNameMessage);
  return {};
}

std::string SaveSettings(SettingsStore& store, MailSettings& settings, const SettingsForm& form,
                         const SecretAccess& secrets, SecretPlace* password_place) {
  try {
    SaveRegistryValue(store, kValueUseSMTP, form.smtp_selected ? 1 : 0, kTypeInt32);
    settings.UseSMTP = form.smtp_selected;
    if (form.smtp_selected) {
      for (const std::string& message :
           {CheckSmtpServer(form.server), CheckSmtpAddress(form.account_name),
            CheckSmtpName(form.user_name)}) {
        if (!message.empty()) return message;
      }
    }
    settings.SMTPServer = form.server;
    settings.SMTPAccountName = form.account_name;
    settings.SMTPUserName = form.user_name;
    // The box starts empty: left so, it keeps the stored password; typed into, it replaces it.
    if (!form.password_box.empty()) settings.SMTPAccountPassword = Base64Encode(form.password_box);
    settings.ServerRequiresAuthentication = form.requires_authentication;

    SaveRegistryValue(store, kValueSMTPServer, settings.SMTPServer, kTypeString);
    SaveRegistryValue(store, kValueSMTPUserName, settings.SMTPUserName, kTypeString);
    SaveRegistryValue(store, kValueSMTPAccountName, settings.SMTPAccountName, kTypeString);
    const SecretPlace place =
        StoreSecret(store, secrets, PasswordSlot(settings), settings.SMTPAccountPassword);
    if (password_place) *password_place = place;
    SaveRegistryValue(store, kValueServerRequiresAuthentication,
                      settings.ServerRequiresAuthentication ? 1 : 0, kTypeInt32);
    SaveRegistryValue(store, kValueInitSetup, 1, kTypeInt32);
  } catch (...) {
    return core::Tr("Settings", kSaveFailedMessage);
  }
  return {};
}

}  // namespace mail
