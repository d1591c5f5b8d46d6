#include "ui/wire_help.h"

#include <QIcon>
#include <QUrl>
#include <QWidget>
#include <filesystem>

#include "core/tr.h"
#include "ui/about_dialog.h"
#include "ui/help_config.h"
#include "ui/help_paths.h"
#include "ui/main_window.h"
#include "ui/qt_http.h"
#include "ui/qt_resizer.h"
#include "ui/qt_shell.h"
#include "ui/translator.h"
#include "update/update_check.h"

// The icon's resource lives in a static library, whose initialiser nothing else pulls in.
static void InitHelpResources() { Q_INIT_RESOURCE(help_resources); }

namespace ui {

HelpLinks DefaultHelpLinks() {
  return {help_config::kVersionCheckUrl, help_config::kHomePageUrl, help_config::kFaqUrl,
          help_config::kSupportUrl};
}

std::string ProgramVersionText() {
  return roster::VersionText(help_config::kVersionMajor, help_config::kVersionMinor,
                             help_config::kVersionRevision);
}

HelpCommands::HelpCommands(MainWindow& w)
    : QObject(&w),
      w_(w),
      links_(DefaultHelpLinks()),
      own_shell_(std::make_unique<QtShell>()),
      shell_(own_shell_.get()),
      own_http_(new QtHttpPort(this)),
      http_(own_http_) {
  setObjectName("HelpCommands");
}

void HelpCommands::SetShell(roster::Shell* shell) { shell_ = shell ? shell : own_shell_.get(); }

void HelpCommands::SetHttp(roster::HttpPort* http) { http_ = http ? http : own_http_; }

HelpCommands::~HelpCommands() = default;

void HelpCommands::OpenDemoPage(const char* page) {
  const std::filesystem::path file = LocalizedHelpPage(w_.paths().help_dir, page);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    w_.qt_ui().MsgBox(
        core::Arg(core::Tr("Help", "Unable to find the help page [%1]"), {file.string()}),
        roster::mb::kCritical, roster::kDefaultTitle);
    return;
  }
  // Whether the page then opens is the viewer's to say; a desktop that cannot even be asked
  // (no program for web pages) is worth a word, as the organiser is looking for help.
  const std::string url =
      QUrl::fromLocalFile(QString::fromStdString(file.string())).toString().toStdString();
  if (!shell_->Open(url))
    w_.qt_ui().MsgBox(core::Arg(core::Tr("Help", "Unable to open the help page [%1]: %2"),
                                {file.string(), shell_->LastError().description}),
                      roster::mb::kCritical, roster::kDefaultTitle);
}

void HelpCommands::OpenWebPage(const std::string& url) { shell_->Open(url); }

void HelpCommands::CheckForNewVersion(bool bAbout) {
  if (check_running_) return;
  check_running_ = true;
  roster::UpdateCheckConfig config{ProgramVersionText(), links_.check_url, links_.home_page};
  QPointer<HelpCommands> self(this);
  roster::CheckForNewVersion(bAbout, config, w_.MailSettings.SMTPAccountName, *http_, w_.qt_ui(),
                             [self] {
                               if (self) self->check_running_ = false;
                             });
}

void HelpCommands::ShowAbout() {
  AboutDialog about(ProgramVersionText(), links_.home_page, shell_, &w_);
  ExecModal(about);
}

ResizerHook* HelpCommands::Resizer() const { return resizer_; }

void HelpCommands::StartResizer() {
  if (resizer_) return;
  QWidget* area = EnsureResizeArea(&w_);
  // The grid's size follows the window; the bars stay as they are.
  const std::pair<const char*, const char*> tags[] = {
      {"MSFlexGrid", "0011"}, {"Toolbar", "0000"}, {"sbStatusBar", "0000"}};
  for (const auto& [name, tag] : tags)
    if (QWidget* control = w_.findChild<QWidget*>(name)) control->setProperty("Tag", tag);
  resizer_ = new ResizerHook(&w_, area, w_.qt_ui());
  resizer_->Init();
}

QIcon ProgramIcon() {
  InitHelpResources();
  // The installed theme's icon when there is one, else the copy built into the program.
  return QIcon::fromTheme("com.example.Hollymoor", QIcon(":/hollymoor/hollymoor.svg"));
}

void WireHelpCommands(MainWindow& w) {
  auto* help = new HelpCommands(w);
  w.setWindowIcon(ProgramIcon());
  w.OnCommand("mnuDemoSetup", [help] { help->OpenDemoPage(kHelpPageSetup); });
  w.OnCommand("mnuDemoGettingStarted", [help] { help->OpenDemoPage(kHelpPageBasics); });
  w.OnCommand("mnuDemoReSending", [help] { help->OpenDemoPage(kHelpPageReSend); });
  w.OnCommand("mnuDemoViewHistory", [help] { help->OpenDemoPage(kHelpPageHistory); });
  w.OnCommand("mnuWebSite", [help] { help->OpenWebPage(help->links().home_page); });
  w.OnCommand("mnuHLMRFAQ", [help] { help->OpenWebPage(help->links().faq_page); });
  w.OnCommand("mnuHLMRSupport", [help] { help->OpenWebPage(help->links().support_page); });
  w.OnCommand("mnuCheckNewVersion", [help] { help->CheckForNewVersion(false); });
  w.OnCommand("mnuAbout", [help] { help->ShowAbout(); });
  w.AddStartupStep(StartupStep::kResizer, [help] { help->StartResizer(); });
}

}  // namespace ui
