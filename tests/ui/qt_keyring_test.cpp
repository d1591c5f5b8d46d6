// The keyring through QtKeychain against a real Secret Service (started by with_keyring.sh on
// a session bus of the test's own), and the file fallback on a system without any keyring.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "settings/settings_form.h"
#include "support/temp_dir.h"
#include "ui/qt_secret_store.h"

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class KeyringTest : public ::testing::Test {
 protected:
  testing_support::TempDir dir_;
  std::filesystem::path path_ = dir_.path() / "settings.ini";
  mail::FileSettingsStore store_{path_};
  ui::QtSecretStore keyring_{"Hollymoor test"};
  mail::MailSettings s_;
  mail::SettingsForm form_{true,    "smtp.example.org:587", "santa@example.org",
                           "Santa", "p4ss-w0rd-Ü",          true};
  int questions_ = 0;
  mail::SecretAccess access_{&keyring_, [this](const std::string&) {
                               ++questions_;
                               return true;
                             }};
};

TEST_F(KeyringTest, SecretServiceKeepsThePasswordAndTheFileOnlyAReference) {
  if (!std::getenv("HM_KEYRING")) {
    const char* why = std::getenv("HM_KEYRING_PROBLEM");
    GTEST_SKIP() << "no Secret Service for this test: "
                 << (why ? why : "not started through tests/support/with_keyring.sh");
  }
  std::string read;
  EXPECT_EQ(keyring_.Read("absent", &read), mail::SecretStatus::kNotFound);

  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, access_), "");
  const std::string text = Slurp(path_);
  EXPECT_EQ(text.find("p4ss"), std::string::npos) << text;
  EXPECT_EQ(text.find(s_.SMTPAccountPassword), std::string::npos) << text;
  EXPECT_EQ(questions_, 0);

  mail::MailSettings loaded;
  mail::LoadMailSettings(store_, loaded);
  mail::LoadMailSecrets(store_, &keyring_, loaded);
  EXPECT_EQ(loaded.SMTPAccountPassword, s_.SMTPAccountPassword);
  EXPECT_FALSE(loaded.SMTPAccountPassword.empty());

  // Saving again with the password box left empty keeps the stored password.
  form_.password_box = "";
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, access_), "");
  EXPECT_EQ(keyring_.Read(mail::PasswordSlot(s_).key, &read), mail::SecretStatus::kOk);
  EXPECT_EQ(read, loaded.SMTPAccountPassword);
}

TEST_F(KeyringTest, WithoutAKeyringTheUserDecidesAndNothingIsLost) {
  if (std::getenv("HM_KEYRING")) GTEST_SKIP() << "runs where no keyring can be reached";
  EXPECT_NE(keyring_.Write("k", "v"), mail::SecretStatus::kOk);
  ASSERT_EQ(mail::SaveSettings(store_, s_, form_, access_), "");
  EXPECT_EQ(questions_, 1);
  mail::MailSettings loaded;
  mail::LoadMailSettings(store_, loaded);
  mail::LoadMailSecrets(store_, &keyring_, loaded);
  EXPECT_EQ(loaded.SMTPAccountPassword, s_.SMTPAccountPassword) << "kept in the file, as agreed";
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
