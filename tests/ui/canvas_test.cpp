#include "ui/framework/canvas.h"

#include <gtest/gtest.h>

#include "ui/framework/painter_surface.h"
#include "ui/framework/twips.h"

namespace ronri {
namespace {

QColor pixelAt(const Canvas& c, int xTwips, int yTwips) {
  const QImage& img = c.image();
  const qreal dpr = img.devicePixelRatio();
  return img.pixelColor(int(px(xTwips) * dpr), int(px(yTwips) * dpr));
}

TEST(Canvas, DrawsInPaletteColoursAndErasesToTheBackground) {
  Canvas canvas;
  canvas.resize(200, 100);
  canvas.line(150, 300, 2850, 300, kLightRed);
  EXPECT_EQ(pixelAt(canvas, 1500, 300), QColor(Qt::red));
  canvas.line(150, 300, 2850, 300, kBackground);
  EXPECT_EQ(pixelAt(canvas, 1500, 300), canvas.background());
  canvas.erase(0, 0, 3000, 1500);
  EXPECT_EQ(pixelAt(canvas, 1500, 300), canvas.background());
}

TEST(Canvas, KeepsTheDrawingWhenResizedAndRecordsEveryCall) {
  Canvas canvas;
  canvas.resize(100, 100);
  canvas.rectangle(150, 150, 600, 600, kBlack);
  canvas.circle(900, 900, 60, kBlack);
  canvas.text(150, 1200, "f=a*b", kLightRed, 9);
  canvas.resize(400, 300);
  EXPECT_EQ(pixelAt(canvas, 150, 300), QColor(Qt::black));
  ASSERT_EQ(canvas.displayList().ops().size(), 3u);
  EXPECT_EQ(canvas.displayList().ops()[2].str, "f=a*b");
  canvas.clearDrawing();
  EXPECT_TRUE(canvas.displayList().ops().empty());
  EXPECT_EQ(pixelAt(canvas, 150, 300), canvas.background());
}

TEST(Canvas, UnknownPicturesDrawNothing) {
  EXPECT_TRUE(PainterSurface::pictureSize("no/such/picture").isEmpty());
  Canvas canvas;
  canvas.resize(50, 50);
  canvas.picture("no/such/picture", 0, 0);
  EXPECT_EQ(pixelAt(canvas, 150, 150), canvas.background());
}

TEST(Palette, HasTheSixteenStandardColours) {
  EXPECT_EQ(paletteColor(0, Qt::gray), QColor(0, 0, 0));
  EXPECT_EQ(paletteColor(12, Qt::gray), QColor(255, 0, 0));
  EXPECT_EQ(paletteColor(14, Qt::gray), QColor(255, 255, 0));
  EXPECT_EQ(paletteColor(15, Qt::gray), QColor(255, 255, 255));
  EXPECT_EQ(paletteColor(kBackground, Qt::gray), QColor(Qt::gray));
}

}  // namespace
}  // namespace ronri
