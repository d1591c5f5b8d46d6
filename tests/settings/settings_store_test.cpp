#include <gtest/gtest.h>

#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "support/temp_dir.h"

namespace {

using mail::RegistryValue;
using testing_support::ReadAll;
using testing_support::TempDir;

class SettingsStoreTest : public ::testing::Test {
 protected:
  void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  TempDir dir_;
  std::filesystem::path path_ = dir_.path() / "settings.ini";
  mail::FileSettingsStore store_{path_};
};

TEST_F(SettingsStoreTest, MissingFileGivesDefaultsAndIsCreatedOnFirstWriteWithMode0600) {
  mail::FileSettingsStore store(dir_.path() / "new" / "settings.ini");
  mail::MailSettings s;
  s.UseSMTP = s.ServerRequiresAuthentication = true;
  mail::LoadMailSettings(store, s);
  EXPECT_FALSE(s.UseSMTP);
  EXPECT_FALSE(s.ServerRequiresAuthentication);
  EXPECT_EQ(s.SMTPServer + s.SMTPUserName + s.SMTPAccountName + s.SMTPAccountPassword, "");
  EXPECT_EQ(s.MailerCommand, "/usr/sbin/sendmail -t -oi");

  EXPECT_EQ(mail::SaveRegistryValue(store, "A", 1, mail::kTypeInt32), mail::kStatusOk);
  using std::filesystem::perms;
#ifndef _WIN32
  EXPECT_EQ(std::filesystem::status(store.path()).permissions() & perms::all,
            perms::owner_read | perms::owner_write);
#endif
  auto files = std::filesystem::directory_iterator(store.path().parent_path());
  EXPECT_EQ(std::distance(begin(files), end(files)), 1);  // no temporary file left
  EXPECT_EQ(mail::LoadRegistryValue(store, "A"), RegistryValue(1));

#ifndef _WIN32  // links need privileges there
  // A linked file is written where it lives; the link stays.
  std::filesystem::create_symlink(store.path(), path_);
  mail::SaveRegistryValue(store_, "B", 2, mail::kTypeInt32);
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
  EXPECT_EQ(mail::LoadRegistryValue(store, "B"), RegistryValue(2));
#endif
}

TEST_F(SettingsStoreTest, ValuesRoundTripWithTheirTypesInAReadableFile) {
  const std::string awkward = "p\"a\\s=s;\n\r\t\x01 w\xC3\xB6rd  ";
  mail::SaveRegistryValue(store_, mail::kValueSMTPServer, "mail.example.org:587",
                          mail::kTypeString);
  mail::SaveRegistryValue(store_, mail::kValueSMTPAccountPassword, awkward, mail::kTypeString);
  mail::SaveRegistryValue(store_, mail::kValueMailerCommand, "/usr/bin/msmtp -t",
                          mail::kTypeString);
  mail::SaveRegistryValue(store_, mail::kValueUseSMTP, 1, mail::kTypeInt32);
  mail::SaveRegistryValue(store_, mail::kValueServerRequiresAuthentication, "1", mail::kTypeInt32);
  mail::SaveRegistryValue(store_, "Min", INT32_MIN, mail::kTypeInt32);
  mail::SaveRegistryValue(store_, "Text", 42, mail::kTypeString);
  EXPECT_EQ(mail::SaveRegistryValue(store_, "Other", 1, 3), mail::kStatusBadType);
  EXPECT_EQ(mail::SaveRegistryValue(store_, "Bad", "x1", mail::kTypeInt32), mail::kStatusBadType);

  mail::MailSettings s;
  mail::LoadMailSettings(store_, s);
  EXPECT_TRUE(s.UseSMTP && s.ServerRequiresAuthentication);
  EXPECT_EQ(s.SMTPServer, "mail.example.org:587");
  EXPECT_EQ(s.SMTPAccountPassword, awkward);
  EXPECT_EQ(s.MailerCommand, "/usr/bin/msmtp -t");
  EXPECT_EQ(mail::LoadRegistryValue(store_, "Min"), RegistryValue(INT32_MIN));
  EXPECT_EQ(mail::LoadRegistryValue(store_, "Text"), RegistryValue(std::string("42")));
  EXPECT_EQ(mail::LoadRegistryValue(store_, "Bad"), RegistryValue());
  std::string text = ReadAll(path_);
  EXPECT_NE(text.find("\nSMTPServer=\"mail.example.org:587\"\n"), std::string::npos);
  EXPECT_NE(text.find("\nUseSMTP=1\n"), std::string::npos) << text;
}

TEST_F(SettingsStoreTest, FlagsAreTrueOnlyForTheInteger1AndOtherTypesReadAsNothing) {
  Write(
      "; hand-edited\nUseSMTP=2\nServerRequiresAuthentication=\"1\"\n"
      "SMTPServer=not quoted\n SMTPUserName = \"Ann\"  \r\ngarbage line\n");
  mail::MailSettings s;
  mail::LoadMailSettings(store_, s);
  EXPECT_FALSE(s.UseSMTP);
  EXPECT_FALSE(s.ServerRequiresAuthentication);
  EXPECT_EQ(s.SMTPServer, "");
  EXPECT_EQ(s.SMTPUserName, "Ann");

  std::unique_ptr<mail::SettingsKey> key;
  ASSERT_EQ(store_.OpenKey(&key), mail::kStatusOk);
  RegistryValue v = std::string("stale");
  EXPECT_EQ(mail::GetValueFromKey(*key, "SMTPServer", &v), mail::kStatusBadType);
  EXPECT_EQ(v, RegistryValue());
  EXPECT_EQ(mail::GetValueFromKey(*key, "Missing", &v), mail::kStatusNotFound);
  // A later write keeps what this program cannot read.
  mail::SaveRegistryValue(store_, mail::kValueUseSMTP, 1, mail::kTypeInt32);
  EXPECT_NE(ReadAll(path_).find("SMTPServer=not quoted\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, AFileThatMayNotBeWrittenRefusesReadsAndWrites) {
  Write("SMTPServer=\"old.example.org\"\n");
  using std::filesystem::perms;
  std::filesystem::permissions(path_, perms::owner_read);
  std::unique_ptr<mail::SettingsKey> key;
  EXPECT_EQ(store_.OpenKey(&key), mail::kStatusAccessDenied);
  EXPECT_EQ(mail::SaveRegistryValue(store_, "SMTPServer", "new", mail::kTypeString),
            mail::kStatusAccessDenied);
  EXPECT_EQ(mail::LoadRegistryValue(store_, "SMTPServer"), RegistryValue());
  std::filesystem::permissions(path_, perms::owner_read | perms::owner_write);
  EXPECT_EQ(mail::LoadRegistryValue(store_, "SMTPServer"), RegistryValue("old.example.org"));
  mail::FileSettingsStore folder(dir_.path());  // not a plain file
  EXPECT_EQ(folder.OpenKey(&key), mail::kStatusAccessDenied);
}

}  // namespace
