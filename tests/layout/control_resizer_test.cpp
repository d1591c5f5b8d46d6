#include "layout/control_resizer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "support/fake_ui.h"

namespace {

using roster::Placement;
using P = std::array<double, 4>;  // left, top, width, height

struct FakeControl : roster::ResizableControl {
  FakeControl(std::optional<std::string> t, P v) : tag(std::move(t)), p(v) {}
  std::optional<std::string> Tag() const override { return tag; }
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
  std::optional<std::string> tag;
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
  FakeControl& Add(std::optional<std::string> tag, P p = {10, 10, 100, 100}) {
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

TEST_F(ControlResizerTest, ScaleFollowAndFixedAgainstTheLastPass) {
  auto& scaled = form.Add("0010", {100, 100, 3000, 2000});
  auto& follows = form.Add("2000", {100, 100, 3000, 2000});
  auto& fixed = form.Add("0000", {100, 100, 3000, 2000});
  resizer.InitResizer(form);
  Resize(6600, 4000);  // +600, +10 %
  EXPECT_EQ(scaled.p, (P{100, 100, 3300, 2000}));
  EXPECT_EQ(follows.p, (P{700, 100, 3000, 2000}));
  EXPECT_EQ(fixed.p, (P{100, 100, 3000, 2000}));
  EXPECT_EQ(resizer.RecordedWidth(), 6600);
  Resize(6000, 4000);  // measured from 6600: -600, -9.09 % rounds to -9
  EXPECT_DOUBLE_EQ(follows.p[0], 100);
  EXPECT_DOUBLE_EQ(scaled.p[2], 3300 * 0.91);
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ControlResizerTest, ShrinkingFollowsWithAndWithoutTheZeroFloor) {
  auto& floor = form.Add("3300", {500, 200, 10, 10});
  auto& plain = form.Add("2200", {500, 200, 10, 10});
  resizer.InitResizer(form);
  Resize(5200, 3700);
  EXPECT_EQ(floor.p, (P{0, 0, 10, 10}));
  EXPECT_EQ(plain.p, (P{-300, -100, 10, 10}));
}

TEST_F(ControlResizerTest, PercentagesAndRecordedSizesRoundHalvesToEven) {
  auto& scaled = form.Add("1111", {1000, 1000, 1000, 1000});
  auto& follows = form.Add("2222", {1000, 1000, 1000, 1000});
  resizer.InitResizer(form);
  Resize(6030, 4060);  // +0.5 % rounds to 0, +1.5 % to 2
  EXPECT_EQ(scaled.p, (P{1000, 1020, 1000, 1020}));
  EXPECT_EQ(follows.p, (P{1030, 1060, 1030, 1060}));
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

TEST_F(ControlResizerTest, OddTagsControlsWithoutPlacementAndAZeroRecordedSize) {
  auto& short_tag = form.Add("2");
  auto& long_tag = form.Add("22122222");
  auto& no_tag = form.Add(std::nullopt);
  auto& other = form.Add("x 9a");
  form.Add("2222", {0, 0, 0, 0}).placeable = false;  // a menu item
  form.width = 0;
  resizer.InitResizer(form);
  Resize(50, 4020);  // width: no percentage from 0, +50 absolute
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(short_tag.p, (P{60, 10, 100, 100}));
  EXPECT_EQ(long_tag.p, (P{60, 30, 100, 120}));
  EXPECT_EQ(no_tag.p, (P{10, 10, 100, 100}));
  EXPECT_EQ(other.p, (P{10, 10, 100, 100}));
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
