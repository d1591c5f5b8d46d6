#pragma once
// The roster lives in this cell grid: it is the data, and the Qt view only shows it.
// Access follows the flex-grid model (set Row and Col, then read or write the current cell);
// indexed accessors exist for bulk work. Out-of-range calls are ignored, as the roster
// operations continue past failing grid statements.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace roster {

// 0x00BBGGRR; 0x80000000 + n is system colour n; 0 is the grid's default.
using Color = std::uint32_t;
inline constexpr Color kSystemColor = 0x80000000u;
inline constexpr Color kHiddenColor = 0x8000000Bu;  // inactive window border
inline constexpr Color kRed = 0x0000FFu;
inline constexpr Color kBlue = 0xFF0000u;
inline constexpr Color kWhite = 0xFFFFFFu;

struct Cell {
  std::string text;
  Color fore = 0;
  Color back = 0;
};

// What a view needs to hear; every callback is optional.
struct GridListener {
  std::function<void(int row, int col)> cell_changed;
  std::function<void()> layout_changed;  // rows or columns added or removed, format string
  std::function<void(bool)> redraw_changed;
  std::function<void()> tool_tip_changed;
};

class Grid {
 public:
  Grid();

  int Rows() const { return static_cast<int>(cells_.size()); }
  void SetRows(int rows);
  int Cols() const { return cols_; }
  void SetCols(int cols);
  int FixedRows() const { return fixed_rows_; }
  void SetFixedRows(int n);
  int FixedCols() const { return fixed_cols_; }
  void SetFixedCols(int n);

  int Row() const { return row_; }
  void SetRow(int row);
  int Col() const { return col_; }
  void SetCol(int col);

  // The current cell.
  const std::string& Text() const;
  void SetText(std::string text);
  Color CellForeColor() const;
  void SetCellForeColor(Color c);
  Color CellBackColor() const;
  void SetCellBackColor(Color c);

  // Any cell, without moving the current one.
  const std::string& TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, std::string text);
  const Cell& CellAt(int row, int col) const;
  void SetCellColors(int row, int col, Color fore, Color back);
  void SetCellForeAt(int row, int col, Color c);
  void SetCellBackAt(int row, int col, Color c);

  bool Redraw() const { return redraw_; }
  void SetRedraw(bool on);

  const std::string& ToolTipText() const { return tool_tip_; }
  void SetToolTipText(std::string text);

  // Removes one non-fixed row; the rows below move up. The last non-fixed row stays.
  void RemoveItem(int row);

  // "|" separates columns, a leading "<", "^" or ">" aligns; a piece's length sets the
  // column's initial width in characters. Header texts go into the fixed row.
  void SetFormatString(const std::string& format);
  const std::string& FormatString() const { return format_; }
  int ColWidthChars(int col) const;
  char ColAlignment(int col) const;  // '<', '^', '>' or 0 for the default

  void SetListener(GridListener listener) { listener_ = std::move(listener); }

 private:
  bool Valid(int row, int col) const;
  void NotifyCell(int row, int col);
  void NotifyLayout();

  std::vector<std::vector<Cell>> cells_;
  int cols_ = 2;
  int fixed_rows_ = 1;
  int fixed_cols_ = 1;
  int row_ = 1;
  int col_ = 1;
  bool redraw_ = true;
  std::string tool_tip_;
  std::string format_;
  std::vector<int> widths_;
  std::vector<char> aligns_;
  GridListener listener_;
};

}  // namespace roster
