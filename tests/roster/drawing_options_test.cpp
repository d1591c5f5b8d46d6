// The drawing options on the roster: what each drawing obeys, the questions that drop an
// option that makes it impossible, and the line that says what applied.

#include <gtest/gtest.h>

#include <map>

#include "core/tr.h"
#include "roster/roster_fixture.h"

namespace {

using roster::kColName;
using roster::kColResult;
using roster::mb::kNo;
using roster::mb::kYes;

class DrawingOptionsTest : public testing_support::RosterFixture {
 protected:
  DrawingOptionsTest() { roster_.SetRandom(std::make_unique<roster::Xoshiro256>(5)); }
  // Giver name -> receiver name, after Calculate & View.
  std::map<std::string, std::string> Shown() const {
    std::map<std::string, std::string> out;
    for (int r = 1; r <= Count(); ++r) out[Cell(r, kColName)] = Cell(r, kColResult);
    return out;
  }
  roster::PastDrawing Past(const std::string& label,
                           std::vector<std::pair<std::string, std::string>> names) {
    roster::PastDrawing past{label, {}};
    for (const auto& [g, r] : names) past.pairs.push_back({{g, ""}, {r, ""}});
    return past;
  }
};

TEST_F(DrawingOptionsTest, SingleLoopAndNoSwapsHoldAndTheStatusSaysSo) {
  Fill(7);
  roster_.grid().SetTextMatrix(1, roster::kColExclusions, "2");
  roster::DrawingChoices choices;
  choices.rules = {true, true};
  roster_.SetDrawingChoices(choices);
  for (int round = 0; round < 20; ++round) {
    roster_.CalculateAndView();
    const auto shown = Shown();
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_NE(shown.at("P1"), "P2");
    std::string at = "P1";
    for (int step = 1; step < 7; ++step) {
      at = shown.at(at);
      EXPECT_NE(at, "P1") << "a loop shorter than everybody";
    }
    EXPECT_EQ(shown.at(at), "P1");
  }
  EXPECT_EQ(ui_.drawing_status, "Drawing exactly uniform; options: single loop, no swapped pairs");
  EXPECT_TRUE(ui_.boxes.empty());
  // The documented texts stay as they were.
  EXPECT_EQ(ui_.statuses.back(), "Ready");
}

TEST_F(DrawingOptionsTest, BlockedYearsAreNamedAndDroppedOldestFirstOnlyWhenAccepted) {
  Fill(3);  // three people have only two drawings: P1->P2->P3->P1 and the reverse
  roster::DrawingChoices choices;
  choices.past = {Past("20251224-1900", {{"P1", "P2"}, {"P2", "P3"}, {"P3", "P1"}}),
                  Past("20241224-1900", {{"P1", "P3"}, {"P3", "P2"}, {"P2", "P1"}})};
  roster_.SetDrawingChoices(choices);

  ui_.QueueAnswer(kNo);
  roster_.CalculateAndView();
  ASSERT_EQ(ui_.boxes.size(), 2u);
  EXPECT_EQ(ui_.boxes[0].text.rfind("Avoiding the pairs of the last 2 drawings makes the "
                                    "drawing impossible: ",
                                    0),
            0u)
      << ui_.boxes[0].text;
  EXPECT_NE(ui_.boxes[0].text.find("P1"), std::string::npos);  // who is blocked
  EXPECT_NE(ui_.boxes[0].text.find("(20241224-1900)?"), std::string::npos);
  EXPECT_EQ(ui_.boxes[1].text, "Calculation Aborted: You may have too many Exclusions set.");
  EXPECT_EQ(Cell(1, kColResult), "");

  ui_ = {};
  ui_.QueueAnswer(kYes);
  roster_.CalculateAndView();
  ASSERT_EQ(ui_.boxes.size(), 1u);
  // Only last year's pairs are avoided now: the reverse loop is what is left.
  EXPECT_EQ(Shown(),
            (std::map<std::string, std::string>{{"P1", "P3"}, {"P2", "P1"}, {"P3", "P2"}}));
  EXPECT_EQ(ui_.drawing_status,
            "Drawing exactly uniform; options: pairs of the last 1 drawing avoided (of 2 asked)");
}

TEST_F(DrawingOptionsTest, AnImpossibleLoopOffersTheOrdinaryDrawing) {
  Fill(4);
  // Two pairs who may only give within their pair.
  for (int r = 1; r <= 4; ++r)
    roster_.grid().SetTextMatrix(r, roster::kColExclusions, r <= 2 ? "3,4" : "1,2");
  roster::DrawingChoices choices;
  choices.rules.single_loop = true;
  roster_.SetDrawingChoices(choices);
  ui_.QueueAnswer(kYes);
  roster_.CalculateAndView();
  ASSERT_FALSE(ui_.boxes.empty());
  EXPECT_EQ(ui_.boxes[0].text,
            "A single loop through everybody is impossible: P1 and P2 may give only among "
            "themselves, so no single loop can include everybody.\n\nDraw without the single "
            "loop?");
  EXPECT_EQ(Shown(), (std::map<std::string, std::string>{
                         {"P1", "P2"}, {"P2", "P1"}, {"P3", "P4"}, {"P4", "P3"}}));
  EXPECT_EQ(ui_.drawing_status, "Drawing exactly uniform; options: single loop dropped");
}

// A translation gets whole sentences, so it may put the years, the reason and the label where
// its language wants them, and the summary follows it too.
TEST_F(DrawingOptionsTest, TranslatedQuestionsAndSummaryKeepTheirValuesInTheirPlaces) {
  const std::map<std::string, std::string> german = {
      {"Avoiding the pairs of the last %1 drawings makes the drawing impossible: %2\n\nDraw "
       "without the pairs of the oldest of them (%3)?",
       "(%3) weglassen? %1 Jahre: %2"},
      {"pairs of the last %1 drawing avoided (of %2 asked)", "%2 gewünscht, %1 vermieden"},
      {"Drawing %1; options: %2", "Optionen: %2 (%1)"},
      {"exactly uniform", "exakt"}};
  core::SetTranslator([&](std::string_view, const char* context, const char* text) {
    const auto it = german.find(text);
    return std::string(context) == "Roster" && it != german.end() ? it->second : std::string();
  });
  Fill(3);
  roster::DrawingChoices choices;
  choices.past = {Past("20251224-1900", {{"P1", "P2"}, {"P2", "P3"}, {"P3", "P1"}}),
                  Past("20241224-1900", {{"P1", "P3"}, {"P3", "P2"}, {"P2", "P1"}})};
  roster_.SetDrawingChoices(choices);
  ui_.QueueAnswer(kYes);
  roster_.CalculateAndView();
  core::SetTranslator({});
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text.rfind("(20241224-1900) weglassen? 2 Jahre: ", 0), 0u)
      << ui_.boxes[0].text;
  EXPECT_NE(ui_.boxes[0].text.find("P1"), std::string::npos);
  EXPECT_EQ(ui_.drawing_status, "Optionen: 2 gewünscht, 1 vermieden (exakt)");
}

}  // namespace
