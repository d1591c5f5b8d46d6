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

TEST(Message, EventDetailsFollowTheNotesAndEmptyFieldsAddNothing) {
  mail::SendValues v;
  v.MailTrailer = "You are a Secret Santa for";
  const std::string plain = mail::NotificationText(v, "Bob", "socks", "<footer>");
  v.Event.ReplyBy = "";
  EXPECT_EQ(mail::NotificationText(v, "Bob", "socks", "<footer>"), plain);

  v.Event.Budget = "20 EUR";
  v.Event.Place = "Grandma's, Elm Street 4";
  const std::string text = mail::NotificationText(v, "Bob", "socks", "<footer>");
  EXPECT_EQ(text, plain.substr(0, plain.size() - 8) +
                      "\r\n\r\nGift budget: 20 EUR\r\nPlace: Grandma's, Elm Street 4\r\n<footer>");
  v.Event = {"", "24 December, 6 pm", "", "1 December"};
  EXPECT_EQ(mail::EventDetailsText(v.Event),
            "Date of the exchange: 24 December, 6 pm\r\nPlease reply by: 1 December\r\n");
  // Free-form messages are not notifications: no details there.
  EXPECT_EQ(mail::FreeFormText(v, "<footer>"), "<footer>");
}

TEST(Message, TestModeSendsToTheTestAddressUntrimmed) {
  mail::SendValues v;
  v.TestAddress = " me@example.org";
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org "), "bob@example.org ");
  v.TestMode = true;
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org"), " me@example.org");
}

}  // namespace
