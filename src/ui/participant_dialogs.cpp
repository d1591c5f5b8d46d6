#include "ui/participant_dialogs.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "roster/validation.h"

namespace ui {

namespace {

QPushButton* AddButton(QDialog* d, QHBoxLayout* row, const char* name, const char* caption) {
  auto* b = new QPushButton(QCoreApplication::translate("Dialogs", caption), d);
  b->setObjectName(name);
  b->setAutoDefault(false);
  row->addWidget(b);
  return b;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ParticipantFields::ParticipantFields(QDialog* dialog)
    : name(new QLineEdit(dialog)), email(new QLineEdit(dialog)), notes(new QLineEdit(dialog)) {
  name->setObjectName("txtName");
  email->setObjectName("txtEmailAddress");
  notes->setObjectName("txtNotes");
  auto* form = new QFormLayout;
  form->addRow(QCoreApplication::translate("Dialogs", "Participant Name"), name);
  form->addRow(QCoreApplication::translate("Dialogs", "Email Address"), email);
  form->addRow(QCoreApplication::translate("Dialogs", "Notes / Gift Suggestions"), notes);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(form);
  name->setMinimumWidth(320);
}

std::string ParticipantFields::Name() const { return name->text().toStdString(); }
std::string ParticipantFields::Email() const { return email->text().toStdString(); }
std::string ParticipantFields::Notes() const { return notes->text().toStdString(); }

bool ParticipantFields::Validate(roster::Ui& ui) {
  if (!roster::ValidateUserName(ui, Name())) {
    name->setFocus();
    return false;
  }
  if (!roster::ValidateEmailAddress(ui, Email())) {
    email->setFocus();
    return false;
  }
  return true;
}

ManualAdditionDialog::ManualAdditionDialog(roster::Roster& roster, QWidget* parent)
    : QDialog(parent), roster_(roster), fields_(this) {
  setObjectName("frmManualAddition");
  setWindowTitle(QCoreApplication::translate("Dialogs", "Manual Addition of Participants"));
  auto* row = new QHBoxLayout;
  row->addStretch();
  QPushButton* add = AddButton(this, row, "cmdAdd", QT_TRANSLATE_NOOP("Dialogs", "Add"));
  QPushButton* close = AddButton(this, row, "cmdClose", QT_TRANSLATE_NOOP("Dialogs", "Close"));
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  add->setDefault(true);
  connect(add, &QPushButton::clicked, this, &ManualAdditionDialog::cmdAdd_Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void ManualAdditionDialog::cmdAdd_Click() {
  if (!fields_.Validate(roster_.ui())) return;
  // The boxes keep their text so the next participant is typed over this one.
  roster_.AddParticipant("", fields_.Name(), fields_.Email(), fields_.Notes(), true);
}

EditDialog::EditDialog(roster::Roster& roster, QWidget* parent)
    : QDialog(parent), roster_(roster), fields_(this) {
  setObjectName("frmEdit");
  setWindowTitle(QCoreApplication::translate("Dialogs", "Edit Selected Participant"));
  auto* row = new QHBoxLayout;
  row->addStretch();
  QPushButton* save = AddButton(this, row, "cmdSave", QT_TRANSLATE_NOOP("Dialogs", "Save"));
  QPushButton* del =
      AddButton(this, row, "cmdDeleteParticipant", QT_TRANSLATE_NOOP("Dialogs", "Delete"));
  QPushButton* close = AddButton(this, row, "cmdClose", QT_TRANSLATE_NOOP("Dialogs", "Close"));
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &EditDialog::cmdSave_Click);
  connect(del, &QPushButton::clicked, this, &EditDialog::cmdDeleteParticipant_Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  const roster::Grid& g = roster_.grid();
  fields_.name->setText(Q(g.TextMatrix(roster_.EditRow, roster::kColName)));
  fields_.email->setText(Q(g.TextMatrix(roster_.EditRow, roster::kColEmail)));
  fields_.notes->setText(Q(g.TextMatrix(roster_.EditRow, roster::kColNotes)));
}

void EditDialog::cmdSave_Click() {
  if (!fields_.Validate(roster_.ui())) return;
  roster::Grid& g = roster_.grid();
  g.SetRow(roster_.EditRow);
  g.SetCol(roster::kColName);
  g.SetText(fields_.Name());
  g.SetCol(roster::kColEmail);
  g.SetText(fields_.Email());
  std::string notes = fields_.Notes();
  g.SetCol(roster::kColNotes);
  g.SetText(roster::RemoveSubstring(notes, "\""));
  accept();
}

void EditDialog::cmdDeleteParticipant_Click() {
  roster_.grid().SetRow(roster_.EditRow);
  if (roster_.grid().Rows() < 3)
    roster_.ClearList();
  else
    roster_.RemoveParticipant();
  accept();
}

}  // namespace ui
