#include "files/past_drawings.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <unordered_map>

#include "files/amend_archive.h"
#include "files/atomic_file.h"
#include "files/list_file.h"
#include "files/record_reader.h"
#include "files/text_codec.h"

namespace files {

std::vector<std::pair<roster::Person, roster::Person>> ReadArchivedPairs(
    const std::filesystem::path& list_file) {
  std::vector<std::pair<roster::Person, roster::Person>> pairs;
  std::string bytes;
  if (!ReadWholeFile(list_file, bytes)) return pairs;
  const DecodedText decoded = DecodeListText(bytes);
  if (!decoded.problem.empty()) return pairs;
  RecordReader reader(decoded.text);
  std::vector<Record> records;
  Record record;
  std::string problem;
  // A damaged archive gives what it holds up to the damage; earlier years are a preference.
  while (!reader.AtEnd() && reader.ReadRecord(kRecordFields, record, problem, false))
    records.push_back(record);
  // Field 4 names the receiver; the receiver's own record gives their address. A name two
  // rows share cannot say which of them was meant, so it gets no address.
  std::unordered_map<std::string, std::string> address_of;
  for (const Record& r : records) {
    auto [it, fresh] = address_of.emplace(r[1], r[2]);
    if (!fresh) it->second.clear();
  }
  for (const Record& r : records) {
    if (r[3].empty()) continue;
    const auto it = address_of.find(r[3]);
    pairs.push_back({{r[1], r[2]}, {r[3], it == address_of.end() ? "" : it->second}});
  }
  return pairs;
}

std::vector<roster::PastDrawing> ReadPastDrawings(const std::filesystem::path& folder, int count) {
  // A drawing changed after it was sent is one drawing: its newest version counts, once.
  std::map<std::filesystem::path, std::filesystem::path> newest;  // first version -> newest
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path& p = it->path();
    if (p.extension() != kListExtension) continue;
    auto& latest = newest[FirstArchiveVersion(p)];
    if (latest.empty() || ArchiveVersion(p) > ArchiveVersion(latest)) latest = p;
  }
  std::vector<std::filesystem::path> archives;
  for (const auto& [first, latest] : newest) archives.push_back(first);
  // "yyyymmdd-hhnn", then "_2", "_3"... for later archives of the same minute.
  const auto key = [](const std::filesystem::path& p) {
    const std::string stem = p.stem().string();
    const std::size_t bar = stem.rfind('_');
    int n = 1;
    if (bar != std::string::npos) n = std::atoi(stem.c_str() + bar + 1);
    return std::pair(stem.substr(0, bar), n);
  };
  std::sort(archives.begin(), archives.end(),
            [&](const auto& a, const auto& b) { return key(a) > key(b); });
  std::vector<roster::PastDrawing> out;
  for (const auto& path : archives) {
    if (static_cast<int>(out.size()) >= count) break;
    auto pairs = ReadArchivedPairs(newest.at(path));
    if (pairs.empty()) continue;
    out.push_back({path.stem().string(), std::move(pairs)});
  }
  return out;
}

}  // namespace files
