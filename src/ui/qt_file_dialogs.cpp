#include "ui/qt_file_dialogs.h"

#include <QFileDialog>

#include "ui/load_file_options_dialog.h"
#include "ui/qt_ui.h"

namespace ui {

QStringList ToNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    QString pattern = parts[i + 1];
    if (pattern == "*.*") pattern = "*";
    // Qt takes the patterns from the parentheses of the description.
    const qsizetype open = description.lastIndexOf('(');
    if (open >= 0) description.truncate(open);
    out << description.trimmed() + " (" + pattern.replace(';', ' ') + ")";
  }
  return out;
}

std::optional<std::filesystem::path> QtFileDialogs::Show(const files::FileDialogRequest& request,
                                                         bool save) {
  QFileDialog dialog(owner_);
  dialog.setObjectName("CommonDialog1");
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save && !request.overwrite_prompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDirectory(QString::fromStdString(request.initial_dir.string()));
  const QStringList filters = ToNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size())
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  // The dialog adds it before its overwrite check, so a bare name is checked as saved.
  if (!request.default_extension.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.default_extension).remove(0, 1));
  if (!request.file_name.empty()) dialog.selectFile(QString::fromStdString(request.file_name));
  if (ExecModal(dialog) != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.front().toStdString());
}

std::optional<std::filesystem::path> QtFileDialogs::ShowOpen(
    const files::FileDialogRequest& request) {
  return Show(request, false);
}

std::optional<std::filesystem::path> QtFileDialogs::ShowSave(
    const files::FileDialogRequest& request) {
  return Show(request, true);
}

files::LoadOptions QtFileDialogs::ShowLoadOptions(const files::LoadOptions& prepared) {
  return ShowLoadFileOptions(owner_, prepared);
}

}  // namespace ui
