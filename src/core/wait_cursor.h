#pragma once
// Switches the screen's mouse pointer for the lifetime of one object and puts the previous
// pointer back when it goes away, on every path out of the scope.

#include <cstdint>

#include "core/ui_port.h"

namespace roster {

class CWaitCursor {
 public:
  explicit CWaitCursor(Ui& ui) : ui_(ui), saved_(ui.MousePointer()) {}
  ~CWaitCursor() { Restore(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  // The pointer is a 16-bit value on the screen side.
  void SetCursor(std::int32_t pointer) { ui_.SetMousePointer(static_cast<std::int16_t>(pointer)); }
  void Restore() { ui_.SetMousePointer(saved_); }

 private:
  Ui& ui_;
  std::int32_t saved_;
};

}  // namespace roster
