// Tools > Drawing Options in the window: the choices are remembered, and the drawing after
// them says which applied and how uniform it is.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <functional>

#include "support/qt_helpers.h"
#include "ui/qt_ui.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Find;

class DrawingOptionsTest : public testing_support::WindowTest {
 protected:
  // Opens the dialog, lets `act` look at it and change it, then presses `button`.
  void Open(const std::function<void(QDialog&)>& act, QDialogButtonBox::StandardButton button) {
    bool shown = false;
    ui::SetModalHandler([&](QDialog& d) {
      EXPECT_EQ(d.objectName(), "frmDrawingOptions");
      shown = true;
      act(d);
      Find<QDialogButtonBox>(d, "cmdButtons")->button(button)->click();
      return d.result();
    });
    Action("mnuDrawingOptions")->trigger();
    ui::SetModalHandler(nullptr);
    EXPECT_TRUE(shown);
  }
  static void Set(QDialog& d, int years, bool loop, bool no_mutual) {
    Find<QSpinBox>(d, "spnAvoidYears")->setValue(years);
    Find<QCheckBox>(d, "chkSingleLoop")->setChecked(loop);
    Find<QCheckBox>(d, "chkNoMutual")->setChecked(no_mutual);
  }
  static void Expect(QDialog& d, int years, bool loop, bool no_mutual) {
    EXPECT_EQ(Find<QSpinBox>(d, "spnAvoidYears")->value(), years);
    EXPECT_EQ(Find<QCheckBox>(d, "chkSingleLoop")->isChecked(), loop);
    EXPECT_EQ(Find<QCheckBox>(d, "chkNoMutual")->isChecked(), no_mutual);
  }
  std::string DrawingStatus() { return Find<QLabel>(window_, "Panel2")->text().toStdString(); }
};

TEST_F(DrawingOptionsTest, ChoicesAreRememberedAcrossWindowsAndCancelKeepsThem) {
  EXPECT_TRUE(Action("mnuDrawingOptions")->isEnabled());
  Open([](QDialog& d) { Expect(d, 0, false, false); }, QDialogButtonBox::Cancel);
  Open([](QDialog& d) { Set(d, 3, true, false); }, QDialogButtonBox::Ok);
  Open(
      [](QDialog& d) {
        Expect(d, 3, true, false);
        Set(d, 1, false, true);
      },
      QDialogButtonBox::Cancel);
  Open([](QDialog& d) { Expect(d, 3, true, false); }, QDialogButtonBox::Ok);

  // A second window over the same settings file starts with them.
  ui::MainWindow other(window_.paths());
  other.Form_Load();
  bool shown = false;
  ui::SetModalHandler([&](QDialog& d) {
    shown = true;
    Expect(d, 3, true, false);
    return QDialog::Rejected;
  });
  other.Action("mnuDrawingOptions")->trigger();
  ui::SetModalHandler(nullptr);
  EXPECT_TRUE(shown);
}

// Where counting and rejection give up, the drawing comes from the random walk, and the
// status bar says it is only approximately uniform; it never claims more than it did.
TEST_F(DrawingOptionsTest, TheStatusBarSaysHowUniformTheDrawingIs) {
  // Each may give only to the next two: few of the 8! orders are valid.
  const int n = 8;
  for (int i = 1; i <= n; ++i) {
    std::string excluded;
    for (int j = 1; j <= n; ++j) {
      const int ahead = (j - i + n) % n;
      if (ahead != 0 && ahead > 2) excluded += (excluded.empty() ? "" : ",") + std::to_string(j);
    }
    roster().AddParticipant(excluded, "P" + std::to_string(i), "", "", false);
  }
  roster().UpdateButtonEnables(false);
  roster().SetRandom(std::make_unique<roster::Xoshiro256>(18));

  Action("mnuCalculateView")->trigger();
  EXPECT_EQ(DrawingStatus(), "Drawing exactly uniform; options: none");

  roster::DrawOptions walk_only;
  walk_only.exact_limit = 0;
  walk_only.step_budget = 1;
  roster().SetDrawingLimits(walk_only);
  Open([](QDialog& d) { Set(d, 0, false, true); }, QDialogButtonBox::Ok);
  Action("mnuCalculateView")->trigger();
  ASSERT_TRUE(roster().LastDrawing().ok);
  EXPECT_EQ(roster().LastDrawing().method, roster::DrawMethod::kMarkovChain);
  EXPECT_EQ(DrawingStatus(), "Drawing approximately uniform; options: no swapped pairs");
  // The grid shows the walk's drawing: everyone gives to one of the next two, nobody swaps.
  for (int g = 1; g <= n; ++g) {
    const std::string receiver = Cell(g, roster::kColResult);
    const int r = std::stoi(receiver.substr(1));
    const int ahead = (r - g + n) % n;
    EXPECT_TRUE(ahead == 1 || ahead == 2) << g << " gives to " << receiver;
  }
}

TEST_F(DrawingOptionsTest, TheDrawingFollowsTheOptionsAndTheStatusBarSaysWhichApplied) {
  for (const char* name : {"Ann", "Bo", "Cy"})
    roster().AddParticipant("", name, std::string(name) + "@example.org", "", false);
  roster().UpdateButtonEnables(false);

  Action("mnuCalculateView")->trigger();
  EXPECT_EQ(DrawingStatus(), "Drawing exactly uniform; options: none");

  // Last year Ann gave to Bo, Bo to Cy and Cy to Ann: avoiding that leaves one loop.
  fs::create_directories(dir_.path() / "History");
  testing_support::WriteAll(dir_.path() / "History" / "20251206-1900.hmr",
                            "\"\",\"Ann\",\"ann@example.org\",\"Bo\",\"\"\r\n"
                            "\"\",\"Bo\",\"bo@example.org\",\"Cy\",\"\"\r\n"
                            "\"\",\"Cy\",\"cy@example.org\",\"Ann\",\"\"\r\n");
  Open([](QDialog& d) { Set(d, 1, true, true); }, QDialogButtonBox::Ok);
  for (int run = 0; run < 5; ++run) {
    Action("mnuCalculateView")->trigger();
    EXPECT_EQ(Cell(1, roster::kColResult), "Cy");
    EXPECT_EQ(Cell(2, roster::kColResult), "Ann");
    EXPECT_EQ(Cell(3, roster::kColResult), "Bo");
  }
  EXPECT_EQ(DrawingStatus(),
            "Drawing exactly uniform; options: single loop, no swapped pairs, pairs of the last "
            "1 drawing avoided");
}

}  // namespace
