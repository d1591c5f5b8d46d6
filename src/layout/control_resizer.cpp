#include "layout/control_resizer.h"

#include <cmath>
#include <limits>

namespace roster {

namespace {

// A recorded size must fit the 32-bit member; anything else is an overflow.
bool FitsInt32(double rounded) {
  return rounded >= std::numeric_limits<std::int32_t>::min() &&
         rounded <= std::numeric_limits<std::int32_t>::max();
}

// The new value of one placement property under one code character; nullopt = unchanged.
std::optional<double> Rule(char code, double value, double absolute, double percent) {
  switch (code) {
    case '1':
      return value * (100.0 + percent) / 100.0;
    case '2':
      return value + absolute;
    case '3':
      return value + absolute < 0 ? 0.0 : value + absolute;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::string ErrorDescription(int number) {
  switch (number) {
    case kErrOverflow:
      return "Overflow";
    case kErrDivisionByZero:
      return "Division by zero";
    case kErrInvalidPropertyValue:
      return "Invalid property value";
    case kErrNoSuchProperty:
      return "Object doesn't support this property or method";
    case kErrResizerNotInitialised:
      return "Initiate resize module before resizing";
    default:
      return "";
  }
}

double RoundHalfEven(double x) {
  double r = std::round(x);  // halves away from zero
  if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
  return r;
}

void ControlResizer::InitResizer(const ResizableForm& form) {
  auto record = [](double v) {
    double r = RoundHalfEven(v);
    if (!FitsInt32(r))
      r = r < 0 ? std::numeric_limits<std::int32_t>::min()
                : std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
  };
  width_ = record(form.ScaleWidth());
  height_ = record(form.ScaleHeight());
  initialised_ = true;
}

void ControlResizer::FormResized(ResizableForm& form) {
  if (!initialised_) {
    Report(kErrResizerNotInitialised);
    return;
  }
  const int state = form.WindowState();
  if (state == kWindowMinimised) {
    minimised_ = true;
    return;
  }
  if (minimised_) {
    minimised_ = false;
    // Back at the size it had before, unless it came back maximised.
    if (state != kWindowMaximised) return;
  }

  const double w = form.ScaleWidth();
  const double h = form.ScaleHeight();
  const double dw = RoundHalfEven(w - width_);
  const double dh = RoundHalfEven(h - height_);
  // A recorded size of 0 leaves its percentage at 0 (the division is skipped).
  const double pw = width_ != 0 ? RoundHalfEven((w - width_) / width_ * 100.0) : 0.0;
  const double ph = height_ != 0 ? RoundHalfEven((h - height_) / height_ * 100.0) : 0.0;

  if (int err = ApplyCodes(form, dw, dh, pw, ph)) {
    Report(err);
    return;
  }
  const double new_w = RoundHalfEven(w);
  const double new_h = RoundHalfEven(h);
  if (!FitsInt32(new_w) || !FitsInt32(new_h)) {
    Report(kErrOverflow);
    return;
  }
  width_ = static_cast<std::int32_t>(new_w);
  height_ = static_cast<std::int32_t>(new_h);
}

int ControlResizer::ApplyCodes(ResizableForm& form, double dw, double dh, double pw, double ph) {
  static constexpr Placement kOrder[] = {Placement::kLeft, Placement::kTop, Placement::kWidth,
                                         Placement::kHeight};
  for (ResizableControl* control : form.Controls()) {
    if (!control) continue;
    std::optional<std::string> tag = control->Tag();
    if (!tag) continue;  // no Tag: the control keeps its placement
    for (int i = 0; i < 4 && i < static_cast<int>(tag->size()); ++i) {
      const Placement p = kOrder[i];
      const bool horizontal = p == Placement::kLeft || p == Placement::kWidth;
      const char code = (*tag)[i];
      if (code != '1' && code != '2' && code != '3') continue;
      std::optional<double> value = control->Get(p);
      if (!value) continue;  // a control without this property is skipped silently
      std::optional<double> next = Rule(code, *value, horizontal ? dw : dh, horizontal ? pw : ph);
      int err = control->Set(p, *next);
      if (err == kErrNoSuchProperty || err == kErrDivisionByZero) continue;
      if (err != 0) return err;
    }
  }
  return 0;
}

void ControlResizer::Report(int number) {
  ui_.MsgBox("Error " + std::to_string(number) + "\r\n" + ErrorDescription(number),
             mb::kExclamation, app_title_);
}

}  // namespace roster
