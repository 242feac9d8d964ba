#pragma once
// A Surface that draws with a QPainter: on a window's backing image, or on an
// image or SVG file when a drawing is exported.
#include <QColor>
#include <QPainter>

#include "core/draw/surface.h"

namespace ronri {

// The 16 colours of the standard palette, then (16 to 21) the readable outline
// colours of the maps; kBackground gives `background`.
QColor paletteColor(int index, const QColor& background);

class PainterSurface : public Surface {
 public:
  // The painter's coordinates are logical pixels; twips are scaled here.
  // With picturesAsImages, each picture is painted as one image (a file export
  // then holds one image element per picture) instead of as vector shapes.
  PainterSurface(QPainter& painter, QColor background, bool picturesAsImages = false);

  void line(int x1, int y1, int x2, int y2, int color) override;
  void rectangle(int x1, int y1, int x2, int y2, int color) override;
  void circle(int x, int y, int r, int color) override;
  void picture(std::string_view name, int x, int y) override;
  void text(int x, int y, std::string_view utf8, int color, double pointSize,
            TextFace face = TextFace::Caption) override;
  void erase(int x1, int y1, int x2, int y2) override;

  // The font a text call of this face and size is drawn in.
  static QFont textFont(TextFace face, double pointSize);
  // How far below a text call's top the text's baseline stands (pixels).
  static qreal textAscent(TextFace face, double pointSize);
  // The natural size of a stored picture in logical pixels (empty if unknown).
  static QSize pictureSize(std::string_view name);

 private:
  void setPen(int color);
  QPainter& p_;
  QColor background_;
  bool picturesAsImages_;
};

}  // namespace ronri
