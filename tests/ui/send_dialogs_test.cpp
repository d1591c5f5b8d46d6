#include "ui/send_dialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "support/qt_helpers.h"

namespace {

using testing_support::Find;

struct SendDialogsTest : ::testing::Test {
  ~SendDialogsTest() override { ui::SetModalHandler(nullptr); }
  mail::SendValues values_{true, "kept", "kept", "Trailer", true, "test@example.org"};
  ui::QtSendDialogs dialogs_{nullptr};
};

TEST_F(SendDialogsTest, FrmSendDefaultsTestAddressAndSend) {
  mail::MailSettings settings;
  settings.SMTPAccountName = "organiser@example.org";
  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_FALSE(values_.SendConfirmed);  // reset as the dialog loads
    auto* address = Find<QLineEdit>(d, "txtTestEmailAddress");
    EXPECT_EQ(address->text(), "organiser@example.org");
    EXPECT_FALSE(address->isEnabled());
    Find<QCheckBox>(d, "chkSendOption")->click();
    EXPECT_TRUE(address->isEnabled());
    address->setText("me@example.org");
    Find<QCheckBox>(d, "chkSendOption")->click();  // unchecked: address kept, test mode off
    EXPECT_FALSE(address->isEnabled());
    Find<QPushButton>(d, "cmdSend")->click();
    return d.result();
  });
  EXPECT_TRUE(dialogs_.ShowSend(values_, settings));
  EXPECT_EQ(values_.MailSubject, "Your Secret Santa Information Enclosed");
  EXPECT_EQ(values_.MailBody,
            "Important Secret Santa Message!!\r\n\r\n"
            "The person you have been choosen to be a Secret Santa for\r\n"
            " is named at the end of this email message\r\n");
  EXPECT_EQ(values_.MailTrailer, "You are a Secret Santa for");
  EXPECT_FALSE(values_.TestMode);
  EXPECT_EQ(values_.TestAddress, "me@example.org");
}

TEST_F(SendDialogsTest, EventDetailsStartAsRememberedAndLeaveAsTyped) {
  values_.Event = {"20 EUR", "24 December", "", ""};
  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_EQ(Find<QLineEdit>(d, "txtBudget")->text(), "20 EUR");
    EXPECT_EQ(Find<QLineEdit>(d, "txtEventDate")->text(), "24 December");
    Find<QLineEdit>(d, "txtPlace")->setText("  the hall ");
    Find<QLineEdit>(d, "txtReplyBy")->setText("1 December");
    Find<QLineEdit>(d, "txtBudget")->clear();
    Find<QPushButton>(d, "cmdSend")->click();
    return d.result();
  });
  EXPECT_TRUE(dialogs_.ShowSend(values_, {}));
  EXPECT_EQ(values_.Event.Budget, "");
  EXPECT_EQ(values_.Event.Date, "24 December");
  EXPECT_EQ(values_.Event.Place, "the hall");
  EXPECT_EQ(values_.Event.ReplyBy, "1 December");
}

TEST_F(SendDialogsTest, CancelOrTheWindowFrameNeverConfirms) {
  ui::SetModalHandler([&](QDialog& d) {
    Find<QLineEdit>(d, "txtSubject")->setText("typed");
    Find<QPushButton>(d, "cmdCancel")->click();
    return d.result();
  });
  EXPECT_FALSE(dialogs_.ShowSend(values_, {}));
  EXPECT_EQ(values_.MailSubject, "kept");
  values_.SendConfirmed = true;
  ui::SetModalHandler([&](QDialog& d) { return d.result(); });  // closed by the frame
  EXPECT_FALSE(dialogs_.ShowSendMessage(values_));
}

TEST_F(SendDialogsTest, TestModeNeedsAnAddressThatCanReceiveTheMail) {
  testing_support::MessageBoxCatcher boxes;
  int presses = 0;
  ui::SetModalHandler([&](QDialog& d) {
    Find<QCheckBox>(d, "chkSendOption")->click();
    for (const char* typed : {"not-an-address", "me@example.org"}) {
      Find<QLineEdit>(d, "txtTestEmailAddress")->setText(typed);
      Find<QPushButton>(d, "cmdSend")->click();
      ++presses;
      if (d.result() == QDialog::Accepted) break;
    }
    return d.result();
  });
  EXPECT_TRUE(dialogs_.ShowSend(values_, {}));
  EXPECT_EQ(presses, 2);  // the first press left the dialog open
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Invalid Email Address Entry");
  EXPECT_EQ(boxes.boxes[0].style, roster::mb::kCritical);
  EXPECT_TRUE(values_.TestMode);
  EXPECT_EQ(values_.TestAddress, "me@example.org");
}

TEST_F(SendDialogsTest, AnEmptySubjectOrBodyIsSentOnlyWhenConfirmed) {
  testing_support::MessageBoxCatcher boxes;
  boxes.QueueAnswer(roster::mb::kNo);
  ui::SetModalHandler([&](QDialog& d) {
    Find<QLineEdit>(d, "txtSubject")->setText("Party on Friday");
    Find<QPushButton>(d, "cmdSend")->click();  // no body: asked, answered No
    EXPECT_EQ(d.result(), QDialog::Rejected);
    Find<QPushButton>(d, "cmdSend")->click();  // asked again, answered Yes
    return d.result();
  });
  EXPECT_TRUE(dialogs_.ShowSendMessage(values_));
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].style, roster::mb::kYesNo | roster::mb::kQuestion);
  EXPECT_EQ(values_.MailSubject, "Party on Friday");
  EXPECT_EQ(values_.MailBody, "");
}

}  // namespace
