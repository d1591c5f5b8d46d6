#include "ui/toolbar_images.h"

#include <QApplication>
#include <QStyle>

namespace ui {

QIcon ToolbarImage(int index) {
  // A themed icon where the desktop has one, the style's own picture otherwise.
  struct Image {
    const char* theme;
    QStyle::StandardPixmap fallback;
  };
  static const Image kImages[] = {
      {"document-new", QStyle::SP_FileIcon},                  // 1 New List
      {"document-open", QStyle::SP_DialogOpenButton},         // 2 Open List
      {"document-save", QStyle::SP_DialogSaveButton},         // 3 Save List
      {"x-office-address-book", QStyle::SP_DirHomeIcon},      // 4 address book
      {"list-add", QStyle::SP_FileDialogNewFolder},           // 5 add participants
      {"list-remove", QStyle::SP_TrashIcon},                  // 6 delete participant
      {"document-properties", QStyle::SP_FileDialogDetailedView},  // 7 edit participant
      {"go-next", QStyle::SP_ArrowRight},                     // 8 individual exclusion
      {"view-list-details", QStyle::SP_FileDialogListView},   // 9 group exclusion
      {"edit-clear", QStyle::SP_DialogResetButton},           // 10 clear exclusions
      {"view-preview", QStyle::SP_FileDialogContentsView},    // 11 calculate & view
      {"mail-send", QStyle::SP_ArrowForward},                 // 12 calculate & send
      {"process-stop", QStyle::SP_DialogCancelButton},        // 13 cancel re-send
      {"mail-forward", QStyle::SP_BrowserReload},             // 14 re-send
  };
  if (index < 1 || index > 14) return {};
  const Image& img = kImages[index - 1];
  return QIcon::fromTheme(img.theme, QApplication::style()->standardIcon(img.fallback));
}

}  // namespace ui
