#include "mail/smtp_text.h"

#include <gtest/gtest.h>

#include "mail/smtp_reply.h"

namespace {

TEST(SmtpText, SettingsCheckBoundaries) {
  struct {
    const char *server, *account, *user;
    bool valid;
  } cases[] = {{"mail.example.org", "ab@c.d", "Anna", true},
               {"a.b", "ab@c.d", "Anna", false},      // server too short
               {".abcdef", "ab@c.d", "Anna", false},  // dot only first
               {"mail.x:587", "ab@c.d", "Zoë4", true},
               {"mail.x", "a@b.c", "Anna", false},  // 5 characters
               {"mail.x", "@bcdefg", "Anna", false},
               {"mail.x", "ab@c.d", "Bob", false}};
  for (const auto& c : cases) {
    mail::MailSettings s;
    s.SMTPServer = c.server;
    s.SMTPAccountName = c.account;
    s.SMTPUserName = c.user;
    EXPECT_EQ(mail::SmtpSettingsValid(s), c.valid) << c.server << " " << c.account << " " << c.user;
  }
}

TEST(SmtpText, ServerTextSplitsAtTheFirstColon) {
  for (auto [text, port] : {std::pair{"smtp.example.org", 25}, {"smtp.example.org:587", 587}}) {
    auto split = mail::SplitServerText(text);
    ASSERT_TRUE(split) << text;
    EXPECT_EQ(split->host + ":" + std::to_string(split->port),
              "smtp.example.org:" + std::to_string(port));
  }
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
  auto offer = [](const char* ehlo) {
    auto o = mail::ParseEhlo(ehlo);
    return std::pair{o.auth_login, o.starttls};
  };
  EXPECT_EQ(offer("250-mx\r\n250-SIZE\r\n250 AUTH PLAIN LOGIN\r\n"), std::pair(true, false));
  EXPECT_EQ(offer("250-mx\r\n250-AUTH PLAIN LOGINX\r\n250-STARTTLS\r\n250 HELP\r\n"),
            std::pair(false, true));
  EXPECT_EQ(offer("250-mx\r\n250-AUTHLOGIN\r\n250 X-STARTTLS\r\n"), std::pair(false, false));
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
