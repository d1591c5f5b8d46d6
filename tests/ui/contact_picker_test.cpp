// The address-book picker, alone and behind the window's Add Participants command.

#include "ui/contact_picker.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "support/qt_helpers.h"
#include "ui/wire_mapi.h"

namespace {

using testing_support::Find;
using testing_support::TempDir;
using testing_support::WriteAll;

const char* const kCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nEMAIL:ann@example.org\r\n"
    "EMAIL:ann@work.example\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob Stone\r\nEMAIL:bob@example.org\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:No Mail\r\nTEL:1\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cid Ray\r\nEMAIL:cid@example.org\r\nEND:VCARD\r\n";

void Check(QTreeWidget* list, int row) { list->topLevelItem(row)->setCheckState(0, Qt::Checked); }

TEST(ContactPickerTest, ListsFiltersAndReturnsTheCheckedPeople) {
  TempDir dir;
  WriteAll(dir.path() / "people.vcf", kCards);
  ui::ContactPicker picker;
  ASSERT_TRUE(picker.LoadFile(QString::fromStdString((dir.path() / "people.vcf").string())));

  auto* list = Find<QTreeWidget>(picker, "lstContacts");
  ASSERT_EQ(list->topLevelItemCount(), 4);
  EXPECT_EQ(list->topLevelItem(1)->text(0), "Ann Lee");
  EXPECT_EQ(list->topLevelItem(1)->text(1), "ann@work.example");
  EXPECT_EQ(Find<QLabel>(picker, "lblInfo")->text(),
            "4 contacts in people.vcf; 1 entry skipped (no usable e-mail address)");
  auto* ok = Find<QPushButton>(picker, "cmdOK");
  EXPECT_FALSE(ok->isEnabled());  // nobody checked yet

  // The filter matches names and addresses; checks survive it.
  Check(list, 3);
  Find<QLineEdit>(picker, "txtFilter")->setText("EXAMPLE.ORG");
  EXPECT_FALSE(list->topLevelItem(0)->isHidden());
  EXPECT_TRUE(list->topLevelItem(1)->isHidden());
  Find<QLineEdit>(picker, "txtFilter")->setText("bob");
  Find<QCheckBox>(picker, "chkSelectAll")->click();  // only the shown row
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_EQ(ok->text(), "&Add 2");
  Find<QLineEdit>(picker, "txtFilter")->clear();
  EXPECT_FALSE(Find<QCheckBox>(picker, "chkSelectAll")->isChecked());  // two of four shown
  EXPECT_EQ(picker.Chosen(), (std::vector<mail::Contact>{{"Bob Stone", "bob@example.org"},
                                                         {"Cid Ray", "cid@example.org"}}));

  // Browse: a missing file says so and keeps the list; a large one replaces it.
  std::string next = "gone.csv";
  picker.SetFileChooser([&] { return QString::fromStdString((dir.path() / next).string()); });
  Find<QPushButton>(picker, "cmdBrowse")->click();
  EXPECT_TRUE(Find<QLabel>(picker, "lblInfo")->text().contains("gone.csv]"));
  EXPECT_EQ(list->topLevelItemCount(), 4);
  // A pipe is refused rather than waited on, and the dialog takes input again.
  ASSERT_EQ(::mkfifo((dir.path() / "pipe.vcf").c_str(), 0600), 0);
  next = "pipe.vcf";
  Find<QPushButton>(picker, "cmdBrowse")->click();
  EXPECT_TRUE(Find<QLabel>(picker, "lblInfo")->text().endsWith("pipe.vcf] is not a regular file"));
  EXPECT_EQ(list->topLevelItemCount(), 4);
  EXPECT_TRUE(picker.isEnabled());
  std::string csv = "Name,E-mail Address\n";
  for (int i = 0; i < 5000; ++i)
    csv += "P" + std::to_string(i) + ",p" + std::to_string(i) + "@x.org\n";
  WriteAll(dir.path() / "big.csv", csv + "Broken,\nNo Address,\n");
  next = "big.csv";
  Find<QPushButton>(picker, "cmdBrowse")->click();
  EXPECT_EQ(list->topLevelItemCount(), 5000);
  EXPECT_EQ(Find<QLabel>(picker, "lblInfo")->text(),
            "5000 contacts in big.csv; 2 entries skipped (no usable e-mail address)");
  EXPECT_TRUE(picker.Chosen().empty());
  EXPECT_FALSE(Find<QCheckBox>(picker, "chkSelectAll")->isChecked());  // nothing new is ticked
  Find<QCheckBox>(picker, "chkSelectAll")->click();
  EXPECT_EQ(picker.Chosen().size(), 5000u);
}

using AddressBookWindowTest = testing_support::WindowTest;

TEST_F(AddressBookWindowTest, ChosenPeopleJoinTheRosterAndTheFileIsRemembered) {
  window_.MailSettings.MailerCommand = "/bin/cat";
  WriteAll(dir_.path() / "people.vcf", kCards);
  const QString path = QString::fromStdString((dir_.path() / "people.vcf").string());
  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmAddressBook");
    auto& picker = static_cast<ui::ContactPicker&>(d);
    picker.SetFileChooser([&] { return path; });
    Find<QPushButton>(d, "cmdBrowse")->click();
    auto* list = Find<QTreeWidget>(d, "lstContacts");
    Check(list, 0);
    Check(list, 2);
    Find<QPushButton>(d, "cmdOK")->click();
    return d.result();
  });
  window_.RunCommand("mnuAddressBook");
  ASSERT_EQ(window_.roster().grid().Rows(), 3);  // the placeholder row was reused
  EXPECT_EQ(Cell(1, roster::kColName), "Ann Lee");
  EXPECT_EQ(Cell(2, roster::kColEmail), "bob@example.org");
  EXPECT_EQ(window_.qt_ui().StatusText(), "Ready");
  EXPECT_TRUE(window_.roster().MapiLoggedOn);

  // Next time the picker opens on the remembered file; Cancel adds nobody.
  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_EQ(static_cast<ui::ContactPicker&>(d).FilePath(), path);
    EXPECT_EQ(Find<QTreeWidget>(d, "lstContacts")->topLevelItemCount(), 4);
    Find<QPushButton>(d, "cmdCancel")->click();
    return d.result();
  });
  window_.Toolbar_ButtonClick("PAB");
  EXPECT_EQ(window_.roster().grid().Rows(), 3);
  EXPECT_EQ(window_.qt_ui().StatusText(), "Ready");
  EXPECT_TRUE(boxes_.boxes.empty());

  // Closing the window logs the open session off.
  window_.close();
  EXPECT_FALSE(window_.roster().MapiLoggedOn);
}

// The mailer is checked before the book opens; its failure is a failed logon.
TEST_F(AddressBookWindowTest, MissingMailerIsAFailedLogon) {
  window_.MailSettings.MailerCommand = (dir_.path() / "no-sendmail").string() + " -t -oi";
  ui::SetModalHandler([](QDialog&) {
    ADD_FAILURE() << "the book opened";
    return 0;
  });
  window_.RunCommand("mnuAddressBook");
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].style, roster::mb::kCritical);
  EXPECT_EQ(boxes_.boxes[0].text.rfind("Error Failed to Logon to MAPI Email Client", 0), 0u);
  EXPECT_EQ(window_.qt_ui().StatusText(), "Logging on to MAPI Email Client...");
}

}  // namespace
