#pragma once
// frmManualAddition and frmEdit: type participants in, correct or delete one.

#include <QDialog>

#include "roster/roster.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {

// The three labelled boxes both dialogs share.
class ParticipantFields {
 public:
  explicit ParticipantFields(QDialog* dialog);
  QLineEdit* name;
  QLineEdit* email;
  QLineEdit* notes;
  std::string Name() const;
  std::string Email() const;
  std::string Notes() const;
  // Runs both checks with their messages; focuses the offending box.
  bool Validate(roster::Ui& ui);
};

class ManualAdditionDialog : public QDialog {
  Q_OBJECT
 public:
  ManualAdditionDialog(roster::Roster& roster, QWidget* parent);
  void cmdAdd_Click();

 private:
  roster::Roster& roster_;
  ParticipantFields fields_;
};

class EditDialog : public QDialog {
  Q_OBJECT
 public:
  EditDialog(roster::Roster& roster, QWidget* parent);
  void cmdSave_Click();
  void cmdDeleteParticipant_Click();

 private:
  roster::Roster& roster_;
  ParticipantFields fields_;
};

}  // namespace ui
