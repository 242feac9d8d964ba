#include "ui/windows/added/timing_form.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "circuit/timing_chart.h"
#include "core/expression/expression.h"
#include "core/table/term.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/print_header.h"
#include "ui/framework/twips.h"
#include "ui/windows/helpers/drawing_view.h"

namespace ronri {

// The chart on white, at its own size inside the scroll area.

namespace {

// The gate kinds whose delay can be set, as the circuit draws them.
struct GateKind {
  char op;
  const char* name;
};
constexpr GateKind kGateKinds[] = {{'*', "AND"}, {'+', "OR"},   {'$', "NAND"}, {'|', "NOR"},
                                   {'@', "XOR"}, {'%', "XNOR"}, {'~', "NOT"}};
constexpr int kMostDelay = 20;

}  // namespace

TimingForm::TimingForm(App& app)
    : Window(app, QStringLiteral("TimingForm"), tr("タイミングチャート")) {}

TimingForm::~TimingForm() = default;

void TimingForm::showFor(const Function& f, const Netlist& drawn, const QString& drawnExpression,
                         const QString& onesTerms, bool twoInputGates) {
  function_ = f;
  drawn_ = drawn;
  drawnExpression_ = drawnExpression;
  twoInputGates_ = twoInputGates;
  values_.assign(size_t(1) << f.variables, '0');
  for (int r : termRows(onesTerms.toStdString(), f.variables)) values_[size_t(r)] = '1';
  for (int r : f.dontCares) values_[size_t(r)] = 'X';
  guardedForm_.reset();
  start_ = QString(f.variables, QLatin1Char('1'));
  flip_ = 0;
  consensus_ = false;
  if (isOpen()) unload();
  show();
  if (QWidget* w = widget()) {
    w->raise();
    w->activateWindow();
  }
}

void TimingForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(buildChoices(central));
  layout->addWidget(buildDelays(central));
  status_ = new QLabel(central);
  status_->setObjectName(QStringLiteral("TimingStatus"));
  status_->setWordWrap(true);
  layout->addWidget(status_);
  auto* area = new QScrollArea(central);
  area->setObjectName(QStringLiteral("ChartArea"));
  area->setBackgroundRole(QPalette::Base);
  view_ = new DrawingView(area);
  view_->setObjectName(QStringLiteral("Chart"));
  area->setWidget(view_);
  layout->addWidget(area, 1);
  layout->addWidget(new QLabel(tr("右クリックで画像の保存・コピー・印刷・CSV の保存。"), central));
  addExportMenu(
      view_, [this] { return drawing(); }, [this] { return csv(); },
      [this] {
        return startValid() ? QString()
                            : tr("開始の値が正しくないため、チャートがありません。") +
                                  QLatin1Char('\n') + statusText(false, {});
      });
  w->resize(820, 560);
}

// The start, the input that changes, and what the chart shows.
QWidget* TimingForm::buildChoices(QWidget* central) {
  auto* row = new QWidget(central);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel(tr("開始の値"), row));
  startField_ = new QLineEdit(row);
  startField_->setObjectName(QStringLiteral("StartBits"));
  startField_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[01]*")), startField_));
  startField_->setToolTip(tr("a から順に 0 か 1 を変数の数だけ（例: 111）"));
  startField_->setMaximumWidth(120);
  h->addWidget(startField_);
  h->addWidget(new QLabel(tr("変化する入力"), row));
  flipList_ = new QComboBox(row);
  flipList_->setObjectName(QStringLiteral("FlipInput"));
  h->addWidget(flipList_);
  everyGateCheck_ = new QCheckBox(tr("すべてのゲートを表示"), row);
  everyGateCheck_->setObjectName(QStringLiteral("EveryGate"));
  h->addWidget(everyGateCheck_);
  consensusCheck_ = new QCheckBox(tr("ハザード対策"), row);
  consensusCheck_->setObjectName(QStringLiteral("AddConsensus"));
  consensusCheck_->setToolTip(tr("合意項を加えたハザードのない回路で調べます"));
  h->addWidget(consensusCheck_);
  h->addStretch();
  connect(startField_, &QLineEdit::textChanged, this, [this](const QString& s) {
    start_ = s;
    rerun();
  });
  connect(flipList_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    flip_ = i;
    rerun();
  });
  connect(everyGateCheck_, &QCheckBox::toggled, this, [this](bool on) {
    everyGate_ = on;
    rerun();
  });
  connect(consensusCheck_, &QCheckBox::toggled, this, [this](bool on) {
    consensus_ = on;
    rerun();
  });
  return row;
}

// A delay per kind of gate, in time steps; the inverters of the ~x buses
// are NOT gates too.
QWidget* TimingForm::buildDelays(QWidget* central) {
  auto* row = new QWidget(central);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel(tr("ゲートの遅延"), row));
  delayBoxes_.clear();
  for (size_t i = 0; i < std::size(kGateKinds); ++i) {
    const GateKind& k = kGateKinds[i];
    h->addWidget(new QLabel(QString::fromLatin1(k.name), row));
    auto* box = new QSpinBox(row);
    box->setObjectName(QStringLiteral("Delay(%1)").arg(i));
    box->setRange(0, kMostDelay);
    box->setValue(delays_.of(k.op));
    if (k.op == '~') box->setToolTip(tr("NOT ゲートと、~x を作るインバータの遅延"));
    connect(box, &QSpinBox::valueChanged, this, [this, op = k.op](int v) {
      delays_.byOp[op] = v;
      rerun();
    });
    h->addWidget(box);
    delayBoxes_[k.op] = box;
  }
  h->addStretch();
  return row;
}

void TimingForm::load() {
  showFunctionInTitle(widget(), caption(), drawnExpression_);
  const QSignalBlocker a(flipList_), b(startField_), c(consensusCheck_), d(everyGateCheck_);
  flipList_->clear();
  for (int k = 0; k < function_.variables; ++k) flipList_->addItem(QString(QChar(plainLetter(k))));
  flipList_->setCurrentIndex(std::clamp(flip_, 0, std::max(0, function_.variables - 1)));
  startField_->setMaxLength(std::max(1, function_.variables));
  startField_->setText(start_);
  consensusCheck_->setChecked(consensus_);
  everyGateCheck_->setChecked(everyGate_);
  rerun();
}

const Netlist* TimingForm::chosenCircuit(QString& note) {
  if (!consensus_) return &drawn_;
  if (!guardedForm_) {
    const BusyCursor busy;
    guardedForm_ = withConsensusTerms(drawnExpression_.toStdString(), values_, function_.variables);
    if (guardedForm_->expression != "0" && guardedForm_->expression != "1")
      guarded_ = netlistOf(guardedForm_->expression, function_.variables, twoInputGates_);
  }
  QStringList added;
  for (const std::string& t : guardedForm_->added) added << QString::fromStdString(t);
  note = added.isEmpty() ? tr("加える合意項はありません（もともとハザードがありません）。")
                         : tr("追加した合意項: %1").arg(added.join(QStringLiteral(", ")));
  if (guardedForm_->status == CoverStatus::BestFound)
    note += tr("（制限時間内に見つかった最良の形で、最小とは限りません）");
  if (!guarded_.drawn()) {
    note = tr("ハザードのない形は定数 %1 です。")
               .arg(QString::fromStdString(guardedForm_->expression));
    return &drawn_;
  }
  return &guarded_;
}

QString TimingForm::statusText(bool valid, const QString& note) const {
  if (!valid)
    return tr("開始の値は 0 と 1 を %1 個、a から順に入力してください。").arg(function_.variables);
  QString s;
  int from = 0, to = 0;
  if (glitchSpan(timing_, from, to))
    s = tr("f にグリッチがあります（時刻 %1 から %2 まで）。").arg(from).arg(to);
  else if (timing_.output.changes.empty())
    s = tr("f は変わりません。グリッチはありません。");
  else
    s = tr("f は一度だけ変わります。グリッチはありません。");
  return note.isEmpty() ? s : s + QLatin1Char(' ') + note;
}

void TimingForm::rerun() {
  if (!isOpen() || !view_) return;
  QString note;
  const Netlist* circuit = chosenCircuit(note);
  const bool valid = startValid();
  timing_ = valid ? simulateFlip(*circuit, start_.toStdString(), flip_, delays_) : Timing{};
  for (const auto& [op, box] : delayBoxes_) {
    // Only the kinds the circuit has can be set; NOT is always there as ~x.
    bool used = op == '~';
    for (const Netlist::Gate& g : circuit->gates) used = used || g.op == op;
    if (box) box->setEnabled(used);
  }
  status_->setText(statusText(valid, note));
  if (!valid) {
    view_->setDrawing(DisplayList(), 0, 0);
    return;
  }
  const ChartLayout c = chartLayout(timing_, everyGate_);
  view_->setDrawing(drawing(), c.width(), c.height());
}

DisplayList TimingForm::drawing() const {
  DisplayList d;
  if (startValid() && !timing_.inputs.empty()) drawTimingChart(d, timing_, everyGate_);
  return d;
}

QByteArray TimingForm::csv() const {
  if (timing_.inputs.empty()) return {};
  return QByteArray::fromStdString(timingCsv(timing_, everyGate_));
}

}  // namespace ronri
