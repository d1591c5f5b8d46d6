#include <gtest/gtest.h>
#include <sys/stat.h>

#include "mail/file_settings_store.h"
#include "mail/registry.h"
#include "support/temp_dir.h"

namespace {

using mail::RegistryValue;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

TEST(SettingsStore, MissingFileGivesDefaultsAndIsCreatedOnFirstWriteWithMode0600) {
  TempDir dir;
  auto path = dir.path() / "config" / "Hollymoor" / "settings.ini";
  mail::FileSettingsStore store(path);
  mail::MailSettings s;
  s.UseSMTP = true;
  s.ServerRequiresAuthentication = true;
  mail::LoadMailSettings(store, s);
  EXPECT_FALSE(s.UseSMTP);
  EXPECT_FALSE(s.ServerRequiresAuthentication);
  EXPECT_EQ(s.SMTPServer, "");
  EXPECT_EQ(s.SMTPUserName, "");
  EXPECT_EQ(s.SMTPAccountName, "");
  EXPECT_EQ(s.SMTPAccountPassword, "");
  EXPECT_EQ(s.MailerCommand, "/usr/sbin/sendmail -t -oi");
  EXPECT_FALSE(std::filesystem::exists(path));

  EXPECT_EQ(mail::SaveRegistryValue(store, "SMTPServer", std::string("smtp.example.org:587"),
                                    mail::kTypeString),
            mail::kStatusOk);
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(SettingsStore, EveryValueRoundTripsWithItsType) {
  TempDir dir;
  auto path = dir.path() / "settings.ini";
  mail::FileSettingsStore store(path);
  const std::string awkward = "p\"a\\s=s;\n\r\t\x01 w\xC3\xB6rd  ";
  const std::pair<const char*, std::string> strings[] = {
      {mail::kValueSMTPServer, "mail.example.org:587"},
      {mail::kValueSMTPUserName, " Santa Organiser "},
      {mail::kValueSMTPAccountName, "santa@example.org"},
      {mail::kValueSMTPAccountPassword, awkward},
      {mail::kValueMailerCommand, "/usr/bin/msmtp -t"}};
  for (const auto& [name, value] : strings)
    mail::SaveRegistryValue(store, name, value, mail::kTypeString);
  mail::SaveRegistryValue(store, mail::kValueUseSMTP, 1, mail::kTypeInt32);
  mail::SaveRegistryValue(store, mail::kValueServerRequiresAuthentication, std::string("1"),
                          mail::kTypeInt32);
  mail::SaveRegistryValue(store, "Big", INT32_MIN, mail::kTypeInt32);
  mail::SaveRegistryValue(store, "Text", 42, mail::kTypeString);
  EXPECT_EQ(mail::SaveRegistryValue(store, "Other", 1, 3), mail::kStatusBadType);
  EXPECT_EQ(mail::SaveRegistryValue(store, "Bad", std::string("x1"), mail::kTypeInt32),
            mail::kStatusBadType);

  for (const auto& [name, value] : strings)
    EXPECT_EQ(mail::LoadRegistryValue(store, name), RegistryValue(value)) << name;
  EXPECT_EQ(mail::LoadRegistryValue(store, "Big"), RegistryValue(INT32_MIN));
  EXPECT_EQ(mail::LoadRegistryValue(store, "Text"), RegistryValue(std::string("42")));
  EXPECT_EQ(mail::LoadRegistryValue(store, "Other"), RegistryValue());
  EXPECT_EQ(mail::LoadRegistryValue(store, "Bad"), RegistryValue());

  mail::MailSettings s;
  mail::LoadMailSettings(store, s);
  EXPECT_TRUE(s.UseSMTP);
  EXPECT_TRUE(s.ServerRequiresAuthentication);
  EXPECT_EQ(s.SMTPServer, "mail.example.org:587");
  EXPECT_EQ(s.SMTPUserName, " Santa Organiser ");
  EXPECT_EQ(s.SMTPAccountPassword, awkward);
  EXPECT_EQ(s.MailerCommand, "/usr/bin/msmtp -t");

  // Human-readable, one value a line.
  std::string text = ReadAll(path);
  EXPECT_NE(text.find("\nSMTPServer=\"mail.example.org:587\"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nUseSMTP=1\n"), std::string::npos) << text;
}

TEST(SettingsStore, FlagsAreTrueOnlyForTheInteger1) {
  TempDir dir;
  auto path = dir.path() / "settings.ini";
  WriteAll(path,
           "; hand-edited\n"
           "UseSMTP=2\n"
           "ServerRequiresAuthentication=\"1\"\n"
           "SMTPServer=not quoted\n"
           "SMTPUserName = \"Ann\"  \r\n"
           "garbage line\n");
  mail::FileSettingsStore store(path);
  mail::MailSettings s;
  mail::LoadMailSettings(store, s);
  EXPECT_FALSE(s.UseSMTP);
  EXPECT_FALSE(s.ServerRequiresAuthentication);
  EXPECT_EQ(s.SMTPServer, "");
  EXPECT_EQ(s.SMTPUserName, "Ann");

  std::unique_ptr<mail::SettingsKey> key;
  ASSERT_EQ(store.OpenKey(&key), mail::kStatusOk);
  RegistryValue v = std::string("stale");
  EXPECT_EQ(mail::GetValueFromKey(*key, "SMTPServer", &v), mail::kStatusBadType);
  EXPECT_EQ(v, RegistryValue());
  EXPECT_EQ(mail::GetValueFromKey(*key, "Missing", &v), mail::kStatusNotFound);
  EXPECT_EQ(mail::GetValueFromKey(*key, "UseSMTP", &v), mail::kStatusOk);
  EXPECT_EQ(v, RegistryValue(2));

  // A later write keeps the values this program cannot read.
  mail::SaveRegistryValue(store, mail::kValueUseSMTP, 1, mail::kTypeInt32);
  EXPECT_NE(ReadAll(path).find("SMTPServer=not quoted\n"), std::string::npos);
  mail::LoadMailSettings(store, s);
  EXPECT_TRUE(s.UseSMTP);
}

TEST(SettingsStore, AFileThatMayNotBeWrittenRefusesAccess) {
  TempDir dir;
  auto path = dir.path() / "settings.ini";
  WriteAll(path, "UseSMTP=1\nSMTPServer=\"old.example.org\"\n");
  chmod(path.c_str(), 0400);
  mail::FileSettingsStore store(path);
  std::unique_ptr<mail::SettingsKey> key;
  EXPECT_EQ(store.OpenKey(&key), mail::kStatusAccessDenied);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(mail::SaveRegistryValue(store, "SMTPServer", std::string("new.example.org"),
                                    mail::kTypeString),
            mail::kStatusAccessDenied);
  EXPECT_EQ(mail::LoadRegistryValue(store, "SMTPServer"), RegistryValue());
  chmod(path.c_str(), 0600);
  EXPECT_EQ(mail::LoadRegistryValue(store, "SMTPServer"),
            RegistryValue(std::string("old.example.org")));

  // A folder in the file's place is refused too; a file that cannot be created reports it.
  mail::FileSettingsStore folder(dir.path());
  EXPECT_EQ(folder.OpenKey(&key), mail::kStatusAccessDenied);
  WriteAll(dir.path() / "plain", "x");
  mail::FileSettingsStore under_file(dir.path() / "plain" / "settings.ini");
  EXPECT_NE(mail::SaveRegistryValue(under_file, "A", 1, mail::kTypeInt32), mail::kStatusOk);
}

}  // namespace
