#include "mail/smtp/smtp_text.h"

#include <gtest/gtest.h>

#include "mail/smtp/smtp_reply.h"

namespace {

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

// Partial replies, caps and multi-line offers are checked through the engine.
TEST(ReplyFramer, BareLineFeedsAndBareCodesCompleteAReply) {
  mail::ReplyFramer f;
  ASSERT_EQ(f.Feed("250-one\n250 two\n354\r\n"), mail::ReplyFramer::Status::kOk);
  EXPECT_EQ(f.Next(), "250-one\n250 two\n");
  EXPECT_EQ(f.Next(), "354\r\n");
  EXPECT_FALSE(f.Next());
}

}  // namespace
