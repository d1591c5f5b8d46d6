#pragma once

#include <QIcon>

namespace ui {

// The toolbar's image list (1-based, 14 images); an empty icon for anything else.
QIcon ToolbarImage(int index);

}  // namespace ui
