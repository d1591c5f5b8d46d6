#include "ui/main_window.h"

namespace ui {

void WireHelpCommands(MainWindow& w) { (void)w; }

}  // namespace ui
