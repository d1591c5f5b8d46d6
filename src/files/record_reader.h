#pragma once
// Reads the records of a list file: double-quoted fields separated by commas, one record
// per line.
//
// The writer puts texts between double quotes without escaping, so a double quote inside a
// text is ambiguous. Names and exclusion lists never hold one (the entry dialogs refuse it),
// but addresses and notes may. The rule here keeps such texts and never shifts the fields
// that follow:
//   - A double quote ends a quoted field only where the field's delimiter follows it (blanks
//     allowed in between): for the record's last field the end of the line or of the file;
//     for any other field a comma followed by the next field's opening quote (or by another
//     comma or the end of the line), or the end of the line.
//   - Any other double quote belongs to the text.
// So `"He said "hi", then left"` as notes reads back as He said "hi", then left, and an
// address `"Jo Doe" <jo@x.org>` reads back whole. The one text that cannot come back is an
// address holding the three characters `","` itself.
// Forms the writer never produces are read leniently: a field without quotes runs to the
// next comma (the last field: to the end of the line) and loses surrounding blanks; a
// record whose fields run out at the end of a line continues on the next line; blank lines
// between and after records are skipped. Line ends may be CR LF, LF or CR.

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
  // The rest of the current line, without its line end, which is consumed.
  std::string ReadLine();
  // Reads `fields` fields (at most kRecordFields) into the first slots of `out`; the other
  // slots are left as they are. False when the text ends before the record does.
  bool ReadRecord(int fields, Record& out);

 private:
  bool ReadField(bool last, std::string& out);
  bool QuoteCloses(std::size_t quote, bool last) const;
  std::size_t SkipBlanks(std::size_t p) const;
  bool LineEndAt(std::size_t p) const { return p >= s_.size() || s_[p] == '\r' || s_[p] == '\n'; }
  void ConsumeLineEnd();

  std::string_view s_;
  std::size_t pos_ = 0;
};

// Occurrences of `","` in a line, counted from its second character, each search going on
// from the character after the previous hit's first character. More than 2 marks the
// five-field layout.
int CountFieldSeparators(std::string_view line);

}  // namespace files
