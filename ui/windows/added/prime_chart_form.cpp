#include "ui/windows/added/prime_chart_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "core/cover/cover_dontcare.h"
#include "core/cover/pi_chart.h"
#include "core/draw/display_list.h"
#include "core/table/function.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/drawing_zoom.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/print_header.h"
#include "ui/framework/twips.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/helpers/dont_care.h"

namespace ronri {

// The chart drawn from its kept calls; a large chart paints only the calls
// that reach into the part being shown.
class ChartView : public QWidget {
 public:
  explicit ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Chart"));
    setAutoFillBackground(false);
  }

  void setDrawing(DisplayList drawing, ChartSize size) {
    drawing_ = std::move(drawing);
    header_ = px(size.header) + 1;  // with the rule under the headings
    labels_ = px(size.labels) + 1;
    boxes_.clear();
    boxes_.reserve(drawing_.ops().size());
    for (const DrawOp& op : drawing_.ops()) boxes_.push_back(boxOf(op));
    setFixedSize(px(size.width) + 1, px(size.height) + 1);
    update();
  }
  const DisplayList& drawing() const { return drawing_; }

 protected:
  // The headings stay in view while the chart scrolls: the part of the
  // drawing above the cells is painted again at the top of what is shown,
  // the part left of them at its left edge.
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    const QRect seen = parentWidget() ? QRect(-pos(), parentWidget()->size()) : rect();
    paintPart(p, e->rect(), QPoint(0, 0));
    const int top = std::max(0, seen.top());
    const int left = std::max(0, seen.left());
    if (top > 0) paintPart(p, QRect(seen.left(), top, seen.width(), header_), QPoint(0, top));
    if (left > 0) paintPart(p, QRect(left, seen.top(), labels_, seen.height()), QPoint(left, 0));
    if (top > 0 && left > 0) paintPart(p, QRect(left, top, labels_, header_), QPoint(left, top));
  }

 private:
  // Where a call paints, in pixels, generously for texts.
  static QRect boxOf(const DrawOp& op) {
    switch (op.kind) {
      case DrawOp::Circle:
        return QRect(px(op.x1 - op.x2) - 1, px(op.y1 - op.x2) - 1, px(2 * op.x2) + 3,
                     px(2 * op.x2) + 3);
      case DrawOp::Text:
        return QRect(px(op.x1), px(op.y1), int(op.str.size() * op.pointSize) + 8,
                     int(op.pointSize * 2) + 4);
      default:
        return QRect(QPoint(px(op.x1), px(op.y1)), QPoint(px(op.x2), px(op.y2)))
            .normalized()
            .adjusted(-1, -1, 1, 1);
    }
  }

  // Paints the calls that reach into `target` moved back by `shift`, so that
  // they land in `target`.
  void paintPart(QPainter& p, const QRect& target, const QPoint& shift) {
    p.save();
    p.setClipRect(target);
    p.fillRect(target, Qt::white);
    p.translate(shift);
    PainterSurface surface(p, Qt::white);
    const QRect source = target.translated(-shift).adjusted(-2, -2, 2, 2);
    for (size_t i = 0; i < boxes_.size(); ++i) {
      if (!boxes_[i].intersects(source)) continue;
      DisplayList one;
      one.append(drawing_.ops()[i]);
      one.replay(surface);
    }
    p.restore();
  }

  DisplayList drawing_;
  std::vector<QRect> boxes_;
  int header_ = 0;
  int labels_ = 0;
};

namespace {

// Lists of minterms or primes are shortened past this many entries.
constexpr int kListedItems = 40;

QString joined(const QStringList& items) {
  if (items.size() <= kListedItems) return items.join(QStringLiteral(", "));
  return QStringList(items.mid(0, kListedItems)).join(QStringLiteral(", ")) +
         QCoreApplication::translate("ronri::PrimeChartForm", " … ほか %1 個")
             .arg(items.size() - kListedItems);
}

QString mintermList(const std::vector<int>& minterms) {
  QStringList items;
  for (int m : minterms) items << QString::number(m);
  return joined(items);
}

QString label(int prime) {
  return QString::fromStdString(primeLabel(prime));
}

QString primeList(const std::vector<int>& primes) {
  QStringList items;
  for (int p : primes) items << label(p);
  return joined(items);
}

// "~a*~b + b*~c + a*c"
QString coverText(const PrimeChart& c, const std::vector<int>& cover) {
  QStringList terms;
  for (int p : cover) terms << QString::fromStdString(primeDisplay(c, p));
  return terms.join(QStringLiteral(" + "));
}

QString productLabel(const std::vector<int>& cover) {
  QString s;
  for (int p : cover) s += label(p);
  return s;
}

}  // namespace

PrimeChartForm::PrimeChartForm(App& app)
    : Window(app, QStringLiteral("PrimeChartForm"), tr("主項表")) {}

PrimeChartForm::~PrimeChartForm() = default;

void PrimeChartForm::build(QMainWindow* w) {
  auto* splitter = new QSplitter(Qt::Vertical, w);
  w->setCentralWidget(splitter);

  auto* top = new QWidget(splitter);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(6, 6, 6, 0);
  auto* legend = new QLabel(tr("黄色の行：必須主項　黄色の列：それを必須にする最小項（赤い印：その"
                               "最小項を覆う唯一の主項）"
                               "　青い印と黒い印：選んだ被覆の主項"),
                            top);
  legend->setObjectName(QStringLiteral("LegendLabel"));
  legend->setWordWrap(true);
  topLayout->addWidget(legend);
  area_ = new QScrollArea(top);
  area_->setObjectName(QStringLiteral("ChartArea"));
  area_->setBackgroundRole(QPalette::Base);
  view_ = new ChartView(area_);
  area_->setWidget(view_);
  // The headings are painted where the view is, so a scroll repaints it all.
  for (QScrollBar* bar : {area_->horizontalScrollBar(), area_->verticalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, view_, [this] { view_->update(); });
  topLayout->addWidget(area_, 1);
  addDrawingZoom(view_, area_);
  // Right-click on the chart: picture, copy, print, and the chart as CSV.
  addExportMenu(
      view_, [this] { return view_ ? view_->drawing() : DisplayList(); },
      [this] {
        if (!chart_) return QByteArray();
        return QByteArray::fromStdString(primeChartCsv(*chart_, tr("必須").toStdString(),
                                                       tr("選択").toStdString(), markedCover()));
      });

  auto* bottom = new QWidget(splitter);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(6, 0, 6, 6);
  auto* left = new QVBoxLayout;
  auto* stepsCaption = new QLabel(tr("表の簡約と被覆の選び方"), bottom);
  stepsCaption->setFont(gothicFont(9, true));
  left->addWidget(stepsCaption);
  steps_ = new QPlainTextEdit(bottom);
  steps_->setObjectName(QStringLiteral("StepsText"));
  steps_->setReadOnly(true);
  steps_->setFont(expressionFont(9));  // a real tilde in "~a*b"; Japanese falls back
  left->addWidget(steps_, 1);
  auto* right = new QVBoxLayout;
  coverLabel_ = new QLabel(bottom);
  coverLabel_->setObjectName(QStringLiteral("CoverLabel"));
  coverLabel_->setFont(gothicFont(9, true));
  coverLabel_->setWordWrap(true);
  right->addWidget(coverLabel_);
  covers_ = new QListWidget(bottom);
  covers_->setObjectName(QStringLiteral("CoverList"));
  covers_->setFont(expressionFont());
  right->addWidget(covers_, 1);
  // A chosen cover on the function's map, each prime in its own colour.
  coverOnMap_ = makeButton(bottom, QStringLiteral("CommandCoverOnMap"), tr("地図に表示"));
  coverOnMap_->setEnabled(false);
  right->addWidget(coverOnMap_, 0, Qt::AlignRight);
  connect(covers_, &QListWidget::currentRowChanged, this, [this](int row) {
    coverOnMap_->setEnabled(row >= 0 && chart_ && chart_->n >= 3 && chart_->n <= 5);
  });
  connect(coverOnMap_, &QPushButton::clicked, this,
          [this] { showCoverOnMap(covers_->currentRow()); });
  connect(covers_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { showCoverOnMap(covers_->row(item)); });
  bottomLayout->addLayout(left, 3);
  bottomLayout->addLayout(right, 2);

  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  w->resize(980, 720);
}

void PrimeChartForm::load() {
  fill();
}

void PrimeChartForm::unloading() {
  chart_.reset();
}

void PrimeChartForm::showFor(const Function& f, const QString& onesTerms) {
  function_ = f;
  onesTerms_ = onesTerms;
  if (isOpen()) fill();
  show();
}

void PrimeChartForm::fill() {
  if (!isOpen()) return;
  const std::vector<int>& dontCares = function_.dontCares;
  showFunctionInTitle(widget(), caption(),
                      withDontCares(QString::fromStdString(function_.expression), dontCares));
  {
    const BusyCursor busy;
    chart_ = std::make_unique<PrimeChart>(
        buildPrimeChart(onesTerms_.toStdString(), std::clamp(function_.variables, 1, 10),
                        std::chrono::milliseconds(2000), dontCares));
  }
  const PrimeChart& c = *chart_;
  markedCover_.clear();
  drawChart();

  QStringList lines;
  if (c.primes.empty()) {
    lines << tr("値が 1 になる行がないため、主項はありません。");
  } else {
    for (size_t i = 0; i < c.steps.size(); ++i)
      lines << QStringLiteral("%1. %2").arg(i + 1).arg(sentence(int(i)));
  }
  steps_->setPlainText(lines.join(QLatin1Char('\n')));

  covers_->clear();
  if (c.primes.empty()) {
    coverLabel_->setText(tr("被覆はありません。"));
    return;
  }
  const int size = int(c.chosen.size());
  if (c.status != CoverStatus::Proven)
    coverLabel_->setText(
        tr("選んだ被覆（%1 "
           "項）。最小であることが確かめられていないため、ほかの被覆は挙げられません。")
            .arg(size) +
        tr("最小は %1 項以上です。").arg(c.lowerBound));
  else if (c.coverCount < 0)
    coverLabel_->setText(
        tr("項の数が最小（%1 項）の被覆：何通りあるかは数えきれませんでした（%2 通りを表示）")
            .arg(size)
            .arg(c.minimalCovers.size()));
  else if (!c.coversComplete)
    coverLabel_->setText(tr("項の数が最小（%1 項）の被覆：%2 通り（最初の %3 通りを表示）")
                             .arg(size)
                             .arg(c.coverCount)
                             .arg(c.minimalCovers.size()));
  else
    coverLabel_->setText(tr("項の数が最小（%1 項）の被覆：%2 通り").arg(size).arg(c.coverCount));
  for (size_t i = 0; i < c.minimalCovers.size(); ++i) {
    QString text = coverText(c, c.minimalCovers[i]);
    if (i == 0) text += tr("　（このプログラムの選択）");
    covers_->addItem(text);
  }
}

// The chart marks the cover last shown on the map, so the two agree.
void PrimeChartForm::drawChart() {
  DisplayList drawing;
  drawPrimeChart(*chart_, drawing, markedCover());
  view_->setDrawing(std::move(drawing), primeChartSize(*chart_));
}

const std::vector<int>* PrimeChartForm::markedCover() const {
  return markedCover_.empty() ? nullptr : &markedCover_;
}

QString PrimeChartForm::sentence(int index) const {
  const PrimeChart& c = *chart_;
  const ChartStep& s = c.steps[size_t(index)];
  auto named = [&](int p) {
    return tr("%1（%2）").arg(label(p), QString::fromStdString(primeDisplay(c, p)));
  };
  switch (s.kind) {
    case ChartStep::Essential:
      return tr("%1 は最小項 %2 を覆う唯一の主項なので必須です。どの被覆にも入ります。")
          .arg(named(s.prime), mintermList(s.minterms));
    case ChartStep::EssentialsRemoved:
      return tr("必須主項が覆う最小項 %1 の列を表から除きます。").arg(mintermList(s.minterms));
    case ChartStep::NoEssential:
      return tr("必須主項はありません。どの最小項も二つ以上の主項に覆われています。");
    case ChartStep::Forced:
      return tr("残りの表で最小項 %1 を覆うのは %2 だけなので、%2 を選びます。")
          .arg(mintermList(s.minterms), label(s.prime));
    case ChartStep::MintermDominated:
      return tr("最小項 %2 を覆う主項はどれも最小項 %1 も覆うので、最小項 %1 の列を除きます。")
          .arg(s.minterms[0])
          .arg(s.minterms[1]);
    case ChartStep::PrimeDominated:
      return tr("%1 が覆う残りの最小項はすべて %2 も覆うので、%1 の行を除きます。")
          .arg(label(s.prime), label(s.other));
    case ChartStep::PrimeUnused:
      return tr("%1 は残りの最小項を一つも覆わないので、%1 の行を除きます。").arg(label(s.prime));
    case ChartStep::Omitted:
      return tr("同じような削除をほかに %1 回行います。").arg(s.count);
    case ChartStep::Core:
      if (s.minterms.empty()) return tr("これで表はすべて片付き、巡回核は残りません。");
      return tr("残った表（巡回核）：主項 %1 の %2 行と、最小項 %3 の %4 列です。"
                "どの列にも印が二つ以上あり、これ以上は縮められません。")
          .arg(primeList(s.primes))
          .arg(s.primes.size())
          .arg(mintermList(s.minterms))
          .arg(s.minterms.size());
    case ChartStep::Expansion:
      if (s.text.empty())
        return tr("各最小項を覆う主項の和をすべて掛け合わせ、吸収しながら展開しました"
                  "（積和展開）。%1 通りの積が残りました。")
            .arg(s.count);
      if (s.expansion.empty())
        return tr("各最小項を覆う主項の和をすべて掛け合わせ、吸収しながら展開しました"
                  "（積和展開）：\n   %1\n   展開すると %2 通りの積が残ります。")
            .arg(QString::fromStdString(s.text))
            .arg(s.count);
      return tr("各最小項を覆う主項の和をすべて掛け合わせ、吸収しながら展開しました"
                "（積和展開）：\n   %1\n   = %2")
          .arg(QString::fromStdString(s.text), QString::fromStdString(s.expansion));
    case ChartStep::ExactSearch:
      return tr(
          "表が大きいため積和展開はせず、必須主項と支配による削除のあと、"
          "残りを整数計画法で厳密に解きました（制限時間 2 秒）。");
    case ChartStep::BestFound:
      return tr(
          "制限時間内に見つかった最良の結果です。これより項の少ない形がないことは"
          "確かめられていません。");
    case ChartStep::Chosen:
      if (c.expanded)
        return tr("項の数が最も少ない最初の積 %1 を選びました：%2")
            .arg(productLabel(s.primes), coverText(c, s.primes));
      return tr("選んだ被覆（%1 項）：%2").arg(s.primes.size()).arg(coverText(c, s.primes));
  }
  return {};
}

void PrimeChartForm::showCoverOnMap(int index) {
  if (!chart_ || index < 0 || index >= int(chart_->minimalCovers.size())) return;
  const int n = chart_->n;
  KmapForm* map = n <= 5 ? app().kmapForm(n) : nullptr;
  if (!map) return;
  // A map of another function (or none yet) is loaded with this one.
  const std::vector<int>& dontCares = function_.dontCares;
  if (map->shows(onesTerms_, dontCares))
    map->show();
  else
    map->showFor(
        {function_.expression, n, dontCares}, onesTerms_,
        QString::fromStdString(otherRows(onesTerms_.toStdString(), rowTerms(dontCares, n), n)));
  const std::vector<int>& cover = chart_->minimalCovers[size_t(index)];
  markedCover_ = cover;
  std::sort(markedCover_.begin(), markedCover_.end());
  drawChart();
  if (covers_ && covers_->currentRow() != index) covers_->setCurrentRow(index);
  std::vector<std::pair<std::string, int>> primes;
  for (int p : cover) primes.push_back({chart_->primes[size_t(p)].text(n), p});
  map->showCover(primes, productLabel(cover), coverText(*chart_, cover));
}

QStringList PrimeChartForm::reductionText() const {
  return steps_ ? steps_->toPlainText().split(QLatin1Char('\n')) : QStringList();
}

QStringList PrimeChartForm::coverTexts() const {
  QStringList out;
  if (covers_)
    for (int i = 0; i < covers_->count(); ++i) out << covers_->item(i)->text();
  return out;
}

}  // namespace ronri
