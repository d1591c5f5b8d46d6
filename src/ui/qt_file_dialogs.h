#pragma once
// The Qt side of the file commands' dialogs. Every dialog goes through ExecModal, so tests
// take the QFileDialog or frmLoadFileOptions instead of a window being shown.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "files/file_dialogs.h"

namespace ui {

// "Desc|pattern|Desc|pattern" to Qt's name filters. "*.*" becomes "*", so files without an
// extension still show under "All Files".
QStringList ToNameFilters(const std::string& filter);

class QtFileDialogs : public files::FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* owner) : owner_(owner) {}

  std::optional<std::filesystem::path> ShowOpen(const files::FileDialogRequest& request) override;
  std::optional<std::filesystem::path> ShowSave(const files::FileDialogRequest& request) override;
  files::LoadOptions ShowLoadOptions(const files::LoadOptions& prepared) override;

 private:
  std::optional<std::filesystem::path> Show(const files::FileDialogRequest& request, bool save);

  QPointer<QWidget> owner_;
};

}  // namespace ui
