// Selection marks and exclusion lists: the grid's mouse handler and the exclusion commands.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "roster/roster.h"

namespace roster {

namespace {

constexpr const char* kSelectionCommands[] = {"mnuClearSelected", "mnuSetGroupExclusion", "SETGRP",
                                              "mnuSetIndividualExclusion", "SETIND"};

constexpr Color kMarkBack = kRed;
constexpr Color kMarkFore = kWhite;

// Number conversion as the classic Val does it: the leading number, 0 when there is none.
double LeadingValue(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

}  // namespace

bool Roster::IsMarked(int row) const { return grid_.CellAt(row, kColName).back == kMarkBack; }

void Roster::MSFlexGrid_MouseDown(int row, int col) {
  if (drawing_) return;  // a drawing is letting the event loop run: presses wait for it
  grid_.SetRow(row);
  grid_.SetCol(col);
  const int r = grid_.Row();
  const int c = grid_.Col();
  if (grid_.Rows() >= 2) {
    commands_.SetEnabled("mnuEditParticipant", true);
    commands_.SetEnabled("EDIT", true);
    if (!ReSendMode) {
      commands_.SetEnabled("mnuDeleteParticipant", true);
      commands_.SetEnabled("DEL", true);
    }
    EditRow = r;
  }
  auto toggle = [this] {
    if (grid_.CellBackColor() == kMarkBack) {
      grid_.SetCellColors(grid_.Row(), grid_.Col(), kBlue, 0);
    } else {
      grid_.SetCellColors(grid_.Row(), grid_.Col(), kMarkFore, kMarkBack);
    }
  };
  if (ReSendMode) {
    if (c == kColName && r >= 1) toggle();
    return;
  }
  if (commands_.Enabled("mnuCalculateView") && c == kColName && r >= 1 && grid_.Rows() > 4) {
    toggle();
    const bool several = CountSelected() > 1;
    for (const char* name : kSelectionCommands) commands_.SetEnabled(name, several);
  } else {
    ResetSelection(false);
  }
}

void Roster::FocusRow(int row) {
  if (drawing_ || row < 1 || row >= grid_.Rows()) return;
  grid_.SetRow(row);
  commands_.SetEnabled("mnuEditParticipant", true);
  commands_.SetEnabled("EDIT", true);
  if (!ReSendMode) {
    commands_.SetEnabled("mnuDeleteParticipant", true);
    commands_.SetEnabled("DEL", true);
  }
  EditRow = row;
}

int Roster::CountSelected() {
  grid_.SetRedraw(false);
  const int row = grid_.Row();
  grid_.SetCol(kColName);
  int count = 0;
  for (int i = 1; i < grid_.Rows(); ++i)
    if (IsMarked(i)) ++count;
  grid_.SetRow(row);
  grid_.SetRedraw(true);
  return count;
}

void Roster::ResetSelection(bool bClearExclusions) {
  const int row = grid_.Row();
  const int col = grid_.Col();
  for (const char* name : kSelectionCommands) commands_.SetEnabled(name, false);
  for (int i = 1; i < grid_.Rows(); ++i) {
    const Cell& name_cell = grid_.CellAt(i, kColName);
    if (name_cell.back != 0 || name_cell.fore != kBlue) grid_.SetCellColors(i, kColName, kBlue, 0);
    if (bClearExclusions && !grid_.TextMatrix(i, kColExclusions).empty())
      grid_.SetTextMatrix(i, kColExclusions, "");
  }
  grid_.SetCol(col);
  grid_.SetRow(row);
}

void Roster::ClearSelected() { ResetSelection(false); }

void Roster::ClearExclusions() { ResetSelection(true); }

namespace {

// "," followed by every marked row's number and a comma, in row order.
std::string MarkedNumbers(const Roster& roster) {
  std::string s = ",";
  const Grid& grid = roster.grid();
  for (int r = 1; r < grid.Rows(); ++r) {
    if (!roster.IsMarked(r)) continue;
    s += grid.TextMatrix(r, kColNumber);
    s += ',';
  }
  return s;
}

}  // namespace

void Roster::SetGroupExclusion() {
  grid_.SetRedraw(false);
  const std::string s = MarkedNumbers(*this);
  for (int r = 1; r < grid_.Rows(); ++r) {
    grid_.SetCol(kColName);
    grid_.SetRow(r);
    if (!IsMarked(r)) continue;
    grid_.SetCol(kColExclusions);
    const std::string e = grid_.Text();
    grid_.SetText(MergeExclusionList(e, s));
  }
  ResetSelection(false);
  grid_.SetRedraw(true);
}

void Roster::SetIndividualExclusion() {
  grid_.SetRedraw(false);
  const int pressed = grid_.Row();
  const std::string s = MarkedNumbers(*this);
  grid_.SetCol(kColName);
  grid_.SetRow(pressed);
  grid_.SetCol(kColExclusions);
  const std::string e = grid_.Text();
  grid_.SetText(MergeExclusionList(e, s));
  grid_.SetRedraw(true);
}

std::string Roster::MergeExclusionList(const std::string& E, const std::string& S) {
  const int row = grid_.Row();
  const int col = grid_.Col();
  grid_.SetCol(kColNumber);
  const long own = std::lround(LeadingValue(grid_.Text()));
  const std::string l = "," + E + S;

  // A row's number t belongs to the result when ",t," occurs in L, that is when t is one of
  // the pieces of L that have a comma on both sides. The participant numbered t sits in row
  // t, so each piece is looked up directly instead of testing every row against L.
  std::vector<int> rows;
  std::size_t start = l.find(',');
  while (start != std::string::npos) {
    const std::size_t end = l.find(',', start + 1);
    if (end == std::string::npos) break;
    const std::string piece = l.substr(start + 1, end - start - 1);
    int v = 0;
    if (ParseNumber(piece, v) && v >= 1 && v < grid_.Rows() &&
        grid_.TextMatrix(v, kColNumber) == piece && v != own)
      rows.push_back(v);
    start = end;
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::string result;
  for (int v : rows) {
    if (!result.empty()) result += ',';
    result += grid_.TextMatrix(v, kColNumber);
  }
  grid_.SetCol(col);
  grid_.SetRow(row);
  return result;
}

}  // namespace roster
