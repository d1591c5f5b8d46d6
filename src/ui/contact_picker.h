#pragma once
// The address book of the desktop-mail path: a dialog over a contacts file (vCard or CSV,
// exported from any mail program or phone) that lists name and address with check boxes and
// a filter, and QtAddressBook, which shows it for the mail client's Show.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mail/contacts/address_book.h"
#include "mail/contacts/contacts.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class ContactPicker : public QDialog {
  Q_OBJECT

 public:
  explicit ContactPicker(QWidget* parent = nullptr);

  // Loads a contacts file into the list (replacing what it held); false when it cannot be read.
  bool LoadFile(const QString& path);
  QString FilePath() const { return path_; }
  // The checked people, in the file's order.
  std::vector<mail::Contact> Chosen() const;

  // What Browse asks for a file; by default the desktop's open dialog.
  void SetFileChooser(std::function<QString()> chooser) { chooser_ = std::move(chooser); }

 private:
  void ApplyFilter();
  void UpdateButtons();
  void Browse();

  QLineEdit* file_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QCheckBox* all_ = nullptr;
  QLabel* info_ = nullptr;
  QPushButton* ok_ = nullptr;
  QString path_;
  std::vector<mail::Contact> contacts_;
  std::function<QString()> chooser_;
};

// Shows the picker modally over the owner; the last contacts file is read and remembered
// through the two functions (the settings store).
class QtAddressBook : public mail::AddressBook {
 public:
  QtAddressBook(QWidget* owner, std::function<std::string()> last_file,
                std::function<void(const std::string&)> remember_file)
      : owner_(owner), last_file_(std::move(last_file)), remember_file_(std::move(remember_file)) {}
  std::optional<std::vector<mail::Contact>> Choose() override;

 private:
  QWidget* owner_;
  std::function<std::string()> last_file_;
  std::function<void(const std::string&)> remember_file_;
};

}  // namespace ui
