#include "mail/message.h"

#include <gtest/gtest.h>

namespace {

// A filled-in notification, the subject and the free-form text are checked exactly in the
// delivery tests.
TEST(Message, FooterAndAnEmptyNotificationKeepEveryFixedPiece) {
  const std::string footer = "\r\n\r\n" + std::string(65, '=') +
                             "\r\nThis message was sent to you using the Hollymoor\r\n"
                             "Get Your copy at http://www.example.com/hollymoor/\r\n\r\n";
  EXPECT_EQ(mail::BuildMessageFooter(), footer);
  EXPECT_TRUE(mail::BuildMessageFooter("x").ends_with("Hollymoor\r\nGet Your copy at x\r\n\r\n"));
  std::string ten_lines;
  for (int i = 0; i < 10; ++i) ten_lines += "    :\r\n";
  EXPECT_EQ(mail::NotificationText({}, "Bob", "", footer),
            "\r\n" + ten_lines + " Bob\r\n\r\n" +
                "Notes, Gift Suggestions, or Special Instructions for Bob:\r\n" + footer);
}

TEST(Message, TestModeSendsToTheTestAddressUntrimmed) {
  mail::SendValues v;
  v.TestAddress = " me@example.org";
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org "), "bob@example.org ");
  v.TestMode = true;
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org"), " me@example.org");
}

}  // namespace
