#include "mail/message.h"
#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "settings/secrets.h"
#include "ui/help_config.h"
#include "ui/main_window.h"
#include "ui/qt_secret_store.h"
#include "ui/qt_ui.h"
#include "ui/settings_dialog.h"

namespace ui {

void WireSettingsCommands(MainWindow& w) {
  w.AddStartupStep(StartupStep::kSettings, [&w] {
    w.roster().MessageFooter = mail::BuildMessageFooter(help_config::kHomePageUrl);
    mail::FileSettingsStore store(w.paths().config_file);
    mail::LoadMailSettings(store, w.MailSettings);
    mail::LoadMailSecrets(store, SystemKeyring(), w.MailSettings);
  });
  w.OnCommand("mnuSetup", [&w] {
    mail::FileSettingsStore store(w.paths().config_file);
    SettingsDialog dialog(w.MailSettings, store, &w, SystemKeyring());
    dialog.SetDataDir(w.paths().data_dir);
    ExecModal(dialog);
  });
}

}  // namespace ui
