#include "ui/send_dialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/qt_ui.h"

namespace {

template <typename W>
W* Find(QDialog& d, const char* name) {
  W* w = d.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

class SendDialogsTest : public ::testing::Test {
 protected:
  ~SendDialogsTest() override { ui::SetModalHandler(nullptr); }
  mail::SendValues values_;
  mail::MailSettings settings_;
};

TEST_F(SendDialogsTest, FrmSendDefaultsAndSendLeavesEveryValue) {
  settings_.SMTPAccountName = "organiser@example.org";
  values_.SendConfirmed = true;  // left over from an earlier send
  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_FALSE(values_.SendConfirmed);  // reset as the dialog loads
    EXPECT_EQ(d.objectName(), "frmSend");
    EXPECT_EQ(d.windowTitle(), "Send Email Notifications to Participants");
    EXPECT_EQ(Find<QLineEdit>(d, "txtFixedSubject")->text(), "<Person's Name>");
    EXPECT_TRUE(Find<QLineEdit>(d, "txtFixedTrailer")->isReadOnly());
    EXPECT_EQ(Find<QLabel>(d, "Label2")->text(), "Messge Text");
    EXPECT_EQ(Find<QLabel>(d, "Label1")->toolTip(),
              "The email subject line.  You can change the wording if you desire.");
    EXPECT_EQ(Find<QCheckBox>(d, "chkSendOption")->text(),
              "TestMode: Send all emails to this email addess");
    auto* address = Find<QLineEdit>(d, "txtTestEmailAddress");
    EXPECT_EQ(address->text(), "organiser@example.org");
    EXPECT_FALSE(address->isEnabled());
    Find<QCheckBox>(d, "chkSendOption")->click();
    EXPECT_TRUE(address->isEnabled());
    address->setText("me@example.org");
    Find<QCheckBox>(d, "chkSendOption")->click();  // unchecked again: address kept, not used
    EXPECT_FALSE(address->isEnabled());
    Find<QPushButton>(d, "cmdSend")->click();
    return d.result();
  });
  const mail::SendValues& v = ui::ShowFrmSend(nullptr, values_, settings_);
  EXPECT_TRUE(v.SendConfirmed);
  EXPECT_EQ(v.MailSubject, "Your Secret Santa Information Enclosed");
  EXPECT_EQ(v.MailBody,
            "Important Secret Santa Message!!\r\n\r\n"
            "The person you have been choosen to be a Secret Santa for\r\n"
            " is named at the end of this email message\r\n");
  EXPECT_EQ(v.MailTrailer, "You are a Secret Santa for");
  EXPECT_FALSE(v.TestMode);
  EXPECT_EQ(v.TestAddress, "me@example.org");
}

TEST_F(SendDialogsTest, CancelOrClosingTheWindowNeverConfirms) {
  values_.MailSubject = "kept";
  ui::SetModalHandler([&](QDialog& d) {
    Find<QLineEdit>(d, "txtSubject")->setText("typed");
    Find<QPushButton>(d, "cmdCancel")->click();
    return d.result();
  });
  EXPECT_FALSE(ui::ShowFrmSend(nullptr, values_, settings_).SendConfirmed);
  EXPECT_EQ(values_.MailSubject, "kept");

  values_.SendConfirmed = true;
  ui::SetModalHandler([&](QDialog& d) { return d.result(); });  // closed by the window frame
  EXPECT_FALSE(ui::QtSendDialogs(nullptr).ShowSendMessage(values_));
}

TEST_F(SendDialogsTest, FrmSendMessageLeavesTrailerAndTestValuesAlone) {
  values_ = {false, "old", "old", "Trailer", true, "test@example.org"};
  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmSendMessage");
    EXPECT_EQ(d.windowTitle(), "Send an Email Message to Participants");
    EXPECT_EQ(Find<QLabel>(d, "Label2")->text(), "Message Text to send");
    EXPECT_TRUE(Find<QPlainTextEdit>(d, "Text1")->toPlainText().startsWith("NOTE: This email"));
    EXPECT_EQ(Find<QLineEdit>(d, "txtSubject")->text(), "");
    EXPECT_EQ(Find<QPlainTextEdit>(d, "txtBody")->toPlainText(), "");
    Find<QLineEdit>(d, "txtSubject")->setText("Party on Friday");
    Find<QPlainTextEdit>(d, "txtBody")->setPlainText("Bring a gift.\nSee you!");
    Find<QPushButton>(d, "cmdSend")->click();
    return d.result();
  });
  EXPECT_TRUE(ui::QtSendDialogs(nullptr).ShowSendMessage(values_));
  EXPECT_EQ(values_.MailSubject, "Party on Friday");
  EXPECT_EQ(values_.MailBody, "Bring a gift.\r\nSee you!");
  EXPECT_EQ(values_.MailTrailer, "Trailer");
  EXPECT_TRUE(values_.TestMode);
  EXPECT_EQ(values_.TestAddress, "test@example.org");
}

}  // namespace
