#pragma once
// Reads the records of a list file: double-quoted fields separated by commas, one record
// per line.
//
// The writer puts texts between double quotes without escaping, so a double quote inside a
// text is ambiguous. Names and exclusion lists never hold one (the entry dialogs refuse it),
// but addresses and notes may. The rule here keeps such texts and never shifts the fields
// that follow:
//   - A double quote ends a quoted field only where the field's delimiter follows it (blanks
//     allowed in between): for the record's last field the end of the line; for any other
//     field a comma followed by the next field's opening quote (or by another comma or the
//     end of the line).
//   - Any other double quote belongs to the text.
// So `"He said "hi", then left"` as notes reads back as He said "hi", then left, and an
// address `"Jo Doe" <jo@x.org>` reads back whole.
//
// A record never spans lines and never holds more or fewer fields than the layout has: a
// damaged record (a missing quote, a stray one, a line break inside a field) would otherwise
// swallow the next participant or shift its fields. Such a record is refused with the line
// and the reason. Forms the writer never produces are read leniently otherwise: a field
// without quotes runs to the next comma (the last field: to the end of the line) and loses
// surrounding blanks; blank lines are skipped. Line ends may be CR LF, LF or CR.

#include <array>
#include <string>
#include <string_view>

namespace files {

inline constexpr int kRecordFields = 5;     // the layout written today
inline constexpr int kOldRecordFields = 3;  // the older layout, read only

using Record = std::array<std::string, kRecordFields>;

class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : s_(text) {}

  // True when nothing but blank lines is left.
  bool AtEnd();
  // Reads the next line as a record of `fields` fields (at most kRecordFields) into the
  // first slots of `out`, the other slots left as they are, and (with check_texts) checks
  // every text in it. False when no line is left or the record is damaged; `problem` then
  // says why.
  bool ReadRecord(int fields, Record& out, std::string& problem, bool check_texts = true);
  // The line the record read last started on, counted from 1.
  int line() const { return line_; }

 private:
  std::string_view NextLine();

  std::string_view s_;
  std::size_t pos_ = 0;
  int next_line_ = 1;
  int line_ = 0;
};

// The layout of the text's first record: kRecordFields, kOldRecordFields, or 0 when its
// line is neither (`problem` then says what is wrong with it). An empty text is 0 without a
// problem.
int RecordLayout(std::string_view text, std::string& problem);

// Why a text cannot be a participant's address in a list file; empty when it can. Loose on
// purpose: the display forms people type (`"Jo Doe" <jo@x.org>`) pass.
std::string AddressProblem(std::string_view address);

}  // namespace files
