#include "settings/secrets.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "settings/settings_form.h"
#include "support/memory_secret_store.h"
#include "support/temp_dir.h"

namespace {

class SecretsTest : public ::testing::Test {
 protected:
  std::string FileText() {
    std::ifstream in(path_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  mail::MailSettings Loaded(mail::SecretStore* keyring) {
    mail::MailSettings s;
    mail::LoadMailSettings(store_, s);
    mail::LoadMailSecrets(store_, keyring, s);
    return s;
  }
  mail::SecretAccess Access() {
    return {&keyring_, [this](const std::string& question) {
              questions_.push_back(question);
              return answer_;
            }};
  }

  testing_support::TempDir dir_;
  std::filesystem::path path_ = dir_.path() / "settings.ini";
  mail::FileSettingsStore store_{path_};
  testing_support::MemorySecretStore keyring_;
  std::vector<std::string> questions_;
  bool answer_ = false;
  mail::MailSettings s_;
  mail::SettingsForm form_{true,    "smtp.example.org:587", "santa@example.org",
                           "Santa", "hunter2-secret",       true};
};

TEST_F(SecretsTest, WithAKeyringTheFileHoldsOnlyAReference) {
  mail::SecretPlace place = mail::SecretPlace::kNone;
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, Access(), &place), "");
  EXPECT_EQ(place, mail::SecretPlace::kKeyring);
  const std::string text = FileText();
  EXPECT_EQ(text.find("hunter2-secret"), std::string::npos) << text;
  EXPECT_EQ(text.find(s_.SMTPAccountPassword), std::string::npos) << "no Base64 either";
  EXPECT_NE(text.find("SMTPPasswordRef=\"keyring:"), std::string::npos) << text;
  EXPECT_EQ(Loaded(&keyring_).SMTPAccountPassword, s_.SMTPAccountPassword);
  EXPECT_TRUE(questions_.empty());

  // A new address moves the secret to its key; nothing is left under the old one.
  form_.account_name = "elf@example.org";
  form_.password_box = s_.SMTPAccountPassword;
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, Access()), "");
  ASSERT_EQ(keyring_.entries.size(), 1u);
  EXPECT_NE(keyring_.entries.begin()->first.find("elf@example.org"), std::string::npos);
  EXPECT_EQ(Loaded(&keyring_).SMTPAccountPassword, s_.SMTPAccountPassword);
}

TEST_F(SecretsTest, AnOlderBase64PasswordMovesToTheKeyringOnTheFirstSave) {
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_), "");  // as before keyrings: in the file
  const std::string base64 = s_.SMTPAccountPassword;
  ASSERT_NE(FileText().find(base64), std::string::npos);

  mail::MailSettings loaded = Loaded(&keyring_);
  EXPECT_EQ(loaded.SMTPAccountPassword, base64);
  form_.password_box = "";  // the dialog opened and saved unchanged
  ASSERT_EQ(mail::SaveSettings(store_, loaded, form_, Access()), "");
  EXPECT_EQ(FileText().find(base64), std::string::npos);
  EXPECT_EQ(Loaded(&keyring_).SMTPAccountPassword, base64);
  EXPECT_EQ(Loaded(nullptr).SMTPAccountPassword, "") << "no keyring, no password";
}

TEST_F(SecretsTest, WithoutAKeyringTheUserIsAskedOnceAndTheAnswerHolds) {
  keyring_.available = false;
  answer_ = false;
  mail::SecretPlace place = mail::SecretPlace::kNone;
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, Access(), &place), "");
  EXPECT_EQ(place, mail::SecretPlace::kMemoryOnly);
  EXPECT_FALSE(s_.SMTPAccountPassword.empty()) << "kept for this session";
  EXPECT_EQ(FileText().find(s_.SMTPAccountPassword), std::string::npos);
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, Access()), "");
  EXPECT_EQ(questions_.size(), 1u) << "said once";
  EXPECT_EQ(Loaded(&keyring_).SMTPAccountPassword, "");

  // A user who agrees keeps the secret in the file, readable by them alone.
  testing_support::TempDir other;
  path_ = other.path() / "settings.ini";
  mail::FileSettingsStore agreed(path_);
  answer_ = true;
  ASSERT_EQ(mail::SaveSettings(agreed, s_, form_, Access(), &place), "");
  EXPECT_EQ(place, mail::SecretPlace::kFile);
  EXPECT_NE(FileText().find(s_.SMTPAccountPassword), std::string::npos);
#ifndef _WIN32  // Windows has no such modes; the profile folder is the user's own
  EXPECT_EQ(std::filesystem::status(path_).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
  EXPECT_EQ(questions_.size(), 2u);
  EXPECT_NE(questions_.back().find("No system keyring"), std::string::npos);
}

TEST_F(SecretsTest, AnEmptyPasswordBoxKeepsTheKeyringEntry) {
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, Access()), "");
  ASSERT_EQ(keyring_.entries.size(), 1u);
  const std::string stored = s_.SMTPAccountPassword;
  form_.password_box = "";
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, Access()), "");
  EXPECT_EQ(keyring_.entries.size(), 1u);
  mail::SecretPlace place = mail::SecretPlace::kNone;
  EXPECT_EQ(mail::LoadSecret(store_, &keyring_, mail::PasswordSlot(s_), &place), stored);
  EXPECT_EQ(mail::DescribeSecretPlace(place), "keyring");
}

}  // namespace
