#pragma once
// ControlResizer: keeps a window's controls in proportion when the window is resized. Each
// control's Tag carries a four-character code; position 1 governs Left, 2 Top, 3 Width,
// 4 Height: "1" scales by the whole-percent change, "2" follows the absolute change, "3"
// follows it but not below zero, anything else leaves the property alone.
//
// The window and its controls are reached through the small interfaces below, so the
// arithmetic runs without widgets.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ui_port.h"

namespace roster {

enum class Placement { kLeft, kTop, kWidth, kHeight };

// Window states by their classic numbers.
inline constexpr int kWindowNormal = 0;
inline constexpr int kWindowMinimised = 1;
inline constexpr int kWindowMaximised = 2;

// Run-time error numbers the resizer knows by name.
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrDivisionByZero = 11;
inline constexpr int kErrInvalidPropertyValue = 380;
inline constexpr int kErrNoSuchProperty = 438;
inline constexpr int kErrResizerNotInitialised = 80000;

// The description that goes with an error number ("" for numbers it does not know).
std::string ErrorDescription(int number);

class ResizableControl {
 public:
  virtual ~ResizableControl() = default;
  // nullopt when the control has no Tag at all.
  virtual std::optional<std::string> Tag() const = 0;
  // nullopt when the control has no such placement property.
  virtual std::optional<double> Get(Placement p) const = 0;
  // 0 when written, otherwise the error number (kErrInvalidPropertyValue, kErrNoSuchProperty).
  virtual int Set(Placement p, double value) = 0;
};

class ResizableForm {
 public:
  virtual ~ResizableForm() = default;
  // The inner size, in the window's scale units.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual int WindowState() const = 0;
  // Every control, in the window's control-collection order.
  virtual std::vector<ResizableControl*> Controls() = 0;
};

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double x);

class ControlResizer {
 public:
  // Failures are reported through ui with the exclamation icon and this title.
  ControlResizer(Ui& ui, std::string app_title) : ui_(ui), app_title_(std::move(app_title)) {}

  // Records the window's inner size; touches no control.
  void InitResizer(const ResizableForm& form);
  // Moves and stretches the controls by the change since the previous completed pass.
  void FormResized(ResizableForm& form);

  std::int32_t RecordedWidth() const { return width_; }
  std::int32_t RecordedHeight() const { return height_; }
  bool Initialised() const { return initialised_; }
  bool Minimised() const { return minimised_; }

 private:
  // Returns 0 or the error number that ends the pass.
  int ApplyCodes(ResizableForm& form, double dw, double dh, double pw, double ph);
  void Report(int number);

  Ui& ui_;
  std::string app_title_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  bool initialised_ = false;
  bool minimised_ = false;
};

}  // namespace roster
