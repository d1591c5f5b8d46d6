#include "ui/grid_model.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>

namespace ui {

namespace {

// The column headers come from the roster's format string, in English; they are shown in the
// program's language.
constexpr const char* kHeaders[] = {
    QT_TRANSLATE_NOOP("Grid", "Exclusion #"), QT_TRANSLATE_NOOP("Grid", "Participant Name"),
    QT_TRANSLATE_NOOP("Grid", "Email Address"), QT_TRANSLATE_NOOP("Grid", "Secret Santa For"),
    QT_TRANSLATE_NOOP("Grid", "Notes")};

QString HeaderText(const std::string& header) {
  for (const char* known : kHeaders)
    if (header == known) return QCoreApplication::translate("Grid", known);
  return QString::fromStdString(header);
}

}  // namespace

namespace {

// Classic system colour indexes to palette roles.
QColor SystemColor(unsigned index, const QPalette& p) {
  switch (index) {
    case 5:
      return p.color(QPalette::Base);  // window background
    case 8:
      return p.color(QPalette::Text);  // window text
    case 10:
    case 11:
      return p.color(QPalette::Window);  // window borders
    case 13:
      return p.color(QPalette::Highlight);
    case 14:
      return p.color(QPalette::HighlightedText);
    case 15:
      return p.color(QPalette::Button);
    case 18:
      return p.color(QPalette::ButtonText);
    default:
      return p.color(QPalette::Window);
  }
}

}  // namespace

QColor ToQColor(roster::Color color, const QPalette& palette) {
  if (color == 0) return {};
  if (color & roster::kSystemColor) return SystemColor(color & 0xFFu, palette);
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

GridModel::GridModel(roster::Grid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      palette_(QApplication::palette()),
      known_rows_(grid.Rows() - grid.FixedRows()),
      known_cols_(grid.Cols()) {
  grid_.SetListener({[this](int r, int c) { CellChanged(r, c); }, [this] { LayoutChanged(); },
                     [this](bool on) { RedrawChanged(on); },
                     [this] { emit toolTipChanged(QString::fromStdString(grid_.ToolTipText())); }});
}

// The shape the views were last told; it follows the grid when the queued update runs.
int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : known_rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : known_cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = GridRow(index.row());
  const roster::Cell& cell = grid_.CellAt(row, index.column());
  const bool fixed = index.column() < grid_.FixedCols();
  const bool highlighted = row == highlighted_row_;
  switch (role) {
    case Qt::DisplayRole:
      // Text in its own background colour cannot be read on screen; it is not given to
      // copies, screen readers or tool tips either.
      if (cell.fore != 0 && cell.fore == cell.back) return QString();
      return QString::fromStdString(cell.text);
    case Qt::FontRole: {
      if (!highlighted) return {};
      QFont font;
      font.setBold(true);
      return font;
    }
    case Qt::ForegroundRole: {
      QColor c = ToQColor(cell.fore, palette_);
      if (!c.isValid() && fixed) c = palette_.color(QPalette::ButtonText);
      return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::BackgroundRole: {
      QColor c = ToQColor(cell.back, palette_);
      if (!c.isValid() && fixed) c = palette_.color(QPalette::Button);
      if (!c.isValid() && highlighted) {
        // A tint, so the marks' own colours stay recognisable in the current row.
        c = palette_.color(QPalette::Highlight);
        c.setAlpha(60);
      }
      return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::TextAlignmentRole: {
      char a = grid_.ColAlignment(index.column());
      Qt::Alignment h = a == '>' ? Qt::AlignRight : a == '^' ? Qt::AlignHCenter : Qt::AlignLeft;
      return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) {
    if (grid_.FixedRows() > 0) return HeaderText(grid_.TextMatrix(0, section));
    return {};
  }
  return {};
}

void GridModel::CellChanged(int row, int col) {
  if (reset_queued_) return;  // the coming reset repaints everything
  if (!grid_.Redraw()) {
    pending_reset_ = true;
    return;
  }
  if (row < grid_.FixedRows()) {
    emit headerDataChanged(Qt::Horizontal, col, col);
    return;
  }
  if (ModelRow(row) >= known_rows_) return;
  QModelIndex i = index(ModelRow(row), col);
  emit dataChanged(i, i);
}

void GridModel::LayoutChanged() {
  // The grid has already changed shape. Resets are coalesced into one per burst (adding
  // thousands of rows is one reset, not thousands); until it runs, data() answers for any
  // index safely because the grid ignores out-of-range reads.
  pending_reset_ = true;
  if (reset_queued_) return;
  reset_queued_ = true;
  QMetaObject::invokeMethod(
      this, [this] { ResetNow(); }, Qt::QueuedConnection);
}

void GridModel::ResetNow() {
  reset_queued_ = false;
  pending_reset_ = false;
  const int rows = grid_.Rows() - grid_.FixedRows();
  const int cols = grid_.Cols();
  if (cols != known_cols_) {
    beginResetModel();
    known_rows_ = rows;
    known_cols_ = cols;
    endResetModel();
    emit layoutReset();
    return;
  }
  // Row changes are told as insertions or removals at the end, so the header keeps the
  // widths and hidden columns the user sees; moved contents are then repainted.
  if (rows > known_rows_) {
    beginInsertRows({}, known_rows_, rows - 1);
    known_rows_ = rows;
    endInsertRows();
  } else if (rows < known_rows_) {
    beginRemoveRows({}, rows, known_rows_ - 1);
    known_rows_ = rows;
    endRemoveRows();
  }
  if (rows > 0 && cols > 0) emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
  emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
}

void GridModel::SetHighlightedRow(int grid_row) {
  if (grid_row == highlighted_row_) return;
  const int old_row = highlighted_row_;
  highlighted_row_ = grid_row;
  for (int r : {old_row, grid_row}) {
    const int m = ModelRow(r);
    if (r >= grid_.FixedRows() && m < known_rows_ && known_cols_ > 0)
      emit dataChanged(index(m, 0), index(m, known_cols_ - 1));
  }
}

void GridModel::RedrawChanged(bool on) {
  if (on && pending_reset_ && !reset_queued_) {
    pending_reset_ = false;
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  }
}

}  // namespace ui
