// The drawing on the roster grid: Calculate & View, the hidden result in column 4, and the
// engine behind CalculateDrawing.
//
// Departure from the blind draw (givers in row order, random candidates, 101 restarts):
// that procedure almost surely fails beyond a few hundred participants and can abort on
// rosters that have a solution. Here the engine (draw_engine.h) proves feasibility with a
// maximum matching first, aborts only when no valid assignment exists, and otherwise draws
// uniformly among all valid assignments (falling back to a randomised matching when the
// exclusions are so tight that uniform sampling would not finish in its budget). The texts,
// statuses, message box, hourglass and column-4 states are those of the blind draw.

#include <string>

#include "core/tr.h"
#include "core/wait_cursor.h"
#include "roster/roster.h"

namespace roster {

ExclusionGraph ReadExclusionGraph(const Grid& grid) {
  const int n = grid.Rows() - 1;
  ExclusionGraph graph(n);
  int own = 0;
  for (int g = 1; g <= n; ++g) {
    ParseNumber(grid.TextMatrix(g, kColNumber), own);  // a non-number keeps the last value
    if (own != g) graph.Forbid(g - 1, own - 1);
    const std::string& list = grid.TextMatrix(g, kColExclusions);
    std::size_t start = 0;
    while (start <= list.size()) {
      std::size_t comma = list.find(',', start);
      if (comma == std::string::npos) comma = list.size();
      const std::string token = list.substr(start, comma - start);
      int c = 0;
      if (ParseNumber(token, c) && c >= 1 && c <= n && std::to_string(c) == token)
        graph.Forbid(g - 1, c - 1);
      start = comma + 1;
    }
  }
  graph.Finish();
  return graph;
}

bool Roster::CalculateDrawing() {
  if (drawing_) return false;  // re-entered from the event loop: the running drawing goes on
  drawing_ = true;
  CWaitCursor wait(ui_);
  wait.SetCursor(kPointerHourglass);
  ui_.SetStatusText(core::Tr("Status", "Calculating..."));
  UpdateButtonEnables(true);
  ui_.SetStatusText(core::Tr("Status", "Calculating ..."));

  const int n = grid_.Rows() - 1;
  for (int i = 1; i <= n; ++i) {
    grid_.SetTextMatrix(i, kColResult, "");
    grid_.SetCellColors(i, kColResult, kHiddenColor, kHiddenColor);
  }
  const ExclusionGraph graph = ReadExclusionGraph(grid_);
  DrawOptions options = limits_;
  options.on_attempt = [this] { ui_.DoEvents(); };
  last_drawing_ = DrawWithChoices(graph, options);

  bool result = last_drawing_.ok && grid_.Rows() - 1 == n;
  if (result) {
    grid_.SetRedraw(false);
    for (int g = 1; g <= n; ++g)
      grid_.SetTextMatrix(g, kColResult, std::to_string(last_drawing_.receiver_of[g - 1] + 1));
    ui_.SetStatusText(core::Tr("Status", "Ready"));
    ui_.SetDrawingStatus(DrawingSummary());
  } else {
    ui_.SetStatusText(core::Tr("Status", "Calculation Aborted, Too many Exclusions set"));
    ui_.MsgBox(core::Tr("Roster", "Calculation Aborted: You may have too many Exclusions set."),
               mb::kCritical, kDefaultTitle);
    ui_.SetStatusText(core::Tr("Status", "Calculation Aborted"));
  }
  UpdateButtonEnables(false);
  grid_.SetRedraw(true);
  drawing_ = false;
  return result;
}

bool Roster::IsReceiverTaken(int candidate) const {
  if (candidate == 0) return false;
  const std::string text = std::to_string(candidate);
  for (int i = 1; i < grid_.Rows(); ++i)
    if (grid_.TextMatrix(i, kColResult) == text) return true;
  return false;
}

void Roster::UpdateSecretSantaInfo(bool show_names) {
  ui_.SetStatusText(core::Tr("Status", "Updating Secret Santa Info..."));
  if (show_names) {
    const bool redraw = grid_.Redraw();
    grid_.SetRedraw(false);
    int receiver = 0;
    for (int i = 1; i < grid_.Rows(); ++i) {
      ParseNumber(grid_.TextMatrix(i, kColResult), receiver);
      grid_.SetCellColors(i, kColResult, 1, 0);
      if (receiver >= 1 && receiver < grid_.Rows())
        grid_.SetTextMatrix(i, kColResult, grid_.TextMatrix(receiver, kColName));
    }
    grid_.SetRedraw(redraw);
  }
  ui_.SetStatusText(core::Tr("Status", ReSendMode ? kReSendModeStatus : "Ready"));
}

void Roster::CalculateAndView() {
  if (drawing_) return;
  ResetSelection(false);
  UpdateSecretSantaInfo(CalculateDrawing());
}

}  // namespace roster
