// Exports of the windows' drawings hold exactly what the windows drew.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QtMath>

#include "kmap/window/kmap_form.h"
#include "ui/app.h"
#include "ui/canvas.h"
#include "ui/drawing_export.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;

int countIn(const QByteArray& svg, const char* tag) {
  return int(QString::fromUtf8(svg).count(QRegularExpression(QString::fromLatin1(tag))));
}

// One SVG element per drawing call: polylines for lines, circles, images for
// pictures, texts; rectangles for outlines and erasures plus the white page.
void expectOneElementPerCall(const DisplayList& d) {
  int lines = 0, circles = 0, pictures = 0, texts = 0, rects = 1;
  for (const DrawOp& op : d.ops()) {
    switch (op.kind) {
      case DrawOp::Line:
        ++lines;
        break;
      case DrawOp::Circle:
        ++circles;
        break;
      case DrawOp::Picture:
        ++pictures;
        break;
      case DrawOp::Text:
        texts += !op.str.empty();
        break;
      case DrawOp::Rectangle:
      case DrawOp::Erase:
        ++rects;
        break;
    }
  }
  const QByteArray svg = svgDocument(d);
  EXPECT_EQ(countIn(svg, "<polyline"), lines);
  EXPECT_EQ(countIn(svg, "<circle"), circles);
  EXPECT_EQ(countIn(svg, "<image"), pictures);
  EXPECT_EQ(countIn(svg, "<text"), texts);
  EXPECT_EQ(countIn(svg, "<rect"), rects);
}

QString termList(std::initializer_list<int> rows, int n, bool ones) {
  QString s;
  for (int r = 0; r < (1 << n); ++r) {
    const bool in = std::find(rows.begin(), rows.end(), r) != rows.end();
    if (in != ones) continue;
    for (int v = 0; v < n; ++v) s += QChar(((r >> (n - 1 - v)) & 1 ? 'a' : 'n') + v);
    s += '+';
  }
  return s;
}

TEST(ExportWindows, MapWithAllGroupsOutlined) {
  App app;
  KmapForm& f = *app.Form4;
  const auto ones = {0, 1, 2, 5, 7, 8, 10, 13, 15};
  f.dosiki1 = termList(ones, 4, true);
  f.dosiki0 = termList(ones, 4, false);
  f.show();
  answeringMessages([&] { click(f, "Command2(1)"); });  // defaults, then the map
  click(f, "Option3(0)");
  click(f, "Command3(1)");
  auto* canvas = f.control<Canvas>("Canvas");
  ASSERT_NE(canvas, nullptr);
  const DisplayList d = exportableDrawing(*canvas);
  int ones1 = 0;
  for (const DrawOp& op : d.ops()) ones1 += op.kind == DrawOp::Text && op.str == "1";
  EXPECT_EQ(ones1, 9);  // the marked cells come with the picture
  expectOneElementPerCall(d);
  const QImage png = renderDrawing(d, 2.0);
  const QRectF b = drawingBounds(d);
  EXPECT_EQ(png.width(), qCeil((b.width() + 20) * 2));
}

}  // namespace
}  // namespace ronri
