#include "drawing/past_pairs.h"

#include <unordered_map>

#include "core/ascii_text.h"

namespace roster {

namespace {

std::string Key(const std::string& text) {
  return core::AsciiLower(core::TrimView(text, core::kAsciiSpace));
}

// Index by key; a key two people share matches neither of them (-2).
class Index {
 public:
  void Add(const std::string& text, int who) {
    const std::string key = Key(text);
    if (key.empty()) return;
    auto [it, fresh] = map_.emplace(key, who);
    if (!fresh && it->second != who) it->second = -2;
  }
  int Find(const std::string& text) const {
    const auto it = map_.find(Key(text));
    return it == map_.end() ? -1 : it->second;
  }

 private:
  std::unordered_map<std::string, int> map_;
};

}  // namespace

std::vector<std::pair<int, int>> MatchPastPairs(const std::vector<Person>& people,
                                                const PastDrawing& past) {
  Index by_email, by_name;
  for (int i = 0; i < static_cast<int>(people.size()); ++i) {
    by_email.Add(people[i].email, i);
    by_name.Add(people[i].name, i);
  }
  const auto find = [&](const Person& p) {
    // A family may share one address; then the name tells them apart.
    const int e = by_email.Find(p.email);
    return e >= 0 ? e : by_name.Find(p.name);
  };
  std::vector<std::pair<int, int>> out;
  for (const auto& [giver, receiver] : past.pairs) {
    const int g = find(giver), r = find(receiver);
    if (g >= 0 && r >= 0 && g != r) out.emplace_back(g, r);
  }
  return out;
}

}  // namespace roster
