#include "settings/settings_form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "mail/smtp/smtp_text.h"
#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "support/temp_dir.h"

namespace {

using mail::RegistryValue;

// The dialog's checks and the stricter one a run makes before connecting, on the same rows.
TEST(SettingsChecks, DialogAndRunCountCharactersNotBytes) {
  const std::string server = mail::kInvalidServerMessage, address = mail::kInvalidAddressMessage,
                    name = mail::kInvalidNameMessage;
  struct {
    const char *server, *account, *user;
    std::string dialog;
    bool run;
  } cases[] = {{"mail.x:587", "ab@c.de", "Zoë4", "", true},
               {"a.b", "ab@c.de", "Anna", server, false},      // 3 characters
               {".abcdef", "ab@c.de", "Anna", server, false},  // dot only first
               {"mailhost", "ab@c.de", "Anna", server, false},
               {"mail.x", "a@b.c", "Anna", address, false},  // 5 characters
               {"mail.x", "@bcdefg", "Anna", address, false},
               {"mail.x", "ab@c.de", "Zoë", "", false},    // the run wants 4 characters
               {"mail.x", "ab@c.de", "Él", name, false}};  // 2 characters, 3 bytes
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.server) + " " + c.account + " " + c.user);
    EXPECT_EQ(mail::CheckSmtpServer(c.server) + mail::CheckSmtpAddress(c.account) +
                  mail::CheckSmtpName(c.user),
              c.dialog);
    mail::MailSettings settings;
    settings.SMTPServer = c.server;
    settings.SMTPUserName = c.user;
    settings.SMTPAccountName = c.account;
    EXPECT_EQ(mail::SmtpSettingsValid(settings), c.run);
  }
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

TEST_F(SaveSettingsTest, AnEmptyPasswordBoxKeepsTheStoredPasswordAndTypingReplacesIt) {
  EXPECT_EQ(mail::SaveSettings(store_, s_, smtp_), "");
  mail::MailSettings loaded = Loaded();
  EXPECT_EQ(loaded.SMTPAccountPassword, "c2VjcmV0");
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueInitSetup), RegistryValue(1));
  smtp_.password_box = "";  // untouched box
  EXPECT_EQ(mail::SaveSettings(store_, loaded, smtp_), "");
  EXPECT_EQ(Loaded().SMTPAccountPassword, "c2VjcmV0");
  // A password that happens to look like the stored form is still a password.
  smtp_.password_box = "c2VjcmV0";
  EXPECT_EQ(mail::SaveSettings(store_, loaded, smtp_), "");
  EXPECT_EQ(Loaded().SMTPAccountPassword, "YzJWamNtVjA=");
}

TEST_F(SaveSettingsTest, RejectedSmtpSaveKeepsSmtpChosenButNothingElse) {
  ASSERT_EQ(mail::SaveSettings(store_, s_, {false, "old.example.org", "", "Old", "pw", false}), "");
  // Everything wrong: the server is reported first, then the address (each message alone is
  // checked through the dialog and the command line).
  smtp_ = {true, "x", "x", "Jo", "secret", true};
  EXPECT_EQ(mail::SaveSettings(store_, s_, smtp_), mail::kInvalidServerMessage);
  smtp_.server = "mail.x:587";
  EXPECT_EQ(mail::SaveSettings(store_, s_, smtp_), mail::kInvalidAddressMessage);
  EXPECT_TRUE(s_.UseSMTP);
  EXPECT_EQ(s_.SMTPServer, "old.example.org");
  mail::MailSettings loaded = Loaded();
  EXPECT_TRUE(loaded.UseSMTP);
  EXPECT_EQ(loaded.SMTPServer + " " + loaded.SMTPAccountPassword, "old.example.org cHc=");
}

TEST_F(SaveSettingsTest, MapiSavesInvalidSmtpFieldsUntrimmed) {
  s_.UseSMTP = true;
  EXPECT_EQ(mail::SaveSettings(store_, s_, {false, "", " x ", "", "", true}), "");
  mail::MailSettings loaded = Loaded();
  EXPECT_FALSE(loaded.UseSMTP);
  EXPECT_TRUE(loaded.ServerRequiresAuthentication);
  EXPECT_EQ(loaded.SMTPAccountName, " x ");
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueSMTPServer), RegistryValue(""));
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
