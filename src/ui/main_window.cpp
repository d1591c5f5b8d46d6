#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include "core/tr.h"
#include "ui/desktop_conventions.h"
#include "ui/grid_model.h"
#include "ui/toolbar_images.h"

namespace ui {

namespace {

// The menu tree: a name, and for submenus their items. Captions come from the command table.
struct MenuNode {
  const char* name;
  std::vector<MenuNode> items = {};
};

const std::vector<MenuNode>& MenuTree() {
  static const std::vector<MenuNode> tree = {
      {"mnuFile", {{"mnuNew"}, {"mnuOpen"}, {"mnuSave"}, {"mnuSaveAs"}, {"mnuSep1"}, {"mnuExit"}}},
      {"mnuEdit",
       {{"mnuAddParticipants", {{"mnuAddressBook"}, {"mnuManualAddition"}}},
        {"mnuEditParticipant"},
        {"mnuDeleteParticipant"},
        {"mnuSep2"},
        {"mnuSetGroupExclusion"},
        {"mnuSetIndividualExclusion"},
        {"mnuClearSelected"},
        {"mnuClearExclusions"}}},
      {"mnuTools",
       {{"mnuCalculateView"},
        {"mnuCalculateSend"},
        {"mnuDrawingOptions"},
        {"mnuSendMessage"},
        {"mnuReSendList"},
        {"mnuViewDrawingLog"},
        {"mnuAddLateParticipant"},
        {"mnuRemoveFromDrawing"},
        {"mnuPrintSlips"},
        {"mnuSetup"}}},
      {"mnuHelp",
       {{"mnuDemos",
         {{"mnuDemoSetup"},
          {"mnuDemoGettingStarted"},
          {"mnuDemoReSending"},
          {"mnuDemoViewHistory"}}},
        {"mnuWebSite"},
        {"mnuHLMRFAQ"},
        {"mnuHLMRSupport"},
        {"mnuCheckNewVersion"},
        {"mnuAbout"}}},
  };
  return tree;
}

// Toolbar keys left to right; empty = separator.
constexpr const char* kToolbarKeys[] = {"NEW",    "OPEN", "SAVE", "",         "PAB",
                                        "ADD",    "DEL",  "EDIT", "",         "SETIND",
                                        "SETGRP", "CLR",  "",     "CALCVIEW", "CALCSEND"};

// What each toolbar key runs, in the order the keys are compared.
constexpr std::pair<const char*, const char*> kToolbarDispatch[] = {
    {"NEW", "mnuNew"},
    {"OPEN", "mnuOpen"},
    {"SAVE", "mnuSave"},
    {"PAB", "mnuAddressBook"},
    {"ADD", "mnuManualAddition"},
    {"EDIT", "mnuEditParticipant"},
    {"DEL", "mnuDeleteParticipant"},
    {"SETIND", "mnuSetIndividualExclusion"},
    {"SETGRP", "mnuSetGroupExclusion"},
    {"CLR", "mnuClearExclusions"},
    {"CALCVIEW", "mnuCalculateView"},
    {"CALCSEND", "mnuCalculateSend"},
};

// Off while a run sends: everything that edits the roster, opens or clears a list, changes
// the mail settings or starts a run.
bool OffDuringRun(const std::string& name) {
  static const std::string kOff =
      " mnuNew mnuOpen mnuAddParticipants mnuAddressBook mnuManualAddition mnuEditParticipant"
      " mnuDeleteParticipant mnuSetGroupExclusion mnuSetIndividualExclusion mnuClearSelected"
      " mnuClearExclusions mnuCalculateView mnuCalculateSend mnuSendMessage mnuReSendList"
      " mnuSetup NEW OPEN PAB ADD DEL EDIT SETIND SETGRP CLR CALCVIEW CALCSEND ";
  return kOff.find(" " + name + " ") != std::string::npos;
}

}  // namespace

MainWindow::MainWindow(AppPaths paths, QWidget* parent)
    : QMainWindow(parent),
      paths_(std::move(paths)),
      ui_(this),
      clock_(std::make_unique<roster::SystemClock>()),
      roster_(std::make_unique<roster::Roster>(ui_)) {
  setObjectName("frmMain");
  setWindowTitle("Hollymoor[*]");
  setAcceptDrops(true);
  // Save As sits beside Save and is enabled with it.
  roster_->commands().Define("mnuSaveAs", {false, core::Tr("Menu", "Save List &As..."), "", 0});

  grid_view_ = new QTableView(this);
  grid_view_->setObjectName("MSFlexGrid");
  model_ = new GridModel(roster_->grid(), this);
  grid_view_->setModel(model_);
  grid_view_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_view_->verticalHeader()->setVisible(false);
  grid_view_->verticalHeader()->setDefaultSectionSize(grid_view_->fontMetrics().height() + 6);
  grid_view_->horizontalHeader()->setStretchLastSection(true);
  grid_view_->setWordWrap(false);
  setCentralWidget(grid_view_);
  connect(grid_view_, &QTableView::pressed, this, [this](const QModelIndex& i) {
    MSFlexGrid_MouseDown(model_->GridRow(i.row()), i.column());
  });
  connect(grid_view_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
    MSFlexGrid_DblClick(model_->GridRow(i.row()), i.column());
  });
  connect(model_, &GridModel::toolTipChanged, grid_view_, &QWidget::setToolTip);
  connect(model_, &GridModel::layoutReset, this, &MainWindow::ApplyColumnLayout);
  connect(model_, &QAbstractItemModel::dataChanged, this, &MainWindow::ScheduleRefresh);
  connect(model_, &QAbstractItemModel::rowsInserted, this, &MainWindow::ScheduleRefresh);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, &MainWindow::ScheduleRefresh);
  connect(model_, &QAbstractItemModel::modelReset, this, &MainWindow::ScheduleRefresh);

  auto* status = new QStatusBar(this);
  status->setObjectName("sbStatusBar");
  auto* panel = new QLabel(status);
  panel->setObjectName("Panel1");
  status->addWidget(panel, 1);
  setStatusBar(status);
  ui_.SetStatusBar(status);

  BuildMenus();
  BuildToolbar();
  roster_->commands().SetListener([this](const std::string& name) {
    if (name == "mnuSave")
      roster_->commands().SetEnabled("mnuSaveAs", roster_->commands().Enabled(name));
    SyncAction(name);
  });
  for (const auto& [name, state] : roster_->commands().All()) SyncAction(name);

  WireRosterCommands(*this);
  WireDrawingCommands(*this);
  WireFileCommands(*this);
  WireSettingsCommands(*this);
  WireSmtpCommands(*this);
  WireMapiCommands(*this);
  WireSendCommands(*this);
  WireAmendCommands(*this);
  WireHelpCommands(*this);
  resize(900, 520);
  WireDesktopConventions(*this);
}

MainWindow::~MainWindow() {
  roster_->grid().SetListener({});
  roster_->commands().SetListener(nullptr);
}

void MainWindow::BuildMenus() {
  // Access keys for items whose documented caption has none, unique within each menu.
  std::function<void(const MenuNode&)> keys = [&](const MenuNode& menu) {
    QString taken;
    for (const MenuNode& item : menu.items) {
      const QChar own = AccessKeyOf(QString::fromStdString(roster_->commands().Caption(item.name)));
      if (!own.isNull()) taken += own;
    }
    for (const MenuNode& item : menu.items) {
      const QString caption = QString::fromStdString(roster_->commands().Caption(item.name));
      access_keys_[item.name] = AccessKeyOf(WithAccessKey(caption, taken));
      if (!item.items.empty()) keys(item);
    }
  };
  keys(MenuNode{"", MenuTree()});
  std::function<void(QMenu*, const MenuNode&)> add = [&](QMenu* parent, const MenuNode& node) {
    if (!node.items.empty()) {
      auto* menu = new QMenu(this);
      menu->setObjectName(node.name);
      QAction* a = parent ? parent->addMenu(menu) : menuBar()->addMenu(menu);
      BindCommand(node.name, a);
      for (const MenuNode& child : node.items) add(menu, child);
      return;
    }
    if (roster_->commands().Caption(node.name) == "-") {
      QAction* sep = parent->addSeparator();
      sep->setObjectName(node.name);
      return;
    }
    QAction* a = parent->addAction(QString());
    a->setObjectName(node.name);
    BindCommand(node.name, a);
    const std::string name = node.name;
    connect(a, &QAction::triggered, this, [this, name] { RunCommand(name); });
  };
  for (const MenuNode& top : MenuTree()) add(nullptr, top);
}

void MainWindow::BuildToolbar() {
  toolbar_ = addToolBar("Toolbar");
  toolbar_->setObjectName("Toolbar");
  toolbar_->setMovable(false);
  for (const char* key : kToolbarKeys) {
    if (!*key) {
      toolbar_->addSeparator();
      continue;
    }
    QAction* a = toolbar_->addAction(QString());
    a->setObjectName(key);
    a->setProperty("Key", QString(key));
    BindCommand(key, a);
    const std::string k = key;
    connect(a, &QAction::triggered, this, [this, k] { Toolbar_ButtonClick(k); });
  }
}

void MainWindow::ApplyColumnLayout() {
  const int char_width = grid_view_->fontMetrics().averageCharWidth();
  for (int c = 0; c < roster_->grid().Cols(); ++c) {
    const int chars = roster_->grid().ColWidthChars(c);
    if (chars > 0) grid_view_->setColumnWidth(c, chars * char_width + 8);
  }
  Refresh();
}

void MainWindow::ScheduleRefresh() {
  if (refresh_queued_) return;
  refresh_queued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        refresh_queued_ = false;
        Refresh();
      },
      Qt::QueuedConnection);
}

void MainWindow::Refresh() {
  roster::Roster& r = *roster_;
  // A drawing rewrites the grid while it lets the event loop run; its end refreshes.
  if (r.DrawingInProgress()) return;
  if (document_.Path() != shown_path_) {
    shown_path_ = document_.Path();
    if (document_listener_) document_listener_(shown_path_);
  }
  const std::string name = document_.DisplayName();
  setWindowTitle(name.empty() ? QString("Hollymoor[*]")
                              : tr("%1[*] - Hollymoor").arg(QString::fromStdString(name)));
  setWindowModified(document_.Modified(r));
  // The result column shows only when it holds readable names: hidden numbers stay out of
  // sight, and an empty column takes no room.
  const roster::Grid& g = r.grid();
  bool names = false;
  for (int row = g.FixedRows(); row < g.Rows() && !names; ++row) {
    const roster::Cell& cell = g.CellAt(row, roster::kColResult);
    names = !cell.text.empty() && !(cell.fore != 0 && cell.fore == cell.back);
  }
  grid_view_->setColumnHidden(roster::kColResult, !names);
  const bool editable = r.commands().Enabled("mnuEditParticipant") && r.EditRow >= 1;
  model_->SetHighlightedRow(editable ? r.EditRow : -1);
}

bool MainWindow::OpenListFile(const std::filesystem::path& path) {
  if (!open_list_ || roster_->DrawingInProgress() || !MayDiscardChanges()) return false;
  const bool read = open_list_(path);
  Refresh();
  return read;
}

std::vector<std::filesystem::path> DroppedListFiles(const QMimeData& data) {
  std::vector<std::filesystem::path> out;
  for (const QUrl& url : data.urls()) {
    const QString local = url.toLocalFile();
    if (!local.isEmpty() && QFileInfo(local).suffix().compare("hmr", Qt::CaseInsensitive) == 0)
      out.emplace_back(local.toStdString());
  }
  return out;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData() && !DroppedListFiles(*event->mimeData()).empty())
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const auto files = DroppedListFiles(*event->mimeData());
  if (files.empty()) return;
  event->acceptProposedAction();
  // One roster at a time: the first list file dropped is the one opened.
  OpenListFile(files.front());
}

void MainWindow::BindCommand(const std::string& name, QAction* action) {
  actions_[name].push_back(action);
}

void MainWindow::SyncAction(const std::string& name) {
  auto it = actions_.find(name);
  if (it == actions_.end()) return;
  const roster::CommandState& s = roster_->commands().All().at(name);
  for (QAction* a : it->second) {
    a->setEnabled(s.enabled && !(run_in_progress_ && OffDuringRun(name)));
    if (!s.caption.empty()) {
      QString caption = QString::fromStdString(s.caption);
      if (!a->property("Key").isValid() && access_keys_.count(name))
        caption = InsertAccessKey(caption, access_keys_.at(name));
      a->setText(caption);
    }
    if (s.image > 0) {
      a->setIcon(ToolbarImage(s.image));
      if (a->text().isEmpty() || a->property("Key").isValid())
        a->setText(QString::fromStdString(s.tool_tip));
    }
    if (!s.tool_tip.empty()) a->setToolTip(QString::fromStdString(s.tool_tip));
  }
}

QAction* MainWindow::Action(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() || it->second.empty() ? nullptr : it->second.front();
}

void MainWindow::OnCommand(const std::string& menu_item, std::function<void()> handler) {
  handlers_[menu_item] = std::move(handler);
}

void MainWindow::RunCommand(const std::string& menu_item) {
  // A drawing lets the event loop run; nothing may change the roster under it meanwhile.
  if (roster_->DrawingInProgress()) return;
  auto it = handlers_.find(menu_item);
  if (it != handlers_.end() && it->second) it->second();
  Refresh();
}

void MainWindow::Toolbar_ButtonClick(const std::string& key) {
  for (const auto& [k, item] : kToolbarDispatch) {
    if (key != k) continue;
    if (key == "CALCVIEW" && roster_->ReSendMode)
      RunCommand("mnuReSendList");
    else
      RunCommand(item);
    return;
  }
}

void MainWindow::AddStartupStep(StartupStep step, std::function<void()> fn) {
  startup_.emplace(step, std::move(fn));
}

void MainWindow::AddShutdownStep(std::function<void()> fn) { shutdown_.push_back(std::move(fn)); }

void MainWindow::Form_Load() {
  auto run = [this](StartupStep step) {
    auto [b, e] = startup_.equal_range(step);
    for (auto it = b; it != e; ++it) it->second();
  };
  run(StartupStep::kResizer);
  roster::Roster& r = *roster_;
  r.MapiLoggedOn = false;
  r.NextParticipantNumber = 1;
  r.ReSendMode = false;
  MailSettings.UseSMTP = false;
  MailSettings.ServerRequiresAuthentication = false;
  run(StartupStep::kSettings);
  r.SetupGrid();
  model_->Flush();
  ApplyColumnLayout();
  r.UpdateButtonEnables(false);
  run(StartupStep::kSelection);
  ui_.SetStatusText(core::Tr("Status", "Ready"));
  document_.Reset(r);
  model_->Flush();
  Refresh();
}

void MainWindow::SetRunInProgress(bool on) {
  run_in_progress_ = on;
  for (const auto& [name, state] : roster_->commands().All()) SyncAction(name);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const bool stop_run_refused =
      run_in_progress_ && !unloaded_ &&
      ui_.MsgBox(core::Tr("MainWindow",
                          "Messages are still being sent. Close Hollymoor and stop sending?\n\n"
                          "Whoever has not been reached yet can be notified later with Re-Send "
                          "Previous Drawing."),
                 roster::mb::kYesNo + roster::mb::kQuestion,
                 roster::kDefaultTitle) != roster::mb::kYes;
  if (stop_run_refused || (!unloaded_ && !MayDiscardChanges())) {
    event->ignore();
    return;
  }
  if (run_in_progress_ && stop_run_) stop_run_();
  if (!unloaded_) {
    unloaded_ = true;
    ui_.SetStatusText(core::Tr("Status", "Exiting..."));
    for (auto& fn : shutdown_) fn();
  }
  event->accept();
}

void MainWindow::MSFlexGrid_MouseDown(int row, int col) {
  if (run_in_progress_) return;  // marks and exclusions stay as the run found them
  // Marks, exclusion commands, Edit and Delete: the roster's mouse handler.
  roster_->MSFlexGrid_MouseDown(row, col);
  Refresh();
}

void MainWindow::MSFlexGrid_DblClick(int row, int col) {
  if (run_in_progress_) return;
  roster::Grid& g = roster_->grid();
  g.SetRow(row);
  g.SetCol(col);
  if (g.Rows() > 1 && col != roster::kColName) {
    roster_->EditRow = row;
    RunCommand("frmEdit");
  }
}

}  // namespace ui
