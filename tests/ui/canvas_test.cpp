#include "ui/framework/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "kmap/outline.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/twips.h"
#include "ui_helpers.h"

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

// The map outlines of "見やすい配色": each colour at least 3:1 against the map's
// background, and every two of them apart (CIE76 distance over 20) as seen
// with normal vision and under full protanopia, deuteranopia and tritanopia
// (Machado, Oliveira and Fernandes 2009).
TEST(Palette, ReadableOutlinesStandOutAndStayDistinct) {
  auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  auto rgb = [&](const QColor& c) {
    return std::array<double, 3>{linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
  };
  auto luminance = [](const std::array<double, 3>& v) {
    return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2];
  };
  using Matrix = std::array<std::array<double, 3>, 3>;
  const Matrix kVision[] = {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
                            {{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}},
                            {{{0.367322, 0.860646, -0.227968},
                              {0.280085, 0.672501, 0.047413},
                              {-0.011820, 0.042940, 0.968881}}},
                            {{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}}};
  auto lab = [](const std::array<double, 3>& v) {
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double x = (0.4124 * v[0] + 0.3576 * v[1] + 0.1805 * v[2]) / 0.95047;
    const double y = 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2];
    const double z = (0.0193 * v[0] + 0.1192 * v[1] + 0.9505 * v[2]) / 1.08883;
    return std::array<double, 3>{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
  };
  Canvas map;
  const double background = luminance(rgb(map.background()));
  std::vector<std::array<double, 3>> colours;
  for (int index : kmap::kReadableColors) {
    const QColor c = paletteColor(index, map.background());
    ASSERT_NE(c, map.background()) << index;
    const double l = luminance(rgb(c));
    EXPECT_GE((std::max(l, background) + 0.05) / (std::min(l, background) + 0.05), 3.0) << index;
    colours.push_back(rgb(c));
  }
  for (const Matrix& m : kVision) {
    std::vector<std::array<double, 3>> seen;
    for (const auto& v : colours) {
      std::array<double, 3> s{};
      for (int i = 0; i < 3; ++i)
        s[i] = std::clamp(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2], 0.0, 1.0);
      seen.push_back(lab(s));
    }
    for (std::size_t a = 0; a < seen.size(); ++a)
      for (std::size_t b = a + 1; b < seen.size(); ++b) {
        const double d =
            std::hypot(seen[a][0] - seen[b][0], seen[a][1] - seen[b][1], seen[a][2] - seen[b][2]);
        EXPECT_GT(d, 20.0) << "colours " << a << " and " << b;
      }
  }
}

}  // namespace
}  // namespace ronri
