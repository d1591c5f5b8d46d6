#include "ui/main_window.h"

namespace ui {

void WireSmtpCommands(MainWindow& w) { (void)w; }

}  // namespace ui
