#include "ui/framework/print_pages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QtMath>
#include <algorithm>
#include <filesystem>
#include <system_error>

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
// whenever its settings change). False when painting could not begin.
bool paintOn(QPrinter& printer, const DisplayList& drawing, const QString& header) {
  QPainter p;
  if (!p.begin(&printer)) return false;
  const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
  paintPrintPages(p, page, printer.resolution(), drawing, header,
                  [&] { return printer.newPage(); });
  return p.end();
}

// Whether the printer writes a PDF file now (not the pages of a preview).
bool writesPdfFile(QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
         printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Pdf;
}

void reportPdfFailure(QWidget* parent, const QString& path, const QString& reason) {
  showMessage(parent, QCoreApplication::translate("ronri::PrintPages",
                                                  "PDF ファイル %1 に印刷できませんでした。\n%2")
                          .arg(QDir::toNativeSeparators(path), reason));
}

// Prints to the PDF file of `printer`, through a file beside it; a failure is
// reported, never taken for done.
void printPdfChecked(QWidget* parent, QPrinter& printer, const DisplayList& drawing,
                     const QString& header) {
  const QString path = printer.outputFileName();
  const QString reason = printToPdf(path, drawing, header, &printer);
  if (!reason.isEmpty()) reportPdfFailure(parent, path, reason);
}

}  // namespace

void printDrawingOn(QPrinter& printer, const DisplayList& drawing, const QString& header) {
  orient(printer, drawing);
  paintOn(printer, drawing, header);
}

namespace {

// Prints to the PDF file `path` through a new file beside it that replaces an
// old one only when complete; `paint` paints the pages on the printer.
QString writePdf(const QString& path, const QPrinter* settings,
                 const std::function<void(QPrinter&)>& orientFor,
                 const std::function<bool(QPrinter&)>& paint) {
  const QFileInfo target(path);
  if (!QFileInfo(target.absolutePath()).isDir())
    return QCoreApplication::translate("ronri::PrintPages", "フォルダがありません");
  // The pages go to a new file beside the old one, which is replaced only
  // when they are all written.
  QTemporaryFile part(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                      QStringLiteral(".XXXXXX"));
  if (!part.open()) return QCoreApplication::translate("ronri::PrintPages", "書き込めません");
  part.close();
  QPrinter printer(QPrinter::HighResolution);
  if (settings) printer.setPageLayout(settings->pageLayout());
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(part.fileName());
  if (!settings) orientFor(printer);
  if (!paint(printer)) return QCoreApplication::translate("ronri::PrintPages", "書き込めません");
  // The PDF writer does not say when the disk fills; a file without its
  // end is the sign.
  QFile written(part.fileName());
  if (!written.open(QIODevice::ReadOnly) || written.size() < 16)
    return QCoreApplication::translate("ronri::PrintPages", "空きがありません");
  written.seek(written.size() - 16);
  if (!written.read(16).contains("%%EOF"))
    return QCoreApplication::translate("ronri::PrintPages", "空きがありません");
  written.close();
  // A new file gets the usual rights, a replaced one keeps its own.
  QFile::setPermissions(part.fileName(), target.exists() ? target.permissions()
                                                         : QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ReadGroup | QFile::ReadOther);
  std::error_code error;
  std::filesystem::rename(part.fileName().toStdString(), path.toStdString(), error);
  if (error) return QCoreApplication::translate("ronri::PrintPages", "書き込めません");
  part.setAutoRemove(false);
  return {};
}

}  // namespace

QString printToPdf(const QString& path, const DisplayList& drawing, const QString& header,
                   const QPrinter* settings) {
  return writePdf(
      path, settings, [&](QPrinter& printer) { orient(printer, drawing); },
      [&](QPrinter& printer) { return paintOn(printer, drawing, header); });
}

QString printPagesToPdf(const QString& path, const std::vector<DisplayList>& pages,
                        const QString& header) {
  return writePdf(
      path, nullptr,
      [](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
      },
      [&](QPrinter& printer) {
        QPainter p;
        if (!p.begin(&printer)) return false;
        const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
        for (size_t k = 0; k < pages.size(); ++k) {
          if (k && !printer.newPage()) return false;
          QString line = header;
          if (pages.size() > 1) line += QStringLiteral("  (%1/%2)").arg(k + 1).arg(pages.size());
          paintPrintPages(p, page, printer.resolution(), pages[k], line);
        }
        return p.end();
      });
}

void printWithDialog(QWidget* parent, const DisplayList& drawing, const QString& header) {
  QPrinter printer(QPrinter::HighResolution);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    if (!askYesNo(parent,
                  QCoreApplication::translate("ronri::PrintPages",
                                              "プリンタがありません。PDF ファイルに印刷しますか？"),
                  /*yesByDefault=*/true))
      return;
    QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("ronri::PrintPages", "PDF ファイルに印刷"), QString(),
        QCoreApplication::translate("ronri::PrintPages", "PDF ファイル (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    const QString reason = printToPdf(path, drawing, header);
    if (!reason.isEmpty()) reportPdfFailure(parent, path, reason);
    return;
  }
  orient(printer, drawing);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  if (writesPdfFile(printer))
    printPdfChecked(parent, printer, drawing, header);
  else if (!paintOn(printer, drawing, header))
    showMessage(parent,
                QCoreApplication::translate("ronri::PrintPages", "印刷を始められませんでした。\n%1")
                    .arg(printer.printerName()));
}

void showPrintPreview(QWidget* parent, const DisplayList& drawing, const QString& header) {
  QPrinter printer(QPrinter::HighResolution);
  orient(printer, drawing);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName(QStringLiteral("PrintPreview"));
  // The preview's own print button paints here too, on the real printer.
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* target) {
    if (writesPdfFile(*target))
      printPdfChecked(&preview, *target, drawing, header);
    else
      paintOn(*target, drawing, header);
  });
  preview.exec();
}

}  // namespace ronri
