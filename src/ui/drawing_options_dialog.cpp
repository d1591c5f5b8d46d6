#include "ui/drawing_options_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "files/history.h"
#include "files/past_drawings.h"
#include "settings/file_settings_store.h"
#include "ui/main_window.h"
#include "ui/qt_ui.h"

namespace ui {

DrawingOptionsDialog::DrawingOptionsDialog(const mail::DrawingPreferences& current, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmDrawingOptions");
  setWindowTitle(QCoreApplication::translate("Dialogs", "Drawing Options"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  spnAvoidYears_ = new QSpinBox(this);
  spnAvoidYears_->setObjectName("spnAvoidYears");
  spnAvoidYears_->setRange(0, mail::kMaxAvoidYears);
  spnAvoidYears_->setValue(current.avoid_years);
  spnAvoidYears_->setToolTip(QCoreApplication::translate(
      "Dialogs",
      "Nobody draws anyone they drew in this many of the latest archived drawings "
      "(matched by e-mail address, else by name)."));
  form->addRow(QCoreApplication::translate("Dialogs", "Avoid the pairs of the last drawings:"),
               spnAvoidYears_);
  layout->addLayout(form);
  chkSingleLoop_ = new QCheckBox(
      QCoreApplication::translate("Dialogs", "One single loop through everybody"), this);
  chkSingleLoop_->setObjectName("chkSingleLoop");
  chkSingleLoop_->setChecked(current.single_loop);
  layout->addWidget(chkSingleLoop_);
  chkNoMutual_ =
      new QCheckBox(QCoreApplication::translate(
                        "Dialogs", "No swapped pairs (nobody draws the person who draws them)"),
                    this);
  chkNoMutual_->setObjectName("chkNoMutual");
  chkNoMutual_->setChecked(current.no_mutual);
  layout->addWidget(chkNoMutual_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName("cmdButtons");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

mail::DrawingPreferences DrawingOptionsDialog::Preferences() const {
  return {spnAvoidYears_->value(), chkSingleLoop_->isChecked(), chkNoMutual_->isChecked()};
}

void ApplyDrawingOptions(MainWindow& w) {
  mail::FileSettingsStore store(w.paths().config_file);
  const mail::DrawingPreferences p = mail::LoadDrawingPreferences(store);
  roster::DrawingChoices choices;
  choices.rules.single_loop = p.single_loop;
  choices.rules.no_mutual = p.no_mutual;
  if (p.avoid_years > 0)
    choices.past =
        files::ReadPastDrawings(w.paths().data_dir / files::kHistoryFolder, p.avoid_years);
  w.roster().SetDrawingChoices(std::move(choices));
}

void WireDrawingOptions(MainWindow& w) {
  w.OnCommand("mnuDrawingOptions", [&w] {
    if (w.roster().DrawingInProgress()) return;
    mail::FileSettingsStore store(w.paths().config_file);
    DrawingOptionsDialog dialog(mail::LoadDrawingPreferences(store), &w);
    if (ExecModal(dialog) == QDialog::Accepted)
      mail::SaveDrawingPreferences(store, dialog.Preferences());
  });
}

}  // namespace ui
