#include "ui/drawing_export.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtMath>

#include "ui/canvas.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/painter_surface.h"
#include "ui/twips.h"

namespace ronri {

namespace {

constexpr qreal kMargin = 10;  // logical pixels around the drawing

QRectF textRect(const DrawOp& op) {
  QFontMetricsF fm(gothicFont(op.pointSize));
  const QString s = QString::fromStdString(op.str);
  return QRectF(pxF(op.x1), pxF(op.y1), fm.horizontalAdvance(s), fm.height());
}

// Paints the drawing with its bounds' top-left corner at the margin.
void paintDrawing(QPainter& p, const DisplayList& drawing, const QRectF& bounds) {
  p.fillRect(QRectF(0, 0, bounds.width() + 2 * kMargin, bounds.height() + 2 * kMargin), Qt::white);
  p.translate(kMargin - bounds.left(), kMargin - bounds.top());
  PainterSurface surface(p, Qt::white, /*picturesAsImages=*/true);
  drawing.replay(surface);
}

QString stdToQ(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

DisplayList exportableDrawing(const Canvas& canvas) {
  DisplayList out;
  canvas.displayList().replay(out);
  // Labels that belong to the drawing (cell values, headers, bus names) lie on
  // or beside it; the window's other captions do not.
  const QRectF near = drawingBounds(out).adjusted(-20, -20, 20, 20);
  for (const QLabel* label : canvas.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    if (!near.intersects(QRectF(label->geometry()))) continue;
    const QRect g = label->geometry();
    QFontMetricsF fm(label->font());
    const qreal w = fm.horizontalAdvance(label->text());
    qreal x = g.x();
    if (label->alignment() & Qt::AlignHCenter)
      x += (g.width() - w) / 2;
    else if (label->alignment() & Qt::AlignRight)
      x += g.width() - w;
    qreal y = g.y();
    if (label->alignment() & Qt::AlignVCenter) y += (g.height() - fm.height()) / 2;
    out.text(twips(int(x)), twips(int(y)), label->text().toStdString(), kBlack,
             label->font().pointSizeF());
  }
  return out;
}

QRectF drawingBounds(const DisplayList& drawing) {
  QRectF bounds;
  auto unite = [&](const QRectF& r) { bounds = bounds.isNull() ? r : bounds.united(r); };
  for (const DrawOp& op : drawing.ops()) {
    switch (op.kind) {
      case DrawOp::Line:
      case DrawOp::Rectangle:
        unite(QRectF(QPointF(pxF(op.x1), pxF(op.y1)), QPointF(pxF(op.x2), pxF(op.y2)))
                  .normalized()
                  .adjusted(0, 0, 1, 1));
        break;
      case DrawOp::Circle:
        unite(
            QRectF(pxF(op.x1 - op.x2), pxF(op.y1 - op.x2), pxF(2 * op.x2) + 1, pxF(2 * op.x2) + 1));
        break;
      case DrawOp::Picture: {
        const QSize s = PainterSurface::pictureSize(op.str);
        if (!s.isEmpty()) unite(QRectF(QPointF(pxF(op.x1), pxF(op.y1)), QSizeF(s)));
        break;
      }
      case DrawOp::Text:
        if (!op.str.empty()) unite(textRect(op));
        break;
      case DrawOp::Erase:
        break;  // erasing paints background only
    }
  }
  return bounds;
}

QImage renderDrawing(const DisplayList& drawing, qreal scale) {
  const QRectF bounds = drawingBounds(drawing);
  const QSizeF logical(bounds.width() + 2 * kMargin, bounds.height() + 2 * kMargin);
  QImage image(QSize(qCeil(logical.width() * scale), qCeil(logical.height() * scale)),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter p(&image);
  paintDrawing(p, drawing, bounds);
  return image;
}

QByteArray svgDocument(const DisplayList& drawing) {
  const QRectF bounds = drawingBounds(drawing);
  const QSize logical =
      QSizeF(bounds.width() + 2 * kMargin, bounds.height() + 2 * kMargin).toSize();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator gen;
  gen.setOutputDevice(&buffer);
  gen.setSize(logical);
  gen.setViewBox(QRect(QPoint(0, 0), logical));
  gen.setResolution(96);
  gen.setTitle(QStringLiteral("RonriLab"));
  QPainter p(&gen);
  paintDrawing(p, drawing, bounds);
  p.end();
  return buffer.data();
}

bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  return true;
}

bool saveDrawing(const DisplayList& drawing, const QString& path, QString* error) {
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
    return saveFileAtomically(path, svgDocument(drawing), error);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!renderDrawing(drawing, 2.0).save(&buffer, "PNG")) {
    if (error) *error = QStringLiteral("PNG を作れませんでした");
    return false;
  }
  return saveFileAtomically(path, png, error);
}

namespace {

void printDrawing(QWidget* parent, const DisplayList& drawing) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  const QImage image = renderDrawing(drawing, 4.0);
  QPainter p(&printer);
  const QRect page = p.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  if (size.width() > image.width()) size = image.size();  // never enlarge past the image
  p.drawImage(QRect(page.topLeft(), size), image);
}

QString askFileName(QWidget* parent, const QString& title) {
  return QFileDialog::getSaveFileName(parent, title);
}

}  // namespace

void addExportMenu(QWidget* area, std::function<DisplayList()> source,
                   std::function<QByteArray()> csv) {
  area->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(area, &QWidget::customContextMenuRequested, area, [=](const QPoint& pos) {
    QMenu menu(area);
    menu.setObjectName(QStringLiteral("ExportMenu"));
    QAction* save = menu.addAction(QStringLiteral("画像として保存…"));
    QAction* copy = menu.addAction(QStringLiteral("コピー"));
    QAction* print = menu.addAction(QStringLiteral("印刷…"));
    QAction* saveCsv = csv ? menu.addAction(QStringLiteral("CSVとして保存…")) : nullptr;
    QAction* chosen = menu.exec(area->mapToGlobal(pos));
    if (!chosen) return;
    if (chosen == save) {
      QString path = askFileName(area, QStringLiteral("画像として保存"));
      if (path.isEmpty()) return;
      const QString suffix = QFileInfo(path).suffix().toLower();
      if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
        path += QStringLiteral(".png");
      QString error;
      if (!saveDrawing(source(), path, &error))
        showMessage(area, QStringLiteral("画像を保存できませんでした。\n%1").arg(error));
    } else if (chosen == copy) {
      QGuiApplication::clipboard()->setImage(renderDrawing(source(), 2.0));
    } else if (chosen == print) {
      printDrawing(area, source());
    } else if (chosen == saveCsv) {
      QString path = askFileName(area, QStringLiteral("CSVとして保存"));
      if (path.isEmpty()) return;
      if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
      QString error;
      if (!saveFileAtomically(path, csv(), &error))
        showMessage(area, QStringLiteral("CSV を保存できませんでした。\n%1").arg(error));
    }
  });
}

}  // namespace ronri
