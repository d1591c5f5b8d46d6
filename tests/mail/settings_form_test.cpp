#include "mail/settings_form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "mail/file_settings_store.h"
#include "mail/registry.h"
#include "support/temp_dir.h"

namespace {

using mail::RegistryValue;

TEST(SettingsChecks, Boundaries) {
  EXPECT_EQ(mail::CheckSmtpServer("a.b"), mail::kInvalidServerMessage);   // too short
  EXPECT_EQ(mail::CheckSmtpServer(".abc"), mail::kInvalidServerMessage);  // dot only first
  EXPECT_EQ(mail::CheckSmtpServer("mailhost"), mail::kInvalidServerMessage);
  EXPECT_EQ(mail::CheckSmtpServer("mail.x:587"), "");
  EXPECT_EQ(mail::CheckSmtpAddress("a@b.c"), mail::kInvalidAddressMessage);  // 5 characters
  EXPECT_EQ(mail::CheckSmtpAddress("@abc.de"), mail::kInvalidAddressMessage);
  EXPECT_EQ(mail::CheckSmtpAddress("ab@c.de"), "");
  EXPECT_EQ(mail::CheckSmtpName("\xC3\x89l"), mail::kInvalidNameMessage);  // 2 characters
  EXPECT_EQ(mail::CheckSmtpName("Ali"), "");
}

class SaveSettingsTest : public ::testing::Test {
 protected:
  mail::MailSettings Loaded() {
    mail::MailSettings s;
    mail::LoadMailSettings(store_, s);
    return s;
  }
  testing_support::TempDir dir_;
  mail::FileSettingsStore store_{dir_.path() / "settings.ini"};
  mail::MailSettings s_;
  mail::SettingsForm smtp_{true, "smtp.example.org:587", "santa@example.org", "Santa", "secret",
                           true};
};

TEST_F(SaveSettingsTest, PasswordIsEncodedOnlyWhenTheBoxChanged) {
  EXPECT_EQ(mail::SaveSettings(store_, s_, smtp_), "");
  mail::MailSettings loaded = Loaded();
  EXPECT_TRUE(loaded.UseSMTP && loaded.ServerRequiresAuthentication);
  EXPECT_EQ(loaded.SMTPServer, "smtp.example.org:587");
  EXPECT_EQ(loaded.SMTPAccountPassword, "c2VjcmV0");
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueInitSetup), RegistryValue(1));

  smtp_.password_box = loaded.SMTPAccountPassword;  // untouched box
  EXPECT_EQ(mail::SaveSettings(store_, loaded, smtp_), "");
  EXPECT_EQ(Loaded().SMTPAccountPassword, "c2VjcmV0");
}

TEST_F(SaveSettingsTest, RejectedSmtpSaveKeepsSmtpChosenButNothingElse) {
  ASSERT_EQ(mail::SaveSettings(store_, s_, {false, "old.example.org", "", "Old", "pw", false}), "");
  smtp_.server = "x";
  smtp_.account_name = "x";
  EXPECT_EQ(mail::SaveSettings(store_, s_, smtp_), mail::kInvalidServerMessage);
  smtp_.server = "mail.x:587";
  EXPECT_EQ(mail::SaveSettings(store_, s_, smtp_), mail::kInvalidAddressMessage);
  smtp_.account_name = "ab@c.de";
  smtp_.user_name = "Jo";
  EXPECT_EQ(mail::SaveSettings(store_, s_, smtp_), mail::kInvalidNameMessage);
  EXPECT_TRUE(s_.UseSMTP);
  EXPECT_EQ(s_.SMTPServer, "old.example.org");
  mail::MailSettings loaded = Loaded();
  EXPECT_TRUE(loaded.UseSMTP);
  EXPECT_EQ(loaded.SMTPServer, "old.example.org");
  EXPECT_EQ(loaded.SMTPAccountPassword, "cHc=");
}

TEST_F(SaveSettingsTest, MapiSavesInvalidSmtpFieldsUntrimmed) {
  s_.UseSMTP = true;
  EXPECT_EQ(mail::SaveSettings(store_, s_, {false, "", " x ", "", "", true}), "");
  mail::MailSettings loaded = Loaded();
  EXPECT_FALSE(loaded.UseSMTP);
  EXPECT_TRUE(loaded.ServerRequiresAuthentication);
  EXPECT_EQ(loaded.SMTPAccountName, " x ");
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueSMTPServer), RegistryValue(""));
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueInitSetup), RegistryValue(1));
}

// A store that faults on its third opening, as one that breaks mid-save would.
struct FaultingStore : mail::FileSettingsStore {
  using FileSettingsStore::FileSettingsStore;
  int OpenKey(std::unique_ptr<mail::SettingsKey>* key) override {
    if (++opened == 3) throw std::runtime_error("fault");
    return FileSettingsStore::OpenKey(key);
  }
  int opened = 0;
};

TEST_F(SaveSettingsTest, AFaultEndsTheSaveWithItsMessageKeepingEarlierWrites) {
  FaultingStore store(store_.path());
  EXPECT_EQ(mail::SaveSettings(store, s_, smtp_), mail::kSaveFailedMessage);
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueSMTPServer),
            RegistryValue("smtp.example.org:587"));
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueSMTPUserName), RegistryValue());
}

}  // namespace
