#include "roster/control_resizer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "support/fake_ui.h"

namespace {

using roster::Placement;
using P = std::array<double, 4>;  // left, top, width, height
using OptTag = std::optional<std::string>;

struct FakeControl : roster::ResizableControl {
  FakeControl(OptTag t, P v) : tag(std::move(t)), p(v) {}
  OptTag Tag() const override { return tag; }
  std::optional<double> Get(Placement w) const override {
    return placeable ? std::optional(p[static_cast<int>(w)]) : std::nullopt;
  }
  int Set(Placement w, double v) override {
    if (!placeable) return roster::kErrNoSuchProperty;
    if ((w == Placement::kWidth || w == Placement::kHeight) && v < 0)
      return roster::kErrInvalidPropertyValue;
    p[static_cast<int>(w)] = v;
    return 0;
  }
  OptTag tag;
  P p;
  bool placeable = true;
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
  FakeControl& Add(OptTag tag, P p = {10, 10, 100, 100}) {
    return *controls.emplace_back(std::make_unique<FakeControl>(std::move(tag), p));
  }
  double width = 6000, height = 4000;
  int state = roster::kWindowNormal;
  std::vector<std::unique_ptr<FakeControl>> controls;
};

class ControlResizerTest : public ::testing::Test {
 protected:
  void Resize(double w, double h, int state = roster::kWindowNormal) {
    form.width = w;
    form.height = h;
    form.state = state;
    resizer.FormResized(form);
  }
  testing_support::FakeUi ui;
  roster::ControlResizer resizer{ui, "Hollymoor"};
  FakeForm form;
};

TEST_F(ControlResizerTest, EachTagPositionScalesFollowsOrKeepsItsProperty) {
  struct Case {
    double init_w;  // the window's width when the resizer starts
    P start;
    double w, h;  // the new size; the height starts at 4000
    std::vector<std::pair<OptTag, P>> expected;
  };
  const Case cases[] = {
      // +600 and +10 % in width
      {6000,
       {100, 100, 3000, 2000},
       6600,
       4000,
       {{"0010", {100, 100, 3300, 2000}},
        {"2000", {700, 100, 3000, 2000}},
        {"0000", {100, 100, 3000, 2000}}}},
      // shrinking, with and without the zero floor
      {6000,
       {500, 200, 10, 10},
       5200,
       3700,
       {{"3300", {0, 0, 10, 10}}, {"2200", {-300, -100, 10, 10}}}},
      // +0.5 % rounds to 0, +1.5 % to 2
      {6000,
       {1000, 1000, 1000, 1000},
       6030,
       4060,
       {{"1111", {1000, 1020, 1000, 1020}}, {"2222", {1030, 1060, 1030, 1060}}}},
      // odd tags; no percentage from a width of 0, +50 absolute
      {0,
       {10, 10, 100, 100},
       50,
       4020,
       {{"2", {60, 10, 100, 100}},
        {"22122222", {60, 30, 100, 120}},
        {std::nullopt, {10, 10, 100, 100}},
        {"x 9a", {10, 10, 100, 100}}}},
  };
  for (const Case& c : cases) {
    form = FakeForm();
    form.width = c.init_w;
    for (const auto& [tag, p] : c.expected) form.Add(tag, c.start);
    form.Add("2222", {0, 0, 0, 0}).placeable = false;  // a menu item
    resizer.InitResizer(form);
    Resize(c.w, c.h);
    for (std::size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_EQ(form.controls[i]->p, c.expected[i].second) << c.expected[i].first.value_or("-");
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ControlResizerTest, EachPassIsMeasuredFromTheLastAndRecordedSizesRoundHalvesToEven) {
  auto& scaled = form.Add("0010", {100, 100, 3000, 2000});
  auto& follows = form.Add("2000", {100, 100, 3000, 2000});
  resizer.InitResizer(form);
  Resize(6600, 4000);
  EXPECT_EQ(resizer.RecordedWidth(), 6600);
  Resize(6000, 4000);  // measured from 6600: -600, -9.09 % rounds to -9
  EXPECT_DOUBLE_EQ(follows.p[0], 100);
  EXPECT_DOUBLE_EQ(scaled.p[2], 3300 * 0.91);
  Resize(6000.5, 4001.5);
  EXPECT_EQ(resizer.RecordedWidth(), 6000);
  EXPECT_EQ(resizer.RecordedHeight(), 4002);
  EXPECT_EQ(roster::RoundHalfEven(-2.5), -2);
  EXPECT_EQ(roster::RoundHalfEven(-3.5), -4);
}

TEST_F(ControlResizerTest, MinimiseThenRestoreNormalMovesNothingRestoreMaximisedDoes) {
  auto& c = form.Add("2212");
  resizer.InitResizer(form);
  Resize(0, 0, roster::kWindowMinimised);
  EXPECT_TRUE(resizer.Minimised());
  Resize(6000, 4000);
  EXPECT_FALSE(resizer.Minimised());
  EXPECT_EQ(c.p, (P{10, 10, 100, 100}));

  Resize(0, 0, roster::kWindowMinimised);
  Resize(9000, 6000, roster::kWindowMaximised);  // +3000 and +50 % against 6000 x 4000
  EXPECT_EQ(c.p, (P{3010, 2010, 150, 2100}));
  EXPECT_EQ(resizer.RecordedHeight(), 6000);
}

TEST_F(ControlResizerTest, UninitialisedResizerReportsError80000AndMovesNothing) {
  auto& c = form.Add("2222");
  Resize(7000, 4000);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "Error 80000\r\nInitiate resize module before resizing");
  EXPECT_EQ(ui.boxes[0].style, roster::mb::kExclamation);
  EXPECT_EQ(ui.boxes[0].title, "Hollymoor");
  EXPECT_EQ(c.p, (P{10, 10, 100, 100}));
}

TEST_F(ControlResizerTest, InvalidValueEndsThePassAndKeepsTheOldRecordedSize) {
  auto& first = form.Add("0020", {0, 0, 100, 100});  // its width would go negative
  auto& second = form.Add("2000", {0, 0, 100, 100});
  resizer.InitResizer(form);
  Resize(5800, 4000);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "Error 380\r\nInvalid property value");
  EXPECT_DOUBLE_EQ(first.p[2], 100);
  EXPECT_DOUBLE_EQ(second.p[0], 0);  // never visited
  EXPECT_EQ(resizer.RecordedWidth(), 6000);
  first.tag = "0000";
  Resize(5900, 4000);  // measured from 6000, not 5800
  EXPECT_DOUBLE_EQ(second.p[0], -100);
}

}  // namespace
