#include "ui/framework/drawing_export.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextLayout>
#include <QtMath>

#include "ui/framework/canvas.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/print_header.h"
#include "ui/framework/print_pages.h"
#include "ui/framework/twips.h"

namespace ronri {

namespace {

constexpr qreal kMargin = 10;  // logical pixels around the drawing

QRectF textRect(const DrawOp& op) {
  QFontMetricsF fm(PainterSurface::textFont(op.face, op.pointSize));
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

}  // namespace

// The area one call covers, in logical pixels (null when it covers nothing).
static QRectF opBounds(const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Line:
    case DrawOp::Rectangle:
      return QRectF(QPointF(pxF(op.x1), pxF(op.y1)), QPointF(pxF(op.x2), pxF(op.y2)))
          .normalized()
          .adjusted(0, 0, 1, 1);
    case DrawOp::Circle:
      return QRectF(pxF(op.x1 - op.x2), pxF(op.y1 - op.x2), pxF(2 * op.x2) + 1, pxF(2 * op.x2) + 1);
    case DrawOp::Picture: {
      const QSize s = PainterSurface::pictureSize(op.str);
      return s.isEmpty() ? QRectF() : QRectF(QPointF(pxF(op.x1), pxF(op.y1)), QSizeF(s));
    }
    case DrawOp::Text:
      return op.str.empty() ? QRectF() : textRect(op);
    case DrawOp::Erase:
      break;  // erasing paints background only
  }
  return QRectF();
}

// A label's text as it stands on the screen: one text call per shown line.
static void appendLabel(DisplayList& out, const QLabel& label, const QRect& g) {
  const QFont font = label.font();
  // The labels in the monospace face show expressions or columns; they keep it.
  const TextFace face = font.fixedPitch() ? TextFace::Expression : TextFace::Caption;
  QFontMetricsF fm(font);
  QStringList lines;
  if (label.wordWrap()) {
    QTextLayout layout(label.text(), font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(g.width());
      lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
  } else {
    lines = label.text().split(QLatin1Char('\n'));
  }
  qreal y = g.y();
  if (label.alignment() & Qt::AlignVCenter) y += (g.height() - fm.height() * lines.size()) / 2;
  for (const QString& text : lines) {
    const qreal w = fm.horizontalAdvance(text);
    qreal x = g.x();
    if (label.alignment() & Qt::AlignHCenter)
      x += (g.width() - w) / 2;
    else if (label.alignment() & Qt::AlignRight)
      x += g.width() - w;
    // An expression's baseline where the screen has it.
    const qreal top = face == TextFace::Expression
                          ? y + fm.ascent() - PainterSurface::textAscent(face, font.pointSizeF())
                          : y;
    if (!text.isEmpty())
      out.text(twips(int(x)), twips(int(top)), text.toStdString(), kBlack, font.pointSizeF(), face);
    y += fm.height();
  }
}

DisplayList exportableDrawing(const Canvas& canvas, const QRect& areaTwips,
                              const std::function<bool(const QLabel&)>& keepLabel) {
  DisplayList out;
  const QRectF area = areaTwips.isNull() ? QRectF()
                                         : QRectF(pxF(areaTwips.x()), pxF(areaTwips.y()),
                                                  pxF(areaTwips.width()), pxF(areaTwips.height()));
  auto inArea = [&](const QRectF& r) {
    return area.isNull() || r.adjusted(-1, -1, 1, 1).intersects(area);
  };
  for (const DrawOp& op : canvas.displayList().ops()) {
    const QRectF b =
        op.kind == DrawOp::Erase
            ? QRectF(QPointF(pxF(op.x1), pxF(op.y1)), QPointF(pxF(op.x2), pxF(op.y2))).normalized()
            : opBounds(op);
    if (inArea(b)) out.append(op);
  }
  // Line controls: plain frames one pixel high or wide.
  for (const QFrame* f : canvas.findChildren<QFrame*>()) {
    if (f->metaObject() != &QFrame::staticMetaObject || !f->isVisibleTo(&canvas)) continue;
    const QRect g(f->mapTo(&canvas, QPoint(0, 0)), f->size());
    if (g.height() > 2 && g.width() > 2) continue;
    if (!inArea(QRectF(g))) continue;
    const bool horizontal = g.height() <= 2;
    out.line(twips(g.left()), twips(g.top()), twips(horizontal ? g.right() : g.left()),
             twips(horizontal ? g.top() : g.bottom()), kBlack);
  }
  // Labels that belong to the drawing (cell values, headers, bus names) lie on
  // or beside it; the window's other captions do not.
  const QRectF near = area.isNull() ? drawingBounds(out).adjusted(-20, -20, 20, 20) : area;
  for (const QLabel* label : canvas.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&canvas) || label->text().isEmpty()) continue;
    const QRect g(label->mapTo(&canvas, QPoint(0, 0)), label->size());
    if (!near.intersects(QRectF(g))) continue;
    if (keepLabel && !keepLabel(*label)) continue;
    appendLabel(out, *label, g);
  }
  return out;
}

QRectF drawingBounds(const DisplayList& drawing) {
  QRectF bounds;
  for (const DrawOp& op : drawing.ops()) {
    const QRectF r = opBounds(op);
    if (!r.isNull()) bounds = bounds.isNull() ? r : bounds.united(r);
  }
  return bounds;
}

QSizeF renderedSize(const DisplayList& drawing) {
  const QRectF bounds = drawingBounds(drawing);
  return QSizeF(bounds.width() + 2 * kMargin, bounds.height() + 2 * kMargin);
}

QImage renderDrawing(const DisplayList& drawing, qreal scale) {
  const QRectF bounds = drawingBounds(drawing);
  const QSizeF logical = renderedSize(drawing);
  // A huge drawing (the prime-implicant chart of ten variables) is drawn at a
  // lower density: an image of gigabytes would exhaust the memory.
  constexpr qreal kMostPixels = 64.0 * 1024 * 1024;
  const qreal pixels = logical.width() * logical.height() * scale * scale;
  if (pixels > kMostPixels) scale *= qSqrt(kMostPixels / pixels);
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
    if (error)
      *error = QCoreApplication::translate("ronri::DrawingExport", "PNG を作れませんでした");
    return false;
  }
  return saveFileAtomically(path, png, error);
}

namespace {

QString askFileName(QWidget* parent, const QString& title) {
  return QFileDialog::getSaveFileName(parent, title);
}

}  // namespace

namespace {

// Keeps an area's export sources with the area, for the menu and for callers
// that want the same picture without the menu.
class ExportSources : public QObject {
 public:
  ExportSources(QObject* parent, std::function<DisplayList()> s, std::function<QByteArray()> c)
      : QObject(parent), source(std::move(s)), csv(std::move(c)) {
    setObjectName(QStringLiteral("ExportSources"));
  }
  std::function<DisplayList()> source;
  std::function<QByteArray()> csv;
  std::vector<std::pair<QString, std::function<void()>>> actions;  // further entries
};

ExportSources* sourcesOf(const QWidget* area) {
  for (QObject* child : area->children())
    if (auto* s = dynamic_cast<ExportSources*>(child)) return s;
  return nullptr;
}

// "CSVとして保存…": an empty table is not written, so an empty file cannot
// pass for a result.
void saveCsvOf(QWidget* area, const std::function<QByteArray()>& csv,
               const std::function<QString()>& whyNoCsv) {
  const QByteArray bytes = csv();
  if (bytes.isEmpty()) {
    QString text =
        QCoreApplication::translate("ronri::DrawingExport", "保存するデータがありません。");
    if (const QString why = whyNoCsv ? whyNoCsv() : QString(); !why.isEmpty())
      text += QLatin1Char('\n') + why;
    showMessage(area, text);
    return;
  }
  QString path =
      askFileName(area, QCoreApplication::translate("ronri::DrawingExport", "CSVとして保存"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
  QString error;
  if (!saveFileAtomically(path, bytes, &error))
    showMessage(area, QCoreApplication::translate("ronri::DrawingExport",
                                                  "CSV を保存できませんでした。\n%1")
                          .arg(error));
}

}  // namespace

void addExportAction(QWidget* area, const QString& caption, std::function<void()> run) {
  if (ExportSources* s = sourcesOf(area)) s->actions.push_back({caption, std::move(run)});
}

DisplayList exportedDrawing(const QWidget* area) {
  const ExportSources* s = area ? sourcesOf(area) : nullptr;
  return s && s->source ? s->source() : DisplayList();
}

QByteArray exportedCsv(const QWidget* area) {
  const ExportSources* s = area ? sourcesOf(area) : nullptr;
  return s && s->csv ? s->csv() : QByteArray();
}

void addExportMenu(QWidget* area, std::function<DisplayList()> source,
                   std::function<QByteArray()> csv, std::function<QString()> whyNoCsv) {
  new ExportSources(area, source, csv);
  area->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(area, &QWidget::customContextMenuRequested, area, [=](const QPoint& pos) {
    QMenu menu(area);
    menu.setObjectName(QStringLiteral("ExportMenu"));
    QAction* save =
        menu.addAction(QCoreApplication::translate("ronri::DrawingExport", "画像として保存…"));
    QAction* copy = menu.addAction(QCoreApplication::translate("ronri::DrawingExport", "コピー"));
    QAction* print = menu.addAction(QCoreApplication::translate("ronri::DrawingExport", "印刷…"));
    QAction* preview =
        menu.addAction(QCoreApplication::translate("ronri::DrawingExport", "印刷プレビュー…"));
    QAction* saveCsv =
        csv ? menu.addAction(QCoreApplication::translate("ronri::DrawingExport", "CSVとして保存…"))
            : nullptr;
    std::vector<std::pair<QAction*, std::function<void()>>> further;
    if (const ExportSources* s = sourcesOf(area))
      for (const auto& [caption, run] : s->actions)
        further.push_back({menu.addAction(caption), run});
    // A scroll area (a table) reports the position in its viewport.
    const auto* scroll = qobject_cast<const QAbstractScrollArea*>(area);
    QAction* chosen = menu.exec((scroll ? scroll->viewport() : area)->mapToGlobal(pos));
    if (!chosen) return;
    for (const auto& [action, run] : further)
      if (chosen == action) return run();
    if (chosen == save) {
      QString path =
          askFileName(area, QCoreApplication::translate("ronri::DrawingExport", "画像として保存"));
      if (path.isEmpty()) return;
      const QString suffix = QFileInfo(path).suffix().toLower();
      if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
        path += QStringLiteral(".png");
      QString error;
      if (!saveDrawing(source(), path, &error))
        showMessage(area, QCoreApplication::translate("ronri::DrawingExport",
                                                      "画像を保存できませんでした。\n%1")
                              .arg(error));
    } else if (chosen == copy) {
      QGuiApplication::clipboard()->setImage(renderDrawing(source(), 2.0));
    } else if (chosen == print) {
      printWithDialog(area, source(), printHeader(area));
    } else if (chosen == preview) {
      showPrintPreview(area, source(), printHeader(area));
    } else if (chosen == saveCsv) {
      saveCsvOf(area, csv, whyNoCsv);
    }
  });
}

}  // namespace ronri
