#include "roster/grid.h"

#include <algorithm>

namespace roster {

namespace {
const std::string kEmpty;
const Cell kEmptyCell;
}  // namespace

Grid::Grid() : cells_(2, std::vector<Cell>(2)) {}

bool Grid::Valid(int row, int col) const {
  return row >= 0 && row < Rows() && col >= 0 && col < cols_;
}

void Grid::NotifyCell(int row, int col) {
  if (listener_.cell_changed) listener_.cell_changed(row, col);
}

void Grid::NotifyLayout() {
  if (listener_.layout_changed) listener_.layout_changed();
}

void Grid::SetRows(int rows) {
  if (rows < fixed_rows_ + 1 || rows == Rows()) return;
  cells_.resize(static_cast<std::size_t>(rows), std::vector<Cell>(static_cast<std::size_t>(cols_)));
  row_ = std::min(row_, rows - 1);
  NotifyLayout();
}

void Grid::SetCols(int cols) {
  if (cols < fixed_cols_ + 1 || cols == cols_) return;
  cols_ = cols;
  for (auto& r : cells_) r.resize(static_cast<std::size_t>(cols));
  col_ = std::min(col_, cols - 1);
  NotifyLayout();
}

void Grid::SetFixedRows(int n) {
  if (n < 0 || n >= Rows()) return;
  fixed_rows_ = n;
  NotifyLayout();
}

void Grid::SetFixedCols(int n) {
  if (n < 0 || n >= cols_) return;
  fixed_cols_ = n;
  NotifyLayout();
}

void Grid::SetRow(int row) {
  if (row >= 0 && row < Rows()) row_ = row;
}

void Grid::SetCol(int col) {
  if (col >= 0 && col < cols_) col_ = col;
}

const std::string& Grid::Text() const { return TextMatrix(row_, col_); }
void Grid::SetText(std::string text) { SetTextMatrix(row_, col_, std::move(text)); }
Color Grid::CellForeColor() const { return CellAt(row_, col_).fore; }
void Grid::SetCellForeColor(Color c) { SetCellForeAt(row_, col_, c); }
Color Grid::CellBackColor() const { return CellAt(row_, col_).back; }
void Grid::SetCellBackColor(Color c) { SetCellBackAt(row_, col_, c); }

const std::string& Grid::TextMatrix(int row, int col) const {
  return Valid(row, col) ? cells_[row][col].text : kEmpty;
}

void Grid::SetTextMatrix(int row, int col, std::string text) {
  if (!Valid(row, col)) return;
  cells_[row][col].text = std::move(text);
  NotifyCell(row, col);
}

const Cell& Grid::CellAt(int row, int col) const {
  return Valid(row, col) ? cells_[row][col] : kEmptyCell;
}

void Grid::SetCellColors(int row, int col, Color fore, Color back) {
  if (!Valid(row, col)) return;
  cells_[row][col].fore = fore;
  cells_[row][col].back = back;
  NotifyCell(row, col);
}

void Grid::SetCellForeAt(int row, int col, Color c) {
  if (!Valid(row, col)) return;
  cells_[row][col].fore = c;
  NotifyCell(row, col);
}

void Grid::SetCellBackAt(int row, int col, Color c) {
  if (!Valid(row, col)) return;
  cells_[row][col].back = c;
  NotifyCell(row, col);
}

void Grid::SetRedraw(bool on) {
  if (redraw_ == on) return;
  redraw_ = on;
  if (listener_.redraw_changed) listener_.redraw_changed(on);
}

void Grid::SetToolTipText(std::string text) {
  tool_tip_ = std::move(text);
  if (listener_.tool_tip_changed) listener_.tool_tip_changed();
}

void Grid::RemoveItem(int row) {
  if (row < fixed_rows_ || row >= Rows() || Rows() <= fixed_rows_ + 1) return;
  cells_.erase(cells_.begin() + row);
  row_ = std::min(row_, Rows() - 1);
  NotifyLayout();
}

void Grid::SetFormatString(const std::string& format) {
  format_ = format;
  widths_.clear();
  aligns_.clear();
  std::size_t start = 0;
  int col = 0;
  while (true) {
    std::size_t bar = format.find('|', start);
    std::string piece = format.substr(start, bar == std::string::npos ? bar : bar - start);
    char align = 0;
    if (!piece.empty() && (piece[0] == '<' || piece[0] == '^' || piece[0] == '>')) {
      align = piece[0];
      piece.erase(0, 1);
    }
    widths_.push_back(static_cast<int>(piece.size()));
    aligns_.push_back(align);
    if (col < cols_ && fixed_rows_ > 0) {
      std::size_t b = piece.find_first_not_of(' ');
      std::size_t e = piece.find_last_not_of(' ');
      cells_[0][col].text = b == std::string::npos ? std::string() : piece.substr(b, e - b + 1);
    }
    ++col;
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  NotifyLayout();
}

int Grid::ColWidthChars(int col) const {
  return col >= 0 && col < static_cast<int>(widths_.size()) ? widths_[col] : 0;
}

char Grid::ColAlignment(int col) const {
  return col >= 0 && col < static_cast<int>(aligns_.size()) ? aligns_[col] : 0;
}

}  // namespace roster
