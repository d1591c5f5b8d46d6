#include "mail/message.h"

#include <gtest/gtest.h>

namespace {

const std::string kFooter =
    "\r\n\r\n"
    "=================================================================\r\n"
    "This message was sent to you using the Hollymoor\r\n"
    "Get Your copy at https://hollymoor.org\r\n"
    "\r\n";

mail::SendValues Values() {
  mail::SendValues v;
  v.MailSubject = "Your Secret Santa Information Enclosed";
  v.MailBody = "Hello all!\r\nSecond line\r\n";
  v.MailTrailer = "You are a Secret Santa for";
  return v;
}

TEST(MessageFooter, IsTheFixedClosingBlock) { EXPECT_EQ(mail::BuildMessageFooter(), kFooter); }

TEST(MessageSubject, NamesTheParticipantFirst) {
  EXPECT_EQ(mail::MessageSubject("Ann Lee", "Your Secret Santa Information Enclosed"),
            "Ann Lee Your Secret Santa Information Enclosed");
  EXPECT_EQ(mail::MessageSubject("Ann", ""), "Ann ");
}

TEST(NotificationText, ByteExactLayout) {
  std::string text = mail::NotificationText(Values(), "Bob Ray", "Likes tea\r\nSize M", kFooter);
  EXPECT_EQ(text,
            "Hello all!\r\nSecond line\r\n\r\n"
            "    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n"
            "    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n"
            "You are a Secret Santa for Bob Ray\r\n"
            "\r\n"
            "Notes, Gift Suggestions, or Special Instructions for Bob Ray:\r\n"
            "Likes tea\r\nSize M" +
                kFooter);
}

TEST(NotificationText, EmptyNotesAndEmptyTrailerKeepTheirPlaces) {
  mail::SendValues v = Values();
  v.MailBody = "";
  v.MailTrailer = "";
  std::string text = mail::NotificationText(v, "Bob", "", kFooter);
  std::string ten_lines;
  for (int i = 0; i < 10; ++i) ten_lines += "    :\r\n";
  EXPECT_EQ(text, "\r\n" + ten_lines + " Bob\r\n\r\n" +
                      "Notes, Gift Suggestions, or Special Instructions for Bob:\r\n" + kFooter);
}

TEST(FreeFormText, IsTheBodyFollowedDirectlyByTheFooter) {
  EXPECT_EQ(mail::FreeFormText(Values(), kFooter), "Hello all!\r\nSecond line\r\n" + kFooter);
  mail::SendValues empty;
  EXPECT_EQ(mail::FreeFormText(empty, kFooter), kFooter);
}

TEST(RecipientAddress, TestModeSendsEverythingToTheTestAddressUntrimmed) {
  mail::SendValues v = Values();
  v.TestAddress = " me@example.org";
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org "), "bob@example.org ");
  v.TestMode = true;
  EXPECT_EQ(mail::RecipientAddress(v, "bob@example.org"), " me@example.org");
  // The subject and text still name the giver and their receiver.
  EXPECT_EQ(mail::MessageSubject("Ann", v.MailSubject),
            "Ann Your Secret Santa Information Enclosed");
}

}  // namespace
