#include "ui/contact_picker.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "ui/qt_ui.h"

namespace ui {

namespace {

constexpr int kIndexRole = Qt::UserRole + 1;

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* const kHint = QT_TRANSLATE_NOOP(
    "Dialogs",
    "Choose a contacts file (vCard .vcf or .csv) exported from your mail program or phone.");

}  // namespace

ContactPicker::ContactPicker(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAddressBook");
  setWindowTitle(QCoreApplication::translate("Dialogs", "Address Book"));
  resize(560, 460);

  file_ = new QLineEdit(this);
  file_->setObjectName("txtContactsFile");
  file_->setPlaceholderText(QCoreApplication::translate("Dialogs", "Contacts file"));
  auto* browse = new QPushButton(QCoreApplication::translate("Dialogs", "&Browse..."), this);
  browse->setObjectName("cmdBrowse");
  auto* file_row = new QHBoxLayout;
  file_row->addWidget(file_, 1);
  file_row->addWidget(browse);

  filter_ = new QLineEdit(this);
  filter_->setObjectName("txtFilter");
  filter_->setPlaceholderText(QCoreApplication::translate("Dialogs", "Filter by name or address"));
  filter_->setClearButtonEnabled(true);

  list_ = new QTreeWidget(this);
  list_->setObjectName("lstContacts");
  list_->setHeaderLabels({QCoreApplication::translate("Dialogs", "Name"),
                          QCoreApplication::translate("Dialogs", "Email Address")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);

  all_ = new QCheckBox(QCoreApplication::translate("Dialogs", "Select all &shown"), this);
  all_->setObjectName("chkSelectAll");
  info_ = new QLabel(QCoreApplication::translate("Dialogs", kHint), this);
  info_->setObjectName("lblInfo");
  info_->setTextFormat(Qt::PlainText);  // file names and errors from the file
  info_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QCoreApplication::translate("Dialogs", "&Add"),
                           QDialogButtonBox::AcceptRole);
  ok_->setObjectName("cmdOK");
  ok_->setDefault(true);
  QPushButton* cancel = buttons->addButton(QCoreApplication::translate("Dialogs", "&Cancel"),
                                           QDialogButtonBox::RejectRole);
  cancel->setObjectName("cmdCancel");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(file_row);
  layout->addWidget(filter_);
  layout->addWidget(list_, 1);
  layout->addWidget(all_);
  layout->addWidget(info_);
  layout->addWidget(buttons);

  connect(browse, &QPushButton::clicked, this, &ContactPicker::Browse);
  connect(file_, &QLineEdit::returnPressed, this, [this] { LoadFile(file_->text()); });
  connect(filter_, &QLineEdit::textChanged, this, &ContactPicker::ApplyFilter);
  connect(list_, &QTreeWidget::itemChanged, this, &ContactPicker::UpdateButtons);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [](QTreeWidgetItem* item) {
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  });
  connect(all_, &QCheckBox::clicked, this, [this](bool on) {
    const QSignalBlocker block(list_);
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = list_->topLevelItem(i);
      if (!item->isHidden()) item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }
    UpdateButtons();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  UpdateButtons();
}

namespace {

// Reads and parses on a worker thread, so a slow disk or a large file never freezes the
// window; the dialog takes no input meanwhile but keeps painting.
mail::ContactsLoad LoadOffTheGuiThread(QWidget& dialog, const QString& path) {
  mail::ContactsLoad load;
  const std::filesystem::path file(path.toStdString());
  QEventLoop wait;
  QThread* worker = QThread::create([&load, file] { load = mail::LoadContactsFile(file); });
  QObject::connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
  dialog.setEnabled(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  worker->start();
  wait.exec(QEventLoop::ExcludeUserInputEvents);
  worker->wait();
  delete worker;
  QApplication::restoreOverrideCursor();
  dialog.setEnabled(true);
  return load;
}

}  // namespace

bool ContactPicker::LoadFile(const QString& path) {
  file_->setText(path);
  info_->setText(QString(QCoreApplication::translate("Dialogs", "Reading %1..."))
                     .arg(QFileInfo(path).fileName()));
  mail::ContactsLoad load = LoadOffTheGuiThread(*this, path);
  if (!load.error.empty()) {
    info_->setText(Q(load.error));
    return false;
  }
  path_ = path;
  contacts_ = std::move(load.contacts);

  list_->setUpdatesEnabled(false);
  {
    const QSignalBlocker block(list_);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(contacts_.size()));
    for (std::size_t i = 0; i < contacts_.size(); ++i) {
      auto* item = new QTreeWidgetItem({Q(contacts_[i].name), Q(contacts_[i].address)});
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
      item->setCheckState(0, Qt::Unchecked);
      item->setData(0, kIndexRole, static_cast<int>(i));
      items.append(item);
    }
    list_->addTopLevelItems(items);
  }
  list_->setUpdatesEnabled(true);

  const auto count = static_cast<qsizetype>(contacts_.size());
  QString text = QString(count == 1 ? QCoreApplication::translate("Dialogs", "%1 contact in %2")
                                    : QCoreApplication::translate("Dialogs", "%1 contacts in %2"))
                     .arg(count)
                     .arg(QFileInfo(path).fileName());
  if (load.skipped > 0)
    text += QString(load.skipped == 1
                        ? QCoreApplication::translate(
                              "Dialogs", "; %1 entry skipped (no usable e-mail address)")
                        : QCoreApplication::translate(
                              "Dialogs", "; %1 entries skipped (no usable e-mail address)"))
                .arg(load.skipped);
  info_->setText(text);
  ApplyFilter();
  return true;
}

std::vector<mail::Contact> ContactPicker::Chosen() const {
  std::vector<mail::Contact> chosen;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->checkState(0) == Qt::Checked)
      chosen.push_back(contacts_[static_cast<std::size_t>(item->data(0, kIndexRole).toInt())]);
  }
  return chosen;
}

void ContactPicker::ApplyFilter() {
  const QString f = filter_->text().trimmed();
  list_->setUpdatesEnabled(false);
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    const bool match = f.isEmpty() || item->text(0).contains(f, Qt::CaseInsensitive) ||
                       item->text(1).contains(f, Qt::CaseInsensitive);
    item->setHidden(!match);
  }
  list_->setUpdatesEnabled(true);
  UpdateButtons();
}

void ContactPicker::UpdateButtons() {
  int checked = 0, shown = 0, shown_checked = 0;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    const bool on = item->checkState(0) == Qt::Checked;
    checked += on;
    if (!item->isHidden()) {
      ++shown;
      shown_checked += on;
    }
  }
  // The box tells the truth about the rows shown, so its next click does what it says.
  all_->setChecked(shown > 0 && shown_checked == shown);
  ok_->setEnabled(checked > 0);
  ok_->setText(checked > 0 ? QString(QCoreApplication::translate("Dialogs", "&Add %1")).arg(checked)
                           : QString(QCoreApplication::translate("Dialogs", "&Add")));
}

void ContactPicker::Browse() {
  QString chosen;
  if (chooser_) {
    chosen = chooser_();
  } else {
    const QString start = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    chosen = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("Dialogs", "Open Contacts File"), start,
        QCoreApplication::translate("Dialogs",
                                    "Contacts (*.vcf *.vcard *.csv *.txt);;All Files (*)"));
  }
  if (!chosen.isEmpty()) LoadFile(chosen);
}

std::optional<std::vector<mail::Contact>> QtAddressBook::Choose() {
  ContactPicker picker(owner_);
  const std::string last = last_file_ ? last_file_() : std::string();
  if (!last.empty() && QFileInfo::exists(Q(last))) picker.LoadFile(Q(last));
  if (ExecModal(picker) != QDialog::Accepted) return std::nullopt;
  if (remember_file_ && !picker.FilePath().isEmpty())
    remember_file_(picker.FilePath().toStdString());
  return picker.Chosen();
}

}  // namespace ui
