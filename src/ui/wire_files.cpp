#include "ui/main_window.h"

namespace ui {

void WireFileCommands(MainWindow& w) { (void)w; }

}  // namespace ui
