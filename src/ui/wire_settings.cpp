#include "ui/main_window.h"

namespace ui {

void WireSettingsCommands(MainWindow& w) { (void)w; }

}  // namespace ui
