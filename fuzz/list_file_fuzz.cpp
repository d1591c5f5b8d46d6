// Feeds arbitrary bytes to the list-file reader as a file would reach it. The first byte
// picks the re-send flag, the options the user leaves in frmLoadFileOptions and whether the
// roster already holds people; the rest is the file. Besides the sanitizers, it checks that
// the roster stays numbered and, when everything loaded can be written back without
// ambiguity, that saving and opening again gives the same roster.

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/quiet_ui.h"
#include "files/history.h"
#include "files/list_file.h"
#include "roster/roster.h"

namespace {

using NullUi = roster::QuietUi;

class Dialogs : public files::FileDialogs {
 public:
  explicit Dialogs(std::uint8_t bits) : bits_(bits) {}
  std::optional<std::filesystem::path> ShowOpen(const files::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::filesystem::path> ShowSave(const files::FileDialogRequest&) override {
    return std::nullopt;
  }
  files::LoadOptions ShowLoadOptions(const files::LoadOptions& o) override {
    if (bits_ & 1) return {};  // closed without Continue
    files::LoadOptions chosen = o;
    chosen.clear_list = !(bits_ & 2);
    chosen.add_participants = !(bits_ & 4);
    chosen.include_exclusions = !(bits_ & 8);
    chosen.set_exclusions = o.set_exclusions_enabled && (bits_ & 32);
    return chosen;
  }

 private:
  std::uint8_t bits_;
};

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckNumbered(const roster::Roster& r) {
  Check(r.ParticipantCount() <= roster::kMaxParticipants);
  if (r.ParticipantCount() == 0) return;
  for (int row = 1; row < r.grid().Rows(); ++row)
    Check(r.grid().TextMatrix(row, roster::kColNumber) == std::to_string(row));
}

// Texts the writer puts out unambiguously: no quotes or line ends, and a non-empty name
// (an empty first name would make the next participant reuse the placeholder row).
bool WritesBackExactly(const roster::Roster& r) {
  if (r.ParticipantCount() < 2) return false;  // one record fails the version check
  for (int row = 1; row < r.grid().Rows(); ++row) {
    if (r.grid().TextMatrix(row, roster::kColName).empty()) return false;
    for (int col : {roster::kColExclusions, roster::kColName, roster::kColEmail, roster::kColNotes})
      if (r.grid().TextMatrix(row, col).find_first_of("\"\r\n") != std::string::npos) return false;
  }
  return true;
}

struct Person {
  std::string name, address, notes;
};

// Well-formed texts from arbitrary bytes: printable ASCII (and tabs in the notes); names
// without double quotes; addresses of a shape any reader accepts.
std::vector<Person> PeopleFrom(const std::string& bytes) {
  std::vector<Person> people;
  std::size_t start = 0;
  while (start <= bytes.size() && people.size() < 200) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string piece = bytes.substr(start, end - start);
    Person p;
    for (char c : piece) {
      const bool printable = c >= 0x20 && c < 0x7F;
      if (printable || c == '\t') p.notes += c;
      if (printable && c != '"') p.name += c;
      if (std::isalnum(static_cast<unsigned char>(c))) p.address += c;
    }
    if (p.name.empty()) p.name = "P" + std::to_string(people.size());
    p.address = "a" + p.address + "@example.org";
    people.push_back(std::move(p));
    start = end + 1;
  }
  return people;
}

void CheckWellFormedFileComesBackWhole(const std::string& bytes) {
  const std::vector<Person> people = PeopleFrom(bytes);
  if (people.size() < 2) return;  // a single record fails the version check by design
  std::string file;
  for (const Person& p : people)
    file += "\"\",\"" + p.name + "\",\"" + p.address + "\",\"\",\"" + p.notes + "\"\r\n";
  NullUi ui;
  roster::Roster r(ui);
  r.SetupGrid();
  Dialogs defaults(0);
  const files::ListSource open = [&file]() -> std::optional<std::string> { return file; };
  Check(files::LoadParticipantSource(r, defaults, open, "well-formed.hmr", false));
  Check(r.ParticipantCount() == static_cast<int>(people.size()));
  for (std::size_t i = 0; i < people.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    Check(r.grid().TextMatrix(row, roster::kColName) == people[i].name);
    Check(r.grid().TextMatrix(row, roster::kColEmail) == people[i].address);
    Check(r.grid().TextMatrix(row, roster::kColNotes) == people[i].notes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t bits = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  NullUi ui;
  roster::Roster r(ui);
  r.SetupGrid();
  if (bits & 64) {
    for (const char* name : {"Ann", "Bo", "Cy"}) r.AddParticipant("", name, "x@y", "", false);
  }
  Dialogs dialogs(bits);
  const files::ListSource open = [&bytes]() -> std::optional<std::string> { return bytes; };
  const bool re_send = bits & 16;
  CheckWellFormedFileComesBackWhole(bytes);
  const bool loaded = files::LoadParticipantSource(r, dialogs, open, "fuzz.hmr", re_send);
  CheckNumbered(r);

  // Whatever was loaded can be written out again.
  const std::string saved = files::FormatParticipantFile(r, true);
  const std::string log = files::FormatHistoryLog(r, "/h/fuzz.htm");
  Check(log.ends_with("</table></body></html>\r\n"));

  if (loaded && WritesBackExactly(r)) {
    NullUi ui2;
    roster::Roster again(ui2);
    again.SetupGrid();
    Dialogs defaults(0);
    const std::string plain = files::FormatParticipantFile(r, false);
    const files::ListSource reopen = [&plain]() -> std::optional<std::string> { return plain; };
    Check(files::LoadParticipantSource(again, defaults, reopen, "again.hmr", false));
    Check(again.grid().Rows() == r.grid().Rows());
    for (int row = 1; row < r.grid().Rows(); ++row)
      for (int col :
           {roster::kColExclusions, roster::kColName, roster::kColEmail, roster::kColNotes})
        Check(again.grid().TextMatrix(row, col) == r.grid().TextMatrix(row, col));
  }
  return 0;
}
