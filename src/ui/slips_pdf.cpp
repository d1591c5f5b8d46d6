#include "ui/slips_pdf.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ui {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

void DrawOutline(QPainter& p, const QRectF& cell) {
  QPen pen(Qt::gray);
  pen.setStyle(Qt::DashLine);
  pen.setWidthF(2);
  p.setPen(pen);
  p.drawRect(cell);
  const double fold = cell.top() + cell.height() / 2;
  pen.setStyle(Qt::DotLine);
  p.setPen(pen);
  p.drawLine(QPointF(cell.left(), fold), QPointF(cell.right(), fold));
}

void DrawText(QPainter& p, const QRectF& box, double points, bool bold, const QString& text,
              int flags) {
  QFont font("DejaVu Sans");
  font.setPointSizeF(points);
  font.setBold(bold);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(box, flags | Qt::TextWordWrap, text);
}

void DrawOutside(QPainter& p, const QRectF& cell, const Slip& slip) {
  DrawOutline(p, cell);
  const QRectF half(cell.left(), cell.top(), cell.width(), cell.height() / 2);
  const QRectF inner = half.adjusted(cell.width() * 0.06, half.height() * 0.1, -cell.width() * 0.06,
                                     -half.height() * 0.1);
  DrawText(p, inner, 10, false, QCoreApplication::translate("ui::Slips", "Secret Santa"),
           Qt::AlignHCenter | Qt::AlignTop);
  DrawText(p, inner, 18, true, Q(slip.giver), Qt::AlignCenter);
  DrawText(p, inner, 8, false,
           QCoreApplication::translate(
               "ui::Slips", "Fold along the dotted line, printed side in. Open in private."),
           Qt::AlignHCenter | Qt::AlignBottom);
}

void DrawInside(QPainter& p, const QRectF& cell, const Slip& slip) {
  DrawOutline(p, cell);
  const QRectF inner = cell.adjusted(cell.width() * 0.06, cell.height() * 0.05,
                                     -cell.width() * 0.06, -cell.height() * 0.05);
  const double half = inner.height() / 2 - cell.height() * 0.05;
  const QRectF top(inner.left(), inner.top(), inner.width(), half);
  const QRectF bottom(inner.left(), inner.bottom() - half, inner.width(), half);
  // The texts the notification message uses for the same words.
  DrawText(p, top, 10, false, QCoreApplication::translate("Message", kSlipTrailer),
           Qt::AlignHCenter | Qt::AlignTop);
  DrawText(p, top, 16, true, Q(slip.receiver), Qt::AlignCenter);
  QString rest;
  if (!slip.notes.empty())
    rest += QCoreApplication::translate("Message",
                                        "Notes, Gift Suggestions, or Special Instructions for %1:")
                .arg(Q(slip.receiver)) +
            "\n" + Q(slip.notes);
  if (!slip.details.empty()) rest += (rest.isEmpty() ? "" : "\n\n") + Q(slip.details);
  DrawText(p, bottom, 8, false, rest, Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

bool WriteSlipsPdf(const std::vector<Slip>& slips, const std::string& path, std::string& error) {
  if (slips.empty()) {
    error = "no slips to print";
    return false;
  }
  {
    // QPdfWriter says nothing when it cannot open its file; find out first.
    QFile probe(Q(path));
    if (!probe.open(QIODevice::WriteOnly)) {
      error = "cannot write [" + path + "]: " + probe.errorString().toStdString();
      return false;
    }
  }
  QPdfWriter writer(Q(path));
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  writer.setTitle("Secret Santa slips");
  writer.setCreator("Hollymoor");
  QPainter p;
  if (!p.begin(&writer)) {
    error = "cannot write [" + path + "]";
    return false;
  }
  const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
  const double w = page.width() / kSlipColumns, h = page.height() / kSlipRows;
  const int per_sheet = kSlipColumns * kSlipRows;
  for (std::size_t first = 0; first < slips.size(); first += per_sheet) {
    if (first > 0) writer.newPage();
    const std::size_t end = std::min(slips.size(), first + per_sheet);
    for (std::size_t i = first; i < end; ++i) {
      const int k = static_cast<int>(i - first);
      DrawOutside(p, QRectF((k % kSlipColumns) * w, (k / kSlipColumns) * h, w, h), slips[i]);
    }
    writer.newPage();
    for (std::size_t i = first; i < end; ++i) {
      const int k = static_cast<int>(i - first);
      const int column = kSlipColumns - 1 - k % kSlipColumns;  // the back of the sheet
      DrawInside(p, QRectF(column * w, (k / kSlipColumns) * h, w, h), slips[i]);
    }
  }
  if (!p.end()) {
    error = "cannot write [" + path + "]";
    return false;
  }
  return true;
}

}  // namespace ui
