// Saves pictures of the main window with a sample roster, for the README and the help
// pages: hollymoor-screenshot OUT.png. Run it under a real X server (xvfb-run) or offscreen.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  ui::MainWindow window(ui::AppPaths{QDir::tempPath().toStdString(), {}, {}});
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
  window.resize(960, 420);
  window.show();
  QTimer::singleShot(300, [&] {
    window.grab().save(argv[1]);
    app.quit();
  });
  return QApplication::exec();
}
