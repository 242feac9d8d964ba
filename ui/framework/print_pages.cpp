#include "ui/framework/print_pages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtMath>
#include <algorithm>

#include "ui/framework/drawing_export.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"

namespace ronri {

namespace {

constexpr double kSmallestPrintedPoint = 6;
constexpr qreal kScreenDpi = 96;  // logical pixels per inch of the drawings
constexpr qreal kImageDpi = 300;  // density of the printed picture
constexpr double kHeaderPoint = 10;

double smallestPoint(const DisplayList& drawing) {
  double smallest = 0;
  for (const DrawOp& op : drawing.ops())
    if (op.kind == DrawOp::Text && !op.str.empty() && op.pointSize > 0)
      smallest = smallest == 0 ? op.pointSize : std::min(smallest, op.pointSize);
  return smallest;
}

QFont headerFont() {
  return gothicFont(kHeaderPoint);
}

}  // namespace

PrintPlan planPrint(QSizeF drawing, double smallestPoint, QSizeF area, qreal dpi) {
  PrintPlan plan;
  if (drawing.isEmpty() || area.isEmpty()) return plan;
  const qreal fit = std::min(area.width() / drawing.width(), area.height() / drawing.height());
  // A text of p points at scale k prints at p * 96 k / dpi points.
  const qreal readable =
      smallestPoint > 0 ? kSmallestPrintedPoint * dpi / (kScreenDpi * smallestPoint) : 0;
  plan.scale = fit;
  if (fit >= readable) return plan;
  plan.columns = qCeil(drawing.width() * readable / area.width());
  plan.rows = qCeil(drawing.height() * readable / area.height());
  // Then as large as those pages allow.
  plan.scale = std::min(area.width() * plan.columns / drawing.width(),
                        area.height() * plan.rows / drawing.height());
  return plan;
}

void paintPrintPages(QPainter& p, const QRectF& page, qreal dpi, const DisplayList& drawing,
                     const QString& header, const std::function<bool()>& newPage) {
  p.setFont(headerFont());
  const qreal headerHeight = QFontMetricsF(headerFont(), p.device()).height() * 1.6;
  const QRectF area(page.left(), page.top() + headerHeight, page.width(),
                    page.height() - headerHeight);
  const QSizeF size = renderedSize(drawing);
  const PrintPlan plan = planPrint(size, smallestPoint(drawing), area.size(), dpi);
  // One picture for every page, dense enough for the paper and no denser.
  const qreal density = plan.scale * std::min<qreal>(1.0, kImageDpi / dpi);
  const QImage image = renderDrawing(drawing, std::max<qreal>(density, 1.0));
  const qreal ratio = image.devicePixelRatio();  // image pixels per logical pixel
  const QSizeF tile(area.width() / plan.scale, area.height() / plan.scale);  // logical
  for (int row = 0; row < plan.rows; ++row) {
    for (int column = 0; column < plan.columns; ++column) {
      if ((row || column) && newPage && !newPage()) return;
      QString line = header;
      if (plan.pages() > 1)
        line += QStringLiteral("  (%1/%2)").arg(row * plan.columns + column + 1).arg(plan.pages());
      p.setFont(headerFont());
      p.setPen(Qt::black);
      p.drawText(QRectF(page.left(), page.top(), page.width(), headerHeight),
                 Qt::AlignLeft | Qt::AlignTop, line);
      const QRectF source = QRectF(QPointF(column * tile.width(), row * tile.height()), tile)
                                .intersected(QRectF(QPointF(0, 0), size));
      const QRectF target(area.topLeft(), source.size() * plan.scale);
      p.drawImage(target, image, QRectF(source.topLeft() * ratio, source.size() * ratio));
    }
  }
}

namespace {

void orient(QPrinter& printer, const DisplayList& drawing) {
  const QSizeF size = renderedSize(drawing);
  printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
}

// The pages on the printer as it is set up now (a preview paints them again
// whenever its settings change).
void paintOn(QPrinter& printer, const DisplayList& drawing, const QString& header) {
  QPainter p;
  if (!p.begin(&printer)) return;
  const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
  paintPrintPages(p, page, printer.resolution(), drawing, header,
                  [&] { return printer.newPage(); });
}

}  // namespace

void printDrawingOn(QPrinter& printer, const DisplayList& drawing, const QString& header) {
  orient(printer, drawing);
  paintOn(printer, drawing, header);
}

void printWithDialog(QWidget* parent, const DisplayList& drawing, const QString& header) {
  QPrinter printer(QPrinter::HighResolution);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    if (!askYesNo(parent,
                  QCoreApplication::translate(
                      "ronri::PrintPages", "プリンタがありません。PDF ファイルに印刷しますか？")))
      return;
    QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("ronri::PrintPages", "PDF ファイルに印刷"), QString(),
        QCoreApplication::translate("ronri::PrintPages", "PDF ファイル (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printDrawingOn(printer, drawing, header);
    return;
  }
  orient(printer, drawing);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  paintOn(printer, drawing, header);
}

void showPrintPreview(QWidget* parent, const DisplayList& drawing, const QString& header) {
  QPrinter printer(QPrinter::HighResolution);
  orient(printer, drawing);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName(QStringLiteral("PrintPreview"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&](QPrinter* target) { paintOn(*target, drawing, header); });
  preview.exec();
}

}  // namespace ronri
