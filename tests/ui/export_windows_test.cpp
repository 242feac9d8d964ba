// Exports of the windows' drawings hold exactly what the windows drew.

#include <QRegularExpression>
#include <QtMath>
#include <set>

#include "ui/framework/canvas.h"
#include "ui/framework/drawing_export.h"
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
  f.showFor(Function{"", 4, {}}, termList(ones, 4, true), termList(ones, 4, false));
  answeringMessages([&] { click(f, "Command2(1)"); });  // defaults, then the map
  click(f, "Option3(0)");
  click(f, "Command3(1)");
  auto* canvas = f.control<Canvas>("Canvas");
  ASSERT_NE(canvas, nullptr);
  const DisplayList d = exportedDrawing(canvas);
  int ones1 = 0;
  for (const DrawOp& op : d.ops()) ones1 += op.kind == DrawOp::Text && op.str == "1";
  EXPECT_EQ(ones1, 9);  // the marked cells come with the picture
  for (const DrawOp& op : d.ops()) EXPECT_NE(op.str, "囲む");  // not part of the map
  expectOneElementPerCall(d);
  const QImage png = renderDrawing(d, 2.0);
  const QRectF b = drawingBounds(d);
  EXPECT_EQ(png.width(), qCeil((b.width() + 20) * 2));
}

TEST(ExportWindows, CircuitWithTestDigitsAndBuses) {
  App app;
  CircuitForm& f = *app.Form6;
  f.showFor(Function{"a*b+c*d", 4, {}}, QStringLiteral("ab*cd*+"), QStringLiteral("nnbb+"));
  click(f, "Option1");  // two-input gates, so the test can run
  click(f, "Check1");   // and the gates' own expressions
  click(f, "Command2");
  f.control<QLineEdit>("Text1")->setText(QStringLiteral("1011"));
  answeringMessages([&] { click(f, "Command5"); });
  auto* canvas = f.control<Canvas>("Canvas");
  ASSERT_NE(canvas, nullptr);
  const DisplayList d = exportedDrawing(canvas);
  std::set<std::pair<int, int>> pictures;  // "試す" draws the circuit again over itself
  int busNames = 0, caption = 0, redDigits = 0, lines = 0, gateLabels = 0;
  for (const DrawOp& op : d.ops()) {
    // Every text here is an expression or a value: in the face with a level "~".
    if (op.kind == DrawOp::Text) EXPECT_EQ(op.face, TextFace::Expression) << op.str;
    gateLabels += op.kind == DrawOp::Text && (op.str == "(a*b)" || op.str == "(c*d)");
    if (op.kind == DrawOp::Picture) pictures.insert({op.x1, op.y1});
    lines += op.kind == DrawOp::Line;
    busNames += op.kind == DrawOp::Text && (op.str == "a" || op.str == "~d");
    caption += op.kind == DrawOp::Text && op.str == "f=a*b+c*d";
    redDigits += op.kind == DrawOp::Text && op.color == kLightRed;
  }
  EXPECT_EQ(pictures.size(), 3u);  // two ANDs and an OR
  EXPECT_EQ(busNames, 2);          // bus names wrap: "a" above "~a"
  EXPECT_EQ(caption, 1);
  EXPECT_EQ(gateLabels, 4);  // both AND labels, again with the test values
  EXPECT_EQ(redDigits, 3);   // one test value per gate
  EXPECT_GE(lines, 8 + int(canvas->displayList().ops().size() > 0));  // eight bus lines and more
  for (const DrawOp& op : d.ops()) EXPECT_NE(op.str, "サイズ変更");
  expectOneElementPerCall(d);
}

TEST(ExportWindows, NotationDrawing) {
  App app;
  app.Form16->showFor(QStringLiteral("~(~(a*b)+c)"));
  auto* canvas = app.Form16->control<Canvas>("Canvas");
  ASSERT_NE(canvas, nullptr);
  const DisplayList d = exportedDrawing(canvas);
  EXPECT_EQ(d.ops().size(), canvas->displayList().ops().size());
  expectOneElementPerCall(d);
  const QRectF b = drawingBounds(d);
  const QImage png = renderDrawing(d, 2.0);
  EXPECT_EQ(png.height(), qCeil((b.height() + 20) * 2));
}

TEST(ExportWindows, TableCsvFollowsTheFilter) {
  App app;
  app.Form2->showFor(Function{"a*b+c", 3, {}});
  auto* column = app.Form2->control<QPlainTextEdit>("Text5");
  ASSERT_NE(column, nullptr);
  EXPECT_EQ(exportedCsv(column),
            QByteArray("a,b,c,f\r\n0,0,0,0\r\n0,0,1,1\r\n0,1,0,0\r\n0,1,1,1\r\n"
                       "1,0,0,0\r\n1,0,1,1\r\n1,1,0,1\r\n1,1,1,1\r\n"));
  click(*app.Form2, "Option1(0)");
  EXPECT_EQ(exportedCsv(column), QByteArray("a,b,c,f\r\n0,0,0,0\r\n0,1,0,0\r\n1,0,0,0\r\n"));
  click(*app.Form2, "Option1(1)");
  EXPECT_EQ(exportedCsv(column),
            QByteArray("a,b,c,f\r\n0,0,1,1\r\n0,1,1,1\r\n1,0,1,1\r\n1,1,0,1\r\n1,1,1,1\r\n"));
  const DisplayList d = exportedDrawing(app.Form2->control<QPlainTextEdit>("Text2"));
  EXPECT_EQ(d.ops().size(), 4u + 5u * 4u + 2u);  // header, five rows, two rules
}

}  // namespace
}  // namespace ronri
