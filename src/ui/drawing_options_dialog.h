#pragma once
// frmDrawingOptions (Tools > Drawing Options): avoid previous years, one single loop, no
// swapped pairs. The choices are kept in the settings store.

#include <QDialog>

#include "settings/drawing_preferences.h"

class QCheckBox;
class QSpinBox;

namespace ui {

class MainWindow;

class DrawingOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit DrawingOptionsDialog(const mail::DrawingPreferences& current, QWidget* parent = nullptr);
  mail::DrawingPreferences Preferences() const;

 private:
  QSpinBox* spnAvoidYears_;
  QCheckBox* chkSingleLoop_;
  QCheckBox* chkNoMutual_;
};

// Tools > Drawing Options and the choices every drawing of the window is made under.
void WireDrawingOptions(MainWindow& w);
// Reads the kept choices (and the archived drawings they name) into the window's roster;
// called before each drawing.
void ApplyDrawingOptions(MainWindow& w);

}  // namespace ui
