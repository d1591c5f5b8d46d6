#include "mail/message.h"

#include <gtest/gtest.h>

namespace {

const std::string kFooter = "\r\n\r\n" + std::string(65, '=') +
                            "\r\nThis message was sent to you using the Hollymoor\r\n"
                            "Get Your copy at http://www.example.com/hollymoor/\r\n\r\n";
const std::string kTenLines = [] {
  std::string s;
  for (int i = 0; i < 10; ++i) s += "    :\r\n";
  return s;
}();

TEST(Message, FooterSubjectAndFreeFormText) {
  EXPECT_EQ(mail::BuildMessageFooter(), kFooter);
  EXPECT_TRUE(mail::BuildMessageFooter("x").ends_with("Hollymoor\r\nGet Your copy at x\r\n\r\n"));
  EXPECT_EQ(mail::MessageSubject("Ann Lee", "Gifts"), "Ann Lee Gifts");
  mail::SendValues v;
  v.MailBody = "Hello all!\r\nSee you";
  EXPECT_EQ(mail::FreeFormText(v, kFooter), "Hello all!\r\nSee you" + kFooter);
}

TEST(Message, NotificationTextByteExact) {
  mail::SendValues v;
  v.MailBody = "Hello!\r\n";
  v.MailTrailer = "You are a Secret Santa for";
  EXPECT_EQ(mail::NotificationText(v, "Bob Ray", "Likes tea\r\nSize M", kFooter),
            "Hello!\r\n\r\n" + kTenLines +
                "You are a Secret Santa for Bob Ray\r\n\r\n"
                "Notes, Gift Suggestions, or Special Instructions for Bob Ray:\r\n"
                "Likes tea\r\nSize M" +
                kFooter);
  // Empty body, trailer and notes keep every fixed piece in its place.
  EXPECT_EQ(mail::NotificationText({}, "Bob", "", kFooter),
            "\r\n" + kTenLines + " Bob\r\n\r\n" +
                "Notes, Gift Suggestions, or Special Instructions for Bob:\r\n" + kFooter);
}

TEST(Message, TestModeSendsToTheTestAddressUntrimmed) {
  mail::SendValues v;
  v.TestAddress = " me@example.org";
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org "), "bob@example.org ");
  v.TestMode = true;
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org"), " me@example.org");
}

}  // namespace
