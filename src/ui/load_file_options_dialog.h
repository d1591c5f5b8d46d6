#pragma once
// frmLoadFileOptions: what to do with a list file being opened.

#include <QDialog>

#include "files/file_dialogs.h"

class QCheckBox;
class QPushButton;

namespace ui {

class LoadFileOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LoadFileOptionsDialog(QWidget* parent = nullptr);

  // Sets the boxes and the enabling as the reader prepared them.
  void Prepare(const files::LoadOptions& options);
  // The boxes as they stand.
  files::LoadOptions Options() const;

  void chkAddParticipants_Click();
  void cmdContinue_Click();

 private:
  QCheckBox* chkClearList_;
  QCheckBox* chkAddParticipants_;
  QCheckBox* chkIncludeExclusions_;
  QCheckBox* chkSetExclusions_;
  QPushButton* cmdContinue_;
};

// Shows the dialog modally (through ExecModal); a dialog left any other way than with
// Continue reads as all unchecked.
files::LoadOptions ShowLoadFileOptions(QWidget* owner, const files::LoadOptions& prepared);

}  // namespace ui
