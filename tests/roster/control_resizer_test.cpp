#include "roster/control_resizer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "support/fake_ui.h"

namespace {

using roster::ControlResizer;
using roster::Placement;

struct FakeControl : roster::ResizableControl {
  FakeControl(std::optional<std::string> tag, double l, double t, double w, double h)
      : tag(std::move(tag)), p{l, t, w, h} {}
  std::optional<std::string> Tag() const override { return tag; }
  std::optional<double> Get(Placement which) const override {
    if (!has_placement) return std::nullopt;
    return p[static_cast<int>(which)];
  }
  int Set(Placement which, double v) override {
    if (!has_placement) return roster::kErrNoSuchProperty;
    if ((which == Placement::kWidth || which == Placement::kHeight) && v < 0)
      return roster::kErrInvalidPropertyValue;
    p[static_cast<int>(which)] = v;
    return 0;
  }
  double L() const { return p[0]; }
  double T() const { return p[1]; }
  double W() const { return p[2]; }
  double H() const { return p[3]; }

  std::optional<std::string> tag;
  std::array<double, 4> p;
  bool has_placement = true;
};

struct FakeForm : roster::ResizableForm {
  double ScaleWidth() const override { return width; }
  double ScaleHeight() const override { return height; }
  int WindowState() const override { return state; }
  std::vector<roster::ResizableControl*> Controls() override {
    std::vector<roster::ResizableControl*> out;
    for (auto& c : controls) out.push_back(c.get());
    return out;
  }
  FakeControl& Add(std::optional<std::string> tag, double l, double t, double w, double h) {
    controls.push_back(std::make_unique<FakeControl>(std::move(tag), l, t, w, h));
    return *controls.back();
  }
  double width = 6000;
  double height = 4000;
  int state = roster::kWindowNormal;
  std::vector<std::unique_ptr<FakeControl>> controls;
};

class ControlResizerTest : public ::testing::Test {
 protected:
  testing_support::FakeUi ui;
  ControlResizer resizer{ui, "Hollymoor"};
  FakeForm form;
};

TEST_F(ControlResizerTest, ScaleAndFollowUseWholePercentAndAbsoluteChange) {
  auto& scaled = form.Add("0010", 100, 100, 3000, 2000);
  auto& follows = form.Add("2000", 100, 100, 3000, 2000);
  auto& fixed = form.Add("0000", 100, 100, 3000, 2000);
  resizer.InitResizer(form);
  form.width = 6600;  // +600, +10 %
  resizer.FormResized(form);
  EXPECT_DOUBLE_EQ(scaled.W(), 3300);
  EXPECT_DOUBLE_EQ(scaled.L(), 100);
  EXPECT_DOUBLE_EQ(follows.L(), 700);
  EXPECT_DOUBLE_EQ(follows.W(), 3000);
  EXPECT_EQ(fixed.p, (std::array<double, 4>{100, 100, 3000, 2000}));
  EXPECT_EQ(resizer.RecordedWidth(), 6600);
  EXPECT_TRUE(ui.boxes.empty());

  // The next pass measures from 6600, not from 6000.
  form.width = 6000;
  resizer.FormResized(form);
  EXPECT_DOUBLE_EQ(follows.L(), 100);
  EXPECT_DOUBLE_EQ(scaled.W(), 3300 * 91 / 100.0);  // -9.09 % rounds to -9
}

TEST_F(ControlResizerTest, ShrinkingFollowsWithAndWithoutTheZeroFloor) {
  auto& floor = form.Add("3300", 500, 200, 10, 10);
  auto& plain = form.Add("2200", 500, 200, 10, 10);
  resizer.InitResizer(form);
  form.width -= 800;
  form.height -= 300;
  resizer.FormResized(form);
  EXPECT_DOUBLE_EQ(floor.L(), 0);
  EXPECT_DOUBLE_EQ(floor.T(), 0);
  EXPECT_DOUBLE_EQ(plain.L(), -300);
  EXPECT_DOUBLE_EQ(plain.T(), -100);
}

TEST_F(ControlResizerTest, HalfPercentRoundsToEven) {
  auto& scaled = form.Add("1111", 1000, 1000, 1000, 1000);
  auto& follows = form.Add("2222", 1000, 1000, 1000, 1000);
  resizer.InitResizer(form);
  form.width = 6030;   // +0.5 % rounds to 0
  form.height = 4060;  // +1.5 % rounds to 2
  resizer.FormResized(form);
  EXPECT_DOUBLE_EQ(scaled.L(), 1000);
  EXPECT_DOUBLE_EQ(scaled.W(), 1000);
  EXPECT_DOUBLE_EQ(scaled.T(), 1020);
  EXPECT_DOUBLE_EQ(scaled.H(), 1020);
  EXPECT_DOUBLE_EQ(follows.L(), 1030);
  EXPECT_DOUBLE_EQ(follows.W(), 1030);
  EXPECT_DOUBLE_EQ(follows.H(), 1060);
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roster::RoundHalfEven(0.5), 0);
  EXPECT_EQ(roster::RoundHalfEven(1.5), 2);
  EXPECT_EQ(roster::RoundHalfEven(2.5), 2);
  EXPECT_EQ(roster::RoundHalfEven(-2.5), -2);
  EXPECT_EQ(roster::RoundHalfEven(-3.5), -4);
  EXPECT_EQ(roster::RoundHalfEven(2.51), 3);
}

TEST_F(ControlResizerTest, FractionalSizesAreRecordedRoundedHalfEven) {
  form.width = 6000.5;
  form.height = 4001.5;
  resizer.InitResizer(form);
  EXPECT_EQ(resizer.RecordedWidth(), 6000);
  EXPECT_EQ(resizer.RecordedHeight(), 4002);
}

TEST_F(ControlResizerTest, MinimiseAndRestoreToNormalMovesNothing) {
  auto& c = form.Add("2222", 10, 10, 100, 100);
  resizer.InitResizer(form);
  form.state = roster::kWindowMinimised;
  form.width = 0;
  form.height = 0;
  resizer.FormResized(form);
  EXPECT_TRUE(resizer.Minimised());
  EXPECT_EQ(c.p, (std::array<double, 4>{10, 10, 100, 100}));
  form.state = roster::kWindowNormal;
  form.width = 6000;
  form.height = 4000;
  resizer.FormResized(form);
  EXPECT_FALSE(resizer.Minimised());
  EXPECT_EQ(c.p, (std::array<double, 4>{10, 10, 100, 100}));
  EXPECT_EQ(resizer.RecordedWidth(), 6000);
}

TEST_F(ControlResizerTest, RestoringMaximisedResizesAgainstTheSizeBeforeMinimising) {
  auto& c = form.Add("2212", 10, 10, 100, 100);
  resizer.InitResizer(form);
  form.state = roster::kWindowMinimised;
  resizer.FormResized(form);
  form.state = roster::kWindowMaximised;
  form.width = 9000;   // +3000
  form.height = 6000;  // +50 %
  resizer.FormResized(form);
  EXPECT_EQ(c.p, (std::array<double, 4>{3010, 2010, 150, 2100}));
  EXPECT_EQ(resizer.RecordedWidth(), 9000);
  EXPECT_EQ(resizer.RecordedHeight(), 6000);
}

TEST_F(ControlResizerTest, UninitialisedResizerReportsError80000AndMovesNothing) {
  auto& c = form.Add("2222", 10, 10, 100, 100);
  form.width = 7000;
  resizer.FormResized(form);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "Error 80000\r\nInitiate resize module before resizing");
  EXPECT_EQ(ui.boxes[0].style, roster::mb::kExclamation);
  EXPECT_EQ(ui.boxes[0].title, "Hollymoor");
  EXPECT_EQ(c.p, (std::array<double, 4>{10, 10, 100, 100}));
  EXPECT_EQ(resizer.RecordedWidth(), 0);
}

TEST_F(ControlResizerTest, TagsShorterOrLongerThanFourAndControlsWithoutPlacement) {
  auto& short_tag = form.Add("2", 10, 10, 100, 100);
  auto& long_tag = form.Add("22222222", 10, 10, 100, 100);
  auto& no_tag = form.Add(std::nullopt, 10, 10, 100, 100);
  auto& other = form.Add("x 9a", 10, 10, 100, 100);
  auto& menu = form.Add("2222", 0, 0, 0, 0);
  menu.has_placement = false;
  resizer.InitResizer(form);
  form.width += 50;
  form.height += 20;
  resizer.FormResized(form);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(short_tag.p, (std::array<double, 4>{60, 10, 100, 100}));
  EXPECT_EQ(long_tag.p, (std::array<double, 4>{60, 30, 150, 120}));
  EXPECT_EQ(no_tag.p, (std::array<double, 4>{10, 10, 100, 100}));
  EXPECT_EQ(other.p, (std::array<double, 4>{10, 10, 100, 100}));
}

TEST_F(ControlResizerTest, ZeroRecordedSizeLeavesPercentageAtZero) {
  form.width = 0;
  auto& scaled = form.Add("0010", 0, 0, 100, 100);
  auto& follows = form.Add("2000", 0, 0, 100, 100);
  resizer.InitResizer(form);
  form.width = 500;
  resizer.FormResized(form);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_DOUBLE_EQ(scaled.W(), 100);
  EXPECT_DOUBLE_EQ(follows.L(), 500);
  EXPECT_EQ(resizer.RecordedWidth(), 500);
}

TEST_F(ControlResizerTest, InvalidValueEndsThePassAndKeepsTheOldRecordedSize) {
  auto& first = form.Add("0020", 0, 0, 100, 100);   // width would go negative
  auto& second = form.Add("2000", 0, 0, 100, 100);  // never visited
  resizer.InitResizer(form);
  form.width -= 200;
  resizer.FormResized(form);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "Error 380\r\nInvalid property value");
  EXPECT_DOUBLE_EQ(first.W(), 100);
  EXPECT_DOUBLE_EQ(second.L(), 0);
  EXPECT_EQ(resizer.RecordedWidth(), 6000);

  // The next pass measures from the older size: growing back to 5900 is -100.
  first.tag = "0000";
  form.width = 5900;
  resizer.FormResized(form);
  EXPECT_DOUBLE_EQ(second.L(), -100);
}

}  // namespace
