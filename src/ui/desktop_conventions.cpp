#include "ui/desktop_conventions.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTableView>

#include "ui/grid_model.h"
#include "ui/main_window.h"

namespace ui {

namespace {

bool HasAccessKey(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return true;
    ++i;  // "&&" is a literal ampersand
  }
  return false;
}

QSettings WindowState(const MainWindow& w) {
  return QSettings(QString::fromStdString(WindowStateFile(w).string()), QSettings::IniFormat);
}

// Arrow keys and Enter on the grid: the row the keyboard reaches is the one Edit and Delete
// act on; Space marks its name as a click on it does.
class GridKeys : public QObject {
 public:
  explicit GridKeys(MainWindow& w) : QObject(&w), w_(w) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QTableView* view = w_.GridView();
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Home:
      case Qt::Key_End:
        // Moved first, then taken as the current participant.
        watched->event(event);
        Focus(CurrentRow(view));
        return true;
      case Qt::Key_Space:
        if (int row = CurrentRow(view); row >= 1) w_.MSFlexGrid_MouseDown(row, roster::kColName);
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_F2:
        if (int row = CurrentRow(view); row >= 1) {
          Focus(row);
          w_.RunCommand("mnuEditParticipant");
        }
        return true;
      default:
        return false;
    }
  }

 private:
  int CurrentRow(QTableView* view) const {
    const QModelIndex i = view->currentIndex();
    return i.isValid() ? w_.Model()->GridRow(i.row()) : -1;
  }
  void Focus(int row) {
    if (row < 1) return;
    w_.roster().FocusRow(row);
    w_.Refresh();
  }

  MainWindow& w_;
};

void AddShortcuts(MainWindow& w) {
  const std::pair<const char*, QKeySequence> keys[] = {
      {"mnuNew", QKeySequence::New},
      {"mnuOpen", QKeySequence::Open},
      {"mnuSave", QKeySequence::Save},
      {"mnuSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {"mnuDeleteParticipant", QKeySequence(Qt::Key_Delete)},
      {"mnuDemoGettingStarted", QKeySequence(Qt::Key_F1)},
  };
  for (const auto& [name, key] : keys)
    if (QAction* a = w.Action(name)) a->setShortcut(key);
}

void AddRecentFilesMenu(MainWindow& w) {
  auto* file_menu = w.findChild<QMenu*>("mnuFile");
  auto* recent = new QMenu(QObject::tr("Open &Recent"), &w);
  recent->setObjectName("mnuRecent");
  file_menu->insertMenu(w.Action("mnuSave"), recent);
  auto rebuild = [&w, recent] {
    recent->clear();
    const QStringList files = WindowState(w).value("recentFiles").toStringList();
    int n = 0;
    for (const QString& path : files) {
      ++n;
      QAction* a = recent->addAction(QString("&%1 %2").arg(n).arg(path));
      QObject::connect(a, &QAction::triggered, &w,
                       [&w, path] { w.OpenListFile(path.toStdString()); });
    }
    recent->setEnabled(!files.isEmpty());
  };
  rebuild();
  w.SetDocumentListener([&w, rebuild](const std::filesystem::path& path) {
    if (path.empty()) return;
    QSettings state = WindowState(w);
    state.setValue("recentFiles", AddRecentFile(state.value("recentFiles").toStringList(),
                                                QString::fromStdString(path.string())));
    state.sync();
    rebuild();
  });
}

}  // namespace

QString WithAccessKey(const QString& caption, QString& taken) {
  if (caption == "-" || caption.isEmpty()) return caption;
  if (HasAccessKey(caption)) {
    taken += AccessKeyOf(caption);
    return caption;
  }
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      ++i;
      continue;
    }
    const QChar c = caption[i].toLower();
    if (!c.isLetterOrNumber() || taken.contains(c)) continue;
    taken += c;
    QString out = caption;
    out.insert(i, '&');
    return out;
  }
  return caption;
}

QChar AccessKeyOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1].toLower();
    ++i;
  }
  return {};
}

QString InsertAccessKey(const QString& caption, QChar key) {
  if (key.isNull() || HasAccessKey(caption)) return caption;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      ++i;
      continue;
    }
    if (caption[i].toLower() == key) return QString(caption).insert(i, '&');
  }
  return caption;
}

QStringList AddRecentFile(QStringList recent, const QString& path) {
  recent.removeAll(path);
  recent.prepend(path);
  while (recent.size() > kMaxRecentFiles) recent.removeLast();
  return recent;
}

std::filesystem::path WindowStateFile(const MainWindow& w) {
  return w.paths().config_file.parent_path() / "window.ini";
}

QMenu* GridContextMenu(MainWindow& w, int row) {
  w.roster().FocusRow(row);
  w.Refresh();
  auto* menu = new QMenu(&w);
  menu->setObjectName("mnuGridContext");
  menu->addAction(w.Action("mnuEditParticipant"));
  menu->addAction(w.Action("mnuDeleteParticipant"));
  menu->addSeparator();
  QAction* mark = menu->addAction(QObject::tr("&Mark or Unmark Name"));
  mark->setObjectName("mnuToggleMark");
  mark->setShortcut(Qt::Key_Space);
  QObject::connect(mark, &QAction::triggered, &w,
                   [&w, row] { w.MSFlexGrid_MouseDown(row, roster::kColName); });
  return menu;
}

void WireDesktopConventions(MainWindow& w) {
  AddShortcuts(w);
  AddRecentFilesMenu(w);
  QTableView* view = w.GridView();
  view->installEventFilter(new GridKeys(w));
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view, &QWidget::customContextMenuRequested, &w, [&w, view](const QPoint& pos) {
    const QModelIndex i = view->indexAt(pos);
    if (!i.isValid() || w.roster().DrawingInProgress()) return;
    QMenu* menu = GridContextMenu(w, w.Model()->GridRow(i.row()));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(view->viewport()->mapToGlobal(pos));
  });
  const QByteArray geometry = WindowState(w).value("geometry").toByteArray();
  if (!geometry.isEmpty()) w.restoreGeometry(geometry);
  w.AddShutdownStep([&w] {
    QSettings state = WindowState(w);
    state.setValue("geometry", w.saveGeometry());
  });
}

}  // namespace ui
