// The drawing options on the roster: past years' pairs matched to today's rows, and the
// questions that drop an option when it makes the drawing impossible.

#include <string>

#include "core/tr.h"
#include "roster/roster.h"

namespace roster {

namespace {

// One of two texts by count, the count in place of %1 (the libraries have no plural forms).
// Both texts are marked with core::TrNoop in context "Roster".
std::string Counted(long count, const char* one, const char* many, std::string_view more = {}) {
  return core::Arg(count == 1 ? core::Tr("Roster", one) : core::Tr("Roster", many),
                   {std::to_string(count), more});
}

std::string TimedOut(bool single_loop, double seconds) {
  const long whole = static_cast<long>(seconds + 0.5);
  if (single_loop)
    return Counted(whole, core::TrNoop("Roster", "No single loop found within %1 second."),
                   core::TrNoop("Roster", "No single loop found within %1 seconds."));
  return Counted(
      whole, core::TrNoop("Roster", "No drawing without swapped pairs found within %1 second."),
      core::TrNoop("Roster", "No drawing without swapped pairs found within %1 seconds."));
}

// The drawing engine's words for how uniform a drawing is, translated where the summary is made.
[[maybe_unused]] constexpr const char* kUniformityTexts[] = {
    core::TrNoop("Roster", "exactly uniform"), core::TrNoop("Roster", "approximately uniform")};

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
  if (applied.single_loop) add(core::Tr("Roster", "single loop"));
  if (applied.no_mutual) add(core::Tr("Roster", "no swapped pairs"));
  if (asked_years > 0 && applied_years < asked_years) {
    add(Counted(applied_years,
                core::TrNoop("Roster", "pairs of the last %1 drawing avoided (of %2 asked)"),
                core::TrNoop("Roster", "pairs of the last %1 drawings avoided (of %2 asked)"),
                std::to_string(asked_years)));
  } else if (asked_years > 0) {
    add(Counted(applied_years, core::TrNoop("Roster", "pairs of the last %1 drawing avoided"),
                core::TrNoop("Roster", "pairs of the last %1 drawings avoided")));
  }
  if (asked.single_loop && !applied.single_loop) add(core::Tr("Roster", "single loop dropped"));
  if (asked.no_mutual && !applied.no_mutual) add(core::Tr("Roster", "no swapped pairs dropped"));
  return core::Arg(core::Tr("Roster", "Drawing %1; options: %2"),
                   {core::Tr("Roster", UniformityText(method).c_str()),
                    options.empty() ? core::Tr("Roster", "none") : options});
}

}  // namespace

DrawOutcome Roster::DrawWithChoices(const ExclusionGraph& graph, DrawOptions options) {
  const int n = graph.size();
  std::vector<Person> people(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    people[i] = {grid_.TextMatrix(i + 1, kColName), grid_.TextMatrix(i + 1, kColEmail)};
  const auto name = [&](int i) {
    const std::string& text = people[i].name;
    return text.empty() ? core::Arg(core::Tr("Roster", "participant %1"), {std::to_string(i + 1)})
                        : text;
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
      question = TimedOut(options.rules.single_loop, options.search_seconds);
    } else if (RuleProof(kind)) {
      question =
          core::Arg(kind == Obstruction::Kind::kOnlySwappedPairs
                        ? core::Tr("Roster", "A drawing without swapped pairs is impossible: %1")
                        : core::Tr("Roster", "A single loop through everybody is impossible: %1"),
                    {out.obstruction.Describe(name)});
    }
    if (!question.empty()) {
      const bool loop = options.rules.single_loop;
      question += "\n\n" + (loop ? core::Tr("Roster", "Draw without the single loop?")
                                 : core::Tr("Roster", "Draw allowing swapped pairs?"));
      if (ui_.MsgBox(question, mb::kYesNo | mb::kQuestion, kDefaultTitle) != mb::kYes) return out;
      (loop ? options.rules.single_loop : options.rules.no_mutual) = false;
      continue;
    }
    // The exclusions themselves may be the cause; then no year can help.
    if (kept == 0) return out;
    const std::string text = core::Arg(
        kept == 1
            ? core::Tr("Roster",
                       "Avoiding the pairs of the last %1 drawing makes the drawing impossible: "
                       "%2\n\nDraw without the pairs of the oldest of them (%3)?")
            : core::Tr("Roster",
                       "Avoiding the pairs of the last %1 drawings makes the drawing impossible: "
                       "%2\n\nDraw without the pairs of the oldest of them (%3)?"),
        {std::to_string(kept), out.obstruction.Describe(name), choices_.past[kept - 1].label});
    if (ui_.MsgBox(text, mb::kYesNo | mb::kQuestion, kDefaultTitle) != mb::kYes) return out;
    --kept;
  }
}

std::string Roster::DrawingSummary() const { return last_drawing_.ok ? summary_ : std::string(); }

}  // namespace roster
