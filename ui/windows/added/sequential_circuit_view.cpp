#include "ui/windows/added/sequential_circuit_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "sequential/simulate.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/messages.h"
#include "ui/windows/added/sequential_verilog_save.h"
#include "ui/windows/helpers/drawing_view.h"

namespace ronri {

namespace {

std::string numbered(const char* base, int count, int i) {
  return count == 1 ? std::string(base) : base + std::to_string(i + 1);
}

}  // namespace

ClockedPlan clockedPlanOf(const seq::Machine& machine, const seq::Design& design) {
  ClockedPlan plan;
  plan.pins = seq::flipFlopInputNames(design.type);
  for (int b = design.codes.bits - 1; b >= 0; --b)
    plan.stateNames.push_back("Q" + std::to_string(b));
  for (int i = 0; i < machine.inputs; ++i)
    plan.inputNames.push_back(numbered("X", machine.inputs, i));
  for (const seq::Equation& e : design.equations)
    plan.functions.push_back({e.name, e.variables, e.minimum.terms});
  return plan;
}

SequentialCircuitView::SequentialCircuitView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SequentialCircuitView"));
  circuit_.problem = "no design";
  test_ = new QCheckBox(tr("試す"), this);
  test_->setObjectName(QStringLiteral("CircuitTestMode"));
  clock_ = new QPushButton(tr("クロック"), this);
  clock_->setObjectName(QStringLiteral("CircuitClock"));
  clock_->setToolTip(tr("クロックを 1 回立ち上げます。フリップフロップが次の状態に移ります。"));
  reset_ = new QPushButton(tr("リセット"), this);
  reset_->setObjectName(QStringLiteral("CircuitReset"));
  stateLabel_ = new QLabel(this);
  stateLabel_->setObjectName(QStringLiteral("CircuitTestState"));
  auto* top = new QHBoxLayout;
  top->addWidget(test_);
  for (int i = 0; i < seq::kMaxInputs; ++i) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QStringLiteral("CircuitInput(%1)").arg(i));
    connect(box, &QCheckBox::toggled, this, &SequentialCircuitView::redraw);
    top->addWidget(box);
    inputs_.emplace_back(box);
  }
  top->addWidget(clock_);
  top->addWidget(reset_);
  top->addWidget(stateLabel_, 1);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("CircuitMessage"));
  message_->setWordWrap(true);
  area_ = new QScrollArea(this);
  area_->setObjectName(QStringLiteral("CircuitArea"));
  area_->setBackgroundRole(QPalette::Base);
  view_ = new DrawingView(area_);
  view_->setObjectName(QStringLiteral("SequentialCircuitDrawing"));
  view_->setToolTip(tr("右クリックで画像の保存・コピー・印刷、Verilogで保存。"));
  area_->setWidget(view_);
  addExportMenu(view_, [this] { return drawing(); });
  addExportAction(view_, tr("Verilogで保存…"),
                  [this] { saveSequentialVerilog(this, machine_, design_); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(message_);
  layout->addWidget(area_, 1);
  connect(test_, &QCheckBox::toggled, this, &SequentialCircuitView::reset);
  connect(clock_, &QPushButton::clicked, this, &SequentialCircuitView::step);
  connect(reset_, &QPushButton::clicked, this, &SequentialCircuitView::reset);
  reset();
}

void SequentialCircuitView::setDesign(const seq::Machine& machine, const seq::Design& design) {
  machine_ = machine;
  design_ = design;
  circuit_ = design.available && !design.equations.empty()
                 ? layoutClocked(clockedPlanOf(machine, design))
                 : ClockedCircuit{};
  if (circuit_.problem.empty() && !(design.available && !design.equations.empty()))
    circuit_.problem = "no design";
  for (int i = 0; i < int(inputs_.size()); ++i) {
    inputs_[size_t(i)]->setText(QString::fromStdString(numbered("X", machine.inputs, i)));
    inputs_[size_t(i)]->setVisible(i < machine.inputs);
  }
  reset();
}

int SequentialCircuitView::inputCombination() const {
  int x = 0;
  for (int i = 0; i < machine_.inputs && i < int(inputs_.size()); ++i)
    x = x * 2 + (inputs_[size_t(i)]->isChecked() ? 1 : 0);
  return x;
}

std::string SequentialCircuitView::testBits() const {
  if (!test_->isChecked() || !circuit_.problem.empty()) return {};
  std::string bits;
  for (int b = design_.codes.bits - 1; b >= 0; --b) bits += (state_ >> b & 1) ? '1' : '0';
  const int x = inputCombination();
  for (int i = machine_.inputs - 1; i >= 0; --i) bits += (x >> i & 1) ? '1' : '0';
  return bits;
}

void SequentialCircuitView::reset() {
  const bool fits = seq::codesFit(design_.codes, machine_.states()) && machine_.reset >= 0 &&
                    machine_.reset < machine_.states();
  state_ = fits ? design_.codes.code[size_t(machine_.reset)] : 0;
  clocks_ = 0;
  redraw();
}

void SequentialCircuitView::step() {
  std::vector<std::string> texts;
  for (const seq::Equation& e : design_.equations) texts.push_back(e.text);
  const seq::CircuitShape shape{design_.type, design_.codes.bits, machine_.inputs, machine_.outputs,
                                machine_.kind == seq::MachineKind::Moore};
  const seq::Simulation run = seq::simulate(texts, shape, state_, {inputCombination()});
  if (!run.problem.empty() || run.cycles.empty()) {
    showMessage(this, tr("この回路ではクロックを進められません。"));
    return;
  }
  state_ = run.cycles[0].next;
  ++clocks_;
  redraw();
}

void SequentialCircuitView::showState() {
  const bool testing = test_->isChecked() && circuit_.problem.empty();
  for (auto& box : inputs_) box->setEnabled(testing);
  clock_->setEnabled(testing);
  reset_->setEnabled(testing);
  if (!testing) {
    stateLabel_->setText(circuit_.problem.empty()
                             ? tr("「試す」に印を付けると、入力を選んでクロックを進められます。")
                             : QString());
    return;
  }
  QString name = QStringLiteral("?");
  for (int s = 0; s < machine_.states(); ++s)
    if (design_.codes.code[size_t(s)] == state_)
      name = QString::fromStdString(machine_.names[size_t(s)]);
  QString code;
  for (int b = design_.codes.bits - 1; b >= 0; --b) code += (state_ >> b & 1) ? '1' : '0';
  stateLabel_->setText(tr("状態 %1（Q = %2）、クロック %3 回").arg(name, code).arg(clocks_));
}

DisplayList SequentialCircuitView::drawing() const {
  DisplayList d;
  drawClocked(d, circuit_, testBits());
  return d;
}

void SequentialCircuitView::redraw() {
  showState();
  const bool drawn = circuit_.problem.empty();
  message_->setVisible(!drawn);
  if (!drawn)
    // A design with its excitation table but no equations has too many variables (one-hot).
    message_->setText(!design_.rows.empty()
                          ? tr("変数が多すぎて回路図を描けません。")
                          : tr("回路の式がまだありません。状態表を埋めて下さい。"));
  view_->setDrawing(drawing(), circuit_.width, circuit_.height);
}

}  // namespace ronri
