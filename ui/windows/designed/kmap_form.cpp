#include "ui/windows/designed/kmap_form.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/cover/cover_dontcare.h"
#include "core/cover/hazards.h"
#include "core/cover/product_of_sums.h"
#include "core/expression/expression.h"
#include "core/table/function.h"
#include "kmap/geometry.h"
#include "kmap/hazard_marks.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/canvas.h"
#include "ui/framework/controls.h"
#include "ui/framework/display_settings.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/drawing_zoom.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/framework/print_header.h"
#include "ui/framework/translation.h"
#include "ui/framework/twips.h"
#include "ui/windows/helpers/cover_proof.h"
#include "ui/windows/helpers/dont_care.h"

namespace ronri {

// Positions in twips of everything below the map; the map itself is the same
// in every window (kmap/geometry.h).
struct KmapLayout {
  struct At {
    int x, y;
  };
  int width, height;  // client area
  // Option1(0) with the letter buttons, Option1(1) with "BS" and "作成"; the
  // labels at x 840 show the letters chosen for A and B.
  struct {
    int aY, bY, lettersWidth;
    const char* lettersNames[2];
  } axes;
  struct {
    int x, step;
  } letterButtons;  // Command1(i)
  struct {
    int x, width;
  } backspace, make;  // Command2(0) "BS", Command2(1) "作成"
  struct {
    int x, y, width;
  } cellChoice;  // Frame1, 735 high
  At ones;       // Option2(1)
  // The grouping controls (none in the six-variable window).
  At listChoice{};  // Frame2
  struct {
    int oneX, allX, y;
  } steps{};  // Command3(0) "一つ", Command3(1) "全て"
  At title{};
  const char* titleName = nullptr;  // the "囲む" label
  At termBox{};                     // Text2
  struct {
    At from, to;
  } separator{};  // the line between the map controls and the grouping
};

namespace {

const KmapLayout kLayouts[] = {
    // Form3
    {.width = 5235,
     .height = 6150,
     .axes = {.aY = 2400, .bY = 3120, .lettersWidth = 2175, .lettersNames = {"Label10", "Label11"}},
     .letterButtons = {.x = 3240, .step = 600},
     .backspace = {.x = 3240, .width = 495},
     .make = {.x = 3840, .width = 1095},
     .cellChoice = {.x = 120, .y = 3720, .width = 1815},
     .ones = {.x = 1080, .y = 3960},
     .listChoice = {.x = 120, .y = 4680},
     .steps = {.oneX = 2760, .allX = 3600, .y = 4680},
     .title = {.x = 4440, .y = 4800},
     .titleName = "Label12",
     .termBox = {.x = 2760, .y = 5280},
     .separator = {.from = {.x = 120, .y = 4560}, .to = {.x = 5115, .y = 4560}}},
    // Form4
    {.width = 5235,
     .height = 7245,
     .axes = {.aY = 3600, .bY = 4320, .lettersWidth = 1575, .lettersNames = {"Label12", "Label13"}},
     .letterButtons = {.x = 2640, .step = 600},
     .backspace = {.x = 2640, .width = 1095},
     .make = {.x = 3840, .width = 1095},
     .cellChoice = {.x = 120, .y = 4920, .width = 1815},
     .ones = {.x = 1080, .y = 5160},
     .listChoice = {.x = 120, .y = 5880},
     .steps = {.oneX = 2640, .allX = 3480, .y = 5880},
     .title = {.x = 4320, .y = 6000},
     .titleName = "Label14",
     .termBox = {.x = 2760, .y = 6480},
     .separator = {.from = {.x = 120, .y = 5760}, .to = {.x = 5115, .y = 5760}}},
    // Form5
    {.width = 9360,
     .height = 6135,
     .axes = {.aY = 3600, .bY = 4320, .lettersWidth = 2295, .lettersNames = {"Label16", "Label17"}},
     .letterButtons = {.x = 3360, .step = 600},
     .backspace = {.x = 3360, .width = 1095},
     .make = {.x = 4560, .width = 1095},
     .cellChoice = {.x = 120, .y = 4920, .width = 1695},
     .ones = {.x = 1080, .y = 5160},
     .listChoice = {.x = 6960, .y = 3480},
     .steps = {.oneX = 6960, .allX = 7800, .y = 4800},
     .title = {.x = 8640, .y = 4920},
     .titleName = "Label18",
     .termBox = {.x = 6960, .y = 5400},
     .separator = {.from = {.x = 6480, .y = 3480}, .to = {.x = 6480, .y = 6000}}},
    // Form7 (no grouping controls)
    {.width = 9120,
     .height = 8295,
     .axes = {.aY = 6120, .bY = 6840, .lettersWidth = 2295, .lettersNames = {"Label20", "Label21"}},
     .letterButtons = {.x = 3360, .step = 600},
     .backspace = {.x = 3360, .width = 1095},
     .make = {.x = 4560, .width = 1095},
     .cellChoice = {.x = 120, .y = 7440, .width = 1695},
     .ones = {.x = 1080, .y = 7680}},
};

const KmapLayout& layoutFor(int variables) {
  return kLayouts[kmap::mapShape(variables).variables - 3];
}

// The map's labels: bold Gothic, centred unless told.
QLabel* mapLabel(QWidget* parent, const QString& name, const QString& text, QRect r, double pt,
                 Qt::Alignment align = Qt::AlignCenter) {
  return makeLabel(parent, name, text, r, gothicFont(pt, true), align);
}

// The corner of the map: "A" (columns) and "B" (rows) until the axes are
// chosen, then the letters, in a wider box for up to three (twips).
constexpr kmap::Rect kCornerA{720, 240, 255, 495};
constexpr kmap::Rect kCornerB{120, 480, 375, 375};
constexpr kmap::Rect kColumnLetters{480, 240, 600, 420};
constexpr kmap::Rect kRowLetters{120, 540, 600, 375};

QRect rectOf(const kmap::Rect& r) {
  return pxRect(r.left, r.top, r.width, r.height);
}

// The corner of the map names the variables of its columns (above the
// diagonal) and rows (below it); "A" and "B" until the axes are chosen.
void nameCorner(QLabel* l, const std::string& letters, bool columns) {
  if (!l) return;
  if (letters.empty()) {
    l->setText(columns ? "A" : "B");
    l->setFont(gothicFont(20.25, true));
    l->setGeometry(rectOf(columns ? kCornerA : kCornerB));
    l->setAlignment(Qt::AlignCenter);
    return;
  }
  l->setText(QString::fromStdString(letters));
  l->setFont(gothicFont(letters.size() == 1 ? 20.25 : letters.size() == 2 ? 14.25 : 12, true));
  l->setGeometry(rectOf(columns ? kColumnLetters : kRowLetters));
  l->setAlignment((columns ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

// A translation wider than the designed label is set smaller rather than cut
// (in the widest map the label ends at the window's edge).
void fitTitle(QLabel* title, int windowWidth) {
  const int room = std::min(title->width(), windowWidth - title->x()) - 3;
  for (QFont f = title->font();
       f.pointSizeF() > 8 && QFontMetrics(f).horizontalAdvance(title->text()) > room;) {
    f.setPointSizeF(f.pointSizeF() - 0.75);
    title->setFont(f);
  }
}

const char* const kBestFound = QT_TRANSLATE_NOOP(
    "ronri::KmapForm", "制限時間内に見つかった最良の組合せです（最小とは限りません）");

}  // namespace

KmapForm::KmapForm(App& app, int variables)
    : Window(app, QStringLiteral("Form%1").arg(variables == 6 ? 7 : variables), tr("カルノー図")),
      variables_(variables),
      layout_(layoutFor(variables)),
      model_(variables) {}

KmapForm::~KmapForm() = default;

void KmapForm::build(QMainWindow* w) {
  Canvas* canvas = buildCanvas(w);
  buildMapLabels(canvas);
  buildAxisControls(canvas);
  buildCellChoice(canvas);
  if (hasGrouping()) buildGroupingControls(canvas);
  buildHazardCheck(canvas);
}

Canvas* KmapForm::buildCanvas(QMainWindow* w) {
  const KmapLayout& L = layout_;
  auto* canvas = new Canvas(w);
  canvas_ = canvas;
  // The export holds the map itself: its ruling, cells, headers and outlines.
  const int vars = variables_;
  addExportMenu(canvas, [canvas, vars] {
    DisplayList out =
        exportableDrawing(*canvas, QRect(QPoint(0, 0), QPoint(kmap::farX(vars), kmap::farY(vars))));
    // A caption line under the map says whose map it is.
    const QString function = shownFunction(canvas);
    if (!function.isEmpty())
      out.text(kmap::kMapLeft, kmap::farY(vars) + 180, ("f=" + function).toStdString(), kBlack, 12,
               TextFace::Expression);
    return out;
  });
  addDrawingZoom(canvas, canvas);
  canvas->setFixedSize(pxSize(L.width, L.height));
  w->setCentralWidget(canvas);
  w->setFixedSize(pxSize(L.width, L.height));
  return canvas;
}

// The corner labels, the Gray-code headers and one label per cell.
void KmapForm::buildMapLabels(Canvas* canvas) {
  const kmap::MapShape& m = kmap::mapShape(variables_);
  mapLabel(canvas, "Label1", "A", rectOf(kCornerA), 20.25);
  mapLabel(canvas, "Label2", "B", rectOf(kCornerB), 20.25);
  const int colBits = m.maxA, rowBits = m.maxB;
  for (int k = 0; k < m.columns; ++k)
    mapLabel(canvas, indexed("ColumnHeader", k), QString::fromStdString(kmap::grayCode(k, colBits)),
             rectOf(kmap::columnHeaderRect(k)), 18);
  for (int r = 0; r < m.rows; ++r)
    mapLabel(canvas, indexed("RowHeader", r), QString::fromStdString(kmap::grayCode(r, rowBits)),
             rectOf(kmap::rowHeaderRect(r)), 18);
  for (int r = 0; r < m.rows; ++r)
    for (int k = 0; k < m.columns; ++k)
      mapLabel(canvas, indexed("Label9", kmap::cellNumber(k, r)), QString(),
               rectOf(kmap::cellRect(variables_, k, r)), 18);
}

// Choosing the variables of each axis: the A/B options with the letters
// chosen so far, a button per variable, "BS" and "作成".
void KmapForm::buildAxisControls(Canvas* canvas) {
  const KmapLayout& L = layout_;
  const int optionW = 615, rowH = 495;
  for (int i = 0; i < 2; ++i) {
    auto* o = new QRadioButton(i == 0 ? "A" : "B", canvas);
    o->setObjectName(indexed("Option1", i));
    o->setGeometry(pxRect(120, i == 0 ? L.axes.aY : L.axes.bY, optionW, rowH));
    o->setFont(gothicFont(15.75, true));
  }
  columnLetters_ = mapLabel(canvas, L.axes.lettersNames[0], QString(),
                            pxRect(840, L.axes.aY, L.axes.lettersWidth, rowH), 18,
                            Qt::AlignLeft | Qt::AlignVCenter);
  rowLetters_ = mapLabel(canvas, L.axes.lettersNames[1], QString(),
                         pxRect(840, L.axes.bY, L.axes.lettersWidth, rowH), 18,
                         Qt::AlignLeft | Qt::AlignVCenter);

  for (int i = 0; i < variables_; ++i) {
    auto* b = makeButton(canvas, indexed("Command1", i), QString(QChar(plainLetter(i))),
                         pxRect(L.letterButtons.x + L.letterButtons.step * i, L.axes.aY, 495, 495),
                         gothicFont(12, true));
    connect(b, &QPushButton::clicked, this, [this, i] { letterPressed(i); });
  }
  auto* bs = makeButton(canvas, "Command2(0)", "BS",
                        pxRect(L.backspace.x, L.axes.bY, L.backspace.width, rowH),
                        gothicFont(14.25, true));
  connect(bs, &QPushButton::clicked, this, [this] { backspacePressed(); });
  auto* make = makeButton(canvas, "Command2(1)", tr("作成"),
                          pxRect(L.make.x, L.axes.bY, L.make.width, rowH), gothicFont(14.25, true));
  connect(make, &QPushButton::clicked, this, [this] { makePressed(); });
}

// Whether the map shows the 0-cells or the 1-cells.
void KmapForm::buildCellChoice(Canvas* canvas) {
  const KmapLayout& L = layout_;
  auto* frame1 = new QGroupBox(tr("０，１どちらを表示？"), canvas);
  frame1->setObjectName("Frame1");
  frame1->setGeometry(pxRect(L.cellChoice.x, L.cellChoice.y, L.cellChoice.width, 735));
  auto* zeros = makeOption(frame1, "Option2(0)", "0", pxRect(360, 240, 495, 375));
  connect(zeros, &QRadioButton::clicked, this, [this] { zerosChosen(); });
  // Over the frame but not in it, so it is not grouped with "0".
  auto* ones = makeOption(canvas, "Option2(1)", "1", pxRect(L.ones.x, L.ones.y, 495, 375));
  connect(ones, &QRadioButton::clicked, this, [this] { onesChosen(); });
  ones->raise();
}

// Which primes to outline, the "一つ" / "全て" steps and the term box.
void KmapForm::buildGroupingControls(Canvas* canvas) {
  const KmapLayout& L = layout_;
  auto* frame2 = new QGroupBox(tr("囲むのは？"), canvas);
  frame2->setObjectName("Frame2");
  // Wider than 1815 and a little smaller type, so "必要最小主項（簡単化）" is
  // shown whole; the five-variable window still has room on its right.
  frame2->setGeometry(pxRect(L.listChoice.x, L.listChoice.y, 2370, 1215));
  auto* all = makeOption(frame2, "Option3(0)", tr("全ての主項"), pxRect(240, 240, 2070, 375));
  auto* minimal =
      makeOption(frame2, "Option3(1)", tr("必要最小主項（簡単化）"), pxRect(240, 720, 2070, 375));
  all->setFont(gothicFont(8.25));
  minimal->setFont(gothicFont(8.25));
  connect(all, &QRadioButton::clicked, this, [this] { listChosen(true); });
  connect(minimal, &QRadioButton::clicked, this, [this] { listChosen(false); });

  auto* one = makeButton(canvas, "Command3(0)", tr("一つ"),
                         pxRect(L.steps.oneX, L.steps.y, 735, 495), gothicFont(14.25, true));
  connect(one, &QPushButton::clicked, this, [this] { stepOnePressed(); });
  auto* every = makeButton(canvas, "Command3(1)", tr("全て"),
                           pxRect(L.steps.allX, L.steps.y, 735, 495), gothicFont(14.25, true));
  connect(every, &QPushButton::clicked, this, [this] { stepAllPressed(); });
  fitTitle(mapLabel(canvas, L.titleName, tr("囲む"), pxRect(L.title.x, L.title.y, 735, 420), 15.75,
                    Qt::AlignLeft | Qt::AlignVCenter),
           px(L.width));

  auto* text = new QLineEdit(canvas);
  text->setObjectName("Text2");
  text->setGeometry(pxRect(L.termBox.x, L.termBox.y, 1695, 615));
  text->setFont(expressionFont(12, true));  // a Gothic "~" reads as an overline
  text->setReadOnly(true);
  termBox_ = text;
}

// "ハザード", right of the choice of 0 or 1 cells.
void KmapForm::buildHazardCheck(Canvas* canvas) {
  const KmapLayout& L = layout_;
  auto* check = new QCheckBox(tr("ハザード"), canvas);
  check->setObjectName(QStringLiteral("CheckHazards"));
  check->setGeometry(
      pxRect(L.cellChoice.x + L.cellChoice.width + 225, L.cellChoice.y + 180, 1300, 375));
  check->setFont(gothicFont(9, true));
  check->setToolTip(
      tr("1 のセルの隣り合う組で、どのループにも一緒に入っていないもの（静的 1 ハザード）"
         "を矢印で示します。0 のセルでは、最小の和積形のループについて静的 0 ハザードを示します"));
  connect(check, &QCheckBox::toggled, this, [this] { refreshHazards(); });
  hazards_ = check;
}

void KmapForm::showFor(const Function& f, const QString& onesTerms, const QString& zerosTerms) {
  expression_ = QString::fromStdString(f.expression);
  onesTerms_ = onesTerms;
  zerosTerms_ = zerosTerms;
  dontCares_ = f.dontCares;
  if (isOpen()) unload();
  show();
}

bool KmapForm::shows(const QString& onesTerms, const std::vector<int>& dontCares) const {
  return isOpen() && onesTerms_ == onesTerms && dontCares_ == dontCares;
}

void KmapForm::load() {
  showFunctionInTitle(widget(), caption(), withDontCares(expression_, dontCares_));
  model_ = kmap::KmapModel(variables_);
  model_.oneTerms = onesTerms_.toStdString();
  model_.zeroTerms = zerosTerms_.toStdString();
  model_.dontCareTerms = rowTerms(dontCares_, variables_);
  model_.loadMap();
  bestFoundTold_ = false;
  mapMade_ = false;
  marksShown_ = false;
  if (hasGrouping()) {
    grouping_ = std::make_unique<kmap::Grouping>(variables_);
    grouping_->setReadable(readablePalette());
    grouping_->loadGroups(model_.oneTerms, /*minimalOnDemand=*/variables_ == 5,
                          model_.dontCareTerms);
  } else {
    grouping_.reset();
  }
  // Only the four-variable window starts with "1" selected; every window
  // shows the 1-cells until told otherwise.
  if (variables_ == 4) control<QRadioButton>("Option2(1)")->setChecked(true);
  setGroupingEnabled(false);
  showAxes();
  showCells();
  drawFrame();
}

void KmapForm::drawFrame() {
  kmap::drawRuling(*canvas_, variables_);
  const KmapLayout& L = layout_;
  if (hasGrouping())
    canvas_->line(L.separator.from.x, L.separator.from.y, L.separator.to.x, L.separator.to.y,
                  kBlack);
}

kmap::Axis KmapForm::chosenAxis() const {
  if (control<QRadioButton>("Option1(0)")->isChecked()) return kmap::Axis::Columns;
  if (control<QRadioButton>("Option1(1)")->isChecked()) return kmap::Axis::Rows;
  return kmap::Axis::None;
}

void KmapForm::showAxes() {
  columnLetters_->setText(QString::fromStdString(model_.columnLetters));
  rowLetters_->setText(QString::fromStdString(model_.rowLetters));
  nameCorner(control<QLabel>("Label1"), model_.columnLetters, true);
  nameCorner(control<QLabel>("Label2"), model_.rowLetters, false);
}

void KmapForm::showCells() {
  const auto& cells = model_.cells();
  for (int i = 0; i < int(cells.size()); ++i)
    if (auto* l = control<QLabel>(indexed("Label9", i)))
      l->setText(QString::fromStdString(cells[std::size_t(i)]));
  // The choice of 0 or 1 shows on the map only from "作成" on.
  cellsValue_ = model_.shownValue == "0" ? '0' : '1';
}

void KmapForm::setGroupingEnabled(bool on) {
  if (!hasGrouping()) return;
  for (const char* name : {"Command3(0)", "Command3(1)", "Option3(0)", "Option3(1)"})
    control<QWidget>(name)->setEnabled(on);
}

void KmapForm::letterPressed(int i) {
  if (model_.chooseVariable(plainLetter(i), chosenAxis())) showAxes();
}

void KmapForm::backspacePressed() {
  if (model_.backspace(chosenAxis())) showAxes();
}

void KmapForm::makePressed() {
  const kmap::MakeResult res = model_.makeMap();
  if (res.usedDefaults) showMessage(widget(), tr("デフォルト値を入力します"));
  if (!isOpen()) return;
  showAxes();
  if (res.refused) {
    showMessage(widget(), coreText(kmap::kLayoutRefused));
    return;
  }
  showCells();
  setGroupingEnabled(res.grouping);
  // Outlines of the default layout's groups would sit on the wrong cells of
  // another layout or of the 0-cells.
  if (grouping_ && !res.grouping) {
    grouping_->clearOutlines(*canvas_);
    termBox_->clear();
  }
  mapMade_ = true;
  refreshHazards();
}

void KmapForm::zerosChosen() {
  model_.showZeros();
  control<QRadioButton>("Option2(0)")->setChecked(true);
  control<QRadioButton>("Option2(1)")->setChecked(false);
  if (hasGrouping()) {
    control<QWidget>("Command3(0)")->setEnabled(false);
    control<QWidget>("Command3(1)")->setEnabled(false);
  }
  refreshHazards();
}

void KmapForm::onesChosen() {
  model_.showOnes();
  control<QRadioButton>("Option2(1)")->setChecked(true);
  control<QRadioButton>("Option2(0)")->setChecked(false);
  refreshHazards();
}

void KmapForm::listChosen(bool all) {
  auto* allOption = control<QRadioButton>("Option3(0)");
  auto* minOption = control<QRadioButton>("Option3(1)");
  if (!all && !grouping_->minimalReady()) {
    // The clicked option stays as it was until the question is answered.
    minOption->setChecked(false);
    if (!askYesNo(widget(), tr("この作業は時間が異常にかかる可能性があります。よろしいですか？")))
      return;
    if (!isOpen()) return;
    const BusyCursor busy;
    grouping_->computeMinimal();
  }
  if (!all && grouping_->minimalStatus() == CoverStatus::BestFound && !bestFoundTold_) {
    bestFoundTold_ = true;
    showMessage(widget(), withBound(tr(kBestFound), grouping_->minimalBound()));
    if (!isOpen()) return;
  }
  allOption->setChecked(all);
  minOption->setChecked(!all);
  grouping_->chooseList(all, *canvas_);
  refreshHazards();
}

bool KmapForm::showCover(const std::vector<std::pair<std::string, int>>& primes,
                         const QString& name, const QString& tip) {
  if (!isOpen() || !grouping_) return false;
  if (!model_.groupingOffered()) {
    // The outlines belong on the 1-cells with the default axes: lay the map
    // out so, as "作成" with no letters chosen would.
    model_.showOnes();
    control<QRadioButton>("Option2(1)")->setChecked(true);
    control<QRadioButton>("Option2(0)")->setChecked(false);
    model_.columnLetters.clear();
    model_.rowLetters.clear();
    if (!model_.makeMap().grouping) return false;
    showAxes();
    showCells();
    setGroupingEnabled(true);
  }
  grouping_->showTerms(primes, *canvas_);
  termBox_->setText(name);
  termBox_->setCursorPosition(0);
  termBox_->setToolTip(tip);
  mapMade_ = true;
  refreshHazards();
  return true;
}

void KmapForm::stepOnePressed() {
  const kmap::StepResult r = grouping_->stepOne(*canvas_);
  termBox_->setText(QString::fromStdString(r.term));
  refreshHazards();
  if (r.error) showMessage(widget(), QStringLiteral("error"));
}

void KmapForm::stepAllPressed() {
  termBox_->clear();
  const bool error = grouping_->stepAll(*canvas_);
  refreshHazards();
  if (error) showMessage(widget(), QStringLiteral("error"));
}

std::vector<std::pair<int, int>> KmapForm::hazardPairs() const {
  const int n = variables_;
  std::string values(std::size_t{1} << n, '0');
  for (int r : termRows(model_.oneTerms, n)) values[size_t(r)] = '1';
  for (int r : dontCares_) values[size_t(r)] = 'X';
  const char value = cellsValue_;
  // The loops drawn are the cover.
  if (grouping_ && value == '1') return kmap::loopHazards(values, n, grouping_->shownTerms(), '1');
  // No loops drawn (the 0-cells, the six-variable map): those of the smallest
  // form of the cells shown, as "簡単化" gives it.
  const BusyCursor busy;
  const std::string& free = model_.dontCareTerms;
  const Cover c = value == '1' ? minimalCoverWithDontCares(model_.oneTerms, free, n)
                               : minimalProductOfSums(otherRows(model_.oneTerms, free, n), free, n);
  if (c.status == CoverStatus::NoCover) return {};
  return kmap::loopHazards(values, n, value == '1' ? sumCubes(c.sum) : productCubes(c.sum), value);
}

void KmapForm::refreshHazards() {
  if (!isOpen() || !canvas_) return;
  const bool wanted = hazards_ && hazards_->isChecked() && mapMade_;
  if (!wanted && !marksShown_) return;
  // The marks cross the ruling and the loops: all of it is drawn again.
  const int right = kmap::farX(variables_) + kmap::kHazardOverhang;
  const int bottom = kmap::farY(variables_) + kmap::kHazardOverhang;
  if (grouping_) {
    grouping_->redrawShown(*canvas_, right, bottom);
  } else {
    canvas_->erase(kmap::kMapLeft, kmap::kMapTop, right, bottom);
    kmap::drawRuling(*canvas_, variables_);
  }
  marksShown_ = false;
  if (!wanted) return;
  std::vector<kmap::CellAt> places;
  for (const auto& [k, r] : model_.cellPlaces()) places.push_back({k, r});
  kmap::drawHazardMarks(*canvas_, variables_, hazardPairs(), places);
  marksShown_ = true;
}

}  // namespace ronri
