#include "roster/calculate_send.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/random.h"
#include "roster/roster_fixture.h"

namespace {

using testing_support::Strings;

// Records the order in which the flow reaches the other areas, and what column 4 held then.
class RecordingErrand : public roster::SendErrand {
 public:
  explicit RecordingErrand(roster::Roster& r) : roster_(r) {}
  bool ConfirmSend() override {
    steps.push_back("confirm");
    results_at_confirm = Results();
    return true;
  }
  void SaveDrawingHistory() override { steps.push_back("archive"); }
  bool UseSMTP() const override { return smtp; }
  void SmtpSendDrawing() override { steps.push_back("smtp"); }
  void MapiSendDrawing() override { steps.push_back("mapi"); }

  Strings Results() const {
    Strings out;
    for (int r = 1; r < roster_.grid().Rows(); ++r)
      out.push_back(roster_.grid().TextMatrix(r, roster::kColResult));
    return out;
  }

  bool smtp = true;
  Strings steps, results_at_confirm;

 private:
  roster::Roster& roster_;
};

class CalculateSendTest : public testing_support::RosterFixture {
 protected:
  CalculateSendTest() {
    roster_.SetRandom(std::make_unique<roster::Xoshiro256>(7));
    for (const char* n : {"Ann", "Bob", "Cy", "Dee"}) Add(n);
  }
  RecordingErrand errand_{roster_};
};

// Which receivers a drawing may give, and its abort, are the drawing's own tests; cancelling
// and an impossible roster are checked on whole errands.
TEST_F(CalculateSendTest, ArchivesBeforeTheChosenSenderAndKeepsTheResultHidden) {
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_EQ(errand_.steps, (Strings{"confirm", "archive", "smtp"}));
  Strings results = errand_.Results();
  EXPECT_EQ(errand_.results_at_confirm, results);  // drawn before the dialog
  std::sort(results.begin(), results.end());
  EXPECT_EQ(results, (Strings{"1", "2", "3", "4"}));
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(roster_.grid().CellAt(r, roster::kColResult).fore, roster::kHiddenColor);
    EXPECT_EQ(roster_.grid().CellAt(r, roster::kColResult).back, roster::kHiddenColor);
  }
  for (const std::string& s : ui_.statuses)
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"})
      EXPECT_EQ(s.find(name), std::string::npos) << s;

  errand_.steps.clear();
  errand_.smtp = false;
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_EQ(errand_.steps, (Strings{"confirm", "archive", "mapi"}));
}

TEST_F(CalculateSendTest, ReSendModeGoesStraightToTheDialogWithTheLoadedDrawing) {
  const Strings loaded = {"3", "4", "1", "2"};
  for (int r = 1; r <= 4; ++r) roster_.grid().SetTextMatrix(r, roster::kColResult, loaded[r - 1]);
  roster_.ReSendMode = true;
  roster::CalculateAndSend(roster_, errand_);
  EXPECT_EQ(errand_.steps, (Strings{"confirm", "archive", "smtp"}));
  EXPECT_EQ(errand_.Results(), loaded);
}

TEST_F(CalculateSendTest, AFailingStepEndsWithTheFlowsMessage) {
  struct Throwing : RecordingErrand {
    using RecordingErrand::RecordingErrand;
    void SaveDrawingHistory() override { throw std::runtime_error("disk gone"); }
  } errand(roster_);
  roster::CalculateAndSend(roster_, errand);
  EXPECT_EQ(errand.steps, (Strings{"confirm"}));
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "Error while attempting to send messages");
  EXPECT_EQ(ui_.boxes[0].style, roster::mb::kCritical);
}

}  // namespace
