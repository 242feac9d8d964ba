#include "ui/windows/designed/circuit_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolTip>

#include "circuit/caption_lines.h"
#include "circuit/gates.h"
#include "core/expression/expression.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/canvas.h"
#include "ui/framework/controls.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/drawing_zoom.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/print_header.h"
#include "ui/framework/twips.h"
#include "ui/windows/added/timing_form.h"
#include "ui/windows/helpers/circuit_file_export.h"
#include "ui/windows/helpers/cover_proof.h"
#include "ui/windows/helpers/dont_care.h"

namespace ronri {

// Draws on the window's canvas, first growing it to hold what is drawn, so a
// drawing wider than the window is still there when the window grows. What
// lies wholly beyond the largest canvas is never seen and not drawn at all
// (a drawing of the longest expression reaches hundreds of thousands of pixels).
class CanvasSurface : public Surface {
 public:
  explicit CanvasSurface(Canvas& c) : c_(c) {}
  void line(int x1, int y1, int x2, int y2, int color) override {
    if (beyond(std::min(x1, x2), std::min(y1, y2))) return;
    fit(std::max(x1, x2), std::max(y1, y2));
    c_.line(x1, y1, x2, y2, color);
  }
  void rectangle(int x1, int y1, int x2, int y2, int color) override {
    if (beyond(std::min(x1, x2), std::min(y1, y2))) return;
    fit(std::max(x1, x2), std::max(y1, y2));
    c_.rectangle(x1, y1, x2, y2, color);
  }
  void circle(int x, int y, int r, int color) override {
    if (beyond(x - r, y - r)) return;
    fit(x + r, y + r);
    c_.circle(x, y, r, color);
  }
  void picture(std::string_view name, int x, int y) override {
    if (beyond(x, y)) return;
    fit(x + int(kGateWidth), y + int(kGateHeight));
    c_.picture(name, x, y);
  }
  void text(int x, int y, std::string_view utf8, int color, double pointSize,
            TextFace face) override {
    if (beyond(x, y)) return;
    fit(x + 3000, y + 400);
    c_.text(x, y, utf8, color, pointSize, face);
  }
  void erase(int x1, int y1, int x2, int y2) override { c_.erase(x1, y1, x2, y2); }

 private:
  // A generous bound keeps a runaway drawing from taking all memory.
  static constexpr int kMaxPixels = 8000;
  static bool beyond(int x, int y) { return px(x) > kMaxPixels || px(y) > kMaxPixels; }
  void fit(int x, int y) {
    const int w = std::clamp(px(x) + 20, c_.width(), kMaxPixels);
    const int h = std::clamp(px(y) + 20, c_.height(), kMaxPixels);
    if (w != c_.width() || h != c_.height()) c_.resize(w, h);
  }
  Canvas& c_;
};

namespace {

const char* const kSpacing[] = {QT_TRANSLATE_NOOP("ronri::CircuitForm", "めっちゃ縮める"),
                                QT_TRANSLATE_NOOP("ronri::CircuitForm", "若干縮める"),
                                QT_TRANSLATE_NOOP("ronri::CircuitForm", "通常"),
                                QT_TRANSLATE_NOOP("ronri::CircuitForm", "広げる"),
                                QT_TRANSLATE_NOOP("ronri::CircuitForm", "めっちゃ広げる")};
constexpr double kRowGap[] = {200, 300, 400, 500, 600};
constexpr double kPitch[] = {24, 25, 26, 27, 28};
constexpr int kNormalSpacing = 2;
// A bus label's top, its variable's plain bus and its negated bus lie this
// far apart; the buses start at kBusLeft (twips).
constexpr int kBusSpacing = 120;
constexpr int kBusLeft = 360;
// The drawing area and the window as they open (twips); both grow with the drawing.
constexpr int kCanvasWidth = 14400, kCanvasHeight = 9600;
constexpr int kWindowWidth = 14000, kWindowHeight = 8400;
// Every control lies above this line (twips); the drawing below it.
constexpr int kControlBand = 960;
// The widest line of the caption's tooltip (twips).
constexpr int kTooltipWidth = 9000;
// One press of a pan arrow moves the drawing this far (twips).
constexpr int kPanStep = 500;

// Where the controls above the drawing stand, in twips (the two radio
// buttons relative to their frame).
struct TwipsRect {
  int left, top, width, height;
};
QRect inPixels(const TwipsRect& r) {
  return pxRect(r.left, r.top, r.width, r.height);
}
struct ControlPlaces {
  TwipsRect step, create, inputsFrame, twoInputs, upToFourInputs;
  TwipsRect compress, essentialOnly, testInput, testWith, test;
  TwipsRect resizeLabel, xMark, xArrow, pitchList, yMark, yArrow, rowGapList, midExpressions;
  TwipsRect caption;
};
constexpr ControlPlaces kPlaces{
    .step = {480, 120, 735, 375},
    .create = {1320, 120, 735, 375},
    .inputsFrame = {2160, -30, 1455, 615},
    .twoInputs = {120, 240, 495, 300},
    .upToFourInputs = {2880 - 2160, 240, 615, 300},
    .compress = {3720, 120, 855, 375},
    .essentialOnly = {4680, 120, 1455, 375},
    .testInput = {6240, 120, 1215, 375},
    .testWith = {7560, 240, 255, 255},
    .test = {7800, 120, 555, 375},
    .resizeLabel = {8400, 120, 600, 495},
    .xMark = {9000, 120, 360, 375},
    .xArrow = {9000, 480, 360, 375},
    .pitchList = {9360, 240, 1215, 330},
    .yMark = {10560, 120, 360, 375},
    .yArrow = {10800, 240, 360, 375},
    .rowGapList = {11160, 240, 1215, 330},
    .midExpressions = {10680, 600, 1695, 300},
    .caption = {4800, 720, 5295, 375},
};

// The pan buttons, by direction: up, right, down, left.
struct PanButton {
  const char* caption;
  TwipsRect at;
};
constexpr PanButton kPanButtons[] = {{"↑", {12720, 0, 360, 360}},
                                     {"→", {13080, 240, 360, 360}},
                                     {"↓", {12720, 360, 360, 360}},
                                     {"←", {12360, 240, 360, 360}}};

// Bus labels and lines of variable k (0 = a): Label1..5 for a..e and
// Label12..16 for f..j; Line20/19 for a, Line18/17 for b ... Line12/11 for e,
// then Line1/2 for f ... Line9/10 for j (plain bus first).
QString busLabel(int k) {
  return QStringLiteral("Label%1").arg(k < 5 ? k + 1 : k + 7);
}
QString busLine(int k, bool negated) {
  const int n = k < 5 ? 20 - 2 * k - (negated ? 1 : 0) : 2 * (k - 5) + 1 + (negated ? 1 : 0);
  return QStringLiteral("Line%1").arg(n);
}

QComboBox* makeSpacingList(QWidget* parent, const QString& name, QRect r) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setGeometry(r);
  for (const char* item : kSpacing)
    c->addItem(QCoreApplication::translate("ronri::CircuitForm", item));
  c->setCurrentIndex(kNormalSpacing);
  return c;
}

// The names of a variable's two buses, each level with its own line: the
// plain name beside the plain bus, the negated one beside the bus 120 twips
// below it. The text stays the label's (" a ~a"); only its drawing is placed.
class BusLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF fm(font());
    const QStringList names = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < names.size() && i < 2; ++i) {
      // The plain bus lies one spacing below the label's top, the negated one two.
      const double lineY = pxF(kBusSpacing * (1 + i));
      const double baseline = lineY + fm.xHeight() / 2;
      p.drawText(QPointF(width() - fm.horizontalAdvance(names[i]) - 2, baseline), names[i]);
    }
  }
};

// Bus name i (0 plain, 1 negated) of a bus label as the export draws it:
// the same place as on the screen.
void appendBusNames(DisplayList& out, const QLabel& l) {
  const QFontMetricsF fm(l.font());
  const QStringList names = l.text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int i = 0; i < names.size() && i < 2; ++i) {
    const double x = l.x() + l.width() - fm.horizontalAdvance(names[i]) - 2;
    const double top = l.y() + pxF(kBusSpacing * (1 + i)) + fm.xHeight() / 2 -
                       PainterSurface::textAscent(TextFace::Expression, l.font().pointSizeF());
    out.text(twips(int(x)), twips(int(top)), names[i].toStdString(), kBlack, l.font().pointSizeF(),
             TextFace::Expression);
  }
}

// The caption in lines of the font no wider than room.
std::vector<std::string> captionLinesIn(const QString& text, const QFont& font, int room,
                                        size_t mostLines) {
  const QFontMetrics fm(font);
  return captionLines(
      text.toStdString(), room,
      [&fm](std::string_view s) {
        return double(fm.horizontalAdvance(QString::fromUtf8(s.data(), qsizetype(s.size()))));
      },
      mostLines);
}

// The whole caption as its tooltip, in lines a screen can hold.
QString wholeCaption(const QString& text) {
  QStringList lines;
  for (const std::string& l : captionLinesIn(text, QToolTip::font(), px(kTooltipWidth), SIZE_MAX))
    lines << QString::fromStdString(l);
  return lines.join(QLatin1Char('\n'));
}

// The caption under the title as it will stand: one line where it fits
// before the spacing marks ("→" at x 9000, which its designed width would
// reach), else in lines broken after "+" there (in a smaller size when it
// would take more than two), at most four with its middle left out.
struct CaptionPlace {
  QString shown;
  QFont font;
  QRect rect;                    // pixels
  double right = 0, bottom = 0;  // where its text ends, twips
};
CaptionPlace placeCaption(const QString& text) {
  CaptionPlace c;
  const TwipsRect& place = kPlaces.caption;
  const QRect designed = inPixels(place);
  const int room = px(kPlaces.xArrow.left - place.left) - 4;
  for (double point : {12.0, 9.0}) {
    c.font = expressionFont(point, true);
    const QFontMetrics fm(c.font);
    const std::vector<std::string> lines = captionLinesIn(text, c.font, room, 4);
    QStringList shown;
    int w = 0;
    for (const std::string& l : lines) {
      shown << QString::fromStdString(l);
      w = std::max(w, fm.horizontalAdvance(shown.back()));
    }
    c.shown = shown.join(QLatin1Char('\n'));
    const int h = fm.height() + fm.lineSpacing() * (int(lines.size()) - 1);
    c.rect = QRect(designed.left(), designed.top(), std::max(room, w + 4),
                   std::max(designed.height(), h));
    c.right = place.left + twips(w);
    c.bottom = place.top + twips(h);
    if (lines.size() <= 2) break;
  }
  return c;
}

const char* const kBestFound = QT_TRANSLATE_NOOP(
    "ronri::CircuitForm", "制限時間内に見つかった最良の組合せです（最小とは限りません）");

}  // namespace

CircuitForm::CircuitForm(App& app) : Window(app, QStringLiteral("Form6"), tr("回路図")) {}

CircuitForm::~CircuitForm() {
  delete surface_;
}

int CircuitForm::variables() const {
  return variables_;
}

void CircuitForm::showFor(const Function& f, const QString& rpn, const QString& onesTerms) {
  variables_ = f.variables;
  panX_ = 0;
  panY_ = 0;
  busesAtLoad_ = true;
  showsMinimal_ = false;
  rpn_ = rpn;
  captionText_ = QStringLiteral("f=") + QString::fromStdString(f.expression);
  onesTerms_ = onesTerms;
  dontCares_ = f.dontCares;
  twoInputGates_ = false;
  if (isOpen()) unload();
  show();
}

void CircuitForm::build(QMainWindow* w) {
  buildDrawingArea(w);
  buildDrawingButtons();
  buildCompressControls();
  buildTestControls();
  buildSpacingControls();
  buildPanButtons();
  captionLabel_ =
      makeLabel(canvas_, "Label6", QString(), inPixels(kPlaces.caption), expressionFont(12, true));
  buildBuses();
  // Right of the intermediate expressions, under the pan arrows.
  auto* timing =
      makeButton(canvas_, "CommandTiming", tr("タイミング"), pxRect(12360, 735, 1080, 360));
  connect(timing, &QPushButton::clicked, this, &CircuitForm::showTiming);
  for (QWidget* hidden : std::initializer_list<QWidget*>{
           compress_, essentialOnlyCheck_, testInputField_, testWithLabel_, test_, captionLabel_})
    hidden->hide();
}

// The canvas lies in a plain frame that clips it: it grows with the drawing
// while the window keeps the size the user gives it.
void CircuitForm::buildDrawingArea(QMainWindow* w) {
  auto* area = new QWidget(w);
  area->setObjectName(QStringLiteral("DrawingArea"));
  area->installEventFilter(this);
  w->setCentralWidget(area);
  auto* canvas = new Canvas(area);
  canvas_ = canvas;
  canvas->setGeometry(0, 0, px(kCanvasWidth), px(kCanvasHeight));
  // A white sheet, as in the textbook-notation window: the gate pictures are
  // drawn on white and sit on it seamlessly.
  QPalette paper = canvas->palette();
  paper.setColor(QPalette::Button, Qt::white);
  paper.setColor(QPalette::Window, Qt::white);
  canvas->setPalette(paper);
  area->setAutoFillBackground(true);
  area->setPalette(paper);
  delete surface_;
  surface_ = new CanvasSurface(*canvas);
  // Right-click exports the circuit with its buses, bus names and caption; the
  // captions of the controls above it are not part of the picture.
  addExportMenu(canvas, [canvas] {
    DisplayList out = exportableDrawing(*canvas, QRect(), [](const QLabel& l) {
      return l.objectName() == QStringLiteral("Label6");
    });
    for (int k = 0; k < kMaxVariables; ++k) {
      const auto* l = canvas->findChild<QLabel*>(busLabel(k));
      if (l && l->isVisibleTo(canvas)) appendBusNames(out, *l);
    }
    return out;
  });
  // And the circuit itself, for a simulator or a synthesis tool.
  addCircuitFileExport(canvas, [this]() -> std::optional<Netlist> {
    if (!engine_.finished() || constantShown_) return std::nullopt;
    return drawnNetlist(engine_);
  });
  // Beside the canvas (a window made larger than it) the same menu.
  area->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(area, &QWidget::customContextMenuRequested, canvas, [area, canvas](const QPoint& pos) {
    emit canvas->customContextMenuRequested(canvas->mapFrom(area, pos));
  });
  // Zoomed, the drawing shows below the controls, which stay in use.
  addDrawingZoom(canvas, area, px(kControlBand));
  w->resize(px(kWindowWidth), px(kWindowHeight));
}

// "step", "create" and the gate inputs "2" / "2-4".
void CircuitForm::buildDrawingButtons() {
  step_ = makeButton(canvas_, "Command1", "step", inPixels(kPlaces.step));
  create_ = makeButton(canvas_, "Command2", "create", inPixels(kPlaces.create));
  connect(step_, &QPushButton::clicked, this, &CircuitForm::step);
  connect(create_, &QPushButton::clicked, this, &CircuitForm::create);

  auto* frame = new QGroupBox(tr("入力数"), canvas_);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(inPixels(kPlaces.inputsFrame));
  twoInputsOption_ = new QRadioButton(QStringLiteral("2"), frame);
  twoInputsOption_->setObjectName(QStringLiteral("Option1"));
  twoInputsOption_->setGeometry(inPixels(kPlaces.twoInputs));
  upToFourInputsOption_ = new QRadioButton(QStringLiteral("2-4"), frame);
  upToFourInputsOption_->setObjectName(QStringLiteral("Option2"));
  upToFourInputsOption_->setGeometry(inPixels(kPlaces.upToFourInputs));
  connect(twoInputsOption_, &QRadioButton::clicked, this, [this] { selectInputs(true); });
  connect(upToFourInputsOption_, &QRadioButton::clicked, this, [this] { selectInputs(false); });
}

// "圧縮" and its choice of the essential prime implicants only.
void CircuitForm::buildCompressControls() {
  compress_ = makeButton(canvas_, "Command4", tr("圧縮"), inPixels(kPlaces.compress));
  connect(compress_, &QPushButton::clicked, this, &CircuitForm::compressOrRestore);
  essentialOnlyCheck_ = new QCheckBox(tr("必要最小主項"), canvas_);
  essentialOnlyCheck_->setObjectName(QStringLiteral("Check2"));
  essentialOnlyCheck_->setGeometry(inPixels(kPlaces.essentialOnly));
  connect(essentialOnlyCheck_, &QCheckBox::toggled, this, [this](bool on) {
    if (on)
      showMessage(widget(), tr("この作業には異常に時間がかかる可能性があります。"
                               "もしアレならチェックを外して下さい。"));
  });
}

// The input values "[...] で 試す".
void CircuitForm::buildTestControls() {
  testInputField_ = new QLineEdit(canvas_);
  testInputField_->setObjectName(QStringLiteral("Text1"));
  testInputField_->setGeometry(inPixels(kPlaces.testInput));
  testInputField_->installEventFilter(this);
  testWithLabel_ =
      makeLabel(canvas_, "Label17", tr("で"), inPixels(kPlaces.testWith), gothicFont(9));
  test_ = makeButton(canvas_, "Command5", tr("試す"), inPixels(kPlaces.test));
  connect(test_, &QPushButton::clicked, this, &CircuitForm::runTest);
}

// "サイズ変更": the column pitch (X →), the row gap (Y ↓) and the
// intermediate expressions.
void CircuitForm::buildSpacingControls() {
  const QFont mark = gothicFont(12, true);
  auto* resize =
      makeLabel(canvas_, "Label7", tr("サイズ変更"), inPixels(kPlaces.resizeLabel), gothicFont(9));
  resize->setWordWrap(true);
  makeLabel(canvas_, "Label8", "X", inPixels(kPlaces.xMark), mark);
  makeLabel(canvas_, "Label10", "→", inPixels(kPlaces.xArrow), mark);
  pitchList_ = makeSpacingList(canvas_, "Combo2", inPixels(kPlaces.pitchList));
  makeLabel(canvas_, "Label9", "Y", inPixels(kPlaces.yMark), mark);
  makeLabel(canvas_, "Label11", "↓", inPixels(kPlaces.yArrow), mark);
  rowGapList_ = makeSpacingList(canvas_, "Combo1", inPixels(kPlaces.rowGapList));
  connect(rowGapList_, &QComboBox::activated, this, [this](int i) {
    if (i < 0 || i > 4) return;
    rowGap_ = kRowGap[i];
    engine_.startsNew = 1;
  });
  connect(pitchList_, &QComboBox::activated, this, [this](int i) {
    if (i < 0 || i > 4) return;
    columnPitch_ = kPitch[i];
    engine_.startsNew = 1;
  });

  midExpressionsCheck_ = new QCheckBox(tr("途中の式も表示"), canvas_);
  midExpressionsCheck_->setObjectName(QStringLiteral("Check1"));
  midExpressionsCheck_->setGeometry(inPixels(kPlaces.midExpressions));
}

void CircuitForm::buildPanButtons() {
  for (int i = 0; i < int(std::size(kPanButtons)); ++i) {
    const PanButton& p = kPanButtons[i];
    auto* b = makeButton(canvas_, indexed("Command3", i), p.caption, inPixels(p.at));
    connect(b, &QPushButton::clicked, this, [this, i] { pan(i); });
  }
}

// The names of the two buses of each variable and the buses themselves.
void CircuitForm::buildBuses() {
  const char* names[] = {" a ~a", " b ~b", " c ~c", " d ~d", " e ~e",
                         " f ~f", " g ~g", " h ~h", " i ~i", " J ~J"};
  for (int k = 0; k < kMaxVariables; ++k) {
    InputColumn plain;
    inputColumn(plainLetter(k), plain);
    auto* l = new BusLabel(QString::fromUtf8(names[k]), canvas_);
    l->setObjectName(busLabel(k));
    l->setGeometry(pxRect(120, int(plain.busY) - kBusSpacing, 255, 375));
    l->setFont(expressionFont(7.5));
    for (bool negated : {false, true}) {
      InputColumn c;
      inputColumn(char((negated ? 'n' : 'a') + k), c);
      auto* line = new QFrame(canvas_);
      line->setObjectName(busLine(k, negated));
      line->setGeometry(px(kBusLeft), px(int(c.busY)), px(int(c.dropX)) - px(kBusLeft) + 1, 1);
      line->setAutoFillBackground(true);
      QPalette pal = line->palette();
      pal.setColor(QPalette::Window, Qt::black);
      line->setPalette(pal);
    }
  }
}

void CircuitForm::load() {
  // The title names what is drawn: the function, or its minimal form after 圧縮.
  QString function = captionText_;
  if (function.startsWith(QStringLiteral("f="))) function.remove(0, 2);
  showFunctionInTitle(widget(), caption(), withDontCares(function, dontCares_));
  engine_.startsNew = 1;
  constantShown_ = false;
  captionLabel_->setText(QString());
  captionLabel_->setToolTip(QString());
  twoInputsOption_->setChecked(twoInputGates_);
  upToFourInputsOption_->setChecked(!twoInputGates_);
  midExpressionsCheck_->setEnabled(twoInputsOption_->isChecked());
  const int n = variables();
  if (panX_ != 0 || panY_ != 0) {
    showBuses(0);  // the buses do not move with the drawing
  } else if (busesAtLoad_) {
    showBuses(n);
    busesAtLoad_ = false;
  }
  rowGap_ = 400;
  columnPitch_ = 26;
  testInputField_->setMaxLength(n);
  if (normalGeometry_.isValid()) widget()->setGeometry(normalGeometry_);
  if (maximized_) widget()->setWindowState(widget()->windowState() | Qt::WindowMaximized);
}

void CircuitForm::unloading() {
  engine_.startsNew = 1;
  if (QMainWindow* w = widget()) normalGeometry_ = w->normalGeometry();
}

void CircuitForm::showBuses(int count) {
  for (int k = 0; k < kMaxVariables; ++k) {
    const bool on = k < count;
    if (auto* l = control<QLabel>(busLabel(k))) l->setVisible(on);
    for (bool negated : {false, true})
      if (auto* f = control<QFrame>(busLine(k, negated))) f->setVisible(on);
  }
}

void CircuitForm::selectInputs(bool twoInputs) {
  twoInputGates_ = twoInputs;
  twoInputsOption_->setChecked(twoInputs);
  upToFourInputsOption_->setChecked(!twoInputs);
  midExpressionsCheck_->setEnabled(twoInputs);
}

void CircuitForm::step() {
  if (!isOpen() || constantShown_) return;
  if (engine_.atStart()) {
    engine_.rpn = rpn_.toStdString();
    engine_.variableGap = rowGap_;
    engine_.columnPitch = columnPitch_;
    engine_.panX = panX_;
    engine_.panY = panY_;
    engine_.twoInputGates = twoInputGates_;
    engine_.upToFourInputs = !twoInputGates_;
    engine_.showMidExprs = midExpressionsCheck_->isChecked();
    engine_.lastVariable = variables() - 1;
    // The caption is laid out now, so the drawing keeps clear of it.
    const CaptionPlace c = placeCaption(captionText_);
    captionLabel_->setFont(c.font);
    captionLabel_->setWordWrap(false);
    captionLabel_->setToolTip(c.shown != captionText_ ? wholeCaption(captionText_) : QString());
    captionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    captionLabel_->setGeometry(c.rect);
    shownCaption_ = c.shown;
    engine_.captionRight = c.right;
    engine_.captionBottom = c.bottom;
    for (QWidget* c : std::initializer_list<QWidget*>{rowGapList_, pitchList_, twoInputsOption_,
                                                      upToFourInputsOption_, midExpressionsCheck_})
      c->setEnabled(false);
  }
  if (engine_.step(*surface_) == CircuitEngine::Step::Finished) finishedDrawing();
}

void CircuitForm::finishedDrawing() {
  captionLabel_->setText(shownCaption_);
  captionLabel_->show();
  fitWindowToDrawing();
  compress_->show();
  essentialOnlyCheck_->setVisible(!showsMinimal_);
  const bool twoInputs = twoInputsOption_->isChecked();
  testInputField_->setVisible(twoInputs);
  testWithLabel_->setVisible(twoInputs);
  test_->setVisible(twoInputs);
  step_->setEnabled(false);
  create_->setEnabled(false);
}

void CircuitForm::fitWindowToDrawing() {
  // Grow (never shrink) so the whole drawing shows, within the screen's
  // available area; beyond that the arrows move it.
  QMainWindow* w = widget();
  if (!w || w->isMaximized() || !canvas_) return;
  QRectF bounds = drawingBounds(canvas_->displayList());
  bounds |= QRectF(captionLabel_->geometry());
  const QSize area = canvas_->parentWidget()->size();
  const QSize want(std::max(area.width(), int(bounds.right()) + 16),
                   std::max(area.height(), int(bounds.bottom()) + 16));
  if (want == area) return;
  const QScreen* screen = w->screen();
  if (!screen) return;
  const QRect avail = screen->availableGeometry();
  const QSize frame = w->frameGeometry().size() - w->size();
  const QSize extra = w->size() - area;  // anything around the drawing area
  const QSize most = avail.size() - frame - extra;
  const QSize grown = want.boundedTo(most).expandedTo(area) + extra;
  if (grown == w->size()) return;
  w->resize(grown);
  // Keep it on the screen.
  QRect g = w->frameGeometry();
  if (g.right() > avail.right()) g.moveRight(avail.right());
  if (g.bottom() > avail.bottom()) g.moveBottom(avail.bottom());
  w->move(std::max(g.left(), avail.left()), std::max(g.top(), avail.top()));
}

void CircuitForm::create() {
  if (!isOpen() || constantShown_) return;
  const BusyCursor busy;
  const qsizetype steps = rpn_.size() + 1;
  for (qsizetype i = 0; i < steps && isOpen(); ++i) step();
  compress_->show();
  essentialOnlyCheck_->setVisible(!showsMinimal_);
}

void CircuitForm::reload() {
  if (QMainWindow* w = widget()) maximized_ = w->isMaximized();
  unload();
  show();
}

void CircuitForm::pan(int direction) {
  if (!isOpen()) return;
  switch (direction) {
    case 0:
      if (panY_ < 0) panY_ += kPanStep;
      break;
    case 1:
      panX_ -= kPanStep;
      break;
    case 2:
      panY_ -= kPanStep;
      break;
    case 3:
      if (panX_ < 0) panX_ += kPanStep;
      break;
  }
  if (panY_ == 0 && panX_ == 0) busesAtLoad_ = true;
  constantShown_ = false;
  reload();
  if (showsMinimal_) {
    compress_->setText(tr("戻す"));
    if (rpn_ == "0" || rpn_ == "1") {
      constantShown_ = true;
      captionLabel_->setText(rpn_);
      captionLabel_->show();
      compress_->show();
      step_->setEnabled(false);
      create_->setEnabled(false);
      return;
    }
  }
  create();
}

void CircuitForm::compressOrRestore() {
  if (!showsMinimal_)
    compress();
  else
    restore();
}

void CircuitForm::compress() {
  const Compressed c = compressExpression(onesTerms_.toStdString(), variables(),
                                          essentialOnlyCheck_->isChecked(), cache_, dontCares_);
  if (c.failed) {
    showMessage(widget(), tr("簡単化した式を作れませんでした"));
    return;
  }
  showsMinimal_ = true;
  const bool tick = midExpressionsCheck_->isChecked();
  rpnBeforeCompress_ = rpn_;
  rpn_ = QString::fromStdString(c.rpn);
  // The caption first: the reload titles the window with it.
  captionBeforeCompress_ = captionText_.toStdString();
  captionText_ = QString::fromStdString(c.caption);
  busesAtLoad_ = true;
  reload();
  midExpressionsCheck_->setChecked(tick);
  if (c.constant) {
    // Nothing to draw: the caption says it all, and step/create stay off.
    constantShown_ = true;
    captionLabel_->setText(rpn_);
    captionLabel_->show();
    step_->setEnabled(false);
    create_->setEnabled(false);
  } else {
    constantShown_ = false;
    create();
  }
  compress_->show();
  compress_->setText(tr("戻す"));
  essentialOnlyCheck_->hide();
  if (c.bestFound) showMessage(widget(), withBound(tr(kBestFound), c.lowerBound));
}

void CircuitForm::restore() {
  showsMinimal_ = false;
  const bool tick = midExpressionsCheck_->isChecked();
  rpn_ = rpnBeforeCompress_;
  captionText_ = QString::fromStdString(captionBeforeCompress_);
  busesAtLoad_ = true;
  constantShown_ = false;
  reload();
  midExpressionsCheck_->setChecked(tick);
  create();
  compress_->setText(tr("圧縮"));
  essentialOnlyCheck_->show();
}

void CircuitForm::runTest() {
  const QString t = testInputField_->text();
  const int n = variables();
  const bool digits = std::all_of(t.begin(), t.end(), [](QChar c) { return c == '0' || c == '1'; });
  if (t.size() != n || !digits) {
    showMessage(widget(), tr("おかしいです"));
    return;
  }
  engine_.testMode = 1;
  engine_.testValues = testDigits(rpn_.toStdString(), t.toStdString(), n);
  engine_.startsNew = 1;
  create();
}

void CircuitForm::showTiming() {
  if (!isOpen()) return;
  if (!engine_.finished() && !constantShown_) create();
  if (!isOpen()) return;
  if (constantShown_ || !engine_.finished()) {
    showMessage(widget(), tr("定数の回路には時間の変化がありません"));
    return;
  }
  QString drawn = captionText_;
  if (drawn.startsWith(QStringLiteral("f="))) drawn.remove(0, 2);
  app().timing->showFor({drawn.toStdString(), variables(), dontCares_}, drawnNetlist(engine_),
                        drawn, onesTerms_, twoInputGates_);
}

bool CircuitForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && canvas_ && watched == canvas_->parent()) {
    // A larger window shows more of the drawing area.
    const QSize area = static_cast<QWidget*>(watched)->size();
    canvas_->resize(canvas_->size().expandedTo(area));
  }
  if (watched == testInputField_ && event->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(event);
    const QString s = k->text();
    const bool allowed = s == "0" || s == "1" || s == "." || k->key() == Qt::Key_Backspace;
    if (!allowed) return true;  // discarded
  }
  return Window::eventFilter(watched, event);
}

}  // namespace ronri
