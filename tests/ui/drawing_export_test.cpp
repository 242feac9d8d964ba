#include "ui/framework/drawing_export.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtMath>
#include <array>
#include <cmath>

#include "kmap/outline.h"
#include "ui/framework/canvas.h"
#include "ui/framework/painter_surface.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

DisplayList sample() {
  DisplayList d;
  d.line(1500, 1500, 4500, 1500, kBlack);
  d.line(1500, 1500, 1500, 3000, kLightRed);
  d.circle(3000, 3000, 60, kBlack);
  d.text(1500, 3300, "f=a*b", kLightRed, 9);
  d.line(1500, 1500, 4500, 1500, kBackground);  // erased again
  return d;
}

int count(const QByteArray& svg, const char* pattern) {
  return int(QString::fromUtf8(svg).count(QRegularExpression(QString::fromLatin1(pattern))));
}

TEST(DrawingExport, BoundsCoverEveryCallAndIgnoreErasing) {
  DisplayList d;
  EXPECT_TRUE(drawingBounds(d).isNull());
  d.line(1500, 1500, 4500, 3000, kBlack);
  const QRectF b = drawingBounds(d);
  EXPECT_EQ(b.left(), 100);
  EXPECT_EQ(b.top(), 100);
  EXPECT_EQ(b.right(), 301);
  EXPECT_EQ(b.bottom(), 201);
  d.erase(0, 0, 15000, 15000);
  EXPECT_EQ(drawingBounds(d), b);
}

TEST(DrawingExport, PngIsCroppedToTheDrawingAtTwiceTheDensity) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("d.png"));
  QString error;
  ASSERT_TRUE(saveDrawing(sample(), path, &error)) << error.toStdString();
  QImage img(path);
  const QRectF b = drawingBounds(sample());
  EXPECT_EQ(img.width(), qCeil((b.width() + 20) * 2));
  EXPECT_EQ(img.height(), qCeil((b.height() + 20) * 2));
  EXPECT_EQ(img.pixelColor(2, 2), QColor(Qt::white));
}

TEST(DrawingExport, SvgHoldsOneElementPerCall) {
  const QByteArray svg = svgDocument(sample());
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_EQ(count(svg, "<polyline"), 3);  // the erased line is drawn again in white
  EXPECT_EQ(count(svg, "<circle"), 1);
  EXPECT_EQ(count(svg, "<text"), 1);
  EXPECT_TRUE(svg.contains("f=a*b"));
}

TEST(DrawingExport, SavingIntoAMissingFolderFailsAndLeavesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("no/such/folder/d.svg"));
  QString error;
  EXPECT_FALSE(saveDrawing(sample(), path, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

TEST(DrawingExport, AFailedWriteKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("keep.csv"));
  QString error;
  ASSERT_TRUE(saveFileAtomically(path, "old", &error)) << error.toStdString();
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  const bool wrote = saveFileAtomically(path, "new", &error);
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (wrote) GTEST_SKIP() << "running as a user who may write anywhere";
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.errorString().toStdString();
  EXPECT_EQ(f.readAll(), "old");
}

// The map outlines' colours stay apart as thin lines, with normal colour
// vision and as the three common deficiencies see them (simulated), and each
// stands out 3:1 against the map's background.
TEST(DrawingExport, OutlineColoursStayApartAlsoForColourBlindEyes) {
  using Vec = std::array<double, 3>;
  const double kSight[4][3][3] = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
                                  {{0.152286, 1.052583, -0.204868},
                                   {0.114503, 0.786281, 0.099216},
                                   {-0.003882, -0.048116, 1.051998}},
                                  {{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}},
                                  {{1.255528, -0.076749, -0.178779},
                                   {-0.078411, 0.930809, 0.147602},
                                   {0.004733, 0.691367, 0.303900}}};
  const auto linear = [](const QColor& c) {
    Vec v{c.redF(), c.greenF(), c.blueF()};
    for (double& x : v) x = x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    return v;
  };
  const auto luminance = [](const Vec& v) { return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2]; };
  // CIELAB with the lightness weighed less: a thin line shows its hue.
  const auto seen = [&](const QColor& c, int sight) {
    const Vec l = linear(c);
    Vec s{};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) s[size_t(i)] += kSight[sight][i][j] * l[size_t(j)];
    for (double& x : s) x = std::clamp(x, 0.0, 1.0);
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double x = (0.4124 * s[0] + 0.3576 * s[1] + 0.1805 * s[2]) / 0.95047;
    const double y = luminance(s), z = (0.0193 * s[0] + 0.1192 * s[1] + 0.9505 * s[2]) / 1.08883;
    return Vec{0.4 * (116 * f(y) - 16), 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
  };
  const QColor background = Canvas().background();
  for (size_t i = 0; i < std::size(kmap::kReadableColors); ++i) {
    const QColor a = paletteColor(kmap::kReadableColors[i], background);
    EXPECT_GE((luminance(linear(background)) + 0.05) / (luminance(linear(a)) + 0.05), 3.0)
        << a.name().toStdString();
    for (size_t j = i + 1; j < std::size(kmap::kReadableColors); ++j) {
      const QColor b = paletteColor(kmap::kReadableColors[j], background);
      for (int sight = 0; sight < 4; ++sight) {
        const Vec p = seen(a, sight), q = seen(b, sight);
        EXPECT_GE(std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]), 20.0)
            << a.name().toStdString() << " and " << b.name().toStdString() << ", sight " << sight;
      }
    }
  }
}

TEST(DrawingExport, LabelsOnTheCanvasBecomeTexts) {
  Canvas canvas;
  canvas.resize(300, 200);
  canvas.line(150, 150, 1500, 150, kBlack);
  auto* label = new QLabel(QStringLiteral("1"), &canvas);
  label->setGeometry(20, 2, 30, 20);
  label->setAlignment(Qt::AlignCenter);
  auto* hidden = new QLabel(QStringLiteral("x"), &canvas);
  hidden->hide();
  auto* caption = new QLabel(QStringLiteral("far away"), &canvas);
  caption->setGeometry(250, 150, 40, 20);
  canvas.show();
  const DisplayList d = exportableDrawing(canvas);
  ASSERT_EQ(d.ops().size(), 2u);
  EXPECT_EQ(d.ops()[1].kind, DrawOp::Text);
  EXPECT_EQ(d.ops()[1].str, "1");
}

}  // namespace
}  // namespace ronri
