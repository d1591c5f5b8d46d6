#pragma once
// The roster-side state and operations of the main window: the grid that holds the
// participants, the command table, and the members other subsystems share.

#include <memory>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/tr.h"
#include "core/ui_port.h"
#include "drawing/draw_engine.h"
#include "drawing/past_pairs.h"
#include "roster/commands.h"
#include "roster/grid.h"

namespace roster {

// Columns of the roster grid.
inline constexpr int kColNumber = 0;
inline constexpr int kColExclusions = 1;
inline constexpr int kColName = 2;
inline constexpr int kColEmail = 3;
inline constexpr int kColResult = 4;
inline constexpr int kColNotes = 5;
inline constexpr int kColumnCount = 6;

// Participant numbers are 16-bit; this is the most a roster holds.
inline constexpr int kMaxParticipants = 32767;

extern const char* const kGridFormat;

// The roster grid's exclusion lists as a graph: giver row g is index g - 1, and a token of
// its list that is the decimal number c of a data row forbids row c (the drawing's own test:
// "," + c + "," occurs in "," + list + ",").
ExclusionGraph ReadExclusionGraph(const Grid& grid);

// What the organiser chose for the next drawings (Tools > Drawing Options).
struct DrawingChoices {
  DrawRules rules;
  std::vector<PastDrawing> past;  // newest first: earlier drawings whose pairs are avoided
};

class Roster {
 public:
  explicit Roster(Ui& ui);
  Roster(const Roster&) = delete;
  Roster& operator=(const Roster&) = delete;

  Ui& ui() { return ui_; }
  Grid& grid() { return grid_; }
  const Grid& grid() const { return grid_; }
  Commands& commands() { return commands_; }
  const Commands& commands() const { return commands_; }

  // Rows, columns, fixed cells and format string as at start-up.
  void SetupGrid();
  // Defines every menu item and toolbar button with its caption, tool tip and image.
  void DefineCommands();

  void AddParticipant(const std::string& exclusions, const std::string& name,
                      const std::string& email, const std::string& notes, bool update);
  void RemoveParticipant();
  void ReOrderParticipants();
  void ClearList();
  void UpdateButtonEnables(bool bDisableAll);

  // Number of participants (0 for the placeholder row alone).
  int ParticipantCount() const;

  // --- Exclusions and selection marks (exclusions.cpp) ---
  // A press on the grid; the grid's current cell has been set to (row, col) by the view.
  void MSFlexGrid_MouseDown(int row, int col);
  // Moves to a row from the keyboard: Edit and Delete then act on it, as after a press, but
  // the marks stay as they are.
  void FocusRow(int row);
  int CountSelected();
  void ResetSelection(bool bClearExclusions);
  void ClearSelected();
  void ClearExclusions();
  void SetGroupExclusion();
  void SetIndividualExclusion();
  // Merges the numbers in S (",3,4,") into the current row's list E, in row order.
  std::string MergeExclusionList(const std::string& E, const std::string& S);
  // The mark is the name cell's background colour.
  bool IsMarked(int row) const;
  // Rows whose next message replaces one sent before: a change to the sent drawing gave them
  // a new receiver, and their notification says so. Forgotten when the list is cleared.
  void SetReplacingRows(std::vector<int> rows) { replacing_rows_ = std::move(rows); }
  bool ReplacesEarlierMessage(int row) const;

  // --- Drawing (drawing.cpp) ---
  bool CalculateDrawing();
  bool IsReceiverTaken(int candidate) const;
  void UpdateSecretSantaInfo(bool show_names);
  void CalculateAndView();
  // True while CalculateDrawing runs (it lets the event loop run); commands chosen meanwhile
  // must be held off.
  bool DrawingInProgress() const { return drawing_; }
  // How the last drawing went: method, assignment, and when it failed, why (for the CLI).
  const DrawOutcome& LastDrawing() const { return last_drawing_; }
  // Options for the drawings to come; the exclusion lists in the grid stay as they are.
  void SetDrawingChoices(DrawingChoices choices) { choices_ = std::move(choices); }
  const DrawingChoices& drawing_choices() const { return choices_; }
  // How far exact counting and rejection go before the random walk takes over, for the
  // drawings to come (tests lower them to reach the walk at once); the rules are the choices'.
  void SetDrawingLimits(DrawOptions limits) { limits_ = std::move(limits); }
  // One line on how the last drawing was made: its uniformity and the options that applied.
  // Empty before the first successful drawing.
  std::string DrawingSummary() const;
  // The drawing's random source; the program seeds it from the clock, tests fix it.
  void SetRandom(std::unique_ptr<Random> random) { random_ = std::move(random); }
  Random& random() { return *random_; }

  // Shared members of the main window. NextParticipantNumber is N + 1, which reaches 32768
  // at the 16-bit limit, so it is held wider than a participant number.
  int NextParticipantNumber = 1;
  int EditRow = 0;
  bool ReSendMode = false;
  // The status text while re-send mode waits for the people to mark.
  static constexpr const char* kReSendModeStatus =
      core::TrNoop("Status", "Re-Send Mode: Single click Participant Name to set for Re-Send");
  bool MapiLoggedOn = false;
  std::string MessageFooter;

 private:
  Ui& ui_;
  Grid grid_;
  Commands commands_;
  std::unique_ptr<Random> random_;
  // Draws under the chosen options, offering to drop those that make it impossible.
  DrawOutcome DrawWithChoices(const ExclusionGraph& graph, DrawOptions options);

  DrawOutcome last_drawing_;
  bool drawing_ = false;
  DrawingChoices choices_;
  DrawOptions limits_;
  std::string summary_;  // of the last successful drawing
  std::vector<int> replacing_rows_;
};

// Exclusion-list helpers shared by the roster operations and the list files.
// Parses a decimal participant number as the roster writes it; false for anything else.
bool ParseNumber(const std::string& text, int& value);

}  // namespace roster
