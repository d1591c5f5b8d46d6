// CSV contacts: the exports of the common webmail and desktop clients name their columns
// differently ("E-mail Address", "E-mail 1 - Value", "Primary Email", "Email"...), so columns
// are recognised by what their heading means. Without a heading row, any cell that holds an
// address is taken. Comma, semicolon and tab separators; quoted cells may span lines.

#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_set>

#include "core/ascii_text.h"
#include "mail/contacts/contacts.h"

namespace mail {

namespace {

using Record = std::vector<std::string>;

char DetectSeparator(std::string_view text) {
  int commas = 0, semicolons = 0, tabs = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    if (c == ',') ++commas;
    if (c == ';') ++semicolons;
    if (c == '\t') ++tabs;
  }
  if (tabs > commas && tabs >= semicolons) return '\t';
  if (semicolons > commas) return ';';
  return ',';
}

// Reads one record from pos; returns false at the end of the text.
bool NextRecord(std::string_view text, std::size_t& pos, char sep, Record& record) {
  record.clear();
  if (pos >= text.size()) return false;
  std::string cell;
  bool in_quotes = false, was_quoted = false;
  while (pos < text.size()) {
    char c = text[pos++];
    if (in_quotes) {
      if (c == '"') {
        if (pos < text.size() && text[pos] == '"') {
          cell += '"';
          ++pos;
        } else {
          in_quotes = false;
        }
      } else {
        cell += c;
      }
    } else if (c == '"' && !was_quoted && cell.find_first_not_of(" \t") == std::string::npos) {
      cell.clear();
      in_quotes = was_quoted = true;
    } else if (c == sep) {
      record.push_back(std::move(cell));
      cell.clear();
      was_quoted = false;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
      break;
    } else {
      cell += c;
    }
  }
  record.push_back(std::move(cell));
  return true;
}

std::string Normalize(std::string_view heading) {
  std::string out;
  for (char c : heading)
    if (std::isalnum(static_cast<unsigned char>(c)))
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool Contains(const std::string& s, std::string_view part) {
  return s.find(part) != std::string::npos;
}

bool OneOf(const std::string& s, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), s) != names.end();
}

enum class Column { kOther, kEmail, kFullName, kFirst, kMiddle, kLast, kNickname, kCompany };

Column Classify(std::string_view heading) {
  const std::string h = Normalize(heading);
  if ((Contains(h, "email") || h.rfind("mail", 0) == 0) && !Contains(h, "type") &&
      !Contains(h, "label") && !Contains(h, "display") && !Contains(h, "mailing"))
    return Column::kEmail;
  if (OneOf(h, {"name", "displayname", "fullname", "formattedname", "contactname", "anzeigename"}))
    return Column::kFullName;
  if (OneOf(h, {"firstname", "givenname", "first", "vorname", "prenom"})) return Column::kFirst;
  if (OneOf(h, {"middlename", "additionalname", "middle"})) return Column::kMiddle;
  if (OneOf(h, {"lastname", "familyname", "surname", "last", "nachname"})) return Column::kLast;
  if (OneOf(h, {"nickname", "nick"})) return Column::kNickname;
  if (OneOf(h,
            {"company", "organization", "organisation", "organizationname", "organization1name"}))
    return Column::kCompany;
  return Column::kOther;
}

std::string_view Trim(std::string_view s) { return core::TrimView(s, core::kAsciiSpace); }

// The addresses in one cell: "a@x", "a@x ::: b@y", "a@x; b@y", "Name <a@x>", "mailto:a@x".
// A name found before "<" goes to *name_out when that is still empty.
// `seen` keeps the row's addresses so each is taken once, however many a row holds.
void CellAddresses(std::string_view cell, std::vector<std::string>& out,
                   std::unordered_set<std::string>& seen, std::string* name_out) {
  std::size_t start = 0;
  while (start <= cell.size()) {
    std::size_t end = cell.find_first_of(",;:", start);
    // ":" separates only as part of ":::"; a single colon may be "mailto:".
    while (end != std::string_view::npos && cell[end] == ':' && cell.substr(end, 3) != ":::")
      end = cell.find_first_of(",;:", end + 1);
    std::string_view piece = Trim(
        cell.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (std::size_t lt = piece.find('<'); lt != std::string_view::npos && piece.back() == '>') {
      if (name_out && name_out->empty()) {
        std::string_view before = Trim(piece.substr(0, lt));
        if (before.size() >= 2 && before.front() == '"' && before.back() == '"')
          before = before.substr(1, before.size() - 2);
        *name_out = std::string(before);
      }
      piece = piece.substr(lt + 1, piece.size() - lt - 2);
    }
    if (piece.size() > 7 && Normalize(piece.substr(0, 6)) == "mailto" && piece[6] == ':')
      piece.remove_prefix(7);
    if (LooksLikeAddress(piece) && seen.emplace(piece).second) out.emplace_back(piece);
    if (end == std::string_view::npos) break;
    start = end + (cell[end] == ':' ? 3 : 1);
  }
}

bool BlankRecord(const Record& r) {
  return std::all_of(r.begin(), r.end(), [](const std::string& c) { return Trim(c).empty(); });
}

}  // namespace

ContactsLoad ParseContactsCsv(std::string_view text) {
  ContactsLoad out;
  const char sep = DetectSeparator(text);
  std::size_t pos = 0;
  Record record;
  if (!NextRecord(text, pos, sep, record)) return out;

  // A first row holding an address is data, not headings.
  std::vector<std::string> probe;
  std::unordered_set<std::string> probe_seen;
  for (const std::string& cell : record) CellAddresses(cell, probe, probe_seen, nullptr);
  const bool has_heading = probe.empty();

  std::vector<Column> columns;
  if (has_heading)
    for (const std::string& heading : record) columns.push_back(Classify(heading));
  const bool email_columns_known =
      std::find(columns.begin(), columns.end(), Column::kEmail) != columns.end();
  const bool name_columns_known = std::any_of(columns.begin(), columns.end(), [](Column c) {
    return c != Column::kOther && c != Column::kEmail;
  });

  auto take = [&](const Record& row) {
    if (BlankRecord(row)) return;
    std::vector<std::string> addresses;
    std::unordered_set<std::string> seen;
    std::string bracket_name;
    std::string full, parts[3], nickname, company, first_free;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const Column col = i < columns.size() ? columns[i] : Column::kOther;
      std::string_view cell = Trim(row[i]);
      if (cell.empty()) continue;
      if (col == Column::kEmail || (!email_columns_known && cell.find('@') != cell.npos)) {
        const std::size_t before = addresses.size();
        CellAddresses(cell, addresses, seen, &bracket_name);
        if (addresses.size() > before || col == Column::kEmail) continue;
      }
      switch (col) {
        case Column::kFullName:
          if (full.empty()) full = cell;
          break;
        case Column::kFirst:
        case Column::kMiddle:
        case Column::kLast: {
          std::string& part = parts[static_cast<int>(col) - static_cast<int>(Column::kFirst)];
          if (part.empty()) part = cell;
          break;
        }
        case Column::kNickname:
          if (nickname.empty()) nickname = cell;
          break;
        case Column::kCompany:
          if (company.empty()) company = cell;
          break;
        default:
          if (first_free.empty() && !name_columns_known && cell.find('@') == cell.npos)
            first_free = cell;
          break;
      }
    }
    if (addresses.empty()) {
      ++out.skipped;
      return;
    }
    std::string first_middle_last;
    for (const std::string& part : parts) {
      if (part.empty()) continue;
      if (!first_middle_last.empty()) first_middle_last += ' ';
      first_middle_last += part;
    }
    std::string name = !full.empty()                ? full
                       : !first_middle_last.empty() ? first_middle_last
                       : !bracket_name.empty()      ? bracket_name
                       : !nickname.empty()          ? nickname
                       : !company.empty()           ? company
                                                    : first_free;
    name = CleanName(name);
    for (const std::string& address : addresses)
      out.contacts.push_back({name.empty() ? address : name, address});
  };

  if (!has_heading) take(record);
  while (NextRecord(text, pos, sep, record)) take(record);
  return out;
}

}  // namespace mail
