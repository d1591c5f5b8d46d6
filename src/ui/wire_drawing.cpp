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
    // Stir the clock in, as a re-seed would, without restarting the sequence.
    r.random().Mix(static_cast<std::uint64_t>(w.clock().Now().time_since_epoch().count()));
    ApplyDrawingOptions(w);
    r.CalculateAndView();
  });

  WireDrawingOptions(w);

  w.AddStartupStep(StartupStep::kSelection, [&w] {
    // Seeded here rather than at construction, so a test's clock is in place.
    const auto ticks = w.clock().Now().time_since_epoch().count();
    w.roster().SetRandom(std::make_unique<roster::Xoshiro256>(roster::SeedFromTicks(ticks)));
    w.roster().ResetSelection(true);
  });
}

}  // namespace ui
