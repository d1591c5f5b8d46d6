// Contacts files as real clients and phones write them.

#include "mail/contacts/contacts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "support/temp_dir.h"

namespace mail {
namespace {

using C = Contact;

struct Case {
  const char* what;
  std::string data;
  std::vector<C> expected;
  int skipped = 0;
};

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ContactsLoad r = ParseContacts(c.data);
    EXPECT_EQ(r.skipped, c.skipped);
    EXPECT_EQ(r.contacts, c.expected);
  }
}

TEST(VCardTest, CardsOfEveryVersionAsPhonesAndClientsWriteThem) {
  Check({
      {"a phone's 2.1 export: bare type parameters, Latin-1 bytes, a soft line break",
       "BEGIN:VCARD\r\nVERSION:2.1\r\n"
       "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg;;;\r\n"
       "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=B6rg M=C3=BC=\r\n"
       "ller-Sch=C3=B6n\r\n"
       "EMAIL;INTERNET;PREF:joerg@example.de\r\n"
       "END:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:2.1\r\n"
       "N;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Gar=E7on;Fran=E7ois\r\n"
       "EMAIL;HOME:francois@example.fr\r\n"
       "END:VCARD\r\n",
       {{"Jörg Müller-Schön", "joerg@example.de"}, {"François Garçon", "francois@example.fr"}}},
      {"3.0: folded value joined (also with a tab), escapes, groups, duplicate dropped",
       "BEGIN:VCARD\nVERSION:3.0\n"
       "FN:Smith\\, Anne\n"
       "N:Smith;Anne;;;\n"
       "item1.EMAIL;type=INTERNET;type=pref:anne@\n"
       " example.org\n"
       "EMAIL;TYPE=work:\tanne.smith@work.example\n"
       "EMAIL;TYPE=home:ANNE@EXAMPLE.ORG\n"
       "EMAIL:anne@example.org\n"
       "item1.X-ABLabel:_$!<Other>!$_\n"
       "END:VCARD\n",
       {{"Smith, Anne", "anne@example.org"},
        {"Smith, Anne", "anne.smith@work.example"},
        {"Smith, Anne", "ANNE@EXAMPLE.ORG"}}},
      {"4.0 quoted parameters, base64 and the name fallbacks",
       "BEGIN:VCARD\r\nVERSION:4.0\r\n"
       "FN;LANGUAGE=\"en;x\":\r\n"  // an empty FN falls back to N
       "N:Doe;John;Q.;Dr.;Jr.\r\n"
       "EMAIL;TYPE=\"work,voice\";PREF=1:mailto:john@example.com\r\n"
       "END:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\n"
       "FN;ENCODING=b;CHARSET=UTF-8:QmrDtnJu\r\n"  // "Björn"
       "EMAIL:<bjorn@example.se>\r\n"
       "END:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nNICKNAME:Bee\r\nEMAIL:bee@example.net\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nORG:Acme;Sales\r\nEMAIL:sales@acme.test\r\nEND:VCARD\r\n"
       "BEGIN:VCARD\r\nVERSION:3.0\r\nEMAIL:noname@example.org\r\nEND:VCARD\r\n",
       {{"Dr. John Q. Doe Jr.", "john@example.com"},
        {"Björn", "bjorn@example.se"},
        {"Bee", "bee@example.net"},
        {"Acme", "sales@acme.test"},
        {"noname@example.org", "noname@example.org"}}},
      {"broken cards are skipped and counted, the rest loads",
       "garbage before any card\n"
       "BEGIN:VCARD\nVERSION:3.0\nFN:No Address\nTEL:123\nEND:VCARD\n"
       "BEGIN:VCARD\nVERSION:3.0\nFN:Bad Address\nEMAIL:not-an-address\nEND:VCARD\n"
       "BEGIN:VCARD\nVERSION:3.0\nFN:Never Ended\nEMAIL:open@example.org\n"
       "this line has no colon\n"
       "BEGIN:VCARD\nVERSION:3.0\nFN:Good\nEMAIL:good@example.org\nEND:VCARD\n"
       "BEGIN:VCARD\nFN:Cut Off\nEMAIL:cut@example.org",
       {{"Never Ended", "open@example.org"},
        {"Good", "good@example.org"},
        {"Cut Off", "cut@example.org"}},
       2},
  });
}

TEST(ContactsCsvTest, CommonClientExportsAndRowsWithoutAddress) {
  Check({
      {"webmail, current layout",
       "First Name,Middle Name,Last Name,Nickname,E-mail 1 - Label,E-mail 1 - Value,"
       "E-mail 2 - Label,E-mail 2 - Value\r\n"
       "Ann,,Lee,,* Home,ann@home.example ::: ann@other.example,Work,ann@work.example\r\n"
       ",,,Zed,,zed@example.org,,\r\n",
       {{"Ann Lee", "ann@home.example"},
        {"Ann Lee", "ann@other.example"},
        {"Ann Lee", "ann@work.example"},
        {"Zed", "zed@example.org"}}},
      {"desktop client, semicolons and quoted fields",
       "\"Title\";\"First Name\";\"Last Name\";\"E-mail Address\";\"E-mail Type\";"
       "\"E-mail Display Name\";\"E-mail 2 Address\"\r\n"
       "\"\";\"Carl\";\"O'Neil\";\"carl@example.ie\";\"SMTP\";\"Carl (carl@example.ie)\";"
       "\"\"\r\n",
       {{"Carl O'Neil", "carl@example.ie"}}},
      {"mail program address book",
       "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email\n"
       "Dana,Ray,\"Ray, Dana \"\"DJ\"\"\",,dana@example.org,dana2@example.org\n",
       {{"Ray, Dana \"DJ\"", "dana@example.org"}, {"Ray, Dana \"DJ\"", "dana2@example.org"}}},
      {"tab separated, multi-line cells",
       "Name\tEmail\tNotes\n\"Eve\r\n  Ng\"\teve@example.org\t\"line one\nline two\"\n",
       {{"Eve Ng", "eve@example.org"}}},
      {"no heading row, angle brackets",
       "Fay,fay@example.org\n\"Gus Ho\" <gus@example.org>\n",
       {{"Fay", "fay@example.org"}, {"Gus Ho", "gus@example.org"}}},
      {"rows without address are skipped, blank rows ignored",
       "Name,E-mail Address\nNo Mail,\n\n,,\nBad,not-an-address\nTwo,a@b@c\nOk,ok@example.org",
       {{"Ok", "ok@example.org"}},
       3},
  });
}

TEST(ContactsFileTest, EncodingsOfTheFileAreRecognised) {
  testing_support::TempDir dir;
  auto write = [&](const char* name, const std::string& bytes) {
    testing_support::WriteAll(dir.path() / name, bytes);
    return dir.path() / name;
  };
  // Windows-1252 CSV from an older desktop client.
  ContactsLoad r =
      LoadContactsFile(write("cp1252.csv", "Name,E-mail Address\nRen\xE9\x20\x96 Z,r@x.org\n"));
  EXPECT_EQ(r.contacts, (std::vector<C>{{"René – Z", "r@x.org"}}));
  // UTF-16 with byte-order mark.
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("BEGIN:VCARD\r\nFN:Al\r\nEMAIL:al@x.org\r\nEND:VCARD\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  r = LoadContactsFile(write("utf16.vcf", utf16));
  EXPECT_EQ(r.contacts, (std::vector<C>{{"Al", "al@x.org"}}));
  // UTF-8 with byte-order mark.
  r = LoadContactsFile(write("bom.vcf",
                             "\xEF\xBB\xBF"
                             "BEGIN:VCARD\nFN:Ö\nEMAIL:o@x.org\nEND:VCARD\n"));
  EXPECT_EQ(r.contacts, (std::vector<C>{{"Ö", "o@x.org"}}));
}

TEST(ContactsFileTest, OnlyRegularFilesUpToTheCapAreRead) {
  testing_support::TempDir dir;
#ifndef _WIN32
  // A pipe nobody writes to: opened, it would wait for ever.
  const auto fifo = dir.path() / "contacts.vcf";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ContactsLoad r = LoadContactsFile(fifo);
  EXPECT_EQ(r.error, "The contacts file [" + fifo.string() + "] is not a regular file");
  EXPECT_TRUE(r.contacts.empty());
  r = LoadContactsFile(dir.path());
#else
  ContactsLoad r = LoadContactsFile(dir.path());
#endif
  EXPECT_EQ(r.error, "The contacts file [" + dir.path().string() + "] is not a regular file");

  // Sparse, so the test costs no disk: one byte over the cap is refused unread.
  const auto big = dir.path() / "big.csv";
  testing_support::WriteAll(big, "Name,E-mail Address\nAl,al@x.org\n");
  std::filesystem::resize_file(big, kMaxContactsFileBytes + 1);
  r = LoadContactsFile(big);
  EXPECT_EQ(r.error, "The contacts file [" + big.string() + "] is larger than 64 MB");
  EXPECT_TRUE(r.contacts.empty());
}

// Five thousand people load in the picker test and the benchmark; this is the broken export
// whose one row is nothing but addresses.
TEST(ContactsFileTest, ARowOfTwentyThousandAddressesLoadsQuickly) {
  std::string wide = "Name,Email\nAll,";
  for (int i = 0; i < 20000; ++i) wide += "a" + std::to_string(i) + "@x.org;";
  const auto start = std::chrono::steady_clock::now();
  ContactsLoad w = ParseContacts(wide);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(w.contacts.size(), 20000u);
  EXPECT_EQ(w.contacts.back(), (C{"All", "a19999@x.org"}));
  // Generous even for a debug build on a busy machine.
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

}  // namespace
}  // namespace mail
