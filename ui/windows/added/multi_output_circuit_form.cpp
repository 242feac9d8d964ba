#include "ui/windows/added/multi_output_circuit_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/expression/expression.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/print_header.h"
#include "ui/framework/twips.h"
#include "ui/windows/helpers/circuit_file_export.h"
#include "ui/windows/helpers/drawing_view.h"

namespace ronri {

MultiOutputCircuitForm::MultiOutputCircuitForm(App& app)
    : Window(app, QStringLiteral("MultiOutputCircuitForm"), tr("複数出力の回路図")) {}

MultiOutputCircuitForm::~MultiOutputCircuitForm() = default;

void MultiOutputCircuitForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  test_ = new QCheckBox(tr("試す"), central);
  test_->setObjectName(QStringLiteral("TestMode"));
  auto* top = new QHBoxLayout;
  top->addWidget(test_);
  bits_.clear();
  for (int k = 0; k < 6; ++k) {
    auto* bit = new QCheckBox(QString(QChar(plainLetter(k))), central);
    bit->setObjectName(QStringLiteral("Bit(%1)").arg(k));
    connect(bit, &QCheckBox::toggled, this, &MultiOutputCircuitForm::redraw);
    top->addWidget(bit);
    bits_.emplace_back(bit);
  }
  top->addStretch();
  auto* hint =
      new QLabel(tr("入力に印を付けると 1 です。右クリックで画像の保存・コピー・印刷。"), central);
  connect(test_, &QCheckBox::toggled, this, &MultiOutputCircuitForm::redraw);
  area_ = new QScrollArea(central);
  area_->setObjectName(QStringLiteral("DrawingArea"));
  area_->setBackgroundRole(QPalette::Base);
  view_ = new DrawingView(area_);
  view_->setObjectName(QStringLiteral("Drawing"));
  area_->setWidget(view_);
  addExportMenu(view_, [this] { return view_ ? view_->drawing() : DisplayList(); });
  addCircuitFileExport(view_, [this] { return std::optional<Netlist>(twoLevelNetlist(circuit_)); });
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addWidget(hint);
  layout->addWidget(area_, 1);
  w->resize(size_.isValid() ? size_ : QSize(900, 640));
}

void MultiOutputCircuitForm::load() {
  showFunctionInTitle(widget(), caption(), tableName_);
  redraw();
}

void MultiOutputCircuitForm::unloading() {
  size_ = widget()->size();
}

void MultiOutputCircuitForm::showFor(const MultiTable& t, const MultiMinimum& m) {
  circuit_ = layoutTwoLevel(t.inputs, t.names, m);
  // The title names the table: "s, c (a, b, c)".
  QStringList outputs, inputs;
  for (const std::string& name : t.names) outputs << QString::fromStdString(name);
  for (int k = 0; k < t.inputs; ++k) inputs << QString(QChar(plainLetter(k)));
  tableName_ = QStringLiteral("%1 (%2)").arg(outputs.join(QStringLiteral(", ")),
                                             inputs.join(QStringLiteral(", ")));
  if (isOpen()) showFunctionInTitle(widget(), caption(), tableName_);
  show();
  redraw();
  if (QWidget* w = widget()) {
    w->raise();
    w->activateWindow();
  }
}

std::string MultiOutputCircuitForm::testBits() const {
  if (!test_ || !test_->isChecked()) return {};
  std::string bits;
  for (int k = 0; k < circuit_.inputs && k < int(bits_.size()); ++k)
    bits += bits_[size_t(k)] && bits_[size_t(k)]->isChecked() ? '1' : '0';
  return bits;
}

DisplayList MultiOutputCircuitForm::drawing() const {
  DisplayList d;
  drawTwoLevel(d, circuit_, {true, testBits()});
  return d;
}

void MultiOutputCircuitForm::redraw() {
  if (!isOpen()) return;
  for (size_t k = 0; k < bits_.size(); ++k)
    if (bits_[k]) bits_[k]->setVisible(int(k) < circuit_.inputs);
  view_->setDrawing(drawing(), circuit_.width, circuit_.height);
}

}  // namespace ronri
