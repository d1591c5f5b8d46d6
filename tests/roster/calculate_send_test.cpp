#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "roster/calculate_send.h"
#include "roster/random.h"
#include "support/fake_ui.h"

namespace {

// Records the order in which the flow reaches the other areas, and what column 4 held then.
class RecordingErrand : public roster::SendErrand {
 public:
  explicit RecordingErrand(roster::Roster& r) : roster_(r) {}
  bool ConfirmSend() override {
    steps.push_back("confirm");
    results_at_confirm = Results();
    return confirm;
  }
  void SaveDrawingHistory() override { steps.push_back("archive"); }
  bool UseSMTP() const override { return smtp; }
  void SmtpSendDrawing() override { steps.push_back("smtp"); }
  void MapiSendDrawing() override { steps.push_back("mapi"); }

  std::vector<std::string> Results() const {
    std::vector<std::string> out;
    for (int r = 1; r < roster_.grid().Rows(); ++r)
      out.push_back(roster_.grid().TextMatrix(r, roster::kColResult));
    return out;
  }

  bool confirm = true;
  bool smtp = true;
  std::vector<std::string> steps;
  std::vector<std::string> results_at_confirm;

 private:
  roster::Roster& roster_;
};

class CalculateSendTest : public ::testing::Test {
 protected:
  CalculateSendTest() : roster_(ui_), errand_(roster_) {
    roster_.SetupGrid();
    roster_.SetRandom(std::make_unique<roster::Xoshiro256>(7));
    for (const char* n : {"Ann", "Bob", "Cy", "Dee"})
      roster_.AddParticipant("", n, std::string(n) + "@example.org", "", true);
  }
  testing_support::FakeUi ui_;
  roster::Roster roster_;
  RecordingErrand errand_;
};

TEST_F(CalculateSendTest, ArchivesBeforeTheChosenSenderAndKeepsTheResultHidden) {
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_EQ(errand_.steps, (std::vector<std::string>{"confirm", "archive", "smtp"}));
  // Hidden receiver numbers, each row a different one, none its own.
  std::vector<std::string> seen;
  for (int r = 1; r <= 4; ++r) {
    const roster::Cell& cell = roster_.grid().CellAt(r, roster::kColResult);
    EXPECT_EQ(cell.fore, roster::kHiddenColor);
    EXPECT_EQ(cell.back, roster::kHiddenColor);
    EXPECT_NE(cell.text, std::to_string(r));
    seen.push_back(cell.text);
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(errand_.results_at_confirm, errand_.Results());
  for (const std::string& s : ui_.statuses)
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"})
      EXPECT_EQ(s.find(name), std::string::npos) << s;

  errand_.steps.clear();
  errand_.smtp = false;
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_EQ(errand_.steps, (std::vector<std::string>{"confirm", "archive", "mapi"}));
}

TEST_F(CalculateSendTest, CancelLeavesTheHiddenDrawingAndSendsNothing) {
  errand_.confirm = false;
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_EQ(errand_.steps, (std::vector<std::string>{"confirm"}));
  EXPECT_FALSE(errand_.Results()[0].empty());
  EXPECT_EQ(ui_.StatusText(), "Ready");
  EXPECT_TRUE(ui_.boxes.empty());
}

TEST_F(CalculateSendTest, ReSendModeGoesStraightToTheDialogWithTheLoadedDrawing) {
  const std::vector<std::string> loaded = {"3", "4", "1", "2"};
  for (int r = 1; r <= 4; ++r) roster_.grid().SetTextMatrix(r, roster::kColResult, loaded[r - 1]);
  roster_.ReSendMode = true;
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_EQ(errand_.steps, (std::vector<std::string>{"confirm", "archive", "smtp"}));
  EXPECT_EQ(errand_.Results(), loaded);
}

TEST_F(CalculateSendTest, AnImpossibleRosterShowsOnlyTheAbortMessage) {
  for (int r = 2; r <= 4; ++r) roster_.grid().SetTextMatrix(r, roster::kColExclusions, "1");
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_TRUE(errand_.steps.empty());
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "Calculation Aborted: You may have too many Exclusions set.");
}

TEST_F(CalculateSendTest, AFailingStepEndsWithTheFlowsMessage) {
  struct Throwing : RecordingErrand {
    using RecordingErrand::RecordingErrand;
    void SaveDrawingHistory() override { throw std::runtime_error("disk gone"); }
  } errand(roster_);
  roster::CalculateAndSend(roster_, errand);
  EXPECT_EQ(errand.steps, (std::vector<std::string>{"confirm"}));
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "Error while attempting to send messages");
  EXPECT_EQ(ui_.boxes[0].style, 16);
}

}  // namespace
