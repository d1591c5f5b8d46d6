#include <memory>

#include "core/random.h"
#include "ui/drawing_options_dialog.h"
#include "ui/main_window.h"

namespace ui {

void WireDrawingCommands(MainWindow& w) {
  // Every command here waits while a drawing lets the event loop run.
  auto on = [&w](const char* name, void (roster::Roster::*op)()) {
    w.OnCommand(name, [&w, op] {
      if (!w.roster().DrawingInProgress()) (w.roster().*op)();
    });
  };
  on("mnuSetGroupExclusion", &roster::Roster::SetGroupExclusion);
  on("mnuSetIndividualExclusion", &roster::Roster::SetIndividualExclusion);
  on("mnuClearSelected", &roster::Roster::ClearSelected);
  on("mnuClearExclusions", &roster::Roster::ClearExclusions);
  w.OnCommand("mnuCalculateView", [&w] {
    roster::Roster& r = w.roster();
    if (r.DrawingInProgress()) return;
    // Fresh entropy for every drawing, without restarting the sequence.
    r.random().Mix(roster::SeedFromSystem());
    ApplyDrawingOptions(w);
    r.CalculateAndView();
  });

  WireDrawingOptions(w);

  w.AddStartupStep(StartupStep::kSelection, [&w] {
    w.roster().SetRandom(std::make_unique<roster::Xoshiro256>(roster::SeedFromSystem()));
    w.roster().ResetSelection(true);
  });
}

}  // namespace ui
