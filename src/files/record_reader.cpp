#include "files/record_reader.h"

#include <cstdint>

#include "core/tr.h"

namespace files {

namespace {

constexpr const char* kFieldNames[kRecordFields] = {
    core::TrNoop("Records", "the exclusion list field"), core::TrNoop("Records", "the name field"),
    core::TrNoop("Records", "the e-mail address field"),
    core::TrNoop("Records", "the drawn name field"), core::TrNoop("Records", "the notes field")};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// C0 controls, DEL and the C1 controls as UTF-8 (U+0080..U+009F).
bool HasControl(std::string_view s, bool allow_tab) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(s[i]);
    if (b == '\t' && allow_tab) continue;
    if (b < 0x20 || b == 0x7F) return true;
    if (b == 0xC2 && i + 1 < s.size() && static_cast<std::uint8_t>(s[i + 1]) <= 0x9F) return true;
  }
  return false;
}

std::size_t SkipBlanks(std::string_view line, std::size_t p) {
  while (p < line.size() && IsBlank(line[p])) ++p;
  return p;
}

// Whether the quote at `q` ends a field that is not the record's last.
bool QuoteCloses(std::string_view line, std::size_t q) {
  std::size_t p = SkipBlanks(line, q + 1);
  if (p >= line.size()) return true;
  if (line[p] != ',') return false;
  p = SkipBlanks(line, p + 1);
  return p >= line.size() || line[p] == '"' || line[p] == ',';
}

std::string Field(int i) { return core::Tr("Records", kFieldNames[i]); }

// A double quote inside a field that can never hold one: the likeliest sign of a lost quote.
std::string QuoteProblem(const Record& r, int fields) {
  for (int i : {0, 1, 3}) {
    if (i < fields && r[i].find('"') != std::string::npos)
      return core::Arg(
          core::Tr("Records", "%1 \"%2\" holds a double quote (a quote may be missing)"),
          {Field(i), r[i]});
  }
  return {};
}

// Splits one line into `fields` fields; empty when it holds exactly that many. `filled`
// counts the fields read.
std::string SplitLine(std::string_view line, int fields, Record& out, int& filled) {
  std::size_t pos = 0;
  for (int i = 0; i < fields; ++i) {
    filled = i;
    const bool last = i == fields - 1;
    pos = SkipBlanks(line, pos);
    if (pos < line.size() && line[pos] == '"') {
      const std::size_t start = pos + 1;
      std::size_t q = std::string_view::npos;
      if (last) {
        std::size_t end = line.size();
        while (end > start && IsBlank(line[end - 1])) --end;
        if (end > start && line[end - 1] == '"') q = end - 1;
      } else {
        for (std::size_t p = line.find('"', start); p != std::string_view::npos;
             p = line.find('"', p + 1)) {
          if (QuoteCloses(line, p)) {
            q = p;
            break;
          }
        }
      }
      if (q == std::string_view::npos)
        return core::Arg(core::Tr("Records", "%1 has no closing quote"), {Field(i)});
      out[i].assign(line.substr(start, q - start));
      filled = i + 1;
      pos = SkipBlanks(line, q + 1);
    } else {
      std::size_t end = last ? line.size() : line.find(',', pos);
      if (end == std::string_view::npos) end = line.size();
      std::size_t trim = end;
      while (trim > pos && IsBlank(line[trim - 1])) --trim;
      out[i].assign(line.substr(pos, trim - pos));
      filled = i + 1;
      if (!last && out[i].find('"') != std::string::npos)
        return core::Arg(core::Tr("Records", "%1 holds a stray double quote"), {Field(i)});
      pos = end;
    }
    if (!last) {
      if (pos >= line.size()) {
        if (i + 1 < fields)
          return core::Arg(
              i == 0 ? core::Tr("Records",
                                "the record ends after %1 field where %2 are expected (a quote "
                                "may be missing, or the record is broken across lines)")
                     : core::Tr("Records",
                                "the record ends after %1 fields where %2 are expected (a quote "
                                "may be missing, or the record is broken across lines)"),
              {std::to_string(i + 1), std::to_string(fields)});
      } else {
        ++pos;  // the comma
      }
    }
  }
  return {};
}

// What the texts of a well-formed record may not hold.
std::string TextProblem(const Record& r, int fields) {
  for (int i = 0; i < fields; ++i) {
    const bool notes = i == kRecordFields - 1;
    if (HasControl(r[i], notes))
      return core::Arg(core::Tr("Records", "%1 holds a control character"), {Field(i)});
  }
  if (r[1].empty()) return core::Tr("Records", "the name is empty");
  if (std::string why = QuoteProblem(r, fields); !why.empty()) return why;
  if (std::string why = AddressProblem(r[2]); !why.empty()) return why;
  return {};
}

}  // namespace

std::string AddressProblem(std::string_view address) {
  const std::string shown(address);
  if (HasControl(address, false))
    return core::Tr("Records", "the e-mail address holds a control character");
  if (address.find("\",\"") != std::string_view::npos)
    return core::Arg(
        core::Tr("Records", "the e-mail address \"%1\" holds \",\" (a quote may be missing)"),
        {shown});
  const std::size_t at = address.rfind('@');
  if (at == std::string_view::npos || at == 0 || at + 1 >= address.size() ||
      IsBlank(address[at - 1]) || IsBlank(address[at + 1]))
    return core::Arg(
        core::Tr("Records", "the e-mail address \"%1\" does not look like an e-mail address"),
        {shown});
  return {};
}

bool RecordReader::AtEnd() {
  while (pos_ < s_.size() && (IsBlank(s_[pos_]) || s_[pos_] == '\r' || s_[pos_] == '\n')) {
    if (s_[pos_] == '\n' || (s_[pos_] == '\r' && (pos_ + 1 >= s_.size() || s_[pos_ + 1] != '\n')))
      ++next_line_;
    ++pos_;
  }
  return pos_ >= s_.size();
}

std::string_view RecordReader::NextLine() {
  std::size_t end = s_.find_first_of("\r\n", pos_);
  if (end == std::string_view::npos) end = s_.size();
  std::string_view line = s_.substr(pos_, end - pos_);
  pos_ = end;
  if (pos_ < s_.size() && s_[pos_] == '\r') ++pos_;
  if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
  line_ = next_line_++;
  return line;
}

bool RecordReader::ReadRecord(int fields, Record& out, std::string& problem, bool check_texts) {
  if (fields > kRecordFields) fields = kRecordFields;
  if (AtEnd()) {
    problem = core::Tr("Records", "the file ends before the record does");
    return false;
  }
  int filled = 0;
  problem = SplitLine(NextLine(), fields, out, filled);
  if (!problem.empty()) {
    if (std::string why = QuoteProblem(out, filled); !why.empty()) problem = why;
  } else if (check_texts) {
    problem = TextProblem(out, fields);
  }
  if (problem.empty()) return true;
  problem = core::Arg(core::Tr("Records", "line %1: %2"), {std::to_string(line_), problem});
  return false;
}

int RecordLayout(std::string_view text, std::string& problem) {
  problem.clear();
  if (RecordReader(text).AtEnd()) return 0;
  // Five fields decide the layout by their shape alone; a damaged text in them is reported
  // when the record is loaded. Three fields only count when their texts are sound too, as a
  // five-field line read as three leaves the rest of the line in the address.
  Record record;
  std::string why;
  if (RecordReader(text).ReadRecord(kRecordFields, record, problem, false)) return kRecordFields;
  if (RecordReader(text).ReadRecord(kOldRecordFields, record, why)) {
    problem.clear();
    return kOldRecordFields;
  }
  return 0;
}

}  // namespace files
