// Contacts files of 5,000 people in the layouts the address book reads, the import of all of
// them into the roster, and the cost of handing one message to a mailer process.
// Prints a table; median of 5 runs each.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/quiet_ui.h"
#include "mail/contacts/contacts.h"
#include "mail/mailer/mailer.h"
#include "mail/mailer/mapi_delivery.h"
#include "ui/address_book_rows.h"

namespace {

using bench::MedianMs;
using QuietUi = roster::QuietUi;

constexpr int kPeople = 5000;

std::string VCards30() {
  std::string s;
  for (int i = 0; i < kPeople; ++i) {
    const std::string n = std::to_string(i);
    s += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Family" + n + ";Given" + n + ";;;\r\nFN:Given" + n +
         " Family" + n + "\r\nEMAIL;TYPE=INTERNET,HOME:p" + n + "@home.example\r\n" +
         "EMAIL;TYPE=INTERNET,WORK:p" + n + "@work.example\r\nTEL;TYPE=CELL:+1 555 0100\r\n" +
         "NOTE:a long note that is folded over several lines as exporters do for anything \r\n"
         " longer than seventy-five octets, so unfolding is part of the work\r\nEND:VCARD\r\n";
  }
  return s;
}

std::string VCards21() {
  std::string s;
  for (int i = 0; i < kPeople; ++i) {
    const std::string n = std::to_string(i);
    s += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller" + n +
         ";J=C3=B6rg;;;\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=B6rg M=C3=BC=\r\n"
         "ller" +
         n + "\r\nEMAIL;INTERNET;PREF:j" + n + "@example.de\r\nEND:VCARD\r\n";
  }
  return s;
}

std::string CsvWide() {
  // A desktop client's export: 90 columns, most of them empty.
  std::string s = "First Name,Middle Name,Last Name";
  for (int c = 0; c < 84; ++c) s += ",Field " + std::to_string(c);
  s += ",E-mail Address,E-mail Type,E-mail Display Name\r\n";
  for (int i = 0; i < kPeople; ++i) {
    const std::string n = std::to_string(i);
    s += "\"First" + n + "\",,\"Last" + n + "\"" + std::string(84, ',') + ",\"p" + n +
         "@example.org\",\"SMTP\",\"First" + n + " Last" + n + " (p" + n + "@example.org)\"\r\n";
  }
  return s;
}

// Returns the parsed people as the address book would.
class BookClient : public mail::MailClient {
 public:
  explicit BookClient(const std::vector<mail::Contact>& people) : people_(people) {}
  void SetDownloadMail(bool) override {}
  void SetNewSession(bool) override {}
  void SignOn() override {}
  std::int32_t SessionID() const override { return 1; }
  void SignOff() override {}
  void SetMessageSessionID(std::int32_t) override {}
  void Compose() override {}
  void Show() override {}
  int RecipCount() const override { return static_cast<int>(people_.size()); }
  void SetRecipIndex(int i) override { index_ = i; }
  std::string RecipDisplayName() const override { return people_[index_].name; }
  void SetRecipDisplayName(const std::string&) override {}
  std::string RecipAddress() const override { return "SMTP:" + people_[index_].address; }
  void SetRecipType(int) override {}
  void SetAddressResolveUI(bool) override {}
  void SetMsgSubject(const std::string&) override {}
  void SetMsgNoteText(const std::string&) override {}
  void Send(bool) override {}

 private:
  const std::vector<mail::Contact>& people_;
  int index_ = 0;
};

}  // namespace

int main() {
  std::printf("| input | size KiB | contacts | skipped | ms |\n|---|---|---|---|---|\n");
  struct Input {
    const char* name;
    std::string data;
  };
  const Input inputs[] = {{"vCard 3.0, folded, 2 addresses each", VCards30()},
                          {"vCard 2.1, quoted-printable, UTF-8", VCards21()},
                          {"CSV, 90 columns", CsvWide()}};
  std::vector<mail::Contact> people;
  for (const Input& in : inputs) {
    mail::ContactsLoad load;
    const double ms = MedianMs([&] { load = mail::ParseContacts(in.data); });
    std::printf("| %s | %zu | %zu | %d | %.2f |\n", in.name, in.data.size() / 1024,
                load.contacts.size(), load.skipped, ms);
    if (people.empty()) people = load.contacts;
  }

  people.resize(kPeople);
  int rows = 0;
  const double import_ms = MedianMs([&] {
    QuietUi ui;
    roster::Roster roster(ui);
    roster.SetupGrid();
    BookClient client(people);
    mail::SendValues values;
    mail::MapiDelivery delivery(ui, roster.MapiLoggedOn, client, values);
    ui::AddFromAddressBook(roster, delivery);
    rows = roster.ParticipantCount();
  });
  std::printf("\n| step | ms |\n|---|---|\n");
  std::printf("| import %d chosen people into an empty roster | %.2f |\n", rows, import_ms);

  const std::string message(4000, 'x');
  const double spawn_ms = MedianMs(
      [&] {
        for (int i = 0; i < 20; ++i)
          mail::RunMailer({"/bin/cat"}, message, std::chrono::seconds(5));
      },
      5);
  std::printf("| hand one 4 KB message to a mailer process (/bin/cat) | %.2f |\n", spawn_ms / 20);
  return 0;
}
