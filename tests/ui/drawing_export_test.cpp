#include "ui/framework/drawing_export.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtMath>

#include "ui/framework/canvas.h"
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
