#pragma once
// The Help menu, the update check, the about box and the control resizer of frmMain. The
// window owns one HelpCommands (object name "HelpCommands"); tests reach it with findChild
// to replace the shell and the HTTP port.

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "core/http_port.h"
#include "core/shell_port.h"

namespace ui {

class MainWindow;
class QtHttpPort;
class ResizerHook;

struct HelpLinks {
  std::string check_url;     // the version-check script
  std::string home_page;     // Website..., the about box, the new-version message
  std::string faq_page;      // WebSite FAQ...
  std::string support_page;  // WebSite Support...
};

// The addresses configured at build time.
HelpLinks DefaultHelpLinks();
// This program's version, "3.1.12".
std::string ProgramVersionText();
// The program's icon (windows, the about box).
QIcon ProgramIcon();

class HelpCommands : public QObject {
  Q_OBJECT

 public:
  explicit HelpCommands(MainWindow& w);
  ~HelpCommands() override;

  // Replacements for the desktop's shell and the network (tests); nullptr restores them.
  void SetShell(roster::Shell* shell);
  void SetHttp(roster::HttpPort* http);
  HelpLinks& links() { return links_; }

  void OpenDemoPage(const char* page);
  void OpenWebPage(const std::string& url);
  // CheckForNewVersion: the reply is awaited from the event loop; a second request while one
  // is under way is ignored.
  void CheckForNewVersion(bool bAbout);
  bool CheckRunning() const { return check_running_; }
  void ShowAbout();

  // The start-up step: creates the resizer and records the window's size.
  void StartResizer();
  ResizerHook* Resizer() const;

 private:
  MainWindow& w_;
  HelpLinks links_;
  std::unique_ptr<roster::Shell> own_shell_;
  roster::Shell* shell_;
  QtHttpPort* own_http_;
  roster::HttpPort* http_;
  QPointer<ResizerHook> resizer_;
  bool check_running_ = false;
};

}  // namespace ui
