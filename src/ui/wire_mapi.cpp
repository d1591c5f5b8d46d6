#include "ui/main_window.h"

namespace ui {

void WireMapiCommands(MainWindow& w) { (void)w; }

}  // namespace ui
