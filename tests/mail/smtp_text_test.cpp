#include "mail/smtp_text.h"

#include <gtest/gtest.h>

#include "mail/smtp_reply.h"

namespace {

TEST(SmtpText, SettingsCheckBoundaries) {
  mail::MailSettings s;
  s.SMTPServer = "mail.example.org";
  s.SMTPAccountName = "ab@c.d";
  s.SMTPUserName = "Anna";
  EXPECT_TRUE(mail::SmtpSettingsValid(s));
  auto with = [&](auto change) {
    mail::MailSettings t = s;
    change(t);
    return mail::SmtpSettingsValid(t);
  };
  EXPECT_FALSE(with([](auto& t) { t.SMTPServer = "a.b"; }));      // too short
  EXPECT_FALSE(with([](auto& t) { t.SMTPServer = ".abcdef"; }));  // dot only first
  EXPECT_TRUE(with([](auto& t) { t.SMTPServer = "mail.x:587"; }));
  EXPECT_FALSE(with([](auto& t) { t.SMTPAccountName = "a@b.c"; }));  // 5 characters
  EXPECT_FALSE(with([](auto& t) { t.SMTPAccountName = "@bcdefg"; }));
  EXPECT_FALSE(with([](auto& t) { t.SMTPUserName = "Bob"; }));
  EXPECT_TRUE(with([](auto& t) { t.SMTPUserName = "Zoë4"; }));
}

TEST(SmtpText, ServerTextSplitsAtTheFirstColon) {
  auto plain = mail::SplitServerText("smtp.example.org");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->host, "smtp.example.org");
  EXPECT_EQ(plain->port, 25);
  auto ported = mail::SplitServerText("smtp.example.org:587");
  ASSERT_TRUE(ported);
  EXPECT_EQ(ported->host, "smtp.example.org");
  EXPECT_EQ(ported->port, 587);
  for (const char* bad : {"smtp.example.org:", "smtp.example.org:smtp", "h.org:0", "h.org:70000",
                          "h.org:25:26", "h.org:25x"})
    EXPECT_FALSE(mail::SplitServerText(bad)) << bad;
}

TEST(SmtpText, LoginNameAndCommandSafety) {
  EXPECT_EQ(mail::LoginName("  alice@example.org "), "alice");
  EXPECT_EQ(mail::LoginName("noat"), "noat");
  EXPECT_EQ(mail::CommandSafe(std::string("a\r\nRSET\rb\n\0c", 13)), "aRSETbc");
}

TEST(SmtpText, DataSectionNormalisesLineEndsThenStuffsDots) {
  EXPECT_EQ(mail::DataSection(".a\nb\r\rc\r\n.\r\n..d"), "..a\r\nb\r\n\r\nc\r\n..\r\n...d\r\n");
  EXPECT_EQ(mail::DataSection("x\r\n"), "x\r\n");
  EXPECT_EQ(mail::DataSection(""), "");
  // A "." typed after a bare CR or LF is still at the start of a line.
  EXPECT_EQ(mail::DataSection("a\r.\rb"), "a\r\n..\r\nb\r\n");
}

TEST(SmtpText, EhloOfferLooksAtEveryLine) {
  auto last = mail::ParseEhlo("250-mx\r\n250-SIZE\r\n250 AUTH PLAIN LOGIN\r\n");
  EXPECT_TRUE(last.auth_login);
  EXPECT_FALSE(last.starttls);
  auto other = mail::ParseEhlo("250-mx\r\n250-AUTH PLAIN LOGINX\r\n250-STARTTLS\r\n250 HELP\r\n");
  EXPECT_FALSE(other.auth_login);
  EXPECT_TRUE(other.starttls);
  EXPECT_FALSE(mail::ParseEhlo("250-mx\r\n250-AUTHLOGIN\r\n250 X-STARTTLS\r\n").auth_login);
}

TEST(ReplyFramer, CompletesAReplyOnlyAtItsLastLine) {
  mail::ReplyFramer f;
  std::string text = "250-one\r\n250-two\r\n250 three\r\n220 next\n";
  for (std::size_t i = 0; i + 1 < 27; ++i) {
    ASSERT_EQ(f.Feed(text.substr(i, 1)), mail::ReplyFramer::Status::kOk);
    EXPECT_FALSE(f.Next()) << i;
  }
  f.Feed(text.substr(26));
  EXPECT_EQ(f.Next(), "250-one\r\n250-two\r\n250 three\r\n");
  EXPECT_EQ(f.Next(), "220 next\n");
  EXPECT_FALSE(f.Next());
  f.Feed("354\r\n");  // a bare code is a whole reply too
  EXPECT_EQ(f.Next(), "354\r\n");
  EXPECT_EQ(mail::ReplyLines("250-a\r\n250 b\r\n"), (std::vector<std::string>{"250-a", "250 b"}));
}

TEST(ReplyFramer, CapsLinesAndReplies) {
  mail::ReplyFramer line;
  EXPECT_EQ(line.Feed(std::string(mail::kMaxReplyLine + 1, 'x')),
            mail::ReplyFramer::Status::kLineTooLong);
  mail::ReplyFramer reply;
  mail::ReplyFramer::Status st = mail::ReplyFramer::Status::kOk;
  for (int i = 0; i < 10000 && st == mail::ReplyFramer::Status::kOk; ++i)
    st = reply.Feed("220-" + std::string(100, 'y') + "\r\n");
  EXPECT_EQ(st, mail::ReplyFramer::Status::kReplyTooLong);
  reply.Reset();
  reply.Feed("220 ok\r\n");
  EXPECT_EQ(reply.Next(), "220 ok\r\n");
}

}  // namespace
