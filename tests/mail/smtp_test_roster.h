#pragma once
// A roster with a drawing in column 4 and the mail values a run reads, for SMTP tests.

#include <map>
#include <string>
#include <vector>

#include "mail/mail_settings.h"
#include "mail/send_values.h"
#include "mail/smtp_engine.h"
#include "roster/roster.h"
#include "support/fake_ui.h"

namespace smtp_testing {

struct Person {
  std::string name;
  std::string email;
  std::string notes;
  int receiver = 0;  // row number, 0 for none
};

class SmtpWorld {
 public:
  SmtpWorld() : roster(ui) { roster.SetupGrid(); }

  void Add(const std::vector<Person>& people) {
    for (const Person& p : people) roster.AddParticipant("", p.name, p.email, p.notes, false);
    for (std::size_t i = 0; i < people.size(); ++i)
      if (people[i].receiver)
        roster.grid().SetTextMatrix(static_cast<int>(i) + 1, roster::kColResult,
                                    std::to_string(people[i].receiver));
  }
  void Mark(int row) { roster.grid().SetCellColors(row, roster::kColName, roster::kWhite, roster::kRed); }

  void UseServer(const std::string& server, bool auth) {
    settings.UseSMTP = true;
    settings.SMTPServer = server;
    settings.ServerRequiresAuthentication = auth;
    settings.SMTPUserName = "Santa Organiser";
    settings.SMTPAccountName = "alice@example.org";
    settings.SMTPAccountPassword = "c2VjcmV0";  // "secret"
  }
  void Confirm(const std::string& subject, const std::string& body) {
    send.SendConfirmed = true;
    send.MailSubject = subject;
    send.MailBody = body;
    send.MailTrailer = "You are a Secret Santa for";
  }

  mail::SmtpContext Context() {
    mail::SmtpContext c{roster, settings, send, {}, {}, [] { return true; }, {}};
    c.compose = [this](const mail::SmtpMessageRequest& r) { return Compose(r); };
    c.base64 = [](std::string_view text) { return Base64(text); };
    return c;
  }

  // The documented three header lines and a body naming the receiver; enough for the session.
  std::string Compose(const mail::SmtpMessageRequest& r) const {
    std::string text = "From: " + settings.SMTPUserName + "<" + settings.SMTPAccountName + ">\r\n" +
                       "To: " + r.giver_name + "<" + r.recipient + ">\r\n" + "Subject: " +
                       r.giver_name + " " + send.MailSubject + "\r\n\r\n" + send.MailBody;
    if (!r.free_form)
      text += "\r\n" + send.MailTrailer + " " + r.receiver_name + "\r\nNotes: " + r.receiver_notes;
    return text + "\r\n\r\n";
  }

  // Known encodings of the test's login names (the real encoder lives with the settings).
  static std::string Base64(std::string_view text) {
    static const std::map<std::string, std::string, std::less<>> known = {
        {"alice", "YWxpY2U="}, {"tester", "dGVzdGVy"}};
    auto it = known.find(text);
    return it == known.end() ? "?" : it->second;
  }

  testing_support::FakeUi ui;
  roster::Roster roster;
  mail::MailSettings settings;
  mail::SendValues send;
};

inline std::vector<Person> ThreePeople() {
  return {{"Ann", "ann@example.org", "books", 2},
          {"Bob", "bob@example.org", "socks", 3},
          {"Cid", "cid@example.org", "", 1}};
}

}  // namespace smtp_testing
