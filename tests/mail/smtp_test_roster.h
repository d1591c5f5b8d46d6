#pragma once
// A roster with a drawing in column 4 and the mail values a run reads, for the sending tests.

#include <string>
#include <vector>

#include "mail/message.h"
#include "mail/smtp/smtp_compose.h"
#include "mail/smtp/smtp_engine.h"
#include "roster/deliveries.h"
#include "roster/roster.h"
#include "support/fake_ui.h"

namespace smtp_testing {

struct Person {
  std::string name, email, notes;
  int receiver = 0;  // row number, 0 for none
};

class SmtpWorld {
 public:
  SmtpWorld() : roster(ui) {
    roster.SetupGrid();
    roster.MessageFooter = mail::BuildMessageFooter();
  }

  void Add(const std::vector<Person>& people) {
    for (const Person& p : people) roster.AddParticipant("", p.name, p.email, p.notes, false);
    for (std::size_t i = 0; i < people.size(); ++i)
      if (people[i].receiver)
        roster.grid().SetTextMatrix(static_cast<int>(i) + 1, roster::kColResult,
                                    std::to_string(people[i].receiver));
  }
  void Mark(int row) {
    roster.grid().SetCellColors(row, roster::kColName, roster::kWhite, roster::kRed);
  }

  void UseServer(const std::string& server, bool auth) {
    settings.UseSMTP = true;
    settings.SMTPServer = server;
    settings.ServerRequiresAuthentication = auth;
    settings.SMTPUserName = "Santa Organiser";
    settings.SMTPAccountName = "alice@example.org";
    settings.SMTPAccountPassword = "c2VjcmV0";  // "secret"
    settings.AllowUnencryptedSMTP = true;       // most test servers offer no STARTTLS
  }
  void Confirm(const std::string& subject, const std::string& body) {
    send.SendConfirmed = true;
    send.MailSubject = subject;
    send.MailBody = body;
    send.MailTrailer = "You are a Secret Santa for";
  }

  static bool Online() { return true; }
  mail::SmtpContext Context() {
    return {settings, send, mail::WireComposer(settings, clock), Online, {}};
  }
  // The lists the window hands to its sender as a run starts.
  mail::DeliveryRun Drawing() const { return roster::DrawingDeliveries(roster, send); }
  mail::DeliveryRun Message() const { return roster::MessageDeliveries(roster, send, true); }

  testing_support::FakeUi ui;
  roster::Roster roster;
  mail::MailSettings settings;
  mail::SendValues send;
  roster::ManualClock clock{std::chrono::system_clock::from_time_t(1796000000)};
};

inline std::vector<Person> ThreePeople() {
  return {{"Ann", "ann@example.org", "books", 2},
          {"Bob", "bob@example.org", "socks", 3},
          {"Cid", "cid@example.org", "", 1}};
}

}  // namespace smtp_testing
