#pragma once
// Printing a drawing: scaled to fill the printable area of the page (landscape
// when it is wider than high), under a header line naming the function and
// the window; split over several pages only where its smallest text would
// otherwise print under 6 pt.
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

#include "core/draw/display_list.h"

class QPainter;
class QPrinter;
class QWidget;

namespace ronri {

// Where a drawing stands on the pages.
struct PrintPlan {
  qreal scale = 1;  // device pixels per logical pixel of the drawing
  int columns = 1;  // pages across
  int rows = 1;     // pages down
  int pages() const { return columns * rows; }
};

// The plan for a drawing of `drawing` logical pixels whose smallest text has
// `smallestPoint` points (0 without text), on pages whose drawing area is
// `area` device pixels at `dpi`.
PrintPlan planPrint(QSizeF drawing, double smallestPoint, QSizeF area, qreal dpi);

// Paints the pages on `p`, each page's printable area being `page` (device
// pixels at `dpi`); `newPage` is called between pages and may stop them.
void paintPrintPages(QPainter& p, const QRectF& page, qreal dpi, const DisplayList& drawing,
                     const QString& header, const std::function<bool()>& newPage = {});

// Prints on `printer` in the orientation the drawing asks for.
void printDrawingOn(QPrinter& printer, const DisplayList& drawing, const QString& header);

// Prints to the PDF file `path` through a new file beside it that replaces an
// old one only when complete; with `settings`, in its page layout, else in
// the drawing's orientation. Empty when done, else why not: "フォルダがありません",
// "書き込めません" or "空きがありません".
QString printToPdf(const QString& path, const DisplayList& drawing, const QString& header,
                   const QPrinter* settings = nullptr);

// Prints each drawing on an A4 page of its own, fitted to it, to the PDF
// file `path` in the same way; `header` heads every page.
QString printPagesToPdf(const QString& path, const std::vector<DisplayList>& pages,
                        const QString& header);

// The menu's "印刷…": the print dialog, or where no printer is installed a
// message that offers a PDF file instead. A PDF that cannot be written is
// reported with the file and the reason.
void printWithDialog(QWidget* parent, const DisplayList& drawing, const QString& header);
// The menu's "印刷プレビュー…": Qt's preview of the same pages.
void showPrintPreview(QWidget* parent, const DisplayList& drawing, const QString& header);

}  // namespace ronri
