#pragma once
// frmSettings: choose the delivery path and enter the SMTP account. Saving checks the SMTP
// entries and writes the settings store (mail/settings_form.h holds the rules).

#include <QDialog>
#include <filesystem>
#include <string>

#include "settings/mail_settings.h"
#include "settings/secret_store.h"
#include "settings/settings_store.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ui {

class SignInBox;

// The server presets: real providers' submission hosts, then the entry that invites typing.
extern const char* const kSmtpServerPresets[7];
// The page behind the "List of SMTP Servers" link: on the product's configured web site.
std::string SmtpServersPage();

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // The option buttons are named "optSend_1" (SMTP) and "optSend_0" (MAPI). Without a keyring
  // the password is kept in the settings file.
  SettingsDialog(mail::MailSettings& settings, mail::SettingsStore& store, QWidget* parent,
                 mail::SecretStore* keyring = nullptr);

  void optSend_Click(int index);
  void chkServerRequiresAuthentication_Click();
  void cmdSaveSettings_Click();

  // The sign-in and test-message part; the test message's session log goes to `data_dir`.
  SignInBox* signin_box() const { return signin_; }
  void SetDataDir(const std::filesystem::path& data_dir);
  // The entries as they stand, saved or not, over the stored settings (for the test message).
  mail::MailSettings CurrentEntries() const;

 private:
  void SetSmtpFieldsEnabled(bool enabled);
  // Typing a known provider's address fills in its server and shows what it wants.
  void ApplyPresetForAddress();
  void UpdateFromWarning();
  void UpdatePasswordEnabled();

  mail::MailSettings& settings_;
  mail::SettingsStore& store_;
  mail::SecretStore* keyring_;
  QLabel* provider_hint_;
  QLabel* from_warning_;
  QRadioButton* opt_smtp_;
  QRadioButton* opt_mapi_;
  QComboBox* server_;
  QLineEdit* account_name_;
  QLineEdit* user_name_;
  QCheckBox* requires_auth_;
  QLineEdit* password_;
  QCheckBox* allow_unencrypted_;
  QLabel* labels_[7] = {};  // Label1 .. Label6 by number
  SignInBox* signin_;
};

}  // namespace ui
