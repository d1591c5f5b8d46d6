#include "files/ledger.h"

#include <cerrno>
#include <cstring>

#include "core/tr.h"
#include "files/atomic_file.h"
#include "platform/files.h"

namespace files {

namespace fs = std::filesystem;
using mail::DeliveryState;

namespace {

constexpr const char* kHeader = "hollymoor-ledger 1";

using platform::CloseFile;
using platform::OpenForAppend;
using platform::SyncFile;
using platform::SyncFolder;
using platform::WriteSome;

// Names and replies may hold tabs or line breaks; one record stays one line.
std::string Escape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Unescape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

constexpr struct {
  DeliveryState state;
  const char* word;
} kStates[] = {{DeliveryState::kNotAttempted, "not attempted"},
               {DeliveryState::kInFlight, "in flight"},
               {DeliveryState::kAccepted, "accepted"},
               {DeliveryState::kRefused, "refused"},
               {DeliveryState::kUnconfirmed, "unconfirmed"}};

std::optional<DeliveryState> StateFromWord(const std::string& word) {
  for (const auto& s : kStates)
    if (word == s.word) return s.state;
  return std::nullopt;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

bool ParseIndex(const std::string& text, std::size_t& out) {
  if (text.empty() || text.size() > 9) return false;
  out = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    out = out * 10 + static_cast<std::size_t>(c - '0');
  }
  return true;
}

// One record into `contents`; false when the line is not one.
bool ApplyLine(const std::string& line, LedgerContents& contents) {
  const std::vector<std::string> f = SplitTabs(line);
  std::size_t index = 0, row = 0;
  if (f.size() == 1 && (f[0] == "E" || f[0] == "R")) {
    contents.finished = f[0] == "E";  // "R": a re-send began
    return true;
  }
  if (f.size() != 4 || !ParseIndex(f[1], index)) return false;
  if (f[0] == "P") {
    // Deliveries are numbered in order; a re-send may add some after the outcomes.
    if (index != contents.entries.size() || !ParseIndex(f[2], row)) return false;
    contents.entries.push_back({static_cast<int>(row), Unescape(f[3]), {}});
    return true;
  }
  if (f[0] == "S") {
    const auto state = StateFromWord(f[2]);
    if (!state || index >= contents.entries.size()) return false;
    contents.entries[index].outcome = {*state, Unescape(f[3])};
    return true;
  }
  return false;
}

}  // namespace

fs::path LedgerPathFor(const fs::path& archive) {
  fs::path p = archive;
  p.replace_extension(kLedgerExtension);
  return p;
}

std::optional<LedgerContents> ReadLedger(const fs::path& path, std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    error = core::Arg(core::Tr("Ledger", "cannot read the delivery ledger [%1]"), {path.string()});
    return std::nullopt;
  }
  LedgerContents contents;
  if (bytes.empty()) return contents;
  std::size_t start = 0;
  bool first = true;
  // A line without its end is the one being written when the run stopped: not recorded.
  for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = bytes.substr(start, end - start);
    if (first) {
      if (line != kHeader) {
        error = core::Arg(core::Tr("Ledger", "[%1] is not a delivery ledger"), {path.string()});
        return std::nullopt;
      }
      first = false;
    } else if (!ApplyLine(line, contents)) {
      ++contents.skipped_lines;
    }
  }
  // Only a torn header: the run stopped while starting its record.
  if (first && std::string(kHeader).compare(0, bytes.size() - start, bytes, start) != 0) {
    error = core::Arg(core::Tr("Ledger", "[%1] is not a delivery ledger"), {path.string()});
    return std::nullopt;
  }
  for (LedgerEntry& e : contents.entries)
    if (e.outcome.state == DeliveryState::kInFlight) e.outcome.state = DeliveryState::kUnconfirmed;
  return contents;
}

LedgerWriter::LedgerWriter(fs::path path, int fd) : path_(std::move(path)), fd_(fd) {}

void LedgerWriter::AddDelivery(const mail::Delivery& d) {
  line_index_.push_back(next_index_);
  Append("P\t" + std::to_string(next_index_++) + "\t" + std::to_string(d.giver_row) + "\t" +
         Escape(d.name) + "\n");
}

std::unique_ptr<LedgerWriter> LedgerWriter::Start(const fs::path& path,
                                                  const mail::Deliveries& deliveries,
                                                  std::string& error) {
  std::error_code ec;
  if (fs::exists(path, ec) && fs::file_size(path, ec) != 0) {
    error = core::Arg(core::Tr("Ledger", "the delivery ledger [%1] already holds a run"),
                      {path.string()});
    return nullptr;
  }
  return Continue(path, deliveries, error);
}

std::unique_ptr<LedgerWriter> LedgerWriter::Continue(const fs::path& path,
                                                     const mail::Deliveries& deliveries,
                                                     std::string& error) {
  std::error_code ec;
  std::optional<LedgerContents> earlier;
  std::string bytes;
  if (fs::exists(path, ec) && fs::file_size(path, ec) != 0) {
    earlier = ReadLedger(path, error);
    if (!earlier || !ReadWholeFile(path, bytes)) {
      if (error.empty())
        error =
            core::Arg(core::Tr("Ledger", "cannot read the delivery ledger [%1]"), {path.string()});
      return nullptr;
    }
  }
  const int fd = OpenForAppend(path);
  if (fd < 0) {
    error = core::Arg(core::Tr("Ledger", "cannot write the delivery ledger [%1]: %2"),
                      {path.string(), std::strerror(errno)});
    return nullptr;
  }
  std::unique_ptr<LedgerWriter> w(new LedgerWriter(path, fd));
  if (!earlier) {
    w->Append(std::string(kHeader) + "\n");
  } else {
    // A line the earlier run left torn must not swallow the first one of this run.
    if (!bytes.empty() && bytes.back() != '\n') w->Append("\n");
    w->Append("R\n");
    w->next_index_ = static_cast<long>(earlier->entries.size());
  }
  for (const mail::Delivery& d : deliveries) {
    w->entries_.push_back({d.giver_row, d.name, {}});
    long found = -2;
    if (earlier) {
      for (std::size_t i = 0; i < earlier->entries.size(); ++i) {
        const LedgerEntry& e = earlier->entries[i];
        if (e.giver_row != d.giver_row || e.name != d.name) continue;
        found = e.outcome.state == DeliveryState::kAccepted ? -1 : static_cast<long>(i);
        break;
      }
    }
    if (found == -2)
      w->AddDelivery(d);
    else
      w->line_index_.push_back(found);
  }
  if (!w->Flush()) {
    error = w->error_;
    return nullptr;
  }
  if (!earlier) SyncFolder(path.parent_path());  // the name must survive a power cut too
  return w;
}

LedgerWriter::~LedgerWriter() {
  Finish();
  CloseFile(fd_);
}

void LedgerWriter::Append(const std::string& line) { pending_ += line; }

bool LedgerWriter::Flush() {
  if (!error_.empty()) return false;
  std::size_t done = 0;
  while (done < pending_.size()) {
    const long n = WriteSome(fd_, pending_.data() + done, pending_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const bool ok = done == pending_.size() && SyncFile(fd_);
  pending_.clear();
  if (!ok)
    error_ = core::Arg(core::Tr("Ledger", "cannot write the delivery ledger [%1]: %2"),
                       {path_.string(), std::strerror(errno)});
  return ok;
}

void LedgerWriter::OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) {
  if (index >= entries_.size() || finished_) return;
  entries_[index].outcome = outcome;
  // Somebody a re-send reaches again keeps the acceptance the earlier run recorded.
  if (line_index_[index] < 0) return;
  Append("S\t" + std::to_string(line_index_[index]) + "\t" + StateWord(outcome.state) + "\t" +
         Escape(outcome.reply) + "\n");
  // The message goes out once this returns: its record, and the outcomes before it, must be
  // on disk first. Outcomes alone can wait for the next group.
  if (outcome.state == DeliveryState::kInFlight) Flush();
}

void LedgerWriter::Finish() {
  if (finished_) return;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].outcome.state == DeliveryState::kInFlight)
      OnDeliveryState(i, {DeliveryState::kUnconfirmed, {}});
  finished_ = true;
  Append("E\n");
  Flush();
}

const char* StateWord(DeliveryState state) {
  for (const auto& s : kStates)
    if (s.state == state) return s.word;
  return "unknown";
}

namespace {

// The state as a person reads it; StateWord is the file's own word.
std::string StateText(DeliveryState state) {
  switch (state) {
    case DeliveryState::kNotAttempted:
      return core::Tr("Ledger", "not attempted");
    case DeliveryState::kInFlight:
      return core::Tr("Ledger", "in flight");
    case DeliveryState::kAccepted:
      return core::Tr("Ledger", "accepted");
    case DeliveryState::kRefused:
      return core::Tr("Ledger", "refused");
    case DeliveryState::kUnconfirmed:
      return core::Tr("Ledger", "unconfirmed");
  }
  return core::Tr("Ledger", "unknown");
}

}  // namespace

std::string DescribeEntry(const LedgerEntry& entry) {
  if (entry.outcome.reply.empty())
    return core::Arg(core::Tr("Ledger", "%1 (%2)"), {entry.name, StateText(entry.outcome.state)});
  return core::Arg(core::Tr("Ledger", "%1 (%2: %3)"),
                   {entry.name, StateText(entry.outcome.state), entry.outcome.reply});
}

std::vector<LedgerEntry> NotAccepted(const std::vector<LedgerEntry>& entries) {
  std::vector<LedgerEntry> out;
  for (const LedgerEntry& e : entries)
    if (e.outcome.state != DeliveryState::kAccepted) out.push_back(e);
  return out;
}

std::string NotNotifiedText(const std::vector<LedgerEntry>& entries, bool resend_hint) {
  const std::vector<LedgerEntry> missing = NotAccepted(entries);
  if (missing.empty()) return {};
  std::string names, reasons;
  for (const LedgerEntry& e : missing) {
    names += e.name + ";";
    switch (e.outcome.state) {
      case DeliveryState::kRefused:
        reasons +=
            core::Arg(core::Tr("Ledger", "%1: refused, %2"), {e.name, e.outcome.reply}) + "\n";
        break;
      case DeliveryState::kUnconfirmed:
      case DeliveryState::kInFlight:
        reasons += core::Arg(core::Tr("Ledger",
                                      "%1: the connection ended before the server confirmed the "
                                      "message"),
                             {e.name}) +
                   "\n";
        break;
      default:
        reasons +=
            (e.outcome.reply.empty() ? core::Arg(core::Tr("Ledger", "%1: not sent"), {e.name})
                                     : core::Arg(core::Tr("Ledger", "%1: not sent (last try: %2)"),
                                                 {e.name, e.outcome.reply})) +
            "\n";
    }
  }
  std::string text =
      core::Arg(core::Tr("Ledger", "These participants were not notified:\n%1"), {names}) + "\n\n" +
      reasons;
  if (resend_hint)
    text += "\n" + core::Tr("Ledger",
                            "Re-Send Previous Drawing with the newest file in History and mark "
                            "them to send their notifications again.");
  return text;
}

}  // namespace files
