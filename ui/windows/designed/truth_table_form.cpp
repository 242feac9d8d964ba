#include "ui/windows/designed/truth_table_form.h"

#include "core/draw/display_list.h"
#include "core/table/table_export.h"
#include "ui/framework/drawing_export.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/table/function.h"
#include "core/table/truthtable.h"
#include "ui/app.h"
#include "ui/framework/controls.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/framework/print_header.h"
#include "ui/framework/twips.h"
#include "ui/windows/designed/circuit_form.h"
#include "ui/windows/designed/convert_form.h"
#include "ui/windows/designed/display_form.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/helpers/dont_care.h"
#include "ui/windows/helpers/truth_table_progress.h"

namespace ronri {

namespace {

constexpr int kVisibleLines = 16;
// The marker bar: 105 x 6135 twips, its left end on the assignment column,
// which starts 240 twips from the window's left edge.
constexpr int kMarkerLeft = 240;
constexpr int kMarkerWidth = 6135;
constexpr int kMarkerHeight = 105;
constexpr double kColumnPointSize = 11;

// Plain containers: a press on them is a press on the window background.
const char* const kBackgroundProperty = "tableBackground";

// The small square "F" buttons that open the other windows.
QPushButton* makeFButton(QWidget* parent, const char* objectName) {
  QPushButton* b = makeButton(parent, QLatin1String(objectName), QStringLiteral("F"));
  b->setFixedSize(28, 28);
  return b;
}

QPlainTextEdit* makeColumn(QWidget* parent, const char* objectName) {
  auto* c = new QPlainTextEdit(parent);
  c->setObjectName(QLatin1String(objectName));
  c->setReadOnly(true);
  c->setFont(fixedFont(kColumnPointSize));
  c->setLineWrapMode(QPlainTextEdit::NoWrap);  // a wrapped line would shift every row below
  c->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  return c;
}

// Width of a column that shows `chars` characters of its font.
int columnWidth(const QPlainTextEdit* c, int chars) {
  const QFontMetricsF fm(c->font());
  const double text = fm.horizontalAdvance(QString(chars, QLatin1Char('0')));
  const double margins = 2 * (c->frameWidth() + c->document()->documentMargin());
  return int(std::ceil(text + margins)) + 2;  // room for the cursor
}

}  // namespace

TruthTableForm::TruthTableForm(App& app) : Window(app, QStringLiteral("Form2"), tr("真理値表")) {}

int TruthTableForm::variables() const {
  return std::clamp(variables_, 1, kMaxVariables);
}

Function TruthTableForm::function() const {
  return {expression_.toStdString(), variables_, dontCares_};
}

void TruthTableForm::showFor(const Function& f) {
  expression_ = QString::fromStdString(f.expression);
  folded_ = MainForm::InsideExp(expression_);
  variables_ = f.variables;
  dontCares_ = f.dontCares;
  // An open table would still show the previous expression.
  if (isOpen()) createTable();
  show();
}

void TruthTableForm::build(QMainWindow* w) {
  central_ = new QWidget(w);
  w->setCentralWidget(central_);
  central_->installEventFilter(this);

  auto* outer = new QVBoxLayout(central_);
  // The assignment column starts where the marker does.
  outer->setContentsMargins(px(kMarkerLeft), 10, 12, 10);
  auto* body = new QHBoxLayout;
  body->setSpacing(10);
  outer->addLayout(body, 1);
  buildTable(central_, body);
  buildControls(central_, body);

  progress_ = new QProgressBar(central_);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  outer->addWidget(progress_);

  marker_ = new QWidget(central_);
  marker_->setObjectName(QStringLiteral("Picture1"));
  marker_->setAttribute(Qt::WA_TransparentForMouseEvents);  // presses reach what lies below
  marker_->setAutoFillBackground(true);
  QPalette red = marker_->palette();
  red.setColor(QPalette::Window, QColor(255, 0, 0));
  marker_->setPalette(red);
  marker_->hide();
}

void TruthTableForm::buildTable(QWidget* parent, QBoxLayout* into) {
  // Headers, assignment column and result column in one area as wide as the
  // marker, so the marker spans both columns.
  auto* area = new QWidget(parent);
  area->setProperty(kBackgroundProperty, true);
  area->setFixedWidth(px(kMarkerWidth));
  auto* v = new QVBoxLayout(area);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(2);

  buildColumns(area);
  QWidget* headers = buildHeaders(area);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(0);
  columns->addWidget(assignments_);
  columns->addWidget(results_);
  columns->addStretch();
  v->addWidget(headers);
  v->addLayout(columns, 1);
  into->addWidget(area);

  // Whatever scrolls one column (the wheel, the keys) scrolls the other too.
  QScrollBar* assignmentScroll = assignments_->verticalScrollBar();
  QScrollBar* resultScroll = results_->verticalScrollBar();
  connect(assignmentScroll, &QScrollBar::valueChanged, resultScroll, &QScrollBar::setValue);
  connect(resultScroll, &QScrollBar::valueChanged, assignmentScroll, &QScrollBar::setValue);

  into->addLayout(buildScrollButtons(parent, headers->height() + 2));
}

// The assignment column (Text5) and the result column (Text2), each
// kVisibleLines high.
void TruthTableForm::buildColumns(QWidget* area) {
  assignments_ = makeColumn(area, "Text5");
  results_ = makeColumn(area, "Text2");
  // Right-click on either column: the table as shown, as a picture or as CSV.
  for (QPlainTextEdit* column : {assignments_.data(), results_.data()}) {
    addExportMenu(
        column,
        [this] {
          DisplayList d;
          drawTable(d, rpn_.toStdString(), variables(), mode_, dontCares_);
          return d;
        },
        [this] {
          return QByteArray::fromStdString(
              tableCsv(rpn_.toStdString(), variables(), mode_, dontCares_));
        });
  }
  const QFontMetricsF fm(assignments_->font());
  const int lines = int(std::ceil(fm.lineSpacing() * kVisibleLines));
  const int frame =
      2 * (assignments_->frameWidth() + int(assignments_->document()->documentMargin()));
  assignments_->setMinimumHeight(lines + frame);
  results_->setMinimumHeight(lines + frame);
  results_->setFixedWidth(columnWidth(results_, 1));
}

// The variable names over the assignment column (Text1(k)).
QWidget* TruthTableForm::buildHeaders(QWidget* area) {
  // Each header stands over its digit: bit k of a line begins 4k characters in.
  const QFontMetricsF fm(assignments_->font());
  auto* headers = new QWidget(area);
  headers->setProperty(kBackgroundProperty, true);
  headers->setFixedHeight(int(std::ceil(fm.height())) + 6);
  const double textLeft = assignments_->frameWidth() + assignments_->document()->documentMargin();
  const double cw = fm.horizontalAdvance(QLatin1Char('0'));
  QFont headerFont = assignments_->font();
  headerFont.setBold(true);
  for (int k = 0; k < kMaxVariables; ++k) {
    auto* h = new QLabel(QString(QChar(plainLetter(k))), headers);
    h->setObjectName(indexed("Text1", k));
    h->setFont(headerFont);
    h->setAlignment(Qt::AlignCenter);
    const int width = int(std::ceil(3 * cw));
    const double center =
        textLeft + fm.horizontalAdvance(QString(4 * k, QLatin1Char(' '))) + cw / 2;
    h->setGeometry(int(std::lround(center - width / 2.0)), 0, width, headers->height());
  }
  return headers;
}

// The buttons beside the table that scroll it by a page or a line; the first
// stands `top` pixels down, level with the first row.
QLayout* TruthTableForm::buildScrollButtons(QWidget* parent, int top) {
  auto* scroll = new QVBoxLayout;
  scroll->addSpacing(top);
  const struct {
    const char* base;
    int index;
    const char* caption;
    int lines;
  } kScrolls[] = {{"Command5", 0, "↑↑", -7},
                  {"Command4", 0, "↑", -1},
                  {"Command4", 1, "↓", 1},
                  {"Command5", 1, "↓↓", 7}};
  for (const auto& s : kScrolls) {
    if (s.lines == 1) scroll->addStretch();
    QPushButton* b = makeButton(parent, indexed(s.base, s.index), QString::fromUtf8(s.caption));
    b->setFixedWidth(40);
    const int lines = s.lines;
    connect(b, &QPushButton::clicked, this, [this, lines] { scrollBoth(lines); });
    scroll->addWidget(b);
  }
  return scroll;
}

void TruthTableForm::buildControls(QWidget* parent, QBoxLayout* into) {
  auto* panel = new QVBoxLayout;
  into->addLayout(panel);

  auto* top = new QHBoxLayout;
  top->addStretch();
  QPushButton* display = makeFButton(parent, "Command1");
  connect(display, &QPushButton::clicked, this, &TruthTableForm::openDisplay);
  top->addWidget(display);
  panel->addLayout(top);

  auto* frame = new QGroupBox(tr("表示させるのは？"), parent);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* options = new QVBoxLayout(frame);
  const char* const kOptions[] = {QT_TR_NOOP("0だけ"), QT_TR_NOOP("1だけ"), QT_TR_NOOP("全部")};
  for (int m = 0; m < 3; ++m) {
    auto* o = new QRadioButton(tr(kOptions[m]), frame);
    o->setObjectName(indexed("Option1", m));
    connect(o, &QRadioButton::clicked, this, [this, m] { filter(m); });
    options->addWidget(o);
  }
  panel->addWidget(frame);

  QPushButton* draw = makeButton(parent, indexed("Command7", 0), tr("線を引く"));
  connect(draw, &QPushButton::clicked, this, [this] { markerArmed_ = true; });
  QPushButton* erase = makeButton(parent, indexed("Command7", 1), tr("線を消す"));
  connect(erase, &QPushButton::clicked, this, [this] {
    markerArmed_ = false;
    marker_->hide();
  });
  panel->addWidget(draw);
  panel->addWidget(erase);
  panel->addSpacing(12);

  auto* views = new QGridLayout;
  const struct {
    const char* label;
    const char* caption;
    const char* button;
    void (TruthTableForm::*open)();
  } kViews[] = {{"Label1", QT_TR_NOOP("式変換→"), "Command6", &TruthTableForm::openConversion},
                {"Label5", QT_TR_NOOP("カルノー図→"), "Command2", &TruthTableForm::openMap},
                {"Label6", QT_TR_NOOP("回路図→"), "Command3", &TruthTableForm::openCircuit}};
  for (int i = 0; i < 3; ++i) {
    auto* l = new QLabel(tr(kViews[i].caption), parent);
    l->setObjectName(QLatin1String(kViews[i].label));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPushButton* b = makeFButton(parent, kViews[i].button);
    connect(b, &QPushButton::clicked, this, kViews[i].open);
    views->addWidget(l, i, 0);
    views->addWidget(b, i, 1);
  }
  panel->addLayout(views);
  panel->addStretch();
}

void TruthTableForm::load() {
  createTable();
}

void TruthTableForm::createTable() {
  ++generation_;
  const int n = variables();
  markerArmed_ = false;
  marker_->hide();
  for (int m = 0; m < 3; ++m) control<QRadioButton>(indexed("Option1", m))->setEnabled(true);
  control<QRadioButton>(indexed("Option1", kAll))->setChecked(true);
  mode_ = kAll;
  for (int k = 0; k < kMaxVariables; ++k) control<QLabel>(indexed("Text1", k))->setVisible(k < n);
  fitColumnsTo(n);

  TruthTable t;
  {
    TableProgress progress({mainProgressBar(), progress_});
    t = ronri::createTable(folded_.toStdString(), n, progress.callback());
    progress_->setValue(0);
  }
  rpn_ = QString::fromStdString(t.rpn);
  showFunctionInTitle(widget(), caption(), withDontCares(expression_, dontCares_));
  shownBits_ = QString::fromStdString(t.allBits);
  onesTerms_ = QString::fromStdString(t.oneTerms);
  // A don't-care row is neither a 1-row nor a 0-row.
  zerosTerms_ = QString::fromStdString(withoutRows(t.zeroTerms, dontCares_, n));
  for (int r : dontCares_)
    if (r >= 0 && size_t(r) < t.results.size()) t.results[size_t(r)] = 'X';
  showColumns(t.column, t.results);
  // The conversion window works on the table made last.
  app().Form9->setTable(onesTerms_, n, dontCares_);
}

void TruthTableForm::fitColumnsTo(int n) {
  // A line is the n bits with three spaces between them and one after.
  assignments_->setFixedWidth(columnWidth(assignments_, 4 * n - 2));
}

void TruthTableForm::showColumns(const std::string& column, const std::string& results) {
  // Lines end with CR LF; the last one must not leave an empty line behind, or
  // the assignment column would scroll one line further than the results.
  QString lines = QString::fromStdString(column);
  lines.remove(QLatin1Char('\r'));
  if (lines.endsWith(QLatin1Char('\n'))) lines.chop(1);
  // The results are one digit per row; shown one per line beside the rows.
  QString digits;
  digits.reserve(int(results.size()) * 2);
  for (char c : results) {
    if (!digits.isEmpty()) digits += QLatin1Char('\n');
    digits += QLatin1Char(c);
  }
  assignments_->setPlainText(lines);
  results_->setPlainText(digits);
}

void TruthTableForm::filter(int mode) {
  mode_ = mode;
  assignments_->clear();
  results_->clear();
  const int n = variables();
  const std::string rpn = rpn_.toStdString();
  std::string column, results, total;
  {
    TableProgress progress({mainProgressBar(), progress_});
    column = makeRows(rpn, mode, n, total, progress.callback());
    results = answer(rpn, mode, n, total, progress.callback());
    progress_->setValue(0);
  }
  if (!dontCares_.empty()) {
    ShownColumns shown = shownColumns(rpn, n, mode, dontCares_);
    column = std::move(shown.column);
    results = std::move(shown.results);
  }
  shownBits_ = QString::fromStdString(total);
  showColumns(column, results);
}

void TruthTableForm::scrollBoth(int lines) {
  // Both columns have as many lines and the same line height, so they share
  // one scroll range.
  QScrollBar* assignmentScroll = assignments_->verticalScrollBar();
  const int v = std::clamp(assignmentScroll->value() + lines, assignmentScroll->minimum(),
                           assignmentScroll->maximum());
  assignmentScroll->setValue(v);
  results_->verticalScrollBar()->setValue(v);
}

bool TruthTableForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::MouseButtonPress && markerArmed_) {
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    QWidget* hit = central_->childAt(pos);
    if (!hit || hit->property(kBackgroundProperty).toBool()) placeMarker(pos.y());
  }
  return Window::eventFilter(watched, event);
}

void TruthTableForm::placeMarker(int y) {
  marker_->setGeometry(px(kMarkerLeft), y, px(kMarkerWidth), px(kMarkerHeight));
  marker_->show();
  marker_->raise();
}

QProgressBar* TruthTableForm::mainProgressBar() const {
  return app().Form1->progressBar();
}

bool TruthTableForm::showsThisTable(const Window& w) const {
  const auto it = handed_.find(&w);
  return w.isOpen() && it != handed_.end() && it->second.widget == w.widget() &&
         it->second.generation == generation_;
}

void TruthTableForm::handed(const Window& w) {
  handed_[&w] = {w.widget(), generation_};
}

// A view still open from an earlier table would show another function: its
// showFor() loads it afresh.
void TruthTableForm::openDisplay() {
  DisplayForm& d = *app().Form10;
  if (showsThisTable(d)) return d.show();
  d.showFor(function(), QString::fromStdString(wordchange(layout(onesTerms_.toStdString()))),
            QString::fromStdString(wordchange(layoutPlus(zerosTerms_.toStdString()))));
  handed(d);
}

void TruthTableForm::openMap() {
  KmapForm* map = nullptr;
  switch (variables()) {
    case 1:
    case 2:
      showMessage(widget(), tr("カルノー図は意味ないでしょ？"));
      return;
    case 3:
    case 4:
    case 5:
    case 6:
      map = app().kmapForm(variables());
      break;
    default:
      showMessage(widget(), tr("大きすぎて対応していません"));
      return;
  }
  // The user's groups on this table's own map stay.
  if (showsThisTable(*map)) return map->show();
  map->showFor(function(), onesTerms_, zerosTerms_);
  handed(*map);
}

void TruthTableForm::openCircuit() {
  CircuitForm& c = *app().Form6;
  if (showsThisTable(c)) return c.show();
  c.showFor(function(), rpn_, onesTerms_);
  handed(c);
}

void TruthTableForm::openConversion() {
  ConvertForm& c = *app().Form9;
  if (showsThisTable(c)) return c.show();
  c.showFor(function(), onesTerms_);
  handed(c);
}

void TruthTableForm::unloading() {
  // The main window asks for a variable count again before the next expression.
  app().Form1->reload();
  if (QProgressBar* bar = mainProgressBar()) bar->setValue(0);
  progress_->setValue(0);
}

}  // namespace ronri
