#pragma once
// Shows a roster::Grid in a QTableView: the grid's fixed row becomes the header, its cells
// and colours the model's data. The grid stays the only copy of the roster.

#include <QAbstractTableModel>
#include <QColor>
#include <QPalette>

#include "roster/grid.h"

namespace ui {

// 0x00BBGGRR to QColor; 0x80000000 + n through the palette; 0 is "no colour" (invalid).
QColor ToQColor(roster::Color color, const QPalette& palette);

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridModel(roster::Grid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Grid row of a model row (the fixed row is the header).
  int GridRow(int model_row) const { return model_row + grid_.FixedRows(); }
  int ModelRow(int grid_row) const { return grid_row - grid_.FixedRows(); }

  // Applies a pending shape change at once instead of on the next event-loop pass;
  // rowCount() lags the grid until then.
  void Flush() {
    if (reset_queued_) ResetNow();
  }

  // The row Edit and Delete act on is drawn tinted and bold as a whole (-1: none).
  void SetHighlightedRow(int grid_row);
  int HighlightedRow() const { return highlighted_row_; }

 signals:
  void toolTipChanged(const QString& tip);
  void layoutReset();

 private:
  void CellChanged(int row, int col);
  void LayoutChanged();
  void RedrawChanged(bool on);
  void ResetNow();

  roster::Grid& grid_;
  QPalette palette_;
  bool pending_reset_ = false;
  bool reset_queued_ = false;
  int known_rows_;  // the shape the views were last told
  int known_cols_;
  int highlighted_row_ = -1;
};

}  // namespace ui
