#include "ui/main_window.h"

namespace ui {

void WireFilesCommands(MainWindow& w) { (void)w; }

}  // namespace ui
