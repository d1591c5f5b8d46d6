#include "ui/load_file_options_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt_ui.h"

namespace ui {

namespace {
QCheckBox* Box(QDialog* d, QVBoxLayout* layout, const char* name, const char* caption) {
  auto* box = new QCheckBox(QCoreApplication::translate("Dialogs", caption), d);
  box->setObjectName(name);
  layout->addWidget(box);
  return box;
}
}  // namespace

LoadFileOptionsDialog::LoadFileOptionsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmLoadFileOptions");
  setWindowTitle(QCoreApplication::translate("Dialogs", "Load From File Options"));
  auto* layout = new QVBoxLayout(this);
  chkClearList_ =
      Box(this, layout, "chkClearList", QT_TRANSLATE_NOOP("Dialogs", "Clear Current Participants"));
  chkAddParticipants_ = Box(this, layout, "chkAddParticipants",
                            QT_TRANSLATE_NOOP("Dialogs", "Add Participants from file to List"));
  chkIncludeExclusions_ =
      Box(this, layout, "chkIncludeExclusions",
          QT_TRANSLATE_NOOP("Dialogs", "Include Exclusion information in file"));
  chkSetExclusions_ =
      Box(this, layout, "chkSetExclusions",
          QT_TRANSLATE_NOOP("Dialogs", "Add New Exclusions based on results of previous drawing "));
  auto* row = new QHBoxLayout;
  row->addStretch();
  cmdContinue_ = new QPushButton(QCoreApplication::translate("Dialogs", "Continue"), this);
  cmdContinue_->setObjectName("cmdContinue");
  cmdContinue_->setDefault(true);
  row->addWidget(cmdContinue_);
  layout->addLayout(row);
  connect(chkAddParticipants_, &QCheckBox::clicked, this,
          &LoadFileOptionsDialog::chkAddParticipants_Click);
  connect(cmdContinue_, &QPushButton::clicked, this, &LoadFileOptionsDialog::cmdContinue_Click);
}

void LoadFileOptionsDialog::Prepare(const files::LoadOptions& o) {
  chkClearList_->setChecked(o.clear_list);
  chkAddParticipants_->setChecked(o.add_participants);
  chkIncludeExclusions_->setChecked(o.include_exclusions);
  chkIncludeExclusions_->setEnabled(o.add_participants);
  chkSetExclusions_->setChecked(o.set_exclusions && o.set_exclusions_enabled);
  chkSetExclusions_->setEnabled(o.set_exclusions_enabled);
}

files::LoadOptions LoadFileOptionsDialog::Options() const {
  files::LoadOptions o;
  o.clear_list = chkClearList_->isChecked();
  o.add_participants = chkAddParticipants_->isChecked();
  o.include_exclusions = chkIncludeExclusions_->isChecked();
  o.set_exclusions = chkSetExclusions_->isChecked();
  o.set_exclusions_enabled = chkSetExclusions_->isEnabled();
  return o;
}

void LoadFileOptionsDialog::chkAddParticipants_Click() {
  chkIncludeExclusions_->setEnabled(chkAddParticipants_->isChecked());
}

void LoadFileOptionsDialog::cmdContinue_Click() { accept(); }

files::LoadOptions ShowLoadFileOptions(QWidget* owner, const files::LoadOptions& prepared) {
  LoadFileOptionsDialog dialog(owner);
  dialog.Prepare(prepared);
  if (ExecModal(dialog) != QDialog::Accepted) return {};
  return dialog.Options();
}

}  // namespace ui
