#pragma once
// What a desktop user expects of any main window beyond its documented commands: standard
// shortcuts and access keys, keyboard work on the grid, a context menu, recent files and a
// remembered window size.

#include <QString>
#include <QStringList>
#include <filesystem>

class QMenu;

namespace ui {

class MainWindow;

// The caption with an access key: kept when it has one, otherwise the first letter not yet
// taken in its menu (`taken` holds the lower-case keys already used there and grows).
QString WithAccessKey(const QString& caption, QString& taken);
// The access key WithAccessKey chose (null when none), and the caption with that key marked
// again, for captions that change while the program runs.
QChar AccessKeyOf(const QString& caption);
QString InsertAccessKey(const QString& caption, QChar key);

// Most recent first, no duplicates, at most kMaxRecentFiles.
inline constexpr int kMaxRecentFiles = 8;
QStringList AddRecentFile(QStringList recent, const QString& path);

// Where the window keeps its own state (recent files, geometry), beside the settings file.
std::filesystem::path WindowStateFile(const MainWindow& w);

// The grid's context menu for a grid row: Edit, Delete and the name's mark. The caller owns it.
QMenu* GridContextMenu(MainWindow& w, int row);

}  // namespace ui
