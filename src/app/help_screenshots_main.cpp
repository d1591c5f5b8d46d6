// Saves the pictures the help pages show: hollymoor-help-screenshots OUTDIR writes
// main-window.png, calculate-view.png and settings.png. Run it offscreen or under xvfb-run.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include "ui/main_window.h"
#include "ui/qt_ui.h"
#include "ui/translator.h"

namespace {

void Save(QWidget& w, const QString& path) {
  w.show();
  QTest::qWait(200);
  w.grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // In the locale's language, as the program would show itself (LANG=de_DE.UTF-8 for German).
  ui::InstallTranslations(QLocale::system(), ui::FindTranslationsDir());
  if (argc < 2) return 2;
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  const QString config = QDir::temp().filePath("hollymoor-screenshot-settings.ini");
  QFile::remove(config);
  ui::MainWindow window(ui::AppPaths{QDir::tempPath().toStdString(), config.toStdString(), {}});
  window.Form_Load();
  roster::Roster& r = window.roster();
  const char* people[][4] = {
      {"2", "Alice Archer", "alice@example.org", "Books about birds, dark chocolate"},
      {"1", "Ben Archer", "ben@example.org", "Anything for the garden"},
      {"", "Chandra Patel", "chandra@example.net", "Tea, warm socks"},
      {"", "Dmitri Volkov", "dmitri@example.com", "Board games"},
      {"6", "Elena García", "elena@example.org", "Jigsaw puzzles"},
      {"5", "Femi Adeyemi", "femi@example.net", "Coffee beans"},
  };
  for (const auto& p : people) r.AddParticipant(p[0], p[1], p[2], p[3], true);
  window.resize(900, 380);
  Save(window, out + "/main-window.png");
  // Calculate & View on a copy of the same roster, so the first picture stays undrawn.
  {
    ui::MainWindow drawn(ui::AppPaths{QDir::tempPath().toStdString(), config.toStdString(), {}});
    drawn.Form_Load();
    for (const auto& p : people) drawn.roster().AddParticipant(p[0], p[1], p[2], p[3], true);
    drawn.resize(900, 380);
    drawn.RunCommand("mnuCalculateView");
    Save(drawn, out + "/calculate-view.png");
    drawn.hide();
  }

  window.MailSettings.UseSMTP = true;
  window.MailSettings.ServerRequiresAuthentication = true;
  window.MailSettings.SMTPServer = "smtp.example.org:587";
  window.MailSettings.SMTPAccountName = "organiser@example.org";
  window.MailSettings.SMTPUserName = "Santa's Helper";
  ui::SetModalHandler([&](QDialog& d) {
    Save(d, out + "/settings.png");
    return int(QDialog::Rejected);
  });
  window.RunCommand("mnuSetup");
  ui::SetModalHandler(nullptr);
  QFile::remove(config);
  return 0;
}
