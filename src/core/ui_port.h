#pragma once
// What roster, files and mail code may ask of the desktop. The Qt implementation lives in
// ui/; tests use a scripted fake that records every message box and answers it.
// Ports of other subsystems (file dialogs, send dialogs, ...) are separate interfaces.

#include <string>

namespace roster {

// Message box styles and answers, with the classic numeric values that the texts refer to.
namespace mb {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
// Save, Discard and Cancel buttons, answered kYes (save), kNo (discard) or kCancel.
inline constexpr int kSaveDiscardCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kRetry = 4;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace mb

inline constexpr const char* kDefaultTitle = "HLMR";
// The program's own title, for the boxes that carry it instead.
inline constexpr const char* kApplicationTitle = "Hollymoor";

// Mouse pointers by their classic numbers.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;

class Ui {
 public:
  virtual ~Ui() = default;

  // Shows a modal message box; returns the answer (mb::kOk, mb::kYes, ...).
  virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
  int MsgBox(const std::string& text, int style) { return MsgBox(text, style, kDefaultTitle); }

  // Panel 1 of the status bar.
  virtual void SetStatusText(const std::string& text) = 0;
  virtual std::string StatusText() const = 0;
  // Panel 2: how the last drawing was made. Surfaces without a second panel ignore it.
  virtual void SetDrawingStatus(const std::string& text) { (void)text; }

  // Lets the event loop process pending events once.
  virtual void DoEvents() = 0;

  virtual int MousePointer() const = 0;
  virtual void SetMousePointer(int pointer) = 0;
};

}  // namespace roster
