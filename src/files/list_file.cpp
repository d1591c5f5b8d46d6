#include "files/list_file.h"

#include <cctype>
#include <unordered_map>

#include "core/tr.h"
#include "files/atomic_file.h"
#include "files/record_reader.h"
#include "files/text_codec.h"

namespace files {

namespace {

using roster::kColEmail;
using roster::kColExclusions;
using roster::kColName;
using roster::kColNotes;
using roster::kColNumber;
using roster::kColResult;

void AppendField(std::string& out, const std::string& text, bool last) {
  out += '"';
  out += text;
  out += last ? "\"\r\n" : "\",";
}

// Rows by name, the last row of a name winning, as a top-to-bottom scan finds them.
class NameIndex {
 public:
  explicit NameIndex(const roster::Grid& grid) {
    rows_.reserve(static_cast<std::size_t>(grid.Rows()));
    for (int r = 1; r < grid.Rows(); ++r) rows_[grid.TextMatrix(r, kColName)] = r;
  }
  int Find(const std::string& name) const {
    auto it = rows_.find(name);
    return it == rows_.end() ? 0 : it->second;
  }

 private:
  std::unordered_map<std::string, int> rows_;
};

void AddExclusion(roster::Roster& roster, const NameIndex& names, const std::string& giver,
                  const std::string& receiver) {
  roster::Grid& grid = roster.grid();
  const int keep_row = grid.Row();
  const int keep_col = grid.Col();
  const int giver_row = names.Find(giver);
  const int receiver_row = names.Find(receiver);
  if (giver_row != 0 && receiver_row != 0) {
    const std::string added = "," + grid.TextMatrix(receiver_row, kColNumber) + ",";
    grid.SetRow(giver_row);
    std::string merged =
        roster.MergeExclusionList(grid.TextMatrix(giver_row, kColExclusions), added);
    grid.SetTextMatrix(giver_row, kColExclusions, std::move(merged));
    grid.SetRedraw(true);
  }
  grid.SetRow(keep_row);
  grid.SetCol(keep_col);
}

void SetResult(roster::Roster& roster, const NameIndex& names, const std::string& giver,
               const std::string& receiver) {
  roster::Grid& grid = roster.grid();
  const int giver_row = names.Find(giver);
  const int receiver_row = names.Find(receiver);
  if (giver_row != 0 && receiver_row != 0)
    grid.SetTextMatrix(giver_row, kColResult, grid.TextMatrix(receiver_row, kColNumber));
}

// Ends the read with the stage message; the caller clears the roster.
struct StageError {};

class Loader {
 public:
  Loader(roster::Roster& roster, FileDialogs& dialogs, const ListSource& open,
         const std::string& shown_path, bool re_send)
      : roster_(roster), dialogs_(dialogs), open_(open), path_(shown_path), re_send_(re_send) {}

  bool Run() {
    try {
      return Stages();
    } catch (const StageError&) {
    } catch (const std::exception&) {  // out of memory on a huge file, for one
    }
    std::string text = core::Arg(core::Tr("Files", stage_.c_str()), {path_, std::to_string(line_)});
    if (!problem_.empty()) {
      problem_[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem_[0])));
      text += "\n" + problem_ + ".";
    }
    roster_.ui().MsgBox(text, roster::mb::kCritical);
    roster_.ClearList();
    return false;
  }

 private:
  // stage: the whole error text of the stage, the file in place of %1, the line of %2.
  void Begin(const char* stage) {
    stage_ = stage;
    line_ = 0;
  }
  void Open() {
    std::optional<std::string> bytes = open_();
    if (!bytes) throw StageError{};
    DecodedText decoded = DecodeListText(*bytes);
    problem_ = std::move(decoded.problem);
    if (!problem_.empty()) throw StageError{};
    text_ = std::move(decoded.text);
  }
  void Read(RecordReader& reader) {
    ++line_;
    if (!reader.ReadRecord(fields_, last_, problem_)) throw StageError{};
  }

  bool Stages() {
    Begin(core::TrNoop("Files",
                       "Error while Checking File Version from file [%1] on line number %2"));
    Open();
    bool results = false;
    const int layout = RecordLayout(text_, problem_);
    if (!problem_.empty()) throw StageError{};
    const bool current_layout = layout == kRecordFields;
    if (current_layout) {
      // The documented check reads the second record for results; a file of one record
      // fails here.
      RecordReader reader(text_);
      for (int i = 0; i < 2; ++i) {
        if (!reader.ReadRecord(kRecordFields, last_, problem_, false)) {
          if (i == 1 && reader.AtEnd())
            problem_ = core::Tr("Files", "a list needs at least two participants");
          throw StageError{};
        }
      }
      results = !last_[3].empty();
    }
    if (!current_layout && re_send_) {
      roster_.ui().MsgBox(core::Tr("Files", "Error version of file must be 3.0 or greater"),
                          roster::mb::kCritical);
      return false;
    }
    fields_ = current_layout ? kRecordFields : kOldRecordFields;

    LoadOptions options{true, true, true, false, results};
    if (!re_send_) options = dialogs_.ShowLoadOptions(options);
    if (!results) options.set_exclusions = false;  // the box cannot be checked then
    if (options.clear_list) roster_.ClearList();

    roster::Grid& grid = roster_.grid();
    const bool redraw = grid.Redraw();
    grid.SetRedraw(false);  // one repaint at the end, not one per participant
    struct RestoreRedraw {
      roster::Grid& g;
      bool on;
      ~RestoreRedraw() { g.SetRedraw(on); }
    } restore{grid, redraw};

    Begin(core::TrNoop(
        "Files", "Error while Loading Participant Information from file [%1] on line number %2"));
    if (options.add_participants) {
      Open();
      RecordReader reader(text_);
      while (!reader.AtEnd()) {
        Read(reader);
        if (!options.include_exclusions) last_[0].clear();
        // Numbers are 16-bit: a file beyond that fails at the record that does not fit.
        if (roster_.ParticipantCount() >= roster::kMaxParticipants) {
          problem_ = core::Arg(core::Tr("Files", "the file holds more than %1 participants"),
                               {std::to_string(roster::kMaxParticipants)});
          throw StageError{};
        }
        roster_.AddParticipant(last_[0], last_[1], last_[2],
                               fields_ == kRecordFields ? last_[4] : std::string(), false);
      }
    }

    Begin(core::TrNoop(
        "Files", "Error while Loading Exclusion Information from file [%1] on line number %2"));
    if (options.set_exclusions) {
      Open();
      RecordReader reader(text_);
      NameIndex names(grid);
      while (!reader.AtEnd()) {
        Read(reader);
        AddExclusion(roster_, names, last_[1], last_[3]);
      }
    }

    Begin(core::TrNoop("Files",
                       "Error while Loading Secret Santa ReSend Information from file [%1] on line "
                       "number %2"));
    if (re_send_) {
      Open();
      RecordReader reader(text_);
      NameIndex names(grid);
      while (!reader.AtEnd()) {
        // Checks the record read before this one: the last of the previous stage first.
        if (last_[3].empty()) {
          roster_.ui().MsgBox(
              core::Tr("Files", "Error file does not contain Secret Santa history information"),
              roster::mb::kCritical);
          return false;
        }
        Read(reader);
        SetResult(roster_, names, last_[1], last_[3]);
      }
    }
    return true;
  }

  roster::Roster& roster_;
  FileDialogs& dialogs_;
  const ListSource& open_;
  std::string path_;
  bool re_send_;
  std::string stage_;
  int line_ = 0;
  int fields_ = kRecordFields;
  std::string text_;
  std::string problem_;  // why the file cannot be read, beyond the stage and line
  Record last_;          // the record read last, shared by the stages
};

}  // namespace

const std::string& ReceiverName(const roster::Grid& grid, int row) {
  static const std::string kNone;
  int n = 0;
  if (!roster::ParseNumber(grid.TextMatrix(row, kColResult), n) || n < 1 || n >= grid.Rows())
    return kNone;
  return grid.TextMatrix(n, kColName);
}

std::string FormatParticipantFile(const roster::Roster& roster, bool include_results) {
  const roster::Grid& grid = roster.grid();
  std::string out;
  std::size_t estimate = 0;
  for (int r = 1; r < grid.Rows(); ++r)
    for (int c : {kColExclusions, kColName, kColEmail, kColNotes})
      estimate += grid.TextMatrix(r, c).size() + 3;
  out.reserve(estimate + static_cast<std::size_t>(grid.Rows()) * 40);
  for (int r = 1; r < grid.Rows(); ++r) {
    AppendField(out, grid.TextMatrix(r, kColExclusions), false);
    AppendField(out, grid.TextMatrix(r, kColName), false);
    AppendField(out, grid.TextMatrix(r, kColEmail), false);
    static const std::string kEmpty;
    AppendField(out, include_results ? ReceiverName(grid, r) : kEmpty, false);
    AppendField(out, grid.TextMatrix(r, kColNotes), true);
  }
  return out;
}

bool SaveParticipantFile(roster::Roster& roster, const std::filesystem::path& path,
                         bool include_results) {
  if (WriteFileAtomically(path, FormatParticipantFile(roster, include_results))) return true;
  roster.ui().MsgBox(
      core::Arg(core::Tr("Files", "Error while attempting to save information to file [%1]"),
                {path.string()}),
      roster::mb::kCritical);
  return false;
}

bool LoadParticipantSource(roster::Roster& roster, FileDialogs& dialogs, const ListSource& open,
                           const std::string& shown_path, bool re_send) {
  return Loader(roster, dialogs, open, shown_path, re_send).Run();
}

bool LoadParticipantFile(roster::Roster& roster, FileDialogs& dialogs,
                         const std::filesystem::path& path, bool re_send) {
  ListSource open = [&path]() -> std::optional<std::string> {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return std::nullopt;
    return bytes;
  };
  return LoadParticipantSource(roster, dialogs, open, path.string(), re_send);
}

void AddExclusionFromDrawing(roster::Roster& roster, const std::string& giver,
                             const std::string& receiver) {
  AddExclusion(roster, NameIndex(roster.grid()), giver, receiver);
}

void SetReSendInfo(roster::Roster& roster, const std::string& giver, const std::string& receiver) {
  SetResult(roster, NameIndex(roster.grid()), giver, receiver);
}

}  // namespace files
