#pragma once
// Sealed printed slips for people without e-mail. Pages come in pairs: an odd page shows only
// the givers' names (the outside), the even page after it the receivers and their notes (the
// inside), each slip mirrored so that it lands behind its own outside when the sheet is
// printed on both sides (flip on the long edge). Folded along the dashed line with the
// printed back inwards, a slip shows its giver's name and hides the rest.

#include <string>
#include <vector>

namespace ui {

struct Slip {
  std::string giver;
  std::string receiver;
  std::string notes;
  std::string details;  // the event details, if any, as one block of lines
};

// Slips per sheet: two columns of four.
inline constexpr int kSlipColumns = 2;
inline constexpr int kSlipRows = 4;

// The line above the receiver's name inside a slip, as the notification words it.
inline constexpr char kSlipTrailer[] = "You are a Secret Santa for";

// Writes the PDF; false with a one-line reason when it could not be written. Needs a
// QGuiApplication (fonts).
bool WriteSlipsPdf(const std::vector<Slip>& slips, const std::string& path, std::string& error);

}  // namespace ui
