#include "ui/wire_help.h"

#include <QUrl>
#include <QWidget>
#include <filesystem>

#include "roster/update_check.h"
#include "ui/about_dialog.h"
#include "ui/help_config.h"
#include "ui/help_paths.h"
#include "ui/main_window.h"
#include "ui/qt_http.h"
#include "ui/qt_resizer.h"

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
      own_http_(new QtHttpPort(this)),
      http_(own_http_) {
  setObjectName("HelpCommands");
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::OpenDemoPage(const char* page) {
  const std::filesystem::path file = w_.paths().help_dir / page;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    w_.qt_ui().MsgBox("Unable to find the help page [" + file.string() + "]", roster::mb::kCritical,
                      roster::kDefaultTitle);
    return;
  }
  if (open_)
    open_(QUrl::fromLocalFile(QString::fromStdString(file.string())).toString().toStdString());
}

void HelpCommands::OpenWebPage(const std::string& url) {
  if (open_) open_(url);
}

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
  AboutDialog about(ProgramVersionText(), links_.home_page, &w_);
  ExecModal(about);
}

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

void WireHelpCommands(MainWindow& w) {
  auto* help = new HelpCommands(w);
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
