// The drawing options on the roster: past years' pairs matched to today's rows, and the
// questions that drop an option when it makes the drawing impossible.

#include <string>

#include "roster/roster.h"

namespace roster {

namespace {

std::string Seconds(double s) {
  const long whole = static_cast<long>(s + 0.5);
  return std::to_string(whole) + (whole == 1 ? " second" : " seconds");
}

bool RuleProof(Obstruction::Kind kind) {
  return kind == Obstruction::Kind::kClosedGroup || kind == Obstruction::Kind::kNoSingleLoop ||
         kind == Obstruction::Kind::kOnlySwappedPairs;
}

std::string Summary(DrawMethod method, const DrawRules& asked, const DrawRules& applied,
                    int asked_years, int applied_years) {
  std::string options;
  const auto add = [&](const std::string& text) {
    options += (options.empty() ? "" : ", ") + text;
  };
  if (applied.single_loop) add("single loop");
  if (applied.no_mutual) add("no swapped pairs");
  if (asked_years > 0) {
    add("pairs of the last " + std::to_string(applied_years) +
        (applied_years == 1 ? " drawing" : " drawings") + " avoided" +
        (applied_years < asked_years ? " (of " + std::to_string(asked_years) + " asked)" : ""));
  }
  if (asked.single_loop && !applied.single_loop) add("single loop dropped");
  if (asked.no_mutual && !applied.no_mutual) add("no swapped pairs dropped");
  return "Drawing " + UniformityText(method) + "; options: " + (options.empty() ? "none" : options);
}

}  // namespace

DrawOutcome Roster::DrawWithChoices(const ExclusionGraph& graph, DrawOptions options) {
  const int n = graph.size();
  std::vector<Person> people(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    people[i] = {grid_.TextMatrix(i + 1, kColName), grid_.TextMatrix(i + 1, kColEmail)};
  const auto name = [&](int i) {
    const std::string& text = people[i].name;
    return text.empty() ? "participant " + std::to_string(i + 1) : text;
  };
  std::vector<std::vector<std::pair<int, int>>> years;
  for (const PastDrawing& past : choices_.past) years.push_back(MatchPastPairs(people, past));

  options.rules = choices_.rules;
  int kept = static_cast<int>(years.size());
  for (;;) {
    std::vector<std::pair<int, int>> avoid;
    for (int y = 0; y < kept; ++y) avoid.insert(avoid.end(), years[y].begin(), years[y].end());
    DrawOutcome out = DrawAssignment(avoid.empty() ? graph : graph.With(avoid), *random_, options);
    if (out.ok) {
      summary_ =
          Summary(out.method, choices_.rules, options.rules, static_cast<int>(years.size()), kept);
      return out;
    }
    const Obstruction::Kind kind = out.obstruction.kind;
    std::string question;
    if (out.timed_out) {
      question = (options.rules.single_loop ? "No single loop found within "
                                            : "No drawing without swapped pairs found within ") +
                 Seconds(options.search_seconds) + ".";
    } else if (RuleProof(kind)) {
      question = (kind == Obstruction::Kind::kOnlySwappedPairs
                      ? "A drawing without swapped pairs is impossible: "
                      : "A single loop through everybody is impossible: ") +
                 out.obstruction.Describe(name);
    }
    if (!question.empty()) {
      const bool loop = options.rules.single_loop;
      question += loop ? "\n\nDraw without the single loop?" : "\n\nDraw allowing swapped pairs?";
      if (ui_.MsgBox(question, mb::kYesNo | mb::kQuestion, kDefaultTitle) != mb::kYes) return out;
      (loop ? options.rules.single_loop : options.rules.no_mutual) = false;
      continue;
    }
    // The exclusions themselves may be the cause; then no year can help.
    if (kept == 0) return out;
    const std::string text = "Avoiding the pairs of the last " + std::to_string(kept) +
                             (kept == 1 ? " drawing" : " drawings") +
                             " makes the drawing impossible: " + out.obstruction.Describe(name) +
                             "\n\nDraw without the pairs of the oldest of them (" +
                             choices_.past[kept - 1].label + ")?";
    if (ui_.MsgBox(text, mb::kYesNo | mb::kQuestion, kDefaultTitle) != mb::kYes) return out;
    --kept;
  }
}

std::string Roster::DrawingSummary() const { return last_drawing_.ok ? summary_ : std::string(); }

}  // namespace roster
