#include "ui/framework/painter_surface.h"

#include <cmath>
#include <iterator>

#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QSvgRenderer>

#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/twips.h"

namespace ronri {

QColor paletteColor(int index, const QColor& background) {
  static const QRgb kPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                    0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                    0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  // The readable outline palette of the maps: vermilion, blue, violet,
  // black, brown and indigo, chosen apart in hue for thin lines, also as
  // eyes with the common colour-vision deficiencies see them.
  static const QRgb kReadable[] = {0xD55E00, 0x0072B2, 0x8800EE, 0x000000, 0x886644, 0x220088};
  if (index >= 16 && index < 16 + int(std::size(kReadable)))
    return QColor::fromRgb(kReadable[index - 16]);
  if (index < 0 || index > 15) return background;
  return QColor::fromRgb(kPalette[index]);
}

PainterSurface::PainterSurface(QPainter& painter, QColor background, bool picturesAsImages)
    : p_(painter), background_(std::move(background)), picturesAsImages_(picturesAsImages) {}

void PainterSurface::setPen(int color) {
  QPen pen(paletteColor(color, background_));
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::SquareCap);
  p_.setPen(pen);
  p_.setBrush(Qt::NoBrush);
}

void PainterSurface::line(int x1, int y1, int x2, int y2, int color) {
  setPen(color);
  p_.drawLine(QPointF(pxF(x1) + 0.5, pxF(y1) + 0.5), QPointF(pxF(x2) + 0.5, pxF(y2) + 0.5));
}

void PainterSurface::rectangle(int x1, int y1, int x2, int y2, int color) {
  setPen(color);
  QRectF r(QPointF(pxF(std::min(x1, x2)) + 0.5, pxF(std::min(y1, y2)) + 0.5),
           QPointF(pxF(std::max(x1, x2)) + 0.5, pxF(std::max(y1, y2)) + 0.5));
  p_.drawRect(r);
}

void PainterSurface::circle(int x, int y, int r, int color) {
  setPen(color);
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.drawEllipse(QPointF(pxF(x) + 0.5, pxF(y) + 0.5), pxF(r), pxF(r));
  p_.restore();
}

namespace {

struct StoredPicture {
  QImage image;                       // for raster pictures
  std::shared_ptr<QSvgRenderer> svg;  // for vector pictures
  QSize size;                         // natural size in logical pixels
};

const StoredPicture& storedPicture(std::string_view name) {
  static QHash<QString, StoredPicture> cache;
  const QString key = QString::fromUtf8(name.data(), qsizetype(name.size()));
  auto it = cache.find(key);
  if (it != cache.end()) return *it;
  StoredPicture pic;
  const QString svgPath = QStringLiteral(":/pictures/") + key + QStringLiteral(".svg");
  const QString pngPath = QStringLiteral(":/pictures/") + key + QStringLiteral(".png");
  if (QFile::exists(svgPath)) {
    pic.svg = std::make_shared<QSvgRenderer>(svgPath);
    pic.size = pic.svg->defaultSize();
  } else if (QFile::exists(pngPath)) {
    pic.image.load(pngPath);
    pic.size = pic.image.size() / std::max<qreal>(1.0, pic.image.devicePixelRatio());
  }
  return *cache.insert(key, pic);
}

}  // namespace

QSize PainterSurface::pictureSize(std::string_view name) {
  return storedPicture(name).size;
}

void PainterSurface::picture(std::string_view name, int x, int y) {
  const StoredPicture& pic = storedPicture(name);
  const QRectF target(pxF(x), pxF(y), pic.size.width(), pic.size.height());
  if (pic.svg && picturesAsImages_) {
    // Four device pixels per logical pixel keep the picture sharp when printed.
    QImage image(pic.size * 4, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(4);
    image.fill(Qt::white);
    QPainter ip(&image);
    ip.setRenderHint(QPainter::Antialiasing, true);
    pic.svg->render(&ip, QRectF(QPointF(0, 0), QSizeF(pic.size)));
    ip.end();
    p_.drawImage(target, image);
  } else if (pic.svg) {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.fillRect(target, Qt::white);
    pic.svg->render(&p_, target);
    p_.restore();
  } else if (!pic.image.isNull()) {
    p_.drawImage(target, pic.image);
  }
}

QFont PainterSurface::textFont(TextFace face, double pointSize) {
  return face == TextFace::Expression ? expressionFont(pointSize) : gothicFont(pointSize);
}

qreal PainterSurface::textAscent(TextFace face, double pointSize) {
  const QFontMetricsF fm(textFont(face, pointSize));
  // An expression stands with its tallest glyphs at the top, not the face's
  // ascent (which leaves a pixel free above them): its lines then take the
  // height the circuit drawing gives them.
  if (face == TextFace::Expression)
    return std::ceil(-fm.tightBoundingRect(QStringLiteral("(b")).top());
  return QFontMetrics(textFont(face, pointSize)).ascent();
}

void PainterSurface::text(int x, int y, std::string_view utf8, int color, double pointSize,
                          TextFace face) {
  p_.save();
  p_.setRenderHint(QPainter::TextAntialiasing, true);
  p_.setPen(paletteColor(color, background_));
  p_.setFont(textFont(face, pointSize));
  p_.drawText(QPointF(pxF(x), pxF(y) + textAscent(face, pointSize)),
              QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
  p_.restore();
}

void PainterSurface::erase(int x1, int y1, int x2, int y2) {
  QRectF r(QPointF(pxF(std::min(x1, x2)), pxF(std::min(y1, y2))),
           QPointF(pxF(std::max(x1, x2)) + 1, pxF(std::max(y1, y2)) + 1));
  p_.fillRect(r, background_);
}

}  // namespace ronri
