// The desktop-mail path's test mode and a failing mailer, end to end through msmtp and aiosmtpd
// on 127.0.0.1 (the errand tests cover the ordinary drawing and re-send).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <fstream>

#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/wire_mapi.h"

namespace {

using testing_support::CapturedMessage;

constexpr const char* kMsmtp = "/usr/bin/msmtp";

const char* const kPeople[5][2] = {{"Ann", "ann@example.org"},
                                   {"Bob", "bob@example.org"},
                                   {"Cid", "cid@example.org"},
                                   {"Dee", "dee@example.org"},
                                   {"Eve", "eve@example.org"}};

class MapiMailerE2eTest : public testing_support::WindowTest {
 protected:
  MapiMailerE2eTest() : server_(testing_support::SmtpServerOptions{}) {
    mailer_ = std::string(kMsmtp) + " --host=127.0.0.1 --port=" + std::to_string(server_.port()) +
              " --from=organiser@example.org --auth=off --tls=off -t -oi";
    mail::MailSettings& s = window_.MailSettings;
    s.UseSMTP = false;
    s.SMTPUserName = "Organiser";
    s.SMTPAccountName = "organiser@example.org";
    s.MailerCommand = mailer_;
    ui::SetMailerTimeout(window_, std::chrono::seconds(20));
    for (const auto& p : kPeople) roster().AddParticipant("", p[0], p[1], "", false);
    for (int i = 1; i <= 5; ++i)  // each gives to the next one
      roster().grid().SetTextMatrix(i, roster::kColResult, std::to_string(i % 5 + 1));
    window_.SendValues = {false, "Your Secret Santa Information Enclosed",
                          "Important Secret Santa Message!!", "You are a Secret Santa for"};
  }
  void SetUp() override { ASSERT_EQ(server_.error(), ""); }
  static std::vector<std::string> Receivers(const std::vector<CapturedMessage>& m) {
    std::vector<std::string> out;
    for (const auto& one : m) out.push_back(one.rcpt_to.empty() ? "" : one.rcpt_to.front());
    return out;
  }

  testing_support::SmtpServer server_;
  std::string mailer_;
};

TEST_F(MapiMailerE2eTest, TestModeSendsEveryNotificationToTheTestAddress) {
  window_.SendValues.TestMode = true;
  window_.SendValues.TestAddress = "tester@example.net";
  ui::MapiSendDrawing(window_);
  ASSERT_TRUE(server_.WaitForMessages(5));
  std::vector<CapturedMessage> m = server_.Messages();
  ASSERT_EQ(m.size(), 5u);
  EXPECT_EQ(Receivers(m), std::vector<std::string>(5, "tester@example.net"));
  EXPECT_NE(m[3].data.find("\r\nSubject: Dee Your Secret Santa Information Enclosed\r\n"),
            std::string::npos);
  EXPECT_NE(m[3].data.find("Secret Santa for Eve"), std::string::npos);
}

TEST_F(MapiMailerE2eTest, MailerFailingOnTheThirdMessageStopsTheRun) {
  // A mailer that refuses its third message and otherwise hands over to msmtp.
  const auto wrapper = dir_.path() / "mailer.sh";
  const auto count = dir_.path() / "count";
  std::ofstream(wrapper) << "#!/bin/sh\nn=$(( $(cat '" << count.string() << "' 2>/dev/null || "
                         << "echo 0) + 1 ))\necho $n > '" << count.string() << "'\n"
                         << "if [ $n -eq 3 ]; then echo 'queue full' >&2; exit 75; fi\n"
                         << "exec " << mailer_ << "\n";
  ::chmod(wrapper.c_str(), 0755);
  window_.MailSettings.MailerCommand = wrapper.string();

  ui::MapiSendDrawing(window_);
  ASSERT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[0].text, "Error while attempting to send messages to MAPI Email Client");
  EXPECT_EQ(boxes_.boxes[0].style, roster::mb::kCritical);
  EXPECT_EQ(boxes_.boxes[1].text,
            "The mailer [" + wrapper.string() +
                "] failed with exit status 75: queue full\n\n2 Mail Messages had already been "
                "handed to the mail client:\nAnn;Bob;");
  ASSERT_TRUE(server_.WaitForMessages(2));
  QTest::qWait(300);  // nothing more arrives
  EXPECT_EQ(Receivers(server_.Messages()),
            (std::vector<std::string>{"ann@example.org", "bob@example.org"}));
  EXPECT_EQ(window_.qt_ui().StatusText(), " Sending email to Cid ...");
  EXPECT_TRUE(window_.roster().MapiLoggedOn);  // left as it was at the error
}

}  // namespace
