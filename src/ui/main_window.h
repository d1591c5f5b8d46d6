#pragma once
// frmMain: the roster grid, menus, toolbar and status bar. Command handlers are attached by
// the wiring functions of each area (wire_*.cpp), so this file stays about the window itself.

#include <QChar>
#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/clock.h"
#include "files/list_document.h"
#include "mail/send_values.h"
#include "roster/roster.h"
#include "settings/mail_settings.h"
#include "ui/qt_ui.h"

class QAction;
class QMimeData;
class QTableView;
class QToolBar;

namespace ui {

class GridModel;

// Where the program keeps its files; tests point these at temporary folders.
struct AppPaths {
  std::filesystem::path data_dir;     // "Saved", "History", "smtp_session.log"
  std::filesystem::path config_file;  // the settings store
  std::filesystem::path help_dir;     // the local help pages
};

// Start-up steps other areas contribute, run in this order by Form_Load.
enum class StartupStep { kResizer, kSettings, kSelection };

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(AppPaths paths, QWidget* parent = nullptr);
  ~MainWindow() override;

  roster::Roster& roster() { return *roster_; }
  QtUi& qt_ui() { return ui_; }
  const AppPaths& paths() const { return paths_; }
  roster::Clock& clock() { return *clock_; }
  void SetClock(std::unique_ptr<roster::Clock> clock) { clock_ = std::move(clock); }

  // Program-wide values shared by the areas.
  mail::MailSettings MailSettings;
  mail::SendValues SendValues;

  // Registers what a menu item runs; toolbar buttons dispatch to their menu item.
  void OnCommand(const std::string& menu_item, std::function<void()> handler);
  // Runs a menu item's command as a click would (nothing when it has no handler).
  void RunCommand(const std::string& menu_item);
  void Toolbar_ButtonClick(const std::string& key);
  QAction* Action(const std::string& name) const;

  void AddStartupStep(StartupStep step, std::function<void()> fn);
  void AddShutdownStep(std::function<void()> fn);

  // Start-up as the window loads; called once by the constructor's caller.
  void Form_Load();

  // The list file the roster stands for. Refresh() shows its name and changes in the title.
  files::ListDocument& document() { return document_; }
  // Whether the roster may be replaced now; asks Save / Discard / Cancel when it changed.
  bool MayDiscardChanges() { return may_discard_ ? may_discard_() : true; }
  // Opens a list file as Open List would after its dialog, asking about changes first.
  bool OpenListFile(const std::filesystem::path& path);
  void SetFileHooks(std::function<bool()> may_discard,
                    std::function<bool(const std::filesystem::path&)> open_list) {
    may_discard_ = std::move(may_discard);
    open_list_ = std::move(open_list);
  }
  // Brings the title, the result column and the current row's highlight up to date with the
  // roster; runs after every command and, coalesced, after every change of the grid.
  void Refresh();
  // Hears the document's file whenever it changes (recent files).
  void SetDocumentListener(std::function<void(const std::filesystem::path&)> listener) {
    document_listener_ = std::move(listener);
  }

  QTableView* GridView() const { return grid_view_; }
  GridModel* Model() const { return model_; }

  // While a run sends, the commands that would change its roster, open or clear a list or
  // start another run are off, and closing the window asks first. The run's own steps
  // (RunCommand) still work.
  void SetRunInProgress(bool on);
  bool RunInProgress() const { return run_in_progress_; }
  // What closing the window during a run does to the run: no further message starts.
  void SetRunStopper(std::function<void()> stop) { stop_run_ = std::move(stop); }

  // Grid events, public so tests can raise them as the view does.
  void MSFlexGrid_MouseDown(int row, int col);
  void MSFlexGrid_DblClick(int row, int col);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void ApplyColumnLayout();
  void BindCommand(const std::string& name, QAction* action);
  void SyncAction(const std::string& name);
  void ScheduleRefresh();

  AppPaths paths_;
  QtUi ui_;
  std::unique_ptr<roster::Clock> clock_;
  std::unique_ptr<roster::Roster> roster_;
  QTableView* grid_view_ = nullptr;
  GridModel* model_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  std::map<std::string, std::vector<QAction*>> actions_;
  std::map<std::string, std::function<void()>> handlers_;
  std::multimap<StartupStep, std::function<void()>> startup_;
  std::vector<std::function<void()>> shutdown_;
  bool unloaded_ = false;
  bool run_in_progress_ = false;
  std::function<void()> stop_run_;
  bool refresh_queued_ = false;
  files::ListDocument document_;
  std::function<bool()> may_discard_;
  std::function<bool(const std::filesystem::path&)> open_list_;
  std::function<void(const std::filesystem::path&)> document_listener_;
  std::filesystem::path shown_path_;
  std::map<std::string, QChar> access_keys_;  // menu item to its access key
};

// The list files a drop carries (local ".hmr" files only).
std::vector<std::filesystem::path> DroppedListFiles(const QMimeData& data);

// Each area attaches its commands and start-up steps here (one file each).
void WireRosterCommands(MainWindow& w);    // wire_roster.cpp: New, Exit, Edit, Delete, Add
void WireDrawingCommands(MainWindow& w);   // wire_drawing.cpp: exclusions, Calculate & View
void WireFileCommands(MainWindow& w);      // wire_files.cpp: Open, Save, Re-Send, history log
void WireSettingsCommands(MainWindow& w);  // wire_settings.cpp: settings load, Setup dialog
void WireSmtpCommands(MainWindow& w);      // wire_smtp.cpp: the SMTP sender
void WireMapiCommands(MainWindow& w);      // wire_mapi.cpp: address book, desktop-mail sender
void WireSendCommands(MainWindow& w);      // wire_send.cpp: Calculate & Send, Send Message
void WireAmendCommands(MainWindow& w);     // wire_amend.cpp: changes to a sent drawing, slips
void WireHelpCommands(MainWindow& w);      // wire_help.cpp: Help menu, about box, resizer
void WireDesktopConventions(MainWindow& w);  // desktop_conventions.cpp: keys, recent files

}  // namespace ui
