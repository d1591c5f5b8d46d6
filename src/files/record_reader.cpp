#include "files/record_reader.h"

namespace files {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

int CountFieldSeparators(std::string_view line) {
  int count = 0;
  std::size_t p = line.find("\",\"", 1);
  while (p != std::string_view::npos) {
    ++count;
    p = line.find("\",\"", p + 1);
  }
  return count;
}

std::size_t RecordReader::SkipBlanks(std::size_t p) const {
  while (p < s_.size() && IsBlank(s_[p])) ++p;
  return p;
}

void RecordReader::ConsumeLineEnd() {
  if (pos_ < s_.size() && s_[pos_] == '\r') ++pos_;
  if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
}

bool RecordReader::AtEnd() {
  while (pos_ < s_.size() && (IsBlank(s_[pos_]) || s_[pos_] == '\r' || s_[pos_] == '\n')) ++pos_;
  return pos_ >= s_.size();
}

std::string RecordReader::ReadLine() {
  std::size_t end = s_.find_first_of("\r\n", pos_);
  if (end == std::string_view::npos) end = s_.size();
  std::string line(s_.substr(pos_, end - pos_));
  pos_ = end;
  ConsumeLineEnd();
  return line;
}

bool RecordReader::QuoteCloses(std::size_t quote, bool last) const {
  std::size_t p = SkipBlanks(quote + 1);
  if (LineEndAt(p)) return true;
  if (last || s_[p] != ',') return false;
  p = SkipBlanks(p + 1);
  return LineEndAt(p) || s_[p] == '"' || s_[p] == ',';
}

bool RecordReader::ReadField(bool last, std::string& out) {
  // A field that would start on a fresh line continues the record there.
  pos_ = SkipBlanks(pos_);
  while (pos_ < s_.size() && (s_[pos_] == '\r' || s_[pos_] == '\n')) pos_ = SkipBlanks(pos_ + 1);
  if (pos_ >= s_.size()) return false;

  if (s_[pos_] == '"') {
    std::size_t start = pos_ + 1;
    std::size_t q = start;
    while (true) {
      q = s_.find('"', q);
      if (q == std::string_view::npos) return false;  // cut off inside the text
      if (QuoteCloses(q, last)) break;
      ++q;
    }
    out.assign(s_.substr(start, q - start));
    pos_ = SkipBlanks(q + 1);
  } else {
    std::size_t end = last ? s_.find_first_of("\r\n", pos_) : s_.find_first_of(",\r\n", pos_);
    if (end == std::string_view::npos) end = s_.size();
    std::size_t trim = end;
    while (trim > pos_ && IsBlank(s_[trim - 1])) --trim;
    out.assign(s_.substr(pos_, trim - pos_));
    pos_ = end;
  }
  if (pos_ < s_.size() && s_[pos_] == ',' && !last) {
    ++pos_;
  } else {
    ConsumeLineEnd();
  }
  return true;
}

bool RecordReader::ReadRecord(int fields, Record& out) {
  if (fields > kRecordFields) fields = kRecordFields;
  for (int i = 0; i < fields; ++i)
    if (!ReadField(i == fields - 1, out[i])) return false;
  return true;
}

}  // namespace files
