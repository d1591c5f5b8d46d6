#include "mail/settings_form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "mail/base64.h"
#include "mail/file_settings_store.h"
#include "mail/registry.h"
#include "support/temp_dir.h"

namespace {

using mail::RegistryValue;
using testing_support::TempDir;

TEST(SettingsChecks, Boundaries) {
  EXPECT_EQ(mail::CheckSmtpServer("a.b"), mail::kInvalidServerMessage);   // too short
  EXPECT_EQ(mail::CheckSmtpServer(".abc"), mail::kInvalidServerMessage);  // dot only first
  EXPECT_EQ(mail::CheckSmtpServer("mailhost"), mail::kInvalidServerMessage);
  EXPECT_EQ(mail::CheckSmtpServer("a.bc"), "");
  EXPECT_EQ(mail::CheckSmtpServer("mail.x:587"), "");

  EXPECT_EQ(mail::CheckSmtpAddress("a@b.c"), mail::kInvalidAddressMessage);  // 5 characters
  EXPECT_EQ(mail::CheckSmtpAddress("@abc.de"), mail::kInvalidAddressMessage);
  EXPECT_EQ(mail::CheckSmtpAddress("abcdefg"), mail::kInvalidAddressMessage);
  EXPECT_EQ(mail::CheckSmtpAddress("ab@c.de"), "");

  EXPECT_EQ(mail::CheckSmtpName("Al"), mail::kInvalidNameMessage);
  EXPECT_EQ(mail::CheckSmtpName("\xC3\x89l"), mail::kInvalidNameMessage);  // 2 characters
  EXPECT_EQ(mail::CheckSmtpName("Ali"), "");
}

mail::SettingsForm ValidSmtpForm() {
  return {true, "smtp.example.org:587", "santa@example.org", "Santa", "secret", true};
}

TEST(SaveSettings, SmtpSaveWritesEveryValueAndEncodesANewPassword) {
  TempDir dir;
  mail::FileSettingsStore store(dir.path() / "settings.ini");
  mail::MailSettings s;
  EXPECT_EQ(mail::SaveSettings(store, s, ValidSmtpForm()), "");
  EXPECT_TRUE(s.UseSMTP);
  EXPECT_EQ(s.SMTPAccountPassword, "c2VjcmV0");

  mail::MailSettings loaded;
  mail::LoadMailSettings(store, loaded);
  EXPECT_TRUE(loaded.UseSMTP);
  EXPECT_TRUE(loaded.ServerRequiresAuthentication);
  EXPECT_EQ(loaded.SMTPServer, "smtp.example.org:587");
  EXPECT_EQ(loaded.SMTPAccountName, "santa@example.org");
  EXPECT_EQ(loaded.SMTPUserName, "Santa");
  EXPECT_EQ(loaded.SMTPAccountPassword, "c2VjcmV0");
  EXPECT_EQ(mail::LoadRegistryValue(store, mail::kValueInitSetup), RegistryValue(1));

  // Saving again with the box still showing the stored text keeps it; a typed one replaces it.
  mail::SettingsForm again = ValidSmtpForm();
  again.password_box = loaded.SMTPAccountPassword;
  EXPECT_EQ(mail::SaveSettings(store, loaded, again), "");
  EXPECT_EQ(mail::LoadRegistryValue(store, mail::kValueSMTPAccountPassword),
            RegistryValue(std::string("c2VjcmV0")));
  again.password_box = "c2VjcmV0x";
  EXPECT_EQ(mail::SaveSettings(store, loaded, again), "");
  EXPECT_EQ(loaded.SMTPAccountPassword, mail::Base64Encode("c2VjcmV0x"));
}

TEST(SaveSettings, RejectedSmtpSaveKeepsSmtpChosenButNothingElse) {
  TempDir dir;
  mail::FileSettingsStore store(dir.path() / "settings.ini");
  mail::MailSettings s;
  mail::SettingsForm mapi{false, "old.example.org", "old@example.org", "Old", "pw", false};
  ASSERT_EQ(mail::SaveSettings(store, s, mapi), "");
  ASSERT_FALSE(s.UseSMTP);

  // Checked in order: server, then address, then name.
  mail::SettingsForm bad = ValidSmtpForm();
  bad.server = "x";
  bad.account_name = "x";
  EXPECT_EQ(mail::SaveSettings(store, s, bad), mail::kInvalidServerMessage);
  bad.server = "mail.x:587";
  EXPECT_EQ(mail::SaveSettings(store, s, bad), mail::kInvalidAddressMessage);
  bad.account_name = "ab@c.de";
  bad.user_name = "Jo";
  EXPECT_EQ(mail::SaveSettings(store, s, bad), mail::kInvalidNameMessage);

  EXPECT_TRUE(s.UseSMTP);
  EXPECT_EQ(s.SMTPServer, "old.example.org");
  mail::MailSettings loaded;
  mail::LoadMailSettings(store, loaded);
  EXPECT_TRUE(loaded.UseSMTP);
  EXPECT_EQ(loaded.SMTPServer, "old.example.org");
  EXPECT_EQ(loaded.SMTPUserName, "Old");
  EXPECT_EQ(loaded.SMTPAccountPassword, "cHc=");
}

TEST(SaveSettings, MapiSavesEvenInvalidSmtpFieldsUntrimmed) {
  TempDir dir;
  mail::FileSettingsStore store(dir.path() / "settings.ini");
  mail::MailSettings s;
  s.UseSMTP = true;
  mail::SettingsForm form{false, "", " x ", "", "", true};
  EXPECT_EQ(mail::SaveSettings(store, s, form), "");
  mail::MailSettings loaded;
  mail::LoadMailSettings(store, loaded);
  EXPECT_FALSE(loaded.UseSMTP);
  EXPECT_TRUE(loaded.ServerRequiresAuthentication);
  EXPECT_EQ(loaded.SMTPAccountName, " x ");
  EXPECT_EQ(mail::LoadRegistryValue(store, mail::kValueSMTPServer), RegistryValue(std::string()));
  EXPECT_EQ(mail::LoadRegistryValue(store, mail::kValueInitSetup), RegistryValue(1));
}

// Faults after a number of writes, as a store that breaks mid-save would.
class FaultingStore : public mail::SettingsStore {
 public:
  explicit FaultingStore(int writes_before_fault) : left_(writes_before_fault) {}
  int OpenKey(std::unique_ptr<mail::SettingsKey>* key) override {
    if (left_-- == 0) throw std::runtime_error("fault");
    return inner_.OpenKey(key);
  }
  TempDir dir;
  mail::FileSettingsStore inner_{dir.path() / "settings.ini"};

 private:
  int left_;
};

TEST(SaveSettings, AFaultEndsTheSaveWithItsMessageKeepingEarlierWrites) {
  FaultingStore store(2);  // UseSMTP and SMTPServer get written
  mail::MailSettings s;
  EXPECT_EQ(mail::SaveSettings(store, s, ValidSmtpForm()), mail::kSaveFailedMessage);
  EXPECT_EQ(mail::LoadRegistryValue(store.inner_, mail::kValueSMTPServer),
            RegistryValue(std::string("smtp.example.org:587")));
  EXPECT_EQ(mail::LoadRegistryValue(store.inner_, mail::kValueSMTPUserName), RegistryValue());
}

}  // namespace
