// Printed pages and window titles of the windows that show a function.

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "ui/framework/drawing_export.h"
#include "ui/framework/drawing_zoom.h"
#include "ui/framework/fonts.h"
#include "ui/framework/print_header.h"
#include "ui/framework/print_pages.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::isOpen;
using test::visible;
using ::testing::EndsWith;
using ::testing::StartsWith;

// The widget of a window that carries its right-click export.
QWidget* exportArea(const Window& w) {
  for (QWidget* c : w.widget()->findChildren<QWidget*>())
    if (c->findChild<QObject*>(QStringLiteral("ExportSources"), Qt::FindDirectChildrenOnly))
      return c;
  return nullptr;
}

// The part of the page under the header that is not white, as a share of the
// printable width and height.
QSizeF covered(const QImage& page, int headerBottom) {
  QRect ink;
  for (int y = headerBottom; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
  return QSizeF(ink.width() / qreal(page.width()),
                ink.height() / qreal(page.height() - headerBottom));
}

class PrintWindows : public ::testing::Test {
 protected:
  App app;
  test::MainDriver d{app};
  const QString function = QStringLiteral("a*b+~c*d");

  void SetUp() override {
    app.start();
    d.tableFor(function, 4);
    ASSERT_TRUE(isOpen(*app.Form2));
  }
};

// Every window that shows a function names it after its caption, and a
// print of its drawing fills the page: one page where its text stays
// readable, the drawing covering at least 80 % of the printable width or
// height, in the orientation of its shape.
TEST_F(PrintWindows, TitlesNameTheFunctionAndPrintsFillThePage) {
  TruthTableForm& table = *app.Form2;
  answeringMessages([&] {
    click(table, "Command2");  // the map, its default axes and every group
    click(*app.Form4, "Command2(1)");
    click(*app.Form4, "Command3(1)");
  });
  click(table, "Command3");  // the circuit
  click(*app.Form6, "Command2");
  click(table, "Command6");  // the conversion, its primes and their chart
  answeringMessages([&] { click(*app.Form9, "Command4"); });
  click(*app.Form9, "CommandChart");
  app.Form16->showFor(function);

  const Window* windows[] = {&table,          app.Form4.get(),      app.Form6.get(),
                             app.Form9.get(), app.primeChart.get(), app.Form16.get()};
  for (const Window* w : windows) {
    ASSERT_TRUE(isOpen(*w)) << w->name().toStdString();
    EXPECT_EQ(w->widget()->windowTitle(), w->caption() + QStringLiteral(" — ") + function)
        << w->name().toStdString();
    QWidget* area = exportArea(*w);
    if (!area) continue;  // the conversion window has no drawing
    const DisplayList drawing = exportedDrawing(area);
    ASSERT_FALSE(drawing.ops().empty()) << w->name().toStdString();
    const QString header = printHeader(area);
    EXPECT_THAT(header.toStdString(),
                StartsWith((QStringLiteral("f = ") + function).toStdString()));

    // A4 at 50 dpi, less 10 mm margins, turned as the printer turns it.
    const QSizeF size = renderedSize(drawing);
    const bool landscape = size.width() > size.height();
    const QSize a4(413 - 40, 585 - 40);
    QImage page(landscape ? a4.transposed() : a4, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(50 / 0.0254));
    page.setDotsPerMeterY(qRound(50 / 0.0254));
    page.fill(Qt::white);
    int pages = 1;
    QPainter p(&page);
    paintPrintPages(p, page.rect(), 50, drawing, header, [&] { return ++pages, false; });
    p.end();
    EXPECT_EQ(pages, 1) << w->name().toStdString();
    const int headerBottom = qCeil(QFontMetricsF(gothicFont(10), &page).height() * 1.6);
    const QSizeF share = covered(page, headerBottom);
    EXPECT_GE(std::max(share.width(), share.height()), 0.8)
        << w->name().toStdString() << " " << share.width() << " x " << share.height();
  }
}

// Ctrl + wheel zooms the circuit: a view of the drawing drawn again larger
// below the window's controls, which stay in use; gone at 100 %.
TEST_F(PrintWindows, CtrlWheelZoomsTheDrawing) {
  click(*app.Form2, "Command3");
  QWidget* area = exportArea(*app.Form6);
  ASSERT_TRUE(area);
  auto wheel = [&](int delta) {
    QWheelEvent e(QPointF(50, 50), area->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &e);
  };
  wheel(120);
  wheel(120);
  EXPECT_EQ(drawingZoom(area), 150);
  auto* view = app.Form6->widget()->findChild<QScrollArea*>(QStringLiteral("ZoomView"));
  ASSERT_TRUE(view && view->isVisible());
  for (const char* name : {"Command1", "Command2", "Frame1"}) {
    QWidget* c = test::find(*app.Form6, name);
    const QPoint bottom = c->mapTo(view->parentWidget(), QPoint(0, c->height()));
    EXPECT_TRUE(c->isVisible() && bottom.y() <= view->y()) << name;
  }
  // "create" while zoomed: the zoomed picture follows the drawing.
  const QImage empty = view->widget()->grab().toImage();
  click(*app.Form6, "Command2");
  QCoreApplication::processEvents();
  EXPECT_NE(view->widget()->grab().toImage(), empty);
  const QSize shown = view->widget()->size();
  const QSizeF drawn = renderedSize(exportedDrawing(area)) * 1.5;
  EXPECT_NEAR(shown.width(), drawn.width(), 2);
  wheel(-120);
  wheel(-120);
  EXPECT_EQ(drawingZoom(area), 100);
  EXPECT_FALSE(visible(view));
}

TEST(Printing, SplitsOnlyWhereTextWouldFallUnderSixPoints) {
  const QSizeF page(1000, 1400);  // device pixels at 120 dpi
  // Fits: 9-pt text on a drawing half the page's width prints larger.
  PrintPlan plan = planPrint(QSizeF(500, 300), 9, page, 120);
  EXPECT_EQ(plan.pages(), 1);
  EXPECT_DOUBLE_EQ(plan.scale, 2.0);
  // A drawing 20 times the page's width with 7.5-pt text: 7.5 * 96 k / 120
  // must stay 6, so k = 1 and the drawing takes 20 pages across and 1 down.
  plan = planPrint(QSizeF(20000, 1000), 7.5, page, 120);
  EXPECT_EQ(plan.columns, 20);
  EXPECT_EQ(plan.rows, 1);
  EXPECT_GE(7.5 * 96 * plan.scale / 120, 6.0 - 1e-9);
  // Without text nothing limits the scale.
  EXPECT_EQ(planPrint(QSizeF(20000, 1000), 0, page, 120).pages(), 1);
}

TEST(Printing, PrintsToAPdfFileInTheDrawingsOrientation) {
  QTemporaryDir dir;
  DisplayList wide;
  wide.rectangle(0, 0, 6000, 1500, 0);
  wide.text(150, 150, "f = a*b", 0, 9);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("wide.pdf")));
  printDrawingOn(printer, wide, QStringLiteral("f = a*b"));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  QFile pdf(printer.outputFileName());
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << pdf.errorString().toStdString();
  EXPECT_EQ(pdf.read(5).toStdString(), "%PDF-");
  EXPECT_GT(pdf.size(), 1000);

  // The preview opens on the same pages.
  int previewPages = 0;
  QTimer close;
  QObject::connect(&close, &QTimer::timeout, [&] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      if (d->objectName() == QStringLiteral("PrintPreview"))
        if (auto* view = d->findChild<QPrintPreviewWidget*>()) previewPages = view->pageCount();
      d->reject();
    }
  });
  close.start(20);
  showPrintPreview(nullptr, wide, QStringLiteral("f = a*b"));
  close.stop();  // else it would also reject the message box below
  EXPECT_EQ(previewPages, 1);

  // Without a printer "印刷…" says so once and offers a PDF file instead.
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    const QStringList said = answeringMessages(
        [&] { printWithDialog(nullptr, wide, QStringLiteral("f = a*b")); }, QMessageBox::No);
    EXPECT_EQ(said,
              QStringList{QStringLiteral("プリンタがありません。PDF ファイルに印刷しますか？")});
  }
}

// A PDF that cannot be written says why, and an old file of that name stays
// as it was; a good one replaces it.
TEST(Printing, APdfThatCannotBeWrittenSaysWhyAndKeepsTheOldFile) {
  QTemporaryDir dir;
  DisplayList drawing;
  drawing.text(150, 150, "f = a*b", 0, 9);
  const struct {
    QString path;
    const char* reason;
  } failures[] = {{dir.filePath(QStringLiteral("missing/f.pdf")), "フォルダがありません"},
                  {QStringLiteral("/proc/f.pdf"), "書き込めません"}};
  for (const auto& f : failures)
    EXPECT_EQ(printToPdf(f.path, drawing, QStringLiteral("f")), QString::fromUtf8(f.reason))
        << f.path.toStdString();

  const QString path = dir.filePath(QStringLiteral("f.pdf"));
  const auto contents = [&] {
    QFile pdf(path);
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
  };
  ASSERT_TRUE(saveFileAtomically(path, "old", nullptr));
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  const QString readOnly = printToPdf(path, drawing, QStringLiteral("f"));
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (!readOnly.isEmpty()) {  // not as a user who may write anywhere
    EXPECT_EQ(readOnly, QStringLiteral("書き込めません"));
    EXPECT_EQ(contents(), "old");
  }
  EXPECT_EQ(printToPdf(path, drawing, QStringLiteral("f")), QString());
  EXPECT_TRUE(contents().startsWith("%PDF-"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.pdf"});
}

TEST(Printing, LongTitlesAreShortenedToTheScreen) {
  const QString title = functionTitle(QStringLiteral("回路図"), QString(3000, 'a'), 1366);
  EXPECT_THAT(title.toStdString(), StartsWith("回路図 — a"));
  EXPECT_THAT(title.toStdString(), EndsWith("…"));
  EXPECT_LT(QFontMetrics(QApplication::font()).horizontalAdvance(title), 1366);
}

}  // namespace
}  // namespace ronri
