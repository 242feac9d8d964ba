// Writes the nineteen expression glyphs (resources/pictures/glyph/0.svg ...
// 18.svg) as plain SVG outlines, so the program needs no font to show them.
// The letters are the italic serif outlines of DejaVu Serif Italic (fonts-dejavu-core);
// the operators are drawn here.
//
// Build and run from the repository root:
//   g++ -std=c++20 -fPIC resources/glyph_tool/make_glyphs.cpp -o /tmp/make_glyphs \
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make_glyphs resources/pictures/glyph
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr double kBaseline = 21.0;  // in the 30 px high glyph
constexpr double kAxis = 15.5;      // centre line of the operators (middle of the x-height)

QString number(double v) {
  return QString::number(v, 'f', 2);
}

QString pathData(const QPainterPath& p) {
  QString d;
  for (int i = 0; i < p.elementCount(); ++i) {
    const QPainterPath::Element e = p.elementAt(i);
    if (e.type == QPainterPath::MoveToElement) {
      d += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
    } else if (e.type == QPainterPath::LineToElement) {
      d += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
    } else if (e.type == QPainterPath::CurveToElement) {
      const QPainterPath::Element c2 = p.elementAt(i + 1), end = p.elementAt(i + 2);
      d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
               .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                    number(end.y));
      i += 2;
    }
  }
  return d + QStringLiteral("Z");
}

// The outline of `text` in `font`, its ink centred at x = width / 2.
QString outline(const QString& text, const QFont& font, int width) {
  QPainterPath p;
  p.addText(0, kBaseline, font, text);
  const QRectF ink = p.boundingRect();
  p.translate(width / 2.0 - ink.center().x(), 0);
  return QStringLiteral("<path d=\"%1\" fill=\"#000\" fill-rule=\"nonzero\"/>").arg(pathData(p));
}

void write(const QString& folder, int index, int width, int height, const QString& body) {
  QFile f(QStringLiteral("%1/%2.svg").arg(folder).arg(index));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
    std::exit(1);
  }
  QTextStream out(&f);
  out << QStringLiteral(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
             "viewBox=\"0 0 %1 %2\">\n%3\n</svg>\n")
             .arg(width)
             .arg(height)
             .arg(body);
}

QString stroke(const QString& d, double w = 1.3) {
  return QStringLiteral(
             "<path d=\"%1\" fill=\"none\" stroke=\"#000\" stroke-width=\"%2\" "
             "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")
      .arg(d, number(w));
}

QString circledPlus(double cx, double cy, double r) {
  return QStringLiteral(
             "<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"#000\" "
             "stroke-width=\"1.2\"/>\n")
             .arg(number(cx), number(cy), number(r)) +
         stroke(QStringLiteral("M%1 %2H%3M%4 %5V%6")
                    .arg(number(cx - r), number(cy), number(cx + r), number(cx), number(cy - r),
                         number(cy + r)),
                1.2);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_glyphs <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);

  QFont italic(QStringLiteral("DejaVu Serif"));
  italic.setItalic(true);
  italic.setPixelSize(20);
  if (!QFontInfo(italic).italic()) std::fprintf(stderr, "warning: no italic serif face found\n");
  QFont upright(QStringLiteral("DejaVu Serif"));
  upright.setPixelSize(20);

  // a ... j; the narrow letters get 15 px, the others 16.
  for (int k = 0; k < 10; ++k) {
    const QChar letter('a' + k);
    const int width = QStringLiteral("fijl").contains(letter) ? 15 : 16;
    write(folder, k, width, 30, outline(QString(letter), italic, width));
  }
  // The bar over a negated letter sits low, just above the letter's cell.
  write(folder, 10, 16, 10,
        QStringLiteral("<rect x=\"1.5\" y=\"4\" width=\"13\" height=\"1.3\" fill=\"#000\"/>"));
  // AND: a centred dot.
  write(folder, 11, 16, 30,
        QStringLiteral("<circle cx=\"8\" cy=\"%1\" r=\"1.8\" fill=\"#000\"/>").arg(number(kAxis)));
  // OR: plus.
  write(folder, 12, 16, 30,
        stroke(QStringLiteral("M2.5 %1H13.5M8 %2V%3")
                   .arg(number(kAxis), number(kAxis - 5.5), number(kAxis + 5.5))));
  // XNOR: circled plus under a bar; XOR: circled plus.
  write(folder, 13, 16, 30,
        circledPlus(8, kAxis + 1, 5.6) + QStringLiteral("\n") +
            stroke(QStringLiteral("M2 %1H14").arg(number(kAxis - 7.5)), 1.2));
  write(folder, 14, 16, 30, circledPlus(8, kAxis, 5.8));
  // NAND: up arrow; NOR: down arrow.
  write(folder, 15, 16, 30,
        stroke(QStringLiteral("M8 %1V6.5M4 10.5L8 6L12 10.5").arg(number(kBaseline + 1))));
  write(folder, 16, 16, 30,
        stroke(QStringLiteral("M8 5V%1M4 %2L8 %3L12 %2")
                   .arg(number(kBaseline + 0.5), number(kBaseline - 3.5), number(kBaseline + 1))));
  // Parentheses in the upright serif.
  write(folder, 17, 16, 30, outline(QStringLiteral("("), upright, 16));
  write(folder, 18, 16, 30, outline(QStringLiteral(")"), upright, 16));
  return 0;
}
