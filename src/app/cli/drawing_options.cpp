#include "app/cli/drawing_options.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "core/tr.h"
#include "files/history.h"
#include "files/past_drawings.h"

namespace cli {

namespace {

constexpr int kMaxYears = 5;

std::string ParticipantName(const roster::Roster& roster, int index) {
  const std::string& name = roster.grid().TextMatrix(index + 1, roster::kColName);
  return name.empty() ? core::Arg(core::Tr("Cli", "participant %1"), {std::to_string(index + 1)})
                      : name;
}

}  // namespace

const std::vector<OptionSpec>& DrawingOptionSpecs() {
  static const std::vector<OptionSpec> known_options = {
      {"avoid-years", "N",
       core::TrNoop(
           "CliHelp",
           "nobody draws anyone they drew in the last N archived drawings (0 to 5; matched by "
           "address, else by name)")},
      {"single-loop", "",
       core::TrNoop("CliHelp", "the gifts run as one single loop through everybody")},
      {"no-mutual", "", core::TrNoop("CliHelp", "nobody draws the person who draws them")},
  };
  return known_options;
}

void ApplyDrawingChoices(Context& ctx, roster::Roster& roster) {
  roster::DrawingChoices choices;
  choices.rules.single_loop = ctx.args.Has("single-loop");
  choices.rules.no_mutual = ctx.args.Has("no-mutual");
  if (auto text = ctx.args.Value("avoid-years")) {
    int years = -1;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, years);
    if (text->empty() || ec != std::errc() || ptr != end || years < 0 || years > kMaxYears)
      throw CliError(
          kExitBadInput,
          core::Arg(core::Tr("Cli", "%1: --avoid-years needs a whole number from 0 to 5, not '%2'"),
                    {ctx.args.command, *text}));
    const auto folder = ctx.data_dir / files::kHistoryFolder;
    choices.past = files::ReadPastDrawings(folder, years);
    if (static_cast<int>(choices.past.size()) < years)
      std::fprintf(stderr, "%s\n",
                   core::Arg(choices.past.size() == 1
                                 ? core::Tr("Cli", "note: only %1 earlier drawing in %2")
                                 : core::Tr("Cli", "note: only %1 earlier drawings in %2"),
                             {std::to_string(choices.past.size()), folder.string()})
                       .c_str());
  }
  roster.SetDrawingChoices(std::move(choices));
}

int ReportDrawingChoices(Context& ctx, const roster::Roster& roster) {
  const roster::DrawingChoices& choices = roster.drawing_choices();
  const int n = roster.ParticipantCount();
  std::vector<roster::Person> people;
  for (int i = 0; i < n; ++i)
    people.push_back({roster.grid().TextMatrix(i + 1, roster::kColName),
                      roster.grid().TextMatrix(i + 1, roster::kColEmail)});
  std::vector<std::pair<int, int>> past;
  for (const roster::PastDrawing& drawing : choices.past)
    for (const auto& pair : roster::MatchPastPairs(people, drawing)) past.push_back(pair);
  const roster::ExclusionGraph graph = roster::ReadExclusionGraph(roster.grid());

  struct Line {
    std::string label;
    roster::DrawRules rules;
    bool years;
  };
  std::vector<Line> lines;
  const roster::DrawRules none;
  if (ctx.args.Has("avoid-years"))
    lines.push_back(
        {core::Arg(choices.past.size() == 1 ? core::Tr("Cli", "avoiding the last %1 drawing")
                                            : core::Tr("Cli", "avoiding the last %1 drawings"),
                   {std::to_string(choices.past.size())}),
         none, true});
  if (choices.rules.single_loop)
    lines.push_back({core::Tr("Cli", "single loop"), {false, true}, false});
  if (choices.rules.no_mutual)
    lines.push_back({core::Tr("Cli", "no swapped pairs"), {true, false}, false});
  if (lines.size() > 1)
    lines.push_back({core::Tr("Cli", "all options together"), choices.rules, true});

  roster::Xoshiro256 random(1);
  int code = kExitOk;
  for (const Line& line : lines) {
    roster::DrawOptions options;
    options.rules = line.rules;
    const roster::Existence e =
        roster::CheckExistence(line.years ? graph.With(past) : graph, random, options);
    std::string text;
    switch (e.answer) {
      case roster::Existence::Answer::kExists:
        text = core::Arg(core::Tr("Cli", "a drawing exists (%1)"), {e.how});
        break;
      case roster::Existence::Answer::kImpossible:
        text =
            core::Arg(core::Tr("Cli", "no drawing exists: %1"),
                      {e.obstruction.Describe([&](int i) { return ParticipantName(roster, i); })});
        code = kExitNoDrawing;
        break;
      case roster::Existence::Answer::kUnknown:
        text = core::Arg(core::Tr("Cli", "unknown: none found within %1 seconds"),
                         {std::to_string(static_cast<int>(options.search_seconds))});
        if (code == kExitOk) code = kExitFailed;
        break;
    }
    std::fprintf(ctx.out, "%s: %s\n", line.label.c_str(), text.c_str());
  }
  return code;
}

}  // namespace cli
